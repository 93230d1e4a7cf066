// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/twips.h"

#include <QEvent>
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

namespace {

constexpr char kDesignProperty[] = "padmoraDesignGeometry";
constexpr char kWatchedProperty[] = "padmoraMirrorsPlaced";

QRect mirrored(const QWidget *w, const QRect &design)
{
    const QWidget *parent = w->parentWidget();
    if (!parent || !parent->isRightToLeft())
        return design;
    return QRect(parent->width() - design.x() - design.width(), design.y(), design.width(), design.height());
}

// Keeps the placed children of a parent where they belong when the parent's
// width or direction changes.
class MirrorKeeper : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutDirectionChange) {
            if (auto *parent = qobject_cast<QWidget *>(watched)) {
                for (QObject *child : parent->children()) {
                    auto *w = qobject_cast<QWidget *>(child);
                    if (w && !w->isWindow() && w->property(kDesignProperty).isValid())
                        w->setGeometry(mirrored(w, w->property(kDesignProperty).toRect()));
                }
            }
        }
        return false;
    }
};

MirrorKeeper *mirrorKeeper()
{
    static MirrorKeeper keeper;
    return &keeper;
}

} // namespace

void setDesignGeometry(QWidget *w, const QRect &px)
{
    if (!w)
        return;
    w->setProperty(kDesignProperty, px);
    if (QWidget *parent = w->parentWidget(); parent && !parent->property(kWatchedProperty).toBool()) {
        parent->setProperty(kWatchedProperty, true);
        parent->installEventFilter(mirrorKeeper());
    }
    w->setGeometry(mirrored(w, px));
}

QRect designGeometry(const QWidget *w)
{
    if (!w)
        return QRect();
    const QVariant design = w->property(kDesignProperty);
    return design.isValid() ? design.toRect() : w->geometry();
}

bool isPlaced(const QWidget *w)
{
    return w && w->property(kDesignProperty).isValid();
}

void unplace(QWidget *w)
{
    if (w)
        w->setProperty(kDesignProperty, QVariant());
}

void placeTwips(QWidget *w, double left, double top, double width, double height)
{
    setDesignGeometry(w, twipsRect(left, top, width, height));
}

double centredLeftTwips(double widthTwips)
{
    return (screenWidthTwips() - widthTwips) / 2.0;
}

} // namespace padmora
