// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lays a reading out on the pages of a printer, a PDF writer or the print
// preview, and paints it there: the heading on the first page, the blocks
// below it, "Page N of M" at the foot of every page. Everything is painted
// at the device's own resolution, on white paper in the reading's own
// colours, whatever the desktop's palette.

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>

class QPagedPaintDevice;

namespace padmora {

class PrintableReading;

inline constexpr double kPrintMarginMm = 15;

// The paper of the user's country: Letter where US measures are used, A4
// everywhere else.
QPageSize localPageSize(const QLocale &locale = QLocale());
// How every reading is printed: that paper, upright, 15 mm margins.
QPageLayout readingPageLayout(const QPageSize &size);

// Paints the reading onto the device's pages in its present page layout;
// the number of pages painted, 0 when the device cannot be painted on.
int paintReading(const PrintableReading &reading, QPagedPaintDevice &device);

// "Page 2 of 5"
QString pageFooter(int page, int pages);

} // namespace padmora
