// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every composed text of Padmora breaks its lines with CR LF.

#include <QString>

namespace padmora {

inline const QString kCrLf = QStringLiteral("\r\n");

} // namespace padmora
