// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed facts about the seven chakras shared by the chakra test, the
// chakras tarot and their reports. Index 0 is the root chakra at the base of
// the spine, 6 the crown; the pictures run the other way, crown first.

#include "kit/linebreak.h"

#include <QString>
#include <QtGlobal>

namespace padmora {

using ChakraIndex = qint16;
inline constexpr int kChakraCount = 7;
inline constexpr int kQuestionsPerChakra = 8;
inline constexpr int kQuestionCount = kChakraCount * kQuestionsPerChakra;

enum class ChakraState { UnderActive, Open, OverActive };

// 0 to 2 UnderActive, 3 to 5 Open, anything else OverActive.
ChakraState classifyScore(int score);

// The texts as written, in English; the accessors below give them in the
// language in use (context "Chakras").
struct ChakraInfo {
    const char *name;
    const char *sanskritName;
    const char *title;
    const char *description;
    const char *openText;
    const char *overActiveText;
    const char *underActiveText;
};

// Entry by chakra index; nullptr outside 0 to 6.
const ChakraInfo *chakraInfo(int index);

// The chakra's name as pictures and kept readings name it ("Root Chakra"),
// in English whatever the language: compare and store this one.
QString chakraName(int index);
// The same name in the language in use, to show.
QString chakraShownName(int index);
// Its short name in the language in use ("Root"): under a chart's bar, on a
// summary's line.
QString chakraShortName(int index);
QString chakraSanskritName(int index);
QString chakraTitle(int index);
QString chakraDescription(int index);
QString chakraOpenText(int index);
QString chakraOverActiveText(int index);
QString chakraUnderActiveText(int index);
QString chakraStateText(int index, ChakraState state);

// The eight question numbers of chakra i are firstQuestionOf(i) to +7.
int firstQuestionOf(int index);
// The chakra that owns a question number; -1 outside 0 to 55.
int chakraOfQuestion(int question);

// Pictures are ordered crown first: position = 6 - index.
int picturePositionOf(int index);
// File name of the picture at a position, e.g. "0 Crown Chakra.svg"; empty outside 0 to 6.
QString pictureFileName(int position);
// Resource path of that picture.
QString picturePath(int position);

// "UnderActive", "Open", "OverActive", in the language in use.
QString stateName(ChakraState state);
// The same words in English whatever the language: for files and comparisons.
QString stateKey(ChakraState state);
// " is UnderActive", " is Open", " is OverActive".
QString statePhrase(ChakraState state);
// "Your " + title + phrase + CR LF.
QString stateSentence(int index, ChakraState state);

} // namespace padmora
