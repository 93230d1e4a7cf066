// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/screens/resultchart.h"

#include "chakras/scoring.h"
#include "kit/controlnames.h"
#include "kit/twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>

namespace padmora {

namespace {

constexpr double kBarWidth = 345;
constexpr double kAxisLabelWidth = 840;
constexpr double kAxisLabelHeight = 240;

double barLeft(int chakra)
{
    return 480 + 870 * chakra;
}

// "5 of 8": a chakra's score of its questions.
QString scoreOf(int score)
{
    //: A chakra's score: %1 answers counted of %2 questions
    return QCoreApplication::translate("Results", "%1 of %2").arg(score).arg(kQuestionsPerChakra);
}

// The base line runs under all seven bars, one pixel (15 twips) thick as designed.
constexpr double kBaseLineLeft = 180;
constexpr double kBaseLineWidth = 6300;
constexpr double kBaseLineThickness = 15;

// On paper: the axis labels and the scores over the bars, their type size
// in twips (20 to the point), and the room the scores take over the bars.
constexpr double kPrintedLabelSize = 170;
constexpr double kPrintedScoreSize = 150;
constexpr double kScoreRoom = 300;
const QColor kChartInk(0, 0, 0);

QFont chartFont(double twips, bool bold)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(int(twips));
    font.setBold(bold);
    return font;
}

// An axis label that starts at its bar's left edge, or at its right edge in
// a right-to-left layout, where the chart stands mirrored: whichever way its
// text runs, it stays under its own bar.
class EdgeAxisLabel : public QLabel {
public:
    EdgeAxisLabel(const QString &text, QWidget *parent) : QLabel(text, parent) { alignToBar(); }

protected:
    void changeEvent(QEvent *event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::LayoutDirectionChange)
            alignToBar();
    }

private:
    void alignToBar()
    {
        setAlignment((isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignTop);
    }
};

} // namespace

QRectF chartBarRect(int chakra, int score, double bottom)
{
    const BarGeometry g = barGeometry(score, bottom);
    if (!g.visible)
        return QRectF();
    return QRectF(barLeft(chakra), g.top, kBarWidth, g.height);
}

QRectF chartAxisLabelRect(const ChartDesign &design, int chakra)
{
    if (design.labels == ChartDesign::Labels::AtBarLeftEdges)
        return QRectF(barLeft(chakra), design.labelsTop, kAxisLabelWidth, kAxisLabelHeight);
    return QRectF(barLeft(chakra) + kBarWidth / 2 - kAxisLabelWidth / 2, design.labelsTop, kAxisLabelWidth,
                  kAxisLabelHeight);
}

QRectF chartBaseLineRect(const ChartDesign &design)
{
    return QRectF(kBaseLineLeft, design.baseLineY, kBaseLineWidth, kBaseLineThickness);
}

QString chartAxisLabel(int chakra)
{
    return chakraShortName(chakra);
}

QRectF chartArea(const ChartDesign &design, double bottom)
{
    const double top = bottom - kBarFullHeight - kScoreRoom;
    const double right = std::max(kBaseLineLeft + kBaseLineWidth, chartAxisLabelRect(design, kChakraCount - 1).right());
    return QRectF(0, top, right + kBaseLineLeft, design.labelsTop + kAxisLabelHeight - top);
}

void paintResultChart(QPainter &painter, const ChartDesign &design, const AnswerSheet &sheet,
                      const ChakraScores &scores, double bottom)
{
    painter.save();
    const QFont labelFont = chartFont(kPrintedLabelSize, false);
    const QFont scoreFont = chartFont(kPrintedScoreSize, true);
    for (int i = 0; i < kChakraCount; ++i) {
        const int score = scores[std::size_t(i)];
        const QRectF bar = chartBarRect(i, score, bottom);
        if (!bar.isEmpty())
            painter.fillRect(bar, barColour(i));
        painter.setPen(kChartInk);
        if (sheet.isTicked(i)) {
            // Over the bar, or over the base of a bar that a score of 0 leaves out.
            const double over = bar.isEmpty() ? bottom : bar.top();
            const double middle = barLeft(i) + kBarWidth / 2;
            painter.setFont(scoreFont);
            painter.drawText(QRectF(middle - 435, over - kScoreRoom, 870, kScoreRoom - 45),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             scoreOf(score));
        }
        const QRectF label = chartAxisLabelRect(design, i);
        painter.setFont(labelFont);
        const Qt::Alignment across =
            design.labels == ChartDesign::Labels::AtBarLeftEdges ? Qt::AlignLeft : Qt::AlignHCenter;
        painter.drawText(label, across | Qt::AlignTop | Qt::TextDontClip, chartAxisLabel(i));
    }
    painter.fillRect(chartBaseLineRect(design), kChartInk);
    painter.restore();
}

QString chakraIntroductionFirst()
{
    return QCoreApplication::translate(
        "Results",
        "Chakras are energy centers aligned in a vertical line through the center of the body and responsible "
        "for the state of our mind, body and spirit. These are seven nerve centers along the spine, which "
        "balances our endocrine and central nervous system and are called 'chakras' (Sanskrit term). Whoever "
        "can control and maintain stability of these inner energies is the one who is blessed with a holy life, "
        "they are said to be mahatmas (Sanskrit) or holy souls with high power of practicing meditation.");
}

