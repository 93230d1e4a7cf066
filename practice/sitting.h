// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One sitting of guided practice: the chakras to practise one after another
// (from a reading, those that are not open, in the report's order), and the
// practices that ran, handed to whoever keeps them (the shell names the
// journal at start-up; the practice lies below it).

#include "chakras/answersheet.h"
#include "practice/practiceplan.h"

#include <QDateTime>
#include <QList>

#include <array>
#include <functional>

namespace padmora::practice {

// The chakras of a reading that are not open, ticked ones only, in the order
// the report shows them (Root first).
QList<int> chakrasToPractise(const std::array<bool, kChakraCount> &ticked, const ChakraScores &scores);

// The chakras the practice screen takes, one after another; set before it
// opens (empty: the user chooses one), and kept for the run.
void setSitting(const QList<int> &chakras);
QList<int> sitting();

// A practice that ran.
struct FinishedPractice {
    int chakra = 0;
    QDateTime startedAt;     // the moment Start was pressed, local time with its offset
    int plannedMinutes = 0;  // kOpenEnded for an open-ended one
    qint64 practisedSeconds = 0;
    bool completed = false;  // false: stopped before its end
    Pace pace;
    bool operator==(const FinishedPractice &) const = default;
};

// A practice shorter than this is not kept.
inline constexpr qint64 kShortestKeptSeconds = 60;

// Who keeps the practices that ran: true when it was kept.
using PracticeKeeper = std::function<bool(const FinishedPractice &)>;
void setPracticeKeeper(PracticeKeeper keeper);
// Hands a practice that ran at least kShortestKeptSeconds to the keeper;
// false when it was too short, nobody keeps them, or the keeper could not.
bool keepPractice(const FinishedPractice &practice);

} // namespace padmora::practice
