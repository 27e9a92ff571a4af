#pragma once
// The Italian sentences spoken for a train or a replacement bus of the timetable.
//
// Each announcement reads one record and hands its texts to the engine; nothing is written
// back. A panel button calls e.g. Annuncio_Partenza(sim.orario.Partenze[Index], voce).

#include <string>

#include "announce/voce.h"
#include "core/model.h"

namespace ardenvo {

// Departure: up to three texts (the sentence, the delay, the following stops).
void Annuncio_Partenza(const Treno& P, MotoreVoce& voce);
// Arrival: one text, the delay appended when there is one.
void Annuncio_Arrivo(const Treno& A, MotoreVoce& voce);
// Delays: one text, or nothing for a train on time.
void Annuncio_Ritardo_Arrivo(const Treno& A, MotoreVoce& voce);
void Annuncio_Ritardo_Partenza(const Treno& P, MotoreVoce& voce);

// Replacement buses, reached through the four above when the category is "Autobus".
void Annuncio_Bus_Partenza(const Treno& P, MotoreVoce& voce);
void Annuncio_Bus_Arrivo(const Treno& A, MotoreVoce& voce);
void Annuncio_Bus_Ritardo_Partenza(const Treno& P, MotoreVoce& voce);
void Annuncio_Bus_Ritardo_Arrivo(const Treno& A, MotoreVoce& voce);

// Spoken words of a delay given as decimal minutes ("70" -> "un'ora e 10 minuti"); a text that
// is not one of the board's delay values comes back unchanged, so its digits are spoken.
std::string Ritardo_Parlato(const std::string& Testo);

}  // namespace ardenvo
