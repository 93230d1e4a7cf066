// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/printing/readingprinter.h"

#include "kit/product.h"
#include "reports/printing/pagination.h"
#include "reports/printing/printablereading.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>

namespace padmora {

namespace {

const QColor kInkColour(0, 0, 0);
const QColor kQuietInk(64, 64, 64);
const QColor kRuleColour(160, 160, 160);
const QColor kRowRuleColour(215, 215, 215);
// The card pages' own colours.
const QColor kCardTitleColour(128, 0, 128);
const QColor kCardNameColour(0, 128, 128);

// Type sizes, in points.
constexpr double kProgramSize = 18;
constexpr double kProductSize = 10;
constexpr double kTakenSize = 11;
constexpr double kTitleSize = 13;
constexpr double kBodySize = 10;
constexpr double kFooterSize = 8;

// Black ink on white paper, whatever the desktop's palette: what a
// document draws in the colour of its text or its links.
QPalette paperPalette()
{
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, kInkColour);
        palette.setColor(group, QPalette::WindowText, kInkColour);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Window, Qt::white);
        palette.setColor(group, QPalette::Link, QColor(0, 0, 255));
        palette.setColor(group, QPalette::LinkVisited, QColor(0, 0, 255));
    }
    return palette;
}

QFont typeface(double points, bool bold = false)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A line of the heading at its own size (no palette, no document).
struct HeadingLine {
    QFont font;
    double height;
};

// One piece of the column, and how it paints.
struct Piece {
    PieceSize size;
    // A run of lines of a laid-out document, from documentTop down, painted
    // with the lines after it that share its page.
    const QTextDocument *document = nullptr;
    double documentTop = 0;
    // Any other piece paints itself, given its top on the page.
    std::function<void(QPainter &, double top)> paint;
};

void drawDocument(QPainter &painter, const QTextDocument &document, double left, double top, double from,
                  double height)
{
    painter.save();
    painter.translate(left, top - from);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = paperPalette();
    const QRectF lines(0, from, document.textWidth(), height);
    painter.setClipRect(lines);
    // The layout paints every paragraph that the clip touches, and what a
    // clip hides still stands in a PDF's text: the lines just outside stay out.
    context.clip = lines.adjusted(0, 1, 0, -1);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

void drawPicture(QPainter &painter, const QString &path, const QRectF &area)
{
    if (path.isEmpty())
        return;
    QSvgRenderer picture(path);
    if (picture.isValid())
        picture.render(&painter, area);
}

// A line in bold from end to end: a heading in a report, kept with what follows it.
bool isHeading(const QTextBlock &block)
{
    if (block.text().trimmed().isEmpty())
        return false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.isValid() && !fragment.text().trimmed().isEmpty()
            && fragment.charFormat().fontWeight() < QFont::Bold)
            return false;
    }
    return true;
}

// The reading cut into pieces at the device's resolution.
class Column {
public:
    Column(QPaintDevice &device, double width) : m_device(device), m_width(width), m_dpi(device.logicalDpiY()) {}

    double points(double pt) const { return pt * m_dpi / 72.0; }
    double millimetres(double mm) const { return mm * m_dpi / 25.4; }
    double fromTwips(double twips) const { return twips * m_dpi / 1440.0; }

    void addHeading(const PrintableReading &reading);
    void addBlock(const PrintableReading::Block &block);

    std::vector<Piece> pieces;

private:
    void add(const PrintedTitle &title);
    void add(const PrintedDrawing &drawing);
    void add(const PrintedDocument &document);
    void add(const PrintedCard &card);
    void add(const PrintedFacts &facts);

    // A document of the column's own, laid out at this device's resolution.
    QTextDocument *newDocument(double width);
    // A paragraph with room above it, in points.
    void addParagraph(QTextCursor &cursor, const QString &text, const QFont &font, const QColor &colour,
                      double pointsAbove, bool first) const;
    // A paragraph's margins count in the screen's pixels, scaled to the device
    // the document is laid out for: how many device pixels one of them is.
    double marginScale();

    QPaintDevice &m_device;
    double m_width;
    double m_dpi;
    double m_marginScale = 0;
    // The column's pieces paint from these as long as it lives.
    std::vector<std::unique_ptr<QTextDocument>> m_documents;
};

