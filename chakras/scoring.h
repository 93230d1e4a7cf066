// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scoring a finished questionnaire and the bar that shows each score.

#include "chakras/answersheet.h"

namespace padmora {

// Per chakra, the answers equal to the key (exact text: "Not Sure" and an
// empty answer never count).
ChakraScores scoreAnswers(const AnswerSheet &sheet);

// s / 8 as a whole percentage, halves going to the even neighbour (3 -> 38, 5 -> 62).
int scorePercent(int score);

inline constexpr double kBarFullHeight = 1995;

struct BarGeometry {
    bool visible = false;
    double top = 0;
    double height = kBarFullHeight;
};

// A bar grows upward from a fixed bottom edge; a score of 0 shows no bar.
BarGeometry barGeometry(int score, double bottom);

} // namespace padmora
