// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/qtdesktop.h"

#include "kit/linebreak.h"
#include "kit/modules.h"
#include "kit/soundplayer.h"
#include "kit/speaker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <chrono>
#include <ctime>
#include <cstdlib>
#include <random>

#include <unistd.h>

namespace padmora {

namespace {

// Padmora keeps one short value in its store. A store file far larger than
// that is not Padmora's own; reading (and rewriting) it would hold up every
// start for seconds, so it is left alone as unreadable.
constexpr qint64 kLargestStore = 1 << 20;

bool storeTooLarge()
{
    const QFileInfo file(QtDesktop::storeFilePath());
    return file.exists() && file.size() > kLargestStore;
}

// A lock older than this whose owner cannot be read was left by a copy that
// died while creating it (a live creator writes its owner at once).
constexpr qint64 kUnreadableLockAge = 2000;

QRandomGenerator &generator()
{
    static QRandomGenerator g(1u);
    return g;
}

// The extension of a name filter's first pattern: "pdf" for "PDF files (*.pdf)".
QString suffixOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

// True when the file system of the file's folder cannot take a name that long.
bool nameTooLong(const QFileInfo &file)
{
    const long most = ::pathconf(QFile::encodeName(file.absolutePath()).constData(), _PC_NAME_MAX);
    return most > 0 && QFile::encodeName(file.fileName()).size() > most;
}

// The dialog for a file to write. Qt's own refuses a name longer than the
// folder's file system takes without a word, and stays open; this one lets
// such a name through, so that the writer says why it cannot be written.
class SaveDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // The name let through, when it was one of those.
    QString tooLong;

protected:
    void accept() override
    {
        const QStringList files = selectedFiles();
        const QFileInfo file(files.value(0));
        if (files.size() == 1 && !file.exists() && nameTooLong(file)) {
            tooLong = files.first();
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }
};

} // namespace

void QtDesktop::openUrl(const QUrl &url)
{
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

MessageAnswer QtDesktop::message(const QString &text, MessageIcon icon, MessageButtons buttons,
                                 const QString &title)
{
    // A bare carriage return separates lines in Padmora's texts; the message
    // box breaks lines only at line feeds.
    QString shown = text;
    shown.replace(kCrLf, QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox::StandardButtons offered = QMessageBox::Ok;
    if (buttons == MessageButtons::YesNo)
        offered = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == MessageButtons::RetryCancel)
        offered = QMessageBox::Retry | QMessageBox::Cancel;
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    title, shown, offered, QApplication::activeWindow());
    if (buttons == MessageButtons::RetryCancel) {
        box.button(QMessageBox::Retry)->setText(QCoreApplication::translate("Desktop", "&Try Again"));
        box.setDefaultButton(QMessageBox::Retry);
    }
    const int answer = box.exec();
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::RetryCancel:
        return answer == QMessageBox::Retry ? MessageAnswer::Retry : MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        break;
    }
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

int QtDesktop::execModal(QDialog &dialog)
{
    return dialog.exec();
}

QString QtDesktop::chooseSaveFile(const QString &caption, const QString &proposed, const QString &filter)
{
    SaveDialog dialog(QApplication::activeWindow(), caption, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets the filter's, and it is about
    // that name that the dialog asks before a file is replaced.
    dialog.setDefaultSuffix(suffixOf(filter));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.tooLong.isEmpty() ? dialog.selectedFiles().value(0) : dialog.tooLong;
}

QString QtDesktop::chooseOpenFile(const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

void QtDesktop::clearOwnClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    if (clipboard->ownsClipboard())
        clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection() && clipboard->ownsSelection())
        clipboard->clear(QClipboard::Selection);
}

QString QtDesktop::storeFilePath()
{
    // Where QSettings keeps the per-user native store of "Padmora" on Unix.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/")
           + kAppTitle + QStringLiteral("/") + kAppTitle + QStringLiteral(".conf");
}

QSettings *QtDesktop::store()
{
    // The platform's per-user store for application "Padmora". One object
    // serves every read and write of a run: the store is opened (read,
    // locked) once per start. It goes with the application object, while
    // the library it needs is still whole.
    if (!m_store)
        m_store = new QSettings(QSettings::NativeFormat, QSettings::UserScope, kAppTitle, kAppTitle,
                                QCoreApplication::instance());
    return m_store;
}

StoredValue QtDesktop::readSetting(const QString &section, const QString &key)
{
    StoredValue result;
    if (storeTooLarge()) {
        result.readable = false;
        return result;
    }
    QSettings &settings = *store();
    if (settings.status() != QSettings::NoError) {
        result.readable = false;
        return result;
    }
    const QVariant v = settings.value(section + QLatin1Char('/') + key);
    if (!v.isValid())
        return result;
    // A text with an unquoted comma reads back as a list; it is still one text.
    if (v.typeId() == QMetaType::QStringList)
        result.value = v.toStringList().join(QStringLiteral(", "));
    else
        result.value = v.toString();
    return result;
}

bool QtDesktop::writeSetting(const QString &section, const QString &key, const QString &value)
{
    if (storeTooLarge())
        return false;
    QSettings &settings = *store();
    if (settings.status() != QSettings::NoError || !settings.isWritable())
        return false;
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QDate QtDesktop::today()
{
    return QDate::currentDate();
}

QDateTime QtDesktop::now()
{
    return QDateTime::currentDateTime();
}

void QtDesktop::seedFromClock()
{
    seedFromClockReading(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count());
}

void QtDesktop::seedFromClockReading(qint64 nanoseconds)
{
    // The clock alone is not enough: a clock that ticks coarsely gives two
    // copies started together the same reading, and two reseeds in one copy
    // may fall on one tick. The process id and the count of reseeds part them.
    const quint64 now = quint64(nanoseconds);
    const quint64 process = quint64(QCoreApplication::applicationPid());
    ++m_reseeds;
    std::seed_seq material{quint32(now),       quint32(now >> 32),
                           quint32(process),   quint32(process >> 32),
                           quint32(m_reseeds), quint32(m_reseeds >> 32)};
    generator().seed(material);
}

double QtDesktop::uniform()
{
    return generator().generateDouble();
}

QString QtDesktop::lockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("padmora.lock"));
}

