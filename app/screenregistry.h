// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Creates program screens by name. Every screen joins Padmora here.

#include <QString>

namespace padmora {

class Form;

// A fresh screen of that name, or nullptr for a name no screen has.
Form *createScreen(const QString &name);

} // namespace padmora
