// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/sitting.h"

#include "chakras/catalogue.h"

namespace padmora::practice {

namespace {

QList<int> &currentSitting()
{
    static QList<int> chakras;
    return chakras;
}

PracticeKeeper &keeper()
{
    static PracticeKeeper kept;
    return kept;
}

} // namespace

QList<int> chakrasToPractise(const std::array<bool, kChakraCount> &ticked, const ChakraScores &scores)
{
    QList<int> chakras;
    for (int i = 0; i < kChakraCount; ++i)
        if (ticked[std::size_t(i)] && classifyScore(scores[std::size_t(i)]) != ChakraState::Open)
            chakras << i;
    return chakras;
}

void setSitting(const QList<int> &chakras)
{
    QList<int> valid;
    for (int chakra : chakras)
        if (chakra >= 0 && chakra < kChakraCount && !valid.contains(chakra))
            valid << chakra;
    currentSitting() = valid;
}

QList<int> sitting()
{
    return currentSitting();
}

void setPracticeKeeper(PracticeKeeper kept)
{
    keeper() = std::move(kept);
}

bool keepPractice(const FinishedPractice &practice)
{
    if (practice.practisedSeconds < kShortestKeptSeconds || !keeper())
        return false;
    return keeper()(practice);
}

} // namespace padmora::practice
