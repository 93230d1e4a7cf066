// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/screens/practicescreen.h"

#include "kit/controls.h"

#include "chakras/catalogue.h"
#include "guidance/opening.h"
#include "kit/accessibility.h"
#include "kit/desktop.h"
#include "kit/pictures.h"
#include "kit/programhost.h"
#include "kit/resume.h"
#include "kit/screennames.h"
#include "kit/sharedmenus.h"
#include "kit/twips.h"
#include "practice/screens/breathshape.h"
#include "practice/sitting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>

namespace padmora {

using namespace practice;

namespace {

constexpr double kWidth = 12000;
constexpr double kHeight = 7900;
constexpr double kRow = kTextRowHeight;
constexpr double kBox = 405;
constexpr double kLeft = 120;
constexpr double kRight = 6120;
constexpr double kRightControls = 7920;
constexpr double kColumn = 5760;
// The breathing shape is drawn afresh this often (ms) between the looks.
constexpr int kFrameMs = 50;
// cboLength's two items after the presets.
constexpr int kOtherLength = -1;

PracticeSettings &settings()
{
    static PracticeSettings kept;
    return kept;
}

QComboBox *addList(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    return box;
}

QSpinBox *addSpin(QWidget *parent, const QString &name, const QString &accessibleName, int least, int most)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setAccessibleName(accessibleName);
    spin->setRange(least, most);
    return spin;
}

QCheckBox *addCheck(QWidget *parent, const QString &name, const QString &caption)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

// Whole seconds, as a clock shows them: 9:05, or 1:02:03 from an hour on.
QString clockText(qint64 seconds)
{
    const qint64 h = seconds / 3600;
    const qint64 m = seconds / 60 % 60;
    const qint64 s = seconds % 60;
    const QString mmss = QStringLiteral("%1:%2").arg(h ? QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'))
                                                       : QString::number(m))
                             .arg(s, 2, 10, QLatin1Char('0'));
    return h ? QString::number(h) + QLatin1Char(':') + mmss : mmss;
}

qint64 wholeSecondsUp(qint64 ms)
{
    return (ms + 999) / 1000;
}

} // namespace

void setPracticeSettings(PracticeSettings kept)
{
    settings() = std::move(kept);
}

