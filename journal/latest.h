// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A short note of the latest chakra test or tarot reading in the journal: its
// moment and the chakras it found not open. The welcome panel reads it at
// start instead of opening the journal, so the shell keeps it in the settings
// store (it names the keeper); the journal hands on a new note whenever a
// reading is kept, or entries are deleted or imported.

#include "journal/reading.h"

#include <QList>
#include <functional>
#include <optional>

namespace padmora::journal {

class Store;

struct LatestReading {
    QDateTime taken;        // UTC
    int offsetSeconds = 0;  // the local offset it was taken at
    QList<int> notOpen;     // chakra indices, Root first
    QDateTime localTaken() const { return taken.toOffsetFromUtc(offsetSeconds); }
    bool operator==(const LatestReading &) const = default;
};

// The note of a chakra reading.
LatestReading latestOf(const Reading &reading);
// The note of the newest test or tarot entry in a store; nullopt when it has none.
std::optional<LatestReading> latestIn(Store &store);

// The note as stored: numbers only, "msecs-since-epoch offset chakra,chakra".
QString latestText(const LatestReading &latest);
// nullopt for a text that cannot have come from latestText (out of range too).
std::optional<LatestReading> parseLatest(const QString &text);

// Who keeps the note; nullopt clears it.
using LatestKeeper = std::function<void(const std::optional<LatestReading> &)>;
void setLatestKeeper(LatestKeeper keeper);
// Hands the keeper a note of the store's newest test or tarot entry (the
// store tells of its changes through this).
void noteLatestIn(Store &store);
// As noteLatestIn, unless a reading is being kept (its own note follows).
void noteLatestOnChange(Store &store);
// Marks a reading being kept while it lives.
class KeepingOne {
public:
    KeepingOne();
    ~KeepingOne();
    KeepingOne(const KeepingOne &) = delete;
    KeepingOne &operator=(const KeepingOne &) = delete;

private:
    bool m_was;
};
// Hands the keeper the note of a reading just kept.
void noteLatest(const Reading &reading);

} // namespace padmora::journal
