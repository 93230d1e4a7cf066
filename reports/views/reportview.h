// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a report into a result view. While the report is written the view
// keeps room for its vertical scroll bar, so a report longer than the view is
// laid out once, at the width it is shown at, and not a second time when the
// scroll bar comes. A report that fits gives the room back afterwards.

#include <functional>

class QTextBrowser;
class QTextDocument;

namespace padmora {

// Runs write on the view's document.
void writeIntoView(QTextBrowser *view, const std::function<void(QTextDocument *)> &write);

} // namespace padmora
