// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/gentlereturn.h"
#include "app/mainwindow.h"
#include "app/quitroutine.h"
#include "app/updatereminder.h"
#include "kit/desktop.h"
#include "kit/resume.h"

#include <QApplication>

namespace padmora {

namespace {
const QString kAlreadyRunning = QStringLiteral("Application is already running");
}

MainWindow *startPadmora()
{
    // Closing the main window leads to the farewell screen, and the program
    // ends only through the quit routine, never because no window is left.
    QApplication::setQuitOnLastWindowClosed(false);

    bool mayRun = true;
    step([&] { mayRun = desktop().claimSingleInstance(); });
    if (!mayRun) {
        step([] { desktop().message(kAlreadyRunning, MessageIcon::Information); });
        quitPadmora();
        return nullptr;
    }

    step([] { runUpdateReminder(); });
    step([] { runRetakeReminder(); });

    auto *main = new MainWindow;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->showMaximized();
    return main;
}

} // namespace padmora
