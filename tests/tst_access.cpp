// SPDX-License-Identifier: GPL-3.0-or-later
// Padmora for everyone: a name for every control and picture a screen reader
// reaches, what it hears as the focus moves and the screens change, a chakra
// test taken with the keyboard alone, and every text in a colour of
// Padmora's own readable (4.5 : 1) on light and dark desktops.

#include "chakras/catalogue.h"
#include "chakras/screens/program.h"
#include "guidance/screens/tarotpages.h"
#include "journal/store.h"
#include "kit/form.h"
#include "kit/screennames.h"
#include "outreach/aboutbox.h"
#include "outreach/farewell.h"
#include "tarot/screens/tarotprogram.h"
#include "support/readingdriver.h"
#include "support/session.h"
#include "tarot/tarotcards.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QStyle>
#include <QTextBrowser>
#include <cmath>

using namespace padmora;
using namespace padmora::testing;

namespace {

// The controls and pictures below root that a screen reader reaches but cannot name.
QStringList nameless(QObject *root)
{
    QStringList missing;
    std::function<void(QAccessibleInterface *, int)> walk = [&](QAccessibleInterface *i, int depth) {
        if (!i || !i->isValid() || i->state().invisible || depth > 64)
            return;
        const QAccessible::Role r = i->role();
        const bool named = r == QAccessible::Graphic || r == QAccessible::Link || r == QAccessible::ComboBox
                           || (i->state().focusable && r != QAccessible::ScrollBar);
        if (named && i->text(QAccessible::Name).trimmed().isEmpty())
            missing << i->object()->objectName() + QStringLiteral(" in ") + i->object()->parent()->objectName();
        for (int c = 0; c < i->childCount(); ++c)
            walk(i->child(c), depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(root), 0);
    return missing;
}

QAccessibleInterface *accessible(QObject *o) { return QAccessible::queryAccessibleInterface(o); }

QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// What a screen reader says of the focused control: its name and description.
QString heard()
{
    QAccessibleInterface *i = accessible(QApplication::focusWidget());
    return i ? i->text(QAccessible::Name) + QStringLiteral(". ") + i->text(QAccessible::Description) : QString();
}

// What a screen reader's review of the screen reads, as Orca's flat review
// does: of everything shown, its text, or its name where it has no text.
QStringList flatReview(QObject *root)
{
    QStringList read;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *i) {
        if (!i || !i->isValid() || i->state().invisible || i->rect().isEmpty())
            return;
        const QString text = i->textInterface() ? i->textInterface()->text(0, i->textInterface()->characterCount())
                                                : QString();
        read << (text.contains(QRegularExpression(QStringLiteral("\\w"))) ? text : i->text(QAccessible::Name));
        for (int c = 0; c < i->childCount(); ++c)
            walk(i->child(c));
    };
    walk(accessible(root));
    return read;
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    settle();
}

bool tabTo(const QString &name)
{
    for (int i = 0; i < 60 && focusName() != name; ++i)
        press(Qt::Key_Tab);
    return focusName() == name;
}

double contrast(QRgb a, QRgb b)
{
    auto lum = [](QRgb c) {
        auto ch = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * ch(qRed(c)) + 0.7152 * ch(qGreen(c)) + 0.0722 * ch(qBlue(c)) + 0.05;
    };
    return std::max(lum(a), lum(b)) / std::min(lum(a), lum(b));
}

// Each text in sight, drawn in the window: its commonest pixel is the
// background, the glyph colour furthest from it the text.
QStringList unreadable(QWidget *window)
{
    const QImage shot = window->grab().toImage();
    QStringList poor;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(w);
        auto *report = qobject_cast<QTextBrowser *>(w);
        if (!w->isVisible() || !(report || (label && !label->text().trimmed().isEmpty())))
            continue;
        const QRect area = QRect(w->mapTo(window, QPoint(0, 0)), w->size()).intersected(shot.rect());
        QWidget *top = window->childAt(area.center());
        if (area.height() < 4 || (top != w && !w->isAncestorOf(top)))
            continue;  // under another screen
        QHash<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[shot.pixel(x, y)];
        const QRgb bg = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                         [](auto a, auto b) { return a.second < b.second; })->first;
        QList<QRgb> inks;
        if (report)  // every colour a run is written in
            for (QTextBlock b = report->document()->begin(); b.isValid(); b = b.next())
                for (auto f = b.begin(); !f.atEnd(); ++f)
                    inks << f.fragment().charFormat().foreground().color().rgb();
        else
            inks << std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [&](auto a, auto b) {
                        return (a.second < 3 ? 1 : contrast(a.first, bg)) < (b.second < 3 ? 1 : contrast(b.first, bg));
                    })->first;
        for (QRgb ink : inks)
            if (contrast(ink, bg) < 4.5)
                poor << QStringLiteral("%1 %2 on %3").arg(w->objectName(), QColor(ink).name(), QColor(bg).name());
    }
    poor.removeDuplicates();
    return poor;
}

