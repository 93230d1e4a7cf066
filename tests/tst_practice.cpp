// SPDX-License-Identifier: GPL-3.0-or-later
// A guided practice's plan and its running: choices kept between runs with
// anything out of range falling back to its default; bells at their moments
// however late the looks come, shifted by pauses, not rung in a heap after
// the computer slept (but for the end bell, once); an open-ended practice
// that counts up; and the chanting pace breathing in and out on time.

#include "practice/practiceplan.h"
#include "practice/practicesession.h"
#include "practice/sitting.h"
#include "support/testing.h"

#include <QTest>

using namespace padmora::practice;

namespace {

constexpr qint64 kSecond = 1000;
constexpr qint64 kMinute = 60 * kSecond;

struct Heard {
    qint64 at;
    Bell bell;
    bool operator==(const Heard &) const = default;
};

// Looks at the session every `step` ms from `from` to `until`, as a timer
// would, and notes each bell with the moment it was heard.
QList<Heard> lookEvery(PracticeSession &session, qint64 from, qint64 until, qint64 step)
{
    QList<Heard> heard;
    for (qint64 now = from; now <= until; now += step)
        for (Bell bell : session.advance(now))
            heard.append({now, bell});
    return heard;
}

PracticePlan plan(int minutes, int preparation, int interval)
{
    PracticePlan p;
    p.minutes = minutes;
    p.preparationSeconds = preparation;
    p.intervalMinutes = interval;
    return p;
}

} // namespace

namespace QTest {
template <>
char *toString(const Heard &h)
{
    return qstrdup(qPrintable(QStringLiteral("%1 ms: %2 strikes").arg(h.at).arg(strikesOf(h.bell))));
}
} // namespace QTest

class PracticeTest : public QObject {
    Q_OBJECT

private slots:
    void choicesAreKeptAndWhatIsOutOfRangeIsIgnored()
    {
        PracticePlan mine = plan(45, 30, 3);
        mine.pace = {5, 12};
        mine.sound = false;
        mine.volumePercent = 35;
        mine.readAloud = true;
        mine.lessMotion = true;
        mine.allStepsAtOnce = true;
        const std::map<QString, QString> kept = storedValues(mine);
        auto from = [](const std::map<QString, QString> &values) {
            return planFromStored([&](const QString &key) -> std::optional<QString> {
                const auto it = values.find(key);
                return it == values.end() ? std::nullopt : std::optional<QString>(it->second);
            });
        };
        QCOMPARE(from(kept), mine);
        QCOMPARE(from({}), PracticePlan());
        // Open-ended, and the longest and shortest lengths, are choices.
        for (const char *minutes : {"0", "1", "120"})
            QCOMPARE(from({{QStringLiteral("PracticeMinutes"), QString::fromLatin1(minutes)}}).minutes,
                     QByteArray(minutes).toInt());
        // Anything else falls back to the default, one value at a time.
        const PracticePlan defaults;
        const std::map<QString, QString> wrong{{QStringLiteral("PracticeMinutes"), QStringLiteral("121")},
                                               {QStringLiteral("PracticePreparation"), QStringLiteral("20")},
                                               {QStringLiteral("PracticeInterval"), QStringLiteral("4")},
                                               {QStringLiteral("PracticeInhale"), QStringLiteral("1")},
                                               {QStringLiteral("PracticeChant"), QStringLiteral("21")},
                                               {QStringLiteral("PracticeSound"), QStringLiteral("2")},
                                               {QStringLiteral("PracticeVolume"), QStringLiteral("101")},
                                               {QStringLiteral("PracticeReadAloud"), QStringLiteral("yes")},
                                               {QStringLiteral("PracticeLessMotion"), QStringLiteral("-1")}};
        QCOMPARE(from(wrong), defaults);
        QCOMPARE(from({{QStringLiteral("PracticeMinutes"), QStringLiteral("-5")},
                       {QStringLiteral("PracticeChant"), QStringLiteral("8")}})
                     .pace,
                 (Pace{defaults.pace.inhaleSeconds, 8}));
    }

