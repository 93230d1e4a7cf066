// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/answersheet.h"

namespace padmora {

AnswerSheet &chakraTestSheet()
{
    static AnswerSheet sheet;
    return sheet;
}

ChakraScores &chakraTestScores()
{
    static ChakraScores scores{};
    return scores;
}

} // namespace padmora
