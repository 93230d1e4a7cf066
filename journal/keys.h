// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the journal writes a program and a moment. The SQLite module writes
// and reads them too, and needs nothing else of the program: they are
// written out here in full.

#include <QDateTime>
#include <QString>
#include <QStringView>

namespace padmora::journal {

enum class Program { ChakraTest, ChakrasTarot, Astrology };
inline constexpr int kProgramCount = 3;

// "test", "tarot", "astrology": the names the store and the export use.
inline QString programKey(Program program)
{
    switch (program) {
    case Program::ChakraTest:
        return QStringLiteral("test");
    case Program::ChakrasTarot:
        return QStringLiteral("tarot");
    case Program::Astrology:
        break;
    }
    return QStringLiteral("astrology");
}

// The program of a key; false when the key names none.
inline bool programFromKey(const QString &key, Program *program)
{
    for (Program p : {Program::ChakraTest, Program::ChakrasTarot, Program::Astrology})
        if (programKey(p) == key) {
            *program = p;
            return true;
        }
    return false;
}

// A moment as the store and the export write it, in UTC to the millisecond:
// "2026-12-08T09:30:00.000Z"; and back (invalid for any other text).
inline QString takenText(const QDateTime &moment)
{
    const QDateTime utc = moment.toUTC();
    const QDate d = utc.date();
    const QTime t = utc.time();
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", d.year(), d.month(), d.day(), t.hour(), t.minute(),
                             t.second(), t.msec());
}

inline QDateTime takenFromText(QStringView text)
{
    // Read by hand: a journal of thousands of entries is read in a blink,
    // which QDateTime::fromString with a format is not.
    if (text.size() != 24 || text[4] != u'-' || text[7] != u'-' || text[10] != u'T' || text[13] != u':'
        || text[16] != u':' || text[19] != u'.' || text[23] != u'Z')
        return QDateTime();
    auto number = [&](int from, int length) {
        int n = 0;
        for (int i = from; i < from + length; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            n = n * 10 + (c - u'0');
        }
        return n;
    };
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2), number(20, 3));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC);
}

} // namespace padmora::journal
