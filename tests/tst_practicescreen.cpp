// SPDX-License-Identifier: GPL-3.0-or-later
// The practice screen on the desktop's clock (the recording desktop's, moved
// by the test; nothing waits): a whole practice with its bells at their
// moments, Space and Esc, what is kept, one notice for what is missing,
// read-aloud and the named state, the choices kept between runs, and a
// sitting opened from a result.

#include "app/settingsstore.h"
#include "chakras/screens/program.h"
#include "kit/screennames.h"
#include "practice/screens/breathshape.h"
#include "practice/screens/practicescreen.h"
#include "practice/sitting.h"
#include "support/readingdriver.h"
#include "support/session.h"
#include "tarot/screens/tarotprogram.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include <cmath>

using namespace padmora;
using namespace padmora::practice;
using namespace padmora::testing;

namespace {

constexpr qint64 kSecond = 1000;
constexpr qint64 kMinute = 60 * kSecond;

// WCAG's contrast of two colours, 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class PracticeScreenTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<MainWindow> &main = session.main;
    QList<FinishedPractice> kept;
    // When each bell rang, on the clock.
    QList<qint64> rungAt;

    RecordingDesktop &fake() { return *session.fake; }

    PracticeScreen *open(const QList<int> &chakras)
    {
        setSitting(chakras);
        return qobject_cast<PracticeScreen *>(main->openScreen(screens::kPractice));
    }

    template <class T>
    T *get(const QObject *screen, const char *name)
    {
        return child<T>(screen, QString::fromLatin1(name));
    }

    void choose(const QObject *screen, const char *list, const QString &item)
    {
        auto *box = get<QComboBox>(screen, list);
        const int index = box->findText(item);
        QVERIFY2(index >= 0, qPrintable(item));
        box->setCurrentIndex(index);
    }

    // Moves the clock on to `until`, each step as far as the screen's timer
    // was set, as the timer would fire, noting when bells ring.
    void runTo(PracticeScreen *screen, qint64 until)
    {
        auto *timer = get<QTimer>(screen, "tmrSession");
        while (timer->isActive() && fake().clockValue < until) {
            fake().clockValue = std::min(until, fake().clockValue + timer->interval());
            const qsizetype before = fake().bells.size();
            screen->tmrSession_Timer();
            for (qsizetype i = before; i < fake().bells.size(); ++i)
                rungAt << fake().clockValue;
        }
        fake().clockValue = std::max(fake().clockValue, until);
    }

    QList<int> strikes() const
    {
        QList<int> out;
        for (const auto &bell : session.fake->bells)
            out << bell.strikes;
        return out;
    }

    QString timeShown(const QObject *screen) { return get<QLabel>(screen, "lblTime")->text(); }
    QString stateName(const QObject *screen) { return get<QLabel>(screen, "lblPhase")->accessibleName(); }

private slots:
    void init()
    {
        QVERIFY(session.start());
        kept.clear();
        rungAt.clear();
        setPracticeKeeper([this](const FinishedPractice &p) {
            kept << p;
            return true;
        });
    }

    void cleanup()
    {
        setPracticeKeeper({});
        setSitting({});
        session.end();
    }

