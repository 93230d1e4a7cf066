// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parts of Padmora that need a large library only some runs use (the
// journal's SQLite store, the printer dialogs) are modules, loaded when they
// are first used, so that no start pays for loading those libraries.
//
// A module is a shared object named libpadmora-<name>.so. It is looked for
// in the folder named by PADMORA_MODULE_DIR when that is set (the build tree
// and its tests set it), else in the installed module folder, found from
// the program's own folder. Its entry point, padmora_module_entry(revision),
// hands out the interface the module implements when it was built for that
// revision of it, and nothing otherwise: a module left from another version
// is never used.

#include <QString>

namespace padmora {

// The name of every module's entry point.
inline constexpr const char *kModuleEntry = "padmora_module_entry";
using ModuleEntry = void *(*)(int revision);

// The interface a module hands out for that revision, loaded once from its
// folder and kept for the run; nullptr when it cannot be loaded, and why in
// *why.
void *loadModule(const QString &name, int revision, QString *why = nullptr);

// The folder modules are looked for in.
QString moduleFolder();

} // namespace padmora

// Defines a module's entry point, handing out the object that implements its
// interface for the revision it was built for.
#define PADMORA_MODULE_ENTRY(Interface, object)                                                                    \
    extern "C" __attribute__((visibility("default"))) void *padmora_module_entry(int revision)                    \
    {                                                                                                              \
        return revision == Interface::kRevision ? static_cast<Interface *>(&(object)) : nullptr;                    \
    }
