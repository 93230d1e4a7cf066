// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsstore.h"

#include "kit/desktop.h"

namespace padmora {

namespace {
const QString kDurationFormat = QStringLiteral("yyyy-MM-dd");
}

std::optional<QString> obfuscate(const QString &plain)
{
    QString out;
    out.reserve(plain.size());
    for (const QChar c : plain) {
        if (c.unicode() >= kPlainCodeLimit)
            return std::nullopt;
        // Each new character goes in front of those already produced.
        out.prepend(QChar(char16_t(c.unicode() + kObfuscationShift)));
    }
    return out;
}

std::optional<QString> deobfuscate(const QString &stored)
{
    QString out;
    out.reserve(stored.size());
    for (const QChar c : stored) {
        const int code = c.unicode();
        if (code < kObfuscationShift || code > 255)
            return std::nullopt;
        out.prepend(QChar(char16_t(code - kObfuscationShift)));
    }
    return out;
}

QString durationText(const QDate &date)
{
    // A fixed format, never the locale's short date: a locale change must not
    // make the stored date unreadable.
    return date.toString(kDurationFormat);
}

QDate parseDurationText(const QString &text)
{
    if (text.size() != kDurationFormat.size())
        return {};
    return QDate::fromString(text, kDurationFormat);
}

SettingRead getSetting(const QString &key)
{
    SettingRead result;
    const std::optional<QString> storedKey = obfuscate(key);
    if (!storedKey)
        return result;
    const StoredValue stored = desktop().readSetting(kSettingsSection, *storedKey);
    if (!stored.readable)
        return result;
    result.ok = true;
    if (stored.value)
        result.text = deobfuscate(*stored.value).value_or(QString());
    return result;
}

bool saveSetting(const QString &key, const QString &value)
{
    const std::optional<QString> storedKey = obfuscate(key);
    const std::optional<QString> storedValue = obfuscate(value);
    if (!storedKey || !storedValue)
        return false;
    return desktop().writeSetting(kSettingsSection, *storedKey, *storedValue);
}

} // namespace padmora
