// SPDX-License-Identifier: GPL-3.0-or-later
// Where a Padmora program finds its modules (kit/modules.h), seen from the
// folder this probe lies in; tests/installed_tree.sh puts it beside the
// installed program.
//
//   padmora_moduleprobe <name>...
//       prints "folder <module folder>", then for each module "<name> ok"
//       when libpadmora-<name>.so loads from there and has its entry point,
//       else "<name> <why>".

#include "kit/modules.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <dlfcn.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = padmora::moduleFolder();
    std::printf("folder %s\n", qPrintable(folder));
    for (const QString &name : app.arguments().mid(1)) {
        const QString path = folder + QStringLiteral("/libpadmora-") + name + QStringLiteral(".so");
        void *handle = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        const char *why = handle ? (::dlsym(handle, padmora::kModuleEntry) ? nullptr : "has no entry point")
                                 : ::dlerror();
        std::printf("%s %s\n", qPrintable(name), why ? why : "ok");
    }
    return 0;
}
