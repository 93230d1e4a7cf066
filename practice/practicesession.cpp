// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practicesession.h"

#include <algorithm>

namespace padmora::practice {

int strikesOf(Bell bell)
{
    switch (bell) {
    case Bell::Start:
        return 1;
    case Bell::Interval:
        return 2;
    case Bell::End:
        break;
    }
    return 3;
}

PracticeSession::PracticeSession(const PracticePlan &plan) : m_plan(plan) {}

void PracticeSession::start(qint64 now)
{
    if (m_state != SessionState::NotStarted)
        return;
    m_startedAt = now;
    m_lastLook = now;
    m_lastActive = -1;
    m_state = SessionState::Preparing;
}

void PracticeSession::pause(qint64 now)
{
    if (!isRunning())
        return;
    m_pausedAt = now;
    m_state = SessionState::Paused;
}

void PracticeSession::resume(qint64 now)
{
    if (m_state != SessionState::Paused)
        return;
    m_pausedFor += now - m_pausedAt;
    // A pause, however long, is no sleep.
    m_lastLook = now;
    m_state = activeMs(now) < preparationMs() ? SessionState::Preparing : SessionState::Practising;
}

void PracticeSession::stop(qint64 now)
{
    if (m_state == SessionState::NotStarted || hasEnded())
        return;
    if (m_state == SessionState::Paused)
        resume(now);
    m_pausedAt = now;  // the clock stands still from here
    m_state = SessionState::Stopped;
}

qint64 PracticeSession::activeMs(qint64 now) const
{
    if (m_state == SessionState::NotStarted)
        return 0;
    const qint64 until = m_state == SessionState::Paused || m_state == SessionState::Stopped ? m_pausedAt : now;
    qint64 active = until - m_startedAt - m_pausedFor;
    if (m_state == SessionState::Completed || (!m_plan.isOpenEnded() && active > preparationMs() + lengthMs()))
        active = preparationMs() + lengthMs();
    return std::max<qint64>(0, active);
}

std::optional<std::pair<qint64, Bell>> PracticeSession::bellAfter(qint64 t) const
{
    const qint64 begin = preparationMs();
    if (t < begin)
        return std::pair{begin, Bell::Start};
    const qint64 end = begin + lengthMs();
    if (intervalMs() > 0) {
        const qint64 next = begin + ((t - begin) / intervalMs() + 1) * intervalMs();
        if (m_plan.isOpenEnded() || next < end)
            return std::pair{next, Bell::Interval};
    }
    if (!m_plan.isOpenEnded() && t < end)
        return std::pair{end, Bell::End};
    return std::nullopt;
}

QList<Bell> PracticeSession::advance(qint64 now)
{
    QList<Bell> due;
    if (!isRunning())
        return due;
    const qint64 to = activeMs(now);
    const bool slept = now - m_lastLook > kLongestGap;
    for (auto bell = bellAfter(m_lastActive); bell && bell->first <= to; bell = bellAfter(bell->first))
        if (!slept || bell->second == Bell::End)
            due << bell->second;
    m_lastActive = to;
    m_lastLook = now;
    if (!m_plan.isOpenEnded() && to >= preparationMs() + lengthMs())
        m_state = SessionState::Completed;
    else if (to >= preparationMs())
        m_state = SessionState::Practising;
    return due;
}

qint64 PracticeSession::practisedMs(qint64 now) const
{
    return std::max<qint64>(0, activeMs(now) - preparationMs());
}

qint64 PracticeSession::leftMs(qint64 now) const
{
    if (m_plan.isOpenEnded())
        return -1;
    return std::max<qint64>(0, lengthMs() - practisedMs(now));
}

qint64 PracticeSession::preparationLeftMs(qint64 now) const
{
    return std::max<qint64>(0, preparationMs() - activeMs(now));
}

Breath PracticeSession::breath(qint64 now) const
{
    const qint64 inhale = qint64(m_plan.pace.inhaleSeconds) * 1000;
    const qint64 cycle = inhale + qint64(m_plan.pace.chantSeconds) * 1000;
    return practisedMs(now) % cycle < inhale ? Breath::In : Breath::Chant;
}

qint64 PracticeSession::breathLeftMs(qint64 now) const
{
    const qint64 inhale = qint64(m_plan.pace.inhaleSeconds) * 1000;
    const qint64 cycle = inhale + qint64(m_plan.pace.chantSeconds) * 1000;
    const qint64 at = practisedMs(now) % cycle;
    return at < inhale ? inhale - at : cycle - at;
}

double PracticeSession::breathFullness(qint64 now) const
{
    const qint64 inhale = qint64(m_plan.pace.inhaleSeconds) * 1000;
    const qint64 chant = qint64(m_plan.pace.chantSeconds) * 1000;
    const qint64 at = practisedMs(now) % (inhale + chant);
    return at < inhale ? double(at) / double(inhale) : 1.0 - double(at - inhale) / double(chant);
}

qint64 PracticeSession::nextChangeAt(qint64 now) const
{
    if (!isRunning())
        return -1;
    const qint64 active = activeMs(now);
    // The shown clock turns over at each whole second of the active time.
    qint64 wait = 1000 - active % 1000;
    if (const auto bell = bellAfter(active))
        wait = std::min(wait, bell->first - active);
    if (active >= preparationMs())
        wait = std::min(wait, breathLeftMs(now));
    return now + std::max<qint64>(1, wait);
}

} // namespace padmora::practice
