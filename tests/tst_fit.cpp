// SPDX-License-Identifier: GPL-3.0-or-later
// Padmora on screens of every size: the main window fits the screen with its
// bottom bar in view, and every button of every screen can be brought into
// view and clicked, the work area scrolling where a screen is larger than it.
// CTest runs this program on several screens (see tests/CMakeLists.txt).

#include "app/form.h"
#include "app/screennames.h"
#include "outreach/aboutbox.h"
#include "outreach/farewell.h"
#include "support/recordingdesktop.h"
#include "support/session.h"
#include "tarot/tarotcards.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <memory>

using namespace padmora;
using namespace padmora::testing;

namespace {

// Where a widget's centre lies in its window.
QPoint centreIn(QWidget *window, QWidget *w)
{
    return w->mapTo(window, w->rect().center());
}

// True when what lies at the widget's centre in its window is the widget
// itself (or a part of it): on screen, in view and not covered.
bool inView(QWidget *window, QWidget *w)
{
    const QPoint p = centreIn(window, w);
    if (!window->rect().contains(p))
        return false;
    QWidget *hit = window->childAt(p);
    return hit && (hit == w || w->isAncestorOf(hit));
}

const QStringList &allScreens()
{
    static const QStringList names{screens::kAstrologyMain, screens::kTestMain,   screens::kTestQuestions,
                                   screens::kTestResult,    screens::kTarotMain,  screens::kTarotQuestions,
                                   screens::kTarotResult,   screens::kTarotPages};
    return names;
}

} // namespace

class FitTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<RecordingDesktop> &fake = session.fake;
    std::unique_ptr<MainWindow> &main = session.main;

    QRect available() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    // Opens a screen the way the program bar does, and brings the page that
    // holds the button forward.
    Form *openFresh(const QString &screen, bool readingPage)
    {
        main->setWelcomeVisible(false);
        Form *form = main->openScreen(screen);
        if (form && readingPage) {
            child<QLineEdit>(form, QStringLiteral("txtName"))->setText(QStringLiteral("Lena"));
            form->findChild<QPushButton *>(QStringLiteral("cmdNext"))->click();
        }
        return form;
    }

private slots:
    void init()
    {
        QVERIFY(session.start());
    }

    void cleanup()
    {
        ClearTarotCardNeeded();
        session.end();
    }

    void theMainWindowFitsWithItsBottomBarInView()
    {
        qInfo("screen %dx%d at %.0f %%", available().width(), available().height(),
              100 * QGuiApplication::primaryScreen()->devicePixelRatio());
        QVERIFY2(available().contains(main->frameGeometry()),
                 qPrintable(QStringLiteral("window %1,%2 %3x%4 on %5x%6")
                                .arg(main->frameGeometry().x())
                                .arg(main->frameGeometry().y())
                                .arg(main->frameGeometry().width())
                                .arg(main->frameGeometry().height())
                                .arg(available().width())
                                .arg(available().height())));
        for (const char *name : {"cmdMdiExit", "Label7", "cmdSelectOption(0)", "cmdSelectOption(2)"})
            QVERIFY2(inView(main.get(), child<QWidget>(main.get(), QString::fromLatin1(name))), name);
        // The whole welcome text is there to read, scrolled to where needed.
        QWidget *lastLink = child<QWidget>(main.get(), QStringLiteral("lblCaption"), 5);
        lastLink->setFocus(Qt::TabFocusReason);
        QWidget *scroller = child<QWidget>(main.get(), QStringLiteral("picMainScroller"));
        QVERIFY(scroller->isVisible());
        if (scroller->height() >= child<QWidget>(main.get(), QStringLiteral("picMain"))->height())
            QVERIFY(inView(main.get(), lastLink));

    }

    void everyButtonCanBeScrolledIntoViewAndClicked_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("readingPage");
        for (const QString &name : allScreens())
            QTest::newRow(qPrintable(name)) << name << false;
        QTest::newRow("astrology reading page") << screens::kAstrologyMain << true;
    }

    void everyButtonCanBeScrolledIntoViewAndClicked()
    {
        QFETCH(QString, screen);
        QFETCH(bool, readingPage);
        TarotCardNeeded().fill(-1);  // the pages and the interpretation button have cards to show
        AssignTarotCards();

        Form *form = openFresh(screen, readingPage);
        QVERIFY(form);
        QStringList buttons;
        for (QPushButton *b : form->findChildren<QPushButton *>())
            if (b->isVisibleTo(form))
                buttons << b->objectName();
        QVERIFY(!buttons.isEmpty());
        for (const QString &name : buttons) {
            form = main->screen(screen) ? main->screen(screen) : openFresh(screen, readingPage);
            auto *button = child<QPushButton>(form, name);
            // Reached as Tab reaches it: the work area brings it into view.
            button->setFocus(Qt::TabFocusReason);
            QVERIFY2(inView(main.get(), button), qPrintable(name));
            QSignalSpy pressed(button, &QPushButton::clicked);
            // Through the window, so the click lands on whatever is at that spot.
            QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, centreIn(main.get(), button));
            QVERIFY2(pressed.count() == 1, qPrintable(name));
            settle();
            if (Form *open = main->screen(screen))
                open->unload();
            for (Form *other : main->mdiArea()->findChildren<Form *>())
                other->unload();
            settle();
        }
    }

    void aScreenLargerThanTheAreaScrollsIt()
    {
        Form *form = openFresh(screens::kAstrologyMain, false);
        QMdiArea *area = main->mdiArea();
        settle();
        const QSize frame = form->subWindow()->frameGeometry().size();
        const QSize room = area->viewport()->size();
        if (frame.height() <= room.height() && frame.width() <= room.width())
            QSKIP("the screen is large enough for the designed layout");
        // Nothing is cut off for good: what does not fit can be scrolled to.
        if (frame.height() > room.height()) {
            QVERIFY(area->verticalScrollBar()->isVisible());
            QVERIFY(area->verticalScrollBar()->maximum() - area->verticalScrollBar()->minimum()
                    >= frame.height() - room.height());
        }
        if (frame.width() > room.width())
            QVERIFY(area->horizontalScrollBar()->isVisible());
    }

    void aScreenOpensAtTheTopWhereverTheAreaWasScrolled()
    {
        Form *astrology = openFresh(screens::kAstrologyMain, false);
        child<QWidget>(astrology, QStringLiteral("Label14"))->setFocus(Qt::TabFocusReason);  // far down
        settle();
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 1));
        settle();
        Form *start = main->screen(screens::kTestMain);
        QVERIFY(start);
        QCOMPARE(start->subWindow()->y(), 0);
        QVERIFY(inView(main.get(), child<QWidget>(start, QStringLiteral("chkChakras"), 0)));
    }

    void theScreensOfTheirOwnFitToo()
    {
        AboutBox about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(about.frameGeometry().width() <= available().width());
        QVERIFY(about.frameGeometry().height() <= available().height());
        QVERIFY(inView(&about, child<QWidget>(&about, QStringLiteral("cmdOK"))));

        FarewellScreen farewell;
        farewell.show();
        QVERIFY(QTest::qWaitForWindowExposed(&farewell));
        QVERIFY(available().contains(farewell.frameGeometry()));
        QVERIFY(inView(&farewell, child<QWidget>(&farewell, QStringLiteral("cmdClose"))));
        QVERIFY(inView(&farewell, child<QWidget>(&farewell, QStringLiteral("cmdSubmit"))));
    }
};

PADMORA_TEST_MAIN(FitTest)
#include "tst_fit.moc"