QTextDocument *Column::newDocument(double width)
{
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    document->setDocumentMargin(0);
    document->documentLayout()->setPaintDevice(&m_device);
    document->setDefaultFont(typeface(kBodySize));
    document->setTextWidth(width);
    m_documents.push_back(std::move(document));
    return m_documents.back().get();
}

double Column::marginScale()
{
    if (m_marginScale > 0)
        return m_marginScale;
    // Two lines laid out without and with a margin between them.
    constexpr double kProbe = 1000;
    QTextDocument probe;
    probe.setDocumentMargin(0);
    probe.documentLayout()->setPaintDevice(&m_device);
    probe.setTextWidth(m_width);
    QTextCursor cursor(&probe);
    cursor.insertText(QStringLiteral("x"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("x"));
    const double plain = probe.documentLayout()->documentSize().height();
    QTextBlockFormat format;
    format.setTopMargin(kProbe);
    cursor.setBlockFormat(format);
    const double spaced = probe.documentLayout()->documentSize().height();
    m_marginScale = spaced > plain ? (spaced - plain) / kProbe : 1.0;
    return m_marginScale;
}

void Column::addParagraph(QTextCursor &cursor, const QString &text, const QFont &font, const QColor &colour,
                          double pointsAbove, bool first) const
{
    QTextBlockFormat block;
    block.setTopMargin(points(pointsAbove) / m_marginScale);
    QTextCharFormat characters;
    characters.setFont(font);
    characters.setForeground(colour);
    if (first) {
        cursor.setBlockFormat(block);
        cursor.setBlockCharFormat(characters);
    } else {
        cursor.insertBlock(block, characters);
    }
    cursor.insertText(text, characters);
}

void Column::addHeading(const PrintableReading &reading)
{
    const QFont programFont = typeface(kProgramSize, true);
    const QFont productFont = typeface(kProductSize);
    const QFont takenFont = typeface(kTakenSize);
    const QFontMetricsF program(programFont, &m_device);
    const QFontMetricsF product(productFont, &m_device);
    const QFontMetricsF taken(takenFont, &m_device);
    const double gap = points(4);
    const double rule = points(0.75);
    const double height = program.height() + taken.height() + gap + rule + points(2);
    const double width = m_width;
    const QString programName = reading.program();
    const QString takenLine = reading.takenLine();
    Piece piece;
    piece.size = {height, 0, true, false};
    piece.paint = [=](QPainter &painter, double top) {
        painter.save();
        painter.setPen(kInkColour);
        painter.setFont(programFont);
        const double baseline = top + program.ascent();
        painter.drawText(QPointF(0, baseline), programName);
        painter.setFont(productFont);
        painter.setPen(kQuietInk);
        painter.drawText(QPointF(width - product.horizontalAdvance(kProductCaption), baseline), kProductCaption);
        painter.setFont(takenFont);
        painter.setPen(kInkColour);
        painter.drawText(QPointF(0, top + program.height() + taken.ascent()), takenLine);
        const double ruleTop = top + program.height() + taken.height() + gap;
        painter.fillRect(QRectF(0, ruleTop, width, rule), kRuleColour);
        painter.restore();
    };
    pieces.push_back(std::move(piece));
}

void Column::addBlock(const PrintableReading::Block &block)
{
    std::visit([this](const auto &b) { add(b); }, block);
}

void Column::add(const PrintedTitle &title)
{
    const QFont font = typeface(kTitleSize, true);
    const QFontMetricsF metrics(font, &m_device);
    const QString text = title.text;
    const double width = m_width;
    Piece piece;
    piece.size = {metrics.height() + points(3), points(12), true, false};
    piece.paint = [=](QPainter &painter, double top) {
        painter.save();
        painter.setPen(kInkColour);
        painter.setFont(font);
        painter.drawText(QRectF(0, top, width, metrics.height()), Qt::AlignLeft | Qt::AlignTop, text);
        painter.restore();
    };
    pieces.push_back(std::move(piece));
}

void Column::add(const PrintedDrawing &drawing)
{
    if (!drawing.paint || drawing.twips.isEmpty())
        return;
    // At its own size, unless that is wider than the page.
    double scale = m_dpi / 1440.0;
    if (drawing.twips.width() * scale > m_width)
        scale = m_width / drawing.twips.width();
    const double width = drawing.twips.width() * scale;
    const double height = drawing.twips.height() * scale;
    const double left = (m_width - width) / 2;
    const auto paint = drawing.paint;
    const QSizeF size = drawing.twips;
    Piece piece;
    piece.size = {height, points(8), false, false};
    piece.paint = [=](QPainter &painter, double top) {
        painter.save();
        painter.translate(left, top);
        painter.scale(scale, scale);
        painter.setClipRect(QRectF(QPointF(0, 0), size));
        paint(painter);
        painter.restore();
    };
    pieces.push_back(std::move(piece));
}

void Column::add(const PrintedDocument &printed)
{
    if (!printed.document)
        return;
    std::unique_ptr<QTextDocument> copy(printed.document->clone());
    QTextDocument *document = copy.get();
    m_documents.push_back(std::move(copy));
    document->setUndoRedoEnabled(false);
    document->setDocumentMargin(0);
    document->documentLayout()->setPaintDevice(&m_device);
    QFont font = document->defaultFont();
    font.setPointSizeF(kBodySize);
    document->setDefaultFont(font);
    document->setTextWidth(m_width);
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    // Laid out to the end before the lines are read.
    layout->blockBoundingRect(document->lastBlock());
    const double end = layout->documentSize().height();

    struct Line {
        double top;
        bool heading;
        bool blank;
    };
    std::vector<Line> lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *text = block.layout();
        if (!text)
            continue;
        const bool heading = isHeading(block);
        const bool blank = block.text().trimmed().isEmpty();
        const double blockTop = text->position().y();
        for (int i = 0; i < text->lineCount(); ++i)
            lines.push_back({blockTop + text->lineAt(i).y(), heading, blank});
    }
    // A heading keeps the lines after it up to the first one with text.
    bool holding = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line &line = lines[i];
        const double bottom = i + 1 < lines.size() ? lines[i + 1].top : end;
        if (line.heading)
            holding = true;
        else if (!line.blank)
            holding = false;
        Piece piece;
        piece.size = {std::max(0.0, bottom - line.top), i == 0 ? points(6) : 0.0, holding, line.blank};
        piece.document = document;
        piece.documentTop = line.top;
        pieces.push_back(std::move(piece));
    }
}

