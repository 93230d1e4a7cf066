// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmChakrasTarotResult: the bar chart and the report of a finished tarot
// reading, and the way on to the card pages.

#include "chakras/screens/resultchart.h"
#include "kit/form.h"
#include "reports/printing/printablescreen.h"

#include <QDateTime>
#include <QStringList>

class QTextBrowser;

namespace padmora {

class TarotResultScreen : public Form, public PrintableScreen {
    Q_OBJECT
public:
    explicit TarotResultScreen(QWidget *parent = nullptr);

    QTextBrowser *RTB() const { return m_rtb; }
    ResultChart &chart() { return m_chart; }

    // When the reading on show was taken; it prints from then on, and its
    // card pages carry the same time.
    void setReadingTime(const QDateTime &takenAt);
    QDateTime readingTime() const { return m_readingTime; }

    // PrintableScreen: the chart, the report and the cards of the chakras
    // that are not open.
    bool showsReading() const override;
    std::optional<PrintableReading> printableReading() const override;

    void Form_Load() override;
    void cmdYogaChakra_Click();
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    void Form_Unload() override;

private:
    QTextBrowser *m_rtb = nullptr;
    ResultChart m_chart;
    QDateTime m_readingTime;
};

// lblChakra's paragraphs: the result introduction, led by ten blanks; the
// label parts them by a run of blanks.
QStringList tarotIntroduction();

inline const QString kTarotNotApplicable = QStringLiteral("Dovazov Urera not applicable for Open Chakras");

} // namespace padmora
