#include "boards/flap.h"

namespace ardenvo {

void PassoRiga(RigaBinario& riga) {
    PerOgniCampo(riga, PassoCampo);
}

void ConcludiRiga(RigaBinario& riga) {
    PerOgniCampo(
        riga, [](std::int16_t& mostrato, std::int16_t finale, std::int16_t) { mostrato = finale; });
}

}  // namespace ardenvo
