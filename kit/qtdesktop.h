// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "kit/desktop.h"

#include <QLockFile>
#include <QPointer>
#include <memory>

class QSettings;

namespace padmora {

class Speaker;

// The real desktop: QDesktopServices, QMessageBox, QFileDialog, QClipboard, QSettings,
// the system clock, QRandomGenerator and a per-user lock file.
class QtDesktop final : public Desktop {
public:
    void openUrl(const QUrl &url) override;
    MessageAnswer message(const QString &text, MessageIcon icon, MessageButtons buttons,
                          const QString &title) override;
    int execModal(QDialog &dialog) override;
    QString chooseSaveFile(const QString &caption, const QString &proposed, const QString &filter) override;
    QString chooseOpenFile(const QString &caption, const QString &folder, const QString &filter) override;
    void clearOwnClipboard() override;
    StoredValue readSetting(const QString &section, const QString &key) override;
    bool writeSetting(const QString &section, const QString &key, const QString &value) override;
    QDate today() override;
    QDateTime now() override;
    qint64 clockMs() override;
    bool ringBell(int strikes, int volumePercent, QString *why) override;
    bool speak(const QString &text, QString *why) override;
    void stopSpeaking() override;
    void seedFromClock() override;
    double uniform() override;
    bool claimSingleInstance() override;

    // Reseeds from one reading of the clock, in nanoseconds since 1970.
    void seedFromClockReading(qint64 nanoseconds);

    // Where the single-instance lock lives: one per user, in the runtime folder.
    static QString lockFilePath();
    // The file of the per-user settings store.
    static QString storeFilePath();

private:
    // The per-user store, opened at its first use and kept for the run.
    QSettings *store();

    QPointer<QSettings> m_store;
    std::unique_ptr<QLockFile> m_lock;
    quint64 m_reseeds = 0;
    // The speech module, once a text has been read aloud.
    Speaker *m_speaker = nullptr;
};

} // namespace padmora
