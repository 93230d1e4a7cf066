// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calm shape of the chanting pace: a round that grows while the user
// breathes in and shrinks while they chant on the out-breath. Its colours
// follow the palette's background, light or dark, and keep 3 : 1 against it.

#include <QColor>
#include <QWidget>

namespace padmora {

class BreathShape : public QWidget {
    Q_OBJECT
public:
    explicit BreathShape(QWidget *parent = nullptr);

    // 0 empty to 1 full; the round never shrinks below a third of its room.
    void setFullness(double fullness);
    double fullness() const { return m_fullness; }

    // The round's fill on a background: dark on a light one, light on a dark one.
    static QColor shapeColour(const QColor &background);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_fullness = 0;
};

} // namespace padmora