qint64 QtDesktop::clockMs()
{
    // CLOCK_BOOTTIME counts the time the computer slept too.
    timespec t{};
    ::clock_gettime(CLOCK_BOOTTIME, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

bool QtDesktop::ringBell(int strikes, int volumePercent, QString *why)
{
    // Qt Multimedia comes in with the module, at the first bell.
    QString missing;
    SoundPlayer *player = loadModule<SoundPlayer>(kSoundModuleName, &missing);
    if (!player) {
        if (why)
            *why = missing;
        return false;
    }
    return player->ring(strikes, volumePercent, why);
}

bool QtDesktop::speak(const QString &text, QString *why)
{
    // Qt TextToSpeech comes in with the module, at the first text.
    if (!m_speaker) {
        QString missing;
        m_speaker = loadModule<Speaker>(kSpeechModuleName, &missing);
        if (!m_speaker) {
            if (why)
                *why = missing;
            return false;
        }
    }
    return m_speaker->say(text, why);
}

void QtDesktop::stopSpeaking()
{
    // Nothing was read aloud before the module came in.
    if (m_speaker)
        m_speaker->stop();
}

bool QtDesktop::claimSingleInstance()
{
    if (m_lock && m_lock->isLocked())
        return true;
    const QString path = lockFilePath();
    auto lock = std::make_unique<QLockFile>(path);
    // A lock whose owner died is stale at once; Qt checks the owner's pid.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError)
            return false;
        // Qt cannot judge a lock file that names no owner, and with no
        // stale time it would keep it for ever. When it is not brand new
        // and no process holds it, its creator is gone: remove it.
        qint64 pid = 0;
        QString host, application;
        if (lock->getLockInfo(&pid, &host, &application))
            return false;
        const QDateTime modified = QFileInfo(path).lastModified();
        if (modified.isValid() && std::abs(modified.msecsTo(QDateTime::currentDateTime())) < kUnreadableLockAge)
            return false;
        if (!lock->removeStaleLockFile() || !lock->tryLock(0))
            return false;
    }
    m_lock = std::move(lock);
    return true;
}

namespace {
Desktop *g_installed = nullptr;
}

Desktop &desktop()
{
    if (g_installed)
        return *g_installed;
    static QtDesktop real;
    return real;
}

void setDesktop(Desktop *d)
{
    g_installed = d;
}

} // namespace padmora
