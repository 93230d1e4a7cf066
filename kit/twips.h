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

// Places a widget at a twip rectangle inside its parent (see setDesignGeometry).
void placeTwips(QWidget *w, double left, double top, double width, double height);

// Places a widget at a rectangle in pixels as designed, from the parent's left
// edge. In a right-to-left layout the rectangle is mirrored inside the parent,
// and stays so as the parent changes size or direction. Whatever moves or
// sizes a placed control afterwards goes through here, so that the two
// directions keep agreeing.
void setDesignGeometry(QWidget *w, const QRect &px);
// The rectangle a widget was placed at, left to right, in pixels; for a widget
// never placed, its geometry.
QRect designGeometry(const QWidget *w);

// True for a widget placed through setDesignGeometry.
bool isPlaced(const QWidget *w);
// Forgets where a widget was placed, so that a layout or a container it moves
// into sizes it from now on.
void unplace(QWidget *w);

// The left edge that centres something of the given width on the screen.
double centredLeftTwips(double widthTwips);

} // namespace padmora
