// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parts of Padmora that need a large library only some runs use (the
// journal's SQLite store, the printer dialogs) are modules, loaded when they
// are first used, so that no start pays for loading those libraries.
//
// A module is a Qt plug-in, a shared object named libpadmora-<name>.so whose
// root object implements one interface: a plain abstract class declared with
// Q_DECLARE_INTERFACE, its id naming the interface's version
// ("org.padmora.JournalStore/2"). The module's metadata is read before it is
// loaded, and a module built for another version of its interface is never
// loaded, nor used.
//
// The folder a module is looked for in is the one PADMORA_MODULE_DIR names
// when that is set (the tests set it); else, for the program of the build
// tree, the build's module folder; else the installed module folder, found
// from the program's own folder. An installed program never looks in the
// build tree.

#include <QObject>
#include <QString>
#include <QtPlugin>

namespace padmora {

// The root object of libpadmora-<name>.so when it implements the interface
// iid, loaded once from its folder and kept for the run; nullptr when it
// cannot be loaded or implements another interface, and why (naming its
// path) in *why.
QObject *loadModule(const QString &name, const char *iid, QString *why = nullptr);

// The same, as the interface it implements.
template <class Interface>
Interface *loadModule(const QString &name, QString *why = nullptr)
{
    return qobject_cast<Interface *>(loadModule(name, qobject_interface_iid<Interface *>(), why));
}

// The folder modules are looked for in.
QString moduleFolder();

} // namespace padmora
