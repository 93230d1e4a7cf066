// SPDX-License-Identifier: GPL-3.0-or-later
// A chakras tarot reading as a user runs it: the tarot start screen, the
// questionnaire on the tarot's own sheet, the result screen with its bars and
// report, the card flags, and how the tarot and the chakra test keep apart.

#include "app/mainwindow.h"
#include "chakras/answersheet.h"
#include "chakras/catalogue.h"
#include "chakras/screens/program.h"
#include "chakras/screens/testresultscreen.h"
#include "guidance/opening.h"
#include "kit/form.h"
#include "kit/paragraphlabel.h"
#include "kit/screennames.h"
#include "reports/views/linkhandling.h"
#include "tarot/screens/tarotprogram.h"
#include "tarot/tarotsheet.h"
#include "support/readingdriver.h"
#include "support/recordingdesktop.h"
#include "support/session.h"
#include "support/testing.h"
#include "tarot/screens/tarotresultscreen.h"
#include "tarot/tarotcards.h"

#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <memory>

using namespace padmora;
using namespace padmora::testing;

namespace {

struct Run {
    QString text;
    bool bold;
    QColor colour;
    bool operator==(const Run &o) const { return text == o.text && bold == o.bold && colour == o.colour; }
};

const QColor kTeal(0, 128, 128);
const QColor kBlack(0, 0, 0);
const QColor kDarkRed(128, 0, 0);
const QString kBreak = QStringLiteral("\r\n");
const QString kTwoBreaks = QStringLiteral("\r\n\r\n");

// The document read back as runs: neighbouring text with the same bold face
// and colour is one run; a paragraph end counts as CR LF in the style of the
// paragraph it opens.
QList<Run> runsOf(const QTextDocument *document)
{
    QList<Run> runs;
    auto add = [&runs](const QString &text, const QTextCharFormat &format) {
        const bool bold = format.fontWeight() >= QFont::Bold;
        const QColor colour = format.foreground().color();
        if (!runs.isEmpty() && runs.last().bold == bold && runs.last().colour == colour)
            runs.last().text += text;
        else
            runs.append({text, bold, colour});
    };
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin())
            add(kBreak, block.charFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it)
            add(it.fragment().text(), it.fragment().charFormat());
    }
    return runs;
}

QString describe(const QList<Run> &runs)
{
    QStringList out;
    for (const Run &r : runs)
        out << QStringLiteral("[%1 %2] %3").arg(r.bold ? QStringLiteral("bold") : QStringLiteral("plain"), r.colour.name(), r.text.left(60));
    return out.join(QLatin1Char('\n'));
}

} // namespace

class TarotReadingTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<RecordingDesktop> &fake = session.fake;
    std::unique_ptr<MainWindow> &main = session.main;

    ReadingDriver tarot() { return ReadingDriver(main.get(), chakrasTarotProgram()); }
    ReadingDriver chakraTest() { return ReadingDriver(main.get(), chakraTestProgram()); }

    void openTarot() { click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 2)); }

    TarotResultScreen *result() const
    {
        return qobject_cast<TarotResultScreen *>(main->screen(screens::kTarotResult));
    }

    // A whole tarot reading from the program selector to the result screen.
    TarotResultScreen *reading(const TargetScores &scores)
    {
        openTarot();
        if (!tarot().run(scores))
            return nullptr;
        return result();
    }

    static QRectF barTwips(const TarotResultScreen *screen, int chakra)
    {
        const QLabel *bar = child<QLabel>(screen, QStringLiteral("lblCurve"), chakra);
        return QRectF(twipsOf(bar));
    }

