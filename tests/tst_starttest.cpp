// SPDX-License-Identifier: GPL-3.0-or-later
// START TEST on the chakra test's start screen: the message when nothing is
// ticked, and the answer sheet it fills for the ticked chakras.

#include "app/mainwindow.h"
#include "chakras/answersheet.h"
#include "chakras/questionorder.h"
#include "kit/form.h"
#include "kit/links.h"
#include "kit/pictures.h"
#include "kit/screennames.h"
#include "kit/sharedmenus.h"
#include "support/recordingdesktop.h"
#include "support/session.h"
#include "support/testing.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTextLayout>
#include <QTimer>
#include <cmath>
#include <memory>
#include <set>

using namespace padmora;
using namespace padmora::testing;

class StartTestTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<RecordingDesktop> &fake = session.fake;
    std::unique_ptr<MainWindow> &main = session.main;
    Form *start = nullptr;

    QCheckBox *box(int k) { return child<QCheckBox>(start, QStringLiteral("chkChakras"), k); }

    void pressStart()
    {
        auto *b = child<QPushButton>(start, QStringLiteral("cmdTest"));
        click(b);
    }

    static std::set<int> asSet(const QList<qint16> &order, int n)
    {
        std::set<int> s;
        for (int i = 0; i < n; ++i)
            s.insert(order[i]);
        return s;
    }

