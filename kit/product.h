// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's name and version as its windows show them.

#include <QString>

namespace padmora {

inline const QString kProductCaption = QStringLiteral("Padmora v1.15");

} // namespace padmora
