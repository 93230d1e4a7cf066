// SPDX-License-Identifier: GPL-3.0-or-later
// The tarot result view's clipboard guard on a real X server, with the real
// desktop's clipboard clearing and a second program (xclip) that owns the
// clipboard or the X11 selection: what another program put there survives
// clicks, text changes and mouse moves over the tarot view; what was copied
// out of the tarot view is gone after the next such event; the chakra test's
// view leaves the clipboard alone.

#include "app/mainwindow.h"
#include "chakras/screens/program.h"
#include "chakras/screens/testresultscreen.h"
#include "kit/form.h"
#include "kit/qtdesktop.h"
#include "kit/screennames.h"
#include "tarot/screens/tarotprogram.h"
#include "support/readingdriver.h"
#include "support/recordingdesktop.h"
#include "support/testing.h"
#include "tarot/screens/tarotresultscreen.h"
#include "tarot/tarotcards.h"

#include <QClipboard>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QWindow>
#include <memory>

using namespace padmora;
using namespace padmora::testing;

namespace {

// Records like the fake, but clears the clipboard the way Padmora really does.
class ClipboardDesktop : public RecordingDesktop {
public:
    void clearOwnClipboard() override
    {
        RecordingDesktop::clearOwnClipboard();
        m_real.clearOwnClipboard();
    }

private:
    QtDesktop m_real;
};

QString xclip()
{
    return QStandardPaths::findExecutable(QStringLiteral("xclip"));
}

// What another program reads from a selection ("clipboard" or "primary");
// empty when nothing is there. Window events are served meanwhile, so that
// Padmora can answer when it is the owner.
QString readSelection(const QString &selection)
{
    QProcess reader;
    reader.start(xclip(), {QStringLiteral("-o"), QStringLiteral("-selection"), selection});
    if (!reader.waitForStarted(kPatience))
        return QStringLiteral("<xclip did not start>");
    (void)QTest::qWaitFor([&] { return reader.state() == QProcess::NotRunning; }, kPatience);
    if (reader.state() != QProcess::NotRunning) {
        reader.kill();
        reader.waitForFinished(1000);
        return QStringLiteral("<xclip hung>");
    }
    if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
        return QString();
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// Another program holding a selection: xclip in the foreground, serving the
// text until something else takes the selection or it is stopped.
class OtherProgram {
public:
    bool own(const QString &selection, const QString &text)
    {
        m_process.start(xclip(), {QStringLiteral("-quiet"), QStringLiteral("-selection"), selection,
                                  QStringLiteral("-i")});
        if (!m_process.waitForStarted(kPatience))
            return false;
        m_process.write(text.toUtf8());
        m_process.closeWriteChannel();
        return QTest::qWaitFor([&] { return readSelection(selection) == text; }, kPatience);
    }

    bool stillOwns() const { return m_process.state() == QProcess::Running; }

    ~OtherProgram()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }

private:
    QProcess m_process;
};

// The real pointer moves a window receives from the X server.
class PointerMoves : public QObject {
public:
    explicit PointerMoves(QWindow *window) : m_window(window)
    {
        if (window)
            window->installEventFilter(this);
    }
    ~PointerMoves() override
    {
        if (m_window)
            m_window->removeEventFilter(this);
    }

    QPoint last{-1, -1};  // where the last one went, on the screen

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove)
            last = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        return false;
    }

private:
    QPointer<QWindow> m_window;
};

// Moves the real pointer over a widget, as a user moves the mouse, and waits
// until Padmora has received that move from the X server: nothing of it is
// still on its way, and Padmora's idea of the server's time (which its own
// clipboard requests carry) is up to date. The server reports a move only
// when the pointer really moves, so a move that does not show up is followed
// by another one, to a point next to it.
bool movePointerOver(QWidget *w, QPoint at)
{
    PointerMoves moves(w->window()->windowHandle());
    QElapsedTimer waited;
    waited.start();
    QPoint target;
    for (int k = 0; waited.elapsed() < kPatience; ++k) {
        target = w->mapToGlobal(at + (k % 2 == 0 ? QPoint() : QPoint(7, 3)));
        QCursor::setPos(target);
        if (QTest::qWaitFor([&] { return moves.last == target; }, 250))
            return true;
    }
    return false;
}

