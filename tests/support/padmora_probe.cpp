// SPDX-License-Identifier: GPL-3.0-or-later
// A Padmora run that a test starts as a separate process: the real start-up
// sequence, single-instance lock, settings store, main window, farewell screen
// and quit routine. Only what would wait for a person is replaced: message
// boxes and the browser become lines on standard output.
//
//   padmora_probe claim [--at <ms since epoch>] [--hold]
//       claims the single-instance lock (at the given moment), prints
//       "claimed <pid>" or "refused", and with --hold keeps the lock until
//       standard input closes.
//   padmora_probe start [--answer yes|no] [--clock <ns since epoch>]
//       runs the start-up sequence (with --clock, every reseed reads that
//       moment from the clock), prints "main window" or "no main window",
//       then takes commands from standard input, one a line:
//         state          prints what is open
//         direction      prints "direction rtl" or "direction ltr": the way
//                        the main window is laid out (-reverse turns it)
//         program <n>    presses program button n
//         test <k>...    ticks chakras k on the open chakra test start screen,
//                        presses START TEST and prints "order" and the
//                        question numbers in the order drawn
//         farewell       prints "farewell", the number of the support message
//                        on show and the draw that chose it
//         exit button | exit menu | exit box   closes the main window
//         stubborn       opens a window that refuses to close
//         leave button | leave box            leaves the farewell screen
//         ring | speak   rings a bell or reads a word aloud through the
//                        desktop: prints "done" or "failed <why>"
//         loaded <library>...   prints "loaded" and those of the shared
//                        libraries named (libQt6Multimedia, say) that the
//                        process has mapped, or "loaded -"
//       and prints "ended <code>" when the event loop has returned.
//   padmora_probe <argument>...
//       in the desktop's language, answers the arguments as the program's
//       command line does (--help, --version), or prints "not answered".

#include "app/application.h"
#include "app/mainwindow.h"
#include "chakras/answersheet.h"
#include "kit/controlnames.h"
#include "kit/desktop.h"
#include "kit/form.h"
#include "kit/language.h"
#include "kit/qtdesktop.h"
#include "kit/screennames.h"
#include "outreach/farewell.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QSocketNotifier>
#include <QStringList>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <unistd.h>

using namespace padmora;

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QString escaped(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return text;
}

// The real desktop, except that nothing waits for a person.
class ProbeDesktop final : public Desktop {
public:
    MessageAnswer answer = MessageAnswer::No;

