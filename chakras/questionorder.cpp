// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/questionorder.h"

#include <algorithm>
#include <cmath>

namespace padmora {

namespace {

bool occurs(const QList<qint16> &list, qint16 value)
{
    // A plain search of the whole list, position N included.
    return list.contains(value);
}

} // namespace

int recordSelection(AnswerSheet &sheet, const CheckValues &checks)
{
    sheet.ChakraSelection.fill(0);
    sheet.AskedKeys.clear();
    int unticked = 0;
    int n = 0;
    for (int k = 0; k < kChakraCount; ++k)
        sheet.ChakraSelection[std::size_t(k)] = checks[std::size_t(k)] == 1 ? qint16(k) : qint16(-1);
    for (int k = 0; k < kChakraCount; ++k) {
        if (sheet.ChakraSelection[std::size_t(k)] != -1)
            n += kQuestionsPerChakra;
        else
            ++unticked;
    }
    return unticked == kChakraCount ? 0 : n;
}

bool fillQuestionOrder(AnswerSheet &sheet, const StartTestHooks &hooks)
{
    int n = 0;
    for (int k = 0; k < kChakraCount; ++k)
        if (sheet.ChakraSelection[std::size_t(k)] == k)
            n += kQuestionsPerChakra;

    // The questions to ask, sorted; position N stays 0.
    QList<qint16> questions(n + 1, 0);
    int next = 0;
    for (int k = 0; k < kChakraCount; ++k)
        if (sheet.ChakraSelection[std::size_t(k)] == k)
            for (int j = 0; j < kQuestionsPerChakra; ++j)
                questions[next++] = qint16(firstQuestionOf(k) + j);

    sheet.QuestionOrder = QList<qint16>(n + 1, 0);
    sheet.AskedQuestions = QStringList(n + 1, QString());
    sheet.AskedKeys = QStringList(n + 1, QString());
    sheet.Answers = QStringList(n + 1, QString());

    // Draw 1 to N, each accepted only when not yet in the order. The order is
    // built aside and stored whole, so an abandoned draw leaves no half order;
    // nor does it touch the sheet again, which a newer START TEST may have
    // filled while this draw served events.
    QList<qint16> order(n + 1, 0);
    for (int p = 0; p < n; ++p) {
        qint16 r = 0;
        do {
            if (hooks.betweenDraws && !hooks.betweenDraws())
                return false;
            const double u = hooks.uniform ? hooks.uniform() : 0.0;
            r = qint16(std::clamp(int(std::floor(n * u + 1)), 1, n));
        } while (occurs(order, r));
        order[p] = r;
    }

    // N becomes 0, so the order holds the ranks 0 to N - 1 once each, and
    // each rank is replaced by that question of the sorted list. The ranks
    // alone decide, so a question number that equals a rank still to come is
    // never mistaken for it: every order is equally likely.
    for (int p = 0; p < n; ++p)
        if (order[p] == n)
            order[p] = 0;
    for (int p = 0; p < n; ++p)
        order[p] = questions[order[p]];
    sheet.QuestionOrder = order;
    return true;
}

} // namespace padmora
