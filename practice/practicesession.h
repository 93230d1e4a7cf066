// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One guided practice as it runs: the preparation, then the practice with
// its start, interval and end bells and the chanting pace, paused, resumed
// or stopped at the user's word.
//
// Time comes only from the moments the caller hands in: readings of a clock
// that runs on while the computer sleeps, in milliseconds. Nothing counts
// timer ticks, so a bell is due at its moment however late or often the
// caller looks, and none drifts. After a gap longer than kLongestGap (the
// computer slept) the time shown is the time that passed, and the bells
// that fell inside the gap are not all rung at once: only the end bell, once.

#include "practice/practiceplan.h"

#include <QList>
#include <QtGlobal>

namespace padmora::practice {

// Distinguishable by ear: one, two and three strikes.
enum class Bell { Start, Interval, End };
int strikesOf(Bell bell);

// The phase of the chanting pace: breathe in, then chant on the out-breath.
enum class Breath { In, Chant };

enum class SessionState {
    NotStarted,
    Preparing,   // before the first bell
    Practising,
    Paused,
    Completed,   // the planned length ran out
    Stopped,     // stopped by the user
};

// Longer than this between two looks, the computer was asleep.
inline constexpr qint64 kLongestGap = 5000;

class PracticeSession {
public:
    explicit PracticeSession(const PracticePlan &plan);

    const PracticePlan &plan() const { return m_plan; }
    SessionState state() const { return m_state; }
    bool isRunning() const { return m_state == SessionState::Preparing || m_state == SessionState::Practising; }
    bool hasEnded() const { return m_state == SessionState::Completed || m_state == SessionState::Stopped; }

    void start(qint64 now);
    void pause(qint64 now);
    void resume(qint64 now);
    void stop(qint64 now);

    // Brings the session to now: the bells due since the last look, in order.
    QList<Bell> advance(qint64 now);

    // The practice so far, after the preparation and without pauses.
    qint64 practisedMs(qint64 now) const;
    // What is left of the planned length; -1 when open-ended.
    qint64 leftMs(qint64 now) const;
    // What is left of the preparation; 0 once the practice runs.
    qint64 preparationLeftMs(qint64 now) const;

    Breath breath(qint64 now) const;
    // What is left of the phase, and how full the breath is: 0 empty to 1
    // full, growing while breathing in and shrinking while chanting.
    qint64 breathLeftMs(qint64 now) const;
    double breathFullness(qint64 now) const;

    // The next moment anything shown or heard changes: a bell, a phase of
    // the pace, a second of the clock; the caller looks again then.
    qint64 nextChangeAt(qint64 now) const;

private:
    qint64 activeMs(qint64 now) const;  // since start, without pauses
    qint64 preparationMs() const { return qint64(m_plan.preparationSeconds) * 1000; }
    qint64 lengthMs() const { return qint64(m_plan.minutes) * 60000; }
    qint64 intervalMs() const { return qint64(m_plan.intervalMinutes) * 60000; }
    // The first bell due after active time t, with its moment; none past the end.
    std::optional<std::pair<qint64, Bell>> bellAfter(qint64 t) const;

    PracticePlan m_plan;
    SessionState m_state = SessionState::NotStarted;
    qint64 m_startedAt = 0;
    qint64 m_pausedAt = 0;
    qint64 m_pausedFor = 0;
    qint64 m_lastActive = -1;  // the active time of the last look
    qint64 m_lastLook = 0;     // the clock at the last look
};

} // namespace padmora::practice
