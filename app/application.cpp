// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/mainwindow.h"

#include <QDir>
#include <QFont>
#include <QIcon>

static void initPadmoraResources()
{
    Q_INIT_RESOURCE(padmora);
    Q_INIT_RESOURCE(padmora_icon);
}

namespace padmora {

PadmoraApplication::PadmoraApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool PadmoraApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // A failing handler is skipped; nothing is reported.
        return false;
    }
}

QIcon padmoraIcon()
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icon"));
    for (const QString &file : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(file));
    return icon;
}

void initPadmora()
{
    initPadmoraResources();
    QCoreApplication::setApplicationName(QStringLiteral("Padmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.15"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Padmora"));
    // Every window shows the application's icon, the pictures rendered from
    // its SVG at build time.
    QGuiApplication::setWindowIcon(padmoraIcon());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    QApplication::setFont(font);
}

} // namespace padmora
