// SPDX-License-Identifier: GPL-3.0-or-later
// The module "journal-sqlite" as Qt's plug-in loader sees it: its root
// object hands out stores kept in SQLite (see journal/storebackend.h).
#include "journal/sqlite/sqlitestore.h"

#include <QObject>
#include <QtPlugin>

namespace padmora::journal {

class SqliteModule final : public QObject, public StoreModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PADMORA_JOURNAL_STORE_IID)
    Q_INTERFACES(padmora::journal::StoreModule)

public:
    std::unique_ptr<StoreBackend> open(const QString &path) override { return std::make_unique<SqliteStore>(path); }
};

} // namespace padmora::journal

#include "sqlitemodule.moc"
