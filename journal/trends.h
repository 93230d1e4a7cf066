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

// "Justice 5 times, Temperance 3 times, ..." for the most frequent cards;
// empty when no tarot entry showed a card.
QString cardsSummary(const QList<CardCount> &counts, int most = 5);

} // namespace padmora::journal
