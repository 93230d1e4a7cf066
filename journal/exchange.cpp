// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/exchange.h"

#include "chakras/catalogue.h"
#include "kit/desktop.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>
#include <QTimeZone>
#include <QUuid>

namespace padmora::journal {

namespace {

QJsonObject entryObject(const Reading &r)
{
    QJsonObject o;
    if (!r.uuid.isEmpty())
        o.insert(QStringLiteral("id"), r.uuid);
    o.insert(QStringLiteral("taken"), takenText(r.taken));
    o.insert(QStringLiteral("offset"), r.offsetSeconds);
    o.insert(QStringLiteral("program"), programKey(r.program));
    if (r.program == Program::Astrology) {
        o.insert(QStringLiteral("birthDate"), r.birthDate.toString(Qt::ISODate));
        o.insert(QStringLiteral("sign"), r.sign);
        o.insert(QStringLiteral("rulingPlanet"), r.rulingPlanet);
        o.insert(QStringLiteral("chakra"), r.chakraName);
    } else {
        QJsonArray questions, answers, scores;
        for (int q : r.questionOrder)
            questions.append(q);
        for (const QString &a : r.answers)
            answers.append(a);
        for (int i = 0; i < kChakraCount; ++i)
            if (r.ticked[std::size_t(i)])
                scores.append(QJsonObject{{QStringLiteral("chakra"), i},
                                          {QStringLiteral("score"), int(r.scores[std::size_t(i)])}});
        o.insert(QStringLiteral("questions"), questions);
        o.insert(QStringLiteral("answers"), answers);
        o.insert(QStringLiteral("scores"), scores);
        if (r.program == Program::ChakrasTarot) {
            QJsonArray cards;
            for (const ShownCard &c : r.cards)
                cards.append(QJsonObject{{QStringLiteral("chakra"), c.chakra},
                                         {QStringLiteral("slot"), c.slot},
                                         {QStringLiteral("card"), c.card}});
            o.insert(QStringLiteral("cards"), cards);
        }
    }
    o.insert(QStringLiteral("note"), r.note);
    return o;
}

QJsonObject practiceObject(const Practice &p)
{
    QJsonObject o;
    if (!p.uuid.isEmpty())
        o.insert(QStringLiteral("id"), p.uuid);
    o.insert(QStringLiteral("taken"), takenText(p.taken));
    o.insert(QStringLiteral("offset"), p.offsetSeconds);
    o.insert(QStringLiteral("chakra"), p.chakra);
    o.insert(QStringLiteral("plannedMinutes"), p.plannedMinutes);
    o.insert(QStringLiteral("practisedSeconds"), double(p.practisedSeconds));
    o.insert(QStringLiteral("completed"), p.completed);
    o.insert(QStringLiteral("inhaleSeconds"), p.inhaleSeconds);
    o.insert(QStringLiteral("chantSeconds"), p.chantSeconds);
    o.insert(QStringLiteral("note"), p.note);
    return o;
}

// An id written as 3f2b8c1e-9a4d-4e7f-b0c2-5d6e7f8a9b0c (in either case),
// in small letters; empty for any other text.
QString uuidFromText(const QString &text)
{
    const QUuid uuid = QUuid::fromString(text);
    if (text.size() != 36 || uuid.isNull())
        return QString();
    return uuid.toString(QUuid::WithoutBraces);
}

// A date written exactly as 1980-07-23, or an invalid one. QDate::fromString
// with Qt::ISODate would also take "1980/07/23" and a time after the date.
QDate dateFromText(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return QDate();
    int part[3] = {0, 0, 0};
    const int from[3] = {0, 5, 8};
    const int length[3] = {4, 2, 2};
    for (int k = 0; k < 3; ++k)
        for (int i = from[k]; i < from[k] + length[k]; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return QDate();
            part[k] = part[k] * 10 + (c - u'0');
        }
    return QDate(part[0], part[1], part[2]);
}

// Reads one entry; the problem, or empty.
class EntryReader {
public:
    EntryReader(const QJsonObject &o, Reading &r) : m_o(o), m_r(r) {}