const QString kClipboard = QStringLiteral("clipboard");
const QString kPrimary = QStringLiteral("primary");

} // namespace

class ClipboardGuardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ClipboardDesktop> desk;
    std::unique_ptr<MainWindow> main;

    TarotResultScreen *tarotResult()
    {
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 2));
        if (!ReadingDriver(main.get(), chakrasTarotProgram()).run({{0, 1}, {3, 7}}))
            return nullptr;
        return qobject_cast<TarotResultScreen *>(main->screen(screens::kTarotResult));
    }

    TestResultScreen *testResult()
    {
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 1));
        if (!ReadingDriver(main.get(), chakraTestProgram()).run({{0, 1}, {3, 7}}))
            return nullptr;
        return qobject_cast<TestResultScreen *>(main->screen(screens::kTestResult));
    }

    // One of the events the guard answers, done to a view as a user would;
    // false when the guard did not run.
    bool act(QTextBrowser *view, const QString &event)
    {
        QWidget *port = view->viewport();
        const QPoint at(port->width() / 2, port->height() / 3);
        const int before = desk->clipboardClears;
        if (event == QLatin1String("click")) {
            QTest::mouseClick(port, Qt::LeftButton, {}, at);
        } else if (event == QLatin1String("press")) {
            QTest::mousePress(port, Qt::LeftButton, {}, at);
        } else if (event == QLatin1String("release")) {
            QTest::mousePress(port, Qt::LeftButton, {}, at);
            QTest::mouseRelease(port, Qt::LeftButton, {}, at);
        } else if (event == QLatin1String("move")) {
            // The real pointer, moved over the view.
            if (!movePointerOver(port, at))
                return false;
        } else if (event == QLatin1String("text")) {
            view->append(QStringLiteral("One more line."));
        }
        const bool ran = QTest::qWaitFor([&] { return desk->clipboardClears > before; }, kPatience);
        if (event == QLatin1String("press"))
            QTest::mouseRelease(port, Qt::LeftButton, {}, at);
        return ran;
    }

    // Select all and copy, with the keyboard, the mouse resting over the view.
    static bool copyAll(QTextBrowser *view)
    {
        if (!movePointerOver(view->viewport(), QPoint(12, 12)))
            return false;
        view->setFocus();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCoreApplication::processEvents();
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!xclip().isEmpty(), "xclip is needed (make setup installs it)");
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "runs on an X server (xvfb-run)");
    }

    void init()
    {
        desk = std::make_unique<ClipboardDesktop>();
        main = std::make_unique<MainWindow>();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }

    void cleanup()
    {
        main.reset();
        settle();
        desk.reset();
        ClearTarotCardNeeded();
    }

    void anotherProgramsTextSurvives_data()
    {
        QTest::addColumn<QString>("event");
        for (const char *e : {"click", "press", "release", "move", "text"})
            QTest::newRow(e) << QString::fromLatin1(e);
    }

    void anotherProgramsTextSurvives()
    {
        QFETCH(QString, event);
        TarotResultScreen *screen = tarotResult();
        QVERIFY(screen);
        QVERIFY(QTest::qWaitForWindowExposed(screen));

        OtherProgram copied;
        OtherProgram selected;
        QVERIFY(copied.own(kClipboard, QStringLiteral("copied in another program")));
        QVERIFY(selected.own(kPrimary, QStringLiteral("selected in another program")));
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(act(screen->RTB(), event), "the guard did not run");
        }
        QCOMPARE(readSelection(kClipboard), QStringLiteral("copied in another program"));
        QCOMPARE(readSelection(kPrimary), QStringLiteral("selected in another program"));
        QVERIFY(copied.stillOwns());
        QVERIFY(selected.stillOwns());
    }

    void copiedOutOfTheTarotViewGoes_data()
    {
        anotherProgramsTextSurvives_data();
    }

    void copiedOutOfTheTarotViewGoes()
    {
        QFETCH(QString, event);
        TarotResultScreen *screen = tarotResult();
        QVERIFY(screen);
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        OtherProgram earlier;
        QVERIFY(earlier.own(kClipboard, QStringLiteral("copied earlier elsewhere")));

        // A keyboard copy works: another program can paste it...
        QVERIFY(copyAll(screen->RTB()));
        const QString copied = readSelection(kClipboard);
        QVERIFY2(copied.contains(QStringLiteral("Root Chakra (Muladhara)")), qPrintable(copied));
        QVERIFY(copied.contains(QStringLiteral("Heart Chakra (Anahata) is OverActive")));
        QVERIFY(QGuiApplication::clipboard()->ownsClipboard());
        // ...until the next event in the view empties it.
        QVERIFY2(act(screen->RTB(), event), "the guard did not run");
        QCOMPARE(readSelection(kClipboard), QString());
        QVERIFY(!QGuiApplication::clipboard()->ownsClipboard());
        // The selection made by Select All goes the same way.
        QCOMPARE(readSelection(kPrimary), QString());
    }

    void mouseSelectionInTheTarotViewGoes()
    {
        TarotResultScreen *screen = tarotResult();
        QVERIFY(screen);
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        QWidget *port = screen->RTB()->viewport();
        // Drag over the first line (the report opens at its top): the X11
        // selection now holds it.
        QVERIFY(movePointerOver(port, QPoint(4, 8)));
        QTest::mousePress(port, Qt::LeftButton, {}, QPoint(4, 8));
        QMouseEvent drag(QEvent::MouseMove, QPointF(200, 8), port->mapToGlobal(QPointF(200, 8)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(port, &drag);
        QTest::mouseRelease(port, Qt::LeftButton, {}, QPoint(200, 8));
        QVERIFY(screen->RTB()->textCursor().hasSelection());
        const QString selected = readSelection(kPrimary);
        QVERIFY2(selected.size() > 4 && QStringLiteral("Root Chakra (Muladhara)").startsWith(selected),
                 qPrintable(selected));
        QCOMPARE(selected, screen->RTB()->textCursor().selectedText());
        QVERIFY2(act(screen->RTB(), QStringLiteral("move")), "the guard did not run");
        QCOMPARE(readSelection(kPrimary), QString());
    }

    void chakraTestViewLeavesTheClipboardAlone()
    {
        TestResultScreen *screen = testResult();
        QVERIFY(screen);
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        QVERIFY(copyAll(screen->RTB()));
        QVERIFY(readSelection(kClipboard).contains(QStringLiteral("Questions-Answers")));
        QWidget *port = screen->RTB()->viewport();
        QTest::mouseClick(port, Qt::LeftButton, {}, QPoint(port->width() / 2, 20));
        // Moves that have arrived, not just been made.
        QVERIFY(movePointerOver(port, QPoint(30, 30)));
        QVERIFY(movePointerOver(port, QPoint(60, 40)));
        screen->RTB()->append(QStringLiteral("One more line."));
        QVERIFY(readSelection(kClipboard).contains(QStringLiteral("Questions-Answers")));
        QCOMPARE(desk->clipboardClears, 0);

        // Another program's text survives it too.
        OtherProgram other;
        QVERIFY(other.own(kClipboard, QStringLiteral("copied in another program")));
        QTest::mouseClick(port, Qt::LeftButton, {}, QPoint(port->width() / 2, 20));
        QCOMPARE(readSelection(kClipboard), QStringLiteral("copied in another program"));
    }
};

PADMORA_TEST_MAIN(ClipboardGuardTest)
#include "tst_clipboardguard.moc"
