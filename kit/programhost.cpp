// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/programhost.h"

namespace padmora {

namespace {
ProgramHost *g_current = nullptr;
}

ProgramHost::~ProgramHost()
{
    if (g_current == this)
        g_current = nullptr;
}

ProgramHost *ProgramHost::current()
{
    return g_current;
}

void ProgramHost::setCurrent(ProgramHost *host)
{
    g_current = host;
}

void showWelcomePanel(bool visible)
{
    if (ProgramHost *host = ProgramHost::current())
        host->setWelcomeVisible(visible);
}

Form *openProgramScreen(const QString &name, bool show)
{
    ProgramHost *host = ProgramHost::current();
    return host ? host->openScreen(name, show) : nullptr;
}

} // namespace padmora
