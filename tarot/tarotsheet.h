// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chakras tarot's own answer sheet and scores, apart from the chakra
// test's, so that a reading of one never disturbs the other.

#include "chakras/answersheet.h"

namespace padmora {

using TarotAnswerSheet = AnswerSheet;

TarotAnswerSheet &tarotSheet();
ChakraScores &tarotScores();

} // namespace padmora
