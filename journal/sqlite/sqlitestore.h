// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal kept in one SQLite database through Qt SQL's QSQLITE driver,
// opened at its first use. Its schema version is kept in PRAGMA
// user_version, with one migration step per version; it is written in WAL
// mode with synchronous writes, so that a reading it has saved survives the
// process being killed at any instant and the machine losing power.

#include "journal/storebackend.h"

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
    std::optional<ImportCount> add(const QList<Reading> &readings) override;
    int count() override;
    QString lastError() const override { return m_lastError; }
    QString moveAside(const QDateTime &moment) override;
    void close() override;

private:
    struct Connection;
    bool ensureOpen();
    bool fail(const QString &what);

    QString m_path;
    std::unique_ptr<Connection> m_db;
    std::optional<StoreStatus> m_status;
    QString m_lastError;
};

} // namespace padmora::journal
