// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/reportwriter.h"

#include "kit/linebreak.h"

#include <QTextCharFormat>
#include <QTextDocument>

namespace padmora {

QColor paletteColour(PaletteColour colour)
{
    switch (colour) {
    case PaletteColour::Teal:
        return QColor(0, 128, 128);
    case PaletteColour::DarkRed:
        return QColor(128, 0, 0);
    case PaletteColour::Black:
        break;
    }
    return QColor(0, 0, 0);
}

ReportWriter::ReportWriter(QTextDocument *document) : m_cursor(document)
{
    m_cursor.movePosition(QTextCursor::End);
    m_cursor.beginEditBlock();
    // An empty document is written afresh: the report then reaches its
    // layout as a whole new document, which a view lays out a screenful at a
    // time (the rest follows while the program waits), not all at once.
    if (document && document->isEmpty())
        document->clear();
}

ReportWriter::~ReportWriter()
{
    m_cursor.endEditBlock();
}

void ReportWriter::run(const QString &text, bool bold, PaletteColour colour)
{
    if (m_cursor.isNull())
        return;
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(paletteColour(colour));
    const QStringList lines = text.split(kCrLf);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            m_cursor.insertBlock(QTextBlockFormat(), format);
        if (!lines[i].isEmpty())
            m_cursor.insertText(lines[i], format);
    }
    m_cursor.setCharFormat(format);
}

} // namespace padmora
