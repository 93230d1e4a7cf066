// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/keeping.h"

#include "journal/latest.h"
#include "journal/store.h"
#include "kit/desktop.h"
#include "kit/linebreak.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLocale>
#include <QPointer>

#include <array>
#include <functional>

namespace padmora::journal {

namespace {

bool g_keeping = true;

std::array<ReadingOpener, kProgramCount> &openers()
{
    static std::array<ReadingOpener, kProgramCount> table;
    return table;
}

// Carries a reading to be kept through the event queue.
class KeepEvent : public QEvent
{
public:
    static Type type()
    {
        static const Type registered = Type(registerEventType());
        return registered;
    }
    explicit KeepEvent(Reading reading) : QEvent(type()), reading(std::move(reading)) {}
    Reading reading;
};

class Keeper : public QObject
{
public:
    using QObject::QObject;
    bool event(QEvent *event) override
    {
        if (event->type() != KeepEvent::type())
            return QObject::event(event);
        keepReading(static_cast<KeepEvent *>(event)->reading);
        return true;
    }
};

} // namespace

void setKeepingReadings(bool keep)
{
    g_keeping = keep;
}

bool isKeepingReadings()
{
    return g_keeping;
}

QString notKeptMessage(const QString &why, const QString &path)
{
    //: %1 is why (a sentence without its full stop), %2 the journal file.
    return QCoreApplication::translate("Journal", "This reading could not be kept in your journal: %1.\r\nThe journal file: %2\r\n"
                                                  "The reading itself stays on the screen.")
        .arg(why, QDir::toNativeSeparators(path));
}

// Keeps what save() keeps. One that cannot be kept shows one message saying
// why; a full disk is the user's to mend, so then the message offers to try
// again once there is room, and what is on the screen is kept at their word.
static bool keptOrTold(const std::function<bool(Store &)> &save,
                       const std::function<QString(const QString &why, const QString &path)> &notKept)
{
    Store &store = journalStore();
    for (;;) {
        if (save(store))
            return true;
        if (!store.lastFailedForRoom()) {
            desktop().message(notKept(store.lastError(), store.path()), MessageIcon::Critical);
            return false;
        }
        const QString text = notKept(store.lastError(), store.path()) + kCrLf
                             + QCoreApplication::translate("Journal", "Make room on the disk, then try again.");
        if (desktop().message(text, MessageIcon::Critical, MessageButtons::RetryCancel) != MessageAnswer::Retry)
            return false;
    }
}

bool keepReading(Reading reading)
{
    if (!g_keeping)
        return false;
    return keptOrTold(
        [&](Store &store) {
            const KeepingOne keeping;
            if (store.save(reading) == 0)
                return false;
            noteLatest(reading);
            return true;
        },
        notKeptMessage);
}

QString practiceNotKeptMessage(const QString &why, const QString &path)
{
    return QCoreApplication::translate("Journal", "This practice could not be kept in your journal: %1.\r\nThe journal "
                                                  "file: %2")
        .arg(why, QDir::toNativeSeparators(path));
}

Practice practiceRecord(const practice::FinishedPractice &finished)
{
    Practice p;
    p.chakra = finished.chakra;
    p.taken = finished.startedAt.toUTC();
    p.offsetSeconds = finished.startedAt.offsetFromUtc();
    p.plannedMinutes = finished.plannedMinutes;
    p.practisedSeconds = finished.practisedSeconds;
    p.completed = finished.completed;
    p.inhaleSeconds = finished.pace.inhaleSeconds;
    p.chantSeconds = finished.pace.chantSeconds;
    return p;
}

bool keepPractice(const practice::FinishedPractice &finished)
{
    if (!g_keeping)
        return false;
    Practice record = practiceRecord(finished);
    return keptOrTold([&](Store &store) { return store.savePractice(record) != 0; }, practiceNotKeptMessage);
}

void keepReadingOnceShown(Reading reading)
{
    static QPointer<Keeper> keeper;
    if (!keeper)
        keeper = new Keeper(QCoreApplication::instance());
    // Widgets ask for their repaint at low priority; posted after it at the
    // same priority, the reading is kept once the window has painted.
    QCoreApplication::postEvent(keeper, new KeepEvent(std::move(reading)), Qt::LowEventPriority);
}

void setReadingOpener(Program program, ReadingOpener opener)
{
    openers()[std::size_t(program)] = std::move(opener);
}

bool openKeptReading(const Reading &reading)
{
    const ReadingOpener &opener = openers()[std::size_t(reading.program)];
    return opener && opener(reading);
}

QString momentText(const QDateTime &local)
{
    return QLocale().toString(local, QLocale::ShortFormat);
}

QString reopenedCaption(const QString &caption, const Reading &reading)
{
    return caption + QStringLiteral(" \u2013 ") + momentText(reading.localTaken());
}

} // namespace padmora::journal
