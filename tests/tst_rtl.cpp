// SPDX-License-Identifier: GPL-3.0-or-later
// Padmora in a right-to-left layout: every screen is the mirror of itself
// left to right, nothing runs outside its parent, Tab goes the same way, a
// chakra test can be taken with the keyboard alone, the charts read as they
// do left to right, and everything returns when the direction does.

#include "chakras/answersheet.h"
#include "chakras/screens/program.h"
#include "tarot/screens/tarotprogram.h"
#include "chakras/screens/resultscreen.h"
#include "journal/screens/trendchart.h"
#include "kit/form.h"
#include "kit/screennames.h"
#include "outreach/aboutbox.h"
#include "outreach/farewell.h"
#include "support/readingdriver.h"
#include "support/session.h"
#include "tarot/tarotcards.h"

#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QPushButton>
#include <QScrollBar>

using namespace padmora;
using namespace padmora::testing;

namespace {

bool ownName(const QWidget *w)
{
    return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

// A placed control: Padmora's, in a parent of Padmora's without a layout.
bool isPlaced(const QWidget *w)
{
    const QWidget *parent = w->parentWidget();
    return !w->isWindow() && parent && !parent->layout() && ownName(w) && ownName(parent);
}

struct Placed {
    QString name;
    QRect geometry;
    int parentWidth;
    bool inside;  // shown, and within its parent
};

// Every placed control below root, in the order they were made.
QList<Placed> placedBelow(const QWidget *root)
{
    QList<Placed> out;
    for (QWidget *w : root->findChildren<QWidget *>())
        if (isPlaced(w))
            out.append({w->parentWidget()->objectName() + QLatin1Char('/') + w->objectName(), w->geometry(),
                        w->parentWidget()->width(),
                        w->isVisible() && w->parentWidget()->rect().contains(w->geometry())});
    return out;
}

// Where the mirror of each control left to right is not where it stands
// right to left, or where it runs outside a parent it kept within.
QStringList unmirrored(const QList<Placed> &before, const QList<Placed> &after)
{
    if (after.size() != before.size())
        return {QStringLiteral("%1 controls, left to right %2").arg(after.size()).arg(before.size())};
    QStringList wrong;
    for (int i = 0; i < before.size(); ++i) {
        const Placed &l = before[i];
        const Placed &r = after[i];
        const QRect mirror(l.parentWidth - l.geometry.x() - l.geometry.width(), l.geometry.y(), l.geometry.width(),
                           l.geometry.height());
        if (r.name != l.name || r.parentWidth != l.parentWidth || r.geometry != mirror)
            wrong << QStringLiteral("%1 at %2,%3 %4x%5, mirror %6,%7").arg(r.name).arg(r.geometry.x())
                         .arg(r.geometry.y()).arg(r.geometry.width()).arg(r.geometry.height()).arg(mirror.x())
                         .arg(mirror.y());
        if (l.inside && !r.inside)
            wrong << r.name + QStringLiteral(" outside its parent");
    }
    return wrong;
}

#define EXPECT_EMPTY(list)                                                                                   \
    do {                                                                                                     \
        const QStringList found = (list);                                                                    \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));                            \
    } while (false)

QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// True when what the window shows at the widget's centre is the widget itself.
bool inView(QWidget *window, QWidget *w)
{
    const QPoint p = w->mapTo(window, w->rect().center());
    QWidget *hit = window->rect().contains(p) ? window->childAt(p) : nullptr;
    return hit && (hit == w || w->isAncestorOf(hit));
}

