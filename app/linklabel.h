// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that acts as a web link: hand pointer, a click signal, and on
// request an underline while the mouse is over it.

#include <QColor>
#include <QLabel>

namespace padmora {

// The colour of Padmora's link labels.
inline const QColor kLinkColour(0, 0, 160);

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &name, const QString &text, QWidget *parent = nullptr);

    void setUnderlined(bool underlined);
    void setLinkColour(const QColor &colour);
    // Blue and underlined, as a web link looks.
    void showAsLink();
    bool isUnderlined() const;

signals:
    void clicked();
    void hovered();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

} // namespace padmora
