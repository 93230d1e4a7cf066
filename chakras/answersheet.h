// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record of one questionnaire run, from START TEST through the questions
// to scoring and the report. The chakra test and the chakras tarot each keep
// one, and their own scores, so a reading of one never disturbs the other;
// the tarot's are kept beside its cards.

#include "chakras/catalogue.h"

#include <QList>
#include <QStringList>
#include <array>

namespace padmora {

struct AnswerSheet {
    // Entry i (0 to 6) holds i when chakra i was ticked, -1 when not; entry 7 stays 0.
    std::array<qint16, 8> ChakraSelection{};
    // Positions 0 to N - 1: the question numbers in asked order; position N holds 0.
    QList<qint16> QuestionOrder;
    QStringList AskedQuestions;
    QStringList AskedKeys;
    QStringList Answers;

    // N, the number of asked questions (the highest position of the lists).
    int askedCount() const { return QuestionOrder.isEmpty() ? 0 : int(QuestionOrder.size()) - 1; }
    bool isTicked(int chakra) const
    {
        return chakra >= 0 && chakra < kChakraCount && ChakraSelection[std::size_t(chakra)] != -1;
    }
};

// Per chakra index, the number of answers equal to the key (0 to 8).
using ChakraScores = std::array<qint16, kChakraCount>;

AnswerSheet &chakraTestSheet();
ChakraScores &chakraTestScores();

} // namespace padmora