PracticeScreen::PracticeScreen(QWidget *parent)
    : Form(screens::kPractice, tr("Practice"), kWidth, kHeight, parent)
{
    QWidget *area = client();

    QMenu *file = addFileMenu(menuBar());
    connect(addMenuItem(file, QStringLiteral("mnuClose"), tr("&Close")), &QAction::triggered, this,
            &PracticeScreen::cmdClose_Click);
    addSharedMenus(menuBar(), MenuCaptions::Standard, QStringLiteral("mnuMakeMoney"));

    // The chakra and its exercise.
    m_picChakra = new PictureView(area);
    m_picChakra->setObjectName(QStringLiteral("picChakra"));
    placeTwips(m_picChakra, kLeft, 120, 1440, 1440);
    m_lblChakra = new QLabel(area);
    m_lblChakra->setObjectName(QStringLiteral("lblChakra"));
    QFont heading = m_lblChakra->font();
    heading.setPointSize(heading.pointSize() + 4);
    heading.setBold(true);
    m_lblChakra->setFont(heading);
    placeTwips(m_lblChakra, 1680, 120, 4200, 420);
    m_cboChakra = addList(area, QStringLiteral("cboChakra"), tr("Chakra"));
    for (int i = 0; i < kChakraCount; ++i)
        m_cboChakra->addItem(chakraTitle(i));
    addCaption(area, tr("Ch&akra:"), m_cboChakra, 1680, 600, 900);
    placeTwips(m_cboChakra, 2580, 600, 3300, kBox);
    connect(m_cboChakra, &QComboBox::currentIndexChanged, this, &PracticeScreen::cboChakra_Click);
    m_lblSitting = new QLabel(area);
    m_lblSitting->setObjectName(QStringLiteral("lblSitting"));
    placeTwips(m_lblSitting, 1680, 1080, 4200, kRow);

    m_lblSteps = addReadout(area, QStringLiteral("lblSteps"), tr("Steps of the exercise"));
    placeTwips(m_lblSteps, kLeft, 1680, kColumn, 3000);
    m_cmdPreviousStep = addPushButton(area, QStringLiteral("cmdPreviousStep"), tr("P&revious Step"), kLeft, 4800, 1800);
    connect(m_cmdPreviousStep, &QPushButton::clicked, this, &PracticeScreen::cmdPreviousStep_Click);
    m_cmdNextStep = addPushButton(area, QStringLiteral("cmdNextStep"), tr("Ne&xt Step"), 2040, 4800, 1800);
    connect(m_cmdNextStep, &QPushButton::clicked, this, &PracticeScreen::cmdNextStep_Click);
    m_chkAllSteps = addCheck(area, QStringLiteral("chkAllSteps"), tr("Sho&w all steps at once"));
    placeTwips(m_chkAllSteps, kLeft, 5340, kColumn, kRow);

    // The choices.
    m_cboLength = addList(area, QStringLiteral("cboLength"), tr("Length"));
    for (int minutes : kPresetMinutes)
        m_cboLength->addItem(tr("%n minutes", nullptr, minutes), minutes);
    m_cboLength->addItem(tr("Other"), kOtherLength);
    m_cboLength->addItem(tr("Open-ended"), kOpenEnded);
    addCaption(area, tr("&Length:"), m_cboLength, kRight, 120, 1800);
    placeTwips(m_cboLength, kRightControls, 120, 2400, kBox);
    m_spnMinutes = addSpin(area, QStringLiteral("spnMinutes"), tr("Minutes"), kFewestMinutes, kMostMinutes);
    m_spnMinutes->setSuffix(tr(" min"));
    placeTwips(m_spnMinutes, 10440, 120, 1440, kBox);

    m_cboPreparation = addList(area, QStringLiteral("cboPreparation"), tr("Preparation"));
    for (int seconds : kPreparations)
        m_cboPreparation->addItem(seconds == 0    ? tr("None")
                                  : seconds == 60 ? tr("1 minute")
                                                  : tr("%n seconds", nullptr, seconds),
                                  seconds);
    addCaption(area, tr("&Preparation:"), m_cboPreparation, kRight, 600, 1800);
    placeTwips(m_cboPreparation, kRightControls, 600, 3960, kBox);

    m_cboInterval = addList(area, QStringLiteral("cboInterval"), tr("Interval bells"));
    for (int minutes : kIntervals)
        m_cboInterval->addItem(minutes == 0   ? tr("None")
                               : minutes == 1 ? tr("Every minute")
                                              : tr("Every %n minutes", nullptr, minutes),
                               minutes);
    addCaption(area, tr("&Interval bells:"), m_cboInterval, kRight, 1080, 1800);
    placeTwips(m_cboInterval, kRightControls, 1080, 3960, kBox);

    m_chkNoSound = addCheck(area, QStringLiteral("chkNoSound"), tr("No soun&d"));
    placeTwips(m_chkNoSound, kRight, 1560, 1800, kRow);
    m_sldVolume = new QSlider(Qt::Horizontal, area);
    m_sldVolume->setObjectName(QStringLiteral("sldVolume"));
    m_sldVolume->setAccessibleName(tr("Volume"));
    m_sldVolume->setRange(0, 100);
    m_sldVolume->setSingleStep(5);
    m_sldVolume->setPageStep(10);
    addCaption(area, tr("&Volume:"), m_sldVolume, kRightControls, 1560, 1080);
    placeTwips(m_sldVolume, 9000, 1560, 2880, kRow);

    m_cboPace = addList(area, QStringLiteral("cboPace"), tr("Chanting pace"));
    for (const Pace &pace : kPacePresets)
        //: %1 and %2 are seconds of breathing in and of chanting.
        m_cboPace->addItem(tr("Breathe in %1 s, chant %2 s").arg(pace.inhaleSeconds).arg(pace.chantSeconds));
    m_cboPace->addItem(tr("Your own"));
    addCaption(area, tr("Chantin&g pace:"), m_cboPace, kRight, 2040, 1800);
    placeTwips(m_cboPace, kRightControls, 2040, 3960, kBox);
    m_spnInhale = addSpin(area, QStringLiteral("spnInhale"), tr("Breathe in, seconds"), kShortestBreath, kLongestInhale);
    m_spnInhale->setSuffix(tr(" s"));
    addCaption(area, tr("&Breathe in:"), m_spnInhale, kRightControls, 2520, 1080);
    placeTwips(m_spnInhale, 9000, 2520, 900, kBox);
    m_spnChant = addSpin(area, QStringLiteral("spnChant"), tr("Chant, seconds"), kShortestBreath, kLongestChant);
    m_spnChant->setSuffix(tr(" s"));
    addCaption(area, tr("Cha&nt:"), m_spnChant, 10020, 2520, 900);
    placeTwips(m_spnChant, 10980, 2520, 900, kBox);

    m_chkReadAloud = addCheck(area, QStringLiteral("chkReadAloud"), tr("R&ead aloud"));
    placeTwips(m_chkReadAloud, kRight, 3000, 2700, kRow);
    m_chkLessMotion = addCheck(area, QStringLiteral("chkLessMotion"), tr("Less &motion"));
    placeTwips(m_chkLessMotion, 9000, 3000, 2880, kRow);
    m_planControls = {m_cboChakra, m_cboLength, m_spnMinutes, m_cboPreparation, m_cboInterval,
                      m_cboPace,   m_spnInhale, m_spnChant};

    // The session.
    m_lblTime = addReadout(area, QStringLiteral("lblTime"), tr("Time left"));
    QFont large = m_lblTime->font();
    large.setPointSize(large.pointSize() * 3);
    large.setBold(true);
    m_lblTime->setFont(large);
    m_lblTime->setWordWrap(false);
    m_lblTime->setAlignment(Qt::AlignCenter);
    placeTwips(m_lblTime, kRight, 3480, 3000, 900);
    m_lblPhase = addReadout(area, QStringLiteral("lblPhase"), QString());
    makeStatusControl(m_lblPhase);
    QFont phase = m_lblPhase->font();
    phase.setPointSize(phase.pointSize() + 4);
    m_lblPhase->setFont(phase);
    m_lblPhase->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    placeTwips(m_lblPhase, kRight, 4440, 3000, 1200);
    m_picBreath = new BreathShape(area);
    m_picBreath->setObjectName(QStringLiteral("picBreath"));
    m_picBreath->setAccessibleName(tr("Breathing shape"));
    placeTwips(m_picBreath, 9240, 3480, 2640, 2160);

    m_lblNotice = addReadout(area, QStringLiteral("lblNotice"), tr("What is missing"));
    placeTwips(m_lblNotice, kLeft, 5760, 11760, 600);
    m_lblNotice->hide();

    const double buttonsTop = 6480;
    m_cmdStart = addPushButton(area, QStringLiteral("cmdStart"), tr("S&tart"), kLeft, buttonsTop, 1320);
    connect(m_cmdStart, &QPushButton::clicked, this, &PracticeScreen::cmdStart_Click);
    m_cmdPause = addPushButton(area, QStringLiteral("cmdPause"), tr("Pa&use"), 1560, buttonsTop, 1320);
    connect(m_cmdPause, &QPushButton::clicked, this, &PracticeScreen::cmdPause_Click);
    m_cmdStop = addPushButton(area, QStringLiteral("cmdStop"), tr("&Stop"), 3000, buttonsTop, 1320);
    connect(m_cmdStop, &QPushButton::clicked, this, &PracticeScreen::cmdStop_Click);
    m_cmdNextChakra = addPushButton(area, QStringLiteral("cmdNextChakra"), tr("Next Cha&kra"), 4440, buttonsTop, 1800);
    connect(m_cmdNextChakra, &QPushButton::clicked, this, &PracticeScreen::cmdNextChakra_Click);
    auto *cmdClose = addPushButton(area, QStringLiteral("cmdClose"), tr("&Close"), 10680, buttonsTop, 1200);
    connect(cmdClose, &QPushButton::clicked, this, &PracticeScreen::cmdClose_Click);

    // Esc stops while a practice runs; Space pauses and resumes (keyPressEvent).
    m_stopKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_stopKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(m_stopKey, &QShortcut::activated, this, &PracticeScreen::cmdStop_Click);

    // Each look is set for the moment something changes, on the clock of the
    // desktop; the shape has frames of its own in between.
    m_tmrSession = new QTimer(this);
    m_tmrSession->setObjectName(QStringLiteral("tmrSession"));
    m_tmrSession->setTimerType(Qt::PreciseTimer);
    m_tmrSession->setSingleShot(true);
    connect(m_tmrSession, &QTimer::timeout, this, &PracticeScreen::tmrSession_Timer);
    m_tmrFrame = new QTimer(this);
    m_tmrFrame->setObjectName(QStringLiteral("tmrFrame"));
    m_tmrFrame->setInterval(kFrameMs);
    connect(m_tmrFrame, &QTimer::timeout, this, [this] {
        if (m_session && m_session->isRunning() && m_picBreath->isVisible())
            m_picBreath->setFullness(m_session->breathFullness(desktop().clockMs()));
    });

    // The choices kept from the last run.
    PracticePlan kept;
    step([&] {
        if (settings().read)
            kept = planFromStored(settings().read);
    });
    showPlan(kept);
    for (QComboBox *box : {m_cboLength, m_cboPreparation, m_cboInterval, m_cboPace})
        connect(box, &QComboBox::currentIndexChanged, this, &PracticeScreen::choice_Change);
    for (QSpinBox *spin : {m_spnMinutes, m_spnInhale, m_spnChant})
        connect(spin, &QSpinBox::valueChanged, this, &PracticeScreen::choice_Change);
    for (QCheckBox *box : {m_chkNoSound, m_chkReadAloud, m_chkLessMotion})
        connect(box, &QCheckBox::toggled, this, &PracticeScreen::choice_Change);
    connect(m_chkAllSteps, &QCheckBox::toggled, this, &PracticeScreen::chkAllSteps_Click);
    connect(m_sldVolume, &QSlider::valueChanged, this, &PracticeScreen::choice_Change);
}

