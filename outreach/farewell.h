#pragma once

namespace padmora {

// Shown when the main window has closed; leaving it ends the program.
void showFarewellScreen();

} // namespace padmora
