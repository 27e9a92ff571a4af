#include "core/orologio.h"

namespace ardenvo {

void AvanzaUnSecondo(Orologio& orologio) {
    if (++orologio.SecondoSimulazione < 60) return;
    orologio.SecondoSimulazione = 0;
    if (++orologio.MinutoSimulazione < 60) return;
    orologio.MinutoSimulazione = 0;
    if (++orologio.OraSimulazione >= 24) orologio.OraSimulazione = 0;
}

}  // namespace ardenvo
