// SPDX-License-Identifier: GPL-3.0-or-later
// The module "sound" (see kit/soundplayer.h): the bells, compiled into it as
// resources, rung with Qt Multimedia's QSoundEffect on the default audio
// output.
#include "kit/soundplayer.h"

#include <QAudio>
#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>
#include <QtPlugin>

#include <algorithm>
#include <array>

namespace padmora {

class QtSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PADMORA_SOUND_PLAYER_IID)
    Q_INTERFACES(padmora::SoundPlayer)

public:
    bool ring(int strikes, int volumePercent, QString *why) override
    {
        const auto cannot = [why](const QString &reason) {
            if (why)
                *why = reason;
            return false;
        };
        if (strikes < 1 || strikes > int(m_bells.size()))
            return cannot(QCoreApplication::translate("Practice", "there is no bell of %n strikes", nullptr, strikes));
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull())
            return cannot(QCoreApplication::translate("Practice", "there is no audio device to ring the bells on"));
        QSoundEffect *&bell = m_bells[std::size_t(strikes - 1)];
        if (bell && bell->status() == QSoundEffect::Error) {
            // Tried again with a fresh one next time: the device may come back.
            bell->deleteLater();
            bell = nullptr;
            return cannot(QCoreApplication::translate("Practice", "the bells cannot be played on %1")
                              .arg(output.description()));
        }
        if (!bell || bell->audioDevice() != output) {
            delete bell;
            bell = new QSoundEffect(output, this);
            bell->setSource(QUrl(QStringLiteral("qrc:/padmora/bells/bell-%1.wav").arg(strikes)));
        }
        // The volume as the ear hears it, on the linear scale the sound takes.
        bell->setVolume(float(QAudio::convertVolume(std::clamp(volumePercent, 0, 100) / 100.0,
                                                    QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale)));
        // Played as soon as it is loaded, when this is its first ring.
        bell->play();
        return true;
    }

private:
    std::array<QSoundEffect *, 3> m_bells{};
};

} // namespace padmora

#include "soundmodule.moc"
