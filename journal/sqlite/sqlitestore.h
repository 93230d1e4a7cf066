// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal kept in one SQLite database through Qt SQL's QSQLITE driver,
// opened at its first use. Its schema version is kept in PRAGMA
// user_version, with one migration step per version; it is written in WAL
// mode with synchronous writes, so that a reading it has saved survives the
// process being killed at any instant and the machine losing power.

#include "journal/storebackend.h"

class QSqlError;

namespace padmora::journal {

class SqliteStore final : public StoreBackend {
public:
    explicit SqliteStore(const QString &path);
    ~SqliteStore() override;

    StoreStatus status() override;
    bool isWritable() override;
    qint64 save(Reading &reading) override;
    std::optional<Reading> load(qint64 id) override;
    QList<Entry> entries() override;
    bool setNote(qint64 id, const QString &note) override;
    bool remove(const QList<qint64> &ids) override;
    bool removeAll() override;
    QList<ScorePoint> scorePoints() override;
    QList<CardCount> cardCounts() override;
    std::optional<QList<Reading>> allReadings() override;
    std::optional<ImportCount> add(const QList<Reading> &readings, const QList<Practice> &practices) override;
    qint64 savePractice(Practice &practice) override;
    std::optional<QList<Practice>> practices() override;
    bool setPracticeNote(qint64 id, const QString &note) override;
    bool removePractices(const QList<qint64> &ids) override;
    int count() override;
    QString lastError() const override { return m_lastError; }
    bool lastFailedForRoom() const override;
    QString moveAside(const QDateTime &moment) override;
    void close() override;

private:
    struct Connection;
    // How a connection may touch the file: read and write it, read it with
    // its log, or read the file alone as it stands, making nothing beside it.
    enum class Access { ReadWrite, ReadOnly, AsItStands };
    // What a read-only look at the file found.
    struct Look {
        StoreState state = StoreState::Ready;  // Ready: a journal (or empty) of this version or older
        QString problem;
        int version = 0;
    };

    // Opens the file at the first use. A file that could not be written for
    // want of room is opened again when tryAgainNow says so (the operations
    // that write, and the status).
    bool ensureOpen(bool tryAgainNow = false);
    bool connect(Access access);
    Look look(bool folderWritable);
    // A read-only connection that sees the log too where it can, else the
    // file as it stands; false when neither opens.
    bool connectForReading();
    void checkpoint();
    bool fail(const QString &what);
    // Deletes the entries of a table by their numbers, in one transaction.
    bool removeFrom(const QString &table, const QList<qint64> &ids);
    bool setNoteIn(const QString &table, qint64 id, const QString &note);
    bool isFull(const QSqlError &error) const;
    QString describe(const QSqlError &error) const;
    bool diskIsFull() const;

    QString m_path;
    std::unique_ptr<Connection> m_db;
    std::optional<StoreStatus> m_status;
    // The file could not be written for want of room: the next use tries again.
    bool m_tryAgain = false;
    QString m_lastError;
};

} // namespace padmora::journal
