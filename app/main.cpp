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
        std::fputs("padmora: no display found (DISPLAY and WAYLAND_DISPLAY are unset); "
                   "start Padmora from a graphical desktop session.\n",
                   stderr);
        return 1;
    }
    padmora::PadmoraApplication app(argc, argv);
    // The desktop's language, before any text is made.
    padmora::installTranslations(QLocale::system().uiLanguages());
    padmora::initPadmora();
    if (!padmora::startPadmora())
        return 0;
    return app.exec();
}
