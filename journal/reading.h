// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One reading as the journal keeps it: when it was taken, by which program,
// and what the program needs to show it again exactly as it was: for the
// chakra test and the chakras tarot the ticked chakras, the question order,
// every answer and the scores (and the tarot's cards); for the astrology
// reading the birth date and what it gave. Never the name.

#include "chakras/answersheet.h"
#include "journal/keys.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <array>

namespace padmora::journal {

// The program's own name, as its button shows it ("Zazeder Izorudav").
QString programTitle(Program program);

// A card that a tarot reading showed, on its slot.
struct ShownCard {
    int chakra = 0;
    int slot = 0;
    QString card;
    bool operator==(const ShownCard &) const = default;
};

struct Reading {
    qint64 id = 0;          // the store's number for it; 0 while it is not stored
    QString uuid;           // its own random id, for ever; empty until the store gives it one
    QDateTime taken;        // in UTC, to the millisecond
    int offsetSeconds = 0;  // the local offset from UTC it was taken at
    Program program = Program::ChakraTest;

    // The chakra test and the chakras tarot.
    std::array<bool, kChakraCount> ticked{};
    QList<int> questionOrder;  // question numbers in asked order
    QStringList answers;       // "Yes", "No" or "Not Sure", one per asked question
    ChakraScores scores{};     // per chakra; 0 for a chakra not ticked
    QList<ShownCard> cards;    // the tarot's, in slot order

    // The astrology reading.
    QDate birthDate;
    QString sign;
    QString rulingPlanet;
    QString chakraName;  // as the astrology table names it: "Heart Chakra"

    QString note;

    bool isChakraReading() const { return program != Program::Astrology; }
    // The moment it was taken, in the offset it was taken at.
    QDateTime localTaken() const { return taken.toOffsetFromUtc(offsetSeconds); }
    // Everything but the store's number and the note.
    bool sameReading(const Reading &other) const;
};

// A practice of a chakra's exercise, as the journal keeps it.
struct Practice {
    qint64 id = 0;  // the store's number for it; 0 while it is not stored
    QString uuid;   // as a reading's
    int chakra = 0;
    QDateTime taken;        // when it was started, in UTC to the millisecond
    int offsetSeconds = 0;  // the local offset from UTC it was started at
    int plannedMinutes = 0;  // 0: open-ended
    qint64 practisedSeconds = 0;
    bool completed = false;  // false: stopped before its end
    int inhaleSeconds = 0;   // the pace: breathe in, then chant on the out-breath
    int chantSeconds = 0;
    QString note;

    QDateTime localTaken() const { return taken.toOffsetFromUtc(offsetSeconds); }
    // Everything but the store's number, the id and the note.
    bool samePractice(const Practice &other) const;
};

// The longest a practice can have been planned or practised: two hours,
// and a day for one left open-ended.
inline constexpr int kLongestPlannedMinutes = 120;
inline constexpr qint64 kLongestPractisedSeconds = 24 * 3600;

// The longest note an entry keeps, in UTF-16 units.
inline constexpr int kNoteLimit = 10000;

// A note cut to kNoteLimit, before a surrogate pair (an emoji, say) that the
// limit would split: half a pair is no character, and no UTF-8 holds it.
inline QString withinNoteLimit(const QString &note)
{
    if (note.size() <= kNoteLimit)
        return note;
    return note.left(note.at(kNoteLimit - 1).isHighSurrogate() ? kNoteLimit - 1 : kNoteLimit);
}

// When a reading can have been taken: not before 1900, not more than a day
// after the clock's now (a day leaves room for a clock set a little wrong),
// at an offset from UTC no place on earth goes beyond.
inline constexpr int kFirstTakenYear = 1900;
inline constexpr qint64 kAheadOfNowSeconds = 24 * 3600;
inline constexpr int kWidestOffsetSeconds = 14 * 3600;

// A reading of a finished questionnaire, taken at a moment.
Reading chakraReading(Program program, const AnswerSheet &sheet, const ChakraScores &scores,
                      const QDateTime &moment);
// The cards a tarot reading shows: every slot of every ticked chakra that is not open.
QList<ShownCard> shownCards(const AnswerSheet &sheet, const ChakraScores &scores);
// The astrology reading of a birth date, taken at a moment, with the sign,
// ruling planet and chakra the astrology tables give it: what is kept is the
// tables' own names, the same whatever language the screen showed them in.
Reading astrologyReading(const QDate &birthDate, const QDateTime &moment);
// An astrology reading of a birth date with what it gave, taken at a moment.
Reading astrologyReading(const QDate &birthDate, const QString &sign, const QString &rulingPlanet,
                         const QString &chakraName, const QDateTime &moment);

// The answer sheet a stored chakra reading was taken on, with the asked
// questions and keys filled in as the questionnaire fills them.
AnswerSheet sheetOf(const Reading &reading);

// What is wrong with a reading, or empty when nothing is: a reading the
// programs could not have made (a score of 9, an unknown card, a question of
// a chakra that was not ticked, a sign that is not that of the birth date,
// a moment before 1900 or more than a day after now, by the desktop's clock).
QString problemOf(const Reading &reading);
// The same, with the moment it is now.
QString problemOf(const Reading &reading, const QDateTime &now);

// What is wrong with a practice, or empty: a chakra that does not exist, a
// length or pace out of range, a moment as for a reading.
QString problemOf(const Practice &practice, const QDateTime &now);

// The chakra index (0 Root ... 6 Crown) of an astrology table's chakra name; -1 for none.
int chakraOfAstrologyName(const QString &name);

// The table's summary of an entry: "Root 5 Open · Heart 2 UnderActive", or
// for astrology "Leo · The Sun · Crown Chakra (Sahasrara)".
QString summaryOf(const Reading &reading);
// "Heart Chakra (Anahata) · 10 of 10 min · completed"; an open-ended one
// "Heart Chakra (Anahata) · 12 min, open-ended · stopped".
QString summaryOf(const Practice &practice);
// The name of practices where the programs' names stand: "Practice".
QString practiceTitle();
// A state's name in summaries and trends: "UnderActive", "Open", "OverActive".
QString stateText(ChakraState state);
// A sign, a ruling planet and a card as an entry keeps them ("Leo", "The
// Sun", "Justice"), in the language in use; a name the tables do not know as
// it is.
QString signText(const QString &sign);
QString rulingPlanetText(const QString &planet);
QString cardText(const QString &card);

} // namespace padmora::journal
