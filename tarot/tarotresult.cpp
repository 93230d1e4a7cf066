#include "tarot/tarotresult.h"

namespace padmora {

void finishTarot()
{
}

} // namespace padmora
