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
// Names, styles and places a label as the introduction (purple on pink).
QLabel *showAsChakraIntroduction(QLabel *intro, const QRectF &twips);

QColor barColour(int chakra);

struct ChartDesign {
    double barsTop;     // top edge of a full bar as designed
    double baseLineY;   // the horizontal base line
    double labelsTop;   // the axis labels
    // Where an axis label sits across: centred under its bar, or starting
    // at the bar's left edge.
    enum class Labels { CentredUnderBars, AtBarLeftEdges } labels = Labels::CentredUnderBars;
};

// What the chart says of one chakra, to a screen reader and in a tooltip:
// "Root Chakra (Muladhara): 5 of 8, Open", or "...: not tested" for a chakra
// that was not ticked.
QString chartReading(const AnswerSheet &sheet, const ChakraScores &scores, int chakra);

class ResultChart {
public:
    ResultChart(QWidget *parent, const ChartDesign &design);

    // Shows a bar per scored chakra, growing upward from the given bottom
    // edge, and tells every bar and axis label what it stands for: a hidden
    // bar's chakra is still read out by its axis label, and by the empty
    // place where its bar would stand.
    void showScores(const AnswerSheet &sheet, const ChakraScores &scores, double bottom);

    QLabel *bar(int chakra) const { return m_bars[std::size_t(chakra)]; }
    QLabel *axisLabel(int chakra) const { return m_axis[std::size_t(chakra)]; }

private:
    std::array<QLabel *, kChakraCount> m_places{};
    std::array<QLabel *, kChakraCount> m_bars{};
    std::array<QLabel *, kChakraCount> m_axis{};
};

} // namespace padmora
