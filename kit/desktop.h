// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one seam through which Padmora reaches anything outside itself: the
// browser, message boxes, the clipboard, the settings store, the calendar,
// chance and the other copies of the program. Production code talks to
// desktop(); tests install a RecordingDesktop and read back what happened.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QUrl>
#include <optional>

class QDialog;

namespace padmora {

enum class MessageIcon { Information, Critical };
// RetryCancel offers "Try Again" for what may work once the user has made
// room, say, and Cancel.
enum class MessageButtons { Ok, YesNo, RetryCancel };
enum class MessageAnswer { Ok, Yes, No, Retry, Cancel };

// The application title every message box carries unless told otherwise.
inline const QString kAppTitle = QStringLiteral("Padmora");

// Result of reading one value from the settings store.
struct StoredValue {
    bool readable = true;          // false: the store itself could not be read
    std::optional<QString> value;  // empty when the key is absent
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Hands an address to the desktop's default handler; fire and forget.
    virtual void openUrl(const QUrl &url) = 0;

    // Shows a message box and waits for the answer.
    virtual MessageAnswer message(const QString &text, MessageIcon icon,
                                  MessageButtons buttons = MessageButtons::Ok,
                                  const QString &title = kAppTitle) = 0;

    // Runs one of Padmora's own dialogs modally.
    virtual int execModal(QDialog &dialog) = 0;

    // Asks the user where to write a file they asked for, proposing a path
    // (a folder and a name); the chosen path, or empty when they cancel.
    // filter is a file dialog's name filter ("PDF files (*.pdf)").
    virtual QString chooseSaveFile(const QString &caption, const QString &proposed, const QString &filter) = 0;
    // Asks the user which file to read, starting in a folder; the chosen
    // path, or empty when they cancel.
    virtual QString chooseOpenFile(const QString &caption, const QString &folder, const QString &filter) = 0;
    // Empties the clipboard and the X11 selection, each only while what it
    // holds was put there by Padmora itself.
    virtual void clearOwnClipboard() = 0;

    // Per-user settings store: application "Padmora", one section, text values.
    virtual StoredValue readSetting(const QString &section, const QString &key) = 0;
    virtual bool writeSetting(const QString &section, const QString &key, const QString &value) = 0;

    virtual QDate today() = 0;
    // The moment it is now, in local time.
    virtual QDateTime now() = 0;

    // A clock that runs on while the computer sleeps (unlike the monotonic
    // clock Qt's timers use), in milliseconds from an arbitrary start: what a
    // practice is timed by.
    virtual qint64 clockMs() = 0;

    // Rings one of Padmora's bells, struck once, twice or three times, at a
    // volume from 0 to 100, without waiting for it. False, with why, when no
    // sound can be made (its module or an audio device is missing): the
    // caller goes on in silence.
    virtual bool ringBell(int strikes, int volumePercent, QString *why) = 0;
    // Reads a text aloud, cutting short what is still being read, without
    // waiting for it. The speech engine starts at the first use, off the
    // window's thread, and never holds it. False, with why, when no speech
    // can be made (its module or a speech service is missing).
    virtual bool speak(const QString &text, QString *why) = 0;
    virtual void stopSpeaking() = 0;

    // Chance: reseed from the clock, then draw uniform numbers in [0, 1).
    virtual void seedFromClock() = 0;
    virtual double uniform() = 0;

    // True when this copy may run; false when another copy already runs.
    // The first successful claim holds until the process ends.
    virtual bool claimSingleInstance() = 0;
};

// The desktop in force. Defaults to the real one; tests swap in a fake.
Desktop &desktop();
// Installs a desktop (not owned); nullptr goes back to the real one.
void setDesktop(Desktop *d);

} // namespace padmora
