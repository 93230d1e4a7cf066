// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Padmora's one persisted value lives in the per-user settings store
// (application "Padmora", section "Settings"). Key and value are both kept
// through a small text obfuscation so the store holds neither in plain text.

#include <QDate>
#include <QString>
#include <optional>

namespace padmora {

inline const QString kSettingsSection = QStringLiteral("Settings");
// The date of the last update reminder.
inline const QString kDurationKey = QStringLiteral("Duration");

// Every character of a plain text has a code below this, so that the raised
// codes stay within 8 bits.
inline constexpr int kObfuscationShift = 85;
inline constexpr int kPlainCodeLimit = 256 - kObfuscationShift;

// The text reversed with every code raised by 85; nullopt when a character's
// code is 171 or more and could not be raised within 8 bits.
std::optional<QString> obfuscate(const QString &plain);
// The inverse; nullopt when a code cannot have come from obfuscate().
std::optional<QString> deobfuscate(const QString &stored);

// The date as the store keeps it: ISO yyyy-MM-dd, whatever the user's locale.
QString durationText(const QDate &date);
// The date in a stored text; invalid when the text is not such a date.
QDate parseDurationText(const QString &text);

// Reading a setting: failed only when the store cannot be read. The plain
// text is empty when the key is absent or holds a value that cannot have come
// from Padmora (written by hand, say): nothing usable is stored.
struct SettingRead {
    bool ok = false;
    QString text;
};

SettingRead getSetting(const QString &key);
// False when the store refused the value.
bool saveSetting(const QString &key, const QString &value);

} // namespace padmora
