// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Handlers run in resume-on-failure mode: a step that fails is skipped and the
// handler goes on with the next one. Nothing is reported to the user.

#include <utility>

namespace padmora {

template <class F>
void step(F &&f) noexcept
{
    try {
        std::forward<F>(f)();
    } catch (...) {
        // A failing step is skipped; the handler carries on.
    }
}

} // namespace padmora
