// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gentlereturn.h"

#include "app/settingsstore.h"
#include "chakras/catalogue.h"
#include "journal/reading.h"
#include "kit/controlnames.h"
#include "kit/desktop.h"
#include "kit/resume.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>

namespace padmora {

namespace {

const QString kOff = QStringLiteral("Off");

// "the Root Chakra", "the Root and Heart Chakras", "the Root, Sacral and Heart Chakras".
QString chakraList(const QList<int> &chakras)
{
    QStringList names;
    for (int c : chakras)
        names << chakraShortName(c);
    if (names.size() == 1)
        return QCoreApplication::translate("Welcome", "the %1 Chakra").arg(names.first());
    const QString last = names.takeLast();
    return QCoreApplication::translate("Welcome", "the %1 and %2 Chakras").arg(names.join(QCoreApplication::translate("Welcome", ", ")), last);
}

} // namespace

void registerLatestReadingKeeper()
{
    journal::setLatestKeeper([](const std::optional<journal::LatestReading> &latest) {
        step([&] { saveSetting(kLatestReadingKey, latest ? journal::latestText(*latest) : QString()); });
    });
}

std::optional<journal::LatestReading> storedLatestReading()
{
    const SettingRead read = getSetting(kLatestReadingKey);
    if (!read.ok || read.text.isEmpty())
        return std::nullopt;
    return journal::parseLatest(read.text);
}

QString latestReadingLine(const journal::LatestReading &latest)
{
    const QString day = QLocale().toString(latest.localTaken().date(), QStringLiteral("d MMM yyyy"));
    if (latest.notOpen.isEmpty())
        return QCoreApplication::translate("Welcome", "Your last reading, on %1, found every chakra it looked at open.").arg(day);
    return QCoreApplication::translate("Welcome", "Your last reading, on %1, found %2 not open.").arg(day, chakraList(latest.notOpen));
}

int retakeReminderDays()
{
    const QString text = getSetting(kRetakeDaysKey).text;
    for (int days : kRetakeChoices)
        if (text == QString::number(days))
            return days;
    return 0;
}

void setRetakeReminderDays(int days)
{
    step([days] { saveSetting(kRetakeDaysKey, days > 0 ? QString::number(days) : kOff); });
}

void addRetakeItems(QMenu *file)
{
    // Beside the practice's item, above its separator.
    auto *menu = new QMenu(QCoreApplication::translate("Welcome", "Re&mind Me to Retake the Test"), file);
    QAction *before = nullptr;
    for (QAction *a : file->actions())
        if (a->objectName() == QStringLiteral("mnuSepPractice"))
            before = a;
    file->insertMenu(before, menu);
    menu->setObjectName(QStringLiteral("mnuRetake"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuRetakeItem"));
    auto *group = new QActionGroup(menu);
    int chosen = 0;
    step([&] { chosen = retakeReminderDays(); });
    const int choices[] = {0, kRetakeChoices[0], kRetakeChoices[1], kRetakeChoices[2]};
    for (int k = 0; k < 4; ++k) {
        const int days = choices[k];
        QAction *item = menu->addAction(days ? QCoreApplication::translate("Welcome", "After %1 Days").arg(days) : QCoreApplication::translate("Welcome", "&Off"));
        setArrayName(item, QStringLiteral("mnuRetakeDays"), k);
        item->setCheckable(true);
        item->setChecked(days == chosen);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu, [days] { setRetakeReminderDays(days); });
    }
}

void runRetakeReminder()
{
    const int days = retakeReminderDays();
    if (days == 0)
        return;
    const std::optional<journal::LatestReading> latest = storedLatestReading();
    if (!latest)
        return;
    const QDate today = desktop().today();
    const qint64 since = latest->localTaken().date().daysTo(today);
    if (since < days || parseDurationText(getSetting(kRetakeShownKey).text) == today)
        return;
    saveSetting(kRetakeShownKey, durationText(today));
    desktop().message(QCoreApplication::translate("Welcome", "It is %1 days since your last chakra test. You may take it again from the welcome "
                         "panel whenever you wish.")
                          .arg(since),
                      MessageIcon::Information);
}

} // namespace padmora
