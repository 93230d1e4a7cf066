// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading aloud lives in the module "speech" (libpadmora-speech.so), so that
// only a run that reads aloud loads Qt TextToSpeech.

#include <QString>
#include <QtPlugin>

namespace padmora {

// What the module's root object implements (kit/modules.h).
class Speaker {
public:
    virtual ~Speaker() = default;
    // Reads a text aloud, cutting short what is still being read, and
    // returns at once: the speech engine starts at the first text, on a
    // thread of its own, and may take seconds or never answer. False, with
    // why, once the engine has said that it cannot speak.
    virtual bool say(const QString &text, QString *why) = 0;
    // Cuts short what is being read, and what is still waiting to be.
    virtual void stop() = 0;
};

inline const QString kSpeechModuleName = QStringLiteral("speech");

} // namespace padmora

// The interface's id, with its version: any change to Speaker takes the
// next one, and a module built for another is not loaded.
#define PADMORA_SPEAKER_IID "org.padmora.Speaker/1"
Q_DECLARE_INTERFACE(padmora::Speaker, PADMORA_SPEAKER_IID)
