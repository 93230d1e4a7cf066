// SPDX-License-Identifier: GPL-3.0-or-later
// Padmora's interactions timed in-process through the real screens: each one
// from the press of its button until the window has painted what changed.
// Nothing leaves the process (a recording desktop stands in for the browser,
// the settings store and the clipboard); only the practice's clock and bells
// are the real ones, since its figures are about them.
//
//   padmora_bench_interactions [--runs N]
//
// Every interaction is timed N times (the ordinary Next once per page); the
// median and the 90th percentile are printed in milliseconds. The practice
// runs once for its processor time and its end bell: over 10 s of a
// 1-minute practice, or over 60 s of a 2-minute one from 15 runs on.

#include "figures.h"

#include "app/application.h"
#include "app/mainwindow.h"
#include "astrology/astrologytables.h"
#include "chakras/answersheet.h"
#include "chakras/questionbank.h"
#include "chakras/screens/program.h"
#include "chakras/screens/testresultscreen.h"
#include "journal/exchange.h"
#include "journal/keeping.h"
#include "journal/screens/journalscreen.h"
#include "journal/screens/trendchart.h"
#include "journal/store.h"
#include "kit/form.h"
#include "kit/qtdesktop.h"
#include "kit/screennames.h"
#include "practice/screens/breathshape.h"
#include "reports/chakrareport.h"
#include "tarot/screens/tarotprogram.h"
#include "support/readingdriver.h"
#include "support/recordingdesktop.h"
#include "support/testing.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include <ctime>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace padmora;
using namespace padmora::testing;
using padmora::bench::figure;

