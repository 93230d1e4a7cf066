// SPDX-License-Identifier: GPL-3.0-or-later
// Makes Padmora's pseudo-translation at build time: every text of a catalogue
// comes back as itself, marked at both ends, with accented letters and about
// two fifths longer, so that a run with it shows at a glance which texts are
// not translatable yet and which have no room to grow.
//
//   padmora_pseudotr <catalogue.ts> <pseudo.ts>
//       reads every message of the catalogue (every context, plural ones too)
//       and writes the same messages, each translated:
//       "Next Chakra" -> "⟦Nééxt Çháákrá~⟧"
//
// Kept as they are: %1..%99, %L1 and %n, a mnemonic's & with its letter
// (&& too), HTML tags and entities, line breaks and the blanks before and
// after a text. Nothing in it depends on the clock or on chance: every build
// writes the same bytes.

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

const QString kOpen = QStringLiteral("\u27e6");
const QString kClose = QStringLiteral("\u27e7");

QChar accented(QChar c)
{
    static const QString plain = QStringLiteral("aeiouycnAEIOUYCN");
    static const QString marked = QStringLiteral("áéíöüýçñÁÉÍÖÜÝÇÑ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? c : marked.at(at);
}

bool isVowel(QChar c)
{
    return QStringLiteral("aeiouAEIOU").contains(c);
}

// A word of letters, accented and two fifths longer: its first vowels are
// doubled, and where it has too few a tilde makes up the rest.
QString stretchedWord(const QString &word)
{
    qsizetype extra = (word.size() * 2 + 2) / 5;
    QString out;
    for (QChar c : word) {
        out += accented(c);
        if (extra > 0 && isVowel(c)) {
            out += accented(c);
            --extra;
        }
    }
    return out + QString(extra, QLatin1Char('~'));
}

// The length of what starts at `at` and must stay as it is, or 0.
qsizetype keptRunAt(const QString &text, qsizetype at)
{
    const qsizetype n = text.size();
    const QChar c = text.at(at);
    auto isAt = [&](qsizetype i, auto pred) { return i < n && pred(text.at(i)); };
    auto digit = [](QChar d) { return d.isDigit(); };
    if (c == QLatin1Char('%')) {
        qsizetype i = at + 1;
        if (i < n && (text.at(i) == QLatin1Char('n') || text.at(i) == QLatin1Char('%')))
            return 2;
        if (i < n && text.at(i) == QLatin1Char('L'))
            ++i;
        const qsizetype digits = i;
        while (isAt(i, digit) && i - digits < 2)
            ++i;
        return i > digits ? i - at : 0;
    }
    if (c == QLatin1Char('&')) {
        // An entity (&amp; &#233; &#xe9;), a doubled ampersand, or a mnemonic
        // with its letter.
        qsizetype i = at + 1;
        if (i < n && text.at(i) == QLatin1Char('#'))
            ++i;
        const qsizetype name = i;
        while (i < n && text.at(i).isLetterOrNumber())
            ++i;
        if (i > name && i < n && text.at(i) == QLatin1Char(';'))
            return i + 1 - at;
        if (at + 1 < n && (text.at(at + 1) == QLatin1Char('&') || !text.at(at + 1).isSpace()))
            return 2;
        return 1;
    }
    if (c == QLatin1Char('<') && at + 1 < n
        && (text.at(at + 1).isLetter() || text.at(at + 1) == QLatin1Char('/') || text.at(at + 1) == QLatin1Char('!'))) {
        const qsizetype end = text.indexOf(QLatin1Char('>'), at);
        return end < 0 ? 0 : end + 1 - at;
    }
    return 0;
}

QString pseudo(const QString &source)
{
    qsizetype first = 0;
    qsizetype last = source.size();
    while (first < last && source.at(first).isSpace())
        ++first;
    while (last > first && source.at(last - 1).isSpace())
        --last;
    if (first == last)
        return source;
    QString out = source.left(first) + kOpen;
    QString word;
    for (qsizetype i = first; i < last;) {
        if (const qsizetype kept = keptRunAt(source, i)) {
            out += stretchedWord(word) + source.mid(i, kept);
            word.clear();
            i += kept;
        } else if (source.at(i).isLetter() && source.at(i).unicode() < 128) {
            word += source.at(i++);
        } else {
            out += stretchedWord(word) + source.at(i++);
            word.clear();
        }
    }
    out += stretchedWord(word);
    // Words between numbers and signs grow little: tildes make up the rest.
    const qsizetype wanted = first + 1 + (last - first) * 7 / 5;
    if (out.size() < wanted)
        out += QString(wanted - out.size(), QLatin1Char('~'));
    return out + kClose + source.mid(last);
}

// A text of the catalogue: characters, with control characters other than a
// line break or tab written as <byte value="xd"/>, since XML would not keep them.
QString readText(QXmlStreamReader &reader)
{
    QString text;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters()) {
            text += reader.text();
        } else if (reader.isStartElement() && reader.name() == QLatin1String("byte")) {
            const QString value = reader.attributes().value(QStringLiteral("value")).toString();
            bool ok = false;
            const uint code = value.startsWith(QLatin1Char('x')) ? value.mid(1).toUInt(&ok, 16) : value.toUInt(&ok, 10);
            if (ok)
                text += QChar(char16_t(code));
            reader.skipCurrentElement();
        } else if (reader.isEndElement()) {
            break;
        }
    }
    return text;
}

