// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/leaving.h"

#include "app/quitroutine.h"
#include "kit/resume.h"
#include "outreach/farewell.h"

namespace padmora {

void showFarewellScreen()
{
    // The quit routine closing the main window ends the program without one.
    if (isQuitting())
        return;
    step([] {
        if (FarewellScreen *screen = createFarewellScreen())
            QObject::connect(screen, &FarewellScreen::left, screen, [] { quitPadmora(); });
    });
    const FarewellScreen *screen = farewellScreen();
    if (!screen || !screen->isVisible())
        quitPadmora();
}

} // namespace padmora
