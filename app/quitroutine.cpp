// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quitroutine.h"

#include "kit/resume.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace padmora {

namespace {

bool g_quitting = false;

void leaveEventLoops()
{
    // exit() leaves the main loop and every nested one (a modal dialog's too),
    // and no loop started afterwards runs.
    QCoreApplication::exit(0);
}

ProgramEnd &programEnd()
{
    static ProgramEnd end = leaveEventLoops;
    return end;
}

} // namespace

bool isQuitting()
{
    return g_quitting;
}

ProgramEnd setProgramEnd(ProgramEnd end)
{
    ProgramEnd previous = std::move(programEnd());
    programEnd() = end ? std::move(end) : ProgramEnd(leaveEventLoops);
    return previous;
}

void quitPadmora()
{
    // A window whose unload handler itself ends the program lands here again.
    if (g_quitting)
        return;
    g_quitting = true;
    QList<QPointer<QWidget>> open;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isWindow() && w->isVisible())
            open.append(w);
    for (const QPointer<QWidget> &w : open)
        step([&] {
            if (w && w->isVisible())
                w->close();
        });
    g_quitting = false;
    // Whatever windows or handlers are left, the program stops now.
    const ProgramEnd end = programEnd();
    step([&] { end(); });
}

} // namespace padmora
