// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/screens/breathshape.h"

#include <QPainter>

#include <algorithm>

namespace padmora {

BreathShape::BreathShape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BreathShape::setFullness(double fullness)
{
    fullness = std::clamp(fullness, 0.0, 1.0);
    if (qFuzzyCompare(1.0 + fullness, 1.0 + m_fullness))
        return;
    m_fullness = fullness;
    update();
}

QColor BreathShape::shapeColour(const QColor &background)
{
    // A deep teal on light faces, a pale one on dark faces: either keeps
    // more than 3 : 1 against a background of its kind.
    return background.lightnessF() >= 0.5 ? QColor(0, 95, 115) : QColor(120, 200, 215);
}

void BreathShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    painter.fillRect(rect(), background);
    painter.setRenderHint(QPainter::Antialiasing);
    const double room = std::min(width(), height()) / 2.0 - 2;
    const double radius = room * (1.0 / 3.0 + 2.0 / 3.0 * m_fullness);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shapeColour(background));
    painter.drawEllipse(QRectF(rect()).center(), radius, radius);
}

} // namespace padmora