QString chakraIntroductionSecond()
{
    return QCoreApplication::translate(
        "Results",
        "It's very important that all Chakras are active and balanced for them to work at the maximum level "
        "and for general well being. Chakra balancing is needed to overcome deficient functioning of the mind, "
        "body and spirit. Chakras are over-active, open or under-active.");
}

QLabel *addChakraIntroduction(QWidget *parent, const QString &text, const QRectF &twips)
{
    return showAsChakraIntroduction(new QLabel(text, parent), twips);
}

QLabel *showAsChakraIntroduction(QLabel *intro, const QRectF &twips)
{
    intro->setObjectName(QStringLiteral("lblChakra"));
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    intro->setMargin(4);
    QFont small = intro->font();
    small.setPointSizeF(7.5);
    intro->setFont(small);
    // Purple on light pink.
    intro->setStyleSheet(QStringLiteral("color: rgb(128, 0, 128); background: rgb(255, 192, 255);"));
    placeTwips(intro, twips.x(), twips.y(), twips.width(), twips.height());
    return intro;
}

QColor barColour(int chakra)
{
    static const QColor colours[kChakraCount] = {QColor(255, 0, 0),   QColor(255, 128, 0), QColor(255, 255, 0),
                                                 QColor(0, 128, 0),   QColor(0, 0, 255),   QColor(68, 51, 164),
                                                 QColor(154, 100, 236)};
    return chakra >= 0 && chakra < kChakraCount ? colours[chakra] : QColor();
}

ResultChart::ResultChart(QWidget *parent, const ChartDesign &design) : m_design(design)
{
    for (int i = 0; i < kChakraCount; ++i) {
        // Where the bar stands at its full height, behind it: holds the
        // reading while the bar is hidden, so that a screen reader's review
        // of the screen still finds it there.
        auto *place = new QLabel(parent);
        setArrayName(place, QStringLiteral("lblPlace"), i);
        placeTwips(place, barLeft(i), design.barsTop, kBarWidth, kBarFullHeight);
        m_places[std::size_t(i)] = place;

        auto *bar = new QLabel(parent);
        setArrayName(bar, QStringLiteral("lblCurve"), i);
        bar->setAutoFillBackground(true);
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, barColour(i));
        bar->setPalette(palette);
        placeTwips(bar, barLeft(i), design.barsTop, kBarWidth, kBarFullHeight);
        bar->hide();
        m_bars[std::size_t(i)] = bar;

        QLabel *axis = nullptr;
        if (design.labels == ChartDesign::Labels::AtBarLeftEdges) {
            axis = new EdgeAxisLabel(chartAxisLabel(i), parent);
        } else {
            axis = new QLabel(chartAxisLabel(i), parent);
            axis->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
        axis->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        const QRectF label = chartAxisLabelRect(design, i);
        placeTwips(axis, label.x(), label.y(), label.width(), label.height());
        m_axis[std::size_t(i)] = axis;
    }
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    const QRectF base = chartBaseLineRect(design);
    placeTwips(line, base.x(), base.y(), base.width(), base.height());
}

QString chartReading(const AnswerSheet &sheet, const ChakraScores &scores, int chakra)
{
    if (!sheet.isTicked(chakra))
        //: %1 is a chakra's title ("Root Chakra (Muladhara)")
        return QCoreApplication::translate("Results", "%1: not tested").arg(chakraTitle(chakra));
    const int score = scores[std::size_t(chakra)];
    //: %1 is a chakra's title, %2 its score ("5 of 8"), %3 its state ("Open")
    return QCoreApplication::translate("Results", "%1: %2, %3")
        .arg(chakraTitle(chakra), scoreOf(score), stateName(classifyScore(score)));
}

void ResultChart::showScores(const AnswerSheet &sheet, const ChakraScores &scores, double bottom)
{
    m_sheet = sheet;
    m_scores = scores;
    m_bottom = bottom;
    for (int i = 0; i < kChakraCount; ++i) {
        const QString reading = chartReading(sheet, scores, i);
        QLabel *bar = m_bars[std::size_t(i)];
        QLabel *axis = m_axis[std::size_t(i)];
        bar->setAccessibleName(reading);
        bar->setToolTip(reading);
        axis->setAccessibleDescription(reading);
        axis->setToolTip(reading);
        const QRectF rect = chartBarRect(i, scores[std::size_t(i)], bottom);
        const QRectF full = chartBarRect(i, kQuestionsPerChakra, bottom);
        QLabel *place = m_places[std::size_t(i)];
        placeTwips(place, full.x(), full.y(), full.width(), full.height());
        place->setAccessibleName(rect.isEmpty() ? reading : QString());
        place->setToolTip(rect.isEmpty() ? reading : QString());
        if (rect.isEmpty())
            continue;  // a score of 0 leaves the bar hidden
        placeTwips(bar, rect.x(), rect.y(), rect.width(), rect.height());
        bar->show();
    }
}

PrintedDrawing ResultChart::printed() const
{
    const QRectF area = chartArea(m_design, m_bottom);
    return PrintedDrawing{area.size(), [design = m_design, sheet = m_sheet, scores = m_scores, bottom = m_bottom,
                                        origin = area.topLeft()](QPainter &painter) {
                              painter.translate(-origin);
                              paintResultChart(painter, design, sheet, scores, bottom);
                          }};
}

} // namespace padmora
