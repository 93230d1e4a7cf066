// SPDX-License-Identifier: GPL-3.0-or-later
// Padmora for everyone: a name for every control and picture a screen reader
// reaches, a chakra test taken with the keyboard alone, and every text in a
// colour of Padmora's own readable (4.5 : 1) on light and dark desktops.

#include "chakras/screens/program.h"
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
#include <QLineEdit>
#include <QTabWidget>
#include <QMdiArea>
#include <QPushButton>
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
            if (page == 1 || page == 3)  // from Next, back to the selected answer, then one to the right
                press(Qt::Key_Backtab, Qt::ShiftModifier), press(Qt::Key_Backtab, Qt::ShiftModifier),
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
};

PADMORA_TEST_MAIN(AccessTest)
#include "tst_access.moc"
