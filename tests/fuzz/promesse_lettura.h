#pragma once
// What the two readers promise on any input, checked by the fuzz targets and the ordinary suite.
// Each check returns the first promise broken, or "" when all hold.

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include "core/aiuti_file.h"
#include "core/comandi_file.h"
#include "core/orario_file.h"
#include "core/simulazione_file.h"

namespace ardenvo::prova {

inline constexpr std::string_view kNomeLetto = "letto.vkz";

// A running simulation that a load may replace: a train, a clock, a hidden row, a current file.
struct StatoInCorso {
    SorgenteFissa sorgente{{0.37, 0.91, 0.55, 0.02}};
    EstrattoreRitardi estrattore{sorgente};
    Simulazione sim;
    StatoPannelli pannelli;

    StatoInCorso() {
        sim.orario.NomeStazione = "Prima";
        sim.orario.NumeroPartenze = 1;
        sim.orario.Partenze[0] = {"7", "Roma", "", "Regionale", 1,   6, 6, 10,
                                  15,  2,      5,  false,       "-", 0, ""};
        std::tie(sim.orologio, sim.IndicePartenze, sim.FileSalvataggio) =
            std::tuple(Orologio{5, 6, 7}, 3, "/prima.vkz");
        Nascondi_Riga(pannelli, 2);
    }
    // Everything a load may touch, the draws of a timetable's delays included.
    auto Tutto() const {
        return std::tie(sim.orario, sim.orologio, pannelli, sim.IndicePartenze, sim.IndiceArrivi,
                        sim.FileSalvataggio, estrattore.Casuale, estrattore.MassimoCasuale);
    }
};

inline bool FuoriGiorno(int ora, int minuto, int secondo = 0) {
    return ora < 0 || ora > 23 || minuto < 0 || minuto > 59 || secondo < 0 || secondo > 59;
}

// A loaded model: counts within the tables, times within the day, every slot after a count clear.
inline std::string ControllaModello(const Simulazione& sim) {
    const Orario& o = sim.orario;
    const Treno vuoto = TrenoCancellato();
    for (const auto& [tabella, numero] :
         {std::pair(&o.Partenze, o.NumeroPartenze), std::pair(&o.Arrivi, o.NumeroArrivi)}) {
        if (numero < 0 || numero > kPostiTabella) return "a count of " + std::to_string(numero);
        for (int i = 0; i < kPostiTabella; ++i) {
            const Treno& t = (*tabella)[i];
            if (i >= numero && !(t == vuoto)) return "slot " + std::to_string(i);
            if (i < numero &&
                (FuoriGiorno(t.Ora, t.Minuto) || FuoriGiorno(t.OraEffettiva, t.MinutoEffettivo)))
                return "a train's time out of range";
        }
    }
    const Orologio& c = sim.orologio;
    if (FuoriGiorno(c.OraSimulazione, c.MinutoSimulazione, c.SecondoSimulazione))
        return "the clock out of range";
    return "";
}

// What a saved file of `letto` gives back: each table reversed, and cleared what the file does
// not hold (delay class, a departure's origin, an arrival's destination and stops).
inline OrarioLetto Ritornato(OrarioLetto letto) {
    for (auto* tabella : {&letto.Partenze, &letto.Arrivi}) {
        for (Treno& t : *tabella) {
            t.ClasseRitardo = 0;
            (tabella == &letto.Partenze ? t.Provenienza : t.Destinazione).clear();
            if (tabella == &letto.Arrivi) t.FermateSuccessive = "-";
        }
        std::ranges::reverse(*tabella);
    }
    return letto;
}

// Saves what a load read, as the program saves it, and reads it back.
inline std::string ControllaRitorno(const OrarioLetto& letto) {
    if (!letto.IntestazioneLetta) return "";     // an empty file: nothing to save
    static auto o = std::make_unique<Orario>();  // the writer reads only up to the counts
    std::tie(o->NomeStazione, o->NumeroBinari) = std::tie(letto.NomeStazione, letto.NumeroBinari);
    o->NumeroPartenze = static_cast<int>(letto.Partenze.size());
    o->NumeroArrivi = static_cast<int>(letto.Arrivi.size());
    std::ranges::copy(letto.Partenze, o->Partenze.begin());
    std::ranges::copy(letto.Arrivi, o->Arrivi.begin());
    const std::string byte = CodificaTesto(ScriviSimulazione(*o, letto.orologio));
    const Esito<OrarioLetto> ritorno = LeggiSimulazione(byte, kNomeLetto);
    if (!ritorno) return "the saved file does not load: " + ritorno.Errore().Messaggio();
    return ritorno.Valore() == Ritornato(letto) ? "" : "the saved file loads back different";
}

// One input through a reader: onto a running simulation, which a failure must leave as it was
// with one of the reader's numbers and the file's name; then on its own and saved back.
template <class Carica, class Leggi>
std::string ControllaLettura(Carica carica, Leggi leggi) {
    static const auto prima = std::make_unique<const StatoInCorso>();
    auto s = std::make_unique<StatoInCorso>();
    if (const Esito<DopoCaricamento> esito = carica(*s); !esito) {
        if (!(s->Tutto() == prima->Tutto())) return "a failed load changed the simulation";
        const int numeri[] = {6, 9, 13, 62, 380, 381, 382, 383};
        const ErroreFile& e = esito.Errore();
        if (std::ranges::find(numeri, e.Numero()) == std::end(numeri) ||
            e.Descrizione.find(" di \"" + std::string(kNomeLetto) + "\"") == std::string::npos)
            return "an unexpected failure: " + e.Messaggio();
        return "";
    }
    if (std::string e = ControllaModello(s->sim); !e.empty()) return e;
    SorgenteFissa sorgente({0.37, 0.91, 0.55, 0.02});
    EstrattoreRitardi estrattore(sorgente);
    const Esito<OrarioLetto> letto = leggi(estrattore);
    if (!letto) return "the reader alone fails: " + letto.Errore().Messaggio();
    return ControllaRitorno(letto.Valore());
}

inline std::string ControllaOrario(std::string_view byte) {
    return ControllaLettura(
        [&](StatoInCorso& s) {
            return Apri_Orario(s.sim, s.pannelli, byte, kNomeLetto, s.estrattore);
        },
        [&](EstrattoreRitardi& e) { return LeggiOrario(byte, kNomeLetto, e); });
}

inline std::string ControllaSimulazione(std::string_view byte) {
    return ControllaLettura(
        [&](StatoInCorso& s) { return Carica_Simulazione(s.sim, s.pannelli, byte, kNomeLetto); },
        [&](EstrattoreRitardi&) { return LeggiSimulazione(byte, kNomeLetto); });
}

}  // namespace ardenvo::prova
