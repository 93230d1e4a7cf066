// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys that work the same on every screen: Return and Enter press the focused
// push button, as Space does.

namespace padmora {

// Installs the application-wide key handling; initPadmora() calls it.
void installKeyboardSupport();

} // namespace padmora