    void openUrl(const QUrl &url) override { say(QStringLiteral("open ") + url.toString(QUrl::FullyEncoded)); }
    MessageAnswer message(const QString &text, MessageIcon icon, MessageButtons buttons,
                          const QString &title) override
    {
        say(QStringLiteral("message %1 %2 %3: %4")
                .arg(icon == MessageIcon::Critical ? QStringLiteral("critical") : QStringLiteral("information"),
                     buttons == MessageButtons::YesNo ? QStringLiteral("yesno") : QStringLiteral("ok"), title,
                     escaped(text)));
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }
    int execModal(QDialog &) override { return 0; }
    QString chooseSaveFile(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseOpenFile(const QString &, const QString &, const QString &) override { return {}; }
    void clearOwnClipboard() override {}
    StoredValue readSetting(const QString &section, const QString &key) override
    {
        return real.readSetting(section, key);
    }
    bool writeSetting(const QString &section, const QString &key, const QString &value) override
    {
        return real.writeSetting(section, key, value);
    }
    QDate today() override { return real.today(); }
    QDateTime now() override { return real.now(); }
    qint64 clockMs() override { return real.clockMs(); }
    bool ringBell(int strikes, int volumePercent, QString *why) override
    {
        return real.ringBell(strikes, volumePercent, why);
    }
    bool speak(const QString &text, QString *why) override { return real.speak(text, why); }
    void stopSpeaking() override { real.stopSpeaking(); }
    void seedFromClock() override
    {
        if (clock)
            real.seedFromClockReading(*clock);
        else
            real.seedFromClock();
    }
    double uniform() override
    {
        lastDraw = real.uniform();
        return lastDraw;
    }
    bool claimSingleInstance() override { return real.claimSingleInstance(); }

    QtDesktop real;
    std::optional<qint64> clock;
    double lastDraw = -1;
};

ProbeDesktop *g_probe = nullptr;

// A window that will not close; the quit routine must end the program anyway.
class StubbornWindow : public QWidget {
protected:
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

void closeThroughWindowSystem(QWidget *w)
{
    // What the window manager's close box delivers.
    if (!w || !w->windowHandle())
        return;
    QCloseEvent close;
    QCoreApplication::sendEvent(w->windowHandle(), &close);
}

QString state()
{
    MainWindow *main = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *m = qobject_cast<MainWindow *>(w); m && m->isVisible())
            main = m;
    QStringList screens;
    if (main)
        for (Form *form : main->mdiArea()->findChildren<Form *>())
            if (!form->isUnloaded())
                screens << form->objectName();
    int visible = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        visible += w->isVisible() ? 1 : 0;
    FarewellScreen *farewell = farewellScreen();
    return QStringLiteral("state main=%1 welcome=%2 screens=%3 farewell=%4 windows=%5")
        .arg(main ? (main->isMaximized() ? QStringLiteral("maximized") : QStringLiteral("shown"))
                  : QStringLiteral("none"),
             main && main->isWelcomeVisible() ? QStringLiteral("1") : QStringLiteral("0"),
             screens.isEmpty() ? QStringLiteral("-") : screens.join(QLatin1Char(',')),
             farewell && farewell->isVisible() ? QStringLiteral("visible") : QStringLiteral("none"))
        .arg(visible);
}

void command(const QString &line, QPointer<MainWindow> &main)
{
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    const QString verb = words[0];
    const QString how = words.value(1);
    if (verb == QStringLiteral("state")) {
        say(state());
    } else if (verb == QStringLiteral("direction")) {
        say(main && main->isRightToLeft() ? QStringLiteral("direction rtl") : QStringLiteral("direction ltr"));
    } else if (verb == QStringLiteral("program") && main) {
        if (auto *b = main->findChild<QPushButton *>(arrayName(QStringLiteral("cmdSelectOption"), how.toInt())))
            b->click();
        say(QStringLiteral("done"));
    } else if (verb == QStringLiteral("test") && main) {
        Form *start = main->screen(screens::kTestMain);
        if (!start) {
            say(QStringLiteral("no start screen"));
            return;
        }
        for (const QString &k : words.mid(1))
            if (auto *box = start->findChild<QCheckBox *>(arrayName(QStringLiteral("chkChakras"), k.toInt())))
                box->setChecked(true);
        if (auto *b = start->findChild<QPushButton *>(QStringLiteral("cmdTest")))
            b->click();
        const AnswerSheet &sheet = chakraTestSheet();
        QStringList order{QStringLiteral("order")};
        for (int p = 0; p < sheet.askedCount(); ++p)
            order << QString::number(sheet.QuestionOrder[p]);
        say(order.join(QLatin1Char(' ')));
    } else if (verb == QStringLiteral("farewell")) {
        FarewellScreen *farewell = farewellScreen();
        auto *label2 = farewell ? farewell->findChild<QLabel *>(QStringLiteral("Label2")) : nullptr;
        if (!label2) {
            say(QStringLiteral("no farewell screen"));
            return;
        }
        const auto &messages = supportMessages();
        const auto shown = std::find(messages.begin(), messages.end(), label2->text());
        say(QStringLiteral("farewell %1 %2")
                .arg(shown == messages.end() ? -1 : int(shown - messages.begin()))
                .arg(g_probe->lastDraw, 0, 'g', 17));
    } else if (verb == QStringLiteral("exit") && main) {
        if (how == QStringLiteral("button"))
            main->findChild<QPushButton *>(QStringLiteral("cmdMdiExit"))->click();
        else if (how == QStringLiteral("menu"))
            main->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        else
            closeThroughWindowSystem(main);
        say(QStringLiteral("done"));
    } else if (verb == QStringLiteral("stubborn")) {
        auto *w = new StubbornWindow;
        w->setObjectName(QStringLiteral("stubborn"));
        w->resize(200, 100);
        w->show();
        say(QStringLiteral("done"));
    } else if (verb == QStringLiteral("leave")) {
        FarewellScreen *farewell = farewellScreen();
        if (!farewell) {
            say(QStringLiteral("no farewell screen"));
            return;
        }
        if (how == QStringLiteral("button"))
            farewell->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
        else
            closeThroughWindowSystem(farewell);
        say(QStringLiteral("done"));
    } else if (verb == QStringLiteral("ring") || verb == QStringLiteral("speak")) {
        QString why;
        const bool done = verb == QStringLiteral("ring") ? desktop().ringBell(1, 50, &why)
                                                         : desktop().speak(QStringLiteral("Padmora"), &why);
        say(done ? QStringLiteral("done") : QStringLiteral("failed ") + why);
    } else if (verb == QStringLiteral("loaded")) {
        QFile maps(QStringLiteral("/proc/self/maps"));
        const QByteArray mapped = maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
        QStringList found;
        for (const QString &library : words.mid(1))
            if (mapped.contains("/" + library.toUtf8() + ".so"))
                found << library;
        say(QStringLiteral("loaded ") + (found.isEmpty() ? QStringLiteral("-") : found.join(QLatin1Char(' '))));
    } else {
        say(QStringLiteral("unknown ") + line);
    }
}

int claim(const QStringList &args)
{
    const int at = int(args.indexOf(QStringLiteral("--at")));
    if (at >= 0) {
        const qint64 moment = args.value(at + 1).toLongLong();
        while (QDateTime::currentMSecsSinceEpoch() < moment)
            QThread::usleep(200);
    }
    QtDesktop real;
    if (!real.claimSingleInstance()) {
        say(QStringLiteral("refused"));
        return 0;
    }
    say(QStringLiteral("claimed %1").arg(QCoreApplication::applicationPid()));
    if (args.contains(QStringLiteral("--hold"))) {
        char buffer[256];
        while (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
        }
    }
    return 0;
}

int start(const QStringList &args, PadmoraApplication &app)
{
    ProbeDesktop probe;
    const int answer = int(args.indexOf(QStringLiteral("--answer")));
    if (answer >= 0 && args.value(answer + 1) == QStringLiteral("yes"))
        probe.answer = MessageAnswer::Yes;
    const int clock = int(args.indexOf(QStringLiteral("--clock")));
    if (clock >= 0)
        probe.clock = args.value(clock + 1).toLongLong();
    g_probe = &probe;
    setDesktop(&probe);

    QPointer<MainWindow> main = startPadmora();
    if (!main) {
        say(QStringLiteral("no main window"));
        say(QStringLiteral("ended 0"));
        return 0;
    }
    say(QStringLiteral("main window"));

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[512];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            say(QStringLiteral("input closed"));
            return;
        }
        pending.append(buffer, n);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending.left(end)).trimmed();
            pending.remove(0, end + 1);
            command(line, main);
        }
    });
    const int code = app.exec();
    say(QStringLiteral("ended %1").arg(code));
    setDesktop(nullptr);
    g_probe = nullptr;
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    PadmoraApplication app(argc, argv);
    initPadmora();
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == QStringLiteral("claim"))
        return claim(args);
    if (args.value(0) == QStringLiteral("start"))
        return start(args, app);
    installTranslations(QLocale::system().uiLanguages());
    if (args.value(0).startsWith(QLatin1Char('-'))) {
        if (!answerCommandLine(app.arguments()))
            say(QStringLiteral("not answered"));
        return 0;
    }
    say(QStringLiteral("usage: padmora_probe claim|start ..."));
    return 2;
}
