// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise that opens each chakra: a hand position, a point of
// concentration and a sound, under a heading. Shown in both reports for
// every chakra that is not open.

#include <QString>
#include <QStringList>

namespace padmora {

// "This Chakra needs to be opened", two line breaks, the heading line, two line breaks.
QString ChakraOpeningHeader(int index);
// Hand position, concentration and sound, each followed by two line breaks
// (the root's hand position already holds its concentration).
QString ChakraOpeningSteps(int index);
// The same steps one by one, as the report words them, without the breaks:
// hand position, concentration and sound (the root has two). Empty outside
// 0 to 6.
QStringList ChakraOpeningStepList(int index);
// The sound to chant alone: "LAM" for the root; for the third eye the first
// of its two, "OM".
QString ChakraSyllable(int index);

} // namespace padmora
