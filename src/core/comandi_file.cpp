#include "core/comandi_file.h"

#include <algorithm>

#include "core/orario_file.h"
#include "core/simulazione_file.h"
#include "core/testo_file.h"

namespace ardenvo {
namespace {

// Puts a file that was read to its end in place of the running model and redraws the panels.
DopoCaricamento Applica(Simulazione& sim, StatoPannelli& pannelli, OrarioLetto letto,
                        bool con_secondo, bool salva) {
    Orario& o = sim.orario;
    if (letto.IntestazioneLetta) {
        o.NomeStazione = std::move(letto.NomeStazione);
        o.NumeroBinari = letto.NumeroBinari;
        sim.orologio.OraSimulazione = letto.orologio.OraSimulazione;
        sim.orologio.MinutoSimulazione = letto.orologio.MinutoSimulazione;
        if (con_secondo) sim.orologio.SecondoSimulazione = letto.orologio.SecondoSimulazione;
    }
    Cancella_Orario(o);
    std::move(letto.Partenze.begin(), letto.Partenze.end(), o.Partenze.begin());
    std::move(letto.Arrivi.begin(), letto.Arrivi.end(), o.Arrivi.begin());
    o.NumeroPartenze = static_cast<int>(letto.Partenze.size());
    o.NumeroArrivi = static_cast<int>(letto.Arrivi.size());

    // Rows hidden by the blink come back; the refresh then redraws every row whose train is
    // not due soon, and the rows of trains due soon stay as the show drew them.
    for (int k = 1; k <= kRighePerPannello; ++k) {
        Mostra_Riga_Partenza(pannelli, kTestataPartenze + k, o.Partenze[k - 1]);
        Mostra_Riga_Arrivo(pannelli, kTestataArrivi + k, o.Arrivi[k - 1]);
    }
    Aggiorna_Partenze(o.Partenze, 0, pannelli);
    Aggiorna_Arrivi(o.Arrivi, 0, pannelli);
    sim.IndicePartenze = 0;
    sim.IndiceArrivi = 0;
    return {o.NomeStazione, salva};
}

}  // namespace

Esito<DopoCaricamento> Apri_Orario(Simulazione& sim, StatoPannelli& pannelli, std::string_view byte,
                                   std::string_view nome, EstrattoreRitardi& estrattore) {
    const EstrattoreRitardi prima = estrattore;
    Esito<OrarioLetto> letto = LeggiOrario(byte, nome, estrattore);
    if (!letto) {
        // Not even the draws of a failed file leave a trace.
        estrattore.MassimoCasuale = prima.MassimoCasuale;
        estrattore.Casuale = prima.Casuale;
        return letto.Errore();
    }
    return Applica(sim, pannelli, std::move(letto.Valore()), false, false);
}

Esito<DopoCaricamento> Carica_Simulazione(Simulazione& sim, StatoPannelli& pannelli,
                                          std::string_view byte, std::string_view nome) {
    Esito<OrarioLetto> letto = LeggiSimulazione(byte, nome);
    if (!letto) return letto.Errore();
    return Applica(sim, pannelli, std::move(letto.Valore()), true, true);
}

Esito<DopoCaricamento> ApriScenario(Simulazione& sim, StatoPannelli& pannelli,
                                    const std::string& percorso, EstrattoreRitardi& estrattore) {
    Esito<std::string> byte = LeggiFile(percorso);
    if (!byte) return byte.Errore();
    return Apri_Orario(sim, pannelli, byte.Valore(), NomeFile(percorso), estrattore);
}

Esito<DopoCaricamento> ApriSalvataggio(Simulazione& sim, StatoPannelli& pannelli,
                                       const std::string& percorso) {
    Esito<std::string> byte = LeggiFile(percorso);
    if (!byte) return byte.Errore();
    Esito<DopoCaricamento> esito =
        Carica_Simulazione(sim, pannelli, byte.Valore(), NomeFile(percorso));
    if (esito) sim.FileSalvataggio = percorso;
    return esito;
}

std::optional<ErroreFile> SalvaSimulazione(Simulazione& sim, const std::string& percorso) {
    const std::string byte = CodificaTesto(ScriviSimulazione(sim.orario, sim.orologio));
    std::optional<ErroreFile> errore = ScriviFileAtomico(percorso, byte);
    if (!errore) sim.FileSalvataggio = percorso;
    return errore;
}

}  // namespace ardenvo
