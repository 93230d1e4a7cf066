// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader learns of Padmora's own kinds of widget: a link label
// is a link that can be pressed, a picture is a named image, a picture panel
// that holds controls is a pane, a drop-down list says the entry it shows,
// and the main window's work area goes unsaid, so that each screen starts
// with its own caption. Qt's other widgets speak for themselves.

class QLabel;
class QString;

namespace padmora {

// Registers Padmora's accessibility factory; initPadmora() calls it.
void installAccessibility();

// Shows text in a label whose accessible name says what the text is about
// ("The journal file"): a screen reader says the name and then the text, as
// the label's description, when the focus comes and again on every change.
void setSpokenText(QLabel *label, const QString &text);

// Makes a label the status of something running: a screen reader says each
// new accessible name while the focus is on it. Call it before the label is
// first shown.
void makeStatusControl(QLabel *label);

} // namespace padmora
