#include "boards/animazione.h"

#include <algorithm>

#include "boards/flap.h"

namespace ardenvo {

std::vector<int> BinariLiberi(const Simulazione& sim) {
    // A count beyond the 23 boards (or below none) has no more boards to offer.
    const int binari = std::clamp<int>(sim.orario.NumeroBinari, 0, kBinari);
    std::vector<int> liberi;
    for (int r = 0; r < binari; ++r)
        if (sim.binari[r].RigaLibera) liberi.push_back(r + 1);
    return liberi;
}

void AnimazioneBinari::Avvia(int nuovo) {
    if (nuovo < 1 || nuovo > kBinari) return;
    if (inCorso_ && nuovo - 1 != contbinario) ConcludiInCorso();
    binario = static_cast<std::int16_t>(nuovo);
    contbinario = static_cast<std::int16_t>(nuovo - 1);
    conttimer = 0;
    inCorso_ = true;
    pannello_.AvviaTimer();
}

void AnimazioneBinari::ConcludiInCorso() {
    if (!inCorso_) return;
    ConcludiRiga(sim_.binari[contbinario]);
    pannello_.DisegnaBinario(binario);
}

void AnimazioneBinari::Timer2_Timer() {
    Disattiva_Reset();
    pannello_.AbilitaInserimento(false);
    // Drawn before the step: each tick shows what the previous one reached.
    pannello_.DisegnaBinario(binario);
    RigaBinario& riga = sim_.binari[contbinario];
    incritardo = IncrementoRitardo(riga.RitardoMinuti);
    PassoRiga(riga);
    if (++conttimer < kTickAnimazione) return;
    pannello_.FermaTimer();
    inCorso_ = false;
    pannello_.AbilitaInserimento(!BinariLiberi(sim_).empty());
    Attiva_Reset();
    conttimer = 0;
}

void AnimazioneBinari::Disattiva_Reset() {
    for (int r = 0; r < kBinari; ++r) {
        if (!pannello_.ResetAbilitato(r)) continue;
        sim_.binari[r].PulsantiSospesi = true;
        pannello_.AbilitaPulsanti(r, false);
    }
}

void AnimazioneBinari::Attiva_Reset() {
    for (int r = 0; r < kBinari; ++r) {
        if (!sim_.binari[r].PulsantiSospesi) continue;
        pannello_.AbilitaPulsanti(r, true);
        sim_.binari[r].PulsantiSospesi = false;
    }
}

void AnimazioneBinari::Resetta_Zandrelle(int riga) {
    RigaBinario& r = sim_.binari[riga];
    r.CodiciLettereFinali.fill(0);
    r.CodiceCategoriaFinale = 0;
    r.CodiceIndicazioniFinale = 0;
    r.RitardoMinutiFinale = 0;
    r.OraPartenzaFinale = OraVuota;
    r.MinutoPartenzaFinale = MinutoVuoto;
    r.RigaLibera = true;
    Avvia(riga + 1);
}

void AnimazioneBinari::resetta_Click(int Index) {
    if (Index < 0 || Index >= kBinari) return;
    Resetta_Zandrelle(Index);
    sim_.binari[Index].RigaAttiva = false;
    Gestione_Pulsanti_Riga(Index);
    pannello_.AbilitaInserimento(true);
}

void AnimazioneBinari::Gestione_Pulsanti_Riga(int Riga) {
    if (Riga < 0 || Riga >= kBinari) return;
    pannello_.AbilitaPulsanti(Riga, sim_.binari[Riga].RigaAttiva);
}

}  // namespace ardenvo
