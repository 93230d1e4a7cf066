// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of Padmora's three programs, as the program bar, the welcome
// panel and a printed reading show them.

#include <QString>

namespace padmora {

inline const QString kAstrologyProgramName = QStringLiteral("Vovuvev Avoverazi");
inline const QString kTestProgramName = QStringLiteral("Zazeder Izorudav");
inline const QString kTarotProgramName = QStringLiteral("Dovazov Urera");

} // namespace padmora