void Column::add(const PrintedCard &card)
{
    const double pictureWidth = fromTwips(2160);
    const double pictureHeight = pictureWidth * 340 / 200;  // the cards' proportions
    const double gap = millimetres(6);
    marginScale();
    QTextDocument *text = newDocument(std::max(1.0, m_width - pictureWidth - gap));
    QTextCursor cursor(text);
    addParagraph(cursor, card.title, typeface(kTitleSize, true), kCardTitleColour, 0, true);
    addParagraph(cursor, card.name, typeface(kTitleSize - 1, true), kCardNameColour, 3, false);
    for (const PrintedFact &row : card.rows) {
        addParagraph(cursor, row.caption, typeface(kBodySize, true), kInkColour, 9, false);
        addParagraph(cursor, row.text, typeface(kBodySize), kInkColour, 2, false);
    }
    const double height = std::max(pictureHeight, text->documentLayout()->documentSize().height());
    const QString picture = card.picture;
    Piece piece;
    piece.size = {height, points(14), false, false};
    piece.paint = [=](QPainter &painter, double top) {
        drawPicture(painter, picture, QRectF(0, top, pictureWidth, pictureHeight));
        drawDocument(painter, *text, pictureWidth + gap, top, 0, text->documentLayout()->documentSize().height());
    };
    pieces.push_back(std::move(piece));
}

