// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/gentlereturn.h"
#include "app/mainwindow.h"
#include "app/quitroutine.h"
#include "app/updatereminder.h"
#include "kit/desktop.h"
#include "kit/product.h"
#include "kit/resume.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace padmora {

bool answerCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Self-assessment of the seven chakras: a chakra test, a chakras "
                                                   "tarot and an astrology reading, with a private journal.")
        + QLatin1Char('\n')
        + QCoreApplication::translate("CommandLine", "Padmora opens its window in a graphical desktop session; "
                                                     "it takes no other arguments."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("CommandLine", "Shows the version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    // Arguments it does not know are ignored, as they always were.
    parser.parse(arguments);
    QString answer;
    if (parser.isSet(help))
        answer = parser.helpText();
    else if (parser.isSet(version))
        answer = kProductCaption + QLatin1Char('\n');
    if (answer.isEmpty())
        return false;
    std::fputs(answer.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    return true;
}

QString noDisplayText()
{
    return QCoreApplication::translate("CommandLine", "padmora: no display found (DISPLAY and WAYLAND_DISPLAY are "
                                                      "unset); start Padmora from a graphical desktop session.")
           + QLatin1Char('\n');
}

MainWindow *startPadmora()
{
    // Closing the main window leads to the farewell screen, and the program
    // ends only through the quit routine, never because no window is left.
    QApplication::setQuitOnLastWindowClosed(false);

    bool mayRun = true;
    step([&] { mayRun = desktop().claimSingleInstance(); });
    if (!mayRun) {
        step([] { desktop().message(QCoreApplication::translate("Startup", "Application is already running"), MessageIcon::Information); });
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
