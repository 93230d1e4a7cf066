// SPDX-License-Identifier: GPL-3.0-or-later
#include "tarot/tarotsheet.h"

namespace padmora {

TarotAnswerSheet &tarotSheet()
{
    static TarotAnswerSheet sheet;
    return sheet;
}

ChakraScores &tarotScores()
{
    static ChakraScores scores{};
    return scores;
}

} // namespace padmora
