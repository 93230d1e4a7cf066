// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/pictures.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QVariant>

#include <cmath>

namespace padmora {

namespace {

QString cacheKey(const QString &path, QSize size)
{
    return QStringLiteral("padmora-picture:%1x%2:%3").arg(size.width()).arg(size.height()).arg(path);
}

} // namespace

PictureView::PictureView(QWidget *parent) : QWidget(parent) {}

PictureView::PictureView(const QString &path, QWidget *parent) : QWidget(parent)
{
    setPicture(path);
}

void PictureView::setPicture(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_pixmap = QPixmap();
    m_renderedSize = QSize();
    update();
}

QSize PictureView::deviceSize() const
{
    // Every device pixel the view covers; the small allowance keeps a product
    // such as 100 x 1.1 from counting one pixel too many.
    const qreal ratio = devicePixelRatioF();
    return QSize(int(std::ceil(width() * ratio - 1e-6)), int(std::ceil(height() * ratio - 1e-6)));
}

QPixmap PictureView::pixmap()
{
    const QSize size = deviceSize();
    if (size == m_renderedSize)
        return m_pixmap;
    m_renderedSize = size;
    m_readable = false;
    m_pixmap = QPixmap();
    if (size.isEmpty() || m_path.isEmpty())
        return m_pixmap;
    const qreal ratio = devicePixelRatioF();
    const QString key = cacheKey(m_path, size);
    if (QPixmapCache::find(key, &m_pixmap)) {
        // The same pixels may have been rendered for another scale.
        if (m_pixmap.devicePixelRatio() != ratio)
            m_pixmap.setDevicePixelRatio(ratio);
        m_readable = true;
        return m_pixmap;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(m_path);
    m_readable = renderer.isValid();
    if (m_readable) {
        QPainter painter(&image);
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    m_pixmap = QPixmap::fromImage(std::move(image));
    m_pixmap.setDevicePixelRatio(ratio);
    // Only what was read is shared: an unreadable picture is tried again by
    // the next view that shows it.
    if (m_readable)
        QPixmapCache::insert(key, m_pixmap);
    return m_pixmap;
}

bool PictureView::hasPicture()
{
    pixmap();
    return m_readable;
}

void PictureView::paintEvent(QPaintEvent *)
{
    const QPixmap shown = pixmap();
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(QRectF(rect()), shown, QRectF(shown.rect()));
}

void showPicture(PictureView *view, const QString &path)
{
    if (!view)
        return;
    view->setPicture(path);
    view->setProperty("picture", path);
}

QString shownPicture(const QWidget *view)
{
    return view ? view->property("picture").toString() : QString();
}

} // namespace padmora
