// SPDX-License-Identifier: GPL-3.0-or-later
// Where a Padmora program finds its modules (kit/modules.h), seen from the
// folder this probe lies in: the build puts it beside the build tree's
// program, and tests/installed_tree.sh copies it beside the installed one.
//
//   padmora_moduleprobe <name>...
//       prints "folder <module folder>", then for each module "<name> ok"
//       when libpadmora-<name>.so loads from there as the interface the
//       program wants of it, else "<name> <why>".

#include "journal/storebackend.h"
#include "kit/modules.h"
#include "kit/soundplayer.h"
#include "kit/speaker.h"
#include "reports/printing/printerdialogs.h"

#include <QCoreApplication>
#include <QHash>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The interface the program wants of each module.
    const QHash<QString, const char *> interfaces = {
        {padmora::journal::kStoreModuleName, qobject_interface_iid<padmora::journal::StoreModule *>()},
        {padmora::kPrinterModuleName, qobject_interface_iid<padmora::PrinterDialogs *>()},
        {padmora::kSoundModuleName, qobject_interface_iid<padmora::SoundPlayer *>()},
        {padmora::kSpeechModuleName, qobject_interface_iid<padmora::Speaker *>()},
    };
    std::printf("folder %s\n", qPrintable(padmora::moduleFolder()));
    for (const QString &name : app.arguments().mid(1)) {
        QString why = QStringLiteral("is no module the program knows");
        if (const char *iid = interfaces.value(name); iid && padmora::loadModule(name, iid, &why))
            why = QStringLiteral("ok");
        std::printf("%s %s\n", qPrintable(name), qPrintable(why));
    }
    return 0;
}
