// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each chakra's scores across the test and tarot entries over time, and
// what they say in words.

#include "journal/store.h"

#include <array>

namespace padmora::journal {

enum class TrendRange { All, LastYear, LastThreeMonths, LastMonth };

// The first moment a range holds, counted back from now; invalid for All.
QDateTime rangeStart(TrendRange range, const QDateTime &now);

using TrendSeries = std::array<QList<ScorePoint>, kChakraCount>;
// The points of each chakra taken from the range's start on, oldest first.
TrendSeries trendSeries(const QList<ScorePoint> &points, TrendRange range, const QDateTime &now);

// "Heart Chakra (Anahata): 2, UnderActive on 3 May 2026 → 5, Open on 8 Dec
// 2026 (4 readings)"; one reading gives its score alone, none says so.
QString trendSummary(int chakra, const QList<ScorePoint> &points);

// The minutes one chakra was practised in one week (Monday to Sunday, by
// the days the practices were started on where they were started).
struct PracticeWeek {
    int chakra = 0;
    QDate monday;
    qint64 seconds = 0;
    QDate lastDay;  // the last day of the week it was practised on
};
using PracticeSeries = std::array<QList<PracticeWeek>, kChakraCount>;
// The weeks of each chakra's practices from the range's start on, oldest first.
PracticeSeries practiceWeeks(const QList<Practice> &practices, TrendRange range, const QDateTime &now);

// "practised 10 min in the week of 4 May 2026, 25 min in the week of 11 May
// 2026; last practised on 12 May 2026"; empty for no week.
QString practiceSummary(const QList<PracticeWeek> &weeks);

// "Justice 5 times, Temperance 3 times, ..." for the most frequent cards;
// empty when no tarot entry showed a card.
QString cardsSummary(const QList<CardCount> &counts, int most = 5);

} // namespace padmora::journal
