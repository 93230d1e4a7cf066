// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/latest.h"

#include "journal/store.h"
#include "practice/sitting.h"

#include <QStringList>

namespace padmora::journal {

namespace {

LatestKeeper &keeper()
{
    static LatestKeeper k;
    return k;
}

// While a reading is being kept, its own note follows; the store's list is
// not read for it.
bool g_keepingOne = false;

} // namespace

LatestReading latestOf(const Reading &reading)
{
    LatestReading latest;
    latest.taken = reading.taken.toUTC();
    latest.offsetSeconds = reading.offsetSeconds;
    latest.notOpen = practice::chakrasToPractise(reading.ticked, reading.scores);
    return latest;
}

std::optional<LatestReading> latestIn(Store &store)
{
    // Newest first: the first test or tarot entry is the latest.
    const QList<Entry> entries = store.entries();
    for (const Entry &e : entries) {
        if (e.isPractice() || e.program == Program::Astrology)
            continue;
        Reading shape;
        shape.taken = e.taken;
        shape.offsetSeconds = e.offsetSeconds;
        const QList<int> pairs = splitOrder(e.scores);
        for (qsizetype k = 0; k + 1 < pairs.size(); k += 2)
            if (pairs[k] >= 0 && pairs[k] < kChakraCount) {
                shape.ticked[std::size_t(pairs[k])] = true;
                shape.scores[std::size_t(pairs[k])] = qint16(pairs[k + 1]);
            }
        return latestOf(shape);
    }
    return std::nullopt;
}

QString latestText(const LatestReading &latest)
{
    QStringList chakras;
    for (int c : latest.notOpen)
        chakras << QString::number(c);
    return QStringLiteral("%1 %2 %3")
        .arg(latest.taken.toMSecsSinceEpoch())
        .arg(latest.offsetSeconds)
        .arg(chakras.join(QLatin1Char(',')));
}

std::optional<LatestReading> parseLatest(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 3)
        return std::nullopt;
    bool okTaken = false, okOffset = false;
    const qint64 ms = parts[0].toLongLong(&okTaken);
    const int offset = parts[1].toInt(&okOffset);
    if (!okTaken || !okOffset || offset < -kWidestOffsetSeconds || offset > kWidestOffsetSeconds)
        return std::nullopt;
    LatestReading latest;
    latest.taken = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
    latest.offsetSeconds = offset;
    if (!latest.taken.isValid() || latest.taken.date().year() < kFirstTakenYear)
        return std::nullopt;
    if (!parts[2].isEmpty())
        for (const QString &c : parts[2].split(QLatin1Char(','))) {
            bool ok = false;
            const int chakra = c.toInt(&ok);
            if (!ok || chakra < 0 || chakra >= kChakraCount || latest.notOpen.contains(chakra))
                return std::nullopt;
            latest.notOpen << chakra;
        }
    return latest;
}

void setLatestKeeper(LatestKeeper k)
{
    keeper() = std::move(k);
}

void noteLatestIn(Store &store)
{
    if (keeper())
        keeper()(latestIn(store));
}

void noteLatestOnChange(Store &store)
{
    if (!g_keepingOne)
        noteLatestIn(store);
}

KeepingOne::KeepingOne() : m_was(g_keepingOne)
{
    g_keepingOne = true;
}

KeepingOne::~KeepingOne()
{
    g_keepingOne = m_was;
}

void noteLatest(const Reading &reading)
{
    if (keeper() && reading.isChakraReading())
        keeper()(latestOf(reading));
}

} // namespace padmora::journal
