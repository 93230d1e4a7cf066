// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal's store: one SQLite database (Qt SQL's QSQLITE driver), opened
// at its first use and never at start-up. Its schema version is kept in
// PRAGMA user_version, with one migration step per version; it is written in
// WAL mode with synchronous writes, so that a reading it has saved survives
// the process being killed at any instant and the machine losing power.
//
// Whatever the file is (missing, empty, damaged, read-only, on a full disk,
// written by a newer Padmora), the store says so in its status and every
// operation fails cleanly; a damaged file is never deleted, only moved aside
// when the user asks.

#include "journal/reading.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

namespace padmora::journal {

inline constexpr int kSchemaVersion = 1;
inline const QString kJournalFileName = QStringLiteral("journal.sqlite");

enum class StoreState {
    Ready,        // read and written
    Newer,        // written by a newer Padmora: read only, never changed
    ReadOnly,     // the file or its folder cannot be written
    Damaged,      // not a database, or a damaged one
    Unavailable,  // a folder in its place, or it cannot be made
};

struct StoreStatus {
    StoreState state = StoreState::Ready;
    QString problem;      // what is wrong, in a few words; empty when Ready
    int fileVersion = 0;  // the user_version found in the file
};

// One line of the journal screen's table.
struct Entry {
    qint64 id = 0;
    QDateTime taken;  // UTC
    int offsetSeconds = 0;
    Program program = Program::ChakraTest;
    QString note;

    QDateTime localTaken() const { return taken.toOffsetFromUtc(offsetSeconds); }
    // "Root 5 Open · Heart 2 UnderActive", made when first asked for: a
    // table of thousands shows a screenful.
    QString summary() const;

    // What the summary is made of, as the store keeps it: "chakra score"
    // pairs, or the astrology reading's sign, planets and chakra.
    QString scores;
    QString sign, rulingPlanet, chakraName;
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

class Store : public QObject {
    Q_OBJECT
public:
    // The store of the database file at path; nothing is opened yet.
    explicit Store(const QString &path, QObject *parent = nullptr);
    ~Store() override;

    QString path() const { return m_path; }

    // Opens the file if it is not open yet, and says how it stands.
    StoreStatus status();
    // True when entries can be saved, changed and deleted.
    bool isWritable();

    // Saves a new entry; its number, or 0 when it could not be saved
    // (lastError() says why). The reading's id is set.
    qint64 save(Reading &reading);
    std::optional<Reading> load(qint64 id);
    // Every entry, newest first.
    QList<Entry> entries();
    bool setNote(qint64 id, const QString &note);
    bool remove(const QList<qint64> &ids);
    bool removeAll();
    // Every score of the test and tarot entries, oldest first.
    QList<ScorePoint> scorePoints();
    // How often each card came up, most often first.
    QList<CardCount> cardCounts();
    // Every entry in full, oldest first (for the export).
    std::optional<QList<Reading>> allReadings();
    // Adds readings in one transaction; one that is already there (same
    // program, same moment) is skipped and counted. Nothing is added when
    // anything fails.
    std::optional<ImportCount> add(const QList<Reading> &readings);
    int count();

    // Why the last operation failed.
    QString lastError() const { return m_lastError; }

    // Renames the file (and its -wal and -shm companions) to
    // journal.sqlite.damaged-YYYYMMDD-HHMMSS beside it and starts anew on the
    // next use. The new name, or empty when the rename failed.
    QString moveAside(const QDateTime &moment);

    // Closes the database; the next use opens it again.
    void close();

signals:
    // Entries were added or deleted, or the file was moved aside.
    void changed();

private:
    struct Connection;
    bool ensureOpen();
    bool fail(const QString &what);

    QString m_path;
    std::unique_ptr<Connection> m_db;
    std::optional<StoreStatus> m_status;
    QString m_lastError;
};

// The user's journal: journal.sqlite in the application's data folder
// (QStandardPaths::AppDataLocation), made at its first use; it goes with the
// application object.
Store &journalStore();
// Closes and forgets the user's journal; the next journalStore() opens the
// file at the data folder of that moment.
void forgetJournalStore();
// Where the user's journal lives.
QString journalFilePath();

// The sentence the journal screen shows about a store's status, naming the file.
QString statusText(const StoreStatus &status, const QString &path);

} // namespace padmora::journal
