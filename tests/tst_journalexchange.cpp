// SPDX-License-Identifier: GPL-3.0-or-later
// The journal as a file: JSON that reads back losslessly (export, import
// into an empty journal, export again: the same bytes), entries already
// there skipped and counted, every kind of wrong file refused whole with
// what is wrong and where; CSV with one row per chakra score; and a file
// that cannot be written leaves nothing behind.

#include "chakras/questionbank.h"
#include "journal/exchange.h"
#include "journal/store.h"
#include "support/recordingdesktop.h"
#include "support/testing.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace padmora;
using namespace padmora::journal;

namespace {

Reading reading(Program program, int chakra, int score, const QDateTime &taken, const QString &note = {})
{
    AnswerSheet sheet;
    sheet.ChakraSelection.fill(-1);
    sheet.ChakraSelection[std::size_t(chakra)] = qint16(chakra);
    for (int j = 0; j < 8; ++j) {
        const int q = 8 * chakra + j;
        sheet.QuestionOrder << qint16(q);
        sheet.Answers << (j < score ? answerKey(q) : (j % 2 ? QStringLiteral("Not Sure") : QString()));
        if (j >= score && j % 2 == 0)
            sheet.Answers.last() = answerKey(q) == QLatin1String("Yes") ? QStringLiteral("No") : QStringLiteral("Yes");
    }
    sheet.QuestionOrder << 0;
    sheet.Answers << QString();
    ChakraScores scores{};
    scores[std::size_t(chakra)] = qint16(score);
    Reading r = chakraReading(program, sheet, scores, taken);
    r.note = note;
    return r;
}

// Three entries: a test, a tarot with its cards, an astrology reading; notes with
// line breaks, quotes and letters beyond ASCII.
QList<Reading> threeReadings()
{
    const QDateTime day(QDate(2026, 5, 3), QTime(8, 15, 30, 250), Qt::UTC);
    Reading stars = astrologyReading(QDate(2000, 2, 29), QStringLiteral("Pisces"), QStringLiteral("Neptune and Jupiter"),
                                     QStringLiteral("Sacral Chakra"), day.addDays(2).toOffsetFromUtc(-5 * 3600));
    stars.note = QStringLiteral("Sacral, \"again\"");
    return {reading(Program::ChakraTest, 3, 2, day.toOffsetFromUtc(3600), QStringLiteral("Tired\nafter work")),
            reading(Program::ChakrasTarot, 3, 7, day.addDays(1).toOffsetFromUtc(19800), QStringLiteral("Kärlek, 愛")),
            stars};
}

// A practice of the Heart Chakra, ten minutes of ten at a pace of 4 and 6 seconds.
Practice heartPractice(const QDateTime &taken, const QString &note = {})
{
    Practice p;
    p.chakra = 3;
    p.taken = taken.toUTC();
    p.offsetSeconds = taken.offsetFromUtc();
    p.plannedMinutes = 10;
    p.practisedSeconds = 600;
    p.completed = true;
    p.inhaleSeconds = 4;
    p.chantSeconds = 6;
    p.note = note;
    return p;
}

QByteArray withEntry(const std::function<void(QJsonObject &)> &change, int entry = 1)
{
    QJsonObject top = QJsonDocument::fromJson(toJson(threeReadings())).object();
    QJsonArray entries = top.value(QStringLiteral("entries")).toArray();
    QJsonObject o = entries[entry].toObject();
    change(o);
    entries[entry] = o;
    top.insert(QStringLiteral("entries"), entries);
    return QJsonDocument(top).toJson();
}

} // namespace

class JournalExchangeTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void aRoundTripLosesNothing()
    {
        Store first(path(QStringLiteral("first.sqlite")));
        const QDateTime evening(QDate(2026, 5, 6), QTime(19, 0), Qt::UTC);
        QCOMPARE(first.add(threeReadings(), {heartPractice(evening.toOffsetFromUtc(7200), QStringLiteral("Warm hands"))})->added, 4);
        const QByteArray exported = toJson(*first.allReadings(), *first.practices());

        Store second(path(QStringLiteral("second.sqlite")));
        const ParsedJournal parsed = fromJson(exported);
        QVERIFY2(parsed.problem.isEmpty(), qPrintable(parsed.problem));
        const std::optional<ImportCount> count = second.add(parsed.readings, parsed.practices);
        QCOMPARE(count->added, 4);
        QCOMPARE(count->alreadyThere, 0);
        // The same bytes again: every entry keeps its id, the practice its note.
        QCOMPARE(toJson(*second.allReadings(), *second.practices()), exported);
        QCOMPARE(second.practices()->first().uuid, first.practices()->first().uuid);
        QCOMPARE(second.practices()->first().note, QStringLiteral("Warm hands"));
        QCOMPARE(second.allReadings()->last().uuid.size(), 36);
        QCOMPARE(second.allReadings()->last().uuid, first.allReadings()->last().uuid);
        const QList<Reading> back = *second.allReadings();
        const QList<Reading> original = threeReadings();
        for (int i = 0; i < 3; ++i) {
            QVERIFY(back[i].sameReading(original[i]));
            QCOMPARE(back[i].note, original[i].note);
            QCOMPARE(back[i].localTaken(), original[i].localTaken());
        }
        // The tarot's cards travel with it.
        QCOMPARE(back[1].cards.size(), 2);

        // Importing again adds nothing and says so.
        const std::optional<ImportCount> again = second.add(fromJson(exported).readings, fromJson(exported).practices);
        QCOMPARE(again->added, 0);
        QCOMPARE(again->alreadyThere, 4);
        QCOMPARE(second.count(), 4);
    }

    // A file of version 1 has no ids and no practices: it is imported, each
    // entry given an id; an entry is known again by its id even where its
    // moment is not the same.
    void aVersionOneFileIsImportedAndIdsAreRecognised()
    {
        QJsonObject top = QJsonDocument::fromJson(toJson(threeReadings())).object();
        top.insert(QStringLiteral("version"), 1);
        top.remove(QStringLiteral("practices"));
        QVERIFY(!top.value(QStringLiteral("entries")).toArray().first().toObject().contains(QStringLiteral("id")));
        const ParsedJournal old = fromJson(QJsonDocument(top).toJson());
        QVERIFY2(old.problem.isEmpty(), qPrintable(old.problem));
        Store store(path(QStringLiteral("from-one.sqlite")));
        QCOMPARE(store.add(old.readings)->added, 3);
        QSet<QString> ids;
        const QList<Reading> imported = *store.allReadings();
        for (const Reading &r : imported) {
            QCOMPARE(r.uuid.size(), 36);
            ids.insert(r.uuid);
        }
        QCOMPARE(ids.size(), 3);

        // Its export of version 2, with the moment of one entry moved by a
        // second and the practice's by a minute: both are there already.
        Practice mine = heartPractice(QDateTime(QDate(2026, 5, 7), QTime(6, 0), Qt::UTC));
        QVERIFY(store.savePractice(mine));
        QJsonObject moved = QJsonDocument::fromJson(toJson(*store.allReadings(), *store.practices())).object();
        QJsonArray entries = moved.value(QStringLiteral("entries")).toArray();
        QJsonObject astrology = entries[2].toObject();
        astrology.insert(QStringLiteral("taken"), QStringLiteral("2026-05-05T08:15:31.250Z"));
        entries[2] = astrology;
        moved.insert(QStringLiteral("entries"), entries);
        QJsonArray practices = moved.value(QStringLiteral("practices")).toArray();
        QJsonObject practice = practices[0].toObject();
        QCOMPARE(practice.value(QStringLiteral("id")).toString(), mine.uuid);
        practice.insert(QStringLiteral("taken"), QStringLiteral("2026-05-07T06:01:00.000Z"));
        practices[0] = practice;
        moved.insert(QStringLiteral("practices"), practices);
        const ParsedJournal again = fromJson(QJsonDocument(moved).toJson());
        QVERIFY2(again.problem.isEmpty(), qPrintable(again.problem));
        const std::optional<ImportCount> count = store.add(again.readings, again.practices);
        QCOMPARE(count->added, 0);
        QCOMPARE(count->alreadyThere, 4);
    }

    void theFormatIsAsDocumented()
    {
        const QJsonObject top = QJsonDocument::fromJson(toJson(threeReadings())).object();
        QCOMPARE(top.value(QStringLiteral("format")).toString(), QStringLiteral("Padmora journal"));
        QCOMPARE(top.value(QStringLiteral("version")).toInt(), 2);
        const QJsonArray entries = top.value(QStringLiteral("entries")).toArray();
        const QJsonObject test = entries[0].toObject();
        QCOMPARE(test.value(QStringLiteral("taken")).toString(), QStringLiteral("2026-05-03T08:15:30.250Z"));
        QCOMPARE(test.value(QStringLiteral("offset")).toInt(), 3600);
        QCOMPARE(test.value(QStringLiteral("program")).toString(), QStringLiteral("test"));
        QCOMPARE(test.value(QStringLiteral("questions")).toArray().first().toInt(), 24);
        QCOMPARE(test.value(QStringLiteral("answers")).toArray().size(), 8);
        QCOMPARE(test.value(QStringLiteral("scores")).toArray(),
                 QJsonArray({QJsonObject{{QStringLiteral("chakra"), 3}, {QStringLiteral("score"), 2}}}));
        QCOMPARE(entries[1].toObject().value(QStringLiteral("cards")).toArray().first().toObject().value(QStringLiteral("card")).toString(),
                 QStringLiteral("Justice"));
        const QJsonObject stars = entries[2].toObject();
        QCOMPARE(stars.value(QStringLiteral("birthDate")).toString(), QStringLiteral("2000-02-29"));
        QCOMPARE(stars.value(QStringLiteral("sign")).toString(), QStringLiteral("Pisces"));
        QVERIFY(!stars.contains(QStringLiteral("name")));
        const QList<Practice> one{heartPractice(QDateTime(QDate(2026, 5, 7), QTime(6, 0), Qt::UTC))};
        const QJsonDocument withPractice = QJsonDocument::fromJson(toJson(QList<Reading>(), one));
        const QJsonArray practices = withPractice.object().value(QStringLiteral("practices")).toArray();
        QCOMPARE(practices.size(), 1);
        const QJsonObject practice = practices.first().toObject();
        QCOMPARE(practice.keys(), (QStringList{QStringLiteral("chakra"), QStringLiteral("chantSeconds"),
                                               QStringLiteral("completed"), QStringLiteral("inhaleSeconds"),
                                               QStringLiteral("note"), QStringLiteral("offset"),
                                               QStringLiteral("plannedMinutes"), QStringLiteral("practisedSeconds"),
                                               QStringLiteral("taken")}));
        QCOMPARE(practice.value(QStringLiteral("taken")).toString(), QStringLiteral("2026-05-07T06:00:00.000Z"));
        QCOMPARE(practice.value(QStringLiteral("chakra")).toInt(), 3);
        QCOMPARE(practice.value(QStringLiteral("plannedMinutes")).toInt(), 10);
        QCOMPARE(practice.value(QStringLiteral("practisedSeconds")).toInt(), 600);
        QCOMPARE(practice.value(QStringLiteral("completed")).toBool(), true);
        QCOMPARE(practice.value(QStringLiteral("inhaleSeconds")).toInt(), 4);
        QCOMPARE(practice.value(QStringLiteral("chantSeconds")).toInt(), 6);
    }

    void wrongFilesAreRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("problem");
        const QByteArray whole = toJson(threeReadings());
        QTest::newRow("not JSON") << QByteArray("Root 5, Heart 2") << QStringLiteral("not whole, well-formed JSON");
        QTest::newRow("cut short") << whole.left(whole.size() * 2 / 3)
                                   << QStringLiteral("not whole, well-formed JSON");
        QTest::newRow("no journal") << QByteArray(R"({"entries": []})") << QStringLiteral("no Padmora journal");
        QTest::newRow("newer version") << QByteArray(R"({"format": "Padmora journal", "version": 3, "entries": []})")
                                       << QStringLiteral("format version 3, newer than this Padmora reads (up to version 2)");
        QTest::newRow("an id that is none") << withEntry([](QJsonObject &o) {
            o.insert(QStringLiteral("id"), QStringLiteral("{3f2b8c1e-9a4d-4e7f-b0c2-5d6e7f8a9b0c}"));
        }) << QStringLiteral("entry 2, \"id\": \"{3f2b8c1e-9a4d-4e7f-b0c2-5d6e7f8a9b0c}\" is no id of the form");
        const QByteArray practice = R"({"format": "Padmora journal", "version": 2, "entries": [], "practices": [)"
                                    R"({"taken": "2026-05-07T06:00:00.000Z", "offset": 0, "chakra": %1,)"
                                    R"( "plannedMinutes": %2, "practisedSeconds": 600, "completed": true,)"
                                    R"( "inhaleSeconds": 4, "chantSeconds": 6}]})";
        QTest::newRow("a practice of chakra 9")
            << QString::fromLatin1(practice).arg(9).arg(10).toUtf8()
            << QStringLiteral("practice 1, \"chakra\": chakra 9 does not exist (chakras are 0 to 6)");
        QTest::newRow("a practice of 121 minutes")
            << QString::fromLatin1(practice).arg(3).arg(121).toUtf8()
            << QStringLiteral("practice 1, \"plannedMinutes\": 121 is not 0 (open-ended) to 120");
        QTest::newRow("a score of 9") << withEntry([](QJsonObject &o) {
            o.insert(QStringLiteral("scores"), QJsonArray({QJsonObject{{QStringLiteral("chakra"), 3}, {QStringLiteral("score"), 9}}}));
        }) << QStringLiteral("entry 2, \"scores\": the score of the Heart Chakra is 9; a score is 0 to 8");
        QTest::newRow("an unknown card") << withEntry([](QJsonObject &o) {
            o.insert(QStringLiteral("cards"),
                     QJsonArray({QJsonObject{{QStringLiteral("chakra"), 3}, {QStringLiteral("slot"), 4}, {QStringLiteral("card"), QStringLiteral("The Tower")}},
                                 QJsonObject{{QStringLiteral("chakra"), 3}, {QStringLiteral("slot"), 5}, {QStringLiteral("card"), QStringLiteral("Temperance")}}}));
        }) << QStringLiteral("entry 2, \"The Tower\" is no card of slot 4");
        QTest::newRow("a score its answers do not give") << withEntry([](QJsonObject &o) {
            o.insert(QStringLiteral("scores"), QJsonArray({QJsonObject{{QStringLiteral("chakra"), 3}, {QStringLiteral("score"), 5}}}));
        }, 0) << QStringLiteral("entry 1, the score of the Heart Chakra is 5, but its answers give 2");
        QTest::newRow("an unknown program") << withEntry([](QJsonObject &o) {
            o.insert(QStringLiteral("program"), QStringLiteral("palmistry"));
        }, 2) << QStringLiteral("entry 3, \"program\": \"palmistry\" is no program");
        QTest::newRow("the wrong sign") << withEntry([](QJsonObject &o) {
            o.insert(QStringLiteral("sign"), QStringLiteral("Leo"));
        }, 2) << QStringLiteral("entry 3, the sign \"Leo\" is not the sun sign of 2000-02-29 (Pisces)");
        QTest::newRow("a birth date with slashes") << withEntry([](QJsonObject &o) {
            o.insert(QStringLiteral("birthDate"), QStringLiteral("2000/02/29"));
        }, 2) << QStringLiteral("entry 3, \"birthDate\": \"2000/02/29\" is no date of the form 1980-07-23");
        QTest::newRow("a birth date with a time") << withEntry([](QJsonObject &o) {
            o.insert(QStringLiteral("birthDate"), QStringLiteral("2000-02-29T10:00"));
        }, 2) << QStringLiteral("entry 3, \"birthDate\": \"2000-02-29T10:00\" is no date of the form 1980-07-23");
        QTest::newRow("no time") << withEntry([](QJsonObject &o) { o.remove(QStringLiteral("taken")); })
                                 << QStringLiteral("entry 2, \"taken\": missing");
    }

    void wrongFilesAreRefusedWhole()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, problem);
        const ParsedJournal parsed = fromJson(file);
        QVERIFY2(parsed.problem.contains(problem), qPrintable(parsed.problem));
        QVERIFY(parsed.readings.isEmpty());
        QVERIFY(parsed.practices.isEmpty());
    }

    // No clock could have taken a reading before 1900 or more than a day
    // after now, nor at an offset from UTC beyond the widest on earth.
    void momentsNoClockCouldGiveAreRefused_data()
    {
        QTest::addColumn<QString>("taken");  // empty: as exported
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("problem");  // empty: taken
        const int asExported = 19800;
        QTest::newRow("year 1") << QStringLiteral("0001-01-01T00:00:00.000Z") << asExported
                                << QStringLiteral("entry 2, \"taken\": 0001-01-01T00:00:00.000Z is before 1900");
        QTest::newRow("the first of 1900") << QStringLiteral("1900-01-01T00:00:00.000Z") << asExported << QString();
        QTest::newRow("a day ahead") << QStringLiteral("2026-12-09T09:00:00.000Z") << asExported << QString();
        QTest::newRow("a day and a millisecond ahead")
            << QStringLiteral("2026-12-09T09:00:00.001Z") << asExported
            << QStringLiteral("entry 2, \"taken\": 2026-12-09T09:00:00.001Z is more than a day after now");
        QTest::newRow("15 hours east") << QString() << 54000
                                       << QStringLiteral("entry 2, \"offset\": 54000 s from UTC is more than 14 hours");
        QTest::newRow("14 hours west") << QString() << -50400 << QString();
    }

    void momentsNoClockCouldGiveAreRefused()
    {
        QFETCH(QString, taken);
        QFETCH(int, offset);
        QFETCH(QString, problem);
        testing::RecordingDesktop fake;
        fake.scriptedNow = {QDateTime(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC)};
        const ParsedJournal parsed = fromJson(withEntry([&](QJsonObject &o) {
            if (!taken.isEmpty())
                o.insert(QStringLiteral("taken"), taken);
            o.insert(QStringLiteral("offset"), offset);
        }));
        QCOMPARE(parsed.problem, problem);
        QCOMPARE(parsed.readings.size(), problem.isEmpty() ? 3 : 0);
    }

    // Half a surrogate pair is no character: a file that escapes one alone
    // is refused with where it is; a whole pair is its character.
    void loneSurrogatesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("sign");  // the first entry's, as written in the file
        QTest::addColumn<QByteArray>("note");  // the second entry's, from line 6, column 12
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("noteRead");
        const QByteArray pisces("Pisces");
        QTest::newRow("a high half before a blank")
            << pisces << QByteArray(R"(Calm\ud83d after)")
            << QStringLiteral("entry 2, \"note\": a lone surrogate \\ud83d at line 6, column 16 is no character") << QString();
        QTest::newRow("columns count characters")
            << pisces << QByteArray("Kärlek, 愛 \\ud83d")
            << QStringLiteral("entry 2, \"note\": a lone surrogate \\ud83d at line 6, column 22 is no character") << QString();
        QTest::newRow("a high half before another escape")
            << pisces << QByteArray(R"(\ud83d\u0041)")
            << QStringLiteral("entry 2, \"note\": a lone surrogate \\ud83d at line 6, column 12 is no character") << QString();
        QTest::newRow("a low half in another field")
            << QByteArray(R"(\uDE00Pisces)") << QByteArray()
            << QStringLiteral("entry 1, \"sign\": a lone surrogate \\uDE00 at line 3, column 12 is no character") << QString();
        QTest::newRow("a whole pair") << pisces << QByteArray(R"(\ud83d\ude00)") << QString() << QStringLiteral("\U0001F600");
        QTest::newRow("an escaped backslash") << pisces << QByteArray(R"(C:\\ud83d)") << QString()
                                              << QStringLiteral("C:\\ud83d");
    }

    void loneSurrogatesAreRefused()
    {
        QFETCH(QByteArray, sign);
        QFETCH(QByteArray, note);
        QFETCH(QString, problem);
        QFETCH(QString, noteRead);
        QByteArray file(R"({"format": "Padmora journal", "version": 1, "entries": [
 {"taken": "2026-05-03T08:15:30.250Z", "offset": 0, "program": "astrology", "birthDate": "2000-02-29",
  "sign": "@sign@", "rulingPlanet": "Neptune and Jupiter", "chakra": "Sacral Chakra", "note": ""},
 {"taken": "2026-05-04T08:15:30.250Z", "offset": 0, "program": "astrology", "birthDate": "2000-02-29",
  "sign": "Pisces", "rulingPlanet": "Neptune and Jupiter", "chakra": "Sacral Chakra",
  "note": "@note@"}
]}
)");
        file.replace("@sign@", sign).replace("@note@", note);
        const ParsedJournal parsed = fromJson(file);
        QCOMPARE(parsed.problem, problem);
        if (problem.isEmpty())
            QCOMPARE(parsed.readings.value(1).note, noteRead);
        else
            QVERIFY(parsed.readings.isEmpty());
    }

    void aParseErrorSaysItsLineAndColumn()
    {
        // The x stands at line 3, column 14, counted in characters: "ä" is two bytes.
        const ParsedJournal parsed = fromJson("{\n  \"a\": 1,\n \"ä\": [1, 2, x]\n}");
        QVERIFY2(parsed.problem.startsWith(QStringLiteral("it is not whole, well-formed JSON (")), qPrintable(parsed.problem));
        QVERIFY2(parsed.problem.endsWith(QStringLiteral(" at line 3, column 14)")), qPrintable(parsed.problem));
    }

    void aFileLargerThan64MBIsRefusedUnread()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("large.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Sparse files of zero bytes: no disk is spent on them.
        QVERIFY(file.resize(64 * 1024 * 1024));
        const QString read = readJson(path).problem;
        QVERIFY2(read.startsWith(QStringLiteral("it is not whole, well-formed JSON")), qPrintable(read));
        QVERIFY(file.resize(64 * 1024 * 1024 + 1));
        QCOMPARE(readJson(path).problem, QStringLiteral("it is 64.0 MB; a journal file holds at most 64 MB"));
        QVERIFY(!readJson(dir.filePath(QStringLiteral("nowhere.json"))).problem.isEmpty());
    }

    void csvHasARowPerChakraScore()
    {
        QList<Reading> readings = threeReadings();
        readings.append(reading(Program::ChakraTest, 0, 6, QDateTime(QDate(2026, 6, 1), QTime(7, 0), Qt::UTC)));
        QCOMPARE(QString::fromUtf8(toCsv(readings)).split(QStringLiteral("\r\n")),
                 (QStringList{QStringLiteral("date,program,chakra,score,state"),
                              QStringLiteral("2026-05-03T09:15:30+01:00,Zazeder Izorudav,Heart Chakra (Anahata),2,UnderActive"),
                              QStringLiteral("2026-05-04T13:45:30+05:30,Dovazov Urera,Heart Chakra (Anahata),7,OverActive"),
                              QStringLiteral("2026-06-01T07:00:00Z,Zazeder Izorudav,Root Chakra (Muladhara),6,OverActive"),
                              QString()}));
    }

    void aFileThatCannotBeWrittenLeavesNothing()
    {
        QTemporaryDir dir;
        QString why;
        // A folder stands where the file would go: nothing is written, the folder stays.
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("taken.json"))));
        QVERIFY(!writeWhole(dir.filePath(QStringLiteral("taken.json")), "{}", &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("taken.json"))).isDir());
        // A folder that is not there.
        QVERIFY(!writeWhole(dir.filePath(QStringLiteral("nowhere/journal.json")), "{}", &why));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
        QVERIFY(writeWhole(dir.filePath(QStringLiteral("journal.json")), "{}", &why));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("journal.json")});
    }

    void aFileThatOthersCouldReadIsReplacedByOneTheyCannot()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal.json"));
        const QFileDevice::Permissions ownerAlone = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        QVERIFY(QFile::setPermissions(path, ownerAlone | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        QString why;
        QVERIFY(writeWhole(path, "[]", &why));
        // The mode's bits alone: the "user" ones say what this process may do.
        QCOMPARE(QFileInfo(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
                 ownerAlone);
    }
};

PADMORA_TEST_MAIN(JournalExchangeTest)
#include "tst_journalexchange.moc"