    void aWholePracticeRingsItsBellsAtTheirMomentsAndIsKept()
    {
        PracticeScreen *screen = open({});
        QCOMPARE(get<QLabel>(screen, "lblChakra")->text(), QStringLiteral("Root Chakra (Muladhara)"));
        QCOMPARE(QApplication::focusWidget(), get<QPushButton>(screen, "cmdStart"));
        // Before a start there is nothing to pause, stop or go on from.
        QVERIFY(!get<QPushButton>(screen, "cmdPause")->isEnabled());
        QVERIFY(!get<QPushButton>(screen, "cmdStop")->isEnabled());
        QVERIFY(!get<QPushButton>(screen, "cmdNextChakra")->isVisible());
        choose(screen, "cboLength", QStringLiteral("3 minutes"));
        choose(screen, "cboPreparation", QStringLiteral("10 seconds"));
        choose(screen, "cboInterval", QStringLiteral("Every minute"));
        get<QSlider>(screen, "sldVolume")->setValue(40);
        const qint64 start = fake().clockValue;
        click(get<QPushButton>(screen, "cmdStart"));
        QCOMPARE(timeShown(screen), QStringLiteral("0:10"));
        QCOMPARE(stateName(screen), QStringLiteral("Session: Get ready"));
        auto *timer = get<QTimer>(screen, "tmrSession");
        QVERIFY(timer->isActive() && timer->isSingleShot() && timer->timerType() == Qt::PreciseTimer);

        runTo(screen, start + 10 * kSecond - 1);
        QVERIFY(fake().bells.isEmpty());
        runTo(screen, start + 10 * kSecond);
        QCOMPARE(timeShown(screen), QStringLiteral("3:00"));
        QCOMPARE(stateName(screen), QStringLiteral("Session: Breathe in"));
        runTo(screen, start + 10 * kSecond + 90 * kSecond);
        QCOMPARE(timeShown(screen), QStringLiteral("1:30"));
        runTo(screen, start + 5 * kMinute);
        // One strike to start, two each minute, three at the end; at the volume chosen.
        QCOMPARE(strikes(), (QList<int>{1, 2, 2, 3}));
        QCOMPARE(fake().bells.first().volumePercent, 40);
        QCOMPARE(rungAt, (QList<qint64>{start + 10 * kSecond, start + 70 * kSecond, start + 130 * kSecond,
                                         start + 190 * kSecond}));
        QCOMPARE(timeShown(screen), QStringLiteral("0:00"));
        QCOMPARE(stateName(screen), QStringLiteral("Session: Completed"));
        QVERIFY(!timer->isActive());
        QVERIFY(get<QPushButton>(screen, "cmdStart")->isEnabled());
        QVERIFY(!get<QPushButton>(screen, "cmdStop")->isEnabled());
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].chakra, 0);
        QCOMPARE(kept[0].plannedMinutes, 3);
        QCOMPARE(kept[0].practisedSeconds, 180);
        QVERIFY(kept[0].completed);
        QCOMPARE(kept[0].pace, (Pace{4, 6}));
        QVERIFY(!get<QPushButton>(screen, "cmdNextChakra")->isVisible());
    }

    void spacePausesAndResumesAndEscStopsKeepingWhatRanAMinute()
    {
        PracticeScreen *screen = open({4});
        choose(screen, "cboLength", QStringLiteral("5 minutes"));
        choose(screen, "cboPreparation", QStringLiteral("None"));
        const qint64 start = fake().clockValue;
        click(get<QPushButton>(screen, "cmdStart"));
        QCOMPARE(strikes(), QList<int>{1});
        runTo(screen, start + 30 * kSecond);
        QCOMPARE(timeShown(screen), QStringLiteral("4:30"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(stateName(screen), QStringLiteral("Session: Paused"));
        QCOMPARE(get<QPushButton>(screen, "cmdPause")->text(), QStringLiteral("Res&ume"));
        QVERIFY(!get<QTimer>(screen, "tmrSession")->isActive());
        fake().clockValue += 10 * kMinute;  // a long pause counts for nothing
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(timeShown(screen), QStringLiteral("4:30"));
        QCOMPARE(get<QPushButton>(screen, "cmdPause")->text(), QStringLiteral("Pa&use"));
        runTo(screen, fake().clockValue + 60 * kSecond);
        QCOMPARE(timeShown(screen), QStringLiteral("3:30"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(stateName(screen), QStringLiteral("Session: Stopped"));
        QVERIFY(!get<QTimer>(screen, "tmrSession")->isActive());
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].chakra, 4);
        QCOMPARE(kept[0].plannedMinutes, 5);
        QCOMPARE(kept[0].practisedSeconds, 90);
        QVERIFY(!kept[0].completed);
        // No end bell for a practice stopped; a stopped one of half a minute is not kept.
        QCOMPARE(strikes(), QList<int>{1});
        click(get<QPushButton>(screen, "cmdStart"));
        runTo(screen, fake().clockValue + 30 * kSecond);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(stateName(screen), QStringLiteral("Session: Stopped"));
        QCOMPARE(kept.size(), 1);
    }

    void spaceGivesWayToTheControlThatHasTheFocus()
    {
        PracticeScreen *screen = open({2});
        choose(screen, "cboLength", QStringLiteral("5 minutes"));
        choose(screen, "cboPreparation", QStringLiteral("None"));
        click(get<QPushButton>(screen, "cmdStart"));
        // A check box with the focus is ticked by Space; the practice runs on.
        auto *readAloud = get<QCheckBox>(screen, "chkReadAloud");
        readAloud->setFocus();
        QVERIFY(!readAloud->isChecked());
        QTest::keyClick(readAloud, Qt::Key_Space);
        QVERIFY(readAloud->isChecked());
        QCOMPARE(stateName(screen), QStringLiteral("Session: Breathe in"));
        QTest::keyClick(readAloud, Qt::Key_Space);
        QVERIFY(!readAloud->isChecked());
        // The Stop button with the focus stops on Space, as any button presses.
        runTo(screen, fake().clockValue + 70 * kSecond);
        auto *stop = get<QPushButton>(screen, "cmdStop");
        stop->setFocus();
        QTest::keyClick(stop, Qt::Key_Space);
        QCOMPARE(stateName(screen), QStringLiteral("Session: Stopped"));
        // On the session's state, which has no use for Space, it pauses and resumes.
        click(get<QPushButton>(screen, "cmdStart"));
        auto *state = get<QLabel>(screen, "lblPhase");
        state->setFocus();
        QCOMPARE(QApplication::focusWidget(), state);
        QTest::keyClick(state, Qt::Key_Space);
        QCOMPARE(stateName(screen), QStringLiteral("Session: Paused"));
        QTest::keyClick(state, Qt::Key_Space);
        QCOMPARE(get<QPushButton>(screen, "cmdPause")->text(), QStringLiteral("Pa&use"));
        QVERIFY(stateName(screen) != QStringLiteral("Session: Paused"));
    }

    void missingSoundAndSpeechAreToldOnceAndThePracticeGoesOn()
    {
        fake().soundMissing = QStringLiteral("no audio device");
        fake().speechMissing = QStringLiteral("the speech service does not answer");
        PracticeScreen *screen = open({1});
        choose(screen, "cboLength", QStringLiteral("3 minutes"));
        choose(screen, "cboPreparation", QStringLiteral("None"));
        choose(screen, "cboInterval", QStringLiteral("Every minute"));
        get<QCheckBox>(screen, "chkReadAloud")->setChecked(true);
        const qint64 start = fake().clockValue;
        click(get<QPushButton>(screen, "cmdStart"));
        runTo(screen, start + 3 * kMinute);
        QCOMPARE(stateName(screen), QStringLiteral("Session: Completed"));
        QVERIFY(fake().bells.isEmpty() && fake().spoken.isEmpty() && fake().messages.isEmpty());
        auto *notice = get<QLabel>(screen, "lblNotice");
        QVERIFY(notice->isVisible());
        const QStringList lines = notice->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.filter(QStringLiteral("no audio device")).size() == 1, qPrintable(notice->text()));
        QVERIFY2(lines.filter(QStringLiteral("the speech service does not answer")).size() == 1,
                 qPrintable(notice->text()));
        QCOMPARE(kept.size(), 1);
    }

    void readAloudSpeaksTheStepsAndEachPhaseAndTheStateIsNamed()
    {
        PracticeScreen *screen = open({2});
        choose(screen, "cboPreparation", QStringLiteral("10 seconds"));
        auto *steps = get<QLabel>(screen, "lblSteps");
        QVERIFY(steps->text().startsWith(QStringLiteral("Step 1 of 3\n\nPut your hands before your stomach")));
        click(get<QPushButton>(screen, "cmdNextStep"));
        QVERIFY(steps->text().startsWith(QStringLiteral("Step 2 of 3\n\nConcentrate on the Navel Chakra")));
        QVERIFY(fake().spoken.isEmpty());  // off unless asked for
        get<QCheckBox>(screen, "chkReadAloud")->setChecked(true);
        click(get<QPushButton>(screen, "cmdNextStep"));
        QCOMPARE(fake().spoken, QStringList{QStringLiteral("Chant the sound RAM.")});
        QVERIFY(!get<QPushButton>(screen, "cmdNextStep")->isEnabled());
        get<QCheckBox>(screen, "chkAllSteps")->setChecked(true);
        QVERIFY(steps->text().contains(QStringLiteral("straighten the fingers.\n\nConcentrate on the Navel")));
        QVERIFY(!get<QPushButton>(screen, "cmdNextStep")->isVisible());

        fake().spoken.clear();
        const qint64 start = fake().clockValue;
        click(get<QPushButton>(screen, "cmdStart"));
        QCOMPARE(fake().spoken.size(), 1);
        QVERIFY(fake().spoken[0].startsWith(QStringLiteral("Put your hands before your stomach")));
        QVERIFY(fake().spoken[0].endsWith(QStringLiteral("Chant the sound RAM.")));
        auto *state = get<QLabel>(screen, "lblPhase");
        QVERIFY(state->focusPolicy() & Qt::TabFocus);
        QCOMPARE(state->accessibleName(), QStringLiteral("Session: Get ready"));
        // A status, whose changes a screen reader says while it has the focus
        // (it leaves a label's unsaid); each list says what it is for after
        // the entry it shows.
        QAccessibleInterface *status = QAccessible::queryAccessibleInterface(state);
        QCOMPARE(status->role(), QAccessible::StatusBar);
        QCOMPARE(status->text(QAccessible::Name), QStringLiteral("Session: Get ready"));
        QAccessibleInterface *preparation = QAccessible::queryAccessibleInterface(get<QComboBox>(screen, "cboPreparation"));
        QCOMPARE(preparation->text(QAccessible::Name), QStringLiteral("10 seconds"));
        QCOMPARE(preparation->text(QAccessible::Description), QStringLiteral("Preparation"));
        runTo(screen, start + 10 * kSecond);
        QCOMPARE(state->accessibleName(), QStringLiteral("Session: Breathe in"));
        runTo(screen, start + 14 * kSecond);
        QCOMPARE(state->accessibleName(), QStringLiteral("Session: Chant RAM"));
        runTo(screen, start + 20 * kSecond + 500);
        QCOMPARE(fake().spoken.mid(1),
                 (QStringList{QStringLiteral("Breathe in"), QStringLiteral("Chant RAM"), QStringLiteral("Breathe in")}));
        // With less motion the shape goes and the phase counts in words.
        get<QCheckBox>(screen, "chkLessMotion")->setChecked(true);
        QVERIFY(!get<QWidget>(screen, "picBreath")->isVisible());
        QCOMPARE(state->text(), QStringLiteral("Breathe in\n4 seconds"));
        QCOMPARE(state->accessibleName(), QStringLiteral("Session: Breathe in"));

        // With no time to get ready, the first phase does not cut the steps
        // short: they are read as one text that ends with it.
        click(get<QPushButton>(screen, "cmdStop"));
        choose(screen, "cboPreparation", QStringLiteral("None"));
        fake().spoken.clear();
        click(get<QPushButton>(screen, "cmdStart"));
        QCOMPARE(fake().spoken.size(), 1);
        QVERIFY(fake().spoken[0].startsWith(QStringLiteral("Put your hands before your stomach")));
        QVERIFY(fake().spoken[0].endsWith(QStringLiteral("Chant the sound RAM. Breathe in")));
        runTo(screen, fake().clockValue + 4 * kSecond);
        QCOMPARE(fake().spoken.mid(1), QStringList{QStringLiteral("Chant RAM")});
    }

    void theShapeStandsOutOfLightAndDarkBackgrounds()
    {
        for (const QColor &face : {QColor(240, 240, 240), QColor(255, 255, 255), QColor(53, 53, 53), QColor(0, 0, 0)}) {
            BreathShape shape;
            QPalette palette = shape.palette();
            palette.setColor(QPalette::Window, face);
            shape.setPalette(palette);
            shape.resize(120, 120);
            shape.setFullness(1);
            const QImage image = shape.grab().toImage();
            const QColor inside = image.pixelColor(image.width() / 2, image.height() / 2);
            QCOMPARE(image.pixelColor(1, 1), face);
            QVERIFY2(contrast(inside, face) >= 3.0, qPrintable(face.name()));
        }
    }

    void theChoicesAreKeptAndAValueOutOfRangeIsIgnored()
    {
        PracticeScreen *screen = open({});
        choose(screen, "cboLength", QStringLiteral("Other"));
        get<QSpinBox>(screen, "spnMinutes")->setValue(42);
        choose(screen, "cboPreparation", QStringLiteral("30 seconds"));
        choose(screen, "cboInterval", QStringLiteral("Every 2 minutes"));
        choose(screen, "cboPace", QStringLiteral("Your own"));
        get<QSpinBox>(screen, "spnInhale")->setValue(7);
        get<QSpinBox>(screen, "spnChant")->setValue(15);
        get<QCheckBox>(screen, "chkNoSound")->setChecked(true);
        get<QCheckBox>(screen, "chkLessMotion")->setChecked(true);
        QVERIFY(!get<QSlider>(screen, "sldVolume")->isEnabled());
        // Kept as the shell keeps its values: nothing in plain text.
        QVERIFY(!fake().store.isEmpty());
        for (auto it = fake().store.cbegin(); it != fake().store.cend(); ++it)
            QVERIFY2(!it.key().contains(QStringLiteral("Practice")) && it.key().startsWith(QStringLiteral("Settings/")),
                     qPrintable(it.key()));
        screen->unload();
        settle();

        screen = open({});
        QCOMPARE(get<QComboBox>(screen, "cboLength")->currentText(), QStringLiteral("Other"));
        QCOMPARE(get<QSpinBox>(screen, "spnMinutes")->value(), 42);
        QVERIFY(get<QSpinBox>(screen, "spnMinutes")->isEnabled());
        QCOMPARE(get<QComboBox>(screen, "cboPreparation")->currentText(), QStringLiteral("30 seconds"));
        QCOMPARE(get<QComboBox>(screen, "cboInterval")->currentText(), QStringLiteral("Every 2 minutes"));
        QCOMPARE(get<QComboBox>(screen, "cboPace")->currentText(), QStringLiteral("Your own"));
        QCOMPARE(get<QSpinBox>(screen, "spnInhale")->value(), 7);
        QCOMPARE(get<QSpinBox>(screen, "spnChant")->value(), 15);
        QVERIFY(get<QCheckBox>(screen, "chkNoSound")->isChecked());
        QVERIFY(get<QCheckBox>(screen, "chkLessMotion")->isChecked());
        QVERIFY(!get<QCheckBox>(screen, "chkReadAloud")->isChecked());
        screen->unload();
        settle();

        // A length of 500 minutes, an interval never offered: each falls back
        // to its default, the rest stand.
        QVERIFY(saveSetting(QStringLiteral("PracticeMinutes"), QStringLiteral("500")));
        QVERIFY(saveSetting(QStringLiteral("PracticeInterval"), QStringLiteral("4")));
        screen = open({});
        QCOMPARE(get<QComboBox>(screen, "cboLength")->currentText(), QStringLiteral("10 minutes"));
        QCOMPARE(get<QComboBox>(screen, "cboInterval")->currentText(), QStringLiteral("None"));
        QCOMPARE(get<QComboBox>(screen, "cboPreparation")->currentText(), QStringLiteral("30 seconds"));
        QCOMPARE(get<QSpinBox>(screen, "spnChant")->value(), 15);
    }

    void aResultOpensTheSittingOfItsChakrasNotOpenInTheReportsOrder()
    {
        // Crown and Root under-active, Heart over-active, Navel open: ticked out of order.
        ReadingDriver test(main.get(), chakraTestProgram());
        QVERIFY(test.openAndStart({6, 3, 0, 2}));
        QVERIFY(test.answerAll(TargetScores{{6, 1}, {3, 7}, {0, 2}, {2, 4}}));
        Form *result = main->screen(screens::kTestResult);
        QVERIFY(result);
        click(get<QPushButton>(result, "cmdPractise"));
        auto *screen = qobject_cast<PracticeScreen *>(main->screen(screens::kPractice));
        QVERIFY(screen);
        choose(screen, "cboLength", QStringLiteral("3 minutes"));
        choose(screen, "cboPreparation", QStringLiteral("None"));
        QStringList practised;
        for (int round = 0; round < 3; ++round) {
            practised << get<QLabel>(screen, "lblChakra")->text();
            QCOMPARE(get<QLabel>(screen, "lblSitting")->text(),
                     QStringLiteral("Chakra %1 of 3 in this sitting").arg(round + 1));
            click(get<QPushButton>(screen, "cmdStart"));
            runTo(screen, fake().clockValue + 3 * kMinute);
            auto *next = get<QPushButton>(screen, "cmdNextChakra");
            QCOMPARE(next->isVisible(), round < 2);
            if (round < 2) {
                QCOMPARE(QApplication::focusWidget(), next);
                click(next);
            }
        }
        QCOMPARE(practised, (QStringList{QStringLiteral("Root Chakra (Muladhara)"), QStringLiteral("Heart Chakra (Anahata)"),
                                         QStringLiteral("Crown Chakra (Sahasrara)")}));
        QCOMPARE(get<QLabel>(screen, "lblSitting")->text(), QStringLiteral("The sitting is done."));
        QCOMPARE(kept.size(), 3);
        QCOMPARE(kept[1].chakra, 3);
        // The result and its report stay as they were.
        QVERIFY(!result->isUnloaded());

        // The tarot's result offers the same, and the main window any chakra.
        ReadingDriver tarot(main.get(), chakrasTarotProgram());
        QVERIFY(tarot.openAndStart({5}));
        QVERIFY(tarot.answerAll(TargetScores{{5, 0}}));
        click(get<QPushButton>(main->screen(screens::kTarotResult), "cmdPractise"));
        screen = qobject_cast<PracticeScreen *>(main->screen(screens::kPractice));
        QVERIFY(screen);
        QCOMPARE(get<QLabel>(screen, "lblChakra")->text(), QStringLiteral("Third Eye Chakra (Ajna)"));
        QVERIFY(trigger(main.get(), QStringLiteral("mnuPractiseChakra(4)")));
        screen = qobject_cast<PracticeScreen *>(main->screen(screens::kPractice));
        QVERIFY(screen);
        QCOMPARE(get<QLabel>(screen, "lblChakra")->text(), QStringLiteral("Throat Chakra (Vishuddha)"));
        QVERIFY(get<QLabel>(screen, "lblSitting")->text().isEmpty());
    }
};

PADMORA_TEST_MAIN(PracticeScreenTest)
#include "tst_practicescreen.moc"
