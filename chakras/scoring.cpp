// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/scoring.h"

#include <cmath>

namespace padmora {

ChakraScores scoreAnswers(const AnswerSheet &sheet)
{
    ChakraScores scores{};
    const int n = sheet.askedCount();
    for (int k = 0; k < n; ++k) {
        const int chakra = chakraOfQuestion(sheet.QuestionOrder.value(k, -1));
        if (chakra < 0)
            continue;
        if (k < sheet.Answers.size() && k < sheet.AskedKeys.size() && sheet.Answers[k] == sheet.AskedKeys[k]
            && !sheet.AskedKeys[k].isEmpty())
            ++scores[std::size_t(chakra)];
    }
    return scores;
}

int scorePercent(int score)
{
    return int(std::nearbyint(score / 8.0 * 100.0));  // the default rounding mode sends halves to even
}

BarGeometry barGeometry(int score, double bottom)
{
    BarGeometry bar;
    if (score == 0) {
        bar.top = bottom - kBarFullHeight;
        return bar;
    }
    bar.visible = true;
    bar.height = kBarFullHeight * scorePercent(score) / 100.0;
    bar.top = bottom - bar.height;
    return bar;
}

} // namespace padmora
