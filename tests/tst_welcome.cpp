// SPDX-License-Identifier: GPL-3.0-or-later
// The welcome panel's line about the latest chakra test or tarot reading at
// the next start, its two links, the line following deletions, and the
// reminder to take the test again: off unless chosen, once a day when due.

#include "app/gentlereturn.h"
#include "chakras/screens/program.h"
#include "journal/store.h"
#include "kit/linklabel.h"
#include "kit/screennames.h"
#include "practice/sitting.h"
#include "support/readingdriver.h"
#include "support/session.h"
#include "tarot/screens/tarotprogram.h"
#include "tarot/tarotcards.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>

using namespace padmora;
using namespace padmora::testing;

class WelcomeTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<RecordingDesktop> &fake = session.fake;
    std::unique_ptr<MainWindow> &main = session.main;

    LinkLabel *line() { return main->findChild<LinkLabel *>(QStringLiteral("lblLatestReading")); }
    LinkLabel *practise() { return main->findChild<LinkLabel *>(QStringLiteral("lblPractiseLatest")); }
    LinkLabel *retake() { return main->findChild<LinkLabel *>(QStringLiteral("lblRetakeTest")); }

    bool runReading(const ProgramTraits &program, const TargetScores &scores)
    {
        ReadingDriver driver(main.get(), program);
        main->setWelcomeVisible(false);
        main->openScreen(program.startScreen);
        const bool ran = driver.run(scores);
        for (Form *form : main->mdiArea()->findChildren<Form *>())
            form->unload();
        settle();
        return ran;
    }

    // Ends the run and starts the next, with the settings store as it was.
    bool restart()
    {
        const QMap<QString, QString> kept = fake->store;
        const QDate today = fake->todayValue;
        session.end();
        fake = std::make_unique<RecordingDesktop>();
        fake->store = kept;
        fake->todayValue = today;
        main = std::make_unique<MainWindow>();
        main->show();
        return QTest::qWaitForWindowExposed(main.get());
    }

    void removeNewest()
    {
        journal::Store &store = journal::journalStore();
        QVERIFY(store.remove({store.entries().first().id}));
    }

    QAction *reminderChoice(int k) { return child<QAction>(main.get(), QStringLiteral("mnuRetakeDays"), k); }

