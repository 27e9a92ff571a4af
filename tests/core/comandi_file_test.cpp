#include "core/comandi_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <regex>

#include "core/aiuti_file.h"
#include "core/monitor.h"
#include "core/simulazione_file.h"

namespace ardenvo {
namespace {

const std::string kProva = std::string(ARDENVO_DATI_TEST) + "/stazione_prova.vkd";

// A running simulation with a clock, a row hidden by the blink and a current file.
struct Stato {
    prova::SorgenteFissa sorgente{{0.3, 0.95, 0.6}};
    EstrattoreRitardi estrattore{sorgente};
    Simulazione sim;
    StatoPannelli pannelli;
    Stato() {
        std::tie(sim.orologio, sim.IndicePartenze, sim.FileSalvataggio) =
            std::tuple(Orologio{20, 10, 42}, 4, "/v.vkz");
        Nascondi_Riga(pannelli, 12);
    }
};

TEST(ComandiFile, ScenarioReplacesTheTimetableAndAFailedSaveKeepsTheFile) {
    Stato s;
    prova::CartellaProva cartella;
    EXPECT_EQ(SalvaSimulazione(s.sim, cartella / "manca/nuovo.vkz")->Numero(), 76);
    EXPECT_EQ(s.sim.FileSalvataggio, "/v.vkz");

    const Esito<DopoCaricamento> esito = ApriScenario(s.sim, s.pannelli, kProva, s.estrattore);
    ASSERT_TRUE(esito) << esito.Errore().Messaggio();
    EXPECT_EQ(esito.Valore(), (DopoCaricamento{"Borgo Sereno", 3, false}));
    EXPECT_EQ(s.sim.orologio, (Orologio{6, 45, 42}));  // the second runs on
    EXPECT_EQ(std::tie(s.sim.orario.NumeroArrivi, s.sim.IndicePartenze, s.sim.FileSalvataggio),
              std::tuple(2, 0, "/v.vkz"));
    EXPECT_EQ(std::tie(s.pannelli.Righe[1].Testi[0], s.pannelli.Righe[12].Visibile),
              std::tuple("2345", true));
    // An empty file empties the tables and keeps the station and the clock.
    std::ofstream(cartella / "vuoto.vkd");
    ASSERT_TRUE(ApriScenario(s.sim, s.pannelli, cartella / "vuoto.vkd", s.estrattore));
    EXPECT_EQ(std::tie(s.sim.orario.NomeStazione, s.sim.orologio, s.sim.orario.NumeroPartenze),
              std::tuple("Borgo Sereno", Orologio{6, 45, 42}, 0));
}

// A few random edits of the kind a hand-edited or damaged file shows.
std::string Muta(const std::string& file, std::mt19937& caso) {
    static const char* kValori[] = {"",  "-", "99999", "-1",       "24.00",          "8,30",
                                    "x", "7", "1.2.3", "23.59.59", "Prossimo treno:"};
    static const std::string kByte("\r\n=. -9\x80\xC3\0", 10);
    std::vector<std::string> righe;
    for (std::string_view r : DividiRighe(file)) righe.emplace_back(r);
    const auto a_caso = [&](std::size_t n) { return caso() % n; };
    for (int passo = 0, passi = 1 + a_caso(4); passo < passi && !righe.empty(); ++passo) {
        const std::size_t i = a_caso(righe.size()), tipo = a_caso(5);
        std::string& riga = righe[i];
        if (tipo == 0) righe.erase(righe.begin() + i);
        if (tipo == 1) righe.insert(righe.begin() + a_caso(righe.size()), riga);
        if (tipo == 2) righe.resize(i);
        if (tipo == 3) riga.insert(a_caso(riga.size() + 1), 1, kByte[a_caso(kByte.size())]);
        // A new value, or more text on a line that has none.
        if (tipo == 4 && riga.find("= ") != std::string::npos) riga.resize(riga.find("= ") + 2);
        if (tipo == 4) riga += kValori[a_caso(std::size(kValori))];
    }
    std::string out;
    for (const std::string& r : righe) out += r + "\r\n";
    return out;
}

TEST(ComandiFile, MutatedFilesLoadOrFailWithoutATrace) {
    Stato s;
    const std::string orario = prova::FileDati("stazione_prova.vkd");
    ASSERT_TRUE(Apri_Orario(s.sim, s.pannelli, orario, s.estrattore));
    s.sim.orario.Partenze[0].PartenzaCinqueMinuti = true;
    const std::string semi[] = {orario, ScriviSimulazione(s.sim.orario, {7, 8, 9})};
    const std::regex messaggio("(6|9|13|62|380|381|382|383) \\S.*");
    std::mt19937 caso(20240611);
    // Everything a load touches, the draws of the timetable's delays included.
    const auto stato = [&] {
        return std::tie(s.sim.orario, s.sim.orologio, s.pannelli, s.sim.IndicePartenze,
                        s.estrattore.Casuale, s.estrattore.MassimoCasuale);
    };
    std::tuple<Orario, Orologio, StatoPannelli, int, int, std::int16_t> prima = stato();
    int riusciti = 0;
    for (int i = 0; i < 10000; ++i) {
        const std::string file = Muta(semi[i % 2], caso);
        for (bool salvataggio : {false, true}) {
            const Esito<DopoCaricamento> esito =
                salvataggio ? Carica_Simulazione(s.sim, s.pannelli, file)
                            : Apri_Orario(s.sim, s.pannelli, file, s.estrattore);
            if (esito) {
                ++riusciti;
                Timer3_Timer(s.sim, s.pannelli);
                prima = stato();
                continue;
            }
            ASSERT_TRUE(std::regex_match(esito.Errore().Messaggio(), messaggio))
                << esito.Errore().Messaggio();
            ASSERT_TRUE(stato() == prima) << file;
        }
    }
    // Both outcomes were exercised, not just one of them.
    EXPECT_TRUE(riusciti > 2000 && riusciti < 18000) << riusciti;
}

}  // namespace
}  // namespace ardenvo
