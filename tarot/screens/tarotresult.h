// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The end of a tarot reading: scores, chart, report and card flags.

#include "tarot/tarotcards.h"
#include "tarot/tarotsheet.h"

namespace padmora {

class TarotResultScreen;

// Scores the tarot's answer sheet, opens the tarot result screen hidden,
// draws the bars (ending at y 1995) and writes the report, which marks the
// chakras that need a card, then shows the screen. Returns the screen, or
// nullptr when it could not be opened (the scores are set all the same).
TarotResultScreen *ComputeTarotResult(const TarotAnswerSheet &sheet, ChakraScores &scores, TarotFlags &needed);

// The tarot questionnaire's last Next: computes the tarot result and keeps
// it in the journal.
void finishTarot();

namespace journal {
struct Reading;
}
// Opens frmChakrasTarotResult on a kept tarot reading, as it was shown the
// day it was taken; false when it cannot be shown.
bool openKeptTarot(const journal::Reading &reading);

} // namespace padmora
