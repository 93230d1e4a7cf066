// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a rich-text report back as runs (text, bold, colour), and builds the
// runs a report should hold, so both can be compared piece by piece.

#include "reports/reportwriter.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace padmora::testing {

struct Run {
    QString text;
    bool bold;
    QColor colour;
    bool operator==(const Run &o) const { return text == o.text && bold == o.bold && colour == o.colour; }
};

inline QString describe(const Run &r)
{
    return QStringLiteral("[%1|%2|%3]").arg(r.text, r.bold ? QStringLiteral("bold") : QStringLiteral("regular"),
                                           r.colour.name());
}

// The document's fragments, a paragraph break standing as the run "\r\n"
// (in the style of the text before it).
inline QList<Run> runsOf(const QTextDocument *doc)
{
    QList<Run> runs;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (block != doc->begin())
            runs.append({QStringLiteral("\r\n"), false, QColor()});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            runs.append({f.text(), f.charFormat().fontWeight() >= QFont::Bold, f.charFormat().foreground().color()});
        }
    }
    return runs;
}

// Expected runs as written; turned into the same shape as runsOf.
class ExpectedRuns {
public:
    void add(const QString &text, bool bold, PaletteColour colour)
    {
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                m_runs.append({QStringLiteral("\r\n"), false, QColor()});
            if (lines[i].isEmpty())
                continue;
            const Run r{lines[i], bold, paletteColour(colour)};
            // Neighbours in one paragraph with one style are one fragment.
            if (!m_runs.isEmpty() && m_runs.last().text != QStringLiteral("\r\n") && m_runs.last().bold == r.bold
                && m_runs.last().colour == r.colour)
                m_runs.last().text += r.text;
            else
                m_runs.append(r);
        }
    }
    QList<Run> runs() const
    {
        // The document's last paragraph is the one after the final break.
        QList<Run> out = m_runs;
        return out;
    }

private:
    QList<Run> m_runs;
};

// The first run where two lists differ, for a readable failure.
inline QString firstDifference(const QList<Run> &actual, const QList<Run> &expected)
{
    const qsizetype n = std::max(actual.size(), expected.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QString a = i < actual.size() ? describe(actual[i]) : QStringLiteral("(none)");
        const QString e = i < expected.size() ? describe(expected[i]) : QStringLiteral("(none)");
        if (a != e)
            return QStringLiteral("run %1: got %2, want %3").arg(i).arg(a, e);
    }
    return QString();
}

} // namespace padmora::testing
