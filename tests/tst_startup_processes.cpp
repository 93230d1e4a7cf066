// SPDX-License-Identifier: GPL-3.0-or-later
// Padmora started as real processes (the probe runs the real start-up, lock,
// store, main window, farewell screen and quit routine; only message boxes
// and the browser are written to its output instead).

#include "app/settingsstore.h"
#include "kit/links.h"
#include "kit/qtdesktop.h"
#include "support/testing.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

using namespace padmora;

namespace {

const QString kRefusal = QStringLiteral("message information ok Padmora: Application is already running");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class StartupProcessesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    QProcessEnvironment m_env;
    std::vector<std::unique_ptr<QProcess>> m_probes;

    QString runtimeDir() const { return m_home.filePath(QStringLiteral("run")); }
    QString lockPath() const { return runtimeDir() + QStringLiteral("/padmora.lock"); }
    QString storePath() const { return m_home.filePath(QStringLiteral("config/Padmora/Padmora.conf")); }

    QProcess *launch(const QStringList &args) { return launch(args, m_env); }
    QProcess *launch(const QStringList &args, const QProcessEnvironment &env)
    {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->setProgram(QStringLiteral(PADMORA_PROBE));
        p->setArguments(args);
        p->setProcessChannelMode(QProcess::SeparateChannels);
        p->start();
        p->waitForStarted(10000);
        m_probes.push_back(std::move(p));
        return m_probes.back().get();
    }

    // The next line the probe writes (empty after 20 s without one).
    static QString lineFrom(QProcess *p)
    {
        QElapsedTimer clock;
        clock.start();
        while (!p->canReadLine() && clock.elapsed() < 20000) {
            if (!p->waitForReadyRead(200) && p->state() == QProcess::NotRunning && !p->canReadLine())
                break;
        }
        return QString::fromUtf8(p->readLine()).trimmed();
    }

    static QString ask(QProcess *p, const QString &command)
    {
        p->write(command.toUtf8() + '\n');
        p->waitForBytesWritten(5000);
        return lineFrom(p);
    }

    static bool endsWithin(QProcess *p, int ms)
    {
        return p->state() == QProcess::NotRunning || p->waitForFinished(ms);
    }