PracticeScreen::~PracticeScreen() = default;

void PracticeScreen::Form_Load()
{
    placeCentredAtTop();
    // Opened from wherever, the practice has the work area to itself.
    showWelcomePanel(false);
    m_sitting = sitting();
    m_place = 0;
    const int first = m_sitting.value(0, 0);
    if (m_cboChakra->currentIndex() == first)
        cboChakra_Click();
    else
        m_cboChakra->setCurrentIndex(first);
    showButtons();
    showSession(desktop().clockMs());
}

QWidget *PracticeScreen::firstControl() const
{
    return m_cmdStart;
}

int PracticeScreen::chakra() const
{
    return std::clamp(m_cboChakra->currentIndex(), 0, kChakraCount - 1);
}

PracticePlan PracticeScreen::plan() const
{
    PracticePlan p;
    const int length = m_cboLength->currentData().toInt();
    p.minutes = length == kOtherLength ? m_spnMinutes->value() : length;
    p.preparationSeconds = m_cboPreparation->currentData().toInt();
    p.intervalMinutes = m_cboInterval->currentData().toInt();
    const int pace = m_cboPace->currentIndex();
    p.pace = pace >= 0 && pace < int(kPacePresets.size()) ? kPacePresets[std::size_t(pace)]
                                                          : Pace{m_spnInhale->value(), m_spnChant->value()};
    p.sound = !m_chkNoSound->isChecked();
    p.volumePercent = m_sldVolume->value();
    p.readAloud = m_chkReadAloud->isChecked();
    p.lessMotion = m_chkLessMotion->isChecked();
    p.allStepsAtOnce = m_chkAllSteps->isChecked();
    return p;
}

