// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping readings as they are shown, and showing kept ones again. The shell
// says at start-up (and when the user switches it) whether readings are
// kept, and names, per program, what shows a kept reading: the programs'
// result screens lie above the journal.

#include "journal/reading.h"
#include "practice/sitting.h"

#include <functional>

namespace padmora::journal {

void setKeepingReadings(bool keep);
bool isKeepingReadings();

// Keeps a reading in the user's journal when readings are kept. A reading
// that cannot be kept shows one message saying why; true when it was kept.
bool keepReading(Reading reading);
// Keeps a practice that ran in the user's journal, as keepReading keeps a
// reading (not when keeping is switched off); the shell names it the
// practice's keeper (practice::setPracticeKeeper). True when it was kept.
bool keepPractice(const practice::FinishedPractice &finished);
// The journal's record of a practice that ran.
Practice practiceRecord(const practice::FinishedPractice &finished);
// The message a practice that could not be kept shows.
QString practiceNotKeptMessage(const QString &why, const QString &path);

// Keeps a reading just shown once its screen has painted: the window's
// pending repaint goes out before the journal waits for the disk, so a slow
// disk never holds back the result. Nothing comes between the two: the write
// follows in the same pass of the event loop.
void keepReadingOnceShown(Reading reading);

// The message a reading that could not be kept shows.
QString notKeptMessage(const QString &why, const QString &path);

// Shows a kept reading as it was shown the day it was taken; false when it
// could not be shown.
using ReadingOpener = std::function<bool(const Reading &)>;
void setReadingOpener(Program program, ReadingOpener opener);
bool openKeptReading(const Reading &reading);

// The caption of a reopened reading's window: the program's caption and the
// day and time the reading was taken, in the user's locale.
QString reopenedCaption(const QString &caption, const Reading &reading);
// A moment as the journal shows it: the user's locale's short date and time.
QString momentText(const QDateTime &local);

} // namespace padmora::journal
