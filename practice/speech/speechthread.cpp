// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/speech/speechthread.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QList>
#include <QObject>
#include <QThread>

#include <optional>

namespace padmora {

// What the caller and the engine's thread share. The jobs on the thread hold
// it too, so that it outlives a SpeechThread whose engine never answered.
struct SpeechThread::Shared {
    MakeEngine makeEngine;
    // Lives on the engine's thread: the jobs run there.
    QObject context;
    // Touched on the engine's thread alone.
    std::unique_ptr<SpeechEngine> engine;

    QMutex mutex;
    std::optional<QString> waiting;  // the latest text not yet handed to the engine
    quint64 latest = 0;              // the number of the caller's latest say or stop
    QString problem;                 // why the engine cannot speak, once it has said so
};

SpeechThread::SpeechThread(MakeEngine makeEngine) : m_shared(std::make_shared<Shared>())
{
    m_shared->makeEngine = std::move(makeEngine);
}

namespace {

// The threads that run, ended before the application object goes: an
// engine must not outlive the application it belongs to.
QMutex g_runningMutex;
QList<SpeechThread *> g_running;

void endRunning()
{
    QMutexLocker lock(&g_runningMutex);
    const QList<SpeechThread *> running = g_running;
    lock.unlock();
    for (SpeechThread *thread : running)
        thread->end();
}

} // namespace

SpeechThread::~SpeechThread()
{
    end();
}

void SpeechThread::end()
{
    if (!m_thread)
        return;
    {
        QMutexLocker lock(&g_runningMutex);
        g_running.removeAll(this);
    }
    // The engine goes on its own thread, and the thread ends after it.
    post([](Shared &shared) {
        shared.engine.reset();
        QThread::currentThread()->quit();
    });
    // An engine that never answered keeps its thread: it is left to the
    // end of the program rather than waited for.
    if (m_thread->wait(2000))
        delete m_thread;
    m_thread = nullptr;
}

void SpeechThread::post(std::function<void(Shared &)> job)
{
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("speech"));
        m_shared->context.moveToThread(m_thread);
        m_thread->start();
        QMutexLocker lock(&g_runningMutex);
        if (g_running.isEmpty())
            qAddPostRoutine(endRunning);
        g_running << this;
    }
    QMetaObject::invokeMethod(
        &m_shared->context,
        [shared = m_shared, job = std::move(job)] {
            // The engine, made at the first job that needs it: this may take
            // long, and the caller does not wait for it.
            if (!shared->engine && shared->makeEngine) {
                shared->engine = std::exchange(shared->makeEngine, nullptr)();
                if (!shared->engine) {
                    QMutexLocker lock(&shared->mutex);
                    shared->problem = QCoreApplication::translate("Practice", "the speech engine cannot be started");
                }
            }
            if (shared->engine) {
                const QString problem = shared->engine->problem();
                QMutexLocker lock(&shared->mutex);
                shared->problem = problem;
            }
            job(*shared);
        },
        Qt::QueuedConnection);
}

bool SpeechThread::say(const QString &text, QString *why)
{
    {
        QMutexLocker lock(&m_shared->mutex);
        if (!m_shared->problem.isEmpty()) {
            if (why)
                *why = m_shared->problem;
            return false;
        }
        m_shared->waiting = text;
        ++m_shared->latest;
    }
    post([](Shared &shared) {
        std::optional<QString> text;
        {
            QMutexLocker lock(&shared.mutex);
            if (!shared.problem.isEmpty())
                return;
            text = std::exchange(shared.waiting, std::nullopt);
        }
        if (text && shared.engine)
            shared.engine->say(*text);
    });
    return true;
}

void SpeechThread::stop()
{
    quint64 serial = 0;
    {
        QMutexLocker lock(&m_shared->mutex);
        m_shared->waiting.reset();
        serial = ++m_shared->latest;
    }
    // Nothing to stop before the first text.
    if (!m_thread)
        return;
    post([serial](Shared &shared) {
        QMutexLocker lock(&shared.mutex);
        // A text asked for after this stop cuts short what is read by itself,
        // and is not to be cut short in turn.
        const bool stops = shared.problem.isEmpty() && shared.latest == serial;
        lock.unlock();
        if (stops && shared.engine)
            shared.engine->stop();
    });
}

} // namespace padmora