void PracticeScreen::showPlan(const PracticePlan &p)
{
    m_showingPlan = true;
    const int length = m_cboLength->findData(p.minutes);
    m_cboLength->setCurrentIndex(length >= 0 ? length : m_cboLength->findData(kOtherLength));
    m_spnMinutes->setValue(p.isOpenEnded() ? 10 : p.minutes);
    m_cboPreparation->setCurrentIndex(std::max(0, m_cboPreparation->findData(p.preparationSeconds)));
    m_cboInterval->setCurrentIndex(std::max(0, m_cboInterval->findData(p.intervalMinutes)));
    const auto preset = std::find(kPacePresets.begin(), kPacePresets.end(), p.pace);
    m_cboPace->setCurrentIndex(int(preset - kPacePresets.begin()));
    m_spnInhale->setValue(p.pace.inhaleSeconds);
    m_spnChant->setValue(p.pace.chantSeconds);
    m_chkNoSound->setChecked(!p.sound);
    m_sldVolume->setValue(p.volumePercent);
    m_chkReadAloud->setChecked(p.readAloud);
    m_chkLessMotion->setChecked(p.lessMotion);
    m_chkAllSteps->setChecked(p.allStepsAtOnce);
    m_showingPlan = false;
    showChoices();
}

void PracticeScreen::showChoices()
{
    const bool holding = m_session && !m_session->hasEnded();
    m_spnMinutes->setEnabled(!holding && m_cboLength->currentData().toInt() == kOtherLength);
    const bool ownPace = m_cboPace->currentIndex() == int(kPacePresets.size());
    m_spnInhale->setEnabled(!holding && ownPace);
    m_spnChant->setEnabled(!holding && ownPace);
    m_sldVolume->setEnabled(!m_chkNoSound->isChecked());
    m_picBreath->setVisible(!m_chkLessMotion->isChecked());
}

