// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What sets the chakra test and the chakras tarot apart. Their start screens
// and questionnaires are written once and take one of these; each program
// defines its own.

#include "chakras/answersheet.h"
#include "kit/desktop.h"

#include <QRectF>
#include <QStringList>
#include <array>

namespace padmora {

struct ProgramTraits {
    QString startScreen;      // frmChakrasMain / frmChakrasTarotMain
    QString questionsScreen;  // frmChakrasQuestions / frmChakrasTarotQuestions
    QString caption;          // caption of both screens

    // The texts below are kept in English and shown in the language in use,
    // translated in the context "padmora::StartScreen": write them with
    // QT_TRANSLATE_NOOP("padmora::StartScreen", ...).
    // START TEST with nothing ticked.
    QString noSelectionMessage;
    MessageIcon noSelectionIcon;
    // After START TEST has closed the start screen, hide the welcome panel again.
    bool rehideWelcomeAfterStart;

    // Start screen layout, in twips.
    double startWidth;
    double startHeight;
    QString introduction;        // Label1's text; empty when the screen has none
    QRectF introductionRect;     // Label1
    QRectF label3Rect;           // Label3
    std::array<QRectF, kChakraCount> checkBoxes;
    double picturesTop;          // the row of chakra pictures
    double buttonsTop;           // START TEST and Exit
    double promoTop;             // the promotional labels

    // The answer sheet the program fills.
    AnswerSheet &(*sheet)();
    // What the last Next does once the last answer is recorded.
    void (*finish)();
};

const ProgramTraits &chakraTestProgram();

// Label3's introduction, the same on both start screens: two paragraphs,
// parted on screen by a run of blanks (see ParagraphLabel).
QStringList startIntroduction();

} // namespace padmora
