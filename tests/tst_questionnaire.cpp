// SPDX-License-Identifier: GPL-3.0-or-later
// Paging through the chakra test's questions with Next and Back, and what
// the answer sheet records.

#include "chakras/answersheet.h"
#include "chakras/questionbank.h"
#include "kit/screennames.h"
#include "support/readingdriver.h"
#include "support/recordingdesktop.h"
#include "support/session.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>

using namespace padmora;
using namespace padmora::testing;

class QuestionnaireTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<RecordingDesktop> &fake = session.fake;
    std::unique_ptr<MainWindow> &main = session.main;
    std::unique_ptr<ReadingDriver> run;

    const AnswerSheet &sheet() const { return chakraTestSheet(); }
    QString asked(int position) const { return questionText(sheet().QuestionOrder[position]); }

private slots:
    void init()
    {
        QVERIFY(session.start());
        run = std::make_unique<ReadingDriver>(main.get(), chakraTestProgram());
    }

    void cleanup()
    {
        run.reset();
        session.end();
    }

    void firstPage_data()
    {
        QTest::addColumn<QList<int>>("chakras");
        QTest::addColumn<QString>("caption");
        QTest::newRow("one chakra") << QList<int>{2} << QStringLiteral("Question No. 1 of 8");
        QTest::newRow("root and heart") << QList<int>{0, 3} << QStringLiteral("Question No. 1 of 16");
        QTest::newRow("all seven") << QList<int>{0, 1, 2, 3, 4, 5, 6} << QStringLiteral("Question No. 1 of 56");
    }

    void firstPage()
    {
        QFETCH(QList<int>, chakras);
        QFETCH(QString, caption);
        Form *questions = run->openAndStart(chakras);
        QVERIFY(questions);
        QCOMPARE(questions->windowTitle(), QStringLiteral("VQ Zazeder Izorudav"));
        QCOMPARE(run->caption(), caption);
        QCOMPARE(run->questionOnScreen(), asked(0));
        QCOMPARE(run->selected(), 0);
        QCOMPARE(run->option(0)->text(), QStringLiteral("Yes"));
        QCOMPARE(run->option(1)->text(), QStringLiteral("No"));
        QCOMPARE(run->option(2)->text(), QStringLiteral("Not Sure"));
        QCOMPARE(child<QLabel>(questions, QStringLiteral("Label1"))->text(),
                 QStringLiteral("Remember to answer each question as truthfully as you can."));
        QCOMPARE(child<QPushButton>(questions, QStringLiteral("cmdBack"))->text(), QStringLiteral("<< &Back"));
        QCOMPARE(child<QPushButton>(questions, QStringLiteral("cmdNext"))->text(), QStringLiteral("&Next >>"));
        // The keys of the asked questions are in place from the start.
        for (int k = 0; k < sheet().askedCount(); ++k) {
            QCOMPARE(sheet().AskedQuestions[k], asked(k));
            QCOMPARE(sheet().AskedKeys[k], answerKey(sheet().QuestionOrder[k]));
        }
        // Centred at the top.
        const QRect r = questions->windowGeometryTwips();
        QVERIFY(std::abs(r.x() - (screenWidthTwips() - r.width()) / 2) <= 15);
        QCOMPARE(r.y(), 0);
    }

    void menus()
    {
        Form *questions = run->openAndStart({0});
        QCOMPARE(captionsOf(questions->menuBar()->actions()),
                 (QStringList{QStringLiteral("&File"), QStringLiteral("&Help"), QStringLiteral("Make Money &Online")}));
        QCOMPARE(captionsOf(child<QMenu>(questions, QStringLiteral("mnuFile"))->actions()),
                 (QStringList{QStringLiteral("&Next"), QStringLiteral("&Back")}));
        QCOMPARE(captionsOf(child<QMenu>(questions, QStringLiteral("mnuHelp"))->actions()),
                 (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit us Online"), QStringLiteral("-"),
                              QStringLiteral("&Check for Software Update"), QStringLiteral("-"),
                              QStringLiteral("&About Software")}));
        // The File items page like the buttons.
        QVERIFY(trigger(questions, QStringLiteral("mnuNext")));
        QCOMPARE(run->caption(), QStringLiteral("Question No. 2 of 8"));
        QVERIFY(trigger(questions, QStringLiteral("mnuBack")));
        QCOMPARE(run->caption(), QStringLiteral("Question No. 1 of 8"));
        QCOMPARE(run->questionOnScreen(), asked(0));
        // And so do the keyboard accelerators.
        QApplication::setActiveWindow(main.get());
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        // (a mnemonic presses the button for a moment before it clicks)
        QTest::keyClick(questions, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(run->caption(), QStringLiteral("Question No. 2 of 8"));
        QTest::keyClick(questions, Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(run->caption(), QStringLiteral("Question No. 1 of 8"));
    }

    void nextRecordsTheSelectionWhichCarriesOver()
    {
        run->openAndStart({4});
        run->next();  // Yes
        run->next();  // Yes
        run->choose(1);
        run->next();  // page 3: No
        QCOMPARE(run->caption(), QStringLiteral("Question No. 4 of 8"));
        QCOMPARE(run->questionOnScreen(), asked(3));
        QCOMPARE(run->selected(), 1);  // "No" stays selected on page 4
        QCOMPARE(sheet().Answers.mid(0, 4), (QStringList{"Yes", "Yes", "No", ""}));
        run->choose(2);
        run->next();
        QCOMPARE(sheet().Answers[3], QStringLiteral("Not Sure"));
    }

    void backOnTheFirstPage()
    {
        run->openAndStart({0});
        // Before any Next there is no recorded answer: Not Sure, caption unchanged.
        run->back();
        QCOMPARE(run->selected(), 2);
        QCOMPARE(run->caption(), QStringLiteral("Question No. 1 of 8"));
        QCOMPARE(run->questionOnScreen(), asked(0));

        run->choose(1);
        run->next();  // question 1: No
        run->choose(0);
        run->back();  // page 1 again, the selection of page 2 still on
        QCOMPARE(run->caption(), QStringLiteral("Question No. 1 of 8"));
        QCOMPARE(run->questionOnScreen(), asked(0));
        QCOMPARE(run->selected(), 0);
        run->back();  // now the recorded answer comes back
        QCOMPARE(run->selected(), 1);
        QCOMPARE(run->caption(), QStringLiteral("Question No. 1 of 8"));
    }

    void backFromALaterPageKeepsTheSelection()
    {
        run->openAndStart({1});
        for (int i = 0; i < 4; ++i)
            run->next();
        QCOMPARE(run->caption(), QStringLiteral("Question No. 5 of 8"));
        run->choose(2);
        run->back();
        QCOMPARE(run->caption(), QStringLiteral("Question No. 4 of 8"));
        QCOMPARE(run->questionOnScreen(), asked(3));
        QCOMPARE(run->selected(), 2);
        QCOMPARE(sheet().Answers[3], QStringLiteral("Yes"));
        run->next();  // overwrites question 4 with what is selected
        QCOMPARE(sheet().Answers[3], QStringLiteral("Not Sure"));
        QCOMPARE(run->caption(), QStringLiteral("Question No. 5 of 8"));
    }

    void eightNextsRecordYesAndFinishOnce()
    {
        run->openAndStart({6});
        for (int i = 0; i < 8; ++i)
            run->next();
        settle();
        QCOMPARE(sheet().Answers.mid(0, 8), QStringList(8, QStringLiteral("Yes")));
        QVERIFY(sheet().Answers[8].isEmpty());
        QVERIFY(!run->questions());
        QVERIFY(main->screen(screens::kTestResult));
        QCOMPARE(main->mdiArea()->findChildren<Form *>(screens::kTestResult).size(), 1);
        QVERIFY(!main->isWelcomeVisible());
    }

    void fastClicksFinishOnlyOnce()
    {
        Form *questions = run->openAndStart({6});
        auto *next = child<QPushButton>(questions, QStringLiteral("cmdNext"));
        // Clicks queued faster than the screen can go away.
        for (int i = 0; i < 12; ++i)
            QMetaObject::invokeMethod(next, "click", Qt::QueuedConnection);
        settle();
        settle();
        QCOMPARE(main->mdiArea()->findChildren<Form *>(screens::kTestResult).size(), 1);
        QCOMPARE(sheet().Answers.mid(0, 8), QStringList(8, QStringLiteral("Yes")));
    }

    void closingEarlyGivesNoResult()
    {
        Form *questions = run->openAndStart({0, 3});
        run->next();
        run->choose(1);
        run->next();
        questions->subWindow()->close();
        settle();
        QVERIFY(!run->questions());
        QVERIFY(!main->screen(screens::kTestResult));
        QVERIFY(main->isWelcomeVisible());
        // What was answered stays on the sheet.
        QCOMPARE(sheet().Answers.mid(0, 3), (QStringList{"Yes", "No", ""}));
    }

    void aSecondRunReplacesTheFirst()
    {
        run->openAndStart({0});
        run->answerAll([](int, int q) { return ReadingDriver::keyed(q); });
        QVERIFY(main->screen(screens::kTestResult));
        // A second test from the program bar while the first result is open.
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 1));
        settle();
        QVERIFY(!main->screen(screens::kTestResult));
        Form *start = main->screen(screens::kTestMain);
        child<QCheckBox>(start, QStringLiteral("chkChakras"), 5)->setChecked(true);
        click(child<QPushButton>(start, QStringLiteral("cmdTest")));
        settle();
        QCOMPARE(run->caption(), QStringLiteral("Question No. 1 of 8"));
        for (int k = 0; k < 8; ++k)
            QCOMPARE(chakraOfQuestion(sheet().QuestionOrder[k]), 5);
        QCOMPARE(sheet().Answers, QStringList(9, QString()));
    }

    void backPastTheEndAndTwoQuestionnaires()
    {
        // A welcome link opens a second start while the questionnaire stays:
        // the new questionnaire replaces the old one, and paging never reads
        // past the sheet.
        run->openAndStart({0, 1});
        for (int i = 0; i < 10; ++i)
            run->next();
        QCOMPARE(run->caption(), QStringLiteral("Question No. 11 of 16"));
        click(child<QWidget>(main.get(), QStringLiteral("lblCaption"), 4));
        Form *start = main->screen(screens::kTestMain);
        QVERIFY(start);
        QVERIFY(run->questions());  // the welcome links leave questionnaires open
        child<QCheckBox>(start, QStringLiteral("chkChakras"), 2)->setChecked(true);
        click(child<QPushButton>(start, QStringLiteral("cmdTest")));
        settle();
        QCOMPARE(main->mdiArea()->findChildren<Form *>(screens::kTestQuestions).size(), 1);
        QCOMPARE(run->caption(), QStringLiteral("Question No. 1 of 8"));
        QVERIFY(!main->isWelcomeVisible());
        for (int i = 0; i < 20; ++i)
            run->back();
        QCOMPARE(run->caption(), QStringLiteral("Question No. 1 of 8"));
    }
};

PADMORA_TEST_MAIN(QuestionnaireTest)
#include "tst_questionnaire.moc"
