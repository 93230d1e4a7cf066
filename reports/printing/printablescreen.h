// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A screen that shows a reading and can hand it over for printing. The
// main window's print commands act on the active screen through this; the
// screen says readingChanged() (kit/form.h) when its reading comes or goes.

#include "reports/printing/printablereading.h"

#include <optional>

namespace padmora {

class PrintableScreen {
public:
    virtual ~PrintableScreen();

    // True while the screen shows a reading that can be printed.
    virtual bool showsReading() const = 0;
    // The reading on show as it prints; nothing while none shows.
    virtual std::optional<PrintableReading> printableReading() const = 0;
};

} // namespace padmora
