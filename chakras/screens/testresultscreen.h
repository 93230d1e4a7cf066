// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmChakrasResult: the bar chart and the report of a finished chakra test.

#include "chakras/screens/resultchart.h"
#include "kit/form.h"
#include "reports/printing/printablescreen.h"

#include <QDateTime>

class QTextBrowser;

namespace padmora {

class TestResultScreen : public Form, public PrintableScreen {
    Q_OBJECT
public:
    explicit TestResultScreen(QWidget *parent = nullptr);

    QTextBrowser *RTB() const { return m_rtb; }
    ResultChart &chart() { return m_chart; }

    // When the reading on show was taken; its report prints from then on.
    void setReadingTime(const QDateTime &takenAt);
    QDateTime readingTime() const { return m_readingTime; }

    // PrintableScreen: the title, the chart and the report.
    bool showsReading() const override;
    std::optional<PrintableReading> printableReading() const override;

    void Form_Load() override;
    void cmdChakrasBack_Click();

protected:
    void Form_Unload() override;

private:
    QTextBrowser *m_rtb = nullptr;
    ResultChart m_chart;
    QDateTime m_readingTime;
};

// Scores the test's answer sheet and writes the outcome into the open result screen.
void ComputeChakraResult(const AnswerSheet &sheet, ChakraScores &scores, TestResultScreen *screen);

} // namespace padmora