    // Reads a practice instead; the problem, or empty.
    QString readPractice(Practice &p)
    {
        QString text;
        if (!idField(&p.uuid) || !textField(QStringLiteral("taken"), &text))
            return m_problem;
        p.taken = takenFromText(text);
        if (!p.taken.isValid())
            return at(QStringLiteral("taken"), QCoreApplication::translate("Exchange", "\"%1\" is no time of the form 2026-12-08T09:30:00.000Z").arg(text));
        int practised = 0;
        if (!intField(QStringLiteral("offset"), &p.offsetSeconds) || !intField(QStringLiteral("chakra"), &p.chakra)
            || !intField(QStringLiteral("plannedMinutes"), &p.plannedMinutes)
            || !intField(QStringLiteral("practisedSeconds"), &practised)
            || !intField(QStringLiteral("inhaleSeconds"), &p.inhaleSeconds)
            || !intField(QStringLiteral("chantSeconds"), &p.chantSeconds))
            return m_problem;
        p.practisedSeconds = practised;
        const QJsonValue completed = m_o.value(QStringLiteral("completed"));
        if (!completed.isBool())
            return at(QStringLiteral("completed"), completed.isUndefined() ? QCoreApplication::translate("Exchange", "missing")
                                                                          : QCoreApplication::translate("Exchange", "not true or false"));
        p.completed = completed.toBool();
        if (m_o.contains(QStringLiteral("note")) && !textField(QStringLiteral("note"), &p.note))
            return m_problem;
        return QString();
    }

