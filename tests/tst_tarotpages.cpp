// SPDX-License-Identifier: GPL-3.0-or-later
// The tarot cards a reading draws and the interpretation pages that show
// them: which cards come for which chakras, how Next and Back page through
// them, how the pages are left, and what hammering at them does.

#include "app/mainwindow.h"
#include "chakras/catalogue.h"
#include "chakras/screens/program.h"
#include "guidance/screens/tarotpages.h"
#include "kit/form.h"
#include "kit/pictures.h"
#include "kit/screennames.h"
#include "tarot/screens/tarotprogram.h"
#include "support/readingdriver.h"
#include "support/recordingdesktop.h"
#include "support/session.h"
#include "support/testing.h"
#include "tarot/screens/tarotresultscreen.h"
#include "tarot/tarotcards.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <limits>
#include <memory>

using namespace padmora;
using namespace padmora::testing;

namespace {

// Scores that leave a chakra open, or not.
constexpr int kOpen = 4;
constexpr int kUnder = 1;
constexpr int kOver = 7;

struct Page {
    QString chakra;
    QString card;
    QString picture;
};

const char *const kCardNames[9] = {"Wheel of Fortune", "The Sun",     "The Moon",    "The Magician", "Justice",
                                   "Temperance",       "The Sun",     "The Empress", "Death"};

} // namespace

class TarotPagesTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<RecordingDesktop> &fake = session.fake;
    std::unique_ptr<MainWindow> &main = session.main;

    TarotPagesScreen *pages() const { return qobject_cast<TarotPagesScreen *>(main->screen(screens::kTarotPages)); }
    Form *result() const { return main->screen(screens::kTarotResult); }

    // A tarot reading from the selector to its result screen.
    bool reading(const TargetScores &scores)
    {
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 2));
        return ReadingDriver(main.get(), chakrasTarotProgram()).run(scores) && result();
    }

    // A reading, then the interpretation button.
    TarotPagesScreen *interpretation(const TargetScores &scores)
    {
        if (!reading(scores))
            return nullptr;
        click(child<QPushButton>(result(), QStringLiteral("cmdYogaChakra")));
        settle();
        return pages();
    }

    Page shown() const
    {
        TarotPagesScreen *p = pages();
        return {child<QLabel>(p, QStringLiteral("lblChakraName"))->text(),
                child<QLabel>(p, QStringLiteral("lblCaption"), 0)->text(), p->shownPicture()};
    }

    void next() { click(child<QPushButton>(pages(), QStringLiteral("cmdNext"))); }
    void back() { click(child<QPushButton>(pages(), QStringLiteral("cmdBk"))); }

    static QString titleOfPicture(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("<title>([^<]*)</title>")).match(QString::fromUtf8(file.readAll()));
        return m.captured(1);
    }