void PracticeScreen::choice_Change()
{
    showChoices();
    if (m_showingPlan)
        return;
    if (m_session && m_session->isRunning())
        showSession(desktop().clockMs());
    if (!settings().write)
        return;
    for (const auto &[key, value] : storedValues(plan()))
        step([&] { settings().write(key, value); });
}

void PracticeScreen::cboChakra_Click()
{
    const int index = m_sitting.indexOf(chakra());
    if (index >= 0)
        m_place = int(index);
    showChakra();
}

void PracticeScreen::showChakra()
{
    const int c = chakra();
    showPicture(m_picChakra, picturePath(picturePositionOf(c)));
    m_picChakra->setAccessibleName(chakraTitle(c));
    m_lblChakra->setText(chakraTitle(c));
    const bool inSitting = m_sitting.size() > 1 && m_sitting.value(m_place, -1) == c;
    //: %1 is the place of the chakra shown in the sitting, %2 how many chakras it holds.
    m_lblSitting->setText(inSitting ? tr("Chakra %1 of %2 in this sitting").arg(m_place + 1).arg(m_sitting.size())
                                    : QString());
    m_steps = ChakraOpeningStepList(c);
    m_step = 0;
    showSteps();
    if (!m_session)
        showSession(desktop().clockMs());
}

void PracticeScreen::showSteps()
{
    const bool all = m_chkAllSteps->isChecked();
    const int count = int(m_steps.size());
    m_step = std::clamp(m_step, 0, std::max(0, count - 1));
    setSpokenText(m_lblSteps, all ? m_steps.join(QStringLiteral("\n\n"))
                                  : tr("Step %1 of %2").arg(m_step + 1).arg(count) + QStringLiteral("\n\n")
                                        + m_steps.value(m_step));
    m_cmdPreviousStep->setVisible(!all);
    m_cmdNextStep->setVisible(!all);
    m_cmdPreviousStep->setEnabled(m_step > 0);
    m_cmdNextStep->setEnabled(m_step + 1 < count);
}

void PracticeScreen::cmdPreviousStep_Click()
{
    if (m_step <= 0)
        return;
    --m_step;
    showSteps();
    say(m_steps.value(m_step));
}

void PracticeScreen::cmdNextStep_Click()
{
    if (m_step + 1 >= m_steps.size())
        return;
    ++m_step;
    showSteps();
    say(m_steps.value(m_step));
}

void PracticeScreen::chkAllSteps_Click()
{
    showSteps();
    choice_Change();
}

QString PracticeScreen::phaseText(qint64 now) const
{
    if (!m_session)
        return tr("Ready to start");
    switch (m_session->state()) {
    case SessionState::NotStarted:
        return tr("Ready to start");
    case SessionState::Preparing:
        return tr("Get ready");
    case SessionState::Practising:
        //: %1 is the chakra's sound, as written in its exercise (LAM, VAM, ...).
        return m_session->breath(now) == Breath::In ? tr("Breathe in") : tr("Chant %1").arg(ChakraSyllable(chakra()));
    case SessionState::Paused:
        return tr("Paused");
    case SessionState::Completed:
        return tr("Completed");
    case SessionState::Stopped:
        break;
    }
    return tr("Stopped");
}

