// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the two result screens share: the chakra introduction lblChakra, and
// the bar chart of seven bars lblCurve(0..6) over a base line Line1, each
// with its axis label (Label2 to Label8).

#include "chakras/answersheet.h"

#include <QColor>
#include <QRectF>
#include <array>

class QFrame;
class QLabel;
class QWidget;

namespace padmora {

// The introduction's two paragraphs.
QString chakraIntroductionFirst();
QString chakraIntroductionSecond();

// The introduction label at a twip rectangle.
QLabel *addChakraIntroduction(QWidget *parent, const QString &text, const QRectF &twips);

QColor barColour(int chakra);

struct ChartDesign {
    double barsTop;     // top edge of a full bar as designed
    double baseLineY;   // the horizontal base line
    double labelsTop;   // the axis labels
    // Where an axis label sits across: centred under its bar, or starting
    // at the bar's left edge.
    enum class Labels { CentredUnderBars, AtBarLeftEdges } labels = Labels::CentredUnderBars;
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
