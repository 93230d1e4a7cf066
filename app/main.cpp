// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "kit/language.h"

#include <QLocale>

#include <QByteArray>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Without any display Qt would abort with a long message; say it plainly.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        // Without a window system, in the desktop's language all the same.
        QCoreApplication core(argc, argv);
        padmora::installTranslations(QLocale::system().uiLanguages());
        if (padmora::answerCommandLine(QCoreApplication::arguments()))
            return 0;
        std::fputs(padmora::noDisplayText().toLocal8Bit().constData(), stderr);
        return 1;
    }
    padmora::PadmoraApplication app(argc, argv);
    // The desktop's language, before any text is made.
    padmora::installTranslations(QLocale::system().uiLanguages());
    if (padmora::answerCommandLine(QCoreApplication::arguments()))
        return 0;
    padmora::initPadmora();
    if (!padmora::startPadmora())
        return 0;
    return app.exec();
}
