// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's language: Padmora's catalogue and Qt's own for the first of the
// desktop's languages that Padmora speaks. English is the language the texts
// are written in; whatever a catalogue lacks shows in English.

#include <QString>
#include <QStringList>

namespace padmora {

// Installs the catalogues for the first language of uiLanguages (as
// QLocale::system().uiLanguages() gives them, so LANGUAGE and LC_MESSAGES
// count) that Padmora has a catalogue for, and removes any installed before.
// English, or a language Padmora does not speak, installs none. Returns the
// language installed ("de"), or an empty string for English.
QString installTranslations(const QStringList &uiLanguages);

// The same for one catalogue file of Padmora's (a test's own, say) together
// with Qt's catalogue for its language, if Qt has one.
bool installTranslationFile(const QString &padmoraCatalogue, const QString &qtLanguage = QString());

// Takes every catalogue installTranslations installed away again.
void removeTranslations();

// True while a catalogue of Padmora's is installed: its texts may be longer
// than those the screens were designed for.
bool translationInstalled();

// Where the catalogues compiled into the program lie.
inline constexpr char kCatalogueFolder[] = ":/padmora/i18n";

} // namespace padmora
