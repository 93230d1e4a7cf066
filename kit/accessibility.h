// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader learns of Padmora's own kinds of widget: a link label
// is a link that can be pressed, a picture is a named image, a drop-down list
// says the entry it shows, and the farewell screen is a window of its own.
// Qt's other widgets speak for themselves.

namespace padmora {

// Registers Padmora's accessibility factory; initPadmora() calls it.
void installAccessibility();

} // namespace padmora
