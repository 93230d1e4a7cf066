// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that acts as a web link: hand pointer, a click signal, and on
// request an underline while the mouse is over it. It takes the keyboard
// focus with Tab and opens with Return, Enter or Space, as a click does.

#include "kit/colours.h"

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
    // The link's text colour, on a fixed background; with an invalid
    // background the label stays transparent over a fixed picture.
    void setLinkColour(const QColor &colour, const QColor &background = kDesignedFace);
    // Blue and underlined, as a web link looks.
    void showAsLink();
    bool isUnderlined() const;

    // A label that only takes part in the clicks of its panel (a heading)
    // is no link: no hand, no focus.
    void setActsAsLink(bool link);
    bool actsAsLink() const { return m_link; }

    // What a click does: emits clicked().
    void activate();

signals:
    void clicked();
    void hovered();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    void takeFocusByTab();

    bool m_link = true;
};

} // namespace padmora
