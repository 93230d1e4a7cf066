// SPDX-License-Identifier: GPL-3.0-or-later
// The journal through Padmora's own screens: every finished reading kept
// (never the name), switched off and on from the File menu, "My Readings"
// opened with Ctrl+J, an entry reopened exactly as it was shown that day,
// notes kept as they are typed, deletion asked for, trends in pictures,
// table and words, export and import through the dialogs, and a damaged
// journal said and moved aside while every program goes on working.

#include "app/journalshell.h"
#include "app/settingsstore.h"
#include "chakras/questionbank.h"
#include "chakras/screens/program.h"
#include "journal/exchange.h"
#include "journal/keeping.h"
#include "journal/screens/journalscreen.h"
#include "journal/screens/trendchart.h"
#include "journal/store.h"
#include "kit/screennames.h"
#include "practice/sitting.h"
#include "support/readingdriver.h"
#include "support/filldisk.h"
#include "support/session.h"
#include "tarot/screens/tarotprogram.h"
#include "tarot/tarotcards.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextBrowser>

using namespace padmora;
using namespace padmora::testing;

namespace {

// What a result screen shows: its report, to the character, and its chart.
struct Shown {
    QString title;
    QString text;
    QString html;
    QStringList bars;
};

Shown shownBy(Form *result)
{
    Shown s;
    if (!result)
        return s;
    s.title = result->windowTitle();
    auto *rtb = child<QTextBrowser>(result, QStringLiteral("RTB"));
    s.text = rtb->toPlainText();
    s.html = rtb->toHtml();
    for (int i = 0; i < kChakraCount; ++i) {
        auto *bar = child<QLabel>(result, QStringLiteral("lblCurve"), i);
        s.bars << QStringLiteral("%1 %2 %3").arg(bar->isVisibleTo(result)).arg(bar->accessibleName())
                      .arg(QString::number(bar->geometry().top()) + QLatin1Char('/') + QString::number(bar->height()));
    }
    return s;
}

QStringList astrologyShown(Form *screen)
{
    QStringList out;
    for (int i = 0; i < 11; ++i)
        out << child<QLabel>(screen, QStringLiteral("lblResult"), i)->text();
    return out;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

journal::Reading heartReading(journal::Program program, int score, const QDateTime &taken)
{
    journal::Reading r;
    r.program = program;
    r.taken = taken;
    r.ticked[3] = true;
    r.ticked[0] = true;
    for (int j = 0; j < 8; ++j) {
        r.questionOrder << 24 + j;
        r.answers << (j < score ? answerKey(24 + j) : kNotSure);
    }
    for (int j = 0; j < 8; ++j) {
        r.questionOrder << j;
        r.answers << (j < 4 ? answerKey(j) : kNotSure);
    }
    r.scores[3] = qint16(score);
    r.scores[0] = 4;
    if (program == journal::Program::ChakrasTarot)
        r.cards = journal::shownCards(journal::sheetOf(r), r.scores);
    return r;
}

// A practice of a chakra started at a moment (UTC), as the journal keeps it.
journal::Practice practised(int chakra, const QDateTime &taken, qint64 seconds, int planned = 10, bool completed = true)
{
    journal::Practice p;
    p.chakra = chakra;
    p.taken = taken;
    p.plannedMinutes = planned;
    p.practisedSeconds = seconds;
    p.completed = completed;
    p.inhaleSeconds = 4;
    p.chantSeconds = 6;
    return p;
}

// Notes when the named screen of the main window first paints.
class PaintWatch : public QObject
{
public:
    PaintWatch(MainWindow *main, QString screen, bool *painted) : m_main(main), m_screen(std::move(screen)), m_painted(painted)
    {
        qApp->installEventFilter(this);
    }
    ~PaintWatch() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            Form *screen = m_main->screen(m_screen);
            if (screen && (watched == screen || screen->isAncestorOf(static_cast<QWidget *>(watched))))
                *m_painted = true;
        }
        return false;
    }

private:
    MainWindow *m_main;
    QString m_screen;
    bool *m_painted;
};

} // namespace

class JournalScreenTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<MainWindow> &main = session.main;

    journal::Store &store() { return journal::journalStore(); }

    Form *openJournal()
    {
        QTest::keyClick(main.get(), Qt::Key_J, Qt::ControlModifier);
        settle();
        return main->screen(screens::kJournal);
    }

    QTableView *table(Form *journal) { return child<QTableView>(journal, QStringLiteral("grdReadings")); }
    QString cell(Form *journal, int row, int column)
    {
        return table(journal)->model()->index(row, column).data().toString();
    }

    Form *runTest(const ProgramTraits &program, const TargetScores &scores)
    {
        ReadingDriver driver(main.get(), program);
        main->setWelcomeVisible(false);
        main->openScreen(program.startScreen);
        if (!driver.run(scores))
            return nullptr;
        return main->screen(&program == &chakraTestProgram() ? screens::kTestResult : screens::kTarotResult);
    }

    Form *runAstrology(const QString &name, int month, int day, const QString &year)
    {
        main->setWelcomeVisible(false);
        Form *screen = main->openScreen(screens::kAstrologyMain);
        child<QLineEdit>(screen, QStringLiteral("txtName"))->setText(name);
        child<QComboBox>(screen, QStringLiteral("cboMonth"))->setCurrentIndex(month - 1);
        child<QComboBox>(screen, QStringLiteral("cboDate"))->setCurrentIndex(day - 1);
        auto *year_ = child<QComboBox>(screen, QStringLiteral("cboYear"));
        year_->setCurrentIndex(year_->findText(year));
        click(child<QPushButton>(screen, QStringLiteral("cmdNext")));
        return screen;
    }

    void closeAllScreens()
    {
        for (Form *form : main->mdiArea()->findChildren<Form *>())
            form->unload();
        settle();
    }

