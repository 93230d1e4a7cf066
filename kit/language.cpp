// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace padmora {

namespace {

std::unique_ptr<QTranslator> &padmoraCatalogue()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator> &qtCatalogue()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void install(std::unique_ptr<QTranslator> &slot, std::unique_ptr<QTranslator> translator)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(translator);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}

// Qt's own texts (the buttons of a message, the file dialog) for the
// language: Debian keeps them with Qt, in qtbase_<language>.qm.
void installQtCatalogue(const QString &language)
{
    auto qt = std::make_unique<QTranslator>();
    if (language.isEmpty()
        || !qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qt.reset();
    install(qtCatalogue(), std::move(qt));
}

} // namespace

QString installTranslations(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const QLocale locale(name);
        // English is the texts' own language: no catalogue, and no other
        // language below it in the list either.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            break;
        const QString language = QLocale::languageToCode(locale.language(), QLocale::ISO639Part1);
        const QString file = QStringLiteral("%1/padmora_%2.qm").arg(QLatin1String(kCatalogueFolder), language);
        if (!QFileInfo::exists(file))
            continue;
        if (installTranslationFile(file, language))
            return language;
    }
    removeTranslations();
    return QString();
}

bool installTranslationFile(const QString &padmoraCatalogueFile, const QString &qtLanguage)
{
    auto own = std::make_unique<QTranslator>();
    if (!own->load(padmoraCatalogueFile))
        return false;
    installQtCatalogue(qtLanguage);
    install(padmoraCatalogue(), std::move(own));
    return true;
}

bool translationInstalled()
{
    return bool(padmoraCatalogue());
}

void removeTranslations()
{
    install(padmoraCatalogue(), nullptr);
    install(qtCatalogue(), nullptr);
}

} // namespace padmora
