// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chakra test kept in the journal, shown again on its own result screen
// exactly as it was shown the day it was taken.

namespace padmora {

namespace journal {
struct Reading;
}

// Opens frmChakrasResult on a kept chakra test; false when it cannot be shown.
bool openKeptChakraTest(const journal::Reading &reading);

} // namespace padmora
