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

#include "journal/storebackend.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

namespace padmora::journal {

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
    // Every entry, readings and practices, newest first.
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
    // Adds readings and practices in one transaction; one that is already
    // there (the same id, or the same program and moment) is skipped and
    // counted. Nothing is added when anything fails. Each entry without an id
    // is given one.
    std::optional<ImportCount> add(const QList<Reading> &readings, const QList<Practice> &practices = {});
    // Every entry, readings and practices.
    int count();

    // Saves a new practice; its number, or 0 when it could not be saved. Its
    // id and number are set.
    qint64 savePractice(Practice &practice);
    // Every practice in full, oldest first.
    std::optional<QList<Practice>> practices();
    bool setPracticeNote(qint64 id, const QString &note);
    bool removePractices(const QList<qint64> &ids);

    // Why the last operation failed.
    QString lastError() const;
    // True when it failed for want of room on the disk: once the user has
    // made room, the same operation works, without a restart.
    bool lastFailedForRoom() const;

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
    // The SQLite store, from its module at the first use; nullptr when the
    // module cannot be loaded (m_missing says why).
    StoreBackend *backend();

    QString m_path;
    std::unique_ptr<StoreBackend> m_backend;
    QString m_missing;
    // Why the last reading was refused before it reached the file, until
    // the next operation.
    QString m_refused;
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
