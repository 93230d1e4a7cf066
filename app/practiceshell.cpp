// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/practiceshell.h"

#include "app/settingsstore.h"
#include "chakras/catalogue.h"
#include "kit/controlnames.h"
#include "kit/programhost.h"
#include "kit/resume.h"
#include "kit/screennames.h"
#include "practice/screens/practicescreen.h"
#include "practice/sitting.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace padmora {

void registerPracticeSettings()
{
    setPracticeSettings({[](const QString &key) -> std::optional<QString> {
                             const SettingRead read = getSetting(key);
                             if (!read.ok || read.text.isEmpty())
                                 return std::nullopt;
                             return read.text;
                         },
                         [](const QString &key, const QString &value) { return saveSetting(key, value); }});
}

void addPracticeItems(QMenu *file, ProgramHost *host)
{
    QMenu *chakras = file->addMenu(QCoreApplication::translate("Practice", "Practise a &Chakra"));
    chakras->setObjectName(QStringLiteral("mnuPractise"));
    chakras->menuAction()->setObjectName(QStringLiteral("mnuPractiseItem"));
    for (int i = 0; i < kChakraCount; ++i) {
        QAction *item = chakras->addAction(QStringLiteral("&%1 ").arg(i + 1) + chakraTitle(i));
        setArrayName(item, QStringLiteral("mnuPractiseChakra"), i);
        QObject::connect(item, &QAction::triggered, file, [host, i] {
            step([i] { practice::setSitting({i}); });
            step([host] { host->setWelcomeVisible(false); });
            step([host] { host->openScreen(screens::kPractice); });
        });
    }
    file->addSeparator()->setObjectName(QStringLiteral("mnuSepPractice"));
}

} // namespace padmora
