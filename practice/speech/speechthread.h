// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A speech engine kept on a thread of its own. Making an engine can take
// seconds, and one whose service never answers can block for ever; none of
// that may hold the caller (the window, a practice's timer), which only ever
// hands texts over and goes on.

#include <QString>

#include <functional>
#include <memory>

class QThread;

namespace padmora {

// The engine a SpeechThread drives: made, used and destroyed on its thread
// alone.
class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Empty while it can speak, else why it cannot.
    virtual QString problem() const = 0;
    // Reads the text, cutting short what it was reading.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
};

class SpeechThread {
public:
    using MakeEngine = std::function<std::unique_ptr<SpeechEngine>()>;

    // The engine is made at the first text, not before.
    explicit SpeechThread(MakeEngine makeEngine);
    ~SpeechThread();
    SpeechThread(const SpeechThread &) = delete;
    SpeechThread &operator=(const SpeechThread &) = delete;

    // Hands the text to the engine and returns at once. A text that the
    // engine has not begun when the next comes is never read: only the
    // latest is. False, with why, when the engine has said it cannot speak.
    bool say(const QString &text, QString *why);
    // Cuts short what is being read and forgets what waits.
    void stop();
    // Ends the thread, with its engine; at the latest when the application
    // object goes.
    void end();

    struct Shared;

private:
    void post(std::function<void(Shared &)> job);

    std::shared_ptr<Shared> m_shared;
    QThread *m_thread = nullptr;
};

} // namespace padmora
