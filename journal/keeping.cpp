// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/keeping.h"

#include "journal/store.h"
#include "kit/desktop.h"

#include <QDir>
#include <QLocale>

#include <array>

namespace padmora::journal {

namespace {

bool g_keeping = true;

std::array<ReadingOpener, kProgramCount> &openers()
{
    static std::array<ReadingOpener, kProgramCount> table;
    return table;
}

} // namespace

void setKeepingReadings(bool keep)
{
    g_keeping = keep;
}

bool isKeepingReadings()
{
    return g_keeping;
}

QString notKeptMessage(const QString &why, const QString &path)
{
    return QStringLiteral("This reading could not be kept in your journal: %1.\r\nThe journal file: %2\r\n"
                          "The reading itself stays on the screen.")
        .arg(why, QDir::toNativeSeparators(path));
}

bool keepReading(Reading reading)
{
    if (!g_keeping)
        return false;
    Store &store = journalStore();
    if (store.save(reading) != 0)
        return true;
    desktop().message(notKeptMessage(store.lastError(), store.path()), MessageIcon::Critical);
    return false;
}

void setReadingOpener(Program program, ReadingOpener opener)
{
    openers()[std::size_t(program)] = std::move(opener);
}

bool openKeptReading(const Reading &reading)
{
    const ReadingOpener &opener = openers()[std::size_t(reading.program)];
    return opener && opener(reading);
}

QString momentText(const QDateTime &local)
{
    return QLocale().toString(local, QLocale::ShortFormat);
}

QString reopenedCaption(const QString &caption, const Reading &reading)
{
    return caption + QStringLiteral(" \u2013 ") + momentText(reading.localTaken());
}

} // namespace padmora::journal