private slots:
    void init()
    {
        QVERIFY(session.start());
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 1));
        start = main->screen(screens::kTestMain);
        QVERIFY(start);
    }

    void cleanup()
    {
        session.end();
        chakraTestSheet() = AnswerSheet();
    }

    void screenAsDesigned()
    {
        QCOMPARE(start->windowTitle(), QStringLiteral("VQ Zazeder Izorudav"));
        const QRect expected[7] = {{1350, 2280, 3315, 345}, {1350, 2700, 3315, 345}, {1350, 3120, 3315, 345},
                                   {3195, 3570, 3315, 345}, {4890, 2280, 3315, 345}, {4890, 2700, 3315, 345},
                                   {4890, 3120, 3315, 345}};
        const char *titles[7] = {"Root Chakra (Muladhara)", "Sacral Chakra (Swadhisthanna)", "Navel Chakra (Manipura)",
                                 "Heart Chakra (Anahata)",  "Throat Chakra (Vishuddha)",     "Third Eye Chakra (Ajna)",
                                 "Crown Chakra (Sahasrara)"};
        for (int k = 0; k < 7; ++k) {
            QCOMPARE(box(k)->text(), QString::fromLatin1(titles[k]));
            QCOMPARE(twipsOf(box(k)), expected[k]);
            QVERIFY(!box(k)->isChecked());
        }
        QCOMPARE(child<QPushButton>(start, QStringLiteral("cmdTest"))->text(), QStringLiteral("START TEST"));
        QCOMPARE(child<QPushButton>(start, QStringLiteral("cmdNav"), 1)->text(), QStringLiteral("Exit"));
        const QString intro = child<QLabel>(start, QStringLiteral("Label3"))->text();
        QVERIFY(intro.startsWith(QStringLiteral("The Seven Chakras are as seen below. This test will help you")));
        QVERIFY(intro.contains(QStringLiteral("forum.padmora.example to get advice and interact with experts and "
                                              "people like yourself in order to have a wider perspective.")));
        QVERIFY(intro.endsWith(QStringLiteral("There are 8 Questions for each Chakra. You can take the test "
                                              "individually or in any combination you feel comfortable.")));
        // The seven chakra pictures, crown first, below the introduction.
        for (int p = 0; p < 7; ++p) {
            auto *picture = child<PictureView>(start, QStringLiteral("picChakra"), p);
            QVERIFY(picture->hasPicture());
            QVERIFY(picture->y() > child<QLabel>(start, QStringLiteral("Label3"))->y());
        }
        QVERIFY(child<PictureView>(start, QStringLiteral("picChakra"), 0)->x()
                < child<PictureView>(start, QStringLiteral("picChakra"), 6)->x());
    }

    void theLastParagraphStartsALineOfItsOwn_data()
    {
        QTest::addColumn<int>("program");  // the program button: 1 chakra test, 2 tarot
        QTest::addColumn<int>("points");   // the font size Label3 is given; 0: as designed
        for (int program : {1, 2})
            for (int points : {0, 4, 5, 7, 10, 14, 24, 40})
                QTest::addRow("%s, %d pt", program == 1 ? "chakra test" : "tarot", points) << program << points;
    }

    void theLastParagraphStartsALineOfItsOwn()
    {
        QFETCH(int, program);
        QFETCH(int, points);
        if (program == 2)
            click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 2));
        Form *screen = main->screen(program == 1 ? screens::kTestMain : screens::kTarotMain);
        QVERIFY(screen);
        auto *label = child<QLabel>(screen, QStringLiteral("Label3"));
        if (points > 0) {
            QFont font = label->font();
            font.setPointSize(points);
            label->setFont(font);
        }

        // The first paragraph, a run of blanks, then the last.
        const QString last = QStringLiteral("There are 8 Questions for each Chakra. You can take the test "
                                            "individually or in any combination you feel comfortable.");
        const QString firstEnd = QStringLiteral("in order to have a wider perspective.");
        const QString text = label->text();
        QVERIFY(text.startsWith(QStringLiteral("The Seven Chakras are as seen below.")));
        QVERIFY(text.endsWith(last));
        const qsizetype runStart = text.indexOf(firstEnd) + firstEnd.size();
        QVERIFY(runStart > firstEnd.size());
        const QString run = text.mid(runStart, text.size() - last.size() - runStart);
        QVERIFY(run.size() > 1);
        QCOMPARE(run, QString(run.size(), QLatin1Char(' ')));

        // Wrapped at the label's width as the label wraps it: the last
        // paragraph begins a line, right after the first one's last line.
        QTextLayout layout(text, label->font());
        QTextOption wrap;
        wrap.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(wrap);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label->contentsRect().width() - 2 * label->margin());
            lines << text.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        qsizetype lastStarts = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY2(!lines[i].trimmed().isEmpty(), qPrintable(QStringLiteral("empty line %1").arg(i)));
            if (lines[i].startsWith(QStringLiteral("There are 8")))
                lastStarts = i;
        }
        QVERIFY2(lastStarts > 0, qPrintable(lines.join(QLatin1Char('|'))));
        QVERIFY2(lines[lastStarts - 1].trimmed().endsWith(QStringLiteral("wider perspective."))
                     || lines[lastStarts - 1].trimmed() == QStringLiteral("perspective."),
                 qPrintable(lines.join(QLatin1Char('|'))));

        // On screen, with the label tall enough for all of it: a band of ink
        // for every line, and no gap between them a line high.
        label->resize(label->width(), label->heightForWidth(label->width()));
        QCOMPARE(label->text(), text);
        const auto bands = inkBands(label->grab().toImage());
        QCOMPARE(bands.size(), lines.size());
        for (qsizetype i = 1; i < bands.size(); ++i)
            QVERIFY2(bands[i].first - bands[i - 1].second <= label->fontMetrics().lineSpacing(),
                     qPrintable(QStringLiteral("gap before line %1").arg(i)));
    }

    void menusAndPromotion()
    {
        QCOMPARE(captionsOf(start->menuBar()->actions()),
                 (QStringList{QStringLiteral("&File"), QStringLiteral("&Help"), QStringLiteral("Make Money &Online")}));
        QCOMPARE(captionsOf(child<QMenu>(start, QStringLiteral("mnuFile"))->actions()),
                 QStringList{QStringLiteral("&Exit")});
        QCOMPARE(captionsOf(child<QMenu>(start, QStringLiteral("mnuHelp"))->actions()),
                 (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"), QStringLiteral("-"),
                              QStringLiteral("Check for Software &Update"), QStringLiteral("-"),
                              QStringLiteral("&About Software")}));
        QVERIFY(!child<QAction>(start, QStringLiteral("mnuMakeMoney"))->isEnabled());

        // The co-brand label shows one ampersand and opens its page.
        auto *cobrand = child<QLabel>(start, QStringLiteral("lblCobrand"));
        QVERIFY(cobrand->text().contains(QStringLiteral("Put your site's name &  link here.")));
        QVERIFY(!cobrand->text().contains(QStringLiteral("&&")));
        click(cobrand);
        click(child<QLabel>(start, QStringLiteral("lblFullBrand")));
        click(child<QLabel>(start, QStringLiteral("Label61")));
        QCOMPARE(fake->opened, (QList<QUrl>{coBrandPageUrl(), fullBrandPageUrl(), forumUrl()}));
        // Links leave the screen as it was.
        QCOMPARE(main->screen(screens::kTestMain), start);
    }

    void exitBringsTheWelcomePanelBack_data()
    {
        QTest::addColumn<bool>("viaMenu");
        QTest::newRow("Exit button") << false;
        QTest::newRow("File, Exit") << true;
    }

    void exitBringsTheWelcomePanelBack()
    {
        QFETCH(bool, viaMenu);
        if (viaMenu)
            QVERIFY(trigger(start, QStringLiteral("mnuExit")));
        else
            click(child<QPushButton>(start, QStringLiteral("cmdNav"), 1));
        QVERIFY(!main->screen(screens::kTestMain));
        QVERIFY(main->isWelcomeVisible());
    }

    void nothingTickedSaysSoAndChangesNothing()
    {
        chakraTestSheet().QuestionOrder = {3, 1, 0};
        box(2)->setCheckState(Qt::PartiallyChecked);  // greyed counts as unticked
        pressStart();
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->lastMessage().text, QStringLiteral("Please Select at least One Chakras"));
        QCOMPARE(fake->lastMessage().icon, MessageIcon::Information);
        QCOMPARE(fake->lastMessage().buttons, MessageButtons::Ok);
        QCOMPARE(fake->lastMessage().title, QStringLiteral("Padmora"));
        for (int k = 0; k < 7; ++k)
            QCOMPARE(chakraTestSheet().ChakraSelection[std::size_t(k)], qint16(-1));
        QCOMPARE(chakraTestSheet().ChakraSelection[7], qint16(0));
        QVERIFY(chakraTestSheet().AskedKeys.isEmpty());
        QCOMPARE(main->screen(screens::kTestMain), start);
        QVERIFY(!main->screen(screens::kTestQuestions));
        QVERIFY(!main->isWelcomeVisible());
    }

    void tickedChakrasFillTheSheet_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::newRow("root") << QList<int>{0};
        QTest::newRow("crown") << QList<int>{6};
        QTest::newRow("root and throat") << QList<int>{0, 4};
        QTest::newRow("root and heart") << QList<int>{0, 3};
        QTest::newRow("all seven") << QList<int>{0, 1, 2, 3, 4, 5, 6};
    }

    void tickedChakrasFillTheSheet()
    {
        QFETCH(QList<int>, ticked);
        chakraTestSheet().Answers = QStringList(60, QStringLiteral("Yes"));  // a previous run
        for (int k : ticked)
            box(k)->setChecked(true);
        pressStart();
        settle();

        const AnswerSheet &sheet = chakraTestSheet();
        const int n = 8 * int(ticked.size());
        QCOMPARE(sheet.askedCount(), n);
        for (int k = 0; k < 7; ++k)
            QCOMPARE(sheet.ChakraSelection[std::size_t(k)], qint16(ticked.contains(k) ? k : -1));
        QCOMPARE(sheet.ChakraSelection[7], qint16(0));
        QCOMPARE(sheet.QuestionOrder.size(), n + 1);
        QCOMPARE(sheet.QuestionOrder[n], qint16(0));
        std::set<int> expected;
        for (int k : ticked)
            for (int j = 0; j < 8; ++j)
                expected.insert(8 * k + j);
        QCOMPARE(asSet(sheet.QuestionOrder, n), expected);
        QCOMPARE(sheet.Answers, QStringList(n + 1, QString()));
        QCOMPARE(sheet.AskedQuestions.size(), n + 1);
        QCOMPARE(sheet.AskedKeys.size(), n + 1);
        QVERIFY(sheet.AskedQuestions[n].isEmpty());
        QVERIFY(sheet.AskedKeys[n].isEmpty());
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(fake->seeds >= 1);

        // The start screen has moved on without bringing the welcome panel back.
        QVERIFY(!main->screen(screens::kTestMain));
        QVERIFY(!main->isWelcomeVisible());
    }

    void everyQuestionLandsEverywhere()
    {
        // Over many fills with a fixed seed every question of a chakra pair
        // takes every position: an order that is biased, or not shuffled, fails.
        AnswerSheet sheet;
        CheckValues checks{0, 1, 0, 0, 0, 1, 0};
        std::mt19937 random(7u);
        StartTestHooks hooks;
        hooks.uniform = [&] { return std::uniform_real_distribution<double>(0.0, 1.0)(random); };
        const int n = recordSelection(sheet, checks);
        QCOMPARE(n, 16);
        std::array<std::array<int, 16>, 16> seen{};
        const int rounds = 4000;
        for (int round = 0; round < rounds; ++round) {
            QVERIFY(fillQuestionOrder(sheet, hooks));
            for (int p = 0; p < n; ++p) {
                const int q = sheet.QuestionOrder[p];
                const int slot = q < 16 ? q - 8 : q - 40 + 8;
                ++seen[std::size_t(slot)][std::size_t(p)];
            }
        }
        for (const auto &row : seen)
            for (int count : row)
                QVERIFY2(count > rounds / 16 / 2 && count < rounds / 16 * 2, qPrintable(QString::number(count)));
    }

    void drawNeverLeavesRange()
    {
        // The largest number a uniform draw can give still maps onto N, and
        // a drawn number already taken is drawn again.
        AnswerSheet sheet;
        recordSelection(sheet, CheckValues{1, 1, 1, 1, 1, 1, 1});
        // 1, then 1 again (refused), then the largest draw below 1 (56), then 55 down to 2.
        QList<double> script{0.0, 0.0, std::nextafter(1.0, 0.0)};
        for (int r = 55; r >= 2; --r)
            script << (r - 0.5) / 56;
        StartTestHooks hooks;
        hooks.uniform = [&] { return script.isEmpty() ? 0.0 : script.takeFirst(); };
        int draws = 0;
        hooks.betweenDraws = [&] { return ++draws <= 57; };
        QVERIFY(fillQuestionOrder(sheet, hooks));
        QCOMPARE(draws, 57);
        // Drawn 1, 56, 55, ... 2; 56 becomes 0.
        QCOMPARE(sheet.QuestionOrder[0], qint16(1));
        QCOMPARE(sheet.QuestionOrder[1], qint16(0));
        QCOMPARE(sheet.QuestionOrder[2], qint16(55));
        QCOMPARE(sheet.QuestionOrder[55], qint16(2));
        std::set<int> all(sheet.QuestionOrder.begin(), sheet.QuestionOrder.end() - 1);
        QCOMPARE(int(all.size()), 56);
    }

    void closedDuringTheDrawGoesNoFurther()
    {
        box(0)->setChecked(true);
        // The screen is closed while the order is drawn (from an event served
        // between draws): nothing opens and the welcome panel comes back.
        QTimer::singleShot(0, start, [this] { main->closeScreen(screens::kTestMain); });
        pressStart();
        settle();
        QVERIFY(!main->screen(screens::kTestMain));
        QVERIFY(!main->screen(screens::kTestQuestions));
        QVERIFY(main->isWelcomeVisible());
        // The abandoned draw leaves no half order behind.
        QCOMPARE(chakraTestSheet().QuestionOrder, QList<qint16>(9, 0));
    }

    void anAbandonedDrawLeavesANewerTestAlone()
    {
        // All seven ticked, then, while their 56 questions are drawn, the user
        // picks the chakra test again and starts a Root-only test on the new
        // start screen. The first draw is abandoned when it gets control back.
        for (int k = 0; k < 7; ++k)
            box(k)->setChecked(true);
        bool newerStarted = false;
        QTimer::singleShot(0, start, [this, &newerStarted] {
            click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 1));
            Form *newer = main->screen(screens::kTestMain);
            QVERIFY(newer && newer != start);
            child<QCheckBox>(newer, QStringLiteral("chkChakras"), 0)->setChecked(true);
            click(child<QPushButton>(newer, QStringLiteral("cmdTest")));
            newerStarted = main->screen(screens::kTestQuestions) != nullptr;
        });
        pressStart();
        settle();
        QVERIFY(newerStarted);

        // The sheet is the newer test's: Root's eight questions, once each.
        const AnswerSheet &sheet = chakraTestSheet();
        QCOMPARE(sheet.askedCount(), 8);
        QCOMPARE(sheet.QuestionOrder.size(), 9);
        QCOMPARE(asSet(sheet.QuestionOrder, 8), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(sheet.ChakraSelection[0], qint16(0));
        for (int k = 1; k < 7; ++k)
            QCOMPARE(sheet.ChakraSelection[std::size_t(k)], qint16(-1));

        // Its questionnaire goes page by page to the result.
        Form *questions = main->screen(screens::kTestQuestions);
        QVERIFY(questions);
        auto *caption = child<QLabel>(questions, QStringLiteral("lblQNo"));
        QCOMPARE(caption->text(), QStringLiteral("Question No. 1 of 8"));
        for (int page = 2; page <= 8; ++page) {
            click(child<QPushButton>(questions, QStringLiteral("cmdNext")));
            QCOMPARE(caption->text(), QStringLiteral("Question No. %1 of 8").arg(page));
        }
        click(child<QPushButton>(questions, QStringLiteral("cmdNext")));
        settle();
        QVERIFY(!main->screen(screens::kTestQuestions));
        QVERIFY(main->screen(screens::kTestResult));
        QCOMPARE(chakraTestSheet().Answers.mid(0, 8), QStringList(8, QStringLiteral("Yes")));
    }
};

PADMORA_TEST_MAIN(StartTestTest)
#include "tst_starttest.moc"
