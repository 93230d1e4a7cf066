// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chakras tarot as the shared start screen and questionnaire run it.

#include "chakras/screens/program.h"

namespace padmora {

const ProgramTraits &chakrasTarotProgram();

} // namespace padmora
