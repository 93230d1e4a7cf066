// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "app/quitroutine.h"
#include "app/settingsstore.h"
#include "app/updatereminder.h"
#include "kit/form.h"
#include "kit/links.h"
#include "kit/qtdesktop.h"
#include "support/recordingdesktop.h"
#include "support/session.h"
#include "support/testing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

using namespace padmora;
using padmora::testing::mainWindows;
using padmora::testing::RecordingDesktop;
using padmora::testing::ShownMessage;

namespace {

const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

QString storeKey()
{
    return QStringLiteral("Settings/") + obfuscate(QStringLiteral("Duration")).value_or(QString());
}

QString stored(const QString &plain)
{
    return obfuscate(plain).value_or(QString());
}

bool anyWindowVisible()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return true;
    return false;
}

// A window that writes down when it is closed, and may refuse.
class Watched : public QWidget {
public:
    Watched(QStringList &log, const QString &name, bool refuse = false) : m_log(log), m_refuse(refuse)
    {
        setObjectName(name);
    }
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        m_log << QStringLiteral("close ") + objectName();
        if (onClose)
            onClose();
        if (m_refuse)
            event->ignore();
    }

private:
    QStringList &m_log;
    bool m_refuse;
};

class WatchedForm : public Form {
public:
    WatchedForm(QStringList &log) : Form(QStringLiteral("frmWatched"), QStringLiteral("Watched"), 3000, 2000), m_log(log)
    {
    }

protected:
    void Form_Unload() override { m_log << QStringLiteral("unload frmWatched"); }

private:
    QStringList &m_log;
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    QStringList m_ends;  // what the quit routine was asked to end
    ProgramEnd m_previousEnd;

private slots:
    void initTestCase()
    {
        // Ending the program is written down instead of done.
        m_previousEnd = setProgramEnd([this] { m_ends << QStringLiteral("end"); });
    }
    void cleanupTestCase() { setProgramEnd(m_previousEnd); }

    void cleanup()
    {
        qDeleteAll(mainWindows());
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                w->hide();
        testing::settle();
        m_ends.clear();
    }

    // --- start-up order -----------------------------------------------------

