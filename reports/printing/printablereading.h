// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reading as it goes on paper. Every printed reading opens with a heading
// (the program, when the reading was taken, the product's name and version);
// then come its blocks in order: titles, drawings, reports, cards and facts.
// A screen that shows a reading describes it with one of these; the printing
// code lays it out on pages and knows nothing of the programs.

#include <QDateTime>
#include <QList>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>
#include <variant>
#include <vector>

class QPainter;
class QTextDocument;

namespace padmora {

// A line of bold text that heads what follows it.
struct PrintedTitle {
    QString text;
};

// A drawing at its own size, in twips, painted by a routine whose painter
// counts in twips: the same routine draws it at any resolution.
struct PrintedDrawing {
    QSizeF twips;
    std::function<void(QPainter &)> paint;
};

// A report with its formatting, as a copy of the document it was written into.
struct PrintedDocument {
    std::shared_ptr<const QTextDocument> document;
};

// A caption and the text beside it: one row of a table.
struct PrintedFact {
    QString caption;
    QString text;
};

// A card: its picture beside its title, name and captioned texts.
struct PrintedCard {
    QString picture;  // resource path of an SVG picture
    QString title;    // over the name, in the card pages' purple
    QString name;     // in the card pages' teal
    QList<PrintedFact> rows;
};

// Captioned facts in a table, with a picture beside them.
struct PrintedFacts {
    QList<PrintedFact> rows;
    QString picture;  // resource path of an SVG picture; may be empty
};

class PrintableReading {
public:
    using Block = std::variant<PrintedTitle, PrintedDrawing, PrintedDocument, PrintedCard, PrintedFacts>;

    // program: the program's name ("Zazeder Izorudav"); topic: what the
    // reading is, in a few lower-case words ("chakra test"), for the heading
    // and the name proposed for its PDF.
    PrintableReading(const QString &program, const QString &topic, const QDateTime &takenAt);

    const QString &program() const { return m_program; }
    const QString &topic() const { return m_topic; }
    const QDateTime &takenAt() const { return m_takenAt; }

    void addTitle(const QString &text);
    void addDrawing(const QSizeF &twips, std::function<void(QPainter &)> paint);
    // Keeps a copy of the document as it is now, formatting and all.
    void addDocument(const QTextDocument &document);
    void addCard(const PrintedCard &card);
    void addFacts(const QList<PrintedFact> &rows, const QString &picture);

    const std::vector<Block> &blocks() const { return m_blocks; }

    // The heading's second line: the topic and when the reading was taken,
    // in the user's language ("Chakra test, Tuesday, 8 December 2026, 14:05").
    QString takenLine() const;
    // "Padmora chakra test 2026-12-08.pdf"
    QString proposedPdfName() const;
    // "Zazeder Izorudav, Tuesday, 8 December 2026, 14:05": the PDF's title.
    QString documentTitle() const;

private:
    QString m_program;
    QString m_topic;
    QDateTime m_takenAt;
    std::vector<Block> m_blocks;
};

} // namespace padmora
