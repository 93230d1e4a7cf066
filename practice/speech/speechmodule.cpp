// SPDX-License-Identifier: GPL-3.0-or-later
// The module "speech" (see kit/speaker.h): Qt TextToSpeech's default engine
// (speech-dispatcher on Debian), made at the first text on a thread of its
// own (practice/speech/speechthread.h).
#include "kit/speaker.h"
#include "practice/speech/speechthread.h"

#include <QCoreApplication>
#include <QObject>
#include <QTextToSpeech>
#include <QtPlugin>

#include <memory>

namespace padmora {

namespace {

class QtSpeechEngine final : public SpeechEngine {
public:
    QtSpeechEngine()
    {
        // Without an engine Qt would make an object that can do nothing.
        if (QTextToSpeech::availableEngines().isEmpty())
            m_problem = QCoreApplication::translate("Practice", "no speech engine is installed");
        else
            m_speech = std::make_unique<QTextToSpeech>();  // may take long: speech-dispatcher starts
    }

    QString problem() const override
    {
        if (!m_problem.isEmpty())
            return m_problem;
        if (m_speech->state() == QTextToSpeech::Error) {
            const QString detail = m_speech->errorString();
            return detail.isEmpty()
                       ? QCoreApplication::translate("Practice", "the speech engine does not answer")
                       : QCoreApplication::translate("Practice", "the speech engine does not answer (%1)").arg(detail);
        }
        if (m_speech->availableVoices().isEmpty())
            return QCoreApplication::translate("Practice", "the speech engine has no voice");
        return QString();
    }

    void say(const QString &text) override
    {
        m_speech->stop();
        m_speech->say(text);
    }

    void stop() override { m_speech->stop(); }

private:
    QString m_problem;
    std::unique_ptr<QTextToSpeech> m_speech;
};

} // namespace

class QtSpeaker final : public QObject, public Speaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PADMORA_SPEAKER_IID)
    Q_INTERFACES(padmora::Speaker)

public:
    bool say(const QString &text, QString *why) override { return m_thread.say(text, why); }
    void stop() override { m_thread.stop(); }

private:
    SpeechThread m_thread{[] { return std::make_unique<QtSpeechEngine>(); }};
};

} // namespace padmora

#include "speechmodule.moc"
