#include "app/qtdesktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>

namespace padmora {

namespace {

QSettings openStore()
{
    // The platform's per-user store for application "Padmora".
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kAppTitle, kAppTitle);
}

QRandomGenerator &generator()
{
    static QRandomGenerator g(1u);
    return g;
}

} // namespace

void QtDesktop::openUrl(const QUrl &url)
{
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

MessageAnswer QtDesktop::message(const QString &text, MessageIcon icon, MessageButtons buttons,
                                 const QString &title)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    title, text,
                    buttons == MessageButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No)
                                                     : QMessageBox::Ok,
                    QApplication::activeWindow());
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

int QtDesktop::execModal(QDialog &dialog)
{
    return dialog.exec();
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

StoredValue QtDesktop::readSetting(const QString &section, const QString &key)
{
    QSettings store = openStore();
    StoredValue result;
    if (store.status() != QSettings::NoError) {
        result.readable = false;
        return result;
    }
    store.beginGroup(section);
    const QVariant v = store.value(key);
    if (v.isValid())
        result.value = v.toString();
    return result;
}

bool QtDesktop::writeSetting(const QString &section, const QString &key, const QString &value)
{
    QSettings store = openStore();
    if (store.status() != QSettings::NoError || !store.isWritable())
        return false;
    store.beginGroup(section);
    store.setValue(key, value);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

QDate QtDesktop::today()
{
    return QDate::currentDate();
}

void QtDesktop::seedFromClock()
{
    const quint64 now = quint64(QDateTime::currentMSecsSinceEpoch());
    // Two reseeds within one millisecond must not restart the same sequence.
    m_seed = m_seeded ? m_seed * 6364136223846793005ull + now + 1442695040888963407ull : now;
    m_seeded = true;
    generator().seed(quint32(m_seed ^ (m_seed >> 32)));
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

bool QtDesktop::claimSingleInstance()
{
    if (m_lock && m_lock->isLocked())
        return true;
    auto lock = std::make_unique<QLockFile>(lockFilePath());
    // A lock whose owner died is stale at once; Qt checks the owner's pid.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
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
