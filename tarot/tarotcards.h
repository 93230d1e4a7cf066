// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine tarot cards of the chakras tarot and which of them a reading
// draws: every chakra that does not come out open gets its card or cards,
// always the same ones, in slot order.

#include "chakras/catalogue.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <array>

namespace padmora {

inline constexpr int kTarotSlotCount = 9;

// A card as it is written, in English: the journal keeps and compares the
// name, so it never follows the user's language. What the pages show comes
// from tarotCardName and its neighbours below.
struct TarotCard {
    ChakraIndex chakra;  // the chakra that owns the slot
    QString name;
    QString reading;
    QString reverseReading;
};

// Rows 0 to 8; row k is shown on slot k's page.
const std::array<TarotCard, kTarotSlotCount> &TarotCardTable();

// Card row r in the user's language; empty outside 0 to 8.
QString tarotCardName(int row);
// A card by the English name a reading keeps, in the user's language; a
// name of no card as it is.
QString tarotCardText(const QString &name);
QString tarotCardReading(int row);
QString tarotCardReverseReading(int row);

// Per chakra index: -1 when the chakra needs its card(s) in the current
// reading, 0 when not. Set by the tarot report, cleared when the tarot
// result screen closes.
using TarotFlags = std::array<qint16, kChakraCount>;
TarotFlags &TarotCardNeeded();
void ClearTarotCardNeeded();

// Slots 0 to 9, of which 0 to 8 are used: the row shown on that slot's
// page, or -1 when the slot is empty in this reading.
using TarotSlots = std::array<qint16, kTarotSlotCount + 1>;
TarotSlots &TarotSlotCard();
// The chakra title shown on each slot's page.
std::array<QString, kTarotSlotCount> &TarotSlotChakra();

// The chakra that owns a slot (-1 outside 0 to 8).
int tarotSlotChakra(int slot);
// The picture of card row r: ":/tarot/01wheeloffortune.svg" for row 0 and
// so on; empty outside 0 to 8.
QString tarotCardPicture(int row);

// The slots that a reading with these flags fills, in slot order.
QList<int> filledTarotSlots(const TarotFlags &needed);

// Fills the slots from TarotCardNeeded; true when any chakra needs a card.
bool AssignTarotCards();

// When the reading whose cards the slots hold was taken.
QDateTime &TarotSlotsTakenAt();

// The captions beside a card's reading and its reverse reading.
QString tarotReadingCaption();
QString tarotReverseCaption();

// The first filled slot from `from` up to 8, or -1 when there is none.
int firstFilledSlotFrom(int from);

} // namespace padmora
