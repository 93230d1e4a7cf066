// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recordingdesktop.h"

#include <QDialog>

namespace padmora::testing {

namespace {
// Minutes of the clock handed out so far in this run.
qint64 g_minutesHandedOut = 0;
} // namespace

RecordingDesktop::RecordingDesktop() : m_previous(nullptr)
{
    nowValue = QDateTime(todayValue, QTime(9, 0), Qt::UTC).addSecs(60 * g_minutesHandedOut);
    setDesktop(this);
}

RecordingDesktop::~RecordingDesktop()
{
    setDesktop(nullptr);
}

void RecordingDesktop::openUrl(const QUrl &url)
{
    opened.append(url);
    log.append(QStringLiteral("open ") + url.toString());
}

MessageAnswer RecordingDesktop::message(const QString &text, MessageIcon icon, MessageButtons buttons,
                                        const QString &title)
{
    const ShownMessage shown{text, icon, buttons, title};
    messages.append(shown);
    log.append(QStringLiteral("message ") + text);
    if (onMessage)
        onMessage(shown);
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.isEmpty())
        return buttons == MessageButtons::RetryCancel ? MessageAnswer::Cancel : MessageAnswer::No;
    return answers.takeFirst();
}

int RecordingDesktop::execModal(QDialog &dialog)
{
    modals.append({dialog.objectName(), dialog.windowTitle(), dialog.isModal()});
    log.append(QStringLiteral("modal ") + dialog.objectName());
    return onModal ? onModal(dialog) : int(QDialog::Accepted);
}

QString RecordingDesktop::chooseSaveFile(const QString &caption, const QString &proposed, const QString &filter)
{
    fileQuestions.append({caption, proposed, filter});
    log.append(QStringLiteral("save file ") + caption);
    return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
}

QString RecordingDesktop::chooseOpenFile(const QString &caption, const QString &folder, const QString &filter)
{
    fileQuestions.append({caption, folder, filter});
    log.append(QStringLiteral("open file ") + caption);
    return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
}

void RecordingDesktop::clearOwnClipboard()
{
    ++clipboardClears;
}

StoredValue RecordingDesktop::readSetting(const QString &section, const QString &key)
{
    StoredValue v;
    v.readable = storeReadable;
    log.append(QStringLiteral("read ") + section + QLatin1Char('/') + key);
    if (!storeReadable)
        return v;
    const auto it = store.constFind(section + QLatin1Char('/') + key);
    if (it != store.constEnd())
        v.value = it.value();
    return v;
}

bool RecordingDesktop::writeSetting(const QString &section, const QString &key, const QString &value)
{
    if (!storeWritable)
        return false;
    store.insert(section + QLatin1Char('/') + key, value);
    log.append(QStringLiteral("write ") + section + QLatin1Char('/') + key);
    return true;
}

QDate RecordingDesktop::today()
{
    return todayValue;
}

QDateTime RecordingDesktop::now()
{
    if (!scriptedNow.isEmpty())
        return scriptedNow.takeFirst();
    const QDateTime moment = nowValue;
    nowValue = nowValue.addSecs(60);
    ++g_minutesHandedOut;
    return moment;
}

qint64 RecordingDesktop::clockMs()
{
    return clockValue;
}

bool RecordingDesktop::ringBell(int strikes, int volumePercent, QString *why)
{
    log << QStringLiteral("bell %1 at %2").arg(strikes).arg(volumePercent);
    if (!soundMissing.isEmpty()) {
        if (why)
            *why = soundMissing;
        return false;
    }
    bells.append({strikes, volumePercent});
    return true;
}

bool RecordingDesktop::speak(const QString &text, QString *why)
{
    log << QStringLiteral("speak ") + text;
    if (!speechMissing.isEmpty()) {
        if (why)
            *why = speechMissing;
        return false;
    }
    spoken << text;
    return true;
}

void RecordingDesktop::stopSpeaking()
{
    ++speechStops;
}

void RecordingDesktop::seedFromClock()
{
    ++seeds;
}

double RecordingDesktop::uniform()
{
    if (!scriptedUniform.isEmpty())
        return scriptedUniform.takeFirst();
    return std::uniform_real_distribution<double>(0.0, 1.0)(random);
}

bool RecordingDesktop::claimSingleInstance()
{
    return !anotherCopyRunning;
}

} // namespace padmora::testing
