// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmChakrasTarotResult: the bar chart and the report of a finished tarot
// reading, and the way on to the card pages.

#include "chakras/screens/resultchart.h"
#include "kit/form.h"

#include <QStringList>

class QTextBrowser;

namespace padmora {

class TarotResultScreen : public Form {
    Q_OBJECT
public:
    explicit TarotResultScreen(QWidget *parent = nullptr);

    QTextBrowser *RTB() const { return m_rtb; }
    ResultChart &chart() { return m_chart; }

    void Form_Load() override;
    void cmdYogaChakra_Click();
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    void Form_Unload() override;

private:
    QTextBrowser *m_rtb = nullptr;
    ResultChart m_chart;
};

// lblChakra's paragraphs: the result introduction, led by ten blanks; the
// label parts them by a run of blanks.
QStringList tarotIntroduction();

inline const QString kTarotNotApplicable = QStringLiteral("Dovazov Urera not applicable for Open Chakras");

} // namespace padmora
