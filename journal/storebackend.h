// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the journal's store is made of, and the interface of the module that
// keeps it in SQLite (journal/sqlite/): the store is opened at its first use,
// and only then is Qt SQL loaded.

#include "journal/reading.h"

#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <memory>
#include <optional>

namespace padmora::journal {

inline constexpr int kSchemaVersion = 2;
inline const QString kJournalFileName = QStringLiteral("journal.sqlite");

enum class StoreState {
    Ready,        // read and written
    Newer,        // written by a newer Padmora: read only, never changed
    ReadOnly,     // the file or its folder cannot be written
    Damaged,      // not a database, or a damaged one
    Unavailable,  // a folder in its place, or it cannot be made
    Foreign,      // a database of another program: left as it is
};

struct StoreStatus {
    StoreState state = StoreState::Ready;
    QString problem;      // what is wrong, in a few words; empty when Ready
    int fileVersion = 0;  // the user_version found in the file
};

// What an entry of the journal is: a reading of one of the programs, or a
// practice of a chakra's exercise. Each kind is numbered on its own.
enum class EntryKind { Reading, Practice };

// One line of the journal screen's table.
struct Entry {
    EntryKind kind = EntryKind::Reading;
    qint64 id = 0;
    QDateTime taken;  // UTC
    int offsetSeconds = 0;
    Program program = Program::ChakraTest;
    QString note;

    QDateTime localTaken() const { return taken.toOffsetFromUtc(offsetSeconds); }
    // "Root 5 Open · Heart 2 UnderActive", made when first asked for: a
    // table of thousands shows a screenful. A practice's is that of
    // summaryOf(const Practice &).
    QString summary() const;
    bool isPractice() const { return kind == EntryKind::Practice; }

    // What the summary is made of, as the store keeps it: "chakra score"
    // pairs, or the astrology reading's sign, planets and chakra.
    QString scores;
    QString sign, rulingPlanet, chakraName;
    // A practice's chakra, lengths and end.
    int chakra = 0;
    int plannedMinutes = 0;
    qint64 practisedSeconds = 0;
    bool completed = false;
    mutable QString madeSummary;
};

// One chakra score of a test or tarot entry, for the trends.
struct ScorePoint {
    QDateTime taken;  // UTC
    int offsetSeconds = 0;
    Program program = Program::ChakraTest;
    int chakra = 0;
    int score = 0;
};

struct CardCount {
    QString card;
    int count = 0;
};

struct ImportCount {
    int added = 0;
    int alreadyThere = 0;
};

// A null text would be stored as NULL; the store keeps empty texts.
inline QString notNull(const QString &text)
{
    return text.isNull() ? QString::fromLatin1("") : text;
}

// A list of numbers as the store keeps it: "3 0 7", and back.
inline QString joinedOrder(const QList<int> &order)
{
    QStringList parts;
    parts.reserve(order.size());
    for (int q : order)
        parts << QString::number(q);
    return parts.join(QLatin1Char(' '));
}

inline QList<int> splitOrder(const QString &text)
{
    QList<int> order;
    for (const QStringView part : QStringView(text).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        order << part.toInt();
    return order;
}

// The journal's file, as the SQLite module keeps it: every operation of
// Store (journal/store.h) but the telling of changes.
class StoreBackend {
public:
    virtual ~StoreBackend() = default;
    virtual StoreStatus status() = 0;
    virtual bool isWritable() = 0;
    virtual qint64 save(Reading &reading) = 0;
    virtual std::optional<Reading> load(qint64 id) = 0;
    virtual QList<Entry> entries() = 0;
    virtual bool setNote(qint64 id, const QString &note) = 0;
    virtual bool remove(const QList<qint64> &ids) = 0;
    virtual bool removeAll() = 0;
    virtual QList<ScorePoint> scorePoints() = 0;
    virtual QList<CardCount> cardCounts() = 0;
    virtual std::optional<QList<Reading>> allReadings() = 0;
    virtual std::optional<ImportCount> add(const QList<Reading> &readings, const QList<Practice> &practices) = 0;
    // The practices: saved, every one in full (oldest first), a note, deleted.
    virtual qint64 savePractice(Practice &practice) = 0;
    virtual std::optional<QList<Practice>> practices() = 0;
    virtual bool setPracticeNote(qint64 id, const QString &note) = 0;
    virtual bool removePractices(const QList<qint64> &ids) = 0;
    virtual int count() = 0;
    virtual QString lastError() const = 0;
    // True when the last operation failed for want of room on the disk,
    // which the user can make: the next operation tries again.
    virtual bool lastFailedForRoom() const = 0;
    virtual QString moveAside(const QDateTime &moment) = 0;
    virtual void close() = 0;
};

// What the module's root object implements (kit/modules.h): a store of the
// database file at a path, nothing opened yet.
class StoreModule {
public:
    virtual ~StoreModule() = default;
    virtual std::unique_ptr<StoreBackend> open(const QString &path) = 0;
};

inline const QString kStoreModuleName = QStringLiteral("journal-sqlite");

} // namespace padmora::journal

// The interface's id, with its version: any change to what crosses it (these
// classes and the values they pass) takes the next one, and a module built
// for another is not loaded.
#define PADMORA_JOURNAL_STORE_IID "org.padmora.JournalStore/2"
Q_DECLARE_INTERFACE(padmora::journal::StoreModule, PADMORA_JOURNAL_STORE_IID)
