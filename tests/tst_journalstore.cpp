// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's store: opened at its first use with its schema, modes and
// write-ahead log; every kind of reading saved and read back; and whatever
// the file is (empty, random bytes, cut short, a folder, read-only, on a
// full disk, written by a newer Padmora) the store says so, changes nothing
// it must not, and deletes nothing. A process killed while it saves loses
// nothing it reported saved.

#include "chakras/questionbank.h"
#include "chakras/scoring.h"
#include "journal/store.h"
#include "support/recordingdesktop.h"
#include "support/testing.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

using namespace padmora;
using namespace padmora::journal;

namespace {

QDateTime at(int day, int hour = 9)
{
    return QDateTime(QDate(2026, 5, day), QTime(hour, 0), Qt::UTC);
}

// A test or tarot reading of the given chakras: the first `score` questions
// of each get the counted answer, the rest "Not Sure".
Reading chakraTest(Program program, const std::map<int, int> &scores, const QDateTime &taken)
{
    AnswerSheet sheet;
    sheet.ChakraSelection.fill(-1);
    for (const auto &[chakra, score] : scores) {
        sheet.ChakraSelection[std::size_t(chakra)] = qint16(chakra);
        for (int j = 7; j >= 0; --j) {
            const int q = 8 * chakra + j;
            sheet.QuestionOrder << qint16(q);
            sheet.Answers << (7 - j < score ? answerKey(q) : QStringLiteral("Not Sure"));
            sheet.AskedKeys << answerKey(q);
        }
    }
    sheet.QuestionOrder << 0;
    sheet.Answers << QString();
    sheet.AskedKeys << QString();
    ChakraScores counted{};
    for (const auto &[chakra, score] : scores)
        counted[std::size_t(chakra)] = qint16(score);
    return chakraReading(program, sheet, counted, taken.toOffsetFromUtc(3600));
}

Reading leo(const QDateTime &taken)
{
    return astrologyReading(QDate(1980, 7, 23), QStringLiteral("Leo"), QStringLiteral("The Sun"),
                            QStringLiteral("Crown Chakra"), taken);
}

QByteArray digest(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

// A query through a connection of its own, as another program would read the file.
QString ask(const QString &path, const QString &sql)
{
    QString answer;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outside"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                answer = q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("outside"));
    return answer;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Runs a shell line in a user and mount namespace of its own; false when
// the machine does not allow one.
bool namespacesAllowed()
{
    return QProcess::execute(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("true")}) == 0;
}

QStringList runInNamespace(const QString &script, const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("unshare"),
            QStringList{QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-ec"), script, QStringLiteral("sh")}
                + args);
    p.waitForFinished(testing::kPatience);
    return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
           << QString::fromUtf8(p.readAllStandardError()).trimmed();
}

} // namespace

class JournalStoreTest : public QObject {
    Q_OBJECT

    QString m_path;

    QString folder() const { return QFileInfo(m_path).absolutePath(); }

    // A journal of n tests, made and closed.
    void makeJournal(int n)
    {
        Store store(m_path);
        for (int i = 0; i < n; ++i) {
            Reading r = chakraTest(Program::ChakraTest, {{0, i % 9}, {3, 8 - i % 9}}, at(1).addSecs(i));
            QVERIFY2(store.save(r), qPrintable(store.lastError()));
        }
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_path = journalFilePath();
        QVERIFY(m_path.endsWith(QStringLiteral("/.qttest/share/Padmora/journal.sqlite")));
    }

    void init()
    {
        forgetJournalStore();
        QDir(folder()).removeRecursively();
    }

