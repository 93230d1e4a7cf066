// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picturepanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace padmora {

PicturePanel::PicturePanel(const QString &name, const QString &picture, QWidget *parent)
    : QWidget(parent), m_picture(picture), m_renderer(new QSvgRenderer(this))
{
    if (!picture.isEmpty())
        m_renderer->load(picture);
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_StyledBackground, true);
}

void PicturePanel::paintEvent(QPaintEvent *)
{
    if (!m_renderer->isValid())
        return;
    QPainter painter(this);
    m_renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    m_renderer->render(&painter, QRectF(rect()));
}

void PicturePanel::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void PicturePanel::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    emit mouseMoved();
}

} // namespace padmora
