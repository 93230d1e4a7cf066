#include "chakras/resultchart.h"

#include "app/controlnames.h"
#include "app/twips.h"
#include "chakras/scoring.h"

#include <QFrame>
#include <QLabel>

namespace padmora {

namespace {

constexpr double kBarWidth = 345;

double barLeft(int chakra)
{
    return 480 + 870 * chakra;
}

const QString kAxisLabels[kChakraCount] = {
    QStringLiteral("Root"),   QStringLiteral("Sacral"),    QStringLiteral("Navel"), QStringLiteral("Heart"),
    QStringLiteral("Throat"), QStringLiteral("Third Eye"), QStringLiteral("Crown")};

} // namespace

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
        axis->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        // Centred under its bar.
        placeTwips(axis, barLeft(i) + kBarWidth / 2 - 420, design.labelsTop, 840, 240);
    }
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    placeTwips(line, 180, design.baseLineY, 6300, 15);
}

void ResultChart::showScores(const ChakraScores &scores, double bottom)
{
    for (int i = 0; i < kChakraCount; ++i) {
        const BarGeometry g = barGeometry(scores[std::size_t(i)], bottom);
        QLabel *bar = m_bars[std::size_t(i)];
        if (!g.visible)
            continue;  // a score of 0 leaves the bar hidden
        placeTwips(bar, barLeft(i), g.top, kBarWidth, g.height);
        bar->show();
    }
}

} // namespace padmora
