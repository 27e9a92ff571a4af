#include "boards/flap.h"

namespace ardenvo {

void PassoRiga(RigaBinario& riga, std::int16_t incritardo) {
    PerOgniCampo(riga, [incritardo](std::int16_t& mostrato, std::int16_t finale,
                                    std::int16_t oltre) {
        if (mostrato == finale) return;
        mostrato = Avanza(mostrato, oltre == kOltreRitardo ? incritardo : std::int16_t{1}, oltre);
    });
}

void ConcludiRiga(RigaBinario& riga) {
    PerOgniCampo(
        riga, [](std::int16_t& mostrato, std::int16_t finale, std::int16_t) { mostrato = finale; });
}

}  // namespace ardenvo
