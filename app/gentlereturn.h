// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The welcome panel's line about the latest chakra test or tarot reading, and
// the optional reminder to take the test again. Both read a short note of
// that reading from the settings store, which the journal keeps up to date,
// so neither opens the journal at start.

#include "journal/latest.h"

#include <QString>
#include <optional>

class QMenu;

namespace padmora {

// The settings' keys: the note, the reminder's days ("Off", or 7, 14, 30) and
// the day it was last shown.
inline const QString kLatestReadingKey = QStringLiteral("LatestReading");
inline const QString kRetakeDaysKey = QStringLiteral("RetakeReminder");
inline const QString kRetakeShownKey = QStringLiteral("RetakeShown");
inline constexpr int kRetakeChoices[] = {7, 14, 30};

// Names the settings store the keeper of the journal's note; initPadmora() calls it.
void registerLatestReadingKeeper();
// The note as stored; nullopt when there is none or it cannot be read.
std::optional<journal::LatestReading> storedLatestReading();

// "Your last reading, on 8 Dec 2026, found the Root and Heart Chakras not open."
QString latestReadingLine(const journal::LatestReading &latest);

// The reminder's days, 0 when it is off (as it is unless chosen).
int retakeReminderDays();
void setRetakeReminderDays(int days);
// Adds "Remind Me to Retake the Test" with Off, 7, 14 and 30 days to the File
// menu, under the practice's item.
void addRetakeItems(QMenu *file);
// At start: when the reminder is on and the latest reading is that many days
// old or more, says so once, and not again that day.
void runRetakeReminder();

} // namespace padmora
