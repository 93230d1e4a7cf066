// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the two result screens share: the chakra introduction lblChakra, and
// the bar chart of seven bars lblCurve(0..6) over a base line Line1, each
// with its axis label (Label2 to Label8).

#include "chakras/answersheet.h"
#include "reports/printing/printablereading.h"

#include <QColor>
#include <QRectF>
#include <array>

class QFrame;
class QLabel;
class QPainter;
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

// Where the chart's parts sit on the screen's client area, in twips. The
// screen places its bars and labels here, and the printed chart is painted
// from the same places.
QRectF chartBarRect(int chakra, int score, double bottom);  // empty for a score of 0
QRectF chartAxisLabelRect(const ChartDesign &design, int chakra);
QRectF chartBaseLineRect(const ChartDesign &design);
// The axis label under a chakra's bar: "Root" ... "Crown".
QString chartAxisLabel(int chakra);
// The whole chart with the scores over its bars.
QRectF chartArea(const ChartDesign &design, double bottom);

// Paints the chart in twips (the painter's units), at the places above: the
// bars of the scored chakras, the base line, the axis labels, and over each
// ticked chakra's bar its score ("5 of 8"). Black and the bars' own colours,
// whatever the palette.
void paintResultChart(QPainter &painter, const ChartDesign &design, const AnswerSheet &sheet,
                      const ChakraScores &scores, double bottom);

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

    // The chart with the scores last shown, as it prints: the chart's area,
    // painted by paintResultChart.
    PrintedDrawing printed() const;

private:
    ChartDesign m_design;
    AnswerSheet m_sheet;
    ChakraScores m_scores{};
    double m_bottom = 0;
    std::array<QLabel *, kChakraCount> m_places{};
    std::array<QLabel *, kChakraCount> m_bars{};
    std::array<QLabel *, kChakraCount> m_axis{};
};

} // namespace padmora