private slots:
    void init()
    {
        journal::forgetJournalStore();
        QDir(QFileInfo(journal::journalFilePath()).absolutePath()).removeRecursively();
        QVERIFY(session.start());
    }

    void cleanup()
    {
        session.end();
        journal::forgetJournalStore();
        practice::setSitting({});
        ClearTarotCardNeeded();
    }

    void theLatestReadingIsOnTheWelcomePanelWithoutOpeningTheJournal()
    {
        QVERIFY(!line() && !practise() && !retake());
        // Root 2 is under-active, Heart 7 over-active, Throat 4 open.
        QVERIFY(runReading(chakraTestProgram(), {{0, 2}, {3, 7}, {4, 4}}));
        // The journal's file goes: what the panel shows comes from the settings alone.
        journal::forgetJournalStore();
        QVERIFY(QFile::remove(journal::journalFilePath()));
        QVERIFY(restart());
        QVERIFY(main->isWelcomeVisible());
        QVERIFY(line() && line()->isVisible());
        QCOMPARE(line()->text(), QStringLiteral("Your last reading, on 8 Dec 2026, found the Root and Heart Chakras not open."));
        QVERIFY(!QFileInfo::exists(journal::journalFilePath()));
        QCOMPARE(practise()->accessibleName(), QStringLiteral("Practise them"));
        QCOMPARE(retake()->accessibleName(), QStringLiteral("Take the test again"));
        // The line lies inside the panel, below the programs' links.
        auto *panel = child<QWidget>(main.get(), QStringLiteral("picMain"));
        auto *lastCaption = child<LinkLabel>(main.get(), QStringLiteral("lblCaption"), 5);
        for (QWidget *w : {static_cast<QWidget *>(line()), static_cast<QWidget *>(practise()), static_cast<QWidget *>(retake())}) {
            QVERIFY(panel->rect().contains(w->geometry()));
            QVERIFY(w->y() > lastCaption->geometry().bottom());
        }

        // Tab goes on from the programs' links to the two links; Return presses them.
        lastCaption->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), practise());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), retake());
        QTest::keyClick(retake(), Qt::Key_Return);
        settle();
        QVERIFY(main->screen(screens::kTestMain));
        QVERIFY(!main->isWelcomeVisible());

        main->closeScreen(screens::kTestMain);
        settle();
        main->setWelcomeVisible(true);
        practise()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(practise(), Qt::Key_Return);
        settle();
        QVERIFY(main->screen(screens::kPractice));
        QCOMPARE(practice::sitting(), (QList<int>{0, 3}));
    }

    void theLineFollowsTheNewestReadingAsEntriesAreDeleted()
    {
        QVERIFY(runReading(chakrasTarotProgram(), {{1, 1}, {2, 4}}));
        QVERIFY(runReading(chakraTestProgram(), {{0, 4}, {5, 3}}));
        QVERIFY(restart());
        QVERIFY(line());
        QCOMPARE(line()->text(), QStringLiteral("Your last reading, on 8 Dec 2026, found every chakra it looked at open."));
        QVERIFY(!practise());
        QVERIFY(retake());

        removeNewest();
        QVERIFY(restart());
        QVERIFY(line());
        QCOMPARE(line()->text(), QStringLiteral("Your last reading, on 8 Dec 2026, found the Sacral Chakra not open."));
        QVERIFY(practise());

        removeNewest();
        QVERIFY(restart());
        QVERIFY(!line() && !practise() && !retake());
    }

    void theReminderIsOffUntilChosenAndShowsOnceADayWhenDue()
    {
        QVERIFY(runReading(chakraTestProgram(), {{3, 1}}));
        // Off by default: a month on, nothing is said.
        QVERIFY(reminderChoice(0)->isChecked());
        QCOMPARE(reminderChoice(0)->text(), QStringLiteral("&Off"));
        fake->todayValue = QDate(2027, 1, 8);
        fake->messages.clear();
        runRetakeReminder();
        QVERIFY(fake->messages.isEmpty());

        // After 7 days: kept for the next start.
        fake->todayValue = QDate(2026, 12, 8);
        QCOMPARE(reminderChoice(1)->text(), QStringLiteral("After 7 Days"));
        reminderChoice(1)->trigger();
        QVERIFY(restart());
        QVERIFY(reminderChoice(1)->isChecked() && !reminderChoice(0)->isChecked());

        fake->messages.clear();
        fake->todayValue = QDate(2026, 12, 14);  // six days on: not due
        runRetakeReminder();
        QVERIFY(fake->messages.isEmpty());
        fake->todayValue = QDate(2026, 12, 15);
        runRetakeReminder();
        QCOMPARE(fake->messages.size(), 1);
        QVERIFY(fake->lastMessage().text.startsWith(QStringLiteral("It is 7 days since your last chakra test.")));
        QCOMPARE(fake->lastMessage().icon, MessageIcon::Information);
        runRetakeReminder();  // the same day: once only
        QCOMPARE(fake->messages.size(), 1);
        fake->todayValue = QDate(2026, 12, 16);
        runRetakeReminder();
        QCOMPARE(fake->messages.size(), 2);
        QVERIFY(fake->lastMessage().text.startsWith(QStringLiteral("It is 8 days since")));

        // Thirty days: not due at eight.
        reminderChoice(3)->trigger();
        fake->todayValue = QDate(2026, 12, 17);
        runRetakeReminder();
        QCOMPARE(fake->messages.size(), 2);
    }
};

PADMORA_TEST_MAIN(WelcomeTest)
#include "tst_welcome.moc"