// The controls Tab reaches from the screen's first one, in order, until it
// leaves the screen; those it leaves out of view go into hidden.
QStringList tabWalk(Form *form, QStringList &hidden)
{
    QStringList seen;
    form->focusFirstControl();
    for (int i = 0; i < 60 && QApplication::focusWidget() && form->isAncestorOf(QApplication::focusWidget()); ++i) {
        seen << focusName();
        if (!inView(form->window(), QApplication::focusWidget()))
            hidden << focusName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return seen;
}

// The trend chart of two readings and the printed chart of a result screen,
// as pictures.
QList<QImage> chartPictures(Form *result)
{
    journal::TrendSeries series;
    series[0] = {{QDateTime(QDate(2026, 1, 5), QTime(9, 0), Qt::UTC), 0, journal::Program::ChakraTest, 0, 2},
                 {QDateTime(QDate(2026, 3, 9), QTime(9, 0), Qt::UTC), 0, journal::Program::ChakraTest, 0, 7}};
    TrendChart trends;
    trends.resize(400, 240);
    trends.setSeries(series, QDateTime(), QDateTime());
    const PrintedDrawing printed = dynamic_cast<ResultScreen *>(result)->chart().printed();
    QImage paper(printed.twips.toSize() / 10, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.scale(0.1, 0.1);
    printed.paint(painter);
    return {trends.grab().toImage(), paper};
}

const QStringList &everyScreen()
{
    static const QStringList names{screens::kAstrologyMain, screens::kTestMain,  screens::kTestQuestions,
                                   screens::kTestResult,    screens::kTarotMain, screens::kTarotResult,
                                   screens::kTarotPages,    screens::kJournal,   screens::kPractice};
    return names;
}

} // namespace

class RtlTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<MainWindow> &main = session.main;

    // A screen as a user comes to it: a result screen with a reading on it.
    Form *openFresh(const QString &screen)
    {
        main->setWelcomeVisible(false);
        const std::pair<const ProgramTraits *, QString> results[] = {
            {&chakraTestProgram(), screens::kTestResult}, {&chakrasTarotProgram(), screens::kTarotResult}};
        for (const auto &[program, result] : results)
            if (screen == result) {
                Form *start = main->openScreen(program->startScreen);
                for (int chakra : {0, 3})
                    child<QCheckBox>(start, QStringLiteral("chkChakras"), chakra)->click();
                child<QPushButton>(start, QStringLiteral("cmdTest"))->click();
                for (Form *questions; (questions = main->screen(program->questionsScreen));) {
                    child<QRadioButton>(questions, QStringLiteral("optAnswer"), 0)->click();
                    child<QPushButton>(questions, QStringLiteral("cmdNext"))->click();
                }
                settle();
                return main->screen(screen);
            }
        return main->openScreen(screen);
    }

private slots:
    void init()
    {
        QVERIFY(session.start());
        TarotCardNeeded().fill(-1);
        AssignTarotCards();
    }
    void cleanup()
    {
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        ClearTarotCardNeeded();
        session.end();
    }

    void everyScreenIsItsOwnMirror_data()
    {
        QTest::addColumn<QString>("screen");
        for (const QString &name : everyScreen())
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyScreenIsItsOwnMirror()
    {
        QFETCH(QString, screen);
        Form *ltr = openFresh(screen);
        const QList<Placed> before = placedBelow(ltr);
        const QRect frameBefore = ltr->subWindow()->geometry();
        const bool fits = main->mdiArea()->viewport()->rect().contains(frameBefore);
        QStringList hidden;
        const QStringList tabBefore = tabWalk(ltr, hidden);
        ltr->unload();
        settle();

        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        Form *rtl = openFresh(screen);
        QVERIFY(rtl->isRightToLeft());
        EXPECT_EMPTY(unmirrored(before, placedBelow(rtl)));
        const QRect area = main->mdiArea()->viewport()->rect();
        const QRect frame = rtl->subWindow()->geometry();
        QCOMPARE(frame.size(), frameBefore.size());
        if (fits)
            QCOMPARE(frame.x(), area.width() - frameBefore.x() - frameBefore.width());
        QCOMPARE(tabWalk(rtl, hidden), tabBefore);
        EXPECT_EMPTY(hidden);

        // Back to left to right, the same screen is where it was.
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        settle();
        const QList<Placed> back = placedBelow(rtl);
        for (int i = 0; i < before.size(); ++i)
            QCOMPARE(back[i].geometry, before[i].geometry);
    }

    // The result charts mirror with their screens, each axis label under its
    // own bar; the trend chart and the printed chart keep time and the
    // chakras left to right, and are drawn exactly as they are left to right.
    void theChartsReadAsTheyDoLeftToRight()
    {
        const QList<QImage> before = chartPictures(openFresh(screens::kTarotResult));
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        for (const QString &name : {screens::kTestResult, screens::kTarotResult}) {
            Form *result = openFresh(name);
            for (int chakra = 0; chakra < kChakraCount; ++chakra) {
                auto *label = child<QLabel>(result, QStringLiteral("Label%1").arg(chakra + 2));
                const auto [first, last] = inkColumns(label->grab().toImage());
                QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
                const int ink = label->x() + int((first + last) / 2 / label->devicePixelRatio());
                auto away = [&](int bar) {
                    return std::abs(child<QLabel>(result, QStringLiteral("lblPlace"), bar)->geometry().center().x() - ink);
                };
                int nearest = 0;
                for (int bar = 1; bar < kChakraCount; ++bar)
                    nearest = away(bar) < away(nearest) ? bar : nearest;
                QVERIFY2(nearest == chakra, qPrintable(name + QLatin1Char(' ') + label->text()));
            }
        }
        const QList<QImage> after = chartPictures(main->screen(screens::kTarotResult));
        QVERIFY(after[0] == before[0]);
        QVERIFY(after[1] == before[1]);
    }

    void aChakraTestByKeyboardAloneRightToLeft()
    {
        session.end();
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        QVERIFY(session.start());
        auto press = [](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key);
            settle();
        };
        auto tabTo = [&](const QString &name) {
            for (int i = 0; i < 60 && focusName() != name; ++i)
                press(Qt::Key_Tab);
            return focusName() == name;
        };
        QCOMPARE(focusName(), QStringLiteral("cmdSelectOption(0)"));
        press(Qt::Key_Tab);
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("chkChakras(0)"));
        press(Qt::Key_Space);
        QVERIFY(tabTo(QStringLiteral("cmdTest")));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("optAnswer(0)"));
        // The answers run right to left: the left arrow goes on from Yes to No.
        press(Qt::Key_Left);
        QCOMPARE(focusName(), QStringLiteral("optAnswer(1)"));
        for (int page = 0; page < 8; ++page) {
            QVERIFY(tabTo(QStringLiteral("cmdNext")));
            press(Qt::Key_Return);
        }
        QCOMPARE(chakraTestSheet().Answers.at(0), QStringLiteral("No"));
        QVERIFY(main->screen(screens::kTestResult));
        QCOMPARE(focusName(), QStringLiteral("RTB"));
    }

    void reverseOnTheCommandLineLaysPadmoraOutRightToLeft()
    {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        for (const bool reverse : {true, false}) {
            QProcess probe;
            probe.setProcessEnvironment(env);
            probe.start(QStringLiteral(PADMORA_PROBE), reverse ? QStringList{QStringLiteral("start"), QStringLiteral("-reverse")}
                                                               : QStringList{QStringLiteral("start")});
            auto line = [&probe] {
                while (!probe.canReadLine() && probe.waitForReadyRead(kPatience)) {
                }
                return QString::fromUtf8(probe.readLine()).trimmed();
            };
            QCOMPARE(line(), QStringLiteral("main window"));
            probe.write("direction\n");
            QCOMPARE(line(), reverse ? QStringLiteral("direction rtl") : QStringLiteral("direction ltr"));
            probe.closeWriteChannel();
            probe.kill();
            probe.waitForFinished(kPatience);
        }
    }

    void theMainWindowAndTheBoxesAreTheirOwnMirrors()
    {
        auto windows = [this] {
            QList<Placed> placed = placedBelow(main.get());
            AboutBox about;
            FarewellScreen farewell;
            farewell.show();
            return placed + placedBelow(&about) + placedBelow(&farewell);
        };
        const QList<Placed> before = windows();
        session.end();
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        QVERIFY(session.start());
        EXPECT_EMPTY(unmirrored(before, windows()));
    }
};

PADMORA_TEST_MAIN(RtlTest)
#include "tst_rtl.moc"
