// SPDX-License-Identifier: GPL-3.0-or-later
// The constant knowledge Padmora ships: the chakra catalogue, the question
// bank and the exercises that open the chakras.

#include "chakras/catalogue.h"
#include "chakras/questionbank.h"
#include "guidance/opening.h"
#include "kit/language.h"
#include "support/testing.h"

#include <QFile>
#include <QSvgRenderer>

using namespace padmora;

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void namesAndTitles()
    {
        const char *names[7] = {"Root Chakra",   "Sacral Chakra",    "Navel Chakra", "Heart Chakra",
                                "Throat Chakra", "Third Eye Chakra", "Crown Chakra"};
        const char *sanskrit[7] = {"Muladhara", "Swadhisthanna", "Manipura", "Anahata", "Vishuddha", "Ajna", "Sahasrara"};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(chakraName(i), QString::fromLatin1(names[i]));
            QCOMPARE(chakraSanskritName(i), QString::fromLatin1(sanskrit[i]));
            QCOMPARE(chakraTitle(i), chakraName(i) + QStringLiteral(" (") + chakraSanskritName(i) + QStringLiteral(")"));
        }
        QVERIFY(chakraTitle(-1).isEmpty());
        QVERIFY(chakraTitle(7).isEmpty());
    }

    void questionRanges()
    {
        QCOMPARE(firstQuestionOf(0), 0);
        QCOMPARE(firstQuestionOf(6), 48);
        QCOMPARE(chakraOfQuestion(7), 0);
        QCOMPARE(chakraOfQuestion(8), 1);
        QCOMPARE(chakraOfQuestion(55), 6);
        QCOMPARE(chakraOfQuestion(56), -1);
        QCOMPARE(chakraOfQuestion(-1), -1);
    }

    void picturesRunCrownFirst()
    {
        QCOMPARE(picturePositionOf(0), 6);
        QCOMPARE(picturePositionOf(6), 0);
        const char *files[7] = {"0 Crown Chakra.svg", "1 Third Eye Chakra.svg", "2 Throat Chakra.svg",
                                "3 Heart Chakra.svg", "4 Navel Chakra.svg",     "5 Sacral Chakra.svg",
                                "6 Root Chakra.svg"};
        for (int p = 0; p < 7; ++p) {
            QCOMPARE(pictureFileName(p), QString::fromLatin1(files[p]));
            QVERIFY2(QFile::exists(picturePath(p)), qPrintable(picturePath(p)));
            QVERIFY(QSvgRenderer(picturePath(p)).isValid());
        }
        QVERIFY(pictureFileName(7).isEmpty());
    }

    void stateSentences()
    {
        QCOMPARE(stateSentence(1, ChakraState::UnderActive),
                 QStringLiteral("Your Sacral Chakra (Swadhisthanna) is UnderActive\r\n"));
        QCOMPARE(stateSentence(3, ChakraState::OverActive), QStringLiteral("Your Heart Chakra (Anahata) is OverActive\r\n"));
        QCOMPARE(stateSentence(6, ChakraState::Open), QStringLiteral("Your Crown Chakra (Sahasrara) is Open\r\n"));
    }

    void exactTexts()
    {
        // The root's over-active text ends with a blank here.
        QCOMPARE(chakraOverActiveText(0),
                 QStringLiteral("In the over-active state you become greedy and obsessed with being secure and avoid "
                                "changes in life. You are materialistic and money minded. You are too physical and "
                                "violent. "));
        QCOMPARE(chakraDescription(5), QStringLiteral("This state governs the nature of approach and vision of a person."));
        QCOMPARE(chakraOpenText(4), QStringLiteral("In open you are bold enough to express your feelings. You have a "
                                                   "clear mind and a compassionate heart."));
        QCOMPARE(chakraUnderActiveText(2),
                 QStringLiteral("The under-active makes you inactive and hesitant. Some fear always acts in the mind."));
        QCOMPARE(chakraStateText(6, ChakraState::Open), chakraOpenText(6));
        for (int i = 0; i < 7; ++i) {
            QVERIFY(!chakraDescription(i).isEmpty());
            QVERIFY(!chakraOpenText(i).isEmpty());
            QVERIFY(!chakraUnderActiveText(i).isEmpty());
            QVERIFY(!chakraOverActiveText(i).isEmpty());
        }
    }

    void questionBank()
    {
        QCOMPARE(questionText(15), QStringLiteral("Do you feel better when you don't let go of  your emotions?"));
        QCOMPARE(questionText(39), QStringLiteral("Do you believe in loyalty? "));
        QCOMPARE(questionText(40), QStringLiteral("Do you depend on others to make your decisions? "));
        QCOMPARE(questionText(0), QStringLiteral("Do you have a good sense of direction?"));
        QCOMPARE(questionText(55), QStringLiteral("Do you feel unattached from the real world?"));
        QVERIFY(questionText(56).isEmpty());
        // Navel has five Yes keys, the others four.
        for (int c = 0; c < 7; ++c) {
            int yes = 0;
            for (int q = 8 * c; q < 8 * c + 8; ++q) {
                QVERIFY(answerKey(q) == kYes || answerKey(q) == kNo);
                yes += answerKey(q) == kYes;
            }
            QCOMPARE(yes, c == 2 ? 5 : 4);
        }
        const char *rootKeys[8] = {"Yes", "No", "Yes", "No", "Yes", "No", "No", "Yes"};
        for (int q = 0; q < 8; ++q)
            QCOMPARE(answerKey(q), QString::fromLatin1(rootKeys[q]));
        QStringList all;
        for (int q = 0; q < 56; ++q)
            all << questionText(q);
        all.removeDuplicates();
        QCOMPARE(all.size(), 56);
    }

    void openingInstructions()
    {
        QCOMPARE(ChakraOpeningHeader(0),
                 QStringLiteral("This Chakra needs to be opened\r\n\r\nTo open Root Chakra: \r\n\r\n"));
        QCOMPARE(ChakraOpeningSteps(0),
                 QStringLiteral("Touch the tips of your thumb and index together. Concentrate on the Root Chakra at "
                                "the spot in between the genitals and the anus.\r\n\r\nChant the sound LAM.\r\n\r\n"));
        QCOMPARE(ChakraOpeningHeader(5),
                 QStringLiteral("This Chakra needs to be opened\r\n\r\nTo open Third Eye Chakra: \r\n\r\n"));
        for (int i = 0; i < 7; ++i) {
            const QString steps = ChakraOpeningSteps(i);
            QVERIFY(steps.endsWith(QStringLiteral("\r\n\r\n")));
            QVERIFY(ChakraOpeningHeader(i).endsWith(QStringLiteral(": \r\n\r\n")));
            // Root has two paragraphs, the others three.
            QCOMPARE(steps.count(QStringLiteral("\r\n\r\n")), i == 0 ? 2 : 3);
        }
        QVERIFY(ChakraOpeningSteps(3).contains(
            QStringLiteral("Chant the sound YAM (as this mudra is particularly powerful, this may not be needed).")));
        QVERIFY(ChakraOpeningHeader(7).isEmpty());
    }

    void shownInGermanKeptInEnglish()
    {
        QVERIFY(installTranslationFile(QStringLiteral(":/padmora/i18n/padmora_de.qm"), QStringLiteral("de")));
        struct Leave {
            ~Leave() { removeTranslations(); }
        } leave;
        // What a user reads is German...
        QCOMPARE(chakraShownName(6), QStringLiteral("Kronenchakra"));
        QCOMPARE(chakraTitle(2), QStringLiteral("Nabelchakra (Manipura)"));
        QCOMPARE(stateName(ChakraState::OverActive), QStringLiteral("überaktiv"));
        QCOMPARE(stateSentence(4, ChakraState::Open), QStringLiteral("Ihr Halschakra (Vishuddha) ist offen\r\n"));
        QCOMPARE(questionText(0), QStringLiteral("Haben Sie einen guten Orientierungssinn?"));
        QCOMPARE(shownQuestion(QStringLiteral("Do you have negative thoughts?")),
                 QStringLiteral("Haben Sie negative Gedanken?"));
        QCOMPARE(answerText(kNotSure), QStringLiteral("Nicht sicher"));
        // ...what is kept, compared or looked up stays English.
        QCOMPARE(chakraName(6), QStringLiteral("Crown Chakra"));
        QCOMPARE(stateKey(ChakraState::OverActive), QStringLiteral("OverActive"));
        QCOMPARE(answerKey(0), QStringLiteral("Yes"));
        QCOMPARE(answerText(QStringLiteral("Vielleicht")), QStringLiteral("Vielleicht"));
        QCOMPARE(picturePath(0), QStringLiteral(":/chakras/0 Crown Chakra.svg"));
    }
};

PADMORA_TEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
