#pragma once
// The bar chart of the two result screens: seven bars lblCurve(0..6) over a
// base line Line1, each with its axis label (Label2 to Label8).

#include "chakras/answersheet.h"

#include <QColor>
#include <array>

class QFrame;
class QLabel;
class QWidget;

namespace padmora {

QColor barColour(int chakra);

struct ChartDesign {
    double barsTop;     // top edge of a full bar as designed
    double baseLineY;   // the horizontal base line
    double labelsTop;   // the axis labels
};

class ResultChart {
public:
    ResultChart(QWidget *parent, const ChartDesign &design);

    // Shows a bar per scored chakra, growing upward from the given bottom edge.
    void showScores(const ChakraScores &scores, double bottom);

    QLabel *bar(int chakra) const { return m_bars[std::size_t(chakra)]; }

private:
    std::array<QLabel *, kChakraCount> m_bars{};
};

} // namespace padmora
