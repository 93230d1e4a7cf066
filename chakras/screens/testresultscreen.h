// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmChakrasResult: the bar chart and the report of a finished chakra test.

#include "chakras/screens/resultchart.h"
#include "kit/form.h"

class QTextBrowser;

namespace padmora {

class TestResultScreen : public Form {
    Q_OBJECT
public:
    explicit TestResultScreen(QWidget *parent = nullptr);

    QTextBrowser *RTB() const { return m_rtb; }
    ResultChart &chart() { return m_chart; }

    void Form_Load() override;
    void cmdChakrasBack_Click();

protected:
    void Form_Unload() override;

private:
    QTextBrowser *m_rtb = nullptr;
    ResultChart m_chart;
};

// Scores the test's answer sheet and writes the outcome into the open result screen.
void ComputeChakraResult(const AnswerSheet &sheet, ChakraScores &scores, TestResultScreen *screen);

} // namespace padmora