    void opensAtItsFirstUseWithItsSchemaModesAndLog()
    {
        {
            Store store(m_path);
            QVERIFY(!QFileInfo::exists(m_path));  // nothing before its first use
            QCOMPARE(store.status().state, StoreState::Ready);
            QCOMPARE(QFileInfo(m_path).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
            QCOMPARE(QFileInfo(folder()).permissions() & 0x7077,
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            Reading r = chakraTest(Program::ChakrasTarot, {{1, 1}, {3, 7}}, at(3));
            QVERIFY(store.save(r));
            // Saved means in the write-ahead log, which lives beside the file with the same mode.
            QVERIFY(QFileInfo::exists(m_path + QStringLiteral("-wal")));
            QCOMPARE(QFileInfo(m_path + QStringLiteral("-wal")).permissions() & 0x7077,
                     QFile::ReadOwner | QFile::WriteOwner);
            // Foreign keys hold: deleting the entry deletes its scores and cards.
            QVERIFY(store.remove({r.id}));
        }
        QCOMPARE(ask(m_path, QStringLiteral("PRAGMA user_version")), QStringLiteral("1"));
        QCOMPARE(ask(m_path, QStringLiteral("PRAGMA journal_mode")), QStringLiteral("wal"));
        QCOMPARE(ask(m_path, QStringLiteral("SELECT count(*) FROM chakra_score")), QStringLiteral("0"));
        QCOMPARE(ask(m_path, QStringLiteral("SELECT count(*) FROM tarot_card")), QStringLiteral("0"));
    }

    void everyKindOfReadingComesBackAsSaved()
    {
        Store store(m_path);
        Reading test = chakraTest(Program::ChakraTest, {{0, 5}, {3, 2}}, at(3));
        test.note = QStringLiteral("After the long walk\nfelt calm");
        Reading tarot = chakraTest(Program::ChakrasTarot, {{1, 4}, {3, 7}, {6, 0}}, at(4));
        Reading stars = leo(at(5));
        for (Reading *r : {&test, &tarot, &stars})
            QVERIFY2(store.save(*r), qPrintable(store.lastError()));
        // The tarot kept the cards it showed: both of Heart's, Crown's one.
        QCOMPARE(tarot.cards, (QList<ShownCard>{{3, 4, QStringLiteral("Justice")},
                                                {3, 5, QStringLiteral("Temperance")},
                                                {6, 8, QStringLiteral("Death")}}));
        store.close();
        for (const Reading *r : {&test, &tarot, &stars}) {
            const std::optional<Reading> back = store.load(r->id);
            QVERIFY(back);
            QVERIFY(back->sameReading(*r));
            QCOMPARE(back->note, r->note);
            QCOMPARE(back->localTaken().offsetFromUtc(), 3600 * (r->program != Program::Astrology));
        }
        const QList<Entry> entries = store.entries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].summary(), QStringLiteral("Leo \u00b7 The Sun \u00b7 Crown Chakra (Sahasrara)"));
        QCOMPARE(entries[1].summary(), QStringLiteral("Sacral 4 Open \u00b7 Heart 7 OverActive \u00b7 Crown 0 UnderActive"));
        QCOMPARE(entries[2].summary(), QStringLiteral("Root 5 Open \u00b7 Heart 2 UnderActive"));
        QCOMPARE(entries[2].note, test.note);
        // The same reading twice is one entry.
        QVERIFY(!store.save(test));
        QCOMPARE(store.count(), 3);
        // A note is cut at 10,000 UTF-16 units, before an emoji the cut would split.
        QVERIFY(store.setNote(stars.id, QString(9999, QLatin1Char('x')) + QStringLiteral("\U0001F600")));
        QCOMPARE(store.load(stars.id)->note, QString(9999, QLatin1Char('x')));
    }

    void impossibleReadingsAreRefused()
    {
        Store store(m_path);
        Reading nine = chakraTest(Program::ChakraTest, {{3, 8}}, at(3));
        nine.scores[3] = 9;
        QVERIFY(!store.save(nine));
        QVERIFY(store.lastError().contains(QStringLiteral("score of the Heart Chakra is 9")));
        Reading card = chakraTest(Program::ChakrasTarot, {{3, 8}}, at(3));
        card.cards[0].card = QStringLiteral("The Tower");
        QVERIFY(!store.save(card));
        QVERIFY(store.lastError().contains(QStringLiteral("The Tower")));
        // Nor a moment no clock could give, by the desktop's clock.
        testing::RecordingDesktop fake;
        fake.scriptedNow = {QDateTime(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC)};
        Reading ahead = leo(QDateTime(QDate(2026, 12, 9), QTime(9, 0, 1), Qt::UTC));
        QVERIFY(!store.save(ahead));
        QCOMPARE(store.lastError(), QStringLiteral("\"taken\": 2026-12-09T09:00:01.000Z is more than a day after now"));
        QCOMPARE(store.count(), 0);
        // The next failure says its own reason, not the refusal's.
        QVERIFY(!store.load(4711));
        QCOMPARE(store.lastError(), QStringLiteral("there is no entry 4711"));
    }

