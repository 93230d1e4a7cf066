// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reminder to look for a newer version, run once at every start.

#include <QString>

namespace padmora {

// The question; its two lines are joined by a bare carriage return.
QString updateQuestion();

// Days either side of the last reminder within which nothing is asked.
inline constexpr int kReminderQuietDays = 14;

// Reads the date of the last reminder; asks again once it lies 15 or more
// days away (either way), storing today whatever the answer, and opens the
// download page on Yes. Any failure ends it quietly.
void runUpdateReminder();

} // namespace padmora
