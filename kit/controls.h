// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Controls the newer screens make alike, placed in twips: a push button, the
// caption of a control (its buddy, for the Alt key), and a read-out: a label
// of plain, wrapped text that the keyboard reaches and a screen reader reads.

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace padmora {

// The height of a push button on those screens, in twips.
inline constexpr double kPushButtonHeight = 420;
// The height of one row of text, in twips.
inline constexpr double kTextRowHeight = 345;

QPushButton *addPushButton(QWidget *parent, const QString &name, const QString &caption, double left, double top,
                           double width);
// The caption sits a little lower than its control's top, on its text line.
QLabel *addCaption(QWidget *parent, const QString &text, QWidget *buddy, double left, double top, double width);
QLabel *addReadout(QWidget *parent, const QString &name, const QString &accessibleName);

} // namespace padmora
