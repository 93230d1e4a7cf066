// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Padmora's pictures are drawn as SVG. A PictureView shows one stretched over
// its area: it renders the picture once into a pixmap of its size in device
// pixels and repaints from that, so pictures stay crisp at any screen scale
// and cost nothing to repaint. A new size or screen scale renders afresh; a
// picture already rendered at that size by another view is taken from a
// shared cache. A picture that is missing or unreadable shows as an empty
// area of the view's size.

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace padmora {

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);
    PictureView(const QString &path, QWidget *parent = nullptr);

    // Shows the picture at a resource path (nothing for an empty path).
    void setPicture(const QString &path);
    QString picture() const { return m_path; }

    // The picture as it is painted at the view's present size and scale,
    // rendered first if need be; transparent when it cannot be read.
    QPixmap pixmap();
    // False when the picture is missing or cannot be read.
    bool hasPicture();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The view's size in device pixels at its screen's present scale.
    QSize deviceSize() const;

    QString m_path;
    QPixmap m_pixmap;
    QSize m_renderedSize;
    bool m_readable = false;
};

// Shows a picture in a view and keeps its resource path as the view's
// "picture" property, so what is on show can be read back.
void showPicture(PictureView *view, const QString &path);
QString shownPicture(const QWidget *view);

} // namespace padmora
