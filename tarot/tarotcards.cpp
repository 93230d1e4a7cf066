// SPDX-License-Identifier: GPL-3.0-or-later
#include "tarot/tarotcards.h"

#include <QCoreApplication>

namespace padmora {

namespace {

// A row as written, in English: the journal's copy and the source of its
// translations.
struct CardSource {
    ChakraIndex chakra;
    const char *name;
    const char *reading;
    const char *reverseReading;
};

// "The Sun" is drawn for the sacral chakra (slot 1) and the throat chakra
// (slot 6), with the same texts and a picture of its own on each slot.
constexpr CardSource theSun(ChakraIndex chakra)
{
    return {chakra, QT_TRANSLATE_NOOP("Tarot", "The Sun"),
            QT_TRANSLATE_NOOP("Tarot",
                              "You are enthusiastic and passionate about your work. Your hard work is ready to reap "
                              "good results. Be open to criticism. You are happy and satisfied with your "
                              "accomplishment. You may receive lot of rewards and acclaims."),
            QT_TRANSLATE_NOOP("Tarot",
                              "You may be very unhappy and lonely. Life may seem to have come to a stand still. "
                              "Relationships may be going through a tough time. Failures may happen; leaving you "
                              "depressed.")};
}

// Texts as written, doubled blanks included (the reverse reading of
// Justice, the reading of The Empress).
constexpr CardSource kCards[kTarotSlotCount] = {
    {0, QT_TRANSLATE_NOOP("Tarot", "Wheel of Fortune"),
     QT_TRANSLATE_NOOP("Tarot",
                        "You may have some special gains. Your destiny may be changing and you may face "
                        "advancement in life. You will have good luck and easy progress. Old problems will end and "
                        "new beginnings will happen."),
     QT_TRANSLATE_NOOP("Tarot",
                        "Your time may not be so good now. You may face a bout of failures and bad luck. "
                        "Unexpected events may be responsible for your bad fate. There will be lots of "
                        "difficulties and unwanted delays.")},
    theSun(1),
    {1, QT_TRANSLATE_NOOP("Tarot", "The Moon"),
     QT_TRANSLATE_NOOP("Tarot",
                        "Your intuitiveness is at its peak now. Do not start any new ventures. People may be very "
                        "emotional but do not become like one of them. You tend to spend more time in illusions "
                        "and in an unconscious state or daze. You may not be taking the right decisions."),
     QT_TRANSLATE_NOOP("Tarot",
                        "You may be deceived by someone but realize it before it is too late. You may hide in a "
                        "land of dreams to avoid thinking about reality. You may not be able to differentiate "
                        "between reality and illusion. Do not trust people as you are bound to get deceived.")},
    {2, QT_TRANSLATE_NOOP("Tarot", "The Magician"),
     QT_TRANSLATE_NOOP("Tarot",
                        "This card signifies a strong personality with willpower, skill and creativity. This is "
                        "the time to be adventurous and start new projects. Success is bound to follow soon. This "
                        "signifies creativity and ability to understand you potential by taking risks."),
     QT_TRANSLATE_NOOP("Tarot",
                        "This shows a lack of imagination and will to start any new project. You may feel insecure "
                        "and have low self confidence in yourself. Learn to communicate with your friends and do "
                        "not close yourself to the world. Think twice before taking any action.")},
    {3, QT_TRANSLATE_NOOP("Tarot", "Justice"),
     QT_TRANSLATE_NOOP("Tarot",
                        "You may get involved in legal issues. Seek sound advice from elders. You will be able to "
                        "lead a harmonious and balanced life. You will be known as considerate and virtuous "
                        "person. You will get sound judgments in all your issues."),
     QT_TRANSLATE_NOOP("Tarot",
                        "You may not get the right judgments but unjust decisions. There may be delays in issues "
                        "and biased opinions. There may be a lot of legal problems to deal with.  Do not trust "
                        "people to support you but believe in yourself.")},
    {3, QT_TRANSLATE_NOOP("Tarot", "Temperance"),
     QT_TRANSLATE_NOOP("Tarot",
                        "Do not force people to accept your views immediately. Give them time. Till then, better "
                        "to avoid debates and arguments. Common sense, compromise and a cool mind needed to "
                        "overcome this situation. A moderate temperament reaps harmony, happiness and confidence."),
     QT_TRANSLATE_NOOP("Tarot",
                        "Be careful of the people around you. Everyone is trying to use you for their own reasons. "
                        "Do not believe in all that you see. You may take many wrong decisions in a very short "
                        "span of time. There may be a lot of disagreements. Life may seem unstable at the moment.")},
    theSun(4),
    {5, QT_TRANSLATE_NOOP("Tarot", "The Empress"),
     QT_TRANSLATE_NOOP("Tarot",
                        "Execution of your decisions are in you own hands now.  You need to take calculated risks "
                        "to achieve your goals. You may receive some good news related to a wedding or birth of a "
                        "baby. Now is the time to take action and develop your creativity."),
     QT_TRANSLATE_NOOP("Tarot",
                        "Problems with other women are seen. You may not be able to develop you creative side. "
                        "There may be indecision and hesitation. There may be infidelity, infertility or an "
                        "unwanted pregnancy. Be prepared to face anxiety and depression.")},
    {6, QT_TRANSLATE_NOOP("Tarot", "Death"),
     QT_TRANSLATE_NOOP("Tarot",
                        "This is the beginning of a new life. You have to start from scratch. You won't get "
                        "anything easily. Do not give up hope nor wallow in self pity. Give up old habits that you "
                        "don't like and start a new life. There may be a lot of changes in your life."),
     QT_TRANSLATE_NOOP("Tarot",
                        "The changes in your life may not be pleasant. You may not be ready to face them. This may "
                        "leave you exhausted mentally as well as physically. This may be a period of stagnation. "
                        "You may be lethargic and make excuses for your actions.")},
};

const QString kCardPictures[kTarotSlotCount] = {
    QStringLiteral(":/tarot/01wheeloffortune.svg"), QStringLiteral(":/tarot/02thestar.svg"),
    QStringLiteral(":/tarot/03themoon.svg"),        QStringLiteral(":/tarot/04themagician.svg"),
    QStringLiteral(":/tarot/05justice.svg"),        QStringLiteral(":/tarot/06temperance.svg"),
    QStringLiteral(":/tarot/07thesun.svg"),         QStringLiteral(":/tarot/08theempress.svg"),
    QStringLiteral(":/tarot/09death.svg")};

QString translated(const char *text)
{
    return QCoreApplication::translate("Tarot", text);
}

const CardSource *cardSource(int row)
{
    return row >= 0 && row < kTarotSlotCount ? &kCards[row] : nullptr;
}

} // namespace

const std::array<TarotCard, kTarotSlotCount> &TarotCardTable()
{
    static const std::array<TarotCard, kTarotSlotCount> table = [] {
        std::array<TarotCard, kTarotSlotCount> out;
        for (std::size_t r = 0; r < out.size(); ++r)
            out[r] = {kCards[r].chakra, QString::fromUtf8(kCards[r].name), QString::fromUtf8(kCards[r].reading),
                      QString::fromUtf8(kCards[r].reverseReading)};
        return out;
    }();
    return table;
}

QString tarotCardName(int row)
{
    const CardSource *card = cardSource(row);
    return card ? translated(card->name) : QString();
}

QString tarotCardText(const QString &name)
{
    for (int row = 0; row < kTarotSlotCount; ++row)
        if (const CardSource *card = cardSource(row); card && name == QLatin1String(card->name))
            return translated(card->name);
    return name;
}

QString tarotCardReading(int row)
{
    const CardSource *card = cardSource(row);
    return card ? translated(card->reading) : QString();
}

QString tarotCardReverseReading(int row)
{
    const CardSource *card = cardSource(row);
    return card ? translated(card->reverseReading) : QString();
}

QString tarotReadingCaption()
{
    //: Caption beside a tarot card's reading, on its page and on paper.
    return QCoreApplication::translate("Tarot", "Description");
}

QString tarotReverseCaption()
{
    //: Caption beside the reading of the card drawn reversed.
    return QCoreApplication::translate("Tarot", "Reverse Description");
}

TarotFlags &TarotCardNeeded()
{
    static TarotFlags flags{};
    return flags;
}

void ClearTarotCardNeeded()
{
    TarotCardNeeded().fill(0);
}

TarotSlots &TarotSlotCard()
{
    static TarotSlots cards = [] {
        TarotSlots s;
        s.fill(-1);
        return s;
    }();
    return cards;
}

std::array<QString, kTarotSlotCount> &TarotSlotChakra()
{
    static std::array<QString, kTarotSlotCount> titles;
    return titles;
}

int tarotSlotChakra(int slot)
{
    return slot >= 0 && slot < kTarotSlotCount ? TarotCardTable()[std::size_t(slot)].chakra : -1;
}

QString tarotCardPicture(int row)
{
    return row >= 0 && row < kTarotSlotCount ? kCardPictures[row] : QString();
}

QList<int> filledTarotSlots(const TarotFlags &needed)
{
    QList<int> filled;
    for (int slot = 0; slot < kTarotSlotCount; ++slot)
        if (needed[std::size_t(tarotSlotChakra(slot))] == -1)
            filled.append(slot);
    return filled;
}

bool AssignTarotCards()
{
    const TarotFlags &needed = TarotCardNeeded();
    TarotSlots &cards = TarotSlotCard();
    std::array<QString, kTarotSlotCount> &titles = TarotSlotChakra();
    const QList<int> filled = filledTarotSlots(needed);
    for (int slot = 0; slot < kTarotSlotCount; ++slot) {
        if (filled.contains(slot)) {
            cards[std::size_t(slot)] = qint16(slot);
            titles[std::size_t(slot)] = chakraTitle(tarotSlotChakra(slot));
        } else {
            // An empty slot keeps whatever title it had; it is never shown.
            cards[std::size_t(slot)] = -1;
        }
    }
    for (qint16 flag : needed)
        if (flag != 0)
            return true;
    return false;
}

QDateTime &TarotSlotsTakenAt()
{
    static QDateTime takenAt;
    return takenAt;
}

int firstFilledSlotFrom(int from)
{
    const TarotSlots &cards = TarotSlotCard();
    // A page index below the first slot finds no page, as one past the last does.
    for (int slot = from; slot >= 0 && slot < kTarotSlotCount; ++slot) {
        const int row = cards[std::size_t(slot)];
        if (row >= 0 && row < kTarotSlotCount)
            return slot;
    }
    return -1;
}

} // namespace padmora
