// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the chakra test's and the chakras tarot's result screens share: the
// bar chart, the report view and the moment the reading on show was taken.

#include "chakras/screens/resultchart.h"
#include "kit/form.h"
#include "reports/printing/printablescreen.h"

#include <QDateTime>

class QPushButton;
class QTextBrowser;

namespace padmora {

class ResultScreen : public Form, public PrintableScreen {
    Q_OBJECT
public:
    QTextBrowser *RTB() const { return m_rtb; }
    ResultChart &chart() { return m_chart; }

    // When the reading on show was taken; it prints from then on.
    void setReadingTime(const QDateTime &takenAt);
    QDateTime readingTime() const { return m_readingTime; }

    bool showsReading() const override;

    // The chakras of the reading on show that the practice takes, those not
    // open in the report's order; "Practise…" opens it with them.
    void setChakrasToPractise(const AnswerSheet &sheet, const ChakraScores &scores);
    QList<int> chakrasToPractise() const { return m_toPractise; }
    void cmdPractise_Click();

protected:
    ResultScreen(const QString &name, const QString &caption, double widthTwips, double heightTwips,
                 const ChartDesign &chart, QWidget *parent);

    // The report view, placed in twips, named for a screen reader.
    QTextBrowser *addReportView(const QString &accessibleName, const QRectF &twips);
    // The reading as it prints, headed by the program; its chart and report follow.
    // "Practise…", beside the screen's other buttons, outside the report.
    QPushButton *addPractiseButton(const QRectF &twips);
    PrintableReading printedChartAndReport(const QString &program, const QString &kind,
                                           const QString &title = QString()) const;

private:
    QTextBrowser *m_rtb = nullptr;
    ResultChart m_chart;
    QDateTime m_readingTime;
    QList<int> m_toPractise;
};

} // namespace padmora
