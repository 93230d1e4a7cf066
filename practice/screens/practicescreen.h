// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmPractice, "Practice": a guided practice of a chakra's exercise. The
// chakra's picture, title and steps; the choices of length, preparation,
// bells, sound, chanting pace, read-aloud and motion; and the session as it
// runs, timed by the desktop's clock, with its bells, its time shown large
// and its phase in words beside a shape that breathes. A practice that ends
// is handed to whoever keeps them, and the sitting's next chakra offered.
//
// Controls: picChakra, lblChakra, cboChakra, lblSitting; lblSteps with
// cmdPreviousStep, cmdNextStep and chkAllSteps; cboLength with spnMinutes,
// cboPreparation, cboInterval, chkNoSound, sldVolume, cboPace with
// spnInhale and spnChant, chkReadAloud, chkLessMotion; lblTime, picBreath,
// lblPhase (the session's state, named for a screen reader), lblNotice;
// cmdStart, cmdPause (Space), cmdStop (Esc), cmdNextChakra, cmdClose; the
// timer tmrSession.

#include "kit/form.h"
#include "practice/practiceplan.h"
#include "practice/practicesession.h"

#include <QDateTime>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QShortcut;
class QSlider;
class QSpinBox;
class QTimer;

namespace padmora {

class BreathShape;
class PictureView;

// Where the practice's choices are kept between runs: read gives a kept
// value (nullopt when there is none), write keeps one. The shell names the
// settings store at start-up; until then the choices are not kept.
struct PracticeSettings {
    std::function<std::optional<QString>(const QString &key)> read;
    std::function<bool(const QString &key, const QString &value)> write;
};
void setPracticeSettings(PracticeSettings settings);

class PracticeScreen : public Form {
    Q_OBJECT
public:
    explicit PracticeScreen(QWidget *parent = nullptr);
    ~PracticeScreen() override;

    void Form_Load() override;
    QWidget *firstControl() const override;

    void cboChakra_Click();
    void cmdPreviousStep_Click();
    void cmdNextStep_Click();
    void chkAllSteps_Click();
    // Any of the choices changed: the controls that depend on it follow,
    // and the choices are kept.
    void choice_Change();
    void cmdStart_Click();
    void cmdPause_Click();
    void cmdStop_Click();
    void cmdNextChakra_Click();
    void cmdClose_Click();
    // The session is looked at: bells rung, time and phase shown, the next look set.
    void tmrSession_Timer();

    // The plan the choices on show make.
    practice::PracticePlan plan() const;
    int chakra() const;

protected:
    void Form_Unload() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showPlan(const practice::PracticePlan &plan);
    // Which choices may change now, and the shape shown or not.
    void showChoices();
    void showChakra();
    void showSteps();
    void showSession(qint64 now);
    void showButtons();
    void ring(practice::Bell bell);
    void say(const QString &text);
    void notice(const QString &line);
    void finish();
    QString phaseText(qint64 now) const;

    PictureView *m_picChakra = nullptr;
    QLabel *m_lblChakra = nullptr;
    QComboBox *m_cboChakra = nullptr;
    QLabel *m_lblSitting = nullptr;
    QLabel *m_lblSteps = nullptr;
    QPushButton *m_cmdPreviousStep = nullptr;
    QPushButton *m_cmdNextStep = nullptr;
    QCheckBox *m_chkAllSteps = nullptr;
    QComboBox *m_cboLength = nullptr;
    QSpinBox *m_spnMinutes = nullptr;
    QComboBox *m_cboPreparation = nullptr;
    QComboBox *m_cboInterval = nullptr;
    QCheckBox *m_chkNoSound = nullptr;
    QSlider *m_sldVolume = nullptr;
    QComboBox *m_cboPace = nullptr;
    QSpinBox *m_spnInhale = nullptr;
    QSpinBox *m_spnChant = nullptr;
    QCheckBox *m_chkReadAloud = nullptr;
    QCheckBox *m_chkLessMotion = nullptr;
    QList<QWidget *> m_planControls;  // those a running session holds still
    QLabel *m_lblTime = nullptr;
    BreathShape *m_picBreath = nullptr;
    QLabel *m_lblPhase = nullptr;
    QLabel *m_lblNotice = nullptr;
    QPushButton *m_cmdStart = nullptr;
    QPushButton *m_cmdPause = nullptr;
    QPushButton *m_cmdStop = nullptr;
    QPushButton *m_cmdNextChakra = nullptr;
    QShortcut *m_stopKey = nullptr;
    QTimer *m_tmrSession = nullptr;
    QTimer *m_tmrFrame = nullptr;  // the shape's frames between looks

    QList<int> m_sitting;  // the chakras of this sitting, one after another
    int m_place = 0;       // which of them is on show
    QStringList m_steps;
    int m_step = 0;
    std::unique_ptr<practice::PracticeSession> m_session;
    QDateTime m_startedAt;
    QString m_phase;        // the phase last shown, spoken and named
    QString m_leadIn;       // the steps, still to be read before the first phase
    QStringList m_notices;  // what is missing, each told once
    bool m_finished = false;  // the session's end was handled
    bool m_soundFailed = false;
    bool m_speechFailed = false;
    bool m_showingPlan = false;
};

} // namespace padmora