    // A journal whose SQLite module is missing says so, names it, keeps
    // nothing and touches no file.
    void withoutItsModuleTheJournalSaysSoAndKeepsNothing()
    {
        QTemporaryDir empty;
        const QByteArray built = qgetenv("PADMORA_MODULE_DIR");
        qputenv("PADMORA_MODULE_DIR", QFile::encodeName(empty.path()));
        Store store(m_path);
        const StoreStatus status = store.status();
        Reading r = chakraTest(Program::ChakraTest, {{3, 8}}, at(3));
        const qint64 saved = store.save(r);
        qputenv("PADMORA_MODULE_DIR", built);
        QCOMPARE(status.state, StoreState::Unavailable);
        QVERIFY2(status.problem.contains(empty.path() + QStringLiteral("/libpadmora-journal-sqlite.so")),
                 qPrintable(status.problem));
        QCOMPARE(saved, 0);
        QVERIFY(store.lastError().contains(QStringLiteral("module")));
        QVERIFY(!QFileInfo::exists(m_path));
    }

    void aFileThatIsNoJournal_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("random bytes") << QStringLiteral("random");
        QTest::newRow("cut short") << QStringLiteral("truncated");
        QTest::newRow("a folder in its place") << QStringLiteral("folder");
    }

    void aFileThatIsNoJournal()
    {
        QFETCH(QString, kind);
        QVERIFY(QDir().mkpath(folder()));
        if (kind == QLatin1String("random")) {
            QByteArray noise(64 * 1024, '\0');
            QRandomGenerator generator(17);
            for (char &c : noise)
                c = char(generator.bounded(256));
            writeFile(m_path, noise);
        } else if (kind == QLatin1String("truncated")) {
            makeJournal(300);
            QFile f(m_path);
            QVERIFY(f.size() > 8 * 4096);
            QVERIFY(f.resize(f.size() / 2));
        } else {
            QVERIFY(QDir().mkpath(m_path));
            writeFile(m_path + QStringLiteral("/mine.txt"), "kept");
        }
        const QByteArray before = digest(m_path);
        {
            Store store(m_path);
            const StoreStatus status = store.status();
            QCOMPARE(status.state, kind == QLatin1String("folder") ? StoreState::Unavailable : StoreState::Damaged);
            QVERIFY(statusText(status, m_path).contains(m_path));
            if (kind == QLatin1String("folder"))
                QVERIFY(status.problem.contains(QStringLiteral("folder")));
            Reading r = leo(at(9));
            QVERIFY(!store.save(r));
            QVERIFY(!store.lastError().isEmpty());
            QVERIFY(store.entries().isEmpty());
            QVERIFY(!store.setNote(1, QStringLiteral("x")));
            QVERIFY(!store.removeAll());
        }
        // Untouched, and moved aside whole when the user asks.
        QCOMPARE(digest(m_path), before);
        Store store(m_path);
        const QString aside = store.moveAside(QDateTime(QDate(2026, 12, 8), QTime(9, 30, 5)));
        QCOMPARE(aside, m_path + QStringLiteral(".damaged-20261208-093005"));
        QVERIFY(!QFileInfo::exists(m_path));
        if (kind == QLatin1String("folder"))
            QVERIFY(QFileInfo::exists(aside + QStringLiteral("/mine.txt")));
        else
            QCOMPARE(digest(aside), before);
        QCOMPARE(store.status().state, StoreState::Ready);
        Reading r = leo(at(9));
        QVERIFY(store.save(r));
        QCOMPARE(store.count(), 1);
    }

    void anEmptyFileBecomesAJournal()
    {
        QVERIFY(QDir().mkpath(folder()));
        writeFile(m_path, QByteArray());
        Store store(m_path);
        QCOMPARE(store.status().state, StoreState::Ready);
        Reading r = leo(at(9));
        QVERIFY(store.save(r));
        QCOMPARE(store.count(), 1);
    }

    void aNewerJournalIsReadAndNeverChanged()
    {
        makeJournal(2);
        ask(m_path, QStringLiteral("PRAGMA user_version = 7"));
        QCOMPARE(ask(m_path, QStringLiteral("PRAGMA user_version")), QStringLiteral("7"));
        const QByteArray before = digest(m_path);
        {
            Store store(m_path);
            const StoreStatus status = store.status();
            QCOMPARE(status.state, StoreState::Newer);
            QCOMPARE(status.fileVersion, 7);
            QVERIFY(statusText(status, m_path).contains(QStringLiteral("newer Padmora")));
            QCOMPARE(store.entries().size(), 2);  // still read
            Reading r = leo(at(9));
            QVERIFY(!store.save(r));
            QVERIFY(!store.setNote(store.entries().first().id, QStringLiteral("x")));
            QVERIFY(!store.remove({store.entries().first().id}));
            QVERIFY(!store.add({leo(at(10))}));
        }
        QCOMPARE(digest(m_path), before);
        QCOMPARE(ask(m_path, QStringLiteral("PRAGMA user_version")), QStringLiteral("7"));
    }

