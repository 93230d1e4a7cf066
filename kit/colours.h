// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where Padmora draws text in a colour of its own (report runs, link labels,
// the welcome panel, the tarot pages), the background behind that text is
// fixed too, so the designed colours stay readable under any desktop palette,
// dark ones included.

#include <QColor>

class QWidget;

namespace padmora {

// The light face that fixed-colour text is designed on.
inline const QColor kDesignedFace(240, 240, 240);
// Paper: the background of the reports and the card pages.
inline const QColor kPaper(255, 255, 255);
inline const QColor kInk(0, 0, 0);

// Gives a widget (and the children that inherit its palette) fixed text and
// background colours, and has it paint that background.
void fixColours(QWidget *widget, const QColor &text, const QColor &background);

} // namespace padmora
