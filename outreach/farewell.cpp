#include "outreach/farewell.h"

#include <QCoreApplication>

namespace padmora {

void showFarewellScreen()
{
    QCoreApplication::quit();
}

} // namespace padmora
