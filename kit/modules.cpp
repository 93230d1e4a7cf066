// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>

#include <dlfcn.h>

namespace padmora {

QString moduleFolder()
{
    const QString chosen = qEnvironmentVariable("PADMORA_MODULE_DIR");
    if (!chosen.isEmpty())
        return chosen;
    // Installed, the modules lie at a fixed place beside the program's folder.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                           + QStringLiteral(PADMORA_MODULE_RELATIVE_DIR));
}

void *loadModule(const QString &name, int revision, QString *why)
{
    struct Loaded {
        void *interface = nullptr;
        QString why;
    };
    static QHash<QString, Loaded> loaded;
    const QString path = moduleFolder() + QStringLiteral("/libpadmora-") + name + QStringLiteral(".so");
    const QString key = path + QLatin1Char('/') + QString::number(revision);
    auto it = loaded.find(key);
    if (it == loaded.end()) {
        Loaded result;
        // Loaded for good: what it hands out lives as long as the program.
        if (void *handle = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL)) {
            auto entry = reinterpret_cast<ModuleEntry>(::dlsym(handle, kModuleEntry));
            result.interface = entry ? entry(revision) : nullptr;
            if (!result.interface) {
                result.why = QStringLiteral("%1 belongs to another version of Padmora").arg(path);
                ::dlclose(handle);
            }
        } else {
            result.why = QStringLiteral("%1 cannot be loaded (%2)").arg(path, QString::fromLocal8Bit(::dlerror()));
        }
        it = loaded.insert(key, result);
    }
    if (why)
        *why = it->why;
    return it->interface;
}

} // namespace padmora
