#pragma once

namespace padmora {

// The tarot questionnaire's last Next: computes the tarot result.
void finishTarot();

} // namespace padmora
