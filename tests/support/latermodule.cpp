// SPDX-License-Identifier: GPL-3.0-or-later
// A journal store module as a later Padmora would build it, for the next
// version of the store's interface; the build names it
// libpadmora-journal-sqlite.so, in a folder of its own. Loaded, it would say
// so in the environment.

#include <QObject>
#include <QtPlugin>

class LaterStoreModule {
public:
    virtual ~LaterStoreModule() = default;
    virtual int schemaVersion() const = 0;
};
Q_DECLARE_INTERFACE(LaterStoreModule, "org.padmora.JournalStore/2")

class LaterSqliteModule final : public QObject, public LaterStoreModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.padmora.JournalStore/2")
    Q_INTERFACES(LaterStoreModule)

public:
    int schemaVersion() const override { return 2; }
};

namespace {
[[maybe_unused]] const bool loaded = qputenv("PADMORA_LATER_MODULE_LOADED", "1");
}

#include "latermodule.moc"
