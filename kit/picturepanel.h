// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A panel that shows one of Padmora's pictures stretched over its area and
// reports clicks; the banner, the program bar and the co-branding strip.

#include "kit/pictures.h"

namespace padmora {

class PicturePanel : public PictureView {
    Q_OBJECT
public:
    PicturePanel(const QString &name, const QString &picture, QWidget *parent = nullptr);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

} // namespace padmora