void Column::add(const PrintedFacts &facts)
{
    const double captionWidth = millimetres(32);
    const double gap = millimetres(5);
    const double pictureSize = facts.picture.isEmpty() ? 0 : millimetres(45);
    const double textLeft = captionWidth + gap;
    const double textWidth = std::max(1.0, m_width - textLeft - (pictureSize > 0 ? pictureSize + gap : 0));
    const double rowGap = points(5);
    const double rowRule = points(0.5);
    const double width = m_width;
    const std::size_t first = pieces.size();
    double total = 0;
    marginScale();
    for (qsizetype i = 0; i < facts.rows.size(); ++i) {
        const PrintedFact &row = facts.rows[i];
        QTextDocument *caption = newDocument(captionWidth);
        QTextCursor captionCursor(caption);
        addParagraph(captionCursor, row.caption, typeface(kBodySize, true), kInkColour, 0, true);
        QTextDocument *text = newDocument(textWidth);
        QTextCursor textCursor(text);
        addParagraph(textCursor, row.text, typeface(kBodySize), kInkColour, 0, true);
        const double height = std::max(caption->documentLayout()->documentSize().height(),
                                       text->documentLayout()->documentSize().height())
                              + 2 * rowGap;
        const bool firstRow = i == 0;
        const QString picture = facts.picture;
        Piece piece;
        // The rows of a table stay together on one page where they fit.
        piece.size = {height, firstRow ? points(8) : 0.0, i + 1 < facts.rows.size(), false};
        piece.paint = [=](QPainter &painter, double top) {
            if (!firstRow)
                painter.fillRect(QRectF(0, top, textLeft + textWidth, rowRule), kRowRuleColour);
            drawDocument(painter, *caption, 0, top + rowGap, 0, caption->documentLayout()->documentSize().height());
            drawDocument(painter, *text, textLeft, top + rowGap, 0, text->documentLayout()->documentSize().height());
            if (firstRow && pictureSize > 0)
                drawPicture(painter, picture, QRectF(width - pictureSize, top + rowGap, pictureSize, pictureSize));
        };
        total += height;
        pieces.push_back(std::move(piece));
    }
    // The picture beside the first rows ends within the table.
    if (pieces.size() > first && total < pictureSize + 2 * rowGap)
        pieces.back().size.height += pictureSize + 2 * rowGap - total;
}

} // namespace

QPageSize localPageSize(const QLocale &locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QPageLayout readingPageLayout(const QPageSize &size)
{
    return QPageLayout(size, QPageLayout::Portrait,
                       QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm),
                       QPageLayout::Millimeter);
}

QString pageFooter(int page, int pages)
{
    //: A printed page's footer: %1 is the page's number, %2 how many pages there are
    return QCoreApplication::translate("Printing", "Page %1 of %2").arg(page).arg(pages);
}

int paintReading(const PrintableReading &reading, QPagedPaintDevice &device)
{
    const int dpi = device.logicalDpiY();
    const QRect area = device.pageLayout().paintRectPixels(dpi);
    if (area.isEmpty())
        return 0;
    const QFont footerFont = typeface(kFooterSize);
    const QFontMetricsF footer(footerFont, &device);
    const double footerHeight = footer.height() + 4 * dpi / 25.4;
    const double bodyHeight = area.height() - footerHeight;

    Column column(device, area.width());
    column.addHeading(reading);
    for (const PrintableReading::Block &block : reading.blocks())
        column.addBlock(block);

    std::vector<PieceSize> sizes;
    sizes.reserve(column.pieces.size());
    for (const Piece &piece : column.pieces)
        sizes.push_back(piece.size);
    const std::vector<PiecePlace> places = paginate(sizes, bodyHeight);
    const int pages = pageCount(places);

    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    std::size_t next = 0;
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            return 0;
        while (next < column.pieces.size() && places[next].page == page) {
            const Piece &piece = column.pieces[next];
            const PiecePlace &place = places[next];
            if (!place.shown) {
                ++next;
                continue;
            }
            if (!piece.document) {
                piece.paint(painter, place.top);
                ++next;
                continue;
            }
            // The lines of one document that follow each other on this page
            // are painted in one go.
            double height = piece.size.height;
            std::size_t last = next;
            while (last + 1 < column.pieces.size() && places[last + 1].page == page && places[last + 1].shown
                   && column.pieces[last + 1].document == piece.document) {
                ++last;
                height = column.pieces[last].documentTop + column.pieces[last].size.height - piece.documentTop;
            }
            drawDocument(painter, *piece.document, 0, place.top, piece.documentTop, height);
            next = last + 1;
        }
        painter.save();
        painter.setFont(footerFont);
        painter.setPen(kQuietInk);
        painter.drawText(QRectF(0, area.height() - footer.height(), area.width(), footer.height()),
                         Qt::AlignHCenter | Qt::AlignBottom, pageFooter(page + 1, pages));
        painter.restore();
    }
    return painter.end() ? pages : 0;
}

} // namespace padmora