private slots:
    void init()
    {
        QVERIFY(session.start());
    }

    void cleanup()
    {
        session.end();
        ClearTarotCardNeeded();
    }

    void cardTableAsWritten()
    {
        const auto &table = TarotCardTable();
        const int owners[9] = {0, 1, 1, 2, 3, 3, 4, 5, 6};
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(table[std::size_t(k)].name, QString::fromLatin1(kCardNames[k]));
            QCOMPARE(int(table[std::size_t(k)].chakra), owners[k]);
            QCOMPARE(tarotSlotChakra(k), owners[k]);
            // Each picture is there, draws, and shows the card its page names.
            const QString picture = tarotCardPicture(k);
            QVERIFY(QSvgRenderer(picture).isValid());
            QCOMPARE(titleOfPicture(picture), table[std::size_t(k)].name);
        }
        QCOMPARE(tarotCardPicture(0), QStringLiteral(":/tarot/01wheeloffortune.svg"));
        QCOMPARE(tarotCardPicture(8), QStringLiteral(":/tarot/09death.svg"));
        QVERIFY(tarotCardPicture(9).isEmpty());
        QVERIFY(tarotCardPicture(-1).isEmpty());
        // The Sun twice: same texts, two pictures.
        QCOMPARE(table[1].reading, table[6].reading);
        QCOMPARE(table[1].reverseReading, table[6].reverseReading);
        QVERIFY(tarotCardPicture(1) != tarotCardPicture(6));
        // The doubled blanks are kept, and only where they belong.
        QVERIFY(table[4].reverseReading.contains(QStringLiteral("legal problems to deal with.  Do not trust")));
        QVERIFY(table[7].reading.contains(QStringLiteral("in you own hands now.  You need")));
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(table[std::size_t(k)].reading.contains(QStringLiteral("  ")), k == 7);
            QCOMPARE(table[std::size_t(k)].reverseReading.contains(QStringLiteral("  ")), k == 4);
        }
        QCOMPARE(table[8].reverseReading,
                 QStringLiteral("The changes in your life may not be pleasant. You may not be ready to face them. "
                                "This may leave you exhausted mentally as well as physically. This may be a period "
                                "of stagnation. You may be lethargic and make excuses for your actions."));
    }

    void assignmentFollowsTheFlagsAlone()
    {
        // Only Heart: slots 4 and 5, nothing else.
        TarotCardNeeded() = TarotFlags{0, 0, 0, -1, 0, 0, 0};
        QVERIFY(AssignTarotCards());
        QCOMPARE(TarotSlotCard(), (TarotSlots{-1, -1, -1, -1, 4, 5, -1, -1, -1, -1}));
        QCOMPARE(TarotSlotChakra()[4], QStringLiteral("Heart Chakra (Anahata)"));
        QCOMPARE(TarotSlotChakra()[5], QStringLiteral("Heart Chakra (Anahata)"));
        // A later assignment rewrites every slot: Heart's cards go.
        TarotCardNeeded() = TarotFlags{-1, 0, 0, 0, 0, 0, -1};
        QVERIFY(AssignTarotCards());
        QCOMPARE(TarotSlotCard(), (TarotSlots{0, -1, -1, -1, -1, -1, -1, -1, 8, -1}));
        QCOMPARE(TarotSlotChakra()[8], QStringLiteral("Crown Chakra (Sahasrara)"));
        // Every chakra: every slot, each with its own title.
        TarotCardNeeded().fill(-1);
        QVERIFY(AssignTarotCards());
        const char *titles[9] = {"Root Chakra (Muladhara)", "Sacral Chakra (Swadhisthanna)",
                                 "Sacral Chakra (Swadhisthanna)", "Navel Chakra (Manipura)",
                                 "Heart Chakra (Anahata)", "Heart Chakra (Anahata)", "Throat Chakra (Vishuddha)",
                                 "Third Eye Chakra (Ajna)", "Crown Chakra (Sahasrara)"};
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(int(TarotSlotCard()[std::size_t(k)]), k);
            QCOMPARE(TarotSlotChakra()[std::size_t(k)], QString::fromLatin1(titles[k]));
        }
        // No flag: no card and the caller is told so.
        ClearTarotCardNeeded();
        QVERIFY(!AssignTarotCards());
        QCOMPARE(TarotSlotCard(), (TarotSlots{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
    }

    void onlyHeart()
    {
        QVERIFY(interpretation({{3, kOver}, {0, kOpen}}));
        QVERIFY(!result());
        TarotPagesScreen *p = pages();
        QCOMPARE(p->windowTitle(), QStringLiteral("VQ Dovazov Urera"));
        QCOMPARE(shown().chakra, QStringLiteral("Heart Chakra (Anahata)"));
        QCOMPARE(shown().card, QStringLiteral("Justice"));
        QCOMPARE(shown().picture, QStringLiteral(":/tarot/05justice.svg"));
        QCOMPARE(child<QLabel>(p, QStringLiteral("lblCaption"), 1)->text(), TarotCardTable()[4].reading);
        QCOMPARE(child<QLabel>(p, QStringLiteral("lblCaption"), 2)->text(), TarotCardTable()[4].reverseReading);
        QVERIFY(child<PictureView>(p, QStringLiteral("picYoga"))->hasPicture());
        next();
        QCOMPARE(shown().chakra, QStringLiteral("Heart Chakra (Anahata)"));
        QCOMPARE(shown().card, QStringLiteral("Temperance"));
        QCOMPARE(shown().picture, QStringLiteral(":/tarot/06temperance.svg"));
        QCOMPARE(child<QLabel>(p, QStringLiteral("lblCaption"), 2)->text(), TarotCardTable()[5].reverseReading);
        QCOMPARE(int(p->TarotPageIndex()), 5);
        back();
        QCOMPARE(shown().card, QStringLiteral("Justice"));
        // The flags went with the result screen; the pages live on what was assigned.
        QCOMPARE(TarotCardNeeded(), (TarotFlags{}));
    }

    void theSunTwice()
    {
        QVERIFY(interpretation({{1, kUnder}, {4, kOver}}));
        QCOMPARE(shown().chakra, QStringLiteral("Sacral Chakra (Swadhisthanna)"));
        QCOMPARE(shown().card, QStringLiteral("The Sun"));
        const QString sacralSun = shown().picture;
        next();
        QCOMPARE(shown().card, QStringLiteral("The Moon"));
        QCOMPARE(shown().chakra, QStringLiteral("Sacral Chakra (Swadhisthanna)"));
        next();
        QCOMPARE(shown().chakra, QStringLiteral("Throat Chakra (Vishuddha)"));
        QCOMPARE(shown().card, QStringLiteral("The Sun"));
        QVERIFY(shown().picture != sacralSun);
        QCOMPARE(sacralSun, QStringLiteral(":/tarot/02thestar.svg"));
        QCOMPARE(shown().picture, QStringLiteral(":/tarot/07thesun.svg"));
        QCOMPARE(child<QLabel>(pages(), QStringLiteral("lblCaption"), 1)->text(), TarotCardTable()[1].reading);
    }

    void rootAndCrownSkipTheEmptySlots()
    {
        TarotPagesScreen *p = interpretation({{0, kUnder}, {6, kOver}});
        QVERIFY(p);
        QCOMPARE(shown().card, QStringLiteral("Wheel of Fortune"));
        QCOMPARE(int(p->TarotPageIndex()), 0);
        next();
        QCOMPARE(shown().card, QStringLiteral("Death"));
        QCOMPARE(shown().chakra, QStringLiteral("Crown Chakra (Sahasrara)"));
        QCOMPARE(int(p->TarotPageIndex()), 8);
        // Slot 7 is empty: the search upward finds slot 8 again.
        back();
        QCOMPARE(shown().card, QStringLiteral("Death"));
        QCOMPARE(int(p->TarotPageIndex()), 8);
    }

    void allSevenGiveNinePages()
    {
        TargetScores all;
        for (int k = 0; k < 7; ++k)
            all[k] = k % 2 ? kUnder : kOver;
        TarotPagesScreen *p = interpretation(all);
        QVERIFY(p);
        QStringList forward;
        QStringList pictures;
        for (int k = 0; k < 9; ++k) {
            forward << shown().card;
            pictures << shown().picture;
            QCOMPARE(shown().chakra, chakraTitle(tarotSlotChakra(k)));
            QCOMPARE(int(p->TarotPageIndex()), k);
            // A screen reader names the picture by the card it shows.
            QCOMPARE(QAccessible::queryAccessibleInterface(child<QWidget>(p, QStringLiteral("picYoga")))
                         ->text(QAccessible::Name),
                     QString::fromLatin1(kCardNames[k]));
            if (k < 8)
                next();
        }
        QStringList names;
        for (const char *n : kCardNames)
            names << QString::fromLatin1(n);
        QCOMPARE(forward, names);
        QCOMPARE(QSet<QString>(pictures.begin(), pictures.end()).size(), 9);
        // Back one page at a time, down to the first.
        for (int k = 7; k >= 0; --k) {
            back();
            QCOMPARE(int(p->TarotPageIndex()), k);
            QCOMPARE(shown().card, names[k]);
        }
    }

    void pastTheEndsTheIndexDrifts()
    {
        TarotPagesScreen *p = interpretation({{6, kOver}});
        QVERIFY(p);
        QCOMPARE(shown().card, QStringLiteral("Death"));
        // Only slot 8: the page opens on it even though the search starts at 0.
        next();
        next();
        QCOMPARE(shown().card, QStringLiteral("Death"));
        QCOMPARE(int(p->TarotPageIndex()), 10);
        back();
        QCOMPARE(shown().card, QStringLiteral("Death"));
        QCOMPARE(int(p->TarotPageIndex()), 9);
        back();
        QCOMPARE(int(p->TarotPageIndex()), 8);
        QCOMPARE(shown().card, QStringLiteral("Death"));

        // Before the first page: Back leaves the page and lowers the index;
        // Next brings the first filled page back.
        QVERIFY(interpretation({{0, kUnder}, {2, kUnder}}));
        p = pages();
        QCOMPARE(shown().card, QStringLiteral("Wheel of Fortune"));
        back();
        QCOMPARE(int(p->TarotPageIndex()), -1);
        QCOMPARE(shown().card, QStringLiteral("Wheel of Fortune"));
        back();
        QCOMPARE(int(p->TarotPageIndex()), -2);
        next();
        QCOMPARE(int(p->TarotPageIndex()), -1);
        QCOMPARE(shown().card, QStringLiteral("Wheel of Fortune"));
        next();
        QCOMPARE(int(p->TarotPageIndex()), 0);
        next();
        QCOMPARE(shown().card, QStringLiteral("The Magician"));
        QCOMPARE(int(p->TarotPageIndex()), 3);
    }

    void everythingOpenSaysSoAndStays()
    {
        QVERIFY(reading({{0, 3}, {4, 5}, {5, kOpen}}));
        Form *screen = result();
        QCOMPARE(TarotCardNeeded(), (TarotFlags{}));
        click(child<QPushButton>(screen, QStringLiteral("cmdYogaChakra")));
        settle();
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->lastMessage().text, QStringLiteral("Dovazov Urera not applicable for Open Chakras"));
        QCOMPARE(fake->lastMessage().icon, MessageIcon::Critical);
        QCOMPARE(fake->lastMessage().buttons, MessageButtons::Ok);
        QCOMPARE(fake->lastMessage().title, QStringLiteral("Padmora"));
        QCOMPARE(result(), screen);
        QVERIFY(!pages());
        QVERIFY(!main->isWelcomeVisible());
        QVERIFY(fake->opened.isEmpty());
        // Back still reaches the tarot start screen.
        click(child<QPushButton>(screen, QStringLiteral("cmdBack")));
        settle();
        QVERIFY(main->screen(screens::kTarotMain));
        QVERIFY(!main->isWelcomeVisible());
    }

    void pagesLayoutAndMenus()
    {
        TarotPagesScreen *p = interpretation({{2, kUnder}});
        QVERIFY(p);
        QVERIFY(p->isVisible());
        // A program screen is open: the welcome panel stays away and the
        // pages have the main window's whole area.
        QVERIFY(!main->isWelcomeVisible());
        QVERIFY(main->mdiArea()->viewport()->rect().contains(p->subWindow()->geometry()));
        const QRect frame = p->windowGeometryTwips();
        QCOMPARE(frame.y(), 0);
        QVERIFY(std::abs(frame.x() - (screenWidthTwips() - frame.width()) / 2) <= 15);
        for (QWidget *w : p->client()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(p->client()->rect().contains(w->geometry()), qPrintable(w->objectName()));

        QCOMPARE(child<QLabel>(p, QStringLiteral("Label1"))->text(), QStringLiteral("Description"));
        QCOMPARE(child<QLabel>(p, QStringLiteral("Label2"))->text(), QStringLiteral("Reverse Description"));
        // Each reading sits beside its caption.
        for (int i : {1, 2}) {
            const QRect caption = twipsOf(child<QLabel>(p, QStringLiteral("Label%1").arg(i)));
            const QRect text = twipsOf(child<QLabel>(p, QStringLiteral("lblCaption"), i));
            QCOMPARE(caption.y(), text.y());
            QVERIFY(caption.right() < text.left());
        }
        QCOMPARE(child<QPushButton>(p, QStringLiteral("cmdNext"))->text(), QStringLiteral("&Next >>"));
        QCOMPARE(child<QPushButton>(p, QStringLiteral("cmdBk"))->text(), QStringLiteral("<< &Back"));
        QCOMPARE(child<QPushButton>(p, QStringLiteral("cmdBack"))->text(), QStringLiteral("&Back"));
        QCOMPARE(child<QPushButton>(p, QStringLiteral("cmdExit"))->text(), QStringLiteral("E&xit"));
        QCOMPARE(captionsOf(p->menuBar()->actions()),
                 (QStringList{QStringLiteral("&File"), QStringLiteral("&Help"), QStringLiteral("&Make Money Online")}));
        QCOMPARE(captionsOf(child<QMenu>(p, QStringLiteral("mnuFile"))->actions()),
                 (QStringList{QStringLiteral("&Back"), QStringLiteral("E&xit")}));
        QCOMPARE(captionsOf(child<QMenu>(p, QStringLiteral("mnuHelp"))->actions()),
                 (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"), QStringLiteral("-"),
                              QStringLiteral("Check for Software &Update"), QStringLiteral("-"),
                              QStringLiteral("&About Software")}));
        QVERIFY(child<QAction>(p, QStringLiteral("mnuMakeMoneyOnline")));
        click(child<QLabel>(p, QStringLiteral("Label61")));
        click(child<QLabel>(p, QStringLiteral("lblCobrand")));
        QCOMPARE(fake->opened.size(), 2);
        QCOMPARE(pages(), p);
    }

    void leavingThePages_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("welcomeAfter");
        QTest::newRow("Back button") << QStringLiteral("cmdBack") << false;
        QTest::newRow("File, Back") << QStringLiteral("mnuBack") << false;
        QTest::newRow("Exit button") << QStringLiteral("cmdExit") << true;
        QTest::newRow("File, Exit") << QStringLiteral("mnuExit") << true;
        QTest::newRow("window close") << QString() << true;
    }

    void leavingThePages()
    {
        QFETCH(QString, how);
        QFETCH(bool, welcomeAfter);
        QPointer<TarotPagesScreen> p(interpretation({{3, kUnder}}));
        QVERIFY(p);
        if (how.startsWith(QStringLiteral("mnu")))
            QVERIFY(trigger(p, how));
        else if (how.isEmpty())
            p->subWindow()->close();
        else
            click(child<QPushButton>(p, how));
        settle();
        QVERIFY(p.isNull());
        QVERIFY(!pages());
        QCOMPARE(main->isWelcomeVisible(), welcomeAfter);
        // No other screen is opened on the way out.
        QVERIFY(main->mdiArea()->findChildren<Form *>().isEmpty());
        // The program bar still leads on.
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 2));
        QVERIFY(main->screen(screens::kTarotMain));
    }

    void selectorLeavesThePagesOpen()
    {
        TarotPagesScreen *p = interpretation({{5, kOver}});
        QVERIFY(p);
        for (int i : {0, 1, 2}) {
            click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), i));
            settle();
            QCOMPARE(pages(), p);
            QCOMPARE(shown().card, QStringLiteral("The Empress"));
        }
        QVERIFY(main->screen(screens::kTarotMain));
        // A new reading while the old pages are open: its interpretation
        // replaces them, and a chakra only the old reading flagged has no page.
        QVERIFY(ReadingDriver(main.get(), chakrasTarotProgram()).run({{0, kUnder}, {5, kOpen}}));
        click(child<QPushButton>(result(), QStringLiteral("cmdYogaChakra")));
        settle();
        TarotPagesScreen *fresh = pages();
        QVERIFY(fresh);
        QCOMPARE(main->mdiArea()->findChildren<TarotPagesScreen *>().size(), 1);
        QCOMPARE(shown().card, QStringLiteral("Wheel of Fortune"));
        for (int i = 0; i < 20; ++i) {
            next();
            QCOMPARE(shown().card, QStringLiteral("Wheel of Fortune"));
        }
    }

    void hammeringNextAndBack()
    {
        TarotPagesScreen *p = interpretation({{1, kOver}, {3, kUnder}});
        QVERIFY(p);
        const QStringList allowed{QStringLiteral("The Sun"), QStringLiteral("The Moon"), QStringLiteral("Justice"),
                                  QStringLiteral("Temperance")};
        for (int i = 0; i < 300; ++i) {
            next();
            QVERIFY(allowed.contains(shown().card));
        }
        QCOMPARE(shown().card, QStringLiteral("Temperance"));
        QCOMPARE(int(p->TarotPageIndex()), 5 + 300 - 3);
        for (int i = 0; i < 600; ++i) {
            back();
            QVERIFY(allowed.contains(shown().card));
        }
        // Down to Justice; slot 3 is empty, so Back cannot get past slot 4.
        QCOMPARE(int(p->TarotPageIndex()), 4);
        QCOMPARE(shown().card, QStringLiteral("Justice"));
        // Nothing else was asked of the desktop.
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(fake->opened.isEmpty());
    }

    void indexStopsAtItsLimits()
    {
        // The index is 16 bits wide: far past the last page it stops at its
        // top limit instead of wrapping round to the pages again.
        QCOMPARE(movedPageIndex(5, 1), qint16(6));
        QCOMPARE(movedPageIndex(std::numeric_limits<qint16>::max(), 1), std::numeric_limits<qint16>::max());
        QCOMPARE(movedPageIndex(std::numeric_limits<qint16>::min(), -1), std::numeric_limits<qint16>::min());

        TarotPagesScreen *p = interpretation({{0, kUnder}});
        QVERIFY(p);
        auto *nextButton = child<QPushButton>(p, QStringLiteral("cmdNext"));
        for (int i = 0; i < 33000; ++i)
            nextButton->click();
        QCOMPARE(p->TarotPageIndex(), std::numeric_limits<qint16>::max());
        QCOMPARE(shown().card, QStringLiteral("Wheel of Fortune"));
        // Coming back down from the limit takes as many presses as going up.
        auto *backButton = child<QPushButton>(p, QStringLiteral("cmdBk"));
        for (int i = 0; i < std::numeric_limits<qint16>::max(); ++i)
            backButton->click();
        QCOMPARE(int(p->TarotPageIndex()), 0);
        for (int i = 0; i < 33000; ++i)
            backButton->click();
        QCOMPARE(p->TarotPageIndex(), std::numeric_limits<qint16>::min());
        QCOMPARE(shown().card, QStringLiteral("Wheel of Fortune"));
    }

    void openingAndClosingInEveryOrder()
    {
        // Result, pages, result again: every reading stands on its own flags.
        QVERIFY(interpretation({{0, kUnder}, {1, kOver}}));
        QVERIFY(reading({{6, kOver}}));
        QVERIFY(pages());  // the earlier pages are still open
        click(child<QPushButton>(result(), QStringLiteral("cmdExit")));
        settle();
        QCOMPARE(TarotCardNeeded(), (TarotFlags{}));
        QVERIFY(trigger(pages(), QStringLiteral("mnuExit")));
        settle();
        QVERIFY(!pages());

        // A reading left by Back, then one whose pages open: only the last
        // reading's chakras get pages.
        QVERIFY(reading({{4, kUnder}}));
        click(child<QPushButton>(result(), QStringLiteral("cmdBack")));
        settle();
        QVERIFY(ReadingDriver(main.get(), chakrasTarotProgram()).run({{2, kOver}}));
        click(child<QPushButton>(result(), QStringLiteral("cmdYogaChakra")));
        settle();
        QCOMPARE(shown().card, QStringLiteral("The Magician"));
        for (int i = 0; i < 12; ++i) {
            next();
            QCOMPARE(shown().card, QStringLiteral("The Magician"));
        }
        for (int i = 0; i < 30; ++i) {
            back();
            QCOMPARE(shown().card, QStringLiteral("The Magician"));
        }
        QCOMPARE(TarotSlotCard(), (TarotSlots{-1, -1, -1, 3, -1, -1, -1, -1, -1, -1}));

        // The interpretation button pressed twice in a row: the second press
        // finds the screen gone and does nothing.
        QVERIFY(reading({{3, kOver}}));
        auto *button = child<QPushButton>(result(), QStringLiteral("cmdYogaChakra"));
        QPointer<Form> resultScreen(result());
        click(button);
        if (resultScreen)
            qobject_cast<TarotResultScreen *>(resultScreen.data())->cmdYogaChakra_Click();
        settle();
        QCOMPARE(main->mdiArea()->findChildren<TarotPagesScreen *>().size(), 1);
        QCOMPARE(shown().card, QStringLiteral("Justice"));
        QVERIFY(fake->messages.isEmpty());

        // Main window closing with the pages open closes them too.
        QPointer<TarotPagesScreen> last(pages());
        main->close();
        settle();
        QVERIFY(last.isNull() || last->isUnloaded());
    }
};

PADMORA_TEST_MAIN(TarotPagesTest)
#include "tst_tarotpages.moc"
