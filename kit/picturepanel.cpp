// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/picturepanel.h"

#include <QMouseEvent>

namespace padmora {

PicturePanel::PicturePanel(const QString &name, const QString &picture, QWidget *parent)
    : PictureView(picture, parent)
{
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_StyledBackground, true);
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