void PracticeScreen::showSession(qint64 now)
{
    const PracticeSession idle(plan());
    const PracticeSession &session = m_session ? *m_session : idle;
    const bool preparing = session.preparationLeftMs(now) > 0 && session.state() != SessionState::NotStarted;
    qint64 shown = 0;
    if (preparing) {
        m_lblTime->setAccessibleName(tr("Preparation left"));
        shown = wholeSecondsUp(session.preparationLeftMs(now));
    } else if (session.plan().isOpenEnded()) {
        m_lblTime->setAccessibleName(tr("Time practised"));
        shown = session.practisedMs(now) / 1000;
    } else {
        m_lblTime->setAccessibleName(tr("Time left"));
        shown = wholeSecondsUp(session.leftMs(now));
    }
    setSpokenText(m_lblTime, clockText(shown));

    const QString phase = phaseText(now);
    QString text = phase;
    if (m_chkLessMotion->isChecked() && session.state() == SessionState::Practising) {
        const qint64 count = wholeSecondsUp(session.breathLeftMs(now));
        text += QLatin1Char('\n') + (count == 1 ? tr("1 second") : tr("%n seconds", nullptr, int(count)));
    }
    m_lblPhase->setText(text);
    if (phase != m_phase) {
        // The name changes with the phase, so a screen reader says each one.
        m_phase = phase;
        //: %1 is the phase word ("Breathe in", "Paused", ...).
        m_lblPhase->setAccessibleName(tr("Session: %1").arg(phase));
        if (m_session && session.state() != SessionState::Preparing) {
            say(m_leadIn.isEmpty() ? phase : m_leadIn + QLatin1Char(' ') + phase);
            m_leadIn.clear();
        }
    }
    m_picBreath->setFullness(session.state() == SessionState::Practising ? session.breathFullness(now) : 0.0);
}

void PracticeScreen::showButtons()
{
    const bool holding = m_session && !m_session->hasEnded();
    const bool paused = m_session && m_session->state() == SessionState::Paused;
    m_cmdStart->setEnabled(!holding);
    m_cmdPause->setEnabled(holding);
    m_cmdPause->setText(paused ? tr("Res&ume") : tr("Pa&use"));
    m_cmdStop->setEnabled(holding);
    m_stopKey->setEnabled(holding);
    for (QWidget *w : m_planControls)
        w->setEnabled(!holding);
    const bool ended = m_session && m_session->hasEnded();
    m_cmdNextChakra->setVisible(ended && m_sitting.value(m_place, -1) == chakra() && m_place + 1 < m_sitting.size());
    showChoices();
}

void PracticeScreen::keyPressEvent(QKeyEvent *event)
{
    // Space pauses and resumes wherever the focus is on something that has no
    // use for it (the session's state, the time, the volume); a button or a
    // check box with the focus takes its Space as it always does.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && m_session
        && !m_session->hasEnded()) {
        if (!event->isAutoRepeat())
            cmdPause_Click();
        event->accept();
        return;
    }
    Form::keyPressEvent(event);
}

void PracticeScreen::ring(Bell bell)
{
    if (m_chkNoSound->isChecked() || m_soundFailed)
        return;
    QString why;
    if (!desktop().ringBell(strikesOf(bell), m_sldVolume->value(), &why)) {
        m_soundFailed = true;
        notice(tr("No bell can be rung: %1. The practice goes on in silence.").arg(why));
    }
}

void PracticeScreen::say(const QString &text)
{
    if (!m_chkReadAloud->isChecked() || m_speechFailed || text.isEmpty())
        return;
    QString why;
    if (!desktop().speak(text, &why)) {
        m_speechFailed = true;
        notice(tr("Nothing can be read aloud: %1. The practice goes on unspoken.").arg(why));
    }
}

void PracticeScreen::notice(const QString &line)
{
    // On the screen, not in a message box that would hold the practice.
    m_notices << line;
    setSpokenText(m_lblNotice, m_notices.join(QLatin1Char('\n')));
    m_lblNotice->show();
}