    // A desktop finds the name and icon of a running window through the
    // desktop entry the program reports: it must be the one the build installs.
    void theRunningProgramNamesItsInstalledDesktopEntry()
    {
        const QString id = QGuiApplication::desktopFileName();
        QVERIFY(QRegularExpression(QStringLiteral("^[a-z][a-z0-9_]*(\\.[a-z][a-z0-9_]*)+\\.Padmora$")).match(id).hasMatch());
        const QFileInfo entry(QStringLiteral(PADMORA_DESKTOP_ENTRY));
        QCOMPARE(entry.fileName(), id + QStringLiteral(".desktop"));
        QFile file(entry.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        QVERIFY(lines.contains(QStringLiteral("Icon=") + id));
        QVERIFY(lines.contains(QStringLiteral("Exec=padmora")));
    }

    void theReminderComesBeforeTheMainWindow()
    {
        RecordingDesktop desk;
        desk.store.insert(storeKey(), stored(QStringLiteral("2026-10-01")));
        bool windowWhileAsking = true;
        desk.onMessage = [&](const ShownMessage &) { windowWhileAsking = anyWindowVisible() || !mainWindows().isEmpty(); };
        MainWindow *main = startPadmora();
        QVERIFY(main);
        QCOMPARE(desk.messages.size(), 1);
        QCOMPARE(desk.lastMessage().text, kQuestion);
        QVERIFY(!windowWhileAsking);
        QVERIFY(main->isVisible());
        QVERIFY(main->isMaximized());
        QCOMPARE(main->objectName(), QStringLiteral("frmMDI"));
        QVERIFY(main->isWelcomeVisible());
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        QVERIFY(m_ends.isEmpty());
    }

    void aSecondCopyIsRefused()
    {
        RecordingDesktop desk;
        desk.anotherCopyRunning = true;
        desk.store.insert(storeKey(), stored(QStringLiteral("2026-10-01")));
        QCOMPARE(startPadmora(), nullptr);
        QCOMPARE(desk.messages.size(), 1);
        QCOMPARE(desk.lastMessage().text, QStringLiteral("Application is already running"));
        QCOMPARE(desk.lastMessage().icon, MessageIcon::Information);
        QCOMPARE(desk.lastMessage().buttons, MessageButtons::Ok);
        QCOMPARE(desk.lastMessage().title, QStringLiteral("Padmora"));
        // It ends through the quit routine, without asking about updates,
        // touching the store or showing a window.
        QCOMPARE(m_ends, QStringList{QStringLiteral("end")});
        QCOMPARE(desk.log, QStringList{QStringLiteral("message Application is already running")});
        QVERIFY(mainWindows().isEmpty());
        QVERIFY(!anyWindowVisible());
    }

    // --- the update reminder ------------------------------------------------

    void theFirstStartStoresTodayAndAsksNothing()
    {
        RecordingDesktop desk;
        runUpdateReminder();
        QVERIFY(desk.messages.isEmpty());
        QVERIFY(desk.opened.isEmpty());
        QCOMPARE(desk.store.keys(), QStringList{storeKey()});
        QCOMPARE(desk.store.value(storeKey()), stored(QStringLiteral("2026-12-08")));
    }

    void theReminderAsksOnlyFifteenDaysAway_data()
    {
        QTest::addColumn<int>("offset");  // stored date minus today, in days
        QTest::addColumn<bool>("asks");
        QTest::newRow("today") << 0 << false;
        QTest::newRow("14 days ago") << -14 << false;
        QTest::newRow("14 days ahead") << 14 << false;
        QTest::newRow("15 days ago") << -15 << true;
        QTest::newRow("15 days ahead") << 15 << true;
        QTest::newRow("years ago") << -4000 << true;
        QTest::newRow("years ahead") << 4000 << true;
    }
    void theReminderAsksOnlyFifteenDaysAway()
    {
        QFETCH(int, offset);
        QFETCH(bool, asks);
        for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
            RecordingDesktop desk;
            const QString last = durationText(desk.todayValue.addDays(offset));
            desk.store.insert(storeKey(), stored(last));
            desk.answers = {answer};
            runUpdateReminder();
            if (!asks) {
                QVERIFY(desk.messages.isEmpty());
                QCOMPARE(desk.store.value(storeKey()), stored(last));
                QVERIFY(desk.opened.isEmpty());
                continue;
            }
            QCOMPARE(desk.messages.size(), 1);
            QCOMPARE(desk.lastMessage().text, kQuestion);
            QCOMPARE(desk.lastMessage().icon, MessageIcon::Information);
            QCOMPARE(desk.lastMessage().buttons, MessageButtons::YesNo);
            QCOMPARE(desk.lastMessage().title, QStringLiteral("Padmora"));
            // Today is stored whatever the answer ...
            QCOMPARE(desk.store.value(storeKey()), stored(QStringLiteral("2026-12-08")));
            QStringList expected{QStringLiteral("read ") + storeKey(), QStringLiteral("message ") + kQuestion,
                                 QStringLiteral("write ") + storeKey()};
            // ... and only Yes opens the download page, after the write.
            if (answer == MessageAnswer::Yes)
                expected << QStringLiteral("open ") + downloadPageUrl().toString();
            QCOMPARE(desk.log, expected);

            // Asked once: the next start the same day asks nothing.
            desk.log.clear();
            runUpdateReminder();
            QCOMPARE(desk.messages.size(), 1);
        }
    }

    void theRealMessageBoxShowsTheQuestionOnTwoLines()
    {
        // The message box the program really shows (not the recording
        // desktop's), looked at and answered as a user would.
        QtDesktop real;
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<int> buttons;
        qsizetype lines = 0;
        // The box waits for its answer in an event loop of its own; this
        // looks for it from there.
        QTimer look;
        look.setInterval(10);
        connect(&look, &QTimer::timeout, &look, [&] {
            QMessageBox *box = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *b = qobject_cast<QMessageBox *>(w); b && b->isVisible())
                    box = b;
            if (!box)
                return;
            look.stop();
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            for (QAbstractButton *b : box->buttons())
                buttons << int(box->standardButton(b));
            lines = testing::inkBands(testing::child<QLabel>(box, QStringLiteral("qt_msgbox_label"))->grab().toImage()).size();
            if (QAbstractButton *yes = box->button(QMessageBox::Yes))
                QTest::mouseClick(yes, Qt::LeftButton);
            if (box->isVisible())
                box->reject();
        });
        look.start();
        const MessageAnswer answer = real.message(kQuestion, MessageIcon::Information, MessageButtons::YesNo, kAppTitle);
        look.stop();

