// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/printing/printablescreen.h"

namespace padmora {

PrintableScreen::~PrintableScreen() = default;

} // namespace padmora
