// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tarot report: the chakra sections of the chakra test report for every
// ticked chakra, and nothing after them. The same pass marks which chakras
// need a tarot card.

#include "tarot/tarotcards.h"
#include "tarot/tarotsheet.h"

class QTextDocument;

namespace padmora {

// Appends the sections at the end of the document and sets needed[i] after
// chakra i's section: -1 when it is under- or over-active, 0 when open. The
// flags of chakras that were not ticked are left as they are.
void AppendTarotReport(QTextDocument *document, const TarotAnswerSheet &sheet, const ChakraScores &scores,
                       TarotFlags &needed);

} // namespace padmora
