// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace padmora {

namespace {
QScreen *screen()
{
    return QGuiApplication::primaryScreen();
}
} // namespace

double logicalDpiX()
{
    QScreen *s = screen();
    return s ? s->logicalDotsPerInchX() : 96.0;
}

double logicalDpiY()
{
    QScreen *s = screen();
    return s ? s->logicalDotsPerInchY() : 96.0;
}

int twipsToPxX(double twips)
{
    return int(std::lround(twips * logicalDpiX() / kTwipsPerInch));
}

int twipsToPxY(double twips)
{
    return int(std::lround(twips * logicalDpiY() / kTwipsPerInch));
}

double pxToTwipsX(int px)
{
    return px * kTwipsPerInch / logicalDpiX();
}

double pxToTwipsY(int px)
{
    return px * kTwipsPerInch / logicalDpiY();
}

QRect twipsRect(double left, double top, double width, double height)
{
    const int x = twipsToPxX(left);
    const int y = twipsToPxY(top);
    // Edges are rounded, not the size, so neighbours designed to touch still touch.
    return QRect(x, y, twipsToPxX(left + width) - x, twipsToPxY(top + height) - y);
}

QRect rectToTwips(const QRect &px)
{
    return QRect(int(std::lround(pxToTwipsX(px.x()))), int(std::lround(pxToTwipsY(px.y()))),
                 int(std::lround(pxToTwipsX(px.width()))), int(std::lround(pxToTwipsY(px.height()))));
}

double screenWidthTwips()
{
    QScreen *s = screen();
    return s ? pxToTwipsX(s->geometry().width()) : 0.0;
}

double screenHeightTwips()
{
    QScreen *s = screen();
    return s ? pxToTwipsY(s->geometry().height()) : 0.0;
}

void placeTwips(QWidget *w, double left, double top, double width, double height)
{
    if (w)
        w->setGeometry(twipsRect(left, top, width, height));
}

double centredLeftTwips(double widthTwips)
{
    return (screenWidthTwips() - widthTwips) / 2.0;
}

} // namespace padmora
