// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/trends.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace padmora::journal {

QDateTime rangeStart(TrendRange range, const QDateTime &now)
{
    switch (range) {
    case TrendRange::LastYear:
        return now.addYears(-1);
    case TrendRange::LastThreeMonths:
        return now.addMonths(-3);
    case TrendRange::LastMonth:
        return now.addMonths(-1);
    case TrendRange::All:
        break;
    }
    return QDateTime();
}

TrendSeries trendSeries(const QList<ScorePoint> &points, TrendRange range, const QDateTime &now)
{
    TrendSeries series;
    const QDateTime from = rangeStart(range, now);
    for (const ScorePoint &p : points) {
        if (p.chakra < 0 || p.chakra >= kChakraCount || (from.isValid() && p.taken < from))
            continue;
        series[std::size_t(p.chakra)].append(p);
    }
    return series;
}

namespace {

// How the trends write a day: "3 May 2026".
QString dateFormat()
{
    //: The form of a day in the trends' words, as QDate::toString reads it ("3 May 2026").
    return QCoreApplication::translate("Journal", "d MMM yyyy", "date format");
}

QString scoreOn(const ScorePoint &p)
{
    const QDate day = p.taken.toOffsetFromUtc(p.offsetSeconds).date();
    //: A score on a day in the trends: the score, its state and the day ("2, UnderActive on 3 May 2026").
    return QCoreApplication::translate("Journal", "%1, %2 on %3")
        .arg(p.score)
        .arg(stateText(classifyScore(p.score)), QLocale().toString(day, dateFormat()));
}

} // namespace

QString trendSummary(int chakra, const QList<ScorePoint> &points)
{
    const QString title = chakraTitle(chakra);
    if (points.isEmpty())
        return QCoreApplication::translate("Journal", "%1: no readings").arg(title);
    if (points.size() == 1)
        //: %1 is the chakra, %2 its score on a day.
        return QCoreApplication::translate("Journal", "%1: %2 (1 reading)").arg(title, scoreOn(points.first()));
    //: %1 is the chakra, %2 its first score on a day, %3 its last; %n the number of readings.
    return QCoreApplication::translate("Journal", "%1: %2 \u2192 %3 (%n readings)", nullptr, int(points.size()))
        .arg(title, scoreOn(points.first()), scoreOn(points.last()));
}

PracticeSeries practiceWeeks(const QList<Practice> &practices, TrendRange range, const QDateTime &now)
{
    PracticeSeries series;
    const QDateTime from = rangeStart(range, now);
    QList<Practice> sorted = practices;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Practice &a, const Practice &b) { return a.taken < b.taken; });
    for (const Practice &p : sorted) {
        if (p.chakra < 0 || p.chakra >= kChakraCount || (from.isValid() && p.taken < from))
            continue;
        const QDate day = p.localTaken().date();
        const QDate monday = day.addDays(1 - day.dayOfWeek());
        QList<PracticeWeek> &weeks = series[std::size_t(p.chakra)];
        if (weeks.isEmpty() || weeks.last().monday != monday)
            weeks.append({p.chakra, monday, 0, day});
        weeks.last().seconds += p.practisedSeconds;
        weeks.last().lastDay = std::max(weeks.last().lastDay, day);
    }
    return series;
}

QString practiceSummary(const QList<PracticeWeek> &weeks)
{
    if (weeks.isEmpty())
        return QString();
    const QLocale locale;
    QStringList parts;
    for (const PracticeWeek &w : weeks)
        parts << QCoreApplication::translate("Journal", "%1 min in the week of %2")
                     .arg(w.seconds / 60)
                     .arg(locale.toString(w.monday, dateFormat()));
    return QCoreApplication::translate("Journal", "practised %1; last practised on %2")
        .arg(parts.join(QStringLiteral(", ")), locale.toString(weeks.last().lastDay, dateFormat()));
}

QString cardsSummary(const QList<CardCount> &counts, int most)
{
    QStringList parts;
    for (const CardCount &c : counts) {
        if (parts.size() == most)
            break;
        parts << (c.count == 1 ? QCoreApplication::translate("Journal", "%1 1 time").arg(cardText(c.card))
                               //: %1 is a tarot card's name, %n how often it came up.
                               : QCoreApplication::translate("Journal", "%1 %n times", nullptr, c.count).arg(cardText(c.card)));
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace padmora::journal
