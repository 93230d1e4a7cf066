// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a report as runs of text, each bold or not and in one colour of the
// classic palette, at the end of a rich-text document. CR LF in a run starts
// a new paragraph.

#include <QColor>
#include <QTextCursor>

class QTextDocument;

namespace padmora {

enum class PaletteColour { Black = 0, Teal = 3, DarkRed = 4 };

QColor paletteColour(PaletteColour colour);

// One writer writes one report as one edit: whoever watches the document
// (its layout, the link detection of a result view) hears of the report once,
// when the writer goes, instead of once for every run.
class ReportWriter {
public:
    // Starts at the end of what the document holds.
    explicit ReportWriter(QTextDocument *document);
    ~ReportWriter();
    ReportWriter(const ReportWriter &) = delete;
    ReportWriter &operator=(const ReportWriter &) = delete;

    void run(const QString &text, bool bold, PaletteColour colour);

private:
    QTextCursor m_cursor;
};

} // namespace padmora
