// SPDX-License-Identifier: GPL-3.0-or-later
// Padmora on screens of every size (CTest runs this program on several, see
// tests/CMakeLists.txt): the main window fits with its bottom bar in view, and
// every button of every screen can be brought into view and clicked, the
// work area scrolling where a screen is larger than it, up as well as down,
// and the bottom bar's offer stays clear of its Exit button.

#include "kit/form.h"
#include "kit/screennames.h"
#include "outreach/farewell.h"
#include "support/session.h"
#include "tarot/tarotcards.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

using namespace padmora;
using namespace padmora::testing;

namespace {

// True when what the window shows at the widget's centre is the widget itself.
bool inView(QWidget *window, QWidget *w)
{
    const QPoint p = w->mapTo(window, w->rect().center());
    QWidget *hit = window->rect().contains(p) ? window->childAt(p) : nullptr;
    return hit && (hit == w || w->isAncestorOf(hit));
}

} // namespace

class FitTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<MainWindow> &main = session.main;

    Form *openFresh(const QString &screen, bool readingPage)
    {
        main->setWelcomeVisible(false);
        Form *form = main->openScreen(screen);
        if (readingPage) {
            child<QLineEdit>(form, QStringLiteral("txtName"))->setText(QStringLiteral("Lena"));
            child<QPushButton>(form, QStringLiteral("cmdNext"))->click();
        }
        return form;
    }

private slots:
    void init() { QVERIFY(session.start()); }
    void cleanup()
    {
        ClearTarotCardNeeded();
        session.end();
    }

    void theWindowsFitWithTheirButtonsInView()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(main->frameGeometry()));
        for (const char *name : {"cmdMdiExit", "Label7", "cmdSelectOption(0)", "cmdSelectOption(2)"})
            QVERIFY2(inView(main.get(), child<QWidget>(main.get(), QString::fromLatin1(name))), name);
        FarewellScreen farewell;
        farewell.show();
        QVERIFY(screen.contains(farewell.frameGeometry()));
        QVERIFY(inView(&farewell, child<QWidget>(&farewell, QStringLiteral("cmdClose"))));
    }

    void everyButtonCanBeScrolledIntoViewAndClicked_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("readingPage");
        for (const QString &name : {screens::kAstrologyMain, screens::kTestMain, screens::kTestQuestions,
                                    screens::kTestResult, screens::kTarotMain, screens::kTarotResult,
                                    screens::kTarotPages, screens::kJournal, screens::kPractice})
            QTest::newRow(qPrintable(name)) << name << false;
        QTest::newRow("astrology reading") << screens::kAstrologyMain << true;
    }

    void everyButtonCanBeScrolledIntoViewAndClicked()
    {
        QFETCH(QString, screen);
        QFETCH(bool, readingPage);
        TarotCardNeeded().fill(-1);
        AssignTarotCards();
        QStringList buttons;
        // A greyed button (the practice's Pause before it starts) is none to press.
        for (QPushButton *b : openFresh(screen, readingPage)->findChildren<QPushButton *>())
            if (b->isVisible() && b->isEnabled())
                buttons << b->objectName();
        for (const QString &name : buttons) {
            Form *form = main->screen(screen) ? main->screen(screen) : openFresh(screen, readingPage);
            auto *button = child<QPushButton>(form, name);
            button->setFocus(Qt::TabFocusReason);  // as Tab reaches it
            QVERIFY2(inView(main.get(), button), qPrintable(name));
            // Through the window, so the click lands on whatever shows at that spot.
            QSignalSpy pressed(button, &QPushButton::clicked);
            QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, button->mapTo(main.get(), button->rect().center()));
            QVERIFY2(pressed.count() == 1, qPrintable(name));
            for (Form *open : main->mdiArea()->findChildren<Form *>())
                open->unload();
            settle();
        }
    }

    void tabAndShiftTabKeepTheFocusedControlInView()
    {
        Form *astrology = openFresh(screens::kAstrologyMain, false);
        QWidget *name = child<QWidget>(astrology, QStringLiteral("txtName"));
        name->setFocus(Qt::TabFocusReason);
        QStringList hidden;
        auto step = [&](Qt::Key key) {
            const Qt::KeyboardModifiers shift = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::keyClick(QApplication::focusWidget(), key, shift);
            settle();
            if (!inView(main.get(), QApplication::focusWidget()))
                hidden << QApplication::focusWidget()->objectName();
        };
        while (QApplication::focusWidget()->objectName() != QStringLiteral("lblFullBrand") && hidden.size() < 20)
            step(Qt::Key_Tab);  // down to the last link
        while (QApplication::focusWidget() != name && hidden.size() < 20)
            step(Qt::Key_Backtab);  // and back up to the name
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(QLatin1Char(' '))));
    }

    void theOfferIsNotPaintedUnderTheExitButton()
    {
        auto *offer = child<QWidget>(main.get(), QStringLiteral("Label7"));
        auto *exit = child<QWidget>(main.get(), QStringLiteral("cmdMdiExit"));
        const auto [first, last] = inkColumns(offer->grab().toImage());
        QVERIFY(first >= 0);
        const int inkRight = offer->mapTo(main.get(), QPoint(int(last / offer->devicePixelRatio()), 0)).x();
        const int exitLeft = exit->mapTo(main.get(), QPoint(0, 0)).x();
        QVERIFY2(inkRight < exitLeft, qPrintable(QStringLiteral("ink to %1, Exit from %2").arg(inkRight).arg(exitLeft)));
    }

    void aScreenOpensAtTheTopWhereverTheAreaWasScrolled()
    {
        Form *astrology = openFresh(screens::kAstrologyMain, false);
        child<QWidget>(astrology, QStringLiteral("Label14"))->setFocus(Qt::TabFocusReason);  // far down
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 1));
        settle();
        QCOMPARE(main->screen(screens::kTestMain)->subWindow()->y(), 0);
    }
};

PADMORA_TEST_MAIN(FitTest)
#include "tst_fit.moc"
