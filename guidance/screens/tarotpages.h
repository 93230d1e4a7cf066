// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmYogaChakra: the tarot interpretation pages, one per card slot that the
// reading filled, with the chakra, the card, its reading, its reverse
// reading and its picture.

#include "kit/form.h"
#include "reports/printing/printablescreen.h"

#include <array>

class QLabel;

namespace padmora {

class PictureView;

class TarotPagesScreen : public Form, public PrintableScreen {
    Q_OBJECT
public:
    explicit TarotPagesScreen(QWidget *parent = nullptr);

    // PrintableScreen: every card of the reading, from any of its pages.
    bool showsReading() const override;
    std::optional<PrintableReading> printableReading() const override;

    // The slot on show (it may drift past the last page or below the first).
    qint16 TarotPageIndex() const { return m_tarotPageIndex; }
    // The picture resource on show.
    QString shownPicture() const;

    void Form_Load() override;
    // Shows the first filled slot at or after TarotPageIndex and moves the
    // index there; when there is none the page stays as it is.
    void Display_Yoga_Chakra();

    void cmdNext_Click();
    void cmdBk_Click();
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    void Form_Unload() override;

private:
    QLabel *m_lblChakraName = nullptr;
    std::array<QLabel *, 3> m_lblCaption{};
    PictureView *m_picYoga = nullptr;
    qint16 m_tarotPageIndex = 0;
};

// Card row r as it prints, under the chakra title its page shows.
PrintedCard printedTarotCard(int row, const QString &chakraTitle);

// One page forward or back. The index is a 16-bit number: pressed often
// enough it stops at the limits instead of wrapping round.
qint16 movedPageIndex(qint16 index, int by);

} // namespace padmora
