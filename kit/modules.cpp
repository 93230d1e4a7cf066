// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonObject>
#include <QPluginLoader>

namespace padmora {

namespace {

// True when the program runs from the build tree: its own folder is the one
// the build puts the program in.
bool runsFromTheBuildTree()
{
    const QString own = QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath();
    return !own.isEmpty() && own == QFileInfo(QStringLiteral(PADMORA_BUILD_PROGRAM_DIR)).canonicalFilePath();
}

// Why Qt could not load a module, as a part of a sentence.
QString reasonOf(const QPluginLoader &loader)
{
    QString reason = loader.errorString();
    if (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    return reason;
}

} // namespace

QString moduleFolder()
{
    const QString chosen = qEnvironmentVariable("PADMORA_MODULE_DIR");
    if (!chosen.isEmpty())
        return QDir(chosen).absolutePath();
    if (runsFromTheBuildTree())
        return QStringLiteral(PADMORA_MODULE_BUILD_DIR);
    // Installed, the modules lie at a fixed place beside the program's folder.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                           + QStringLiteral(PADMORA_MODULE_RELATIVE_DIR));
}

QObject *loadModule(const QString &name, const char *iid, QString *why)
{
    struct Loaded {
        QPluginLoader *loader = nullptr;
        QObject *root = nullptr;
        QString why;
    };
    // Kept for the run and never destroyed: a module stays loaded until the
    // program ends, and so do the objects it has handed out.
    static auto &loaded = *new QHash<QString, Loaded>;
    const QString path = moduleFolder() + QStringLiteral("/libpadmora-") + name + QStringLiteral(".so");
    const QString wanted = QString::fromLatin1(iid);
    const QString key = path + QLatin1Char('\n') + wanted;
    auto it = loaded.find(key);
    if (it == loaded.end()) {
        Loaded result;
        auto *loader = new QPluginLoader(path);
        // Every symbol resolved now, and never unloaded.
        loader->setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::PreventUnloadHint);
        // The interface it implements is read from its metadata before
        // anything of it is loaded; Qt says why when there is none.
        const QString implemented = loader->metaData().value(QLatin1String("IID")).toString();
        if (implemented.isEmpty() || (implemented == wanted && !loader->load())) {
            //: %1 is the module's file, %2 why the loader refused it.
            result.why = QCoreApplication::translate("Modules", "%1 cannot be loaded (%2)").arg(path, reasonOf(*loader));
        } else if (implemented != wanted) {
            //: %1 is the module's file.
            result.why = QCoreApplication::translate("Modules", "%1 belongs to another version of Padmora").arg(path)
                         + QLatin1Char(' ')
                         + QCoreApplication::translate("Modules", "(it implements %1, not %2)")
                               .arg(implemented, wanted);
        } else if (QObject *root = loader->instance(); root && root->qt_metacast(iid)) {
            result.loader = loader;
            result.root = root;
        } else {
            result.why = QCoreApplication::translate("Modules", "%1 cannot be loaded (%2)")
                             .arg(path, QCoreApplication::translate("Modules", "its object does not implement %1")
                                            .arg(wanted));
        }
        if (!result.root)
            delete loader;
        it = loaded.insert(key, result);
    }
    if (why)
        *why = it->why;
    return it->root;
}

} // namespace padmora
