#include "boards/immissione.h"

#include <array>
#include <string>

#include "boards/flap.h"
#include "core/convertitori.h"

namespace ardenvo {

void Inserisci(AnimazioneBinari& animazione, const DatiInserimento& dati) {
    const int r = dati.Binario - 1;
    if (r < 0 || r >= kBinari) return;
    // The shown codes are the converters' scratch: a row still turning must be at rest first.
    animazione.ConcludiInCorso();
    Simulazione& sim = animazione.sim();
    RigaBinario& riga = sim.binari[r];

    std::array<std::string, kCelleDestinazione> celle;
    CaratteriMinuscoli(dati.Destinazione, celle);
    for (int c = 0; c < kCelleDestinazione; ++c)
        if (auto codice = Lettera_Numero(celle[c])) riga.CodiciLettere[c] = *codice;
    if (auto codice = Categoria_Numero(dati.Categoria)) riga.CodiceCategoria = *codice;
    if (auto codice = Ritardo_Numero(dati.Ritardo)) riga.RitardoMinuti = *codice;
    riga.OraPartenza = dati.Ora;
    riga.MinutoPartenza = dati.Minuto;
    if (auto codice = Indicazioni_Numero(dati.Indicazioni)) riga.CodiceIndicazioni = *codice;

    // Hour and minute start from 0, a digit, not from their blank codes.
    PerOgniCampo(riga, [](std::int16_t& mostrato, std::int16_t& finale, std::int16_t) {
        finale = mostrato;
        mostrato = 0;
    });
    riga.RigaLibera = false;
    animazione.Avvia(dati.Binario);
    riga.RigaAttiva = true;
    animazione.Gestione_Pulsanti_Riga(r);
    if (BinariLiberi(sim).empty()) animazione.pannello().AbilitaInserimento(false);
}

void AggiornaRitardo(AnimazioneBinari& animazione, int riga, std::string_view testo) {
    if (riga < 0 || riga >= kBinari) return;
    RigaBinario& r = animazione.sim().binari[riga];
    // Only the final delay changes: the tiles turn from the delay they show. No choice keeps
    // the final delay, not the shown one, which may be half-way if this row is still turning.
    r.RitardoMinutiFinale = Ritardo_Numero(testo).value_or(r.RitardoMinutiFinale);
    animazione.Avvia(riga + 1);
}

}  // namespace ardenvo
