// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's store: opened at its first use with its schema, modes and
// write-ahead log; every kind of reading saved and read back; and whatever
// the file is (empty, random bytes, cut short, a folder, read-only, on a
// full disk, written by a newer Padmora) the store says so, changes nothing
// it must not, and deletes nothing. A process killed while it saves loses
// nothing it reported saved.

#include "chakras/questionbank.h"
#include "chakras/scoring.h"
#include "app/journalshell.h"
#include "journal/keeping.h"
#include "journal/store.h"
#include "support/recordingdesktop.h"
#include "support/testing.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
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

// The permission bits of a file or folder.
int modeOf(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

void setMode(const QString &path, int mode)
{
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
}

// Runs statements through a connection of its own, as another program would.
void tell(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        for (const QString &sql : statements) {
            QSqlQuery q(db);
            QVERIFY2(q.exec(sql), qPrintable(sql + QStringLiteral(": ") + q.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

// The files of a folder that hold the bytes.
QStringList filesHolding(const QString &folder, const QByteArray &bytes)
{
    QStringList found;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile f(file.filePath());
        if (f.open(QIODevice::ReadOnly) && f.readAll().contains(bytes))
            found << file.fileName();
    }
    return found;
}

QByteArray noise(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(seed);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

// The schema of a version-1 journal, as the Padmora of that version made it.
const QStringList kVersionOneSchema{
    QStringLiteral("CREATE TABLE reading (id INTEGER PRIMARY KEY, taken TEXT NOT NULL, offset_seconds INTEGER NOT NULL,"
                   " program TEXT NOT NULL CHECK (program IN ('test', 'tarot', 'astrology')),"
                   " scores TEXT NOT NULL DEFAULT '', note TEXT NOT NULL DEFAULT '', UNIQUE (program, taken))"),
    QStringLiteral("CREATE INDEX reading_by_time ON reading (taken)"),
    QStringLiteral("CREATE TABLE answer_sheet (reading_id INTEGER PRIMARY KEY REFERENCES reading (id) ON DELETE CASCADE,"
                   " question_order TEXT NOT NULL, answers TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE chakra_score (reading_id INTEGER NOT NULL REFERENCES reading (id) ON DELETE CASCADE,"
                   " chakra INTEGER NOT NULL CHECK (chakra BETWEEN 0 AND 6),"
                   " score INTEGER NOT NULL CHECK (score BETWEEN 0 AND 8), PRIMARY KEY (reading_id, chakra)) WITHOUT ROWID"),
    QStringLiteral("CREATE TABLE tarot_card (reading_id INTEGER NOT NULL REFERENCES reading (id) ON DELETE CASCADE,"
                   " slot INTEGER NOT NULL CHECK (slot BETWEEN 0 AND 8), chakra INTEGER NOT NULL CHECK (chakra BETWEEN 0 AND 6),"
                   " card TEXT NOT NULL, PRIMARY KEY (reading_id, slot)) WITHOUT ROWID"),
    QStringLiteral("CREATE TABLE astrology_reading (reading_id INTEGER PRIMARY KEY REFERENCES reading (id) ON DELETE CASCADE,"
                   " birth_date TEXT NOT NULL, sign TEXT NOT NULL, ruling_planet TEXT NOT NULL, chakra TEXT NOT NULL)"),
};

// The rows a version-1 journal kept of a reading, numbered id.
QStringList versionOneRows(const Reading &r, int id)
{
    auto text = [](const QString &t) { return QStringLiteral("'") + QString(t).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); };
    QStringList pairs, rows;
    for (int i = 0; i < kChakraCount; ++i)
        if (r.isChakraReading() && r.ticked[std::size_t(i)])
            pairs << QString::number(i) << QString::number(r.scores[std::size_t(i)]);
    rows << QStringLiteral("INSERT INTO reading VALUES (%1, %2, %3, %4, %5, %6)")
                .arg(id)
                .arg(text(takenText(r.taken)))
                .arg(r.offsetSeconds)
                .arg(text(programKey(r.program)), text(pairs.join(QLatin1Char(' '))), text(r.note));
    if (r.program == Program::Astrology)
        return rows << QStringLiteral("INSERT INTO astrology_reading VALUES (%1, %2, %3, %4, %5)")
                           .arg(id)
                           .arg(text(r.birthDate.toString(Qt::ISODate)), text(r.sign), text(r.rulingPlanet), text(r.chakraName));
    rows << QStringLiteral("INSERT INTO answer_sheet VALUES (%1, %2, %3)")
                .arg(id)
                .arg(text(joinedOrder(r.questionOrder)), text(r.answers.join(QLatin1Char('|'))));
    for (int i = 0; i < kChakraCount; ++i)
        if (r.ticked[std::size_t(i)])
            rows << QStringLiteral("INSERT INTO chakra_score VALUES (%1, %2, %3)").arg(id).arg(i).arg(r.scores[std::size_t(i)]);
    for (const ShownCard &c : r.cards)
        rows << QStringLiteral("INSERT INTO tarot_card VALUES (%1, %2, %3, %4)").arg(id).arg(c.slot).arg(c.chakra).arg(text(c.card));
    return rows;
}

const QRegularExpression kUuid(QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$"));

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
            // Every commit waits for the disk, and what is deleted is overwritten.
            int connections = 0;
            for (const QString &name : QSqlDatabase::connectionNames()) {
                if (!name.startsWith(QStringLiteral("padmora-journal-")))
                    continue;
                ++connections;
                QSqlQuery q(QSqlDatabase::database(name, false));
                QVERIFY(q.exec(QStringLiteral("PRAGMA synchronous")) && q.next());
                QCOMPARE(q.value(0).toInt(), 2);  // FULL
                QVERIFY(q.exec(QStringLiteral("PRAGMA secure_delete")) && q.next());
                QCOMPARE(q.value(0).toInt(), 1);
            }
            QCOMPARE(connections, 1);
            // Foreign keys hold: deleting the entry deletes its scores and cards.
            QVERIFY(store.remove({r.id}));
        }
        QCOMPARE(ask(m_path, QStringLiteral("PRAGMA user_version")), QStringLiteral("2"));
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

    void withoutItsModuleTheJournalSaysSoAndKeepsNothing_data()
    {
        QTest::addColumn<QString>("modules");  // the module folder; none: an empty one
        QTest::addColumn<QString>("reason");
        QTest::newRow("no module in its folder")
            << QString() << QStringLiteral("cannot be loaded (the shared library was not found)");
        QTest::newRow("a module of the interface's next version")
            << QStringLiteral(PADMORA_LATER_MODULES)
            << QStringLiteral("it implements org.padmora.JournalStore/3, not org.padmora.JournalStore/2");
    }

    // A journal whose SQLite module is missing, or built for another version
    // of its interface, says so, names it, keeps nothing and touches no
    // file; a module of another version is not even loaded.
    void withoutItsModuleTheJournalSaysSoAndKeepsNothing()
    {
        QFETCH(QString, modules);
        QFETCH(QString, reason);
        QTemporaryDir empty;
        if (modules.isEmpty())
            modules = empty.path();
        const QByteArray built = qgetenv("PADMORA_MODULE_DIR");
        qputenv("PADMORA_MODULE_DIR", QFile::encodeName(modules));
        Store store(m_path);
        const StoreStatus status = store.status();
        Reading r = chakraTest(Program::ChakraTest, {{3, 8}}, at(3));
        const qint64 saved = store.save(r);
        qputenv("PADMORA_MODULE_DIR", built);
        QCOMPARE(status.state, StoreState::Unavailable);
        QVERIFY2(status.problem.contains(modules + QStringLiteral("/libpadmora-journal-sqlite.so")),
                 qPrintable(status.problem));
        QVERIFY2(status.problem.contains(reason), qPrintable(status.problem));
        QCOMPARE(saved, 0);
        QVERIFY(store.lastError().contains(QStringLiteral("module")));
        QVERIFY(!QFileInfo::exists(m_path));
        QVERIFY(!qEnvironmentVariableIsSet("PADMORA_LATER_MODULE_LOADED"));
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

    // A folder and file Padmora makes are the user's alone; of existing
    // ones it only takes away what the group and others may do. What the
    // user made read-only stays so, and is never written, root or not.
    void openingNeverLoosensWhatTheUserSet_data()
    {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("folderAfter");
        QTest::addColumn<int>("fileAfter");
        QTest::addColumn<StoreState>("state");
        QTest::newRow("open to everyone") << 0755 << 0664 << 0700 << 0600 << StoreState::Ready;
        QTest::newRow("a read-only file") << 0700 << 0444 << 0700 << 0444 << StoreState::ReadOnly;
        QTest::newRow("a read-only folder") << 0500 << 0600 << 0500 << 0600 << StoreState::ReadOnly;
        QTest::newRow("both read-only, readable by all") << 0555 << 0444 << 0500 << 0444 << StoreState::ReadOnly;
    }

    void openingNeverLoosensWhatTheUserSet()
    {
        QFETCH(int, folderMode);
        QFETCH(int, fileMode);
        QFETCH(int, folderAfter);
        QFETCH(int, fileAfter);
        QFETCH(StoreState, state);
        makeJournal(2);
        setMode(m_path, fileMode);
        setMode(folder(), folderMode);
        const QByteArray before = digest(m_path);
        {
            Store store(m_path);
            QCOMPARE(store.status().state, state);
            QCOMPARE(store.entries().size(), 2);
            Reading r = leo(at(9));
            QCOMPARE(store.save(r) != 0, state == StoreState::Ready);
        }
        QCOMPARE(modeOf(folder()), folderAfter);
        QCOMPARE(modeOf(m_path), fileAfter);
        if (state != StoreState::Ready) {
            QCOMPARE(digest(m_path), before);
            QVERIFY(!QFileInfo::exists(m_path + QStringLiteral("-wal")));
            QVERIFY(!QFileInfo::exists(m_path + QStringLiteral("-shm")));
        }
        setMode(folder(), 0700);
    }

    // Another program's database at the journal's place is told as such,
    // offered to be moved aside, and otherwise left exactly as it is.
    void anotherProgramsDatabaseIsLeftAsItIs_data()
    {
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<QString>("problem");
        QTest::newRow("tables of its own") << QStringList{QStringLiteral("CREATE TABLE song (title TEXT)"),
                                                          QStringLiteral("INSERT INTO song VALUES ('Lantern')")}
                                           << QStringLiteral("it is a database of another program (it holds the table \"song\")");
        QTest::newRow("version 1 without a journal's tables")
            << QStringList{QStringLiteral("CREATE TABLE song (title TEXT)"), QStringLiteral("PRAGMA user_version = 1")}
            << QStringLiteral("it is no Padmora journal: it says it is of version 1, but it has no table \"reading\"");
        QTest::newRow("version 1 and nothing else") << QStringList{QStringLiteral("PRAGMA user_version = 1")}
                                                    << QStringLiteral("it is no Padmora journal: it says it is of "
                                                                      "version 1, but it has no table \"reading\"");
        QTest::newRow("version 2 without its practices")
            << QStringList(kVersionOneSchema)
                   + QStringList{QStringLiteral("ALTER TABLE reading ADD COLUMN uuid TEXT"), QStringLiteral("PRAGMA user_version = 2")}
            << QStringLiteral("it is no Padmora journal: it says it is of version 2, but it has no table \"practice\"");
        QTest::newRow("a journal's table of another shape")
            << QStringList{QStringLiteral("CREATE TABLE reading (id INTEGER PRIMARY KEY, taken TEXT)"),
                           QStringLiteral("PRAGMA user_version = 1")}
            << QStringLiteral("it is no Padmora journal: its table \"reading\" has no column \"offset_seconds\"");
    }

    void anotherProgramsDatabaseIsLeftAsItIs()
    {
        QFETCH(QStringList, made);
        QFETCH(QString, problem);
        QVERIFY(QDir().mkpath(folder()));
        tell(m_path, made);
        setMode(m_path, 0644);
        const QByteArray before = digest(m_path);
        {
            Store store(m_path);
            const StoreStatus status = store.status();
            QCOMPARE(status.state, StoreState::Foreign);
            QCOMPARE(status.problem, problem);
            QVERIFY(statusText(status, m_path).startsWith(QStringLiteral("The journal cannot be used: ") + problem));
            QVERIFY(statusText(status, m_path).endsWith(m_path));
            Reading r = leo(at(9));
            QVERIFY(!store.save(r));
            QCOMPARE(store.lastError(), problem);
            QVERIFY(store.entries().isEmpty());
            QVERIFY(!store.removeAll());
        }
        QCOMPARE(digest(m_path), before);
        QCOMPARE(modeOf(m_path), 0644);
        QCOMPARE(ask(m_path, QStringLiteral("PRAGMA journal_mode")), QStringLiteral("delete"));
        QVERIFY(!QFileInfo::exists(m_path + QStringLiteral("-wal")));
        // Moved aside at the user's word, it starts a new journal.
        Store store(m_path);
        const QString aside = store.moveAside(QDateTime(QDate(2026, 12, 8), QTime(9, 30, 5)));
        QCOMPARE(digest(aside), before);
        QCOMPARE(store.status().state, StoreState::Ready);
    }

    // A journal that a Padmora of version 1 left is carried forward in one
    // step: every reading kept as it was, each with an id of its own for
    // good, and practices kept beside them from then on.
    void aVersionOneJournalIsCarriedForward()
    {
        const QList<Reading> kept{chakraTest(Program::ChakraTest, {{0, 5}, {3, 2}}, at(3)),
                                  chakraTest(Program::ChakrasTarot, {{1, 4}, {3, 7}, {6, 0}}, at(4)), leo(at(5))};
        QStringList made = kVersionOneSchema;
        for (int i = 0; i < kept.size(); ++i)
            made += versionOneRows(kept[i], i + 1);
        made << QStringLiteral("PRAGMA user_version = 1") << QStringLiteral("PRAGMA journal_mode = WAL");
        QVERIFY(QDir().mkpath(folder()));
        tell(m_path, made);
        setMode(m_path, 0600);
        QStringList ids;
        {
            Store store(m_path);
            QCOMPARE(store.status().state, StoreState::Ready);
            QCOMPARE(store.status().fileVersion, 2);
            const std::optional<QList<Reading>> back = store.allReadings();
            QCOMPARE(back->size(), 3);
            for (int i = 0; i < 3; ++i) {
                QVERIFY((*back)[i].sameReading(kept[i]));
                QVERIFY2(kUuid.match((*back)[i].uuid).hasMatch(), qPrintable((*back)[i].uuid));
                ids << (*back)[i].uuid;
            }
            QCOMPARE(QSet<QString>(ids.begin(), ids.end()).size(), 3);
            Practice heart{0, {}, 3, at(6), 3600, 10, 600, true, 4, 6, {}};
            QVERIFY2(store.savePractice(heart), qPrintable(store.lastError()));
            QVERIFY(kUuid.match(heart.uuid).hasMatch());
        }
        QCOMPARE(ask(m_path, QStringLiteral("PRAGMA user_version")), QStringLiteral("2"));
        QCOMPARE(ask(m_path, QStringLiteral("SELECT group_concat(uuid, ' ') FROM (SELECT uuid FROM reading ORDER BY id)")),
                 ids.join(QLatin1Char(' ')));
        // Opened again, nothing moves: the ids are theirs for good.
        Store again(m_path);
        QCOMPARE(again.entries().size(), 4);
        QCOMPARE(again.load(1)->uuid, ids[0]);
    }

    // The shell names the journal the keeper of practices: a practice that
    // ran a minute or more is kept as it ran, unless keeping is switched
    // off; one the journal cannot keep says why in one message.
    void theJournalKeepsThePracticesThatRan()
    {
        testing::RecordingDesktop fake;
        fake.scriptedNow = QList<QDateTime>(8, QDateTime(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC));
        registerJournalOpeners();
        practice::FinishedPractice done{3, QDateTime(QDate(2026, 5, 6), QTime(7, 30), Qt::OffsetFromUTC, 7200), 10, 600,
                                        true, {4, 8}};
        QVERIFY(practice::keepPractice(done));
        const QList<Practice> kept = *journalStore().practices();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].taken, QDateTime(QDate(2026, 5, 6), QTime(5, 30), Qt::UTC));
        QCOMPARE(kept[0].offsetSeconds, 7200);
        QCOMPARE(kept[0].chakra, 3);
        QCOMPARE(kept[0].plannedMinutes, 10);
        QCOMPARE(kept[0].practisedSeconds, 600);
        QVERIFY(kept[0].completed);
        QCOMPARE(kept[0].inhaleSeconds, 4);
        QCOMPARE(kept[0].chantSeconds, 8);
        QCOMPARE(journalStore().entries().first().summary(),
                 QStringLiteral("Heart Chakra (Anahata) \u00b7 10 of 10 min \u00b7 completed"));
        done.startedAt = done.startedAt.addSecs(3600);
        done.practisedSeconds = 59;
        QVERIFY(!practice::keepPractice(done));
        done.practisedSeconds = 185;
        done.completed = false;
        done.plannedMinutes = 0;
        setKeepingReadings(false);
        QVERIFY(!practice::keepPractice(done));
        setKeepingReadings(true);
        QCOMPARE(journalStore().count(), 1);
        QVERIFY(fake.messages.isEmpty());
        QVERIFY(practice::keepPractice(done));
        QCOMPARE(journalStore().entries().first().summary(),
                 QStringLiteral("Heart Chakra (Anahata) \u00b7 3 min, open-ended \u00b7 stopped"));

        forgetJournalStore();
        setMode(m_path, 0400);
        done.startedAt = done.startedAt.addSecs(3600);
        QVERIFY(!practice::keepPractice(done));
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.lastMessage().text, QStringLiteral("This practice could not be kept in your journal: the file can "
                                                         "only be read.\r\nThe journal file: ")
                                              + m_path);
        setMode(m_path, 0600);
        practice::setPracticeKeeper({});
    }

    void aNewerJournalKeepsItsModeAndItsLog()
    {
        makeJournal(2);
        tell(m_path, {QStringLiteral("PRAGMA journal_mode = DELETE"), QStringLiteral("PRAGMA user_version = 3")});
        setMode(m_path, 0644);
        const QByteArray before = digest(m_path);
        {
            Store store(m_path);
            QCOMPARE(store.status().state, StoreState::Newer);
            QCOMPARE(store.entries().size(), 2);
        }
        QCOMPARE(digest(m_path), before);
        QCOMPARE(modeOf(m_path), 0644);
        QCOMPARE(ask(m_path, QStringLiteral("PRAGMA journal_mode")), QStringLiteral("delete"));
    }

    // A damaged journal goes aside whole, with the log and index it was
    // left with; the new journal starts with a log of its own.
    void movingADamagedJournalAsideTakesItsCompanions()
    {
        makeJournal(300);
        QFile f(m_path);
        QVERIFY(f.resize(f.size() / 2));
        const QString wal = m_path + QStringLiteral("-wal");
        const QString shm = m_path + QStringLiteral("-shm");
        writeFile(wal, noise(3 * 4096 + 32, 5));
        writeFile(shm, noise(32768, 6));
        const QByteArray file = digest(m_path), log = digest(wal);
        Store store(m_path);
        QCOMPARE(store.status().state, StoreState::Damaged);
        const QString aside = store.moveAside(QDateTime(QDate(2026, 12, 8), QTime(9, 30, 5)));
        QCOMPARE(digest(aside), file);
        QCOMPARE(digest(aside + QStringLiteral("-wal")), log);
        // The index is SQLite's own, made again from the log when it is read.
        QVERIFY(QFileInfo::exists(aside + QStringLiteral("-shm")));
        QVERIFY(!QFileInfo::exists(wal));
        QVERIFY(!QFileInfo::exists(shm));
        Reading r = leo(at(9));
        QVERIFY(store.save(r));
        QCOMPARE(store.count(), 1);
        QVERIFY(digest(wal) != log);
    }

    // Deleted is deleted: no file of the journal's folder holds a deleted
    // reading's note, while Padmora runs.
    void deletedReadingsLeaveNoTraceInAnyFile()
    {
        Store store(m_path);
        Reading kept = chakraTest(Program::ChakraTest, {{0, 3}}, at(3));
        Reading gone = chakraTest(Program::ChakrasTarot, {{3, 7}}, at(4));
        Reading later = leo(at(5));
        for (Reading *r : {&kept, &gone, &later})
            QVERIFY(store.save(*r));
        // A note as it is typed: each keystroke is kept.
        const QString note = QStringLiteral("Under the lantern garden, calm");
        for (qsizetype n = 1; n <= note.size(); ++n)
            QVERIFY(store.setNote(gone.id, note.left(n)));
        QVERIFY(store.setNote(kept.id, QStringLiteral("kept: moonlit ferns")));
        QVERIFY(!filesHolding(folder(), "lantern garden").isEmpty());
        QVERIFY(store.remove({gone.id}));
        QCOMPARE(filesHolding(folder(), "lantern garden"), QStringList());
        QCOMPARE(filesHolding(folder(), "Justice"), QStringList());  // its cards went too
        QCOMPARE(store.load(kept.id)->note, QStringLiteral("kept: moonlit ferns"));
        QVERIFY(store.removeAll());
        QCOMPARE(filesHolding(folder(), "moonlit ferns"), QStringList());
        QCOMPARE(store.count(), 0);
    }

    // A log left by a run that was killed holds what that run last wrote,
    // deleted notes too: the next start puts it into the file at once.
    void aLogLeftByAKilledRunIsPutAwayAtTheNextStart()
    {
        makeJournal(1);
        QTemporaryDir elsewhere;
        const QString copy = elsewhere.filePath(QStringLiteral("journal.sqlite"));
        QVERIFY(QFile::copy(m_path, copy));
        {
            // The run that was killed: it wrote a note, deleted it, and died
            // before its log went into the file.
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("killed"));
            db.setDatabaseName(copy);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode = WAL")));
            QVERIFY(q.exec(QStringLiteral("PRAGMA secure_delete = ON")));
            QVERIFY(q.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0")));
            QVERIFY(q.exec(QStringLiteral("UPDATE reading SET note = 'copper kettle on the hob'")));
            QVERIFY(q.exec(QStringLiteral("DELETE FROM reading")));
            QVERIFY(QFile::remove(m_path));
            QVERIFY(QFile::copy(copy, m_path));
            QVERIFY(QFile::copy(copy + QStringLiteral("-wal"), m_path + QStringLiteral("-wal")));
            q = QSqlQuery();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("killed"));
        QCOMPARE(filesHolding(folder(), "copper kettle"), QStringList{QStringLiteral("journal.sqlite-wal")});
        Store store(m_path);
        QCOMPARE(store.status().state, StoreState::Ready);
        QCOMPARE(store.count(), 0);
        QCOMPARE(filesHolding(folder(), "copper kettle"), QStringList());
    }

    // On a full disk a reading is refused with the disk named, the journal
    // still reads, and once there is room the next reading is kept, in the
    // same run; so too when the journal is first opened on a full disk.
    void aFullDiskIsSurvivedNotRemembered()
    {
        if (!namespacesAllowed())
            QSKIP("no user and mount namespace for a small memory file system on this machine");
        QVERIFY(QDir().mkpath(folder()));
        const QStringList lines = runInNamespace(
            QStringLiteral("mount -t tmpfs -o size=4m tmpfs \"$1\"; exec \"$2\" room \"$1/journal.sqlite\" \"$1/filler\""),
            {folder(), QStringLiteral(PADMORA_JOURNAL_PROBE)});
        const QStringList expected{QStringLiteral("failed the disk is full for room"),
                                   QStringLiteral("entries 3"),
                                   QStringLiteral("saved"),
                                   QStringLiteral("entries 4"),
                                   QStringLiteral("state %1 entries 4").arg(int(StoreState::ReadOnly)),
                                   QStringLiteral("failed the disk is full for room"),
                                   QStringLiteral("saved"),
                                   QStringLiteral("entries 5")};
        QCOMPARE(lines.mid(0, expected.size()), expected);
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
