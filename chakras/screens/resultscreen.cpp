// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/screens/resultscreen.h"

#include "kit/colours.h"
#include "kit/twips.h"

#include <QTextBrowser>

namespace padmora {

ResultScreen::ResultScreen(const QString &name, const QString &caption, double widthTwips, double heightTwips,
                           const ChartDesign &chart, QWidget *parent)
    : Form(name, caption, widthTwips, heightTwips, parent), m_chart(client(), chart)
{
}

QTextBrowser *ResultScreen::addReportView(const QString &accessibleName, const QRectF &twips)
{
    m_rtb = new QTextBrowser(client());
    m_rtb->setObjectName(QStringLiteral("RTB"));
    m_rtb->setAccessibleName(accessibleName);
    // A caret that the arrows move, so that the report is read line by line.
    m_rtb->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    // The report's own colours are printed on paper, whatever the desktop's colours.
    fixColours(m_rtb, kInk, kPaper);
    placeTwips(m_rtb, twips.x(), twips.y(), twips.width(), twips.height());
    return m_rtb;
}

void ResultScreen::setReadingTime(const QDateTime &takenAt)
{
    m_readingTime = takenAt;
    emit readingChanged();
}

bool ResultScreen::showsReading() const
{
    return m_readingTime.isValid() && !isUnloaded();
}

PrintableReading ResultScreen::printedChartAndReport(const QString &program, const QString &kind,
                                                     const QString &title) const
{
    PrintableReading reading(program, kind, m_readingTime);
    if (!title.isEmpty())
        reading.addTitle(title);
    const PrintedDrawing chart = m_chart.printed();
    reading.addDrawing(chart.twips, chart.paint);
    reading.addDocument(*m_rtb->document());
    return reading;
}

} // namespace padmora