private slots:
    void init()
    {
        journal::forgetJournalStore();
        const QString folder = QFileInfo(journal::journalFilePath()).absolutePath();
        QDir(folder).removeRecursively();
        QVERIFY(session.start());
    }

    void cleanup()
    {
        session.end();
        journal::forgetJournalStore();
        journal::setKeepingReadings(true);
        ClearTarotCardNeeded();
    }

    void theFileMenuOpensTheJournalAndNothingIsOpenedAtStart()
    {
        QVERIFY(!QFileInfo::exists(journal::journalFilePath()));
        auto *keep = child<QAction>(main.get(), QStringLiteral("mnuKeepJournal"));
        QVERIFY(keep->isCheckable() && keep->isChecked());
        QCOMPARE(child<QAction>(main.get(), QStringLiteral("mnuMyReadings"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_J));
        Form *journal = openJournal();
        QVERIFY(journal);
        QCOMPARE(journal->windowTitle(), QStringLiteral("My Readings"));
        QVERIFY(main->mdiArea()->isAncestorOf(journal));
        QVERIFY(!main->isWelcomeVisible());
        QVERIFY(child<QLabel>(journal, QStringLiteral("lblState"))->text().startsWith(QStringLiteral("0 readings. Your journal is kept in ")));
        QVERIFY(child<QLabel>(journal, QStringLiteral("lblState"))->text().contains(journal::journalFilePath()));
        click(child<QPushButton>(journal, QStringLiteral("cmdClose")));
        settle();
        QVERIFY(main->isWelcomeVisible());
    }

    void everyReadingIsKeptAndReopensAsItWasShown()
    {
        Form *test = runTest(chakraTestProgram(), {{0, 5}, {3, 2}});
        QVERIFY(test);
        const Shown testShown = shownBy(test);
        closeAllScreens();
        Form *tarot = runTest(chakrasTarotProgram(), {{1, 1}, {3, 7}, {6, 4}});
        QVERIFY(tarot);
        const Shown tarotShown = shownBy(tarot);
        closeAllScreens();
        const QStringList astrologyText = astrologyShown(runAstrology(QStringLiteral("Asha Zedwick"), 7, 23, QStringLiteral("1975")));
        QCOMPARE(astrologyText.first(), QStringLiteral("Leo"));
        QVERIFY(session.fake->messages.isEmpty());
        closeAllScreens();

        Form *journal = openJournal();
        QCOMPARE(table(journal)->model()->rowCount(), 3);
        QCOMPARE(cell(journal, 0, 1), QStringLiteral("Vovuvev Avoverazi"));
        QCOMPARE(cell(journal, 0, 2), QStringLiteral("Leo \u00b7 The Sun \u00b7 Crown Chakra (Sahasrara)"));
        QCOMPARE(cell(journal, 1, 2),
                 QStringLiteral("Sacral 1 UnderActive \u00b7 Heart 7 OverActive \u00b7 Crown 4 Open"));
        QCOMPARE(cell(journal, 2, 1), QStringLiteral("Zazeder Izorudav"));
        QCOMPARE(cell(journal, 2, 2), QStringLiteral("Root 5 Open \u00b7 Heart 2 UnderActive"));

        // The keyboard: the table has the focus; Down twice, Return reopens the test.
        QCOMPARE(QApplication::focusWidget(), table(journal));
        QTest::keyClick(table(journal), Qt::Key_Down);
        QTest::keyClick(table(journal), Qt::Key_Down);
        QTest::keyClick(table(journal), Qt::Key_Return);
        settle();
        const Shown again = shownBy(main->screen(screens::kTestResult));
        QCOMPARE(again.text, testShown.text);
        QCOMPARE(again.html, testShown.html);
        QCOMPARE(again.bars, testShown.bars);
        QVERIFY(again.title.startsWith(testShown.title + QStringLiteral(" \u2013 ")));
        QVERIFY(again.title.endsWith(cell(journal, 2, 0)));

        // A double click reopens the tarot, whose cards are its own again.
        main->mdiArea()->setActiveSubWindow(journal->subWindow());
        const QRect row1 = table(journal)->visualRect(table(journal)->model()->index(1, 2));
        QTest::mouseDClick(main->windowHandle(), Qt::LeftButton, {},
                           table(journal)->viewport()->mapTo(main.get(), row1.center()));
        settle();
        Form *tarotAgain = main->screen(screens::kTarotResult);
        QCOMPARE(shownBy(tarotAgain).text, tarotShown.text);
        QCOMPARE(shownBy(tarotAgain).html, tarotShown.html);
        QCOMPARE(shownBy(tarotAgain).bars, tarotShown.bars);
        QCOMPARE(TarotCardNeeded(), (TarotFlags{0, -1, 0, -1, 0, 0, 0}));

        table(journal)->setCurrentIndex(table(journal)->model()->index(0, 0));
        click(child<QPushButton>(journal, QStringLiteral("cmdOpen")));
        Form *stars = main->screen(screens::kAstrologyMain);
        QCOMPARE(astrologyShown(stars), astrologyText);
        QVERIFY(child<QLineEdit>(stars, QStringLiteral("txtName"))->text().isEmpty());
        QVERIFY(stars->windowTitle().startsWith(QStringLiteral("VQ Vovuvev Avoverazi \u2013 ")));

        // Reopening keeps nothing new, and the name was never kept.
        QCOMPARE(store().count(), 3);
        store().close();
        const QString file = journal::journalFilePath();
        const QByteArray bytes = fileBytes(file) + fileBytes(file + QStringLiteral("-wal"));
        QVERIFY(bytes.contains("Crown Chakra"));
        QVERIFY(!bytes.contains("Asha"));
        QVERIFY(!bytes.contains("Zedwick"));
    }

    void aReadingIsKeptOnceItsResultHasPaintedEvenIfClosedAtOnce()
    {
        // The result is on the screen before the journal waits for the disk.
        bool resultPainted = false;
        bool paintedBeforeKept = false;
        PaintWatch watch(main.get(), screens::kTestResult, &resultPainted);
        connect(&store(), &journal::Store::changed, this, [&] { paintedBeforeKept = resultPainted; });
        QVERIFY(runTest(chakraTestProgram(), {{2, 6}}));
        QCOMPARE(store().count(), 1);
        QVERIFY(paintedBeforeKept);

        // A reading closed the moment it shows, before the window could paint
        // it, is kept all the same, with what it showed.
        closeAllScreens();
        ReadingDriver driver(main.get(), chakrasTarotProgram());
        QVERIFY(driver.openAndStart({4}));
        for (int k = 0; k < kQuestionsPerChakra; ++k) {
            driver.choose(0);
            driver.next();
        }
        QVERIFY(main->screen(screens::kTarotResult));
        for (Form *form : main->mdiArea()->findChildren<Form *>())
            form->unload();
        settle();
        QCOMPARE(store().count(), 2);
        const std::optional<QList<journal::Reading>> kept = store().allReadings();
        QVERIFY(kept && kept->size() == 2);
        const journal::Reading &tarot =
            kept->first().program == journal::Program::ChakrasTarot ? kept->first() : kept->last();
        QCOMPARE(tarot.program, journal::Program::ChakrasTarot);
        QCOMPARE(tarot.answers.size(), kQuestionsPerChakra);
        QCOMPARE(tarot.ticked, (std::array<bool, kChakraCount>{false, false, false, false, true, false, false}));
    }

    void keepingSwitchedOffKeepsWhatIsThere()
    {
        QVERIFY(runTest(chakraTestProgram(), {{2, 3}}));
        QCOMPARE(store().count(), 1);
        auto *keep = child<QAction>(main.get(), QStringLiteral("mnuKeepJournal"));
        keep->trigger();
        QVERIFY(!keep->isChecked());
        QCOMPARE(session.fake->store.value(QStringLiteral("Settings/") + *obfuscate(kJournalKey)), *obfuscate(kJournalOff));
        QVERIFY(runTest(chakrasTarotProgram(), {{2, 3}}));
        QCOMPARE(store().count(), 1);

        // The next start remembers it.
        main = std::make_unique<MainWindow>();
        main->show();
        QVERIFY(!child<QAction>(main.get(), QStringLiteral("mnuKeepJournal"))->isChecked());
        QVERIFY(runTest(chakraTestProgram(), {{2, 3}}));
        QCOMPARE(store().count(), 1);
        Form *journal = openJournal();
        QVERIFY(child<QLabel>(journal, QStringLiteral("lblState"))->text().contains(QStringLiteral("keeping is switched off")));
        child<QAction>(main.get(), QStringLiteral("mnuKeepJournal"))->trigger();
        QVERIFY(runTest(chakraTestProgram(), {{2, 3}}));
        QCOMPARE(store().count(), 2);
    }

    void notesAreKeptAsTheyAreTypedAndSearched()
    {
        journal::Reading a = heartReading(journal::Program::ChakraTest, 2, QDateTime(QDate(2026, 5, 3), QTime(9, 0), Qt::UTC));
        journal::Reading b = heartReading(journal::Program::ChakrasTarot, 6, QDateTime(QDate(2026, 6, 3), QTime(9, 0), Qt::UTC));
        QCOMPARE(store().add({a, b})->added, 2);
        Form *journal = openJournal();
        auto *note = child<QPlainTextEdit>(journal, QStringLiteral("txtNote"));
        QTest::keyClick(table(journal), Qt::Key_Down);  // the older one, the test
        note->setFocus();
        QTest::keyClicks(note, QStringLiteral("Felt calm"));
        QTest::keyClick(note, Qt::Key_Return);
        QTest::keyClicks(note, QStringLiteral("after the walk"));
        QCOMPARE(cell(journal, 1, 3), QStringLiteral("Felt calm"));
        journal->unload();
        settle();
        journal::forgetJournalStore();  // as at the next start
        journal = openJournal();
        QCOMPARE(store().load(store().entries().last().id)->note, QStringLiteral("Felt calm\nafter the walk"));
        QCOMPARE(cell(journal, 1, 3), QStringLiteral("Felt calm"));

        auto *search = child<QLineEdit>(journal, QStringLiteral("txtSearch"));
        QTest::keyClicks(search, QStringLiteral("WALK"));
        QCOMPARE(table(journal)->model()->rowCount(), 1);
        QCOMPARE(cell(journal, 0, 1), QStringLiteral("Zazeder Izorudav"));
        search->clear();
        auto *program = child<QComboBox>(journal, QStringLiteral("cboProgram"));
        program->setCurrentIndex(program->findText(QStringLiteral("Dovazov Urera")));
        QCOMPARE(table(journal)->model()->rowCount(), 1);
        QCOMPARE(cell(journal, 0, 2), QStringLiteral("Root 4 Open \u00b7 Heart 6 OverActive"));
        program->setCurrentIndex(program->findText(QStringLiteral("Vovuvev Avoverazi")));
        QCOMPARE(table(journal)->model()->rowCount(), 0);

        // A note holds 10,000 characters and no more.
        program->setCurrentIndex(0);
        note = child<QPlainTextEdit>(journal, QStringLiteral("txtNote"));
        note->setPlainText(QString(10050, QLatin1Char('x')));
        QCOMPARE(note->toPlainText().size(), 10000);
        QCOMPARE(store().load(store().entries().first().id)->note.size(), 10000);
        // An emoji (two UTF-16 units) across the limit goes whole or not at all.
        const QString grin = QStringLiteral("\U0001F600");
        const QString xs(9998, QLatin1Char('x'));
        for (const QString &kept : {QString(xs + QLatin1Char('x')), QString(xs + grin)}) {
            note->setPlainText(kept + grin + QStringLiteral("y"));
            QCOMPARE(note->toPlainText(), kept);
            QCOMPARE(store().load(store().entries().first().id)->note, kept);
        }
    }

    void deletingAsksOnceAndDeletingAllTwice()
    {
        for (int i = 0; i < 3; ++i)
            QCOMPARE(store().add({heartReading(journal::Program::ChakraTest, i, QDateTime(QDate(2026, 5, 3 + i), QTime(9, 0), Qt::UTC))})->added, 1);
        Form *journal = openJournal();
        session.fake->answers = {MessageAnswer::No};
        QTest::keyClick(table(journal), Qt::Key_Delete);
        QCOMPARE(session.fake->lastMessage().text, QStringLiteral("Delete the chosen reading and its note from your journal?"));
        QCOMPARE(store().count(), 3);
        session.fake->answers = {MessageAnswer::Yes};
        QTest::keyClick(table(journal), Qt::Key_Delete);
        QCOMPARE(store().count(), 2);
        QCOMPARE(table(journal)->model()->rowCount(), 2);
        QCOMPARE(cell(journal, 0, 2), QStringLiteral("Root 4 Open \u00b7 Heart 1 UnderActive"));  // the newest went

        session.fake->messages.clear();
        session.fake->answers = {MessageAnswer::Yes, MessageAnswer::No};
        click(child<QPushButton>(journal, QStringLiteral("cmdDeleteAll")));
        QCOMPARE(session.fake->messages.size(), 2);
        QCOMPARE(store().count(), 2);
        session.fake->answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        click(child<QPushButton>(journal, QStringLiteral("cmdDeleteAll")));
        QCOMPARE(session.fake->messages[2].text, QStringLiteral("Delete all 2 readings from your journal, with their notes?"));
        QCOMPARE(store().count(), 0);
        QCOMPARE(table(journal)->model()->rowCount(), 0);
    }

    // Practices are listed beside the readings, filtered apart, noted and
    // deleted like them; a test or tarot entry, or a practice, is practised
    // from the list: its chakras that are not open make the sitting.
    void practicesAreListedFilteredNotedDeletedAndPractised()
    {
        const QDateTime day(QDate(2026, 5, 3), QTime(9, 0), Qt::UTC);
        QCOMPARE(store().add({heartReading(journal::Program::ChakraTest, 2, day),
                              journal::astrologyReading(QDate(1980, 7, 23), QStringLiteral("Leo"), QStringLiteral("The Sun"),
                                                        QStringLiteral("Crown Chakra"), day.addDays(2))},
                             {practised(3, day.addDays(1), 600), practised(4, day.addDays(3), 130, 0, false)})
                     ->added,
                 4);
        Form *journal = openJournal();
        QCOMPARE(table(journal)->model()->rowCount(), 4);
        // Readings and practices are each counted as what they are.
        QVERIFY(child<QLabel>(journal, QStringLiteral("lblState"))
                    ->text()
                    .startsWith(QStringLiteral("2 readings and 2 practice sessions. Your journal is kept in ")));
        session.fake->answers = {MessageAnswer::No};
        click(child<QPushButton>(journal, QStringLiteral("cmdDeleteAll")));
        QCOMPARE(session.fake->messages.last().text,
                 QStringLiteral("Delete all 2 readings and 2 practice sessions from your journal, with their notes?"));
        QCOMPARE(store().count(), 4);
        QCOMPARE(cell(journal, 0, 1), QStringLiteral("Practice"));
        QCOMPARE(cell(journal, 0, 2), QStringLiteral("Throat Chakra (Vishuddha) \u00b7 2 min, open-ended \u00b7 stopped"));
        QCOMPARE(cell(journal, 2, 2), QStringLiteral("Heart Chakra (Anahata) \u00b7 10 of 10 min \u00b7 completed"));
        auto *program = child<QComboBox>(journal, QStringLiteral("cboProgram"));
        program->setCurrentIndex(program->findText(QStringLiteral("Practice")));
        QCOMPARE(table(journal)->model()->rowCount(), 2);
        program->setCurrentIndex(program->findText(QStringLiteral("Zazeder Izorudav")));
        QCOMPARE(table(journal)->model()->rowCount(), 1);
        QCOMPARE(cell(journal, 0, 2), QStringLiteral("Root 4 Open \u00b7 Heart 2 UnderActive"));

        // The test's Heart is not open, its Root is: Heart is practised.
        auto *practise = child<QPushButton>(journal, QStringLiteral("cmdPractise"));
        practice::setSitting({});
        click(practise);
        QCOMPARE(practice::sitting(), QList<int>{3});

        program->setCurrentIndex(0);
        table(journal)->setCurrentIndex(table(journal)->model()->index(1, 0));  // the astrology reading
        practice::setSitting({});
        click(practise);
        QCOMPARE(practice::sitting(), QList<int>());
        program->setCurrentIndex(program->findText(QStringLiteral("Practice")));
        table(journal)->setCurrentIndex(table(journal)->model()->index(1, 0));  // Heart's practice
        click(practise);
        QCOMPARE(practice::sitting(), QList<int>{3});

        // A note of the practice's own; the reading of the same number keeps none.
        auto *note = child<QPlainTextEdit>(journal, QStringLiteral("txtNote"));
        note->setFocus();
        QTest::keyClicks(note, QStringLiteral("Warm"));
        QCOMPARE(store().practices()->first().note, QStringLiteral("Warm"));
        QCOMPARE(cell(journal, 1, 3), QStringLiteral("Warm"));
        const QList<journal::Reading> readings = *store().allReadings();
        for (const journal::Reading &r : readings)
            QCOMPARE(r.note, QString());

        session.fake->answers = {MessageAnswer::Yes};
        table(journal)->setFocus();
        QTest::keyClick(table(journal), Qt::Key_Delete);
        QCOMPARE(store().practices()->size(), 1);
        QCOMPARE(store().practices()->first().chakra, 4);
        QCOMPARE(store().allReadings()->size(), 2);
        QCOMPARE(table(journal)->model()->rowCount(), 1);
        practice::setSitting({});
    }

    // The trends add each chakra's minutes practised per week, under its
    // scores: bars in the chart, rows in the table, and words.
    void trendsShowTheMinutesPractisedPerWeek()
    {
        QCOMPARE(store().add({heartReading(journal::Program::ChakraTest, 2, QDateTime(QDate(2026, 5, 3), QTime(9, 0), Qt::UTC))},
                             {practised(3, QDateTime(QDate(2026, 5, 4), QTime(7, 0), Qt::UTC), 600),
                              practised(3, QDateTime(QDate(2026, 5, 6), QTime(7, 0), Qt::UTC), 930),
                              practised(3, QDateTime(QDate(2026, 5, 12), QTime(7, 0), Qt::UTC), 300, 5),
                              practised(4, QDateTime(QDate(2026, 5, 10), QTime(7, 0), Qt::UTC), 1200, 20)})
                     ->added,
                 5);
        session.fake->scriptedNow = {};
        session.fake->nowValue = QDateTime(QDate(2026, 5, 20), QTime(12, 0), Qt::UTC);
        Form *journal = openJournal();
        child<QTabWidget>(journal, QStringLiteral("tabJournal"))->setCurrentIndex(1);
        const QStringList lines = child<QLabel>(journal, QStringLiteral("lblTrendSummary"))->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 7);
        // 10 min and 15 min 30 s in the week of Monday 4 May; 5 min in the next.
        QCOMPARE(lines[3], QStringLiteral("Heart Chakra (Anahata): 2, UnderActive on 3 May 2026 (1 reading); practised 25 min "
                                          "in the week of 4 May 2026, 5 min in the week of 11 May 2026; last practised on "
                                          "12 May 2026"));
        QCOMPARE(lines[4], QStringLiteral("Throat Chakra (Vishuddha): no readings; practised 20 min in the week of 4 May 2026; "
                                          "last practised on 10 May 2026"));
        auto *rows = child<QTableView>(journal, QStringLiteral("grdTrends"))->model();
        QCOMPARE(rows->rowCount(), 2 + 3);
        QCOMPARE(rows->index(2, 0).data().toString(), QLocale().toString(QDate(2026, 5, 11), QLocale::ShortFormat));
        QCOMPARE(rows->index(2, 1).data().toString(), QStringLiteral("Practice"));
        QCOMPARE(rows->index(2, 2).data().toString(), QStringLiteral("Heart"));
        QCOMPARE(rows->index(2, 3).data().toString(), QStringLiteral("5 min"));
        // Throat has no score line: what is drawn in its blue is its week's bar.
        auto *chart = child<TrendChart>(journal, QStringLiteral("picTrends"));
        auto bluePixels = [&] {
            const QImage shot = chart->grab().toImage();
            int n = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    n += shot.pixel(x, y) == TrendChart::lineColour(4).rgb();
            return n;
        };
        QVERIFY(bluePixels() > 4);
        click(child<QCheckBox>(journal, QStringLiteral("chkTrend"), 4));
        QCOMPARE(bluePixels(), 0);
    }

    void trendsShowEachChakraInAPictureATableAndWords()
    {
        const int heart[4] = {2, 7, 6, 5};
        const QDate days[4] = {QDate(2026, 5, 3), QDate(2026, 7, 1), QDate(2026, 11, 20), QDate(2026, 12, 8)};
        QList<journal::Reading> readings;
        for (int i = 0; i < 4; ++i)
            readings << heartReading(i % 2 ? journal::Program::ChakrasTarot : journal::Program::ChakraTest, heart[i],
                                     QDateTime(days[i], QTime(8, 0), Qt::UTC));
        readings << journal::astrologyReading(QDate(1980, 7, 23), QStringLiteral("Leo"), QStringLiteral("The Sun"),
                                              QStringLiteral("Crown Chakra"), QDateTime(days[1], QTime(9, 0), Qt::UTC));
        QCOMPARE(store().add(readings)->added, 5);
        session.fake->scriptedNow = {};
        session.fake->nowValue = QDateTime(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
        Form *journal = openJournal();
        auto *tabs = child<QTabWidget>(journal, QStringLiteral("tabJournal"));
        tabs->setCurrentIndex(1);
        auto *summary = child<QLabel>(journal, QStringLiteral("lblTrendSummary"));
        const QStringList lines = summary->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[3], QStringLiteral("Heart Chakra (Anahata): 2, UnderActive on 3 May 2026 \u2192 5, Open on 8 Dec 2026 (4 readings)"));
        QCOMPARE(lines[0], QStringLiteral("Root Chakra (Muladhara): 4, Open on 3 May 2026 \u2192 4, Open on 8 Dec 2026 (4 readings)"));
        QCOMPARE(lines[1], QStringLiteral("Sacral Chakra (Swadhisthanna): no readings"));
        auto *rows = child<QTableView>(journal, QStringLiteral("grdTrends"));
        QCOMPARE(rows->model()->rowCount(), 8);
        // Newest first, Root before Heart within a reading.
        QCOMPARE(rows->model()->index(0, 2).data().toString(), QStringLiteral("Root"));
        QCOMPARE(rows->model()->index(1, 1).data().toString(), QStringLiteral("Dovazov Urera"));
        QCOMPARE(rows->model()->index(1, 2).data().toString(), QStringLiteral("Heart"));
        QCOMPARE(rows->model()->index(1, 2).data(Qt::AccessibleTextRole).toString(), QStringLiteral("Heart Chakra (Anahata)"));
        QCOMPARE(rows->model()->index(1, 3).data().toInt(), 5);
        QCOMPARE(rows->model()->index(1, 4).data().toString(), QStringLiteral("Open"));
        // The tarot of July showed Heart over-active: Justice and Temperance; that of December, open, none.
        QCOMPARE(child<QLabel>(journal, QStringLiteral("lblCards"))->text(),
                 QStringLiteral("Cards that came up most often: Justice 1 time, Temperance 1 time."));

        // Heart's line is drawn in its green, and goes when it is switched off.
        auto *chart = child<TrendChart>(journal, QStringLiteral("picTrends"));
        auto greenPixels = [&] {
            const QImage shot = chart->grab().toImage();
            int n = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    n += shot.pixel(x, y) == TrendChart::lineColour(3).rgb();
            return n;
        };
        QVERIFY(greenPixels() > 20);
        click(child<QCheckBox>(journal, QStringLiteral("chkTrend"), 3));
        QVERIFY(!chart->isChakraShown(3));
        QCOMPARE(greenPixels(), 0);

        // The last month holds the last two readings.
        auto *range = child<QComboBox>(journal, QStringLiteral("cboRange"));
        range->setCurrentIndex(range->findText(QStringLiteral("Last Month")));
        QCOMPARE(summary->text().split(QLatin1Char('\n'))[3],
                 QStringLiteral("Heart Chakra (Anahata): 6, OverActive on 20 Nov 2026 \u2192 5, Open on 8 Dec 2026 (2 readings)"));
        QCOMPARE(rows->model()->rowCount(), 4);
    }

    void exportAndImportThroughTheDialogs()
    {
        QCOMPARE(store().add({heartReading(journal::Program::ChakraTest, 2, QDateTime(QDate(2026, 5, 3), QTime(9, 0), Qt::UTC)),
                              heartReading(journal::Program::ChakrasTarot, 7, QDateTime(QDate(2026, 5, 4), QTime(9, 0), Qt::UTC))})
                     ->added,
                 2);
        QTemporaryDir dir;
        const QString json = dir.filePath(QStringLiteral("mine.json"));
        const QString csv = dir.filePath(QStringLiteral("mine.csv"));
        Form *journal = openJournal();
        session.fake->chosenFiles = {json, csv};
        click(child<QPushButton>(journal, QStringLiteral("cmdExportJson")));
        click(child<QPushButton>(journal, QStringLiteral("cmdExportCsv")));
        QCOMPARE(session.fake->fileQuestions[0].filter, QStringLiteral("JSON files (*.json)"));
        QVERIFY(session.fake->fileQuestions[0].proposed.endsWith(QStringLiteral("Padmora journal 2026-12-08.json")));
        QVERIFY(journal::fromJson(fileBytes(json)).problem.isEmpty());
        QCOMPARE(journal::fromJson(fileBytes(json)).readings.size(), 2);
        QCOMPARE(fileBytes(csv).count("\r\n"), 5);  // the header and two chakras of each
        // Both are private, as the journal is: 0600.
        for (const QString &written : {json, csv})
            QCOMPARE(QFileInfo(written).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        // Into an empty journal, then once more.
        session.fake->answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        click(child<QPushButton>(journal, QStringLiteral("cmdDeleteAll")));
        session.fake->chosenFiles = {json, json};
        click(child<QPushButton>(journal, QStringLiteral("cmdImport")));
        QCOMPARE(session.fake->lastMessage().text, QStringLiteral("2 added, 0 already there."));
        QCOMPARE(table(journal)->model()->rowCount(), 2);
        click(child<QPushButton>(journal, QStringLiteral("cmdImport")));
        QCOMPARE(session.fake->lastMessage().text, QStringLiteral("0 added, 2 already there."));

        // A file cut short is refused whole, naming the file and what is wrong.
        const QString cut = dir.filePath(QStringLiteral("cut.json"));
        QFile f(cut);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(fileBytes(json).left(300));
        f.close();
        session.fake->chosenFiles = {cut};
        click(child<QPushButton>(journal, QStringLiteral("cmdImport")));
        QVERIFY(session.fake->lastMessage().text.startsWith(cut + QStringLiteral(" cannot be imported: it is not whole")));
        QVERIFY(session.fake->lastMessage().text.endsWith(QStringLiteral("Nothing was imported.")));
        QCOMPARE(session.fake->lastMessage().icon, MessageIcon::Critical);
        QCOMPARE(store().count(), 2);

        // A file past 64 MB is refused before it is read, with its size.
        const QString huge = dir.filePath(QStringLiteral("huge.json"));
        QFile big(huge);
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(3LL * 1024 * 1024 * 1024));  // sparse: no disk is spent on it
        big.close();
        session.fake->chosenFiles = {huge};
        click(child<QPushButton>(journal, QStringLiteral("cmdImport")));
        QCOMPARE(session.fake->lastMessage().text,
                 huge + QStringLiteral(" cannot be imported: it is 3.0 GB; a journal file holds at most 64 MB. Nothing was imported."));
        QCOMPARE(store().count(), 2);

        // Cancelled dialogs do nothing.
        const qsizetype shown = session.fake->messages.size();
        click(child<QPushButton>(journal, QStringLiteral("cmdImport")));
        click(child<QPushButton>(journal, QStringLiteral("cmdExportJson")));
        QCOMPARE(session.fake->messages.size(), shown);
    }

    void aDamagedJournalIsSaidAndMovedAsideWhileTheProgramsWork()
    {
        const QString file = journal::journalFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QByteArray noise(8192, '\0');
        QRandomGenerator generator(3);
        for (char &c : noise)
            c = char(generator.bounded(256));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(noise);
        f.close();

        // The test still shows its result; the one message says why it was not kept.
        Form *result = runTest(chakraTestProgram(), {{4, 6}});
        QVERIFY(result);
        QVERIFY(child<QTextBrowser>(result, QStringLiteral("RTB"))->toPlainText().contains(QStringLiteral("is OverActive")));
        QCOMPARE(session.fake->messages.size(), 1);
        QCOMPARE(session.fake->lastMessage().text,
                 QStringLiteral("This reading could not be kept in your journal: the file is not a database.\r\n"
                                "The journal file: %1\r\nThe reading itself stays on the screen.")
                     .arg(file));
        QCOMPARE(session.fake->lastMessage().icon, MessageIcon::Critical);

        Form *journal = openJournal();
        const QString state = child<QLabel>(journal, QStringLiteral("lblState"))->text();
        QVERIFY2(state.startsWith(QStringLiteral("The journal cannot be read: the file is not a database.")), qPrintable(state));
        QVERIFY(state.endsWith(file));
        auto *moveAside = child<QPushButton>(journal, QStringLiteral("cmdMoveAside"));
        QVERIFY(moveAside->isVisible());
        QVERIFY(!child<QPushButton>(journal, QStringLiteral("cmdDelete"))->isEnabled());
        session.fake->scriptedNow = {QDateTime(QDate(2026, 12, 8), QTime(10, 11, 12))};
        session.fake->answers = {MessageAnswer::Yes};
        click(moveAside);
        QCOMPARE(fileBytes(file + QStringLiteral(".damaged-20261208-101112")), noise);
        QVERIFY(!moveAside->isVisible());
        QVERIFY(child<QLabel>(journal, QStringLiteral("lblState"))->text().startsWith(QStringLiteral("0 readings.")));
        // The journal follows a reading kept while it is open.
        QVERIFY(runTest(chakraTestProgram(), {{4, 6}}));
        QCOMPARE(store().count(), 1);
        QCOMPARE(table(journal)->model()->rowCount(), 1);
        QCOMPARE(cell(journal, 0, 2), QStringLiteral("Throat 6 OverActive"));
    }

    // A reading refused for a full disk is kept from its screen once the
    // user has made room; meanwhile My Readings lists what is kept, read
    // only, and is writable again when the user comes back to it.
    void aReadingRefusedForAFullDiskIsKeptOnTryAgain()
    {
        const QString disk = qEnvironmentVariable("PADMORA_SMALL_DISK");
        if (disk.isEmpty() || QStorageInfo(disk).fileSystemType() != "tmpfs")
            QSKIP("needs a small disk of its own: the CTest entry tst_journalscreen_fulldisk");
        const QByteArray data = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(disk));
        journal::forgetJournalStore();
        QVERIFY(runTest(chakraTestProgram(), {{2, 3}}));
        QCOMPARE(store().count(), 1);
        closeAllScreens();

        // As at a start on a full disk.
        const QString filler = disk + QStringLiteral("/filler");
        journal::forgetJournalStore();
        fillDisk(filler);
        Form *journal = openJournal();
        QCOMPARE(table(journal)->model()->rowCount(), 1);
        auto *state = child<QLabel>(journal, QStringLiteral("lblState"));
        QVERIFY2(state->text().startsWith(QStringLiteral("The journal can only be read (the disk is full)")),
                 qPrintable(state->text()));
        QVERIFY(!child<QPushButton>(journal, QStringLiteral("cmdImport"))->isEnabled());

        // The reading is refused, saying why; the user makes room and tries again.
        session.fake->messages.clear();
        session.fake->answers = {MessageAnswer::Retry};
        session.fake->onMessage = [&](const ShownMessage &) { QFile::remove(filler); };
        Form *result = runTest(chakrasTarotProgram(), {{5, 7}});
        session.fake->onMessage = nullptr;
        QVERIFY(result);
        QCOMPARE(session.fake->messages.size(), 1);
        QCOMPARE(session.fake->messages[0].buttons, MessageButtons::RetryCancel);
        QVERIFY2(session.fake->messages[0].text.startsWith(
                     QStringLiteral("This reading could not be kept in your journal: the disk is full.\r\n")),
                 qPrintable(session.fake->messages[0].text));
        QCOMPARE(store().count(), 2);
        QCOMPARE(table(journal)->model()->rowCount(), 2);
        QVERIFY(state->text().startsWith(QStringLiteral("2 readings. Your journal is kept in ")));
        QVERIFY(child<QPushButton>(journal, QStringLiteral("cmdImport"))->isEnabled());

        // Full again at the next start; room made while My Readings is open,
        // it is writable as soon as the user comes back to its window.
        closeAllScreens();
        journal::forgetJournalStore();
        fillDisk(filler);
        journal = openJournal();
        state = child<QLabel>(journal, QStringLiteral("lblState"));
        QVERIFY(state->text().startsWith(QStringLiteral("The journal can only be read (the disk is full)")));
        QFile::remove(filler);
        QApplication::setActiveWindow(main.get());
        QEvent activated(QEvent::ActivationChange);
        QApplication::sendEvent(journal, &activated);
        QVERIFY2(state->text().startsWith(QStringLiteral("2 readings. Your journal is kept in ")), qPrintable(state->text()));
        QVERIFY(child<QPushButton>(journal, QStringLiteral("cmdImport"))->isEnabled());
        closeAllScreens();
        journal::forgetJournalStore();
        qputenv("XDG_DATA_HOME", data);
    }

    // Another program's database in the journal's place is said, and
    // offered to be moved aside like a damaged journal.
    void anotherProgramsDatabaseIsOfferedToBeMovedAside()
    {
        const QString file = journal::journalFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE song (title TEXT)")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        const QByteArray before = fileBytes(file);
        Form *journal = openJournal();
        const QString state = child<QLabel>(journal, QStringLiteral("lblState"))->text();
        QVERIFY2(state.startsWith(QStringLiteral("The journal cannot be used: it is "
                                                 "a database of another program")),
                 qPrintable(state));
        QVERIFY(child<QPushButton>(journal, QStringLiteral("cmdMoveAside"))->isVisible());
        QVERIFY(!child<QPushButton>(journal, QStringLiteral("cmdImport"))->isEnabled());
        closeAllScreens();
        store().close();
        QCOMPARE(fileBytes(file), before);
    }

    // An open My Readings' trends follow the readings kept, deleted and
    // imported meanwhile: the chart, its table and its words.
    void openTrendsFollowWhatIsKeptDeletedOrImported()
    {
        QCOMPARE(store().add({heartReading(journal::Program::ChakraTest, 2, QDateTime(QDate(2026, 5, 3), QTime(9, 0), Qt::UTC))})
                     ->added,
                 1);
        Form *journal = openJournal();
        child<QTabWidget>(journal, QStringLiteral("tabJournal"))->setCurrentIndex(1);
        auto *summary = child<QLabel>(journal, QStringLiteral("lblTrendSummary"));
        auto *rows = child<QTableView>(journal, QStringLiteral("grdTrends"));
        auto *chart = child<TrendChart>(journal, QStringLiteral("picTrends"));
        auto heartLine = [&] { return summary->text().split(QLatin1Char('\n')).value(3); };
        QCOMPARE(heartLine(), QStringLiteral("Heart Chakra (Anahata): 2, UnderActive on 3 May 2026 (1 reading)"));
        QCOMPARE(rows->model()->rowCount(), 2);
        const QString drawn = chart->accessibleDescription();

        // Kept: a test of the Heart alone, taken now.
        QVERIFY(runTest(chakraTestProgram(), {{3, 7}}));
        QVERIFY2(heartLine().endsWith(QStringLiteral(" \u2192 7, OverActive on 8 Dec 2026 (2 readings)")), qPrintable(heartLine()));
        QCOMPARE(rows->model()->rowCount(), 3);
        QVERIFY(chart->accessibleDescription() != drawn);

        // Deleted.
        const qint64 newest = store().entries().first().id;
        QVERIFY(store().remove({newest}));
        QCOMPARE(heartLine(), QStringLiteral("Heart Chakra (Anahata): 2, UnderActive on 3 May 2026 (1 reading)"));
        QCOMPARE(rows->model()->rowCount(), 2);
        QCOMPARE(chart->accessibleDescription(), drawn);

        // Imported through the screen's own button.
        QTemporaryDir dir;
        const QString json = dir.filePath(QStringLiteral("more.json"));
        QFile f(json);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(journal::toJson({heartReading(journal::Program::ChakrasTarot, 5, QDateTime(QDate(2026, 6, 1), QTime(9, 0), Qt::UTC))}));
        f.close();
        session.fake->chosenFiles = {json};
        click(child<QPushButton>(journal, QStringLiteral("cmdImport")));
        QCOMPARE(heartLine(), QStringLiteral("Heart Chakra (Anahata): 2, UnderActive on 3 May 2026 \u2192 5, Open on 1 Jun 2026 (2 readings)"));
        QCOMPARE(rows->model()->rowCount(), 4);
    }

    // "Last 3 Months" reaches back exactly three months from now, to the
    // moment: a reading taken then is in, one a minute earlier is not.
    void theLastThreeMonthsReachBackToTheMoment()
    {
        const QDateTime now(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
        QList<journal::Reading> readings;
        const int scores[3] = {1, 4, 7};
        const QDateTime taken[3] = {QDateTime(QDate(2026, 9, 8), QTime(11, 59), Qt::UTC),
                                    QDateTime(QDate(2026, 9, 8), QTime(12, 0), Qt::UTC),
                                    QDateTime(QDate(2026, 12, 8), QTime(11, 0), Qt::UTC)};
        for (int i = 0; i < 3; ++i)
            readings << heartReading(journal::Program::ChakraTest, scores[i], taken[i]);
        QCOMPARE(store().add(readings)->added, 3);
        // The clock stands still while the trends are drawn.
        session.fake->scriptedNow = QList<QDateTime>(8, now);
        Form *journal = openJournal();
        child<QTabWidget>(journal, QStringLiteral("tabJournal"))->setCurrentIndex(1);
        auto *range = child<QComboBox>(journal, QStringLiteral("cboRange"));
        range->setCurrentIndex(range->findText(QStringLiteral("Last 3 Months")));
        QCOMPARE(child<QLabel>(journal, QStringLiteral("lblTrendSummary"))->text().split(QLatin1Char('\n')).value(3),
                 QStringLiteral("Heart Chakra (Anahata): 4, Open on 8 Sep 2026 \u2192 7, OverActive on 8 Dec 2026 (2 readings)"));
        QCOMPARE(child<QTableView>(journal, QStringLiteral("grdTrends"))->model()->rowCount(), 4);
        // Moved on by a minute, the first of them is out too.
        session.fake->scriptedNow = QList<QDateTime>(8, now.addSecs(60));
        range->setCurrentIndex(range->findText(QStringLiteral("Last Month")));
        range->setCurrentIndex(range->findText(QStringLiteral("Last 3 Months")));
        session.fake->scriptedNow.clear();
        QCOMPARE(child<QLabel>(journal, QStringLiteral("lblTrendSummary"))->text().split(QLatin1Char('\n')).value(3),
                 QStringLiteral("Heart Chakra (Anahata): 7, OverActive on 8 Dec 2026 (1 reading)"));
    }

    void aNewerJournalIsShownButNotChanged()
    {
        QCOMPARE(store().add({heartReading(journal::Program::ChakraTest, 2, QDateTime(QDate(2026, 5, 3), QTime(9, 0), Qt::UTC))})->added, 1);
        store().close();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
            db.setDatabaseName(journal::journalFilePath());
            QVERIFY(db.open());
            QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 3"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("newer"));
        const QByteArray before = fileBytes(journal::journalFilePath());
        Form *journal = openJournal();
        QCOMPARE(table(journal)->model()->rowCount(), 1);
        QVERIFY(child<QLabel>(journal, QStringLiteral("lblState"))->text().startsWith(QStringLiteral("This journal was written by a newer Padmora")));
        QVERIFY(child<QPlainTextEdit>(journal, QStringLiteral("txtNote"))->isReadOnly());
        QVERIFY(!child<QPushButton>(journal, QStringLiteral("cmdImport"))->isEnabled());
        QVERIFY(runTest(chakraTestProgram(), {{4, 6}}));
        QVERIFY(session.fake->lastMessage().text.contains(QStringLiteral("written by a newer Padmora")));
        store().close();
        QCOMPARE(fileBytes(journal::journalFilePath()), before);
    }
};

PADMORA_TEST_MAIN(JournalScreenTest)
#include "tst_journalscreen.moc"
