// SPDX-License-Identifier: GPL-3.0-or-later
// The three programs taken with the keyboard alone: Tab, Return, Space, the
// arrows, F6 between a screen and the program bar, Ctrl+Tab between screens.

#include "app/form.h"
#include "app/screennames.h"
#include "chakras/answersheet.h"
#include "chakras/program.h"
#include "support/recordingdesktop.h"
#include "support/session.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <memory>

using namespace padmora;
using namespace padmora::testing;

namespace {

QString focusName()
{
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(nothing)");
}

// One key, to whatever has the focus, as the keyboard delivers it.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QTest::keyClick(target, Qt::Key(key), modifiers);
    settle();
}

// Tabs forward until the named control has the focus; false when a whole
// round of the window passes without it.
bool tabTo(const QString &name)
{
    for (int i = 0; i < 60 && focusName() != name; ++i)
        press(Qt::Key_Tab);
    return focusName() == name;
}

bool shiftTabTo(const QString &name)
{
    for (int i = 0; i < 60 && focusName() != name; ++i)
        press(Qt::Key_Backtab, Qt::ShiftModifier);
    return focusName() == name;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<RecordingDesktop> &fake = session.fake;
    std::unique_ptr<MainWindow> &main = session.main;

private slots:
    void init()
    {
        QVERIFY(session.start());
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }

    void cleanup()
    {
        session.end();
    }

    void aWholeChakraTestByKeyboard()
    {
        // The keyboard starts on the first program.
        QCOMPARE(focusName(), QStringLiteral("cmdSelectOption(0)"));
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("cmdSelectOption(1)"));
        press(Qt::Key_Return);
        Form *start = main->screen(screens::kTestMain);
        QVERIFY(start);
        QVERIFY(!main->isWelcomeVisible());

        // The first check box has the focus; Space ticks Root, Tab moves on, Space ticks Sacral.
        QCOMPARE(focusName(), QStringLiteral("chkChakras(0)"));
        press(Qt::Key_Space);
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("chkChakras(1)"));
        press(Qt::Key_Space);
        QVERIFY(child<QCheckBox>(start, QStringLiteral("chkChakras"), 0)->isChecked());
        QVERIFY(child<QCheckBox>(start, QStringLiteral("chkChakras"), 1)->isChecked());
        QVERIFY(tabTo(QStringLiteral("cmdTest")));
        press(Qt::Key_Return);

        // The questionnaire opens on its first answer.
        Form *questions = main->screen(screens::kTestQuestions);
        QVERIFY(questions);
        QVERIFY(!main->screen(screens::kTestMain));
        QCOMPARE(focusName(), QStringLiteral("optAnswer(0)"));
        const AnswerSheet &sheet = chakraTestSheet();
        QCOMPARE(sheet.askedCount(), 16);
        QStringList given;
        const QString answers[3] = {QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Not Sure")};
        auto checked = [&] {
            for (int i = 0; i < 3; ++i)
                if (child<QRadioButton>(questions, QStringLiteral("optAnswer"), i)->isChecked())
                    return i;
            return -1;
        };
        for (int page = 0; page < 16; ++page) {
            QCOMPARE(child<QLabel>(questions, QStringLiteral("lblQNo"))->text(),
                     QStringLiteral("Question No. %1 of 16").arg(page + 1));
            // From Next, Shift+Tab goes back to the answer that is selected.
            if (page > 0)
                QVERIFY(shiftTabTo(QStringLiteral("optAnswer(%1)").arg(checked())));
            // The arrows move the choice along the row: Yes, No and Not Sure in turn.
            const int choice = page % 3;
            for (int i = 0; i < 3 && checked() != choice; ++i)
                press(checked() < choice ? Qt::Key_Right : Qt::Key_Left);
            QCOMPARE(checked(), choice);
            QCOMPARE(focusName(), QStringLiteral("optAnswer(%1)").arg(choice));
            given << answers[choice];
            QVERIFY(tabTo(QStringLiteral("cmdNext")));
            press(Qt::Key_Return);
        }

        // The result screen: the answers are the ones given, in asked order.
        Form *result = main->screen(screens::kTestResult);
        QVERIFY(result);
        QCOMPARE(sheet.Answers.mid(0, 16), given);
        QCOMPARE(focusName(), QStringLiteral("RTB"));

        // F6 goes to the program bar and back into the screen.
        press(Qt::Key_F6);
        QCOMPARE(focusName(), QStringLiteral("cmdSelectOption(1)"));
        press(Qt::Key_F6);
        QCOMPARE(focusName(), QStringLiteral("RTB"));

        // Back, by keyboard: the welcome panel, and the keyboard on the first program.
        QVERIFY(tabTo(QStringLiteral("cmdChakrasBack")));
        press(Qt::Key_Return);
        QVERIFY(!main->screen(screens::kTestResult));
        QVERIFY(main->isWelcomeVisible());
        QCOMPARE(focusName(), QStringLiteral("cmdSelectOption(0)"));
    }

    void returnPressesTheFocusedButtonOnly()
    {
        Form *start = main->openScreen(screens::kTestMain);
        main->setWelcomeVisible(false);
        // Return on START TEST with nothing ticked: its message, nothing else.
        QVERIFY(tabTo(QStringLiteral("cmdTest")));
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->lastMessage().text, QStringLiteral("Please Select at least One Chakras"));
        // Return on a check box presses nothing.
        QVERIFY(shiftTabTo(QStringLiteral("chkChakras(0)")));
        press(Qt::Key_Return);
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(main->screen(screens::kTestMain), start);
        // Return on Exit closes the screen.
        QVERIFY(tabTo(QStringLiteral("cmdNav(1)")));
        press(Qt::Key_Return);
        QVERIFY(!main->screen(screens::kTestMain));
    }

    void linksOpenFromTheKeyboard()
    {
        Form *start = main->openScreen(screens::kAstrologyMain);
        QVERIFY(start);
        QVERIFY(tabTo(QStringLiteral("lblCobrand")));
        press(Qt::Key_Return);
        QVERIFY(tabTo(QStringLiteral("Label14")));
        press(Qt::Key_Space);
        QCOMPARE(fake->opened.size(), 2);
        QCOMPARE(fake->opened[0].path(), QStringLiteral("/co-brand.html"));
        QCOMPARE(fake->opened[1].path(), QStringLiteral("/"));
    }

    void ctrlTabGoesFromScreenToScreen()
    {
        main->setWelcomeVisible(false);
        Form *pages = main->openScreen(screens::kAstrologyMain);
        Form *start = main->openScreen(screens::kTestMain);
        QCOMPARE(main->mdiArea()->activeSubWindow(), start->subWindow());
        QCOMPARE(focusName(), QStringLiteral("chkChakras(0)"));
        press(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(main->mdiArea()->activeSubWindow(), pages->subWindow());
        QCOMPARE(focusName(), QStringLiteral("txtName"));
        press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(main->mdiArea()->activeSubWindow(), start->subWindow());
        QVERIFY(start->isAncestorOf(QApplication::focusWidget()));
        // F6 from the program bar returns to the active screen.
        press(Qt::Key_F6);
        QVERIFY(focusName().startsWith(QStringLiteral("cmdSelectOption")));
        press(Qt::Key_F6);
        QVERIFY(start->isAncestorOf(QApplication::focusWidget()));
    }

    void anAstrologyReadingByKeyboard()
    {
        press(Qt::Key_Return);  // the first program: the astrology reading
        Form *astro = main->screen(screens::kAstrologyMain);
        QVERIFY(astro);
        QCOMPARE(focusName(), QStringLiteral("txtName"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Mira"));
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("cboMonth"));
        for (int i = 0; i < 6; ++i)
            press(Qt::Key_Down);  // July
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("cboDate"));
        for (int i = 0; i < 22; ++i)
            press(Qt::Key_Down);  // 23
        QVERIFY(tabTo(QStringLiteral("cmdNext")));
        press(Qt::Key_Return);
        QCOMPARE(child<QLabel>(astro, QStringLiteral("lblResult"), 0)->text(), QStringLiteral("Leo"));
        QVERIFY(tabTo(QStringLiteral("cmdBack")));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("txtName"));
        QVERIFY(child<QWidget>(astro, QStringLiteral("fraStep"), 0)->isVisible());
    }

    void theTarotAndItsCardPagesByKeyboard()
    {
        QVERIFY(tabTo(QStringLiteral("cmdSelectOption(2)")));
        press(Qt::Key_Return);
        QVERIFY(main->screen(screens::kTarotMain));
        QCOMPARE(focusName(), QStringLiteral("chkChakras(0)"));
        QVERIFY(tabTo(QStringLiteral("chkChakras(3)")));  // Heart
        press(Qt::Key_Space);
        QVERIFY(tabTo(QStringLiteral("cmdTest")));
        press(Qt::Key_Return);
        QVERIFY(main->screen(screens::kTarotQuestions));
        // Not Sure on every page: Heart scores 0, under-active, and needs its cards.
        QCOMPARE(focusName(), QStringLiteral("optAnswer(0)"));
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        QCOMPARE(focusName(), QStringLiteral("optAnswer(2)"));
        QVERIFY(tabTo(QStringLiteral("cmdNext")));
        for (int page = 0; page < 8; ++page)
            press(Qt::Key_Return);
        Form *result = main->screen(screens::kTarotResult);
        QVERIFY(result);
        QVERIFY(tabTo(QStringLiteral("cmdYogaChakra")));
        press(Qt::Key_Return);
        Form *pages = main->screen(screens::kTarotPages);
        QVERIFY(pages);
        QCOMPARE(child<QLabel>(pages, QStringLiteral("lblCaption"), 0)->text(), QStringLiteral("Justice"));
        QVERIFY(tabTo(QStringLiteral("cmdNext")));
        press(Qt::Key_Return);
        QCOMPARE(child<QLabel>(pages, QStringLiteral("lblCaption"), 0)->text(), QStringLiteral("Temperance"));
        // Exit leaves the pages for the welcome panel.
        QVERIFY(tabTo(QStringLiteral("cmdExit")));
        press(Qt::Key_Return);
        QVERIFY(!main->screen(screens::kTarotPages));
        QVERIFY(main->isWelcomeVisible());
    }
};

PADMORA_TEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
