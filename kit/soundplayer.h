// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bells of a practice live in the module "sound" (libpadmora-sound.so),
// so that only a run that rings one loads Qt Multimedia. The module holds
// the bells themselves, synthesised at build time (tools/makebells.cpp).

#include <QString>
#include <QtPlugin>

namespace padmora {

// What the module's root object implements (kit/modules.h).
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Rings the bell struck `strikes` times (1 to 3) at a volume from 0 to
    // 100, without waiting for it; false, with why, when it cannot be heard
    // (no audio device, say).
    virtual bool ring(int strikes, int volumePercent, QString *why) = 0;
};

inline const QString kSoundModuleName = QStringLiteral("sound");

} // namespace padmora

// The interface's id, with its version: any change to SoundPlayer takes the
// next one, and a module built for another is not loaded.
#define PADMORA_SOUND_PLAYER_IID "org.padmora.SoundPlayer/1"
Q_DECLARE_INTERFACE(padmora::SoundPlayer, PADMORA_SOUND_PLAYER_IID)
