// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmChakrasTarotResult: the bar chart and the report of a finished tarot
// reading, and the way on to the card pages.

#include "chakras/screens/resultscreen.h"

#include <QStringList>

namespace padmora {

// The card pages opened from it carry the moment its reading was taken.
class TarotResultScreen : public ResultScreen {
    Q_OBJECT
public:
    explicit TarotResultScreen(QWidget *parent = nullptr);

    // PrintableScreen: the chart, the report and the cards of the chakras
    // that are not open.
    std::optional<PrintableReading> printableReading() const override;

    void Form_Load() override;
    void cmdYogaChakra_Click();
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    void Form_Unload() override;

private:
    // Opens the named program screen and closes this one in its favour.
    void giveWayTo(const QString &screen);
};

// lblChakra's paragraphs: the result introduction, led by ten blanks; the
// label parts them by a run of blanks.
QStringList tarotIntroduction();

// The message of the interpretation button when no chakra needs a card.
QString tarotNotApplicableMessage();

} // namespace padmora
