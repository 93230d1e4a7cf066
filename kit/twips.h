// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Screen positions and sizes are designed in twips (1/1440 inch). These
// helpers turn them into pixels on the primary screen's logical DPI, and back.

#include <QRect>
#include <QSize>

class QWidget;

namespace padmora {

inline constexpr double kTwipsPerInch = 1440.0;

double logicalDpiX();
double logicalDpiY();

int twipsToPxX(double twips);
int twipsToPxY(double twips);
double pxToTwipsX(int px);
double pxToTwipsY(int px);

// A rectangle given as left, top, width, height in twips.
QRect twipsRect(double left, double top, double width, double height);
QRect rectToTwips(const QRect &px);

// Width and height of the whole screen, in twips.
double screenWidthTwips();
double screenHeightTwips();

// Places a widget at a twip rectangle inside its parent.
void placeTwips(QWidget *w, double left, double top, double width, double height);

// The left edge that centres something of the given width on the screen.
double centredLeftTwips(double widthTwips);

} // namespace padmora
