// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/updatereminder.h"

#include "app/settingsstore.h"
#include "kit/desktop.h"
#include "kit/links.h"

#include <QCoreApplication>

#include <cstdlib>

namespace padmora {

QString updateQuestion()
{
    return QCoreApplication::translate("Startup", "There maybe an update to this software available") + QLatin1Char('\r')
           + QCoreApplication::translate("Startup", "Do you want to check for an update?");
}

namespace {
bool storeToday()
{
    return saveSetting(kDurationKey, durationText(desktop().today()));
}
} // namespace

void runUpdateReminder()
{
    try {
        const SettingRead stored = getSetting(kDurationKey);
        if (!stored.ok)
            return;
        const QDate last = parseDurationText(stored.text);
        // Nothing stored yet, or something that is no date (not even
        // obfuscated, when written by hand): start afresh, so the reminder
        // is never lost for good.
        if (!last.isValid()) {
            storeToday();
            return;
        }
        const qint64 days = desktop().today().daysTo(last);
        if (std::llabs(days) <= kReminderQuietDays)
            return;
        const MessageAnswer answer =
            desktop().message(updateQuestion(), MessageIcon::Information, MessageButtons::YesNo);
        if (!storeToday())
            return;
        if (answer == MessageAnswer::Yes)
            OpenDownloadPage();
    } catch (...) {
        // A failing reminder ends quietly; the start goes on.
    }
}

} // namespace padmora
