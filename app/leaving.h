// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way out of Padmora: the farewell screen, and leaving it the quit routine.

namespace padmora {

// Shows the farewell screen (once, and not while the quit routine is ending
// the program); should that fail, the program ends at once instead of
// running on without any window.
void showFarewellScreen();

} // namespace padmora
