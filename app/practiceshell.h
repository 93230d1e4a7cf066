// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Guided practice in the shell: where its choices are kept, and the main
// window's File menu item that opens a practice of any of the seven chakras.

class QMenu;

namespace padmora {

class ProgramHost;

// Keeps the practice's choices in the settings store, as the shell keeps its
// own values; initPadmora() calls it.
void registerPracticeSettings();

// Adds "Practise a &Chakra" with the seven chakras to the main window's File
// menu; each opens the practice screen for that chakra alone.
void addPracticeItems(QMenu *file, ProgramHost *host);

} // namespace padmora
