// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tarot result view keeps what is copied out of it from lingering on the
// clipboard: every text change, click, mouse press, mouse move and mouse
// release in the view empties the clipboard (and the X11 selection), but
// only while what they hold came from Padmora. Whatever another program put
// there is left alone.

class QTextEdit;

namespace padmora {

void InstallClipboardGuard(QTextEdit *view);
bool hasClipboardGuard(const QTextEdit *view);

} // namespace padmora