private slots:
    void init()
    {
        QVERIFY(session.start());
    }

    void cleanup()
    {
        session.end();
        tarotSheet() = TarotAnswerSheet();
        chakraTestSheet() = AnswerSheet();
        tarotScores().fill(0);
        chakraTestScores().fill(0);
        ClearTarotCardNeeded();
    }

    void startScreenIsTheTarots()
    {
        openTarot();
        Form *start = main->screen(screens::kTarotMain);
        QVERIFY(start);
        QCOMPARE(start->windowTitle(), QStringLiteral("VQ Dovazov Urera"));
        QCOMPARE(child<QLabel>(start, QStringLiteral("Label1"))->text(),
                 QStringLiteral("VQ Dovazov Urera is a simple software that attempts to correlate your under-active "
                                "or overactive chakras with the corresponding tarot card and its significance. Take "
                                "the chakra test now and get a reading instantly!"));
        auto *label3 = qobject_cast<ParagraphLabel *>(child<QLabel>(start, QStringLiteral("Label3")));
        QVERIFY(label3);
        QCOMPARE(label3->paragraphs(), startIntroduction());
        const QRect expected[7] = {{485, 1680, 3200, 300},  {485, 2100, 3200, 300},  {485, 2520, 3200, 300},
                                   {2270, 2970, 3200, 350}, {4055, 1680, 3200, 300}, {4055, 2100, 3200, 300},
                                   {4055, 2520, 3200, 300}};
        for (int k = 0; k < 7; ++k) {
            auto *box = child<QCheckBox>(start, QStringLiteral("chkChakras"), k);
            QCOMPARE(box->text(), chakraTitle(k));
            // Whole pixels: within one pixel of the designed twips.
            const QRect r = twipsOf(box);
            QVERIFY2(std::abs(r.x() - expected[k].x()) < 15 && std::abs(r.y() - expected[k].y()) < 15
                         && std::abs(r.width() - expected[k].width()) < 15
                         && std::abs(r.height() - expected[k].height()) < 15,
                     qPrintable(QStringLiteral("%1: %2 %3 %4 %5").arg(k).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
            QVERIFY(!box->isChecked());
        }
        // Nothing overlaps the introduction, and the check boxes stay inside the window.
        const QRect intro = twipsOf(child<QLabel>(start, QStringLiteral("Label1")));
        for (int k = 0; k < 7; ++k) {
            const QRect r = twipsOf(child<QCheckBox>(start, QStringLiteral("chkChakras"), k));
            QVERIFY(!r.intersects(intro));
            QVERIFY(start->client()->rect().contains(child<QCheckBox>(start, QStringLiteral("chkChakras"), k)->geometry()));
        }
        QCOMPARE(child<QPushButton>(start, QStringLiteral("cmdTest"))->text(), QStringLiteral("START TEST"));
        QCOMPARE(child<QPushButton>(start, QStringLiteral("cmdNav"), 1)->text(), QStringLiteral("Exit"));
    }

    void nothingTickedIsACriticalMessage()
    {
        chakraTestSheet().QuestionOrder = {9, 0};
        openTarot();
        Form *start = main->screen(screens::kTarotMain);
        click(child<QPushButton>(start, QStringLiteral("cmdTest")));
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->lastMessage().text, QStringLiteral("Please select at least one chakra"));
        QCOMPARE(fake->lastMessage().icon, MessageIcon::Critical);
        QCOMPARE(fake->lastMessage().buttons, MessageButtons::Ok);
        QCOMPARE(fake->lastMessage().title, QStringLiteral("Padmora"));
        QCOMPARE(main->screen(screens::kTarotMain), start);
        QVERIFY(!main->screen(screens::kTarotQuestions));
        for (int k = 0; k < 7; ++k)
            QCOMPARE(tarotSheet().ChakraSelection[std::size_t(k)], qint16(-1));
        // The chakra test's sheet is not the tarot's.
        QCOMPARE(chakraTestSheet().QuestionOrder, (QList<qint16>{9, 0}));
    }

    void startTestAsksTheTarotQuestions()
    {
        openTarot();
        QVERIFY(tarot().start({1, 5}));
        Form *questions = main->screen(screens::kTarotQuestions);
        QCOMPARE(questions->windowTitle(), QStringLiteral("VQ Dovazov Urera"));
        QCOMPARE(child<QLabel>(questions, QStringLiteral("lblQNo"))->text(), QStringLiteral("Question No. 1 of 16"));
        QVERIFY(!main->screen(screens::kTarotMain));
        QVERIFY(!main->isWelcomeVisible());
        QCOMPARE(tarotSheet().askedCount(), 16);
        QVERIFY(chakraTestSheet().QuestionOrder.isEmpty());
        QCOMPARE(tarotSheet().AskedQuestions[0], questionText(tarotSheet().QuestionOrder[0]));
    }

    void lastNextShowsTheResult()
    {
        TarotResultScreen *screen = reading({{1, 4}, {3, 7}});
        QVERIFY(screen);
        QVERIFY(!main->screen(screens::kTarotQuestions));
        QVERIFY(!main->isWelcomeVisible());
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->windowTitle(), QStringLiteral("VQ Dovazov Urera"));
        QCOMPARE(tarotScores(), (ChakraScores{0, 4, 0, 7, 0, 0, 0}));
        // The chakra test keeps its own scores.
        QCOMPARE(chakraTestScores(), (ChakraScores{}));

        // Centred at the top, at its designed width: the reading does not widen it.
        const QRect frame = screen->windowGeometryTwips();
        QCOMPARE(frame.y(), 0);
        QVERIFY(std::abs(frame.x() - (screenWidthTwips() - frame.width()) / 2) <= 15);
        QVERIFY(std::abs(frame.width() - screen->designWidthTwips()) < 15);
        // It fits the main window's area, so nothing of it is out of reach.
        QVERIFY(main->mdiArea()->viewport()->rect().contains(screen->subWindow()->geometry()));

        QVERIFY(hasLinkHandling(screen->RTB()));
        // The report opens at its top, with the first chakra's title in
        // view, and stays there when the view takes the focus.
        QVERIFY(screen->RTB()->verticalScrollBar()->maximum() > 0);
        QCOMPARE(screen->RTB()->verticalScrollBar()->value(), 0);
        QCOMPARE(screen->RTB()->textCursor().position(), 0);
        screen->activateWindow();
        screen->RTB()->setFocus(Qt::ActiveWindowFocusReason);
        QApplication::processEvents();
        QCOMPARE(screen->RTB()->verticalScrollBar()->value(), 0);
        // The introduction: ten blanks, the first paragraph, a run of blanks, the second.
        auto *lblChakra = child<QLabel>(screen, QStringLiteral("lblChakra"));
        const QString intro = lblChakra->text();
        const QString lead = QString(10, QLatin1Char(' ')) + chakraIntroductionFirst();
        QVERIFY(intro.startsWith(lead));
        QVERIFY(!intro.startsWith(QString(11, QLatin1Char(' '))));
        QVERIFY(intro.endsWith(chakraIntroductionSecond()));
        const QString gap = intro.mid(lead.size(), intro.size() - lead.size() - chakraIntroductionSecond().size());
        QVERIFY(gap.size() > 1);
        QCOMPARE(gap, QString(gap.size(), QLatin1Char(' ')));
        // The run is wider than the label, so the second paragraph starts a line of its own.
        QVERIFY(lblChakra->fontMetrics().horizontalAdvance(gap) > lblChakra->contentsRect().width());
        QCOMPARE(child<QPushButton>(screen, QStringLiteral("cmdYogaChakra"))->text(),
                 QStringLiteral("&VQ Dovazov Urera Interpretation "));
        QCOMPARE(child<QPushButton>(screen, QStringLiteral("cmdBack"))->text(), QStringLiteral("&Back"));
        QCOMPARE(child<QPushButton>(screen, QStringLiteral("cmdExit"))->text(), QStringLiteral("E&xit"));

        QCOMPARE(captionsOf(screen->menuBar()->actions()),
                 (QStringList{QStringLiteral("&File"), QStringLiteral("&Help"), QStringLiteral("&Make Money Online")}));
        QCOMPARE(captionsOf(child<QMenu>(screen, QStringLiteral("mnuFile"))->actions()),
                 (QStringList{QStringLiteral("&Back"), QStringLiteral("E&xit")}));
        QCOMPARE(captionsOf(child<QMenu>(screen, QStringLiteral("mnuHelp"))->actions()),
                 (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"), QStringLiteral("-"),
                              QStringLiteral("Check for Software &Update"), QStringLiteral("-"),
                              QStringLiteral("&About Software")}));
        QVERIFY(child<QAction>(screen, QStringLiteral("mnuMakeMoneyOnline")));
        for (const char *name : {"Label61", "lblCobrand", "lblFullBrand"})
            QVERIFY(child<QLabel>(screen, QString::fromLatin1(name))->isVisible());
        QVERIFY(child<QWidget>(screen, QStringLiteral("fraFullBrand"))->isAncestorOf(
            child<QLabel>(screen, QStringLiteral("lblCobrand"))));
        // Every control lies inside the window.
        for (QWidget *w : screen->client()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(screen->client()->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }

    void barsEndAtTheBaseOfTheChart()
    {
        TarotResultScreen *screen = reading({{0, 8}, {2, 1}, {4, 0}, {6, 3}});
        QVERIFY(screen);
        QCOMPARE(tarotScores(), (ChakraScores{8, 0, 1, 0, 0, 0, 3}));
        const QRectF full = barTwips(screen, 0);
        QCOMPARE(full.top(), 0.0);
        QCOMPARE(full.height(), 1995.0);
        QCOMPARE(full.left(), 480.0);
        QCOMPARE(full.width(), 345.0);
        // 1 of 8 is 12 %: 239.4 twips high, top at 1755.6 (whole pixels: one pixel of slack).
        const QRectF low = barTwips(screen, 2);
        QVERIFY2(std::abs(low.height() - 239.4) <= 15, qPrintable(QString::number(low.height())));
        QVERIFY2(std::abs(low.top() - 1755.6) <= 15, qPrintable(QString::number(low.top())));
        QVERIFY(std::abs(low.left() - (480 + 2 * 870)) <= 15);
        // 3 of 8 is 38 %: 758.1 high.
        const QRectF crown = barTwips(screen, 6);
        QVERIFY(std::abs(crown.height() - 758.1) <= 15);
        QVERIFY(std::abs(crown.bottom() - 1995) <= 15);
        for (int i = 0; i < 7; ++i) {
            const bool shown = i == 0 || i == 2 || i == 6;
            QCOMPARE(child<QLabel>(screen, QStringLiteral("lblCurve"), i)->isVisible(), shown);
        }
        // Throat was ticked but scored 0: no bar, though it is reported (and flagged).
        QCOMPARE(TarotCardNeeded()[4], qint16(-1));
        QVERIFY(screen->RTB()->toPlainText().contains(QStringLiteral("Your Throat Chakra (Vishuddha) is UnderActive")));

        // The chart below the bars: base line and axis labels as designed.
        const QRect line = twipsOf(child<QWidget>(screen, QStringLiteral("Line1")));
        QVERIFY(std::abs(line.y() - 2250) < 15);
        QVERIFY(std::abs(line.x() - 180) < 15 && std::abs(line.right() + 1 - 6480) < 15);
        const char *axis[7] = {"Root", "Sacral", "Navel", "Heart", "Throat", "Third Eye", "Crown"};
        for (int i = 0; i < 7; ++i) {
            auto *label = child<QLabel>(screen, QStringLiteral("Label%1").arg(i + 2));
            QCOMPARE(label->text(), QString::fromLatin1(axis[i]));
            QVERIFY(std::abs(twipsOf(label).y() - 2310) < 15);
        }
    }

    void axisLabelsStartAtTheirBarsLeftEdges()
    {
        TarotResultScreen *screen = reading({{0, 8}, {6, 3}});
        QVERIFY(screen);
        const char *axis[7] = {"Root", "Sacral", "Navel", "Heart", "Throat", "Third Eye", "Crown"};
        for (int i = 0; i < 7; ++i) {
            auto *label = child<QLabel>(screen, QStringLiteral("Label%1").arg(i + 2));
            // Left edge at 480 + 870 x i twips: at 15 twips to the pixel, on
            // the bar's own first column.
            const int left = (480 + 870 * i) / 15;
            QCOMPARE(label->x(), left);
            QCOMPARE(child<QLabel>(screen, QStringLiteral("lblCurve"), i)->x(), left);
            // The name reads from there: its ink begins within two pixels
            // (the first letter's own side bearing) and is not cut off.
            const QImage shot = label->grab().toImage();
            const auto ink = inkColumns(shot);
            QVERIFY2(ink.first >= 0 && ink.first <= 2, qPrintable(QString::fromLatin1(axis[i])));
            QVERIFY2(ink.second < shot.width() - 1, qPrintable(QString::fromLatin1(axis[i])));
            QVERIFY(label->isVisible());
        }
        // The names stay apart and inside the chart's base line.
        for (int i = 0; i + 1 < 7; ++i) {
            auto *label = child<QLabel>(screen, QStringLiteral("Label%1").arg(i + 2));
            auto *next = child<QLabel>(screen, QStringLiteral("Label%1").arg(i + 3));
            QVERIFY(label->x() + label->fontMetrics().horizontalAdvance(label->text()) < next->x());
        }
    }

    void everyBarEndsOnTheSamePixelRow()
    {
        // On this chart every bar ends at 1995 twips: at 15 twips to the
        // pixel the top of row 133, so every bar's last row is 132, whatever
        // its score.
        const int lastRow = 1995 / 15 - 1;
        for (const TargetScores &scores : kEveryScoreOnABar) {
            TarotResultScreen *screen = reading(scores);
            expectBarsEndOnRow(screen, scores, lastRow);
            if (QTest::currentTestFailed())
                return;
            click(child<QPushButton>(screen, QStringLiteral("cmdExit")));
            settle();
        }
    }

    void reportIsTheChakraSectionsRunByRun()
    {
        TarotResultScreen *screen = reading({{1, 4}, {3, 7}});
        QVERIFY(screen);
        const QList<Run> expected{
            {QStringLiteral("Sacral Chakra (Swadhisthanna)") + kBreak, true, kTeal},
            {chakraDescription(1) + kTwoBreaks, false, kBlack},
            {QStringLiteral("Your Sacral Chakra (Swadhisthanna) is Open") + kBreak, true, kTeal},
            {chakraOpenText(1) + kTwoBreaks, false, kBlack},
            {QStringLiteral("Heart Chakra (Anahata)") + kBreak, true, kTeal},
            {chakraDescription(3) + kTwoBreaks, false, kBlack},
            {QStringLiteral("Your Heart Chakra (Anahata) is OverActive") + kBreak, true, kTeal},
            {chakraOverActiveText(3) + kTwoBreaks, false, kBlack},
            // An over-active chakra's opening note and exercise are black.
            {ChakraOpeningHeader(3), true, kBlack},
            {ChakraOpeningSteps(3), false, kBlack},
        };
        const QList<Run> runs = runsOf(screen->RTB()->document());
        QVERIFY2(runs == expected, qPrintable(describe(runs) + QStringLiteral("\n---\n") + describe(expected)));
        QVERIFY(!screen->RTB()->toPlainText().contains(QStringLiteral("Questions-Answers")));
        for (const QString &q : tarotSheet().AskedQuestions)
            if (!q.isEmpty())
                QVERIFY(!screen->RTB()->toPlainText().contains(q));

        // Only ticked chakras that are not open are flagged.
        QCOMPARE(TarotCardNeeded(), (TarotFlags{0, 0, 0, -1, 0, 0, 0}));
    }

    void underActiveSectionsAreDarkRed()
    {
        TarotResultScreen *screen = reading({{5, 2}});
        QVERIFY(screen);
        const QList<Run> runs = runsOf(screen->RTB()->document());
        QCOMPARE(runs.size(), 6);
        QCOMPARE(runs[2].text, QStringLiteral("Your Third Eye Chakra (Ajna) is UnderActive") + kBreak);
        QCOMPARE(runs[3], (Run{chakraUnderActiveText(5) + kTwoBreaks, false, kBlack}));
        QCOMPARE(runs[4], (Run{ChakraOpeningHeader(5), true, kDarkRed}));
        QCOMPARE(runs[5], (Run{ChakraOpeningSteps(5), false, kDarkRed}));
        QCOMPARE(TarotCardNeeded(), (TarotFlags{0, 0, 0, 0, 0, -1, 0}));
    }

    void flagsLastOneReadingOnly()
    {
        // First reading: Root and Heart not open. Its screen closes (Exit):
        // every flag goes, and the welcome panel comes back.
        QVERIFY(reading({{0, 1}, {3, 8}, {4, 4}}));
        QCOMPARE(TarotCardNeeded(), (TarotFlags{-1, 0, 0, -1, 0, 0, 0}));
        click(child<QPushButton>(result(), QStringLiteral("cmdExit")));
        settle();
        QVERIFY(!result());
        QVERIFY(main->isWelcomeVisible());
        QCOMPARE(TarotCardNeeded(), (TarotFlags{}));

        // Second reading with fewer chakras: Root is not ticked, so no flag for it.
        QVERIFY(reading({{3, 0}}));
        QCOMPARE(TarotCardNeeded(), (TarotFlags{0, 0, 0, -1, 0, 0, 0}));

        // Whatever closes the screen clears the flags: here the program selector.
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 1));
        settle();
        QVERIFY(!result());
        QCOMPARE(TarotCardNeeded(), (TarotFlags{}));
    }

    void secondReadingScoresAfresh()
    {
        QVERIFY(reading({{2, 8}, {6, 8}}));
        QVERIFY(trigger(result(), QStringLiteral("mnuExit")));
        settle();
        TarotResultScreen *screen = reading({{6, 3}});
        QVERIFY(screen);
        QCOMPARE(tarotScores(), (ChakraScores{0, 0, 0, 0, 0, 0, 3}));
        QVERIFY(!child<QLabel>(screen, QStringLiteral("lblCurve"), 2)->isVisible());
        QVERIFY(!screen->RTB()->toPlainText().contains(chakraTitle(2)));
        QCOMPARE(TarotCardNeeded(), (TarotFlags{}));
    }

    void backGoesToAFreshStartScreen_data()
    {
        QTest::addColumn<bool>("viaMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File, Back") << true;
    }

    void backGoesToAFreshStartScreen()
    {
        QFETCH(bool, viaMenu);
        QVERIFY(reading({{1, 8}}));
        QPointer<TarotResultScreen> old(result());
        if (viaMenu)
            QVERIFY(trigger(old, QStringLiteral("mnuBack")));
        else
            click(child<QPushButton>(old, QStringLiteral("cmdBack")));
        settle();
        QVERIFY(old.isNull());
        Form *start = main->screen(screens::kTarotMain);
        QVERIFY(start);
        QVERIFY(start->isVisible());
        QVERIFY(!main->isWelcomeVisible());
        for (int k = 0; k < 7; ++k)
            QVERIFY(!child<QCheckBox>(start, QStringLiteral("chkChakras"), k)->isChecked());
        QCOMPARE(TarotCardNeeded(), (TarotFlags{}));
        // And the next reading runs from there.
        QVERIFY(tarot().run({{4, 8}}));
        QVERIFY(result());
        QCOMPARE(TarotCardNeeded(), (TarotFlags{0, 0, 0, 0, -1, 0, 0}));
    }

    void closingTheWindowItselfClearsTheFlags()
    {
        QVERIFY(reading({{0, 8}}));
        result()->subWindow()->close();
        settle();
        QVERIFY(!result());
        QVERIFY(main->isWelcomeVisible());
        QCOMPARE(TarotCardNeeded(), (TarotFlags{}));
    }

    void tarotReadingLeavesAnOpenChakraTestAlone()
    {
        // A finished chakra test, its result screen open.
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 1));
        QVERIFY(chakraTest().run({{0, 2}, {3, 6}}));
        auto *testResult = qobject_cast<TestResultScreen *>(main->screen(screens::kTestResult));
        QVERIFY(testResult);
        const AnswerSheet sheetBefore = chakraTestSheet();
        const ChakraScores scoresBefore = chakraTestScores();
        const QString reportBefore = testResult->RTB()->toHtml();

        // A tarot reading while it stays open.
        main->openScreen(screens::kTarotMain);
        QVERIFY(tarot().run({{0, 7}, {5, 4}}));
        QVERIFY(result());
        QCOMPARE(main->screen(screens::kTestResult), testResult);
        QCOMPARE(chakraTestSheet().ChakraSelection, sheetBefore.ChakraSelection);
        QCOMPARE(chakraTestSheet().QuestionOrder, sheetBefore.QuestionOrder);
        QCOMPARE(chakraTestSheet().Answers, sheetBefore.Answers);
        QCOMPARE(chakraTestSheet().AskedKeys, sheetBefore.AskedKeys);
        QCOMPARE(chakraTestScores(), scoresBefore);
        QCOMPARE(testResult->RTB()->toHtml(), reportBefore);
        QCOMPARE(tarotScores(), (ChakraScores{7, 0, 0, 0, 0, 4, 0}));
        QVERIFY(!result()->RTB()->toPlainText().contains(chakraTitle(3)));
    }

    void chakraTestLeavesAnOpenTarotReadingAlone()
    {
        QVERIFY(reading({{2, 0}, {4, 8}}));
        TarotResultScreen *screen = result();
        const TarotAnswerSheet sheetBefore = tarotSheet();
        const ChakraScores scoresBefore = tarotScores();
        const TarotFlags flagsBefore = TarotCardNeeded();
        const QString reportBefore = screen->RTB()->toHtml();

        main->openScreen(screens::kTestMain);
        QVERIFY(chakraTest().run({{2, 5}, {6, 1}}));
        QVERIFY(main->screen(screens::kTestResult));
        QCOMPARE(result(), screen);
        QCOMPARE(tarotSheet().ChakraSelection, sheetBefore.ChakraSelection);
        QCOMPARE(tarotSheet().QuestionOrder, sheetBefore.QuestionOrder);
        QCOMPARE(tarotSheet().Answers, sheetBefore.Answers);
        QCOMPARE(tarotScores(), scoresBefore);
        QCOMPARE(TarotCardNeeded(), flagsBefore);
        QCOMPARE(screen->RTB()->toHtml(), reportBefore);
        QCOMPARE(chakraTestScores(), (ChakraScores{0, 0, 5, 0, 0, 0, 1}));

        // Identical answers give identical chakra sections in both reports;
        // only the chakra test's report goes on with the questions.
        auto *testResult = qobject_cast<TestResultScreen *>(main->screen(screens::kTestResult));
        const QString tarotText = screen->RTB()->toPlainText();
        const QString testText = testResult->RTB()->toPlainText();
        QVERIFY(testText.contains(QStringLiteral("Questions-Answers")));
        QVERIFY(!tarotText.contains(QStringLiteral("Questions-Answers")));
    }

    void identicalAnswersGiveIdenticalSections()
    {
        const TargetScores scores{{1, 2}, {3, 5}, {6, 7}};
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 1));
        QVERIFY(chakraTest().run(scores));
        auto *testResult = qobject_cast<TestResultScreen *>(main->screen(screens::kTestResult));
        const QList<Run> testRuns = runsOf(testResult->RTB()->document());
        main->openScreen(screens::kTarotMain);
        QVERIFY(tarot().run(scores));
        const QList<Run> tarotRuns = runsOf(result()->RTB()->document());
        QVERIFY(testRuns.size() > tarotRuns.size());
        // The tarot's last run is the Crown exercise; the test's run there
        // carries on with the questions heading in another style.
        for (qsizetype i = 0; i < tarotRuns.size(); ++i)
            QCOMPARE(tarotRuns[i], testRuns[i]);
        QCOMPARE(testRuns[tarotRuns.size()].text.left(17), QStringLiteral("Questions-Answers"));
    }

    void reportViewGuardsTheClipboard()
    {
        // The report was written into the view before it was shown: the
        // guard has already run, so nothing Padmora copied survives.
        TarotResultScreen *screen = reading({{0, 8}});
        QVERIFY(screen);
        QVERIFY(fake->clipboardClears > 0);
        QWidget *view = screen->RTB()->viewport();
        const QPoint inside(view->width() / 2, 10);

        fake->clipboardClears = 0;
        QTest::mousePress(view, Qt::LeftButton, {}, inside);
        QCOMPARE(fake->clipboardClears, 1);  // mouse down
        QTest::mouseRelease(view, Qt::LeftButton, {}, inside);
        QCOMPARE(fake->clipboardClears, 3);  // mouse up, and the click it completes
        hover(view, inside + QPoint(5, 5));
        QCOMPARE(fake->clipboardClears, 4);  // mouse move
        fake->clipboardClears = 0;
        screen->RTB()->append(QStringLiteral("more"));
        QVERIFY(fake->clipboardClears >= 1);  // text change
        // Keys alone leave the clipboard as it is: a keyboard copy works.
        fake->clipboardClears = 0;
        QTest::keyClick(screen->RTB(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(screen->RTB(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(fake->clipboardClears, 0);
        // Only the desktop's owner-aware clear is ever used: nothing else is asked of it.
        QVERIFY(fake->opened.isEmpty());

        // The chakra test's view never touches the clipboard.
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 1));
        fake->clipboardClears = 0;
        QVERIFY(chakraTest().run({{0, 8}}));
        auto *testResult = qobject_cast<TestResultScreen *>(main->screen(screens::kTestResult));
        QWidget *testView = testResult->RTB()->viewport();
        QTest::mouseClick(testView, Qt::LeftButton, {}, QPoint(testView->width() / 2, 10));
        hover(testView, QPoint(20, 20));
        testResult->RTB()->append(QStringLiteral("more"));
        QCOMPARE(fake->clipboardClears, 0);
    }
};

PADMORA_TEST_MAIN(TarotReadingTest)
#include "tst_tarotreading.moc"
