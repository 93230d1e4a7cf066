// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A desktop that records every effect Padmora asks of it and answers from a
// script, so tests can see which message was shown, which address opened and
// what the settings store holds.

#include "kit/desktop.h"

#include <QList>
#include <QMap>
#include <QTimeZone>
#include <QStringList>
#include <functional>
#include <random>

class QDialog;

namespace padmora::testing {

struct ShownMessage {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QString title;
};

struct ShownModal {
    QString objectName;
    QString title;
    bool modal;
};

class RecordingDesktop : public Desktop {
public:
    RecordingDesktop();
    ~RecordingDesktop() override;

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

    // What happened, in order ("open <url>", "message <text>", "write <section>/<key>", ...).
    QStringList log;
    QList<QUrl> opened;
    QList<ShownMessage> messages;
    QList<ShownModal> modals;
    int clipboardClears = 0;
    int seeds = 0;

    // Answers for Yes/No and Try Again/Cancel messages, taken in order; No
    // (or Cancel) when none is left.
    QList<MessageAnswer> answers;
    // File dialogs: what each was asked, and the paths they answer, taken in
    // order; cancelled (empty) when none is left.
    struct FileQuestion {
        QString caption;
        QString proposed;  // the proposed path, or the folder to open in
        QString filter;
    };
    QList<FileQuestion> fileQuestions;
    QStringList chosenFiles;
    // Runs on a modal dialog instead of exec (it may look at it or click in it).
    std::function<int(QDialog &)> onModal;
    // Runs when a message is shown (after it is recorded).
    std::function<void(const ShownMessage &)> onMessage;

    // The settings store: "section/key" -> value.
    QMap<QString, QString> store;
    bool storeReadable = true;
    bool storeWritable = true;

    QDate todayValue = QDate(2026, 12, 8);
    // The clock: the moments in scriptedNow are taken first; after them it
    // reads nowValue and then moves it on by a minute. It starts where the
    // previous recording desktop of the run left it (at 9:00 UTC on
    // todayValue's day for the first), so that no two readings of one test
    // program share a moment.
    QList<QDateTime> scriptedNow;
    QDateTime nowValue;
    // The clock that runs on in sleep: it stands where the test puts it.
    qint64 clockValue = 1000000;
    // Bells rung (strikes and volume) and texts read aloud, in order; when
    // soundMissing or speechMissing is set, each fails with it as the reason.
    struct RungBell {
        int strikes;
        int volumePercent;
    };
    QList<RungBell> bells;
    QStringList spoken;
    int speechStops = 0;
    QString soundMissing;
    QString speechMissing;
    // Chance: a fixed-seed generator, or a script of numbers taken first.
    std::mt19937 random{20261208u};
    QList<double> scriptedUniform;
    bool anotherCopyRunning = false;

    QUrl lastOpened() const { return opened.isEmpty() ? QUrl() : opened.last(); }
    ShownMessage lastMessage() const { return messages.isEmpty() ? ShownMessage{} : messages.last(); }

private:
    Desktop *m_previous;
};

} // namespace padmora::testing