    QString read()
    {
        QString text;
        if (!idField(&m_r.uuid))
            return m_problem;
        if (!textField(QStringLiteral("taken"), &text))
            return m_problem;
        m_r.taken = takenFromText(text);
        if (!m_r.taken.isValid())
            return at(QStringLiteral("taken"), QCoreApplication::translate("Exchange", "\"%1\" is no time of the form 2026-12-08T09:30:00.000Z").arg(text));
        if (!intField(QStringLiteral("offset"), &m_r.offsetSeconds))
            return m_problem;
        if (!textField(QStringLiteral("program"), &text))
            return m_problem;
        if (!programFromKey(text, &m_r.program))
            return at(QStringLiteral("program"),
                      QCoreApplication::translate("Exchange", "\"%1\" is no program; a program is \"test\", \"tarot\" or \"astrology\"").arg(text));
        if (m_o.contains(QStringLiteral("note")) && !textField(QStringLiteral("note"), &m_r.note))
            return m_problem;
        if (m_r.program == Program::Astrology) {
            if (!textField(QStringLiteral("birthDate"), &text))
                return m_problem;
            m_r.birthDate = dateFromText(text);
            if (!m_r.birthDate.isValid())
                return at(QStringLiteral("birthDate"), QCoreApplication::translate("Exchange", "\"%1\" is no date of the form 1980-07-23").arg(text));
            if (!textField(QStringLiteral("sign"), &m_r.sign) || !textField(QStringLiteral("rulingPlanet"), &m_r.rulingPlanet)
                || !textField(QStringLiteral("chakra"), &m_r.chakraName))
                return m_problem;
            return QString();
        }
        QJsonArray list;
        if (!arrayField(QStringLiteral("questions"), &list))
            return m_problem;
        for (const QJsonValue v : list) {
            if (!v.isDouble() || v.toDouble() != double(v.toInt()))
                return at(QStringLiteral("questions"), QCoreApplication::translate("Exchange", "a question number is a whole number"));
            m_r.questionOrder.append(v.toInt());
        }
        if (!arrayField(QStringLiteral("answers"), &list))
            return m_problem;
        for (const QJsonValue v : list) {
            if (!v.isString())
                return at(QStringLiteral("answers"), QCoreApplication::translate("Exchange", "an answer is a text"));
            m_r.answers.append(v.toString());
        }
        if (!arrayField(QStringLiteral("scores"), &list))
            return m_problem;
        for (const QJsonValue v : list) {
            const QJsonObject s = v.toObject();
            const QJsonValue chakra = s.value(QStringLiteral("chakra"));
            const QJsonValue score = s.value(QStringLiteral("score"));
            if (!v.isObject() || !chakra.isDouble() || !score.isDouble())
                return at(QStringLiteral("scores"), QCoreApplication::translate("Exchange", "each score is {\"chakra\": 0 to 6, \"score\": 0 to 8}"));
            const int i = chakra.toInt(-1);
            if (i < 0 || i >= kChakraCount || chakra.toDouble() != double(i))
                return at(QStringLiteral("scores"), QCoreApplication::translate("Exchange", "chakra %1 does not exist (chakras are 0 to 6)").arg(chakra.toDouble()));
            if (m_r.ticked[std::size_t(i)])
                return at(QStringLiteral("scores"), QCoreApplication::translate("Exchange", "the %1 has two scores").arg(chakraName(i)));
            const double value = score.toDouble();
            if (value < 0 || value > kQuestionsPerChakra || value != double(int(value)))
                return at(QStringLiteral("scores"),
                          QCoreApplication::translate("Exchange", "the score of the %1 is %2; a score is 0 to 8").arg(chakraName(i)).arg(value));
            m_r.ticked[std::size_t(i)] = true;
            m_r.scores[std::size_t(i)] = qint16(value);
        }
        if (m_r.program == Program::ChakrasTarot) {
            if (!arrayField(QStringLiteral("cards"), &list))
                return m_problem;
            for (const QJsonValue v : list) {
                const QJsonObject c = v.toObject();
                if (!v.isObject() || !c.value(QStringLiteral("chakra")).isDouble() || !c.value(QStringLiteral("slot")).isDouble()
                    || !c.value(QStringLiteral("card")).isString())
                    return at(QStringLiteral("cards"),
                              QCoreApplication::translate("Exchange", "each card is {\"chakra\": 0 to 6, \"slot\": 0 to 8, \"card\": its name}"));
                m_r.cards.append({c.value(QStringLiteral("chakra")).toInt(), c.value(QStringLiteral("slot")).toInt(),
                                  c.value(QStringLiteral("card")).toString()});
            }
        } else if (m_o.contains(QStringLiteral("cards"))) {
            return at(QStringLiteral("cards"), QCoreApplication::translate("Exchange", "a chakra test shows no tarot cards"));
        }
        return QString();
    }

private:
    QString at(const QString &field, const QString &what)
    {
        m_problem = QStringLiteral("\"%1\": %2").arg(field, what);
        return m_problem;
    }
    bool textField(const QString &name, QString *out)
    {
        const QJsonValue v = m_o.value(name);
        if (!v.isString()) {
            at(name, v.isUndefined() ? QCoreApplication::translate("Exchange", "missing") : QCoreApplication::translate("Exchange", "not a text"));
            return false;
        }
        *out = v.toString();
        return true;
    }
    // The entry's id when it has one (a file of version 1 has none).
    bool idField(QString *out)
    {
        if (!m_o.contains(QStringLiteral("id")))
            return true;
        QString text;
        if (!textField(QStringLiteral("id"), &text))
            return false;
        *out = uuidFromText(text);
        if (out->isEmpty()) {
            at(QStringLiteral("id"),
               QCoreApplication::translate("Exchange", "\"%1\" is no id of the form 3f2b8c1e-9a4d-4e7f-b0c2-5d6e7f8a9b0c")
                   .arg(text));
            return false;
        }
        return true;
    }
    bool intField(const QString &name, int *out)
    {
        const QJsonValue v = m_o.value(name);
        if (!v.isDouble() || v.toDouble() != double(v.toInt())) {
            at(name, v.isUndefined() ? QCoreApplication::translate("Exchange", "missing") : QCoreApplication::translate("Exchange", "not a whole number"));
            return false;
        }
        *out = v.toInt();
        return true;
    }
    bool arrayField(const QString &name, QJsonArray *out)
    {
        const QJsonValue v = m_o.value(name);
        if (!v.isArray()) {
            at(name, v.isUndefined() ? QCoreApplication::translate("Exchange", "missing") : QCoreApplication::translate("Exchange", "not a list"));
            return false;
        }
        *out = v.toArray();
        return true;
    }

