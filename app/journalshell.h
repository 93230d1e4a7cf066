// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal in the shell: the main window's File menu items, the setting
// that switches keeping readings on and off, and what shows each program's
// kept readings again.

#include <QString>

class QMenu;

namespace padmora {

class ProgramHost;

// The setting's key, and its two values.
inline const QString kJournalKey = QStringLiteral("Journal");
inline const QString kJournalOn = QStringLiteral("On");
inline const QString kJournalOff = QStringLiteral("Off");

// Names each program's way of showing a kept reading, and the journal as the
// keeper of the practices that ran; initPadmora() calls it.
void registerJournalOpeners();

// Adds "My &Readings…" (Ctrl+J) and "Keep a &Journal of My Readings" to the
// main window's File menu, and keeps readings or not as the setting says
// (on, unless switched off).
void addJournalItems(QMenu *file, ProgramHost *host);

// Keeping readings switched on or off, and the setting stored.
void setKeepingJournal(bool keep);

} // namespace padmora
