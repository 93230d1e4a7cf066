// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A panel that paints one of Padmora's pictures stretched over its area and
// reports clicks; the banner, the program bar and the co-branding strip.

#include <QWidget>

class QSvgRenderer;

namespace padmora {

class PicturePanel : public QWidget {
    Q_OBJECT
public:
    PicturePanel(const QString &name, const QString &picture, QWidget *parent = nullptr);

    QString picture() const { return m_picture; }

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString m_picture;
    QSvgRenderer *m_renderer;
};

} // namespace padmora
