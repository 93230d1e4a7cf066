// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/screens/resultscreen.h"

#include "kit/colours.h"
#include "kit/programhost.h"
#include "kit/resume.h"
#include "kit/screennames.h"
#include "kit/twips.h"
#include "practice/sitting.h"

#include <QPushButton>
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

QPushButton *ResultScreen::addPractiseButton(const QRectF &twips)
{
    auto *button = new QPushButton(tr("&Practise\u2026"), client());
    button->setObjectName(QStringLiteral("cmdPractise"));
    button->setAccessibleDescription(tr("A guided practice of the exercise of each chakra that is not open"));
    placeTwips(button, twips.x(), twips.y(), twips.width(), twips.height());
    connect(button, &QPushButton::clicked, this, &ResultScreen::cmdPractise_Click);
    return button;
}

void ResultScreen::setChakrasToPractise(const AnswerSheet &sheet, const ChakraScores &scores)
{
    std::array<bool, kChakraCount> ticked{};
    for (int i = 0; i < kChakraCount; ++i)
        ticked[std::size_t(i)] = sheet.isTicked(i);
    m_toPractise = practice::chakrasToPractise(ticked, scores);
}

void ResultScreen::cmdPractise_Click()
{
    if (isUnloaded())
        return;
    step([this] { practice::setSitting(m_toPractise); });
    step([] { openProgramScreen(screens::kPractice); });
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
