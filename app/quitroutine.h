// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way Padmora ends: every open window closes through its own close
// (unload) handler, then the program stops at once.

#include <functional>

namespace padmora {

void quitPadmora();

// True while quitPadmora() is closing the windows.
bool isQuitting();

// What "stop" means. By default every running event loop is left, so main()
// returns; tests put a recorder here. Returns the previous one.
using ProgramEnd = std::function<void()>;
ProgramEnd setProgramEnd(ProgramEnd end);

} // namespace padmora