        QCOMPARE(text, QStringLiteral("There maybe an update to this software available\n"
                                      "Do you want to check for an update?"));
        QCOMPARE(lines, 2);
        QCOMPARE(title, QStringLiteral("Padmora"));
        QCOMPARE(icon, QMessageBox::Information);
        std::sort(buttons.begin(), buttons.end());
        QCOMPARE(buttons, (QList<int>{int(QMessageBox::Yes), int(QMessageBox::No)}));
        QCOMPARE(answer, MessageAnswer::Yes);
    }

    void storedTextsThatAreNoDateStartAfresh_data()
    {
        QTest::addColumn<QString>("value");  // as found in the store
        QTest::newRow("words") << stored(QStringLiteral("next week"));
        QTest::newRow("locale short date") << stored(QStringLiteral("12/8/26"));
        QTest::newRow("day out of range") << stored(QStringLiteral("2026-02-30"));
        QTest::newRow("empty after the obfuscation") << stored(QString());
        QTest::newRow("10 000 characters") << stored(QString(10000, QLatin1Char('7')));
        // Not obfuscated at all: nothing Padmora wrote, so no date either.
        QTest::newRow("date written by hand") << QStringLiteral("2026-01-01");
        QTest::newRow("recent date written by hand") << QStringLiteral("2026-12-01");
        QTest::newRow("foreign wide letters") << QStringLiteral("\u0915\u0916");
    }
    void storedTextsThatAreNoDateStartAfresh()
    {
        // Read as a first start: today is written, nothing is asked, and the
        // next start goes on counting from today (the reminder is not lost).
        QFETCH(QString, value);
        RecordingDesktop desk;
        desk.store.insert(storeKey(), value);
        runUpdateReminder();
        QVERIFY(desk.messages.isEmpty());
        QCOMPARE(desk.store.value(storeKey()), stored(QStringLiteral("2026-12-08")));
        desk.todayValue = desk.todayValue.addDays(15);
        runUpdateReminder();
        QCOMPARE(desk.messages.size(), 1);
    }

    void failuresEndTheReminderQuietly_data()
    {
        QTest::addColumn<QString>("value");     // as found in the store; empty: none
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("asks");
        const QString old = stored(QStringLiteral("2026-10-01"));
        QTest::newRow("unreadable store") << old << false << true << false;
        QTest::newRow("read-only, nothing stored") << QString() << true << false << false;
        QTest::newRow("read-only, no date") << stored(QStringLiteral("nonsense")) << true << false << false;
        QTest::newRow("read-only, date written by hand") << QStringLiteral("2026-10-01") << true << false << false;
        // The question is asked, but the answer cannot be kept: it stops there.
        QTest::newRow("read-only, old date") << old << true << false << true;
    }
    void failuresEndTheReminderQuietly()
    {
        QFETCH(QString, value);
        QFETCH(bool, readable);
        QFETCH(bool, writable);
        QFETCH(bool, asks);
        RecordingDesktop desk;
        if (!value.isEmpty())
            desk.store.insert(storeKey(), value);
        const auto before = desk.store;
        desk.storeReadable = readable;
        desk.storeWritable = writable;
        desk.answers = {MessageAnswer::Yes};
        MainWindow *main = startPadmora();
        QCOMPARE(desk.messages.size(), asks ? 1 : 0);
        QVERIFY(desk.opened.isEmpty());
        QCOMPARE(desk.store, before);
        // The start goes on.
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QVERIFY(m_ends.isEmpty());
    }

    // --- the quit routine ---------------------------------------------------

    void theQuitRoutineClosesEveryOpenWindowThenEnds()
    {
        QStringList log;
        setProgramEnd([&] { log << QStringLiteral("end"); });
        auto *a = new Watched(log, QStringLiteral("a"));
        auto *b = new Watched(log, QStringLiteral("b"), true);  // refuses to close
        auto *hidden = new Watched(log, QStringLiteral("hidden"));
        auto *form = new WatchedForm(log);
        a->show();
        b->show();
        form->show();
        // A window whose close ends the program again, as the farewell
        // screen's does: the program ends once.
        a->onClose = [] { quitPadmora(); };
        quitPadmora();
        QCOMPARE(log.size(), 4);
        QCOMPARE(log.last(), QStringLiteral("end"));
        QVERIFY(log.contains(QStringLiteral("close a")));
        QVERIFY(log.contains(QStringLiteral("close b")));
        QVERIFY(log.contains(QStringLiteral("unload frmWatched")));
        QVERIFY(!log.contains(QStringLiteral("close hidden")));
        QVERIFY(!a->isVisible());
        QVERIFY(form->isUnloaded());
        QVERIFY(!isQuitting());
        setProgramEnd([this] { m_ends << QStringLiteral("end"); });
        delete a;
        delete b;
        delete hidden;
        delete form;
    }
};

PADMORA_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
