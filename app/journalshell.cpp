// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/journalshell.h"

#include "app/settingsstore.h"
#include "astrology/screens/astrologyscreen.h"
#include "chakras/screens/keptreadings.h"
#include "journal/keeping.h"
#include "kit/programhost.h"
#include "kit/resume.h"
#include "kit/screennames.h"
#include "kit/sharedmenus.h"
#include "tarot/screens/tarotresult.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace padmora {

void registerJournalOpeners()
{
    journal::setReadingOpener(journal::Program::ChakraTest, &openKeptChakraTest);
    journal::setReadingOpener(journal::Program::ChakrasTarot, &openKeptTarot);
    journal::setReadingOpener(journal::Program::Astrology, &openKeptAstrology);
    // The practices that ran are kept in the journal too.
    practice::setPracticeKeeper(&journal::keepPractice);
}

void setKeepingJournal(bool keep)
{
    journal::setKeepingReadings(keep);
    step([keep] { saveSetting(kJournalKey, keep ? kJournalOn : kJournalOff); });
}

void addJournalItems(QMenu *file, ProgramHost *host)
{
    bool keep = true;
    step([&] { keep = getSetting(kJournalKey).text != kJournalOff; });
    journal::setKeepingReadings(keep);

    QAction *readings = addMenuItem(file, QStringLiteral("mnuMyReadings"), QCoreApplication::translate("Shell", "My &Readings…"));
    readings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    QObject::connect(readings, &QAction::triggered, file, [host] {
        step([host] { host->setWelcomeVisible(false); });
        step([host] { host->openScreen(screens::kJournal); });
    });

    QAction *keeping =
        addMenuItem(file, QStringLiteral("mnuKeepJournal"), QCoreApplication::translate("Shell", "Keep a &Journal of My Readings"));
    keeping->setCheckable(true);
    keeping->setChecked(keep);
    QObject::connect(keeping, &QAction::toggled, file, [](bool on) { setKeepingJournal(on); });
    file->addSeparator()->setObjectName(QStringLiteral("mnuSepJournal"));
}

} // namespace padmora
