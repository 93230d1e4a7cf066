// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/screens/program.h"
#include "chakras/screens/testresult.h"
#include "kit/links.h"
#include "kit/screennames.h"

#include <QCoreApplication>

namespace padmora {

QStringList startIntroduction()
{
    //: %1 is the forum's host name
    return {QCoreApplication::translate(
                "padmora::StartScreen",
                "The Seven Chakras are as seen below. This test will help you in determining how active or "
                "inactive your Chakras are. All you need to do is answer the questions truthfully and to the "
                "best of your ability. Taking this test on a regular basis and taking time to take appropriate "
                "steps to activate your chakras will help you develop your inner self and lead a happy and "
                "more fruitful life. Visit the Padmora forum at %1 to get advice and interact with experts and "
                "people like yourself in order to have a wider perspective.")
                .arg(forumUrl().host()),
            QCoreApplication::translate("padmora::StartScreen",
                                        "There are 8 Questions for each Chakra. You can take the test "
                                        "individually or in any combination you feel comfortable.")};
}

const ProgramTraits &chakraTestProgram()
{
    static const ProgramTraits traits{
        screens::kTestMain,
        screens::kTestQuestions,
        QStringLiteral("VQ Zazeder Izorudav"),
        QString::fromUtf8(QT_TRANSLATE_NOOP("padmora::StartScreen", "Please Select at least One Chakras")),
        MessageIcon::Information,
        false,
        8700,
        7900,
        QString(),
        QRectF(),
        QRectF(240, 90, 8160, 2130),
        {{QRectF(1350, 2280, 3315, 345), QRectF(1350, 2700, 3315, 345), QRectF(1350, 3120, 3315, 345),
          QRectF(3195, 3570, 3315, 345), QRectF(4890, 2280, 3315, 345), QRectF(4890, 2700, 3315, 345),
          QRectF(4890, 3120, 3315, 345)}},
        4080,
        5130,
        5700,
        &chakraTestSheet,
        &finishChakraTest,
    };
    return traits;
}

} // namespace padmora
