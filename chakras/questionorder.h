// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Filling an answer sheet for START TEST: which chakras were ticked, and the
// questions of those chakras in random order.

#include "chakras/answersheet.h"

#include <functional>

namespace padmora {

// Check box values: 0 unticked, 1 ticked, 2 greyed (counts as unticked).
using CheckValues = std::array<int, kChakraCount>;

struct StartTestHooks {
    // A uniform number in [0, 1).
    std::function<double()> uniform;
    // Runs between draws (pending window events); returning false abandons the fill.
    std::function<bool()> betweenDraws;
};

// Step 1 to 3 of START TEST: clears the selection and the keys, records the
// ticked chakras and returns N (0 when nothing is ticked).
int recordSelection(AnswerSheet &sheet, const CheckValues &checks);

// Steps 5 to 10: the sorted question list, the redraw-until-new order and the
// mapping of that order onto the question numbers. Returns false when the
// draw was abandoned; the sheet is then left as it is (its order empty, unless
// a newer START TEST has filled it meanwhile).
bool fillQuestionOrder(AnswerSheet &sheet, const StartTestHooks &hooks);

} // namespace padmora
