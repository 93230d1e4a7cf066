// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmChakrasResult: the bar chart and the report of a finished chakra test.

#include "chakras/screens/resultscreen.h"

namespace padmora {

class TestResultScreen : public ResultScreen {
    Q_OBJECT
public:
    explicit TestResultScreen(QWidget *parent = nullptr);

    // PrintableScreen: the title, the chart and the report.
    std::optional<PrintableReading> printableReading() const override;

    void Form_Load() override;
    void cmdChakrasBack_Click();

protected:
    void Form_Unload() override;
};

// Scores the test's answer sheet and writes the outcome into the open result screen.
void ComputeChakraResult(const AnswerSheet &sheet, ChakraScores &scores, TestResultScreen *screen);

} // namespace padmora
