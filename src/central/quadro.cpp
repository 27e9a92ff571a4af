#include "central/quadro.h"

#include <utility>

#include "boards/flap.h"

namespace ardenvo {

namespace {

// Codes one past the last position of each central cycle: the letter, category and hour
// cycles hold one code more than the platform boards', which has no picture.
constexpr std::int16_t kGiroLettera = 31;
constexpr std::int16_t kGiroCategoria = 13;
constexpr std::int16_t kGiroOra = 26;
constexpr std::int16_t kGiroIndicazioni = 11;
constexpr std::int16_t kGiroBinario = 47;

bool RigaValida(int riga) {
    return riga >= 0 && riga < kRigheQuadro;
}

// Calls f(shown, final, end of cycle) for every field of a row, in the order its tiles are
// drawn: the 20 letters, category, hour, minute, delay, service note, platform.
template <class F>
void PerOgniCampo(RigaQuadro& riga, F&& f) {
    for (int c = 0; c < kLettereQuadro; ++c)
        f(riga.LettereMostrate[c], riga.LettereFinali[c], kGiroLettera);
    f(riga.CategoriaMostrata, riga.CategoriaFinale, kGiroCategoria);
    f(riga.OraMostrata, riga.OraFinale, kGiroOra);
    f(riga.MinutoMostrato, riga.MinutoFinale, kOltreMinuto);
    f(riga.RitardoMostrato, riga.RitardoFinale, kOltreRitardo);
    f(riga.IndicazioniMostrate, riga.IndicazioniFinali, kGiroIndicazioni);
    f(riga.BinarioMostrato, riga.BinarioFinale, kGiroBinario);
}

// Exchanges row `sopra` with the row below. After the exchange each row of the pair shows
// what the other row was turning to, which is what stood in it before: the animation then
// turns it to the train that moved in.
void Sposta_Binario(QuadroCentrale& quadro, int sopra) {
    RigaQuadro& su = quadro.Righe[sopra];
    RigaQuadro& giu = quadro.Righe[sopra + 1];
    std::swap(su, giu);
    MostraFinaliDi(su, giu);
    MostraFinaliDi(giu, su);
}

// The first free row for a starter that adds to the board, after the running animation has
// finished at once. A full board changes nothing, so its running turn goes on; with the window
// closed (`vista` nullptr) the rows stored meanwhile must still turn when it opens.
std::optional<int> LiberaDopoConclusione(QuadroCentrale& quadro, VistaQuadro* vista) {
    if (!PrimaRigaLibera(quadro)) return std::nullopt;
    if (vista) ConcludiAnimazione(quadro, vista);
    return PrimaRigaLibera(quadro);  // a compaction that was running has moved the first gap
}

void Avvia(QuadroCentrale& quadro, VistaQuadro* vista) {
    quadro.contatime = 0;
    quadro.Timer1 = true;
    if (vista) vista->AvviaTimer();
}

}  // namespace

QuadroCentrale& Quadro(Simulazione& sim, QualeQuadro quale) {
    return quale == QualeQuadro::Partenze ? sim.QuadroPartenze : sim.QuadroArrivi;
}

const QuadroCentrale& Quadro(const Simulazione& sim, QualeQuadro quale) {
    return quale == QualeQuadro::Partenze ? sim.QuadroPartenze : sim.QuadroArrivi;
}

void MostraFinaliDi(RigaQuadro& riga, const RigaQuadro& da) {
    riga.LettereMostrate = da.LettereFinali;
    riga.OraMostrata = da.OraFinale;
    riga.MinutoMostrato = da.MinutoFinale;
    riga.CategoriaMostrata = da.CategoriaFinale;
    riga.RitardoMostrato = da.RitardoFinale;
    riga.IndicazioniMostrate = da.IndicazioniFinali;
    riga.BinarioMostrato = da.BinarioFinale;
}

void SvuotaFinali(RigaQuadro& riga) {
    riga.LettereFinali.fill(0);
    riga.OraFinale = OraVuota;
    riga.MinutoFinale = MinutoVuoto;
    riga.CategoriaFinale = 0;
    riga.RitardoFinale = 0;
    riga.IndicazioniFinali = 0;
    riga.BinarioFinale = 0;
}

void Inizializzazione(QuadroCentrale& quadro) {
    for (RigaQuadro& riga : quadro.Righe) {
        riga.OraMostrata = riga.OraFinale = OraVuota;
        riga.MinutoMostrato = riga.MinutoFinale = MinutoVuoto;
        riga.RitardoMostrato = 0;
        riga.IndicazioniMostrate = 0;
        riga.BinarioMostrato = 0;
        riga.Libera = true;
    }
    quadro.Indice = 0;
    quadro.PrimoAvvio = false;
}

std::optional<int> PrimaRigaLibera(const QuadroCentrale& quadro) {
    for (int r = 0; r < kRigheQuadro; ++r)
        if (quadro.Righe[r].Libera) return r;
    return std::nullopt;
}

bool PassoRigaQuadro(RigaQuadro& riga) {
    const bool girata = riga.CategoriaMostrata != riga.CategoriaFinale &&
                        riga.CategoriaMostrata == kGiroCategoria - 1;
    PerOgniCampo(riga, PassoCampo);
    return girata;
}

void Gestione_Reset(const QuadroCentrale& quadro, VistaQuadro& vista) {
    for (int j = 0; j < kRigheQuadro; ++j) vista.AbilitaReset(j, !quadro.Righe[j].Libera);
}

void Disattiva_Pulsanti(VistaQuadro& vista) {
    vista.AbilitaMenu(false);
    for (int j = 0; j < kRigheQuadro; ++j) {
        vista.AbilitaReset(j, false);
        vista.AbilitaSposta(j, false, false);
    }
}

void Attiva_Pulsanti(const QuadroCentrale& quadro, VistaQuadro& vista) {
    vista.AbilitaMenu(true);
    // The top row has nowhere to go up, the bottom row nowhere to go down.
    for (int j = 0; j < kRigheQuadro; ++j) vista.AbilitaSposta(j, j<kRigheQuadro - 1, j> 0);
    Gestione_Reset(quadro, vista);
}

void ApriQuadro(QuadroCentrale& quadro, VistaQuadro& vista) {
    if (quadro.PrimoAvvio) {
        Inizializzazione(quadro);
        Gestione_Reset(quadro, vista);
    }
    for (int r = 0; r < kRigheQuadro; ++r) vista.DisegnaRiga(r);
    if (quadro.Timer1) {
        // Trains stored while the window was closed turn from blank now, all in one animation.
        quadro.spostatutto = true;
        quadro.basta = true;
        quadro.contatime = 0;
    } else {
        // The first tick is the last of an animation: it sets the buttons from the rows.
        quadro.Indice = 0;
        quadro.contatime = kTickAnimazione - 1;
    }
    quadro.Timer1 = true;
    vista.AvviaTimer();
}

void ChiudiQuadro(QuadroCentrale& quadro) {
    ConcludiAnimazione(quadro, nullptr);
}

void Funzione_Timer(QuadroCentrale& quadro, int riga, VistaQuadro& vista) {
    if (!RigaValida(riga)) return;
    // Drawn before the step: each tick shows what the previous one reached.
    vista.DisegnaRiga(riga);
    if (PassoRigaQuadro(quadro.Righe[riga])) vista.DisegnaCategoria(riga);
}

void Timer1_Timer(QuadroCentrale& quadro, VistaQuadro& vista) {
    Disattiva_Pulsanti(vista);
    const bool ultimo = quadro.contatime == kTickAnimazione - 1;
    const int r = quadro.Indice;
    if (quadro.spostagiu) {
        Funzione_Timer(quadro, r, vista);
        Funzione_Timer(quadro, r + 1, vista);
        if (ultimo) quadro.spostagiu = false;
    } else if (quadro.spostasu) {
        Funzione_Timer(quadro, r, vista);
        Funzione_Timer(quadro, r - 1, vista);
        if (ultimo) quadro.spostasu = false;
    } else if (quadro.spostatutto) {
        for (int riga = 0; riga < kRigheQuadro; ++riga) Funzione_Timer(quadro, riga, vista);
        quadro.Indice = kRigheQuadro;
        if (ultimo) {
            quadro.spostatutto = false;
            if (!quadro.basta) riattiva_tutto(quadro, &vista);
        }
    } else {
        Funzione_Timer(quadro, r, vista);
    }
    if (++quadro.contatime < kTickAnimazione) return;
    vista.FermaTimer();
    quadro.Timer1 = false;
    quadro.contatime = 0;
    Attiva_Pulsanti(quadro, vista);
}

void ConcludiAnimazione(QuadroCentrale& quadro, VistaQuadro* vista) {
    if (!quadro.Timer1) return;
    for (RigaQuadro& riga : quadro.Righe) MostraFinaliDi(riga, riga);
    if (quadro.spostatutto && !quadro.basta) {
        riattiva_tutto(quadro, nullptr);
        for (RigaQuadro& riga : quadro.Righe) MostraFinaliDi(riga, riga);
    }
    quadro.spostasu = quadro.spostagiu = quadro.spostatutto = false;
    quadro.contatime = 0;
    quadro.Timer1 = false;
    if (!vista) return;
    vista->FermaTimer();
    for (int r = 0; r < kRigheQuadro; ++r) vista->DisegnaRiga(r);
    Attiva_Pulsanti(quadro, *vista);
}

void Cancella_Binarioq(QuadroCentrale& quadro, int riga, VistaQuadro& vista) {
    if (!RigaValida(riga)) return;
    ConcludiAnimazione(quadro, &vista);
    quadro.Indice = riga;
    RigaQuadro& r = quadro.Righe[riga];
    SvuotaFinali(r);
    r.Libera = true;
    Avvia(quadro, &vista);
    vista.AbilitaReset(riga, false);
}

void Sposta_Su(QuadroCentrale& quadro, int riga, VistaQuadro& vista) {
    if (riga < 1 || riga >= kRigheQuadro) return;
    ConcludiAnimazione(quadro, &vista);
    quadro.Indice = riga;
    Sposta_Binario(quadro, riga - 1);
    Avvia(quadro, &vista);
    quadro.spostasu = true;
    Gestione_Reset(quadro, vista);
}

void Sposta_Giu(QuadroCentrale& quadro, int riga, VistaQuadro& vista) {
    if (riga < 0 || riga >= kRigheQuadro - 1) return;
    ConcludiAnimazione(quadro, &vista);
    quadro.Indice = riga;
    Sposta_Binario(quadro, riga);
    Avvia(quadro, &vista);
    quadro.spostagiu = true;
    Gestione_Reset(quadro, vista);
}

void cancella_tutto(QuadroCentrale& quadro, VistaQuadro& vista) {
    const std::optional<int> libera = LiberaDopoConclusione(quadro, &vista);
    if (!libera) return;
    for (int r = *libera; r < kRigheQuadro; ++r) {
        quadro.RigheSalvate[r] = quadro.Righe[r];
        SvuotaFinali(quadro.Righe[r]);
        quadro.Righe[r].Libera = true;
    }
    quadro.Indice = kRigheQuadro;
    quadro.spostatutto = true;
    quadro.basta = false;
    Avvia(quadro, &vista);
}

void riattiva_tutto(QuadroCentrale& quadro, VistaQuadro* vista) {
    const std::optional<int> libera = PrimaRigaLibera(quadro);
    quadro.Indice = kRigheQuadro;
    if (!libera) return;
    for (int r = *libera; r < kRigheQuadro; ++r) quadro.Righe[r] = quadro.RigheSalvate[r];
    // The free record restored at the first gap sinks one row per exchange to the bottom.
    for (int I = *libera + 1; I < kRigheQuadro; ++I) {
        if (!quadro.Righe[I - 1].Libera) continue;
        Sposta_Binario(quadro, I - 1);
        quadro.spostatutto = true;
        quadro.basta = true;
        Avvia(quadro, vista);
    }
}

std::optional<int> InserisciTreno(QuadroCentrale& quadro, VistaQuadro* vista,
                                  const std::function<void(RigaQuadro&)>& scrivi) {
    const std::optional<int> libera = LiberaDopoConclusione(quadro, vista);
    if (!libera) return std::nullopt;
    quadro.Indice = *libera;
    RigaQuadro& riga = quadro.Righe[*libera];
    scrivi(riga);
    riga.Libera = false;
    Avvia(quadro, vista);
    if (vista) Gestione_Reset(quadro, *vista);
    return libera;
}

}  // namespace ardenvo