    const QJsonObject &m_o;
    Reading &m_r;
    QString m_problem;
};

// The line and the column (both from 1; the column in characters, not
// bytes) of a byte of a UTF-8 text.
std::pair<qsizetype, qsizetype> lineAndColumn(const QByteArray &text, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, text.size());
    const char *bytes = text.constData();
    qsizetype line = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < offset; ++i)
        if (bytes[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    qsizetype column = 1;
    for (qsizetype i = lineStart; i < offset; ++i)
        if ((uchar(bytes[i]) & 0xc0) != 0x80)  // not a continuation byte
            ++column;
    return {line, column};
}

// The first \u escape of a JSON text that stands for one half of a UTF-16
// surrogate pair without the other ("\ud83d" alone), with where it is; empty
// when there is none. Qt's parser keeps such a half in the text it reads, and
// no UTF-8 can hold it: the store would keep another character in its place.
// The text has parsed already, so it is well-formed JSON.
QString loneSurrogateIn(const QByteArray &json)
{
    const char *bytes = json.constData();
    const qsizetype size = json.size();
    // The code unit of the escape "\uXXXX" at i, or -1 for anything else.
    auto unitAt = [&](qsizetype i) {
        if (i + 6 > size || bytes[i] != '\\' || bytes[i + 1] != 'u')
            return -1;
        int unit = 0;
        for (qsizetype k = i + 2; k < i + 6; ++k) {
            const char h = bytes[k];
            const int digit = h >= '0' && h <= '9'   ? h - '0'
                              : h >= 'a' && h <= 'f' ? h - 'a' + 10
                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                     : -1;
            if (digit < 0)
                return -1;
            unit = unit * 16 + digit;
        }
        return unit;
    };
    // The objects and lists around the place read: the last key of each
    // object, the element each list is at.
    struct Level {
        bool object = false;
        QByteArray key;
        qsizetype index = 0;
    };
    QList<Level> levels;
    bool atKey = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (c == '{' || c == '[') {
            levels.append({c == '{', {}, 0});
            atKey = c == '{';
        } else if (c == '}' || c == ']') {
            if (!levels.isEmpty())
                levels.removeLast();
            atKey = false;
        } else if (c == ',' && !levels.isEmpty()) {
            if (levels.last().object)
                atKey = true;
            else
                ++levels.last().index;
        } else if (c == '"') {
            const qsizetype start = ++i;
            for (; i < size && bytes[i] != '"'; ++i) {
                if (bytes[i] != '\\')
                    continue;
                const int unit = unitAt(i);
                if (unit < 0) {
                    ++i;  // an escape of one character: \" \\ \n ...
                    continue;
                }
                if (unit >= 0xd800 && unit <= 0xdbff) {
                    const int low = unitAt(i + 6);
                    if (low >= 0xdc00 && low <= 0xdfff) {
                        i += 11;  // a whole pair
                        continue;
                    }
                }
                if (unit >= 0xd800 && unit <= 0xdfff) {
                    // The entries are the list under the top object's "entries",
                    // an entry's fields the keys of the object in it.
                    QString where;
                    const bool inEntries = levels.size() >= 2 && levels[0].object && !levels[1].object
                                           && levels[0].key == "entries";
                    const int fieldLevel = inEntries ? 2 : 0;
                    if (inEntries)
                        where = QCoreApplication::translate("Exchange", "entry %1, ").arg(levels[1].index + 1);
                    // Within a key of the level that names the field, the field is not known.
                    if (levels.size() > fieldLevel && levels[fieldLevel].object
                        && !(atKey && levels.size() == fieldLevel + 1))
                        where += QStringLiteral("\"%1\": ").arg(QString::fromUtf8(levels[fieldLevel].key));
                    const auto [line, column] = lineAndColumn(json, i);
                    return where
                           + QCoreApplication::translate("Exchange", "a lone surrogate %1 at line %2, column %3 is no character")
                                 .arg(QString::fromLatin1(bytes + i, 6))
                                 .arg(line)
                                 .arg(column);
                }
                i += 5;
            }
            if (atKey && !levels.isEmpty())
                levels.last().key = json.mid(start, i - start);
            atKey = false;
        }
    }
    return QString();
}

// The CSV's header and values are the same in every language, so that a
// spreadsheet reads every export alike: the chakras by their English names,
// the states by their keys.
const char *const kCsvChakraNames[kChakraCount] = {
    "Root Chakra (Muladhara)",  "Sacral Chakra (Swadhisthanna)", "Navel Chakra (Manipura)",
    "Heart Chakra (Anahata)",   "Throat Chakra (Vishuddha)",     "Third Eye Chakra (Ajna)",
    "Crown Chakra (Sahasrara)",
};

QString csvState(ChakraState state)
{
    switch (state) {
    case ChakraState::UnderActive:
        return QStringLiteral("UnderActive");
    case ChakraState::Open:
        return QStringLiteral("Open");
    case ChakraState::OverActive:
        break;
    }
    return QStringLiteral("OverActive");
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QByteArray toJson(const QList<Reading> &readings, const QList<Practice> &practices)
{
    QJsonArray entries;
    for (const Reading &r : readings)
        entries.append(entryObject(r));
    QJsonArray practised;
    for (const Practice &p : practices)
        practised.append(practiceObject(p));
    QJsonObject top;
    top.insert(QStringLiteral("format"), kExchangeFormat);
    top.insert(QStringLiteral("version"), kExchangeVersion);
    top.insert(QStringLiteral("entries"), entries);
    top.insert(QStringLiteral("practices"), practised);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

ParsedJournal fromJson(const QByteArray &json)
{
    ParsedJournal out;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        const auto [line, column] = lineAndColumn(json, error.offset);
        out.problem = QCoreApplication::translate("Exchange", "it is not whole, well-formed JSON (%1 at line %2, column %3)")
                          .arg(error.errorString())
                          .arg(line)
                          .arg(column);
        return out;
    }
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QStringLiteral("format")).toString() != kExchangeFormat) {
        out.problem = QCoreApplication::translate("Exchange", "it is no Padmora journal (its \"format\" is not \"%1\")").arg(kExchangeFormat);
        return out;
    }
    const QJsonValue version = top.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toInt() < 1) {
        out.problem = QCoreApplication::translate("Exchange", "its \"version\" is missing or no version number");
        return out;
    }
    if (version.toInt() > kExchangeVersion) {
        out.problem = QCoreApplication::translate("Exchange", "it is of format version %1, newer than this Padmora reads (up to version %2)")
                          .arg(version.toInt())
                          .arg(kExchangeVersion);
        return out;
    }
    const QJsonValue entries = top.value(QStringLiteral("entries"));
    if (!entries.isArray()) {
        out.problem = QCoreApplication::translate("Exchange", "its \"entries\" are missing or not a list");
        return out;
    }
    out.problem = loneSurrogateIn(json);
    if (!out.problem.isEmpty())
        return out;
    const QJsonArray list = entries.toArray();
    out.readings.reserve(list.size());
    // One clock reading for the whole file: no entry is judged by a later now.
    const QDateTime now = desktop().now();
    for (qsizetype k = 0; k < list.size(); ++k) {
        const QString where = QCoreApplication::translate("Exchange", "entry %1").arg(k + 1);
        if (!list[k].isObject()) {
            out.problem = where + QStringLiteral(": ") + QCoreApplication::translate("Exchange", "not an object");
            out.readings.clear();
            return out;
        }
        const QJsonObject o = list[k].toObject();
        Reading r;
        QString problem = EntryReader(o, r).read();
        if (problem.isEmpty())
            problem = problemOf(r, now);
        if (!problem.isEmpty()) {
            out.problem = where + QStringLiteral(", ") + problem;
            out.readings.clear();
            return out;
        }
        out.readings.append(std::move(r));
    }
    const QJsonValue practices = top.value(QStringLiteral("practices"));
    if (version.toInt() < 2 || practices.isUndefined())
        return out;
    if (!practices.isArray()) {
        out.problem = QCoreApplication::translate("Exchange", "its \"practices\" are not a list");
        out.readings.clear();
        return out;
    }
    const QJsonArray practised = practices.toArray();
    for (qsizetype k = 0; k < practised.size(); ++k) {
        const QString where = QCoreApplication::translate("Exchange", "practice %1").arg(k + 1);
        Reading unused;
        Practice p;
        const QJsonObject o = practised[k].toObject();
        QString problem = practised[k].isObject() ? EntryReader(o, unused).readPractice(p)
                                                  : QCoreApplication::translate("Exchange", "not an object");
        if (problem.isEmpty())
            problem = problemOf(p, now);
        if (!problem.isEmpty()) {
            out.problem = where + (practised[k].isObject() ? QStringLiteral(", ") : QStringLiteral(": ")) + problem;
            out.readings.clear();
            out.practices.clear();
            return out;
        }
        out.practices.append(std::move(p));
    }
    return out;
}

