// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/chakrareport.h"

#include "chakras/catalogue.h"
#include "chakras/questionbank.h"
#include "guidance/opening.h"
#include "reports/reportwriter.h"

#include <QCoreApplication>

namespace padmora {

void AppendChakraSections(ReportWriter &writer, const AnswerSheet &sheet, const ChakraScores &scores,
                          const std::function<void(int, ChakraState)> &afterSection)
{
    const QString twoBreaks = kCrLf + kCrLf;
    for (int i = 0; i < kChakraCount; ++i) {
        if (!sheet.isTicked(i))
            continue;
        const ChakraState state = classifyScore(scores[std::size_t(i)]);
        writer.run(chakraTitle(i) + kCrLf, true, PaletteColour::Teal);
        writer.run(chakraDescription(i) + twoBreaks, false, PaletteColour::Black);
        writer.run(stateSentence(i, state), true, PaletteColour::Teal);
        writer.run(chakraStateText(i, state) + twoBreaks, false, PaletteColour::Black);
        if (state != ChakraState::Open) {
            // Dark red for an under-active chakra, black for an over-active one;
            // the exercise keeps the note's colour and loses the bold face.
            const PaletteColour note =
                state == ChakraState::UnderActive ? PaletteColour::DarkRed : PaletteColour::Black;
            writer.run(ChakraOpeningHeader(i), true, note);
            writer.run(ChakraOpeningSteps(i), false, note);
        }
        if (afterSection)
            afterSection(i, state);
    }
}

void AppendChakraReport(QTextDocument *document, const AnswerSheet &sheet, const ChakraScores &scores)
{
    if (!document)
        return;
    ReportWriter writer(document);
    AppendChakraSections(writer, sheet, scores);
    const QString twoBreaks = kCrLf + kCrLf;
    //: The heading over the questions asked and their answers
    writer.run(QCoreApplication::translate("Report", "Questions-Answers") + twoBreaks, true, PaletteColour::Teal);
    const int n = sheet.askedCount();
    for (int k = 0; k < n; ++k) {
        writer.run(shownQuestion(sheet.AskedQuestions.value(k)) + kCrLf, true, PaletteColour::Black);
        writer.run(answerText(sheet.Answers.value(k)) + twoBreaks, false, PaletteColour::Black);
    }
}

} // namespace padmora
