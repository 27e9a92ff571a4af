#pragma once
// The flaps of a platform board: every field turns forward through a closed cycle of codes,
// one position per tick, until it shows its final code.

#include <cstdint>

#include "core/model.h"

namespace ardenvo {

// Ticks of one animation on every board, enough for the longest turn of any field.
inline constexpr int kTickAnimazione = 65;

// Codes one past the last position of each cycle; they are never shown.
inline constexpr std::int16_t kOltreLettera = 30;
inline constexpr std::int16_t kOltreCategoria = 11;
inline constexpr std::int16_t kOltreRitardo = 240;
inline constexpr std::int16_t kOltreOra = 25;
inline constexpr std::int16_t kOltreMinuto = 61;
inline constexpr std::int16_t kOltreIndicazioni = 10;

// The next position of a cycle of +`passo` steps that closes at `oltre`. A code that is
// somehow past the cycle falls back to its start rather than climbing for ever.
constexpr std::int16_t Avanza(std::int16_t codice, std::int16_t passo, std::int16_t oltre) {
    const int prossimo = codice + passo;
    return prossimo >= oltre ? 0 : static_cast<std::int16_t>(prossimo);
}

// Delay step for a shown delay: 5 minutes below the hour, 10 from the hour on, so the
// flaps pass exactly through the delay list.
constexpr std::int16_t IncrementoRitardo(std::int16_t RitardoMinuti) {
    return RitardoMinuti < 60 ? 5 : 10;
}

// One tick of one field: a field not yet at its final code moves one position, the delay by
// the step of the delay it shows.
inline void PassoCampo(std::int16_t& mostrato, std::int16_t finale, std::int16_t oltre) {
    if (mostrato == finale) return;
    const std::int16_t passo = oltre == kOltreRitardo ? IncrementoRitardo(mostrato) : 1;
    mostrato = Avanza(mostrato, passo, oltre);
}

// Calls f(shown, final, end of cycle) for every field of a row, in board order: the 14
// letters, category, delay, hour, minute, service note.
template <class F>
void PerOgniCampo(RigaBinario& riga, F&& f) {
    for (int contalett = 0; contalett < kCelleDestinazione; ++contalett)
        f(riga.CodiciLettere[contalett], riga.CodiciLettereFinali[contalett], kOltreLettera);
    f(riga.CodiceCategoria, riga.CodiceCategoriaFinale, kOltreCategoria);
    f(riga.RitardoMinuti, riga.RitardoMinutiFinale, kOltreRitardo);
    f(riga.OraPartenza, riga.OraPartenzaFinale, kOltreOra);
    f(riga.MinutoPartenza, riga.MinutoPartenzaFinale, kOltreMinuto);
    f(riga.CodiceIndicazioni, riga.CodiceIndicazioniFinale, kOltreIndicazioni);
}

// One tick of a row: PassoCampo on every field.
void PassoRiga(RigaBinario& riga);

// Brings every shown code to its final code at once.
void ConcludiRiga(RigaBinario& riga);

}  // namespace ardenvo
