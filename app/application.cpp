// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/gentlereturn.h"
#include "app/journalshell.h"
#include "app/mainwindow.h"
#include "app/practiceshell.h"
#include "app/windowicon.h"
#include "kit/accessibility.h"
#include "kit/keyboard.h"
#include "kit/sharedmenus.h"
#include "kit/style.h"
#include "outreach/aboutbox.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>

static void initPadmoraResources()
{
    Q_INIT_RESOURCE(padmora);
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

namespace {

// Padmora's icon at every size compiled into the program. Made once, as the
// application's icon: every window shows that one.
QIcon padmoraIcon()
{
    QIcon icon;
    for (const IconPicture &picture : windowIconPictures())
        icon.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(picture.pixels), picture.size,
                                                 picture.size, QImage::Format_ARGB32_Premultiplied)));
    return icon;
}

} // namespace

void initPadmora()
{
    initPadmoraResources();
    QCoreApplication::setApplicationName(QStringLiteral("Padmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.15"));
    // No display name: the desktop would append it to every window title.
    // The installed desktop entry is named after the application id; the
    // desktop finds the running window's name and icon through it.
    QGuiApplication::setDesktopFileName(QStringLiteral(PADMORA_APP_ID));
    // Every window shows the application's icon, the pictures rendered from
    // its SVG at build time.
    QGuiApplication::setWindowIcon(padmoraIcon());
    QApplication::setStyle(new PadmoraStyle);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    QApplication::setFont(font);
    installKeyboardSupport();
    installAccessibility();
    setAboutBoxCommand(&showAboutBox);
    registerJournalOpeners();
    registerLatestReadingKeeper();
    registerPracticeSettings();
}

} // namespace padmora