    // Closes the main window, then the farewell screen; the probe must end by itself.
    static void leave(QProcess *p)
    {
        QCOMPARE(ask(p, QStringLiteral("exit button")), QStringLiteral("done"));
        QCOMPARE(ask(p, QStringLiteral("leave button")), QStringLiteral("done"));
        QCOMPARE(lineFrom(p), QStringLiteral("ended 0"));
        QVERIFY(endsWithin(p, 10000));
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 0);
    }

    QString claimOnce()
    {
        QProcess *p = launch({QStringLiteral("claim")});
        const QString answer = lineFrom(p);
        endsWithin(p, 10000);
        return answer.startsWith(QLatin1String("claimed")) ? QStringLiteral("claimed") : answer;
    }

    void writeStoredDate(const QDate &date)
    {
        QDir().mkpath(QFileInfo(storePath()).absolutePath());
        QSettings s(storePath(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Settings/") + obfuscate(kDurationKey).value_or(QString()),
                   obfuscate(durationText(date)).value_or(QString()));
    }

    // Another user of this machine: a home, a store and a runtime folder of their own.
    QProcessEnvironment otherUser(const QString &name)
    {
        const QString home = m_home.filePath(QStringLiteral("users/") + name);
        const QString run = home + QStringLiteral("/run");
        QDir().mkpath(run);
        QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = m_env;
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
        return env;
    }

    // What chance chose in one run.
    struct Drawn {
        QStringList order;  // the question numbers in the order START TEST drew them
        int message = -1;   // the farewell screen's support message
        double draw = -1;   // the draw that chose it
    };

    // One whole run: START TEST with all seven chakras, then the farewell screen.
    static void drawIn(QProcess *p, Drawn &drawn)
    {
        QCOMPARE(lineFrom(p), QStringLiteral("main window"));
        QCOMPARE(ask(p, QStringLiteral("program 1")), QStringLiteral("done"));
        drawn.order = ask(p, QStringLiteral("test 0 1 2 3 4 5 6")).split(QLatin1Char(' '));
        QCOMPARE(drawn.order.takeFirst(), QStringLiteral("order"));
        QCOMPARE(ask(p, QStringLiteral("exit button")), QStringLiteral("done"));
        const QStringList farewell = ask(p, QStringLiteral("farewell")).split(QLatin1Char(' '));
        QCOMPARE(farewell.size(), 3);
        QCOMPARE(farewell[0], QStringLiteral("farewell"));
        drawn.message = farewell[1].toInt();
        bool isNumber = false;
        drawn.draw = farewell[2].toDouble(&isNumber);
        QVERIFY(isNumber);
        QCOMPARE(ask(p, QStringLiteral("leave button")), QStringLiteral("done"));
        QCOMPARE(lineFrom(p), QStringLiteral("ended 0"));
        QVERIFY(endsWithin(p, 10000));

        // Every question of the seven chakras once ...
        QStringList sorted = drawn.order;
        std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
        QStringList all;
        for (int q = 0; q < 56; ++q)
            all << QString::number(q);
        QCOMPARE(sorted, all);
        // ... and the message a whole random number 0 to 3 picks from the draw.
        QVERIFY(drawn.draw >= 0 && drawn.draw < 1);
        QCOMPARE(drawn.message, int(4 * drawn.draw));
    }

    QString storedText()
    {
        QSettings s(storePath(), QSettings::IniFormat);
        return deobfuscate(s.value(QStringLiteral("Settings/") + obfuscate(kDurationKey).value_or(QString())).toString())
            .value_or(QStringLiteral("?"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QVERIFY(QDir().mkpath(runtimeDir()));
        QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("HOME"), m_home.path());
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        if (!m_env.contains(QStringLiteral("QT_QPA_PLATFORM")))
            m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The lock is where every copy of this user looks for it.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir()));
        QCOMPARE(QtDesktop::lockFilePath(), lockPath());
    }

    void cleanup()
    {
        for (auto &p : m_probes) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
        m_probes.clear();
        QFile::remove(lockPath());
    }

    // --- one copy at a time -------------------------------------------------

    void aSecondCopyIsRefusedAndTheFirstIsUntouched()
    {
        QProcess *first = launch({QStringLiteral("start")});
        QCOMPARE(lineFrom(first), QStringLiteral("main window"));
        QCOMPARE(ask(first, QStringLiteral("program 1")), QStringLiteral("done"));
        const QString before = ask(first, QStringLiteral("state"));
        QCOMPARE(before, QStringLiteral("state main=maximized welcome=0 screens=frmChakrasMain farewell=none windows=1"));
        const QByteArray lock = readAll(lockPath());
        QCOMPARE(lock.split('\n').value(0), QByteArray::number(first->processId()));
        const QByteArray store = readAll(storePath());
        QVERIFY(!store.isEmpty());

        QProcess *second = launch({QStringLiteral("start")});
        QCOMPARE(lineFrom(second), kRefusal);
        QCOMPARE(lineFrom(second), QStringLiteral("no main window"));
        QCOMPARE(lineFrom(second), QStringLiteral("ended 0"));
        QVERIFY(endsWithin(second, 10000));
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(second->readAllStandardOutput().isEmpty());

        // The running copy goes on as it was, still the one holding the lock.
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(ask(first, QStringLiteral("state")), before);
        QCOMPARE(readAll(lockPath()), lock);
        QCOMPARE(readAll(storePath()), store);
        QCOMPARE(claimOnce(), QStringLiteral("refused"));

        // Once it has ended, the next copy runs.
        leave(first);
        QVERIFY(!QFileInfo::exists(lockPath()));
        QCOMPARE(claimOnce(), QStringLiteral("claimed"));
    }

    void aKilledCopyNeverBlocksTheNextStart()
    {
        for (int round = 0; round < 2; ++round) {
            QProcess *running = launch({QStringLiteral("start")});
            QCOMPARE(lineFrom(running), QStringLiteral("main window"));
            QVERIFY(QFileInfo::exists(lockPath()));
            ::kill(pid_t(running->processId()), SIGKILL);
            QVERIFY(endsWithin(running, 10000));
            QCOMPARE(running->exitStatus(), QProcess::CrashExit);
            // Its lock file is left behind, naming the dead copy ...
            QVERIFY(QFileInfo::exists(lockPath()));

            // ... and does not stop the next one.
            QProcess *next = launch({QStringLiteral("start")});
            QCOMPARE(lineFrom(next), QStringLiteral("main window"));
            leave(next);
        }
    }

    void copiesStartedAtTheSameInstantRunOneAtATime()
    {
        for (int round = 0; round < 3; ++round) {
            const qint64 moment = QDateTime::currentMSecsSinceEpoch() + 2500;
            QList<QProcess *> copies;
            for (int i = 0; i < 6; ++i)
                copies << launch({QStringLiteral("claim"), QStringLiteral("--at"), QString::number(moment),
                                  QStringLiteral("--hold")});
            int claimed = 0;
            int refused = 0;
            for (QProcess *p : copies) {
                const QString answer = lineFrom(p);
                claimed += answer.startsWith(QLatin1String("claimed ")) ? 1 : 0;
                refused += answer == QStringLiteral("refused") ? 1 : 0;
            }
            QCOMPARE(claimed, 1);
            QCOMPARE(refused, 5);
            for (QProcess *p : copies)
                p->closeWriteChannel();
            for (QProcess *p : copies)
                QVERIFY(endsWithin(p, 10000));
            QVERIFY(!QFileInfo::exists(lockPath()));
        }
    }

    void aLockThatNamesNoOwnerIsRecoveredOnlyWhenNobodyHoldsIt()
    {
        // Left empty by a copy that died while creating it: not held by anyone.
        {
            QFile empty(lockPath());
            QVERIFY(empty.open(QIODevice::WriteOnly));
            empty.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
        }
        QCOMPARE(claimOnce(), QStringLiteral("claimed"));
        QVERIFY(!QFileInfo::exists(lockPath()));

        // Held by a live process: never taken away, however old.
        {
            QFile garbage(lockPath());
            QVERIFY(garbage.open(QIODevice::WriteOnly));
            garbage.write("not a lock\n");
        }
        const int fd = ::open(QFile::encodeName(lockPath()).constData(), O_RDWR | O_CLOEXEC);
        QVERIFY(fd >= 0);
        QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);
        {
            QFile f(lockPath());
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
        }
        QCOMPARE(claimOnce(), QStringLiteral("refused"));
        ::close(fd);
        // Brand new: its creator may still be writing it.
        {
            QFile f(lockPath());
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
        }
        QCOMPARE(claimOnce(), QStringLiteral("refused"));
        QVERIFY(QFileInfo::exists(lockPath()));
    }

    // --- what a start loads --------------------------------------------------

    // A start, and a screen opened, load neither Qt Multimedia nor Qt
    // TextToSpeech: each comes in with the first bell or the first text read
    // aloud (here without a sound server or a speech service to reach).
    void soundAndSpeechComeInAtTheirFirstUseAlone()
    {
        QProcessEnvironment env = m_env;
        env.insert(QStringLiteral("PADMORA_MODULE_DIR"), QStringLiteral(PADMORA_BUILT_MODULES));
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent/padmora-test"));
        env.insert(QStringLiteral("SPEECHD_ADDRESS"), QStringLiteral("unix_socket:/nonexistent/padmora-test"));
        QProcess *p = launch({QStringLiteral("start")}, env);
        QCOMPARE(lineFrom(p), QStringLiteral("main window"));
        QCOMPARE(ask(p, QStringLiteral("program 1")), QStringLiteral("done"));
        const QString both = QStringLiteral("loaded libQt6Multimedia libQt6TextToSpeech");
        QCOMPARE(ask(p, both), QStringLiteral("loaded -"));
        QVERIFY(ask(p, QStringLiteral("ring")).startsWith(QStringLiteral("failed there is no audio device")));
        QCOMPARE(ask(p, both), QStringLiteral("loaded libQt6Multimedia"));
        const QString spoken = ask(p, QStringLiteral("speak"));
        QVERIFY2(spoken == QStringLiteral("done") || spoken.startsWith(QStringLiteral("failed ")), qPrintable(spoken));
        QCOMPARE(ask(p, both), QStringLiteral("loaded libQt6Multimedia libQt6TextToSpeech"));
        leave(p);
    }

    // --- the reminder in a real run -----------------------------------------

    void theFirstRealStartStoresTodayObfuscated()
    {
        QFile::remove(storePath());
        QProcess *p = launch({QStringLiteral("start")});
        QCOMPARE(lineFrom(p), QStringLiteral("main window"));
        const QByteArray store = readAll(storePath());
        QVERIFY(!store.contains("Duration"));
        QVERIFY(!store.contains(QDate::currentDate().toString(Qt::ISODate).toLatin1()));
        QCOMPARE(storedText(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
        leave(p);
    }

    void anOldDateAsksBeforeTheMainWindow()
    {
        writeStoredDate(QDate::currentDate().addDays(-30));
        QProcess *p = launch({QStringLiteral("start"), QStringLiteral("--answer"), QStringLiteral("yes")});
        QCOMPARE(lineFrom(p), QStringLiteral("message information yesno Padmora: There maybe an update to this "
                                             "software available\\rDo you want to check for an update?"));
        QCOMPARE(lineFrom(p), QStringLiteral("open ") + downloadPageUrl().toString(QUrl::FullyEncoded));
        QCOMPARE(lineFrom(p), QStringLiteral("main window"));
        QCOMPARE(storedText(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
        leave(p);

        // Asked and answered: the next start asks nothing.
        QProcess *again = launch({QStringLiteral("start")});
        QCOMPARE(lineFrom(again), QStringLiteral("main window"));
        leave(again);
    }

    // --- chance in a real run -------------------------------------------------

    void twoStartsDrawApart()
    {
        // The clock seeds every run. Equal orders of 56 questions, or equal
        // draws, do not come about by chance; a message is one of four, so
        // the draws behind the messages are compared, not the messages.
        Drawn first;
        Drawn second;
        drawIn(launch({QStringLiteral("start")}), first);
        if (QTest::currentTestFailed())
            return;
        drawIn(launch({QStringLiteral("start")}), second);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(first.order != second.order, qPrintable(first.order.join(QLatin1Char(' '))));
        QVERIFY2(first.draw != second.draw, qPrintable(QString::number(first.draw, 'g', 17)));
    }

    void copiesStartedInTheSameInstantDrawApart()
    {
        // Two users start Padmora at the same moment: the clock gives both
        // the same reading for every draw.
        const QString instant = QString::number(QDateTime::currentMSecsSinceEpoch() * 1000000);
        QProcess *one = launch({QStringLiteral("start"), QStringLiteral("--clock"), instant}, otherUser(QStringLiteral("one")));
        QProcess *two = launch({QStringLiteral("start"), QStringLiteral("--clock"), instant}, otherUser(QStringLiteral("two")));
        Drawn first;
        Drawn second;
        drawIn(one, first);
        if (QTest::currentTestFailed())
            return;
        drawIn(two, second);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(first.order != second.order, qPrintable(first.order.join(QLatin1Char(' '))));
        QVERIFY2(first.draw != second.draw, qPrintable(QString::number(first.draw, 'g', 17)));
    }

    // --- the way out ----------------------------------------------------------

    void leavingTheFarewellScreenEndsTheProcess_data()
    {
        QTest::addColumn<QString>("exitWay");
        QTest::addColumn<QString>("leaveWay");
        QTest::addColumn<bool>("stubborn");
        QTest::newRow("Exit, then Exit") << "button" << "button" << false;
        QTest::newRow("File Exit, then close box") << "menu" << "box" << false;
        QTest::newRow("close box, then Exit") << "box" << "button" << false;
        QTest::newRow("a window that will not close") << "button" << "box" << true;
    }
    void leavingTheFarewellScreenEndsTheProcess()
    {
        QFETCH(QString, exitWay);
        QFETCH(QString, leaveWay);
        QFETCH(bool, stubborn);
        QProcess *p = launch({QStringLiteral("start")});
        QCOMPARE(lineFrom(p), QStringLiteral("main window"));
        QCOMPARE(ask(p, QStringLiteral("program 2")), QStringLiteral("done"));
        if (stubborn)
            QCOMPARE(ask(p, QStringLiteral("stubborn")), QStringLiteral("done"));
        QCOMPARE(ask(p, QStringLiteral("exit ") + exitWay), QStringLiteral("done"));
        // The main window and its screens are gone; the farewell screen keeps
        // the program running.
        QCOMPARE(ask(p, QStringLiteral("state")),
                 QStringLiteral("state main=none welcome=0 screens=- farewell=visible windows=%1").arg(stubborn ? 2 : 1));
        QCOMPARE(p->state(), QProcess::Running);
        QCOMPARE(ask(p, QStringLiteral("leave ") + leaveWay), QStringLiteral("done"));
        QCOMPARE(lineFrom(p), QStringLiteral("ended 0"));
        QVERIFY(endsWithin(p, 10000));
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(!QFileInfo::exists(lockPath()));
    }
};

PADMORA_TEST_MAIN(StartupProcessesTest)
#include "tst_startup_processes.moc"