    // A 20-minute practice after 10 seconds of preparation, with a bell every
    // 5 minutes: each bell at its moment, looked at as a timer would.
    void theBellsRingAtTheirMoments()
    {
        PracticeSession session(plan(20, 10, 5));
        session.start(1000);
        QCOMPARE(session.state(), SessionState::Preparing);
        // Looks 1 ms apart around each moment: heard exactly then.
        const QList<Heard> heard = lookEvery(session, 1000, 1000 + 10 * kSecond + 20 * kMinute + 5, 1);
        const qint64 begin = 1000 + 10 * kSecond;
        QCOMPARE(heard, (QList<Heard>{{begin, Bell::Start},
                                      {begin + 5 * kMinute, Bell::Interval},
                                      {begin + 10 * kMinute, Bell::Interval},
                                      {begin + 15 * kMinute, Bell::Interval},
                                      {begin + 20 * kMinute, Bell::End}}));
        QCOMPARE(session.state(), SessionState::Completed);
        QCOMPARE(session.practisedMs(begin + 25 * kMinute), 20 * kMinute);
        QCOMPARE(session.leftMs(begin + 25 * kMinute), 0);
        QVERIFY(session.advance(begin + 30 * kMinute).isEmpty());
        QCOMPARE(QList<int>({strikesOf(Bell::Start), strikesOf(Bell::Interval), strikesOf(Bell::End)}),
                 QList<int>({1, 2, 3}));
    }

    // Looks that come late and unevenly, as a busy machine's timer's do,
    // hear each bell at the first look after its moment: no bell drifts.
    void lateLooksDoNotMakeTheBellsDrift()
    {
        PracticeSession session(plan(20, 0, 1));
        session.start(0);
        QList<Heard> heard;
        qint64 now = 0;
        for (int look = 0; now <= 20 * kMinute + 2 * kSecond; ++look) {
            for (Bell bell : session.advance(now))
                heard.append({now, bell});
            now += 997 + (look * 37) % 60;  // never on a whole second
        }
        QCOMPARE(heard.size(), 1 + 19 + 1);
        for (qsizetype k = 0; k < heard.size(); ++k) {
            const qint64 due = k * kMinute;
            QVERIFY2(heard[k].at >= due && heard[k].at - due < 1100, qPrintable(QTest::toString(heard[k])));
        }
        QCOMPARE(heard.last().bell, Bell::End);
    }

    // Looking again at the moment the session names never misses a bell and
    // never hears one late.
    void theNextChangeIsNeverPastABellOrAPhase()
    {
        PracticePlan p = plan(3, 10, 1);
        p.pace = {4, 6};
        PracticeSession session(p);
        session.start(500);
        QList<Heard> heard;
        qint64 now = 500;
        QList<Breath> phases;
        while (session.isRunning()) {
            for (Bell bell : session.advance(now))
                heard.append({now, bell});
            if (session.state() == SessionState::Practising && (phases.isEmpty() || phases.last() != session.breath(now)))
                phases << session.breath(now);
            const qint64 next = session.nextChangeAt(now);
            if (next < 0)
                break;
            QVERIFY(next > now && next - now <= 1000);
            now = next;
        }
        QCOMPARE(heard, (QList<Heard>{{10500, Bell::Start},
                                      {10500 + kMinute, Bell::Interval},
                                      {10500 + 2 * kMinute, Bell::Interval},
                                      {10500 + 3 * kMinute, Bell::End}}));
        // Three minutes at 10 s a breath: 18 breaths in, 18 out.
        QCOMPARE(phases.size(), 36);
        QCOMPARE(phases.first(), Breath::In);
    }

    // A pause holds the clock and the bells; time away from the window, or a
    // long pause, is no sleep.
    void aPauseHoldsTheClockAndTheBells()
    {
        PracticeSession session(plan(10, 0, 5));
        session.start(0);
        QCOMPARE(session.advance(0), QList<Bell>{Bell::Start});
        lookEvery(session, 0, 2 * kMinute, kSecond);
        session.pause(2 * kMinute);
        QCOMPARE(session.state(), SessionState::Paused);
        QCOMPARE(session.leftMs(30 * kMinute), 8 * kMinute);
        QVERIFY(session.advance(30 * kMinute).isEmpty());
        session.resume(32 * kMinute);
        QCOMPARE(session.state(), SessionState::Practising);
        const QList<Heard> heard = lookEvery(session, 32 * kMinute, 45 * kMinute, kSecond);
        QCOMPARE(heard, (QList<Heard>{{35 * kMinute, Bell::Interval}, {40 * kMinute, Bell::End}}));
    }