// Each program with the name of its result screen.
QList<std::pair<const ProgramTraits *, QString>> resultScreens()
{
    return {{&chakraTestProgram(), screens::kTestResult}, {&chakrasTarotProgram(), screens::kTarotResult}};
}

#define EXPECT_EMPTY(list)                                                                                   \
    do {                                                                                                     \
        const QStringList found = (list);                                                                    \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));                            \
    } while (false)

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

    Session session;
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
        QApplication::setPalette(QApplication::style()->standardPalette());
        ClearTarotCardNeeded();
    }

    void everyScreenNamesWhatItHolds()
    {
        TarotCardNeeded().fill(-1);
        AssignTarotCards();
        EXPECT_EMPTY(nameless(main.get()));
        for (const QString &name : {screens::kTestMain, screens::kTestQuestions, screens::kTestResult,
                                    screens::kTarotResult, screens::kTarotPages, screens::kAstrologyMain}) {
            Form *form = main->openScreen(name);
            EXPECT_EMPTY(nameless(form));
        }
        Form *astrology = main->screen(screens::kAstrologyMain);
        child<QLineEdit>(astrology, QStringLiteral("txtName"))->setText(QStringLiteral("Asha"));
        click(child<QPushButton>(astrology, QStringLiteral("cmdNext")));  // the reading page too
        EXPECT_EMPTY(nameless(astrology));
        QCOMPARE(accessible(child<QWidget>(astrology, QStringLiteral("picChakra")))->text(QAccessible::Name),
                 QStringLiteral("Root Chakra"));  // 1 January: Capricorn
        QCOMPARE(accessible(child<QWidget>(main->screen(screens::kTarotPages), QStringLiteral("picYoga")))->role(),
                 QAccessible::Graphic);

        // The journal, with an entry in its table, on both its pages.
        journal::Reading kept = journal::astrologyReading(QDate(1980, 7, 23), QStringLiteral("Leo"),
                                                          QStringLiteral("The Sun"), QStringLiteral("Crown Chakra"),
                                                          QDateTime(QDate(2026, 5, 3), QTime(9, 0), Qt::UTC));
        journal::journalStore().save(kept);
        Form *readings = main->openScreen(screens::kJournal);
        EXPECT_EMPTY(nameless(readings));
        child<QTabWidget>(readings, QStringLiteral("tabJournal"))->setCurrentIndex(1);
        EXPECT_EMPTY(nameless(readings));

        AboutBox about;
        EXPECT_EMPTY(nameless(&about));
        FarewellScreen farewell;
        farewell.show();
        QCOMPARE(accessible(&farewell)->role(), QAccessible::Window);
        EXPECT_EMPTY(nameless(&farewell));
    }

    void chartsAndLinksSpeak()
    {
        ReadingDriver run(main.get(), chakraTestProgram());
        main->openScreen(screens::kTestMain);
        QVERIFY(run.run({{0, 5}, {3, 0}}));
        Form *result = main->screen(screens::kTestResult);
        QCOMPARE(accessible(child<QLabel>(result, QStringLiteral("lblCurve"), 0))->text(QAccessible::Name),
                 QStringLiteral("Root Chakra (Muladhara): 5 of 8, Open"));
        // Heart's bar is not shown: its axis label reads the score out.
        QCOMPARE(accessible(child<QLabel>(result, QStringLiteral("Label5")))->text(QAccessible::Description),
                 QStringLiteral("Heart Chakra (Anahata): 0 of 8, UnderActive"));
        QCOMPARE(child<QLabel>(result, QStringLiteral("Label5"))->toolTip(),
                 QStringLiteral("Heart Chakra (Anahata): 0 of 8, UnderActive"));

        // A link is pressed as a click presses it; a heading is plain text.
        QCOMPARE(accessible(child<QLabel>(main.get(), QStringLiteral("lblCaption"), 2))->role(),
                 QAccessible::StaticText);
        QAccessibleInterface *link = accessible(child<QLabel>(result, QStringLiteral("lblCobrand")));
        QCOMPARE(link->role(), QAccessible::Link);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(session.fake->opened.size(), 1);
        QCOMPARE(session.fake->opened[0].path(), QStringLiteral("/co-brand.html"));

        // Asked about while it closes and goes, a screen answers or says nothing.
        auto askAll = [this] { nameless(main.get()); };
        for (QWidget *w : result->findChildren<QWidget *>())
            connect(w, &QObject::destroyed, this, [=](QObject *gone) {
                QAccessible::queryAccessibleInterface(gone);
                askAll();
            });
        result->unload();
        askAll();
        settle();
        askAll();
    }

    void aChakraTestByKeyboardAlone()
    {
        QCOMPARE(focusName(), QStringLiteral("cmdSelectOption(0)"));
        press(Qt::Key_Tab);
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("chkChakras(0)"));
        press(Qt::Key_Space);  // Root
        QVERIFY(tabTo(QStringLiteral("cmdTest")));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("optAnswer(0)"));
        for (int page = 0; page < 8; ++page) {
            if (page == 1 || page == 3)  // Next left the focus on the selected answer: one to the right
                press(Qt::Key_Right);
            QVERIFY(tabTo(QStringLiteral("cmdNext")));
            press(Qt::Key_Return);
        }
        QCOMPARE(chakraTestSheet().Answers.mid(0, 8),
                 (QStringList{"Yes", "No", "No", "Not Sure", "Not Sure", "Not Sure", "Not Sure", "Not Sure"}));
        QCOMPARE(focusName(), QStringLiteral("RTB"));
        press(Qt::Key_F6);
        QCOMPARE(focusName(), QStringLiteral("cmdSelectOption(1)"));
        press(Qt::Key_F6);
        QCOMPARE(focusName(), QStringLiteral("RTB"));
        // Links open from the keyboard; Back leads to the first program.
        QVERIFY(tabTo(QStringLiteral("Label61")));
        press(Qt::Key_Return);
        QCOMPARE(session.fake->opened.size(), 1);
        QVERIFY(tabTo(QStringLiteral("cmdChakrasBack")));
        press(Qt::Key_Return);
        QVERIFY(main->isWelcomeVisible());
        QCOMPARE(focusName(), QStringLiteral("cmdSelectOption(0)"));
        // Ctrl+Tab goes from one open screen to the other.
        main->openScreen(screens::kAstrologyMain);
        main->openScreen(screens::kTestMain);
        press(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(focusName(), QStringLiteral("txtName"));
        press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(focusName(), QStringLiteral("chkChakras(0)"));
    }

    void enterOnTheNumberPadPressesTheFocusedButton()
    {
        QCOMPARE(focusName(), QStringLiteral("cmdSelectOption(0)"));
        press(Qt::Key_Enter, Qt::KeypadModifier);
        Form *astrology = main->screen(screens::kAstrologyMain);
        QVERIFY(astrology);
        child<QLineEdit>(astrology, QStringLiteral("txtName"))->setText(QStringLiteral("Asha"));
        QVERIFY(tabTo(QStringLiteral("cmdNext")));
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(child<QWidget>(astrology, QStringLiteral("cmdBack"))->isVisible());  // the reading page
    }

    void holdingReturnDownPressesOnce()
    {
        auto holdReturn = [] {
            for (int i = 0; i < 5; ++i) {  // the first press, then the keyboard's repeats
                QKeyEvent down(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), i > 0);
                QApplication::sendEvent(QApplication::focusWidget(), &down);
                settle();
            }
            QKeyEvent up(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(QApplication::focusWidget(), &up);
        };
        ReadingDriver run(main.get(), chakraTestProgram());
        Form *questions = run.openAndStart({0});
        QVERIFY(questions);
        child<QPushButton>(questions, QStringLiteral("cmdNext"))->setFocus(Qt::TabFocusReason);
        holdReturn();
        QCOMPARE(run.caption(), QStringLiteral("Question No. 2 of 8"));
        QCOMPARE(chakraTestSheet().Answers.mid(0, 2), (QStringList{QStringLiteral("Yes"), QString()}));
        // Held down on the chosen answer: one page on.
        run.option(1)->setFocus(Qt::TabFocusReason);
        holdReturn();
        QCOMPARE(run.caption(), QStringLiteral("Question No. 3 of 8"));
        // Where the focus stays on the button: the card pages' Next.
        TarotCardNeeded().fill(-1);
        AssignTarotCards();
        auto *pages = qobject_cast<TarotPagesScreen *>(main->openScreen(screens::kTarotPages));
        QVERIFY(pages);
        child<QPushButton>(pages, QStringLiteral("cmdNext"))->setFocus(Qt::TabFocusReason);
        holdReturn();
        QCOMPARE(int(pages->TarotPageIndex()), 1);
    }

    void returnOnTheChosenAnswerPressesNext()
    {
        ReadingDriver run(main.get(), chakraTestProgram());
        QVERIFY(run.openAndStart({0}));
        run.option(0)->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Right);  // No
        QCOMPARE(focusName(), QStringLiteral("optAnswer(1)"));
        press(Qt::Key_Return);
        QCOMPARE(run.caption(), QStringLiteral("Question No. 2 of 8"));
        QCOMPARE(focusName(), QStringLiteral("optAnswer(1)"));
        // Space chooses and stays on the page; Enter goes on with that answer.
        run.option(2)->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Space);
        QVERIFY(run.option(2)->isChecked());
        QCOMPARE(run.caption(), QStringLiteral("Question No. 2 of 8"));
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(run.caption(), QStringLiteral("Question No. 3 of 8"));
        QCOMPARE(chakraTestSheet().Answers.mid(0, 3),
                 (QStringList{QStringLiteral("No"), QStringLiteral("Not Sure"), QString()}));
        // With a modifier it is no Next.
        press(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(run.caption(), QStringLiteral("Question No. 3 of 8"));
        // Return on each page to the last one's: the result.
        for (int page = 3; page <= 8; ++page) {
            QVERIFY2(focusName().startsWith(QStringLiteral("optAnswer")), qPrintable(focusName()));
            press(Qt::Key_Return);
        }
        QVERIFY(main->screen(screens::kTestResult));
        QCOMPARE(focusName(), QStringLiteral("RTB"));
        QCOMPARE(chakraTestSheet().Answers.mid(2, 6), QStringList(6, QStringLiteral("Not Sure")));
    }

    void f6BackIntoAScreenReturnsToTheControlThatHadTheFocus()
    {
        main->setWelcomeVisible(false);
        Form *start = main->openScreen(screens::kTestMain);
        child<QWidget>(start, QStringLiteral("chkChakras"), 3)->setFocus(Qt::TabFocusReason);
        press(Qt::Key_F6);
        QVERIFY(focusName().startsWith(QStringLiteral("cmdSelectOption")));
        press(Qt::Key_F6);
        QCOMPARE(focusName(), QStringLiteral("chkChakras(3)"));
    }

    void theDockedPanelsArePanes()
    {
        for (const char *panel : {"Picture6", "Picture1", "picMain", "PicCoBrand"})
            QVERIFY2(accessible(child<QWidget>(main.get(), QString::fromLatin1(panel)))->role() == QAccessible::Pane,
                     panel);
    }

    void theWorkAreaGoesUnsaidAndHoldsTheScreens()
    {
        // A screen reader names a layered pane aloud, named or not, and passes
        // an unnamed pane by: each screen starts with its own caption.
        QAccessibleInterface *area = accessible(main->mdiArea());
        QCOMPARE(area->role(), QAccessible::Pane);
        QCOMPARE(area->text(QAccessible::Name), QString());
        QCOMPARE(area->childCount(), 0);
        const QList<Form *> open = {main->openScreen(screens::kTestMain), main->openScreen(screens::kAstrologyMain)};
        QCOMPARE(area->childCount(), 2);
        QStringList captions;
        for (int c = 0; c < area->childCount(); ++c) {
            QCOMPARE(area->indexOfChild(area->child(c)), c);
            captions << area->child(c)->text(QAccessible::Name);
        }
        captions.sort();
        QStringList expected{open[0]->windowTitle(), open[1]->windowTitle()};
        expected.sort();
        QCOMPARE(captions, expected);
    }

    void readableOnLightAndDarkDesktops_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void readableOnLightAndDarkDesktops()
    {
        QFETCH(bool, dark);
        QPalette night(QColor(53, 53, 53), QColor(53, 53, 53));  // light text on dark, as desktops derive it
        QApplication::setPalette(dark ? night : QApplication::style()->standardPalette());
        settle();
        EXPECT_EMPTY(unreadable(main.get()));

        ReadingDriver run(main.get(), chakrasTarotProgram());
        main->setWelcomeVisible(false);
        main->openScreen(screens::kTarotMain);
        QVERIFY(run.run({{1, 1}, {4, 4}, {6, 8}}));  // dark red, black and teal runs
        child<QTextBrowser>(main->screen(screens::kTarotResult), QStringLiteral("RTB"))
            ->append(QStringLiteral("www.padmora.example"));  // and a link
        EXPECT_EMPTY(unreadable(main.get()));
        click(child<QPushButton>(main->screen(screens::kTarotResult), QStringLiteral("cmdYogaChakra")));
        EXPECT_EMPTY(unreadable(main.get()));  // the card pages
        // The journal on both its pages, its trends drawn on their own background.
        Form *readings = main->openScreen(screens::kJournal);
        EXPECT_EMPTY(unreadable(main.get()));
        child<QTabWidget>(readings, QStringLiteral("tabJournal"))->setCurrentIndex(1);
        EXPECT_EMPTY(unreadable(main.get()));
        readings->unload();

        AboutBox about;
        about.show();
        EXPECT_EMPTY(unreadable(&about));
    }

    // --- what a screen reader hears ---------------------------------------

    void nextSaysTheNewPage()
    {
        ReadingDriver run(main.get(), chakraTestProgram());
        Form *questions = run.openAndStart({0});
        QVERIFY(questions);
        run.choose(1);
        child<QPushButton>(questions, QStringLiteral("cmdNext"))->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        // The focus is on the answer kept from the page before, in a group
        // named by the new page's caption and question.
        QCOMPARE(focusName(), QStringLiteral("optAnswer(1)"));
        QAccessibleInterface *group = accessible(QApplication::focusWidget())->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name),
                 QStringLiteral("Question No. 2 of 8. ") + run.questionOnScreen());
    }

    void theReportIsReadByLineWordAndCharacter()
    {
        for (const auto &[program, result] : resultScreens()) {
            ReadingDriver run(main.get(), *program);
            main->openScreen(program->startScreen);
            QVERIFY(run.run({{0, 1}}));
            QCOMPARE(focusName(), QStringLiteral("RTB"));
            QAccessibleInterface *report = accessible(QApplication::focusWidget());
            QVERIFY(report->state().readOnly);
            QAccessibleTextInterface *text = report->textInterface();
            QVERIFY(text);
            int start = -1, end = -1;
            QCOMPARE(text->cursorPosition(), 0);  // the caret starts at the top
            press(Qt::Key_Down);  // to the description under the title
            const QString line =
                text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end).trimmed();
            QVERIFY2(line.size() > 20 && chakraDescription(0).startsWith(line), qPrintable(line));
            press(Qt::Key_Right, Qt::ControlModifier);
            QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::WordBoundary, &start, &end).trimmed(),
                     QStringLiteral("chakra"));  // "This chakra is..."
            const int word = text->cursorPosition();
            press(Qt::Key_Right);
            QCOMPARE(text->cursorPosition(), word + 1);
            QCOMPARE(text->textAtOffset(word, QAccessible::CharBoundary, &start, &end), QStringLiteral("c"));
            main->closeScreen(result);
            settle();
        }
    }

    void theAstrologyReadingIsHeardWhenItComes()
    {
        Form *astrology = main->openScreen(screens::kAstrologyMain);
        child<QLineEdit>(astrology, QStringLiteral("txtName"))->setText(QStringLiteral("Asha"));
        child<QPushButton>(astrology, QStringLiteral("cmdNext"))->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        for (const char *part : {"Sun Sign: Capricorn", "Ruling Planet: Saturn", "Chakra Name: Root Chakra - Muladhara",
                                 "Color: Red"})
            QVERIFY2(heard().contains(QString::fromLatin1(part)), qPrintable(heard()));
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("cmdBack"));
        // Back: the details page takes the focus and says where the user is;
        // Tab goes on to the name box.
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("fraStep(0)"));
        QCOMPARE(accessible(QApplication::focusWidget())->text(QAccessible::Name), QStringLiteral("Personal Details"));
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("txtName"));
    }

    void dateListsSayTheirValueOnFocusAndChange()
    {
        Form *astrology = main->openScreen(screens::kAstrologyMain);
        QVERIFY(tabTo(QStringLiteral("cboMonth")));
        // The list is named by its entry, and no caption stands in for it.
        auto says = [] {
            QAccessibleInterface *list = accessible(QApplication::focusWidget());
            return list->relations(QAccessible::Label).isEmpty() ? list->text(QAccessible::Name) : QString();
        };
        QCOMPARE(says(), QStringLiteral("January"));
        QAccessibleValueInterface *value = accessible(QApplication::focusWidget())->valueInterface();
        QVERIFY(value);  // a change of value is what a screen reader announces
        QVERIFY(accessible(QApplication::focusWidget())->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::showMenuAction()));
        press(Qt::Key_Down);
        QCOMPARE(says(), QStringLiteral("February"));
        QCOMPARE(value->currentValue().toInt(), 2);
        for (const char *name : {"cboDate", "cboYear"}) {
            QVERIFY(tabTo(QString::fromLatin1(name)));
            const QString first = says();
            const int before = accessible(QApplication::focusWidget())->valueInterface()->currentValue().toInt();
            press(Qt::Key_Down);
            QCOMPARE(says(), QString::number(first.toInt() + 1));
            QCOMPARE(accessible(QApplication::focusWidget())->valueInterface()->currentValue().toInt(), before + 1);
        }
        QCOMPARE(child<QComboBox>(astrology, QStringLiteral("cboYear"))->currentText(), QStringLiteral("1901"));
    }

    void theJournalsStateAndTrendLinesAreHeardWithTheirText()
    {
        auto keep = [](int day) {
            journal::Reading kept = journal::astrologyReading(
                QDate(1980, 7, 23), QStringLiteral("Leo"), QStringLiteral("The Sun"), QStringLiteral("Crown Chakra"),
                QDateTime(QDate(2026, 5, day), QTime(9, 0), Qt::UTC));
            journal::journalStore().save(kept);
        };
        keep(3);
        Form *readings = main->openScreen(screens::kJournal);
        // On focus: what the line is, then what it says, as it shows.
        auto *state = child<QLabel>(readings, QStringLiteral("lblState"));
        state->setFocus(Qt::TabFocusReason);
        QVERIFY(state->text().contains(journal::journalFilePath()));
        QCOMPARE(heard(), QStringLiteral("The journal file. ") + state->text());
        // Another reading kept: the line says so, and so does what is heard.
        const QString before = state->text();
        keep(4);
        settle();
        QVERIFY(state->text() != before);
        QCOMPARE(heard(), QStringLiteral("The journal file. ") + state->text());

        child<QTabWidget>(readings, QStringLiteral("tabJournal"))->setCurrentIndex(1);
        const std::pair<const char *, QString> lines[] = {
            {"lblTrendSummary", QStringLiteral("Trend of each chakra")},
            {"lblCards", QStringLiteral("Cards that came up most often")}};
        for (const auto &[name, caption] : lines) {
            auto *label = child<QLabel>(readings, QString::fromLatin1(name));
            label->setFocus(Qt::TabFocusReason);
            QVERIFY2(!label->text().trimmed().isEmpty(), name);
            QCOMPARE(heard(), caption + QStringLiteral(". ") + label->text());
        }
    }

    void aDateListsValueIsItsEntryAndTheEntrysPlace()
    {
        // A screen reader reads the value against its range, from 1 to the
        // number of entries (12 months, 31 days, the 151 years from 1900 to
        // 2050): the place of the entry chosen; as text, the entry itself.
        Form *astrology = main->openScreen(screens::kAstrologyMain);
        const std::tuple<const char *, int, QString, QString> lists[] = {
            {"cboMonth", 12, QStringLiteral("January"), QStringLiteral("February")},
            {"cboDate", 31, QStringLiteral("1"), QStringLiteral("2")},
            {"cboYear", 151, QStringLiteral("1900"), QStringLiteral("1901")}};
        for (const auto &[name, entries, first, second] : lists) {
            auto *list = child<QComboBox>(astrology, QString::fromLatin1(name));
            QAccessibleInterface *i = accessible(list);
            QAccessibleValueInterface *value = i->valueInterface();
            QVERIFY2(value && list->count() == entries, name);
            QCOMPARE(value->minimumValue().toInt(), 1);
            QCOMPARE(value->maximumValue().toInt(), entries);
            QCOMPARE(i->text(QAccessible::Value), first);
            // Chosen with the keyboard, by the program (as a reopened reading
            // chooses its date) and through the interface itself.
            QVERIFY(tabTo(QString::fromLatin1(name)));
            press(Qt::Key_Down);
            QCOMPARE(value->currentValue().toInt(), 2);
            QCOMPARE(i->text(QAccessible::Value), second);
            list->setCurrentIndex(entries - 1);
            QCOMPARE(value->currentValue().toInt(), entries);
            QCOMPARE(i->text(QAccessible::Value), list->currentText());
            value->setCurrentValue(1);
            QCOMPARE(list->currentText(), first);
            QCOMPARE(i->text(QAccessible::Value), first);
        }
    }

    void theCardPagesAndTheStartScreenTakeTheFocusFromTheTarotResult()
    {
        ReadingDriver run(main.get(), chakrasTarotProgram());
        // The button, the screen it opens and that screen's first control.
        const QStringList ways[2] = {{QStringLiteral("cmdYogaChakra"), screens::kTarotPages, QStringLiteral("cmdBk")},
                                     {QStringLiteral("cmdBack"), screens::kTarotMain, QStringLiteral("chkChakras(0)")}};
        for (const QStringList &way : ways) {
            main->setWelcomeVisible(false);
            main->openScreen(screens::kTarotMain);
            QVERIFY(run.run({{0, 0}}));
            QVERIFY(tabTo(way[0]));
            press(Qt::Key_Return);
            QVERIFY(main->screen(way[1]));
            QVERIFY2(main->screen(way[1])->isAncestorOf(QApplication::focusWidget()), qPrintable(focusName()));
            QCOMPARE(focusName(), way[2]);
        }
    }

    void tabFromTheLastControlGoesOnToAControl()
    {
        TarotCardNeeded().fill(-1);
        AssignTarotCards();
        for (const QString &name : {screens::kTestMain, screens::kTestQuestions, screens::kTestResult,
                                    screens::kTarotResult, screens::kTarotPages, screens::kAstrologyMain}) {
            main->openScreen(name)->focusFirstControl();
            QStringList landed;
            const auto watch = connect(qApp, &QApplication::focusChanged, this, [&](QWidget *, QWidget *now) {
                QAccessibleInterface *i = accessible(now);
                if (!i || qobject_cast<QMdiSubWindow *>(now) || i->role() == QAccessible::Window
                    || i->text(QAccessible::Name).isEmpty())
                    landed << (now ? now->objectName() : QStringLiteral("nothing"));
            });
            for (int i = 0; i < 30; ++i)
                press(Qt::Key_Tab);
            disconnect(watch);
            QVERIFY2(landed.isEmpty(), qPrintable(name + QStringLiteral(": ") + landed.join(QLatin1Char(' '))));
            main->closeScreen(name);
        }
    }

    void flatReviewReadsEveryChartReading()
    {
        for (const auto &[program, result] : resultScreens()) {
            ReadingDriver run(main.get(), *program);
            main->openScreen(program->startScreen);
            QVERIFY(run.run({{0, 0}, {3, 5}}));  // the Root bar is hidden, Heart's shown
            const QStringList read = flatReview(main->screen(result));
            for (const char *reading :
                 {"Root Chakra (Muladhara): 0 of 8, UnderActive", "Heart Chakra (Anahata): 5 of 8, Open"})
                QVERIFY2(read.contains(QString::fromLatin1(reading)), reading);
            main->closeScreen(result);
        }
    }
};

PADMORA_TEST_MAIN(AccessTest)
#include "tst_access.moc"
