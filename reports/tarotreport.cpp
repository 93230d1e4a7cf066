// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/tarotreport.h"

#include "reports/chakrareport.h"
#include "reports/reportwriter.h"

namespace padmora {

void AppendTarotReport(QTextDocument *document, const TarotAnswerSheet &sheet, const ChakraScores &scores,
                       TarotFlags &needed)
{
    if (!document)
        return;
    ReportWriter writer(document);
    AppendChakraSections(writer, sheet, scores, [&needed](int chakra, ChakraState state) {
        if (chakra >= 0 && chakra < kChakraCount)
            needed[std::size_t(chakra)] = state == ChakraState::Open ? 0 : -1;
    });
}

} // namespace padmora