    // After the computer slept the clock shows the time that passed; the
    // bells that fell in the sleep are not rung, but for the end, once.
    void afterASleepTheTimeShownIsTheTimeThatPassed()
    {
        PracticeSession session(plan(20, 0, 2));
        session.start(0);
        lookEvery(session, 0, 3 * kMinute, kSecond);
        // Asleep from 3 to 10 minutes: the bells of 4, 6 and 8 fell in it.
        QVERIFY(session.advance(10 * kMinute).isEmpty());
        QCOMPARE(session.practisedMs(10 * kMinute), 10 * kMinute);
        QCOMPARE(session.leftMs(10 * kMinute), 10 * kMinute);
        // Awake again, the next bell rings on time.
        QCOMPARE(lookEvery(session, 10 * kMinute + kSecond, 12 * kMinute, kSecond),
                 (QList<Heard>{{12 * kMinute, Bell::Interval}}));
        // Asleep across the end: the end bell, once, and nothing more.
        QCOMPARE(session.advance(40 * kMinute), QList<Bell>{Bell::End});
        QCOMPARE(session.state(), SessionState::Completed);
        QCOMPARE(session.practisedMs(40 * kMinute), 20 * kMinute);
        QVERIFY(session.advance(41 * kMinute).isEmpty());
    }

    void anOpenEndedPracticeCountsUpUntilStopped()
    {
        PracticeSession session(plan(kOpenEnded, 10, 3));
        session.start(0);
        QCOMPARE(session.preparationLeftMs(4 * kSecond), 6 * kSecond);
        const QList<Heard> heard = lookEvery(session, 0, 10 * kSecond + 7 * kMinute, kSecond);
        QCOMPARE(heard, (QList<Heard>{{10 * kSecond, Bell::Start},
                                      {10 * kSecond + 3 * kMinute, Bell::Interval},
                                      {10 * kSecond + 6 * kMinute, Bell::Interval}}));
        QCOMPARE(session.leftMs(kMinute), -1);
        session.stop(10 * kSecond + 7 * kMinute);
        QCOMPARE(session.state(), SessionState::Stopped);
        QCOMPARE(session.practisedMs(50 * kMinute), 7 * kMinute);
        QVERIFY(session.advance(50 * kMinute).isEmpty());
        QCOMPARE(session.nextChangeAt(50 * kMinute), -1);
    }

    // From a reading, the chakras that are not open, in the report's order;
    // a practice is kept only when it ran a minute.
    void aSittingTakesTheChakrasNotOpenAndKeepsWhatRanAMinute()
    {
        std::array<bool, 7> ticked{true, false, true, true, false, true, true};
        const padmora::ChakraScores scores{2, 8, 4, 7, 0, 6, 3};  // Sacral and Throat not ticked
        QCOMPARE(chakrasToPractise(ticked, scores), (QList<int>{0, 3, 5}));
        setSitting({5, 9, -1, 0, 5});
        QCOMPARE(sitting(), (QList<int>{5, 0}));

        QList<FinishedPractice> kept;
        FinishedPractice p;
        p.chakra = 3;
        p.practisedSeconds = 59;
        QVERIFY(!keepPractice(p));  // nobody keeps them yet
        setPracticeKeeper([&](const FinishedPractice &done) {
            kept << done;
            return true;
        });
        QVERIFY(!keepPractice(p));
        p.practisedSeconds = 60;
        QVERIFY(keepPractice(p));
        QCOMPARE(kept, QList<FinishedPractice>{p});
        setPracticeKeeper(nullptr);
    }

    // Breathe in for 4 seconds as the shape fills, chant for 6 as it empties.
    void thePaceBreathesInThenChants()
    {
        PracticePlan p = plan(5, 0, 0);
        p.pace = {4, 6};
        PracticeSession session(p);
        session.start(0);
        session.advance(0);
        QCOMPARE(session.breath(0), Breath::In);
        QCOMPARE(session.breathFullness(0), 0.0);
        QCOMPARE(session.breathFullness(2 * kSecond), 0.5);
        QCOMPARE(session.breathLeftMs(2 * kSecond), 2 * kSecond);
        QCOMPARE(session.breath(4 * kSecond), Breath::Chant);
        QCOMPARE(session.breathFullness(4 * kSecond), 1.0);
        QCOMPARE(session.breathFullness(7 * kSecond), 0.5);
        QCOMPARE(session.breathLeftMs(7 * kSecond), 3 * kSecond);
        QCOMPARE(session.breath(10 * kSecond), Breath::In);
        QCOMPARE(session.breathFullness(10 * kSecond), 0.0);
    }
};

PADMORA_TEST_MAIN(PracticeTest)
#include "tst_practice.moc"