    void aReadOnlyJournalIsReadAndNeverChanged()
    {
        makeJournal(3);
        const QByteArray before = digest(m_path);
        if (geteuid() != 0) {
            QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner));
            Store store(m_path);
            QCOMPARE(store.status().state, StoreState::ReadOnly);
            QCOMPARE(store.entries().size(), 3);
            Reading r = leo(at(9));
            QVERIFY(!store.save(r));
            QVERIFY(!store.setNote(store.entries().first().id, QStringLiteral("x")));
            store.close();
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        } else {
            // Root writes whatever the modes say: the folder is mounted read-only instead.
            if (!namespacesAllowed())
                QSKIP("running as root without user namespaces, no file can be made read-only");
            const QStringList lines = runInNamespace(
                QStringLiteral("mount --bind \"$1\" \"$1\"; mount -o remount,bind,ro \"$1\"; exec \"$2\" write \"$1/journal.sqlite\""),
                {folder(), QStringLiteral(PADMORA_JOURNAL_PROBE)});
            QCOMPARE(lines.value(0), QStringLiteral("state %1").arg(int(StoreState::ReadOnly)));
            QCOMPARE(lines.value(1), QStringLiteral("entries 3"));
            QCOMPARE(lines.value(2), QStringLiteral("failed the file can only be read"));
            QCOMPARE(lines.value(3), QStringLiteral("note failed the file can only be read"));
            QCOMPARE(lines.value(4), QStringLiteral("delete failed the file can only be read"));
        }
        QCOMPARE(digest(m_path), before);
    }

    void aFullDiskKeepsWhatWasSaved()
    {
        if (!namespacesAllowed())
            QSKIP("no user and mount namespace for a small memory file system on this machine");
        QVERIFY(QDir().mkpath(folder()));
        const QStringList lines = runInNamespace(
            QStringLiteral("mount -t tmpfs -o size=160k tmpfs \"$1\"; exec \"$2\" fill \"$1/journal.sqlite\""),
            {folder(), QStringLiteral(PADMORA_JOURNAL_PROBE)});
        const qsizetype failed = lines.indexOf(QStringLiteral("failed the disk is full"));
        QVERIFY2(failed > 1, qPrintable(lines.join(QLatin1Char('|'))));
        const QString lastSaved = lines[failed - 1];
        QVERIFY(lastSaved.startsWith(QStringLiteral("saved ")));
        QCOMPARE(lines.value(failed + 1), QStringLiteral("entries ") + lastSaved.mid(6));
        QCOMPARE(lines.value(failed + 2), QStringLiteral("integrity ok"));
    }

    void killedAtAnyMomentLosesNothingSaved()
    {
        QVERIFY(QDir().mkpath(folder()));
        QSet<QString> saved;
        QRandomGenerator chance(20261208);
        constexpr int kKills = 32;
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess child;
            child.start(QStringLiteral(PADMORA_JOURNAL_PROBE),
                        {QStringLiteral("loop"), m_path, QString::number(qint64(kill) * 1000000)});
            QVERIFY(child.waitForStarted(testing::kPatience));
            // Killed after a chance number of saves, wherever the next one has got to.
            const int saves = int(chance.bounded(1, 6));
            for (int n = 0; n < saves;) {
                if (!child.canReadLine() && !child.waitForReadyRead(testing::kPatience))
                    QFAIL(qPrintable(QStringLiteral("the child stopped: ") + QString::fromUtf8(child.readAllStandardError())));
                while (child.canReadLine() && n < saves) {
                    const QString line = QString::fromUtf8(child.readLine()).trimmed();
                    QVERIFY2(line.startsWith(QStringLiteral("saved ")), qPrintable(line));
                    saved.insert(line.mid(6));
                    ++n;
                }
            }
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(testing::kPatience));
            // Whatever it printed before it died was saved too.
            for (const QByteArray &line : child.readAllStandardOutput().split('\n'))
                if (line.startsWith("saved "))
                    saved.insert(QString::fromUtf8(line.mid(6)));

            QCOMPARE(ask(m_path, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
            Store store(m_path);
            QSet<QString> found;
            for (const Entry &e : store.entries())
                found.insert(QString::number(e.taken.toMSecsSinceEpoch()));
            const QSet<QString> lost = saved - found;
            QVERIFY2(lost.isEmpty(), qPrintable(QStringList(lost.begin(), lost.end()).join(QLatin1Char(' '))));
        }
        QVERIFY(saved.size() >= kKills);
    }
};

PADMORA_TEST_MAIN(JournalStoreTest)
#include "tst_journalstore.moc"