void writeText(QXmlStreamWriter &writer, const QString &name, const QString &text)
{
    writer.writeStartElement(name);
    QString run;
    for (QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t')) {
            writer.writeCharacters(run);
            run.clear();
            writer.writeEmptyElement(QStringLiteral("byte"));
            writer.writeAttribute(QStringLiteral("value"), QStringLiteral("x") + QString::number(c.unicode(), 16));
        } else {
            run += c;
        }
    }
    writer.writeCharacters(run);
    writer.writeEndElement();
}

struct Message {
    QString source;
    QString comment;
    QString extraComment;
    bool numerus = false;
};

bool convert(QFile &in, QSaveFile &out)
{
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    Message message;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const auto name = reader.name();
            if (name == QLatin1String("TS")) {
                // The catalogue's own language, so that plural texts have the forms it counts.
                writer.writeAttribute(QStringLiteral("language"), reader.attributes().value(QStringLiteral("language")).toString());
            } else if (name == QLatin1String("context")) {
                writer.writeStartElement(QStringLiteral("context"));
            } else if (name == QLatin1String("name")) {
                writer.writeTextElement(QStringLiteral("name"), reader.readElementText());
            } else if (name == QLatin1String("message")) {
                message = Message{};
                message.numerus = reader.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                message.source = readText(reader);
            } else if (name == QLatin1String("comment")) {
                message.comment = readText(reader);
            } else if (name == QLatin1String("extracomment")) {
                message.extraComment = readText(reader);
            }
        } else if (reader.isEndElement()) {
            const auto name = reader.name();
            if (name == QLatin1String("context")) {
                writer.writeEndElement();
            } else if (name == QLatin1String("message")) {
                writer.writeStartElement(QStringLiteral("message"));
                if (message.numerus)
                    writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
                writeText(writer, QStringLiteral("source"), message.source);
                if (!message.comment.isEmpty())
                    writeText(writer, QStringLiteral("comment"), message.comment);
                if (!message.extraComment.isEmpty())
                    writeText(writer, QStringLiteral("extracomment"), message.extraComment);
                if (message.numerus) {
                    writer.writeStartElement(QStringLiteral("translation"));
                    // German counts one and many.
                    writeText(writer, QStringLiteral("numerusform"), pseudo(message.source));
                    writeText(writer, QStringLiteral("numerusform"), pseudo(message.source));
                    writer.writeEndElement();
                } else if (message.comment == QLatin1String("date format")) {
                    // A form for QDate::toString, not a text: kept, so that the
                    // dates it writes stay dates.
                    writeText(writer, QStringLiteral("translation"), message.source);
                } else {
                    writeText(writer, QStringLiteral("translation"), pseudo(message.source));
                }
                writer.writeEndElement();
            }
        }
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    if (reader.hasError()) {
        std::fprintf(stderr, "padmora_pseudotr: %s at line %lld\n", qPrintable(reader.errorString()),
                     static_cast<long long>(reader.lineNumber()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: padmora_pseudotr <catalogue.ts> <pseudo.ts>\n");
        return 2;
    }
    QFile in(args.at(1));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "padmora_pseudotr: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QSaveFile out(args.at(2));
    if (!out.open(QIODevice::WriteOnly) || !convert(in, out) || !out.commit()) {
        std::fprintf(stderr, "padmora_pseudotr: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
