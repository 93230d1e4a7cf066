// SPDX-License-Identifier: GPL-3.0-or-later
// A journal store module as a later Padmora would build it, for the next
// version of the store's interface; the build names it
// libpadmora-journal-sqlite.so, in a folder of its own. Loaded, it would say
// so in the environment.

#include <QObject>
#include <QtPlugin>

class LaterSqliteModule final : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.padmora.JournalStore/3")
};

namespace {
[[maybe_unused]] const bool loaded = qputenv("PADMORA_LATER_MODULE_LOADED", "1");
}

#include "latermodule.moc"
