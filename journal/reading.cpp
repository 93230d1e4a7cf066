// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/reading.h"

#include "astrology/astrologyreading.h"
#include "astrology/astrologytables.h"
#include "chakras/catalogue.h"
#include "chakras/questionbank.h"
#include "chakras/scoring.h"
#include "kit/desktop.h"
#include "tarot/tarotcards.h"

#include <QCoreApplication>
#include <QSet>

namespace padmora::journal {

QString programTitle(Program program)
{
    switch (program) {
    case Program::ChakraTest:
        return QStringLiteral("Zazeder Izorudav");
    case Program::ChakrasTarot:
        return QStringLiteral("Dovazov Urera");
    case Program::Astrology:
        break;
    }
    return QStringLiteral("Vovuvev Avoverazi");
}

bool Reading::sameReading(const Reading &o) const
{
    return taken == o.taken && offsetSeconds == o.offsetSeconds && program == o.program && ticked == o.ticked
           && questionOrder == o.questionOrder && answers == o.answers && scores == o.scores && cards == o.cards
           && birthDate == o.birthDate && sign == o.sign && rulingPlanet == o.rulingPlanet
           && chakraName == o.chakraName;
}

namespace {

// The ruling planets as a summary's line names them, without the article
// the astrology reading gives them ("Löwe · Sonne").
const char *const kPlanetNames[][2] = {
    QT_TRANSLATE_NOOP3("Journal", "Mars", "ruling planet"),
    QT_TRANSLATE_NOOP3("Journal", "Venus", "ruling planet"),
    QT_TRANSLATE_NOOP3("Journal", "Mercury", "ruling planet"),
    QT_TRANSLATE_NOOP3("Journal", "The Moon", "ruling planet"),
    QT_TRANSLATE_NOOP3("Journal", "The Sun", "ruling planet"),
    QT_TRANSLATE_NOOP3("Journal", "Pluto and Mars", "ruling planets"),
    QT_TRANSLATE_NOOP3("Journal", "Jupiter", "ruling planet"),
    QT_TRANSLATE_NOOP3("Journal", "Saturn", "ruling planet"),
    QT_TRANSLATE_NOOP3("Journal", "Uranus and Saturn", "ruling planets"),
    QT_TRANSLATE_NOOP3("Journal", "Neptune and Jupiter", "ruling planets"),
};

QDateTime utcToTheMillisecond(const QDateTime &moment)
{
    return moment.toUTC();
}

// A problem with one field of a reading, named as the export names it.
QString ofField(const char *field, const QString &what)
{
    return QStringLiteral("\"%1\": %2").arg(QLatin1String(field), what);
}

} // namespace

QList<ShownCard> shownCards(const AnswerSheet &sheet, const ChakraScores &scores)
{
    QList<ShownCard> cards;
    for (int slot = 0; slot < kTarotSlotCount; ++slot) {
        const int chakra = tarotSlotChakra(slot);
        if (!sheet.isTicked(chakra) || classifyScore(scores[std::size_t(chakra)]) == ChakraState::Open)
            continue;
        cards.append({chakra, slot, TarotCardTable()[std::size_t(slot)].name});
    }
    return cards;
}

Reading chakraReading(Program program, const AnswerSheet &sheet, const ChakraScores &scores,
                      const QDateTime &moment)
{
    Reading r;
    r.program = program;
    r.taken = utcToTheMillisecond(moment);
    r.offsetSeconds = moment.offsetFromUtc();
    for (int i = 0; i < kChakraCount; ++i) {
        r.ticked[std::size_t(i)] = sheet.isTicked(i);
        r.scores[std::size_t(i)] = sheet.isTicked(i) ? scores[std::size_t(i)] : 0;
    }
    const int n = sheet.askedCount();
    for (int k = 0; k < n; ++k) {
        r.questionOrder.append(sheet.QuestionOrder.value(k));
        r.answers.append(sheet.Answers.value(k));
    }
    if (program == Program::ChakrasTarot)
        r.cards = shownCards(sheet, scores);
    return r;
}

Reading astrologyReading(const QDate &birthDate, const QDateTime &moment)
{
    QString sign;
    if (birthDate.isValid())
        sign = astrology::sunSign(astrology::monthNames()[std::size_t(birthDate.month() - 1)], birthDate.day());
    const astrology::SignEntry *entry = astrology::signEntry(sign);
    return astrologyReading(birthDate, sign, entry ? entry->rulingPlanet : QString(),
                            entry ? entry->chakraName : QString(), moment);
}

Reading astrologyReading(const QDate &birthDate, const QString &sign, const QString &rulingPlanet,
                         const QString &chakraName, const QDateTime &moment)
{
    Reading r;
    r.program = Program::Astrology;
    r.taken = utcToTheMillisecond(moment);
    r.offsetSeconds = moment.offsetFromUtc();
    r.birthDate = birthDate;
    r.sign = sign;
    r.rulingPlanet = rulingPlanet;
    r.chakraName = chakraName;
    return r;
}

AnswerSheet sheetOf(const Reading &reading)
{
    AnswerSheet sheet;
    for (int i = 0; i < kChakraCount; ++i)
        sheet.ChakraSelection[std::size_t(i)] = reading.ticked[std::size_t(i)] ? qint16(i) : qint16(-1);
    sheet.ChakraSelection[7] = 0;
    const qsizetype n = reading.questionOrder.size();
    for (qsizetype k = 0; k < n; ++k) {
        const int q = reading.questionOrder[k];
        sheet.QuestionOrder.append(qint16(q));
        sheet.AskedQuestions.append(questionText(q));
        sheet.AskedKeys.append(answerKey(q));
        sheet.Answers.append(reading.answers.value(k));
    }
    // Position N of every list, as START TEST leaves it.
    sheet.QuestionOrder.append(0);
    sheet.AskedQuestions.append(QString());
    sheet.AskedKeys.append(QString());
    sheet.Answers.append(QString());
    return sheet;
}

int chakraOfAstrologyName(const QString &name)
{
    const int index = astrology::chakraIndexOf(name);
    // The astrology tables run crown first.
    return index < 0 ? -1 : astrology::kChakraCount - 1 - index;
}

QString problemOf(const Reading &r)
{
    return problemOf(r, desktop().now());
}

namespace {

// What is wrong with an entry's moment or note, or empty.
QString momentProblem(const QDateTime &taken, int offsetSeconds, const QString &note, const QDateTime &now)
{
    if (!taken.isValid())
        return QCoreApplication::translate("Exchange", "the time it was taken is missing or no time");
    if (taken < QDateTime(QDate(kFirstTakenYear, 1, 1), QTime(0, 0), Qt::UTC))
        return ofField("taken", QCoreApplication::translate("Exchange", "%1 is before %2")
                                    .arg(takenText(taken))
                                    .arg(kFirstTakenYear));
    if (taken > now.addSecs(kAheadOfNowSeconds))
        return ofField("taken",
                       QCoreApplication::translate("Exchange", "%1 is more than a day after now").arg(takenText(taken)));
    if (offsetSeconds < -kWidestOffsetSeconds || offsetSeconds > kWidestOffsetSeconds)
        return ofField("offset", QCoreApplication::translate("Exchange", "%1 s from UTC is more than %2 hours")
                                     .arg(offsetSeconds)
                                     .arg(kWidestOffsetSeconds / 3600));
    if (note.size() > kNoteLimit)
        return QCoreApplication::translate("Exchange", "the note is %1 characters long; a note holds at most %2").arg(note.size()).arg(kNoteLimit);
    return QString();
}

} // namespace

QString problemOf(const Practice &p, const QDateTime &now)
{
    if (const QString problem = momentProblem(p.taken, p.offsetSeconds, p.note, now); !problem.isEmpty())
        return problem;
    if (p.chakra < 0 || p.chakra >= kChakraCount)
        return ofField("chakra", QCoreApplication::translate("Exchange", "chakra %1 does not exist (chakras are 0 to 6)")
                                     .arg(p.chakra));
    if (p.plannedMinutes < 0 || p.plannedMinutes > kLongestPlannedMinutes)
        return ofField("plannedMinutes", QCoreApplication::translate("Exchange", "%1 is not 0 (open-ended) to %2")
                                             .arg(p.plannedMinutes)
                                             .arg(kLongestPlannedMinutes));
    if (p.practisedSeconds < 0 || p.practisedSeconds > kLongestPractisedSeconds)
        return ofField("practisedSeconds", QCoreApplication::translate("Exchange", "%1 is not 0 to %2")
                                               .arg(p.practisedSeconds)
                                               .arg(kLongestPractisedSeconds));
    if (p.inhaleSeconds < 1 || p.inhaleSeconds > 60 || p.chantSeconds < 1 || p.chantSeconds > 60)
        return ofField("pace", QCoreApplication::translate("Exchange", "%1 s in and %2 s out is no pace (1 to 60 s each)")
                                   .arg(p.inhaleSeconds)
                                   .arg(p.chantSeconds));
    return QString();
}

bool Practice::samePractice(const Practice &o) const
{
    return chakra == o.chakra && taken == o.taken && offsetSeconds == o.offsetSeconds
           && plannedMinutes == o.plannedMinutes && practisedSeconds == o.practisedSeconds && completed == o.completed
           && inhaleSeconds == o.inhaleSeconds && chantSeconds == o.chantSeconds;
}

QString practiceTitle()
{
    return QCoreApplication::translate("Journal", "Practice");
}

QString summaryOf(const Practice &p)
{
    const QString dot = QStringLiteral(" \u00b7 ");
    const qint64 minutes = p.practisedSeconds / 60;
    const QString length = p.plannedMinutes == 0
                               ? QCoreApplication::translate("Journal", "%1 min, open-ended").arg(minutes)
                               : QCoreApplication::translate("Journal", "%1 of %2 min").arg(minutes).arg(p.plannedMinutes);
    const QString end = p.completed ? QCoreApplication::translate("Journal", "completed")
                                    : QCoreApplication::translate("Journal", "stopped");
    const QString title = p.chakra >= 0 && p.chakra < kChakraCount ? chakraTitle(p.chakra) : QString();
    return title + dot + length + dot + end;
}

QString problemOf(const Reading &r, const QDateTime &now)
{
    if (const QString problem = momentProblem(r.taken, r.offsetSeconds, r.note, now); !problem.isEmpty())
        return problem;
    if (r.program == Program::Astrology) {
        if (!r.birthDate.isValid())
            return QCoreApplication::translate("Exchange", "the birth date is missing or no date");
        if (r.birthDate.year() < astrology::kFirstYear || r.birthDate.year() > astrology::kLastYear)
            return QCoreApplication::translate("Exchange", "the birth year %1 is outside %2 to %3")
                .arg(r.birthDate.year())
                .arg(astrology::kFirstYear)
                .arg(astrology::kLastYear);
        const QString sign =
            astrology::sunSign(astrology::monthNames()[std::size_t(r.birthDate.month() - 1)], r.birthDate.day());
        if (r.sign != sign)
            return QCoreApplication::translate("Exchange", "the sign \"%1\" is not the sun sign of %2 (%3)")
                .arg(r.sign, r.birthDate.toString(Qt::ISODate), sign);
        const astrology::SignEntry *entry = astrology::signEntry(sign);
        if (!entry || r.rulingPlanet != entry->rulingPlanet)
            return QCoreApplication::translate("Exchange", "the ruling planet \"%1\" is not that of %2").arg(r.rulingPlanet, sign);
        if (r.chakraName != entry->chakraName)
            return QCoreApplication::translate("Exchange", "the chakra \"%1\" is not that of %2").arg(r.chakraName, sign);
        return QString();
    }
    int tickedCount = 0;
    for (bool t : r.ticked)
        tickedCount += t ? 1 : 0;
    if (tickedCount == 0)
        return QCoreApplication::translate("Exchange", "no chakra is ticked");
    if (r.questionOrder.size() != tickedCount * kQuestionsPerChakra)
        return QCoreApplication::translate("Exchange", "%1 questions for %2 ticked chakras; each chakra has %3")
            .arg(r.questionOrder.size())
            .arg(tickedCount)
            .arg(kQuestionsPerChakra);
    if (r.answers.size() != r.questionOrder.size())
        return QCoreApplication::translate("Exchange", "%1 answers to %2 questions").arg(r.answers.size()).arg(r.questionOrder.size());
    QSet<int> asked;
    for (qsizetype k = 0; k < r.questionOrder.size(); ++k) {
        const int q = r.questionOrder[k];
        const int chakra = chakraOfQuestion(q);
        if (chakra < 0)
            return QCoreApplication::translate("Exchange", "question %1 does not exist (questions are 0 to %2)").arg(q).arg(kQuestionCount - 1);
        if (!r.ticked[std::size_t(chakra)])
            return QCoreApplication::translate("Exchange", "question %1 belongs to the %2, which is not ticked").arg(q).arg(chakraName(chakra));
        if (asked.contains(q))
            return QCoreApplication::translate("Exchange", "question %1 is asked twice").arg(q);
        asked.insert(q);
        const QString &a = r.answers[k];
        if (a != kYes && a != kNo && a != kNotSure)
            return QCoreApplication::translate("Exchange", "answer %1 is \"%2\"; an answer is \"Yes\", \"No\" or \"Not Sure\"").arg(k + 1).arg(a);
    }
    for (int i = 0; i < kChakraCount; ++i) {
        const int s = r.scores[std::size_t(i)];
        if (s < 0 || s > kQuestionsPerChakra)
            return QCoreApplication::translate("Exchange", "the score of the %1 is %2; a score is 0 to 8").arg(chakraName(i)).arg(s);
    }
    const ChakraScores counted = scoreAnswers(sheetOf(r));
    for (int i = 0; i < kChakraCount; ++i)
        if (counted[std::size_t(i)] != r.scores[std::size_t(i)])
            return QCoreApplication::translate("Exchange", "the score of the %1 is %2, but its answers give %3")
                .arg(chakraName(i))
                .arg(r.scores[std::size_t(i)])
                .arg(counted[std::size_t(i)]);
    if (r.program == Program::ChakraTest && !r.cards.isEmpty())
        return QCoreApplication::translate("Exchange", "a chakra test shows no tarot cards");
    if (r.program == Program::ChakrasTarot) {
        for (const ShownCard &c : r.cards) {
            if (c.slot < 0 || c.slot >= kTarotSlotCount || TarotCardTable()[std::size_t(c.slot)].name != c.card)
                return QCoreApplication::translate("Exchange", "\"%1\" is no card of slot %2").arg(c.card).arg(c.slot);
        }
        if (r.cards != shownCards(sheetOf(r), r.scores))
            return QCoreApplication::translate("Exchange", "the cards are not those that its scores show");
    }
    return QString();
}

QString stateText(ChakraState state)
{
    switch (state) {
    case ChakraState::UnderActive:
        //: A chakra's state.
        return QCoreApplication::translate("Journal", "UnderActive");
    case ChakraState::Open:
        //: A chakra's state, not a file's.
        return QCoreApplication::translate("Journal", "Open", "chakra state");
    case ChakraState::OverActive:
        break;
    }
    //: A chakra's state.
    return QCoreApplication::translate("Journal", "OverActive");
}

QString signText(const QString &sign)
{
    return astrology::signText(sign);
}

QString rulingPlanetText(const QString &planet)
{
    for (const auto &name : kPlanetNames)
        if (planet == QLatin1String(name[0]))
            return QCoreApplication::translate("Journal", name[0], name[1]);
    return planet;
}

QString cardText(const QString &card)
{
    return tarotCardText(card);
}

QString summaryOf(const Reading &r)
{
    const QString dot = QStringLiteral(" \u00b7 ");
    if (r.program == Program::Astrology) {
        const int chakra = chakraOfAstrologyName(r.chakraName);
        return signText(r.sign) + dot + rulingPlanetText(r.rulingPlanet) + dot
               + (chakra >= 0 ? chakraTitle(chakra) : r.chakraName);
    }
    QStringList parts;
    for (int i = 0; i < kChakraCount; ++i) {
        if (!r.ticked[std::size_t(i)])
            continue;
        const int s = r.scores[std::size_t(i)];
        //: A chakra's part of an entry's summary: the chakra's short name, its score and its state ("Root 5 Open").
        parts << QCoreApplication::translate("Journal", "%1 %2 %3")
                     .arg(chakraShortName(i))
                     .arg(s)
                     .arg(stateText(classifyScore(s)));
    }
    return parts.join(dot);
}

} // namespace padmora::journal