namespace {

// One frame at 60 Hz: what every interaction must stay within.
constexpr double kFrame = 16;
// The table's tighter targets.
constexpr double kTarotTarget = 8;
constexpr double kReportRatioTarget = 10;
constexpr int kReportCopies = 8;
// Printing: the PDF of the whole test, and the print preview coming up.
constexpr double kSavePdfTarget = 300;
constexpr double kPreviewTarget = 500;
// The journal's: a journal of this many entries.
constexpr int kJournalEntries = 10000;
constexpr double kSaveTarget = 5;
constexpr double kOpenJournalTarget = 100;
constexpr double kImportTarget = 2000;
// The practice's: its screen opened the first time, with the sound module
// its first bell loads, and once loaded; a frame of its breathing shape; a
// running practice's share of one core; the end bell's lateness.
constexpr double kFirstPracticeTarget = 150;
constexpr double kShapeFrameTarget = 2;
constexpr double kPracticeCpuTarget = 3;
constexpr double kEndBellTarget = 50;
constexpr int kShapeFrames = 20;  // per run
constexpr int kEndStrikes = 3;    // the end bell is struck three times

// Delivers what an interaction left posted (layout requests, update requests),
// so that the window paints and flushes what changed.
void paint()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Milliseconds from the start of the action until the window has painted.
// One function per action, kept out of line, so that a profile (valgrind
// --tool=callgrind) shows each interaction's whole cost under its own name.
template <class Action>
[[gnu::noinline]] double timed(Action &&action)
{
    paint();
    QElapsedTimer clock;
    clock.start();
    action();
    paint();
    return double(clock.nsecsElapsed()) / 1e6;
}

void report(const std::string &name, const std::vector<double> &samples, double target)
{
    figure("interaction." + name + ".median_ms", bench::median(samples), target);
    figure("interaction." + name + ".p90_ms", bench::percentile(samples, 0.9), target);
}

// How a chakra's questions are answered, so that the report holds every
// state: over-active, under-active and open chakras by turns.
int answerFor(int question)
{
    const int chakra = question / 8;
    switch (chakra % 3) {
    case 0:
        return ReadingDriver::keyed(question);
    case 1:
        return ReadingDriver::unkeyed(question);
    default:
        return question % 2 ? ReadingDriver::keyed(question) : ReadingDriver::unkeyed(question);
    }
}

// A clock in nanoseconds: CLOCK_BOOTTIME is the real desktop's practice
// clock, CLOCK_PROCESS_CPUTIME_ID this process's processor time.
qint64 clockNs(clockid_t which)
{
    timespec t{};
    ::clock_gettime(which, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The recording desktop with the real clock and the real bells. Each bell
// asked for is noted with the moment it was asked for; when the real one
// cannot sound (no audio device on a virtual display) that is noted once and
// the screen is told it rang, so that it goes on asking for the next.
class BenchDesktop : public RecordingDesktop {
public:
    struct Asked {
        int strikes;
        qint64 atNs;  // CLOCK_BOOTTIME
    };

    qint64 clockMs() override { return m_real.clockMs(); }

    bool ringBell(int strikes, int volumePercent, QString *why) override
    {
        asked.push_back({strikes, clockNs(CLOCK_BOOTTIME)});
        QString silent;
        if (!m_real.ringBell(strikes, volumePercent, &silent) && !m_silenceNoted) {
            m_silenceNoted = true;
            bench::note("practice: the bells are counted, not heard: " + silent.toStdString());
        }
        (void)why;
        return true;
    }

    std::vector<Asked> asked;

private:
    QtDesktop m_real;
    bool m_silenceNoted = false;
};

class Interactions {
public:
    Interactions(MainWindow &main, BenchDesktop &desktop, int runs) : m_main(main), m_desktop(desktop), m_runs(runs)
    {
    }

    void run()
    {
        selector();
        chakraTest();
        printing();
        astrology();
        tarot();
        reportWriting();
        practice();
        journalWork();
    }

private:
    QPushButton *selectorButton(int i) { return child<QPushButton>(&m_main, QStringLiteral("cmdSelectOption"), i); }

    // Every program screen closed, the welcome panel back: the state after start.
    void reset()
    {
        for (Form *form : m_main.mdiArea()->findChildren<Form *>())
            if (!form->isUnloaded())
                form->unload();
        settle();
        m_main.setWelcomeVisible(true);
        paint();
    }

    // Opening each program from the selector, and the astrology screen while
    // the tarot is open.
    void selector()
    {
        const char *names[3] = {"select_astrology", "select_test", "select_tarot"};
        for (int i = 0; i < 3; ++i) {
            std::vector<double> samples;
            for (int r = 0; r < m_runs; ++r) {
                reset();
                samples.push_back(timed([&] { click(selectorButton(i)); }));
            }
            report(names[i], samples, kFrame);
        }
        std::vector<double> samples;
        for (int r = 0; r < m_runs; ++r) {
            reset();
            click(selectorButton(2));
            samples.push_back(timed([&] { click(selectorButton(0)); }));
        }
        report("select_astrology_over_tarot", samples, kFrame);
    }

    // Opens a program's start screen, ticks all seven chakras, presses START
    // TEST (timed into startSamples) and answers every page; the ordinary
    // Nexts go into nextSamples and the last one is returned.
    double questionnaire(const ProgramTraits &program, int selectorIndex, std::vector<double> &startSamples,
                         std::vector<double> &nextSamples)
    {
        reset();
        click(selectorButton(selectorIndex));
        ReadingDriver driver(&m_main, program);
        driver.tick({0, 1, 2, 3, 4, 5, 6});
        startSamples.push_back(
            timed([&] { click(child<QPushButton>(driver.startScreen(), QStringLiteral("cmdTest"))); }));
        settle();
        const AnswerSheet &sheet = program.sheet();
        const int n = sheet.askedCount();
        double last = 0;
        for (int k = 0; k < n && driver.questions(); ++k) {
            driver.choose(answerFor(sheet.QuestionOrder[k]));
            if (k + 1 < n)
                nextSamples.push_back(timed([&] { driver.next(); }));
            else
                last = timed([&] { driver.next(); });
        }
        settle();
        return last;
    }

    void chakraTest()
    {
        std::vector<double> start, next, last;
        for (int r = 0; r < m_runs; ++r)
            last.push_back(questionnaire(chakraTestProgram(), 1, start, next));
        report("test_start_all_seven", start, kFrame);
        report("test_next", next, kFrame);
        report("test_last_next_report", last, kFrame);
    }

    // On the result screen of the last test (all 56 questions): Save as PDF
    // from the press until the file is written, and the print preview from
    // the press until it has painted its first page.
    void printing()
    {
        if (!m_main.screen(screens::kTestResult))
            return;
        QTemporaryDir folder;
        QAction *savePdf = child<QAction>(&m_main, QStringLiteral("mnuSavePdf"));
        QAction *preview = child<QAction>(&m_main, QStringLiteral("mnuPrintPreview"));
        std::vector<double> saving, previewing;
        for (int r = 0; r < m_runs; ++r) {
            m_desktop.chosenFiles << folder.filePath(QStringLiteral("test %1.pdf").arg(r));
            saving.push_back(timed([&] { savePdf->trigger(); }));
        }
        m_desktop.onModal = [](QDialog &dialog) {
            dialog.show();
            paint();
            return int(QDialog::Rejected);
        };
        for (int r = 0; r < m_runs; ++r)
            previewing.push_back(timed([&] { preview->trigger(); }));
        m_desktop.onModal = nullptr;
        report("print_save_pdf_56_questions", saving, kSavePdfTarget);
        report("print_open_preview", previewing, kPreviewTarget);
    }

    // A reading for a different month every time, then Back.
    void astrology()
    {
        std::vector<double> reading, back;
        for (int r = 0; r < m_runs; ++r) {
            reset();
            click(selectorButton(0));
            Form *screen = m_main.screen(screens::kAstrologyMain);
            if (!screen)
                continue;
            child<QLineEdit>(screen, QStringLiteral("txtName"))->setText(QStringLiteral("Asha"));
            auto choose = [&](const char *name, const QString &text) {
                auto *box = child<QComboBox>(screen, QString::fromLatin1(name));
                box->setCurrentIndex(box->findText(text));
            };
            choose("cboMonth", astrology::monthNames()[std::size_t(r % astrology::kMonthCount)]);
            choose("cboDate", QStringLiteral("15"));
            choose("cboYear", QStringLiteral("1980"));
            reading.push_back(timed([&] { click(child<QPushButton>(screen, QStringLiteral("cmdNext"))); }));
            back.push_back(timed([&] { click(child<QPushButton>(screen, QStringLiteral("cmdBack"))); }));
        }
        report("astrology_reading", reading, kFrame);
        report("astrology_back", back, kFrame);
    }

    void tarot()
    {
        std::vector<double> start, next, last, interpretation, cardNext;
        for (int r = 0; r < m_runs; ++r) {
            last.push_back(questionnaire(chakrasTarotProgram(), 2, start, next));
            Form *result = m_main.screen(screens::kTarotResult);
            if (!result)
                continue;
            interpretation.push_back(
                timed([&] { click(child<QPushButton>(result, QStringLiteral("cmdYogaChakra"))); }));
            settle();
            Form *pages = m_main.screen(screens::kTarotPages);
            if (!pages)
                continue;
            // Forward through every card page; Next on the last page stays there.
            auto *caption = child<QLabel>(pages, QStringLiteral("lblChakraName"));
            for (int page = 0; page < 14; ++page) {
                const QString before = caption->text() + child<QLabel>(pages, QStringLiteral("lblCaption"), 0)->text();
                const double ms = timed([&] { click(child<QPushButton>(pages, QStringLiteral("cmdNext"))); });
                if (caption->text() + child<QLabel>(pages, QStringLiteral("lblCaption"), 0)->text() == before)
                    break;
                cardNext.push_back(ms);
            }
        }
        report("tarot_last_next_report", last, kTarotTarget);
        report("tarot_interpretation_first_card", interpretation, kTarotTarget);
        report("tarot_card_next", cardNext, kFrame);
    }

    // The 7-chakra report written into the shown result view once, and eight
    // times into one view: linear writing costs eight times as much.
    void reportWriting()
    {
        const AnswerSheet sheet = chakraTestSheet();
        const ChakraScores scores = chakraTestScores();
        auto write = [&](int copies) {
            reset();
            m_main.setWelcomeVisible(false);
            auto *screen = qobject_cast<TestResultScreen *>(m_main.openScreen(screens::kTestResult));
            paint();
            if (!screen)
                return 0.0;
            return timed([&] {
                for (int i = 0; i < copies; ++i)
                    AppendChakraReport(screen->RTB()->document(), sheet, scores);
            });
        };
        std::vector<double> once, many;
        for (int r = 0; r < m_runs; ++r) {
            once.push_back(write(1));
            many.push_back(write(kReportCopies));
        }
        figure("report.once.median_ms", bench::median(once));
        figure("report.eight_times.median_ms", bench::median(many));
        figure("report.eight_times_to_once_ratio", bench::median(many) / bench::median(once), kReportRatioTarget);
    }

    // Entries of every kind over the last three years: seven-chakra tests and
    // tarots answered by answerFor's rule, and now and then an astrology reading.
    static QList<journal::Reading> manyReadings(int count)
    {
        QList<journal::Reading> readings;
        const QDateTime last(QDate(2026, 12, 8), QTime(8, 0), Qt::UTC);
        for (int i = 0; i < count; ++i) {
            const QDateTime taken = last.addSecs(-qint64(i) * 9000 - (i % 7) * 60);
            if (i % 10 == 9) {
                readings << journal::astrologyReading(QDate(1980, 7, 23), QStringLiteral("Leo"), QStringLiteral("The Sun"),
                                                      QStringLiteral("Crown Chakra"), taken);
                continue;
            }
            AnswerSheet sheet;
            for (int c = 0; c < kChakraCount; ++c)
                sheet.ChakraSelection[std::size_t(c)] = qint16(c);
            for (int k = 0; k < kQuestionCount; ++k) {
                const int q = (k * 11 + i) % kQuestionCount;
                sheet.QuestionOrder << qint16(q);
                const int answer = (answerFor(q) + i / 3) % 3;
                sheet.Answers << (answer == 0 ? QStringLiteral("Yes") : answer == 1 ? QStringLiteral("No") : QStringLiteral("Not Sure"));
            }
            sheet.QuestionOrder << 0;
            sheet.Answers << QString();
            ChakraScores scores{};
            for (int k = 0; k < kQuestionCount; ++k)
                if (sheet.Answers[k] == answerKey(sheet.QuestionOrder[k]))
                    ++scores[std::size_t(sheet.QuestionOrder[k] / 8)];
            readings << journal::chakraReading(i % 2 ? journal::Program::ChakrasTarot : journal::Program::ChakraTest,
                                               sheet, scores, taken);
        }
        return readings;
    }

    // With a journal of ten thousand entries: importing them, saving a
    // reading, opening "My Readings", drawing the trends, reopening an entry.
    void journalWork()
    {
        reset();
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("journal.json"));
        QString why;
        if (!journal::writeWhole(file, journal::toJson(manyReadings(kJournalEntries)), &why)) {
            bench::note("the journal's figures are missing: " + why.toStdString());
            return;
        }
        RecordingDesktop &fake = static_cast<RecordingDesktop &>(desktop());
        // Imported through the screen into the journal as the bench left it.
        m_main.setWelcomeVisible(false);
        Form *screen = m_main.openScreen(screens::kJournal);
        paint();
        fake.chosenFiles = {file};
        const double import = timed([&] { click(child<QPushButton>(screen, QStringLiteral("cmdImport"))); });
        figure("journal.import_10000_entries_ms", import, kImportTarget);
        bench::note("journal: " + fake.lastMessage().text.toStdString() + " "
                    + std::to_string(journal::journalStore().count()) + " entries");
        reset();

        std::vector<double> save;
        const QList<journal::Reading> more = manyReadings(m_runs);
        for (const journal::Reading &r : more) {
            journal::Reading later = r;
            later.taken = r.taken.addYears(1);
            save.push_back(timed([&] { journal::keepReading(later); }));
        }
        report("journal_save_reading", save, kSaveTarget);

        std::vector<double> open, trends, draw, reopen;
        for (int r = 0; r < m_runs; ++r) {
            reset();
            open.push_back(timed([&] { child<QAction>(&m_main, QStringLiteral("mnuMyReadings"))->trigger(); }));
            Form *journal = m_main.screen(screens::kJournal);
            if (!journal)
                continue;
            trends.push_back(
                timed([&] { child<QTabWidget>(journal, QStringLiteral("tabJournal"))->setCurrentIndex(1); }));
            auto *chart = child<TrendChart>(journal, QStringLiteral("picTrends"));
            draw.push_back(timed([&] { chart->repaint(); }));
            child<QTabWidget>(journal, QStringLiteral("tabJournal"))->setCurrentIndex(0);
            auto *table = child<QTableView>(journal, QStringLiteral("grdReadings"));
            table->setCurrentIndex(table->model()->index(1 + r % 2, 0));  // a test or a tarot of seven chakras
            paint();
            reopen.push_back(timed([&] { click(child<QPushButton>(journal, QStringLiteral("cmdOpen"))); }));
            if (!m_main.screen(screens::kTestResult) && !m_main.screen(screens::kTarotResult))
                bench::note("journal: an entry did not open");
        }
        report("journal_open_screen", open, kOpenJournalTarget);
        report("journal_first_trends_page", trends, kOpenJournalTarget);
        report("journal_draw_trends", draw, kFrame);
        report("journal_reopen_entry", reopen, kFrame);
    }

    // Runs the event loop until the moment (CLOCK_BOOTTIME) has passed, or
    // sooner once done() holds, looked at every 20 ms; with no done() the
    // loop has no timer of its own to run besides the program's.
    static void runUntil(qint64 untilNs, const std::function<bool()> &done = nullptr)
    {
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        deadline.setTimerType(Qt::PreciseTimer);
        QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        deadline.start(int(std::max<qint64>(0, untilNs - clockNs(CLOCK_BOOTTIME)) / 1000000));
        QTimer look;
        if (done) {
            QObject::connect(&look, &QTimer::timeout, &loop, [&] {
                if (done())
                    loop.quit();
            });
            look.start(20);
        }
        loop.exec();
    }

    // A practice of this many minutes with no preparation and no interval
    // bells, its bells sounding and its shape moving, nothing read aloud.
    static void choosePlan(Form *screen, int minutes)
    {
        auto *length = child<QComboBox>(screen, QStringLiteral("cboLength"));
        length->setCurrentIndex(length->count() - 2);  // Other
        child<QSpinBox>(screen, QStringLiteral("spnMinutes"))->setValue(minutes);
        auto *preparation = child<QComboBox>(screen, QStringLiteral("cboPreparation"));
        preparation->setCurrentIndex(preparation->findData(0));
        auto *interval = child<QComboBox>(screen, QStringLiteral("cboInterval"));
        interval->setCurrentIndex(interval->findData(0));
        child<QCheckBox>(screen, QStringLiteral("chkNoSound"))->setChecked(false);
        child<QCheckBox>(screen, QStringLiteral("chkLessMotion"))->setChecked(false);
        child<QCheckBox>(screen, QStringLiteral("chkReadAloud"))->setChecked(false);
        paint();
    }

    QAction *practiseItem(int chakra)
    {
        return child<QAction>(&m_main, QStringLiteral("mnuPractiseChakra"), chakra);
    }

    // The practice screen from the File menu: the first time with its first
    // Start (its first bell brings in the sound module), then opened again;
    // a frame of its shape; and one practice on the real clock, for its
    // processor time and how late its end bell comes.
    void practice()
    {
        reset();
        const double open = timed([&] { practiseItem(0)->trigger(); });
        Form *screen = m_main.screen(screens::kPractice);
        if (!screen) {
            bench::note("practice: its screen did not open");
            return;
        }
        // Without preparation the start bell rings at the press of Start.
        choosePlan(screen, 1);
        const std::size_t bellsBefore = m_desktop.asked.size();
        const double firstBell = timed([&] { click(child<QPushButton>(screen, QStringLiteral("cmdStart"))); });
        if (m_desktop.asked.size() == bellsBefore)
            bench::note("practice: the first Start rang no bell");
        click(child<QPushButton>(screen, QStringLiteral("cmdStop")));
        figure("practice.first_open_ms", open + firstBell, kFirstPracticeTarget);
        bench::note("practice: " + QString::number(open, 'f', 2).toStdString() + " ms of it the screen, "
                    + QString::number(firstBell, 'f', 2).toStdString()
                    + " ms its first Start and bell, with the sound module");

        std::vector<double> opening;
        for (int r = 0; r < m_runs; ++r) {
            reset();
            opening.push_back(timed([&] { practiseItem(r % kChakraCount)->trigger(); }));
        }
        figure("practice.open.median_ms", bench::median(opening), kFrame);
        figure("practice.open.p90_ms", bench::percentile(opening, 0.9), kFrame);

        screen = m_main.screen(screens::kPractice);
        if (!screen)
            return;
        auto *shape = child<BreathShape>(screen, QStringLiteral("picBreath"));
        std::vector<double> frames;
        for (int f = 0; f < kShapeFrames * m_runs; ++f) {
            shape->setFullness(double(f % 10) / 9);
            QElapsedTimer clock;
            clock.start();
            const QPixmap frame = shape->grab();
            frames.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        figure("practice.shape_frame.median_ms", bench::median(frames), kShapeFrameTarget);

        runningPractice(screen);
    }

    void runningPractice(Form *screen)
    {
        const int stretchSeconds = m_runs >= 15 ? 60 : 10;
        const int minutes = stretchSeconds / 60 + 1;
        bench::note("practice: processor time over " + std::to_string(stretchSeconds) + " s of a "
                    + std::to_string(minutes) + "-minute practice (60 s from 15 runs on)");
        choosePlan(screen, minutes);

        m_desktop.asked.clear();
        auto endBell = [&] {
            return std::any_of(m_desktop.asked.begin(), m_desktop.asked.end(),
                               [](const BenchDesktop::Asked &a) { return a.strikes == kEndStrikes; });
        };
        // The practice starts no earlier than this reading: the lateness is
        // reckoned from it, so it is never flattered.
        const qint64 startNs = clockNs(CLOCK_BOOTTIME);
        click(child<QPushButton>(screen, QStringLiteral("cmdStart")));
        const qint64 cpuBefore = clockNs(CLOCK_PROCESS_CPUTIME_ID);
        const qint64 wallBefore = clockNs(CLOCK_BOOTTIME);
        runUntil(wallBefore + qint64(stretchSeconds) * 1000000000);
        const double cpu = double(clockNs(CLOCK_PROCESS_CPUTIME_ID) - cpuBefore);
        const double wall = double(clockNs(CLOCK_BOOTTIME) - wallBefore);
        figure("practice.cpu_percent", 100 * cpu / wall, kPracticeCpuTarget);

        const qint64 dueNs = startNs + qint64(minutes) * 60 * 1000000000;
        runUntil(dueNs + 5000000000LL, endBell);
        const auto rung = std::find_if(m_desktop.asked.begin(), m_desktop.asked.end(),
                                       [](const BenchDesktop::Asked &a) { return a.strikes == kEndStrikes; });
        if (rung == m_desktop.asked.end()) {
            bench::note("practice: no end bell within 5 s of its moment");
            return;
        }
        figure("practice.end_bell_lateness_ms", double(rung->atNs - dueNs) / 1e6, kEndBellTarget);
        paint();
    }

    MainWindow &m_main;
    BenchDesktop &m_desktop;
    int m_runs;
};

} // namespace

int main(int argc, char **argv)
{
    padmora::testing::useBuiltModules();
    PadmoraApplication app(argc, argv);
    initPadmora();
    int runs = 15;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: padmora_bench_interactions [--runs N]\n");
            return 2;
        }
    }
    BenchDesktop desktop;
    MainWindow main;
    if (QScreen *screen = QGuiApplication::primaryScreen())
        main.setGeometry(screen->availableGeometry());
    main.showMaximized();
    if (!QTest::qWaitForWindowExposed(&main)) {
        std::fprintf(stderr, "padmora_bench_interactions: the main window did not come up\n");
        return 1;
    }
    Interactions(main, desktop, runs).run();
    return 0;
}
