// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// picTrends: each chakra's scores over time, drawn with QPainter over three
// bands, UnderActive (0 to 2), Open (3 to 5) and OverActive (6 to 8), on a
// background of its own so that it reads the same on light and dark desktops;
// under the lines, each chakra's minutes practised per week as bars rising
// from the bottom (an hour or more reaches a quarter of the height).

#include "journal/trends.h"

#include <QWidget>
#include <array>

namespace padmora {

class TrendChart : public QWidget {
    Q_OBJECT
public:
    explicit TrendChart(QWidget *parent = nullptr);

    // The points to draw, the chakras switched on and the span of time shown
    // (from: invalid for "from the first point").
    void setSeries(const journal::TrendSeries &series, const QDateTime &from, const QDateTime &to);
    // The minutes practised per week, drawn as bars under the score lines.
    void setPractice(const journal::PracticeSeries &weeks);
    const journal::PracticeSeries &practice() const { return m_practice; }
    void setChakraShown(int chakra, bool shown);
    bool isChakraShown(int chakra) const { return m_shown[std::size_t(chakra)]; }

    // The colour a chakra's line is drawn in.
    static QColor lineColour(int chakra);

    QSize sizeHint() const override { return QSize(400, 240); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    journal::TrendSeries m_series;
    journal::PracticeSeries m_practice;
    std::array<bool, 7> m_shown{};
    QDateTime m_from, m_to;
};

} // namespace padmora
