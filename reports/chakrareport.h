// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chakra report: per ticked chakra its title, description, state and
// reading, and for a chakra that is not open the exercise that opens it;
// the chakra test adds the questions with their answers.

#include "chakras/answersheet.h"

#include <functional>

class QTextDocument;

namespace padmora {

class ReportWriter;

// Writes the section of every ticked chakra, Root first, and calls
// afterSection(i, state) once each section is written.
void AppendChakraSections(ReportWriter &writer, const AnswerSheet &sheet, const ChakraScores &scores,
                          const std::function<void(int, ChakraState)> &afterSection = {});

// The chakra test report: the sections, then "Questions-Answers" with every
// asked question and its answer in asked order.
void AppendChakraReport(QTextDocument *document, const AnswerSheet &sheet, const ChakraScores &scores);

} // namespace padmora
