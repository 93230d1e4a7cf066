// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace padmora {

// The chakra test's last Next: opens the result screen and computes the result.
void finishChakraTest();

} // namespace padmora