void PracticeScreen::cmdStart_Click()
{
    if (isUnloaded() || (m_session && !m_session->hasEnded()))
        return;
    m_session = std::make_unique<PracticeSession>(plan());
    m_phase.clear();
    m_finished = false;
    m_startedAt = desktop().now();
    m_session->start(desktop().clockMs());
    showButtons();
    // The steps are read out while the user gets ready; with no time to get
    // ready, they lead in to the first phase, which would cut them short.
    m_leadIn = m_steps.join(QLatin1Char(' '));
    if (m_session->plan().preparationSeconds > 0) {
        say(m_leadIn);
        m_leadIn.clear();
    }
    m_cmdPause->setFocus(Qt::OtherFocusReason);
    tmrSession_Timer();
    if (m_session && m_session->isRunning())
        m_tmrFrame->start();
}

void PracticeScreen::cmdPause_Click()
{
    if (!m_session || m_session->hasEnded())
        return;
    const qint64 now = desktop().clockMs();
    if (m_session->state() == SessionState::Paused) {
        m_session->resume(now);
    } else {
        // The bells and time up to the pause are taken first.
        tmrSession_Timer();
        if (!m_session->isRunning())
            return;
        m_session->pause(now);
        m_tmrSession->stop();
    }
    showButtons();
    tmrSession_Timer();
}

void PracticeScreen::cmdStop_Click()
{
    if (!m_session || m_session->hasEnded())
        return;
    const qint64 now = desktop().clockMs();
    if (m_session->isRunning())
        tmrSession_Timer();
    if (m_session->hasEnded())
        return;
    m_session->stop(now);
    tmrSession_Timer();
}

void PracticeScreen::tmrSession_Timer()
{
    if (!m_session || m_session->state() == SessionState::NotStarted)
        return;
    const qint64 now = desktop().clockMs();
    for (Bell bell : m_session->advance(now))
        step([&] { ring(bell); });
    step([&] { showSession(now); });
    if (m_session->hasEnded()) {
        if (!m_finished)
            finish();
        return;
    }
    if (m_session->isRunning())
        m_tmrSession->start(int(std::clamp<qint64>(m_session->nextChangeAt(now) - now, 1, 1000)));
}

void PracticeScreen::finish()
{
    m_finished = true;
    m_tmrSession->stop();
    m_tmrFrame->stop();
    const qint64 now = desktop().clockMs();
    FinishedPractice done;
    done.chakra = chakra();
    done.startedAt = m_startedAt;
    done.plannedMinutes = m_session->plan().minutes;
    done.practisedSeconds = m_session->practisedMs(now) / 1000;
    done.completed = m_session->state() == SessionState::Completed;
    done.pace = m_session->plan().pace;
    step([&] { keepPractice(done); });
    showButtons();
    const bool last = m_sitting.size() > 1 && m_sitting.value(m_place, -1) == chakra() && m_place + 1 == m_sitting.size();
    if (last)
        m_lblSitting->setText(tr("The sitting is done."));
    if (isUnloaded())
        return;
    if (m_cmdNextChakra->isVisible())
        m_cmdNextChakra->setFocus(Qt::OtherFocusReason);
    else
        m_cmdStart->setFocus(Qt::OtherFocusReason);
}

void PracticeScreen::cmdNextChakra_Click()
{
    if (!m_session || !m_session->hasEnded() || m_place + 1 >= m_sitting.size())
        return;
    m_session.reset();
    m_phase.clear();
    ++m_place;
    m_cboChakra->setCurrentIndex(m_sitting[m_place]);
    showButtons();
    showSession(desktop().clockMs());
    m_cmdStart->setFocus(Qt::OtherFocusReason);
}

void PracticeScreen::cmdClose_Click()
{
    unload();
}

void PracticeScreen::Form_Unload()
{
    // A practice still running when the screen closes is stopped, and kept.
    step([this] {
        if (m_session && !m_session->hasEnded() && m_session->state() != SessionState::NotStarted) {
            m_session->stop(desktop().clockMs());
            tmrSession_Timer();
        }
    });
    m_tmrSession->stop();
    m_tmrFrame->stop();
    if (m_chkReadAloud->isChecked() && !m_speechFailed)
        step([] { desktop().stopSpeaking(); });
    // Back on the welcome panel unless another program screen is still open.
    if (!otherScreensOpen())
        showWelcomePanel(true);
}

} // namespace padmora
