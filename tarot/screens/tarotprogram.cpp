// SPDX-License-Identifier: GPL-3.0-or-later
#include "tarot/screens/tarotprogram.h"

#include "kit/screennames.h"
#include "tarot/screens/tarotresult.h"
#include "tarot/tarotsheet.h"

#include <QCoreApplication>

namespace padmora {

const ProgramTraits &chakrasTarotProgram()
{
    // Filled afresh on every call, so that its texts are in the language
    // installed now.
    static ProgramTraits traits;
    traits = ProgramTraits{
        screens::kTarotMain,
        screens::kTarotQuestions,
        QStringLiteral("VQ Dovazov Urera"),
        //: START TEST with no chakra ticked.
        QCoreApplication::translate("Tarot", "Please select at least one chakra"),
        MessageIcon::Critical,
        true,
        8700,
        9800,
        //: The tarot start screen's introduction; "VQ Dovazov Urera" is the program's name.
        QCoreApplication::translate("Tarot",
                                    "VQ Dovazov Urera is a simple software that attempts to correlate your "
                                    "under-active or overactive chakras with the corresponding tarot card and its "
                                    "significance. Take the chakra test now and get a reading instantly!"),
        QRectF(240, 90, 8160, 1500),
        QRectF(240, 3450, 8160, 2220),
        {{QRectF(485, 1680, 3200, 300), QRectF(485, 2100, 3200, 300), QRectF(485, 2520, 3200, 300),
          QRectF(2270, 2970, 3200, 350), QRectF(4055, 1680, 3200, 300), QRectF(4055, 2100, 3200, 300),
          QRectF(4055, 2520, 3200, 300)}},
        5750,
        6800,
        7370,
        &tarotSheet,
        &finishTarot,
    };
    return traits;
}

} // namespace padmora