ParsedJournal readJson(const QString &path)
{
    ParsedJournal out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.problem = file.errorString();
        return out;
    }
    const QLocale locale;
    const QString limit = locale.formattedDataSize(kImportLimit, 0, QLocale::DataSizeTraditionalFormat);
    if (!file.isSequential() && file.size() > kImportLimit) {
        out.problem = QCoreApplication::translate("Exchange", "it is %1; a journal file holds at most %2")
                          .arg(locale.formattedDataSize(file.size(), 1, QLocale::DataSizeTraditionalFormat), limit);
        return out;
    }
    // A pipe has no size to tell: of it, no more than the limit is read.
    const QByteArray json = file.isSequential() ? file.read(kImportLimit + 1) : file.readAll();
    if (json.size() > kImportLimit) {
        out.problem = QCoreApplication::translate("Exchange", "it is larger than %1, the most a journal file holds")
                          .arg(limit);
        return out;
    }
    if (file.error() != QFileDevice::NoError) {
        out.problem = file.errorString();
        return out;
    }
    return fromJson(json);
}

QByteArray toCsv(const QList<Reading> &readings)
{
    QString csv = QStringLiteral("date,program,chakra,score,state\r\n");
    for (const Reading &r : readings) {
        if (!r.isChakraReading())
            continue;
        const QString date = r.localTaken().toString(Qt::ISODate);
        for (int i = 0; i < kChakraCount; ++i) {
            if (!r.ticked[std::size_t(i)])
                continue;
            const int s = r.scores[std::size_t(i)];
            csv += QStringList{csvField(date), csvField(programTitle(r.program)),
                               csvField(QString::fromLatin1(kCsvChakraNames[i])), QString::number(s),
                               csvState(classifyScore(s))}
                       .join(QLatin1Char(','))
                   + QStringLiteral("\r\n");
        }
    }
    return csv.toUtf8();
}

bool writeWhole(const QString &path, const QByteArray &bytes, QString *why)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *why = file.errorString();
        return false;
    }
    // The readings are private: the file is made so before any of them is in it.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        *why = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        *why = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *why = file.errorString();
        return false;
    }
    return true;
}

} // namespace padmora::journal
