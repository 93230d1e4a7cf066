// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/screens/resultchart.h"

#include "chakras/scoring.h"
#include "kit/controlnames.h"
#include "kit/twips.h"

#include <QFrame>
#include <QLabel>

namespace padmora {

namespace {

constexpr double kBarWidth = 345;
constexpr double kAxisLabelWidth = 840;
constexpr double kAxisLabelHeight = 240;

double barLeft(int chakra)
{
    return 480 + 870 * chakra;
}

const QString kAxisLabels[kChakraCount] = {
    QStringLiteral("Root"),   QStringLiteral("Sacral"),    QStringLiteral("Navel"), QStringLiteral("Heart"),
    QStringLiteral("Throat"), QStringLiteral("Third Eye"), QStringLiteral("Crown")};

} // namespace

QString chakraIntroductionFirst()
{
    return QStringLiteral(
        "Chakras are energy centers aligned in a vertical line through the center of the body and responsible "
        "for the state of our mind, body and spirit. These are seven nerve centers along the spine, which "
        "balances our endocrine and central nervous system and are called 'chakras' (Sanskrit term). Whoever "
        "can control and maintain stability of these inner energies is the one who is blessed with a holy life, "
        "they are said to be mahatmas (Sanskrit) or holy souls with high power of practicing meditation.");
}

QString chakraIntroductionSecond()
{
    return QStringLiteral(
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

ResultChart::ResultChart(QWidget *parent, const ChartDesign &design)
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

        auto *axis = new QLabel(kAxisLabels[i], parent);
        axis->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        if (design.labels == ChartDesign::Labels::AtBarLeftEdges) {
            axis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            placeTwips(axis, barLeft(i), design.labelsTop, kAxisLabelWidth, kAxisLabelHeight);
        } else {
            axis->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            placeTwips(axis, barLeft(i) + kBarWidth / 2 - kAxisLabelWidth / 2, design.labelsTop, kAxisLabelWidth,
                       kAxisLabelHeight);
        }
        m_axis[std::size_t(i)] = axis;
    }
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    placeTwips(line, 180, design.baseLineY, 6300, 15);
}

QString chartReading(const AnswerSheet &sheet, const ChakraScores &scores, int chakra)
{
    if (!sheet.isTicked(chakra))
        return chakraTitle(chakra) + QStringLiteral(": not tested");
    const int score = scores[std::size_t(chakra)];
    return QStringLiteral("%1: %2 of %3, %4")
        .arg(chakraTitle(chakra))
        .arg(score)
        .arg(kQuestionsPerChakra)
        .arg(stateName(classifyScore(score)));
}

void ResultChart::showScores(const AnswerSheet &sheet, const ChakraScores &scores, double bottom)
{
    for (int i = 0; i < kChakraCount; ++i) {
        const QString reading = chartReading(sheet, scores, i);
        QLabel *bar = m_bars[std::size_t(i)];
        QLabel *axis = m_axis[std::size_t(i)];
        bar->setAccessibleName(reading);
        bar->setToolTip(reading);
        axis->setAccessibleDescription(reading);
        axis->setToolTip(reading);
        const BarGeometry g = barGeometry(scores[std::size_t(i)], bottom);
        QLabel *place = m_places[std::size_t(i)];
        placeTwips(place, barLeft(i), bottom - kBarFullHeight, kBarWidth, kBarFullHeight);
        place->setAccessibleName(g.visible ? QString() : reading);
        place->setToolTip(g.visible ? QString() : reading);
        if (!g.visible)
            continue;  // a score of 0 leaves the bar hidden
        placeTwips(bar, barLeft(i), g.top, kBarWidth, g.height);
        bar->show();
    }
}

} // namespace padmora
