#include "core/comandi_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/aiuti_file.h"
#include "core/monitor.h"
#include "core/testo_file.h"

namespace ardenvo {
namespace {

const std::string kProva = std::string(ARDENVO_DATI_TEST) + "/stazione_prova.vkd";

// A running simulation with a station, a clock, rows hidden by the blink and a current file.
struct Stato {
    prova::SorgenteFissa sorgente{{0.42}};
    EstrattoreRitardi estrattore{sorgente};
    Simulazione sim;
    StatoPannelli pannelli;

    Stato() {
        Cancella_Orario(sim.orario);
        sim.orario.NomeStazione = "Vecchia";
        sim.orario.NumeroBinari = 9;
        sim.orologio = {20, 10, 42};
        sim.FileSalvataggio = "/vecchio.vkz";
        sim.IndicePartenze = 4;
        Nascondi_Riga(pannelli, 3);
        Nascondi_Riga(pannelli, 12);
    }
};

TEST(ComandiFile, ScenarioReplacesTheTimetable) {
    Stato s;
    const Esito<DopoCaricamento> esito = ApriScenario(s.sim, s.pannelli, kProva, s.estrattore);
    ASSERT_TRUE(esito) << esito.Errore().Messaggio();
    EXPECT_EQ(esito.Valore(), (DopoCaricamento{"Borgo Sereno", 3, false}));
    EXPECT_EQ(s.sim.orologio, (Orologio{6, 45, 42}));  // the second runs on
    EXPECT_EQ(std::tie(s.sim.orario.NumeroPartenze, s.sim.orario.NumeroArrivi), std::tuple(2, 2));
    EXPECT_EQ(std::tie(s.sim.IndicePartenze, s.sim.FileSalvataggio), std::tuple(0, "/vecchio.vkz"));
    EXPECT_EQ(s.pannelli.Righe[1].Testi[0], "2345");
    for (const RigaPannello& riga : s.pannelli.Righe) EXPECT_TRUE(riga.Visibile);

    // An empty file empties the tables and keeps the station and the clock.
    prova::CartellaProva cartella;
    std::ofstream(cartella / "vuoto.vkd");
    ASSERT_TRUE(ApriScenario(s.sim, s.pannelli, cartella / "vuoto.vkd", s.estrattore));
    EXPECT_EQ(s.sim.orario.NomeStazione, "Borgo Sereno");
    EXPECT_EQ(s.sim.orario.NumeroBinari, 3);
    EXPECT_EQ(s.sim.orario.NumeroPartenze, 0);
    EXPECT_EQ(s.pannelli.Righe[1].Testi[0], "");
}

TEST(ComandiFile, SaveAndResumeToTheSecond) {
    Stato s;
    ASSERT_TRUE(ApriScenario(s.sim, s.pannelli, ARDENVO_ORARIO_COMPLETO, s.estrattore));
    s.sim.orologio = {12, 0, 7};
    for (int i = 0; i < 40; ++i) Timer3_Timer(s.sim, s.pannelli);
    const Simulazione salvata = s.sim;

    prova::CartellaProva cartella;
    const std::string file = cartella / "ripresa.vkz";
    ASSERT_FALSE(SalvaSimulazione(s.sim, file));
    EXPECT_EQ(s.sim.FileSalvataggio, file);
    ASSERT_TRUE(ApriScenario(s.sim, s.pannelli, kProva, s.estrattore));

    const Esito<DopoCaricamento> esito = ApriSalvataggio(s.sim, s.pannelli, file);
    ASSERT_TRUE(esito) << esito.Errore().Messaggio();
    EXPECT_TRUE(esito.Valore().SalvaAbilitato);
    EXPECT_EQ(s.sim.orologio, salvata.orologio);
    EXPECT_EQ(s.sim.orario.Partenze[0].NumeroTreno,
              salvata.orario.Partenze[salvata.orario.NumeroPartenze - 1].NumeroTreno);
    // One tick puts the reversed table back in order of time (trains due at the same minute
    // come back in reverse order among themselves, as the format has always done).
    Timer3_Timer(s.sim, s.pannelli);
    const auto treni = [](const Orario& o, bool per_ora) {
        std::vector<std::tuple<int, std::string, bool>> t;
        for (int i = 0; i < o.NumeroPartenze; ++i) {
            const Treno& p = o.Partenze[i];
            t.emplace_back(p.OraEffettiva * 60 + p.MinutoEffettivo, per_ora ? "" : p.NumeroTreno,
                           p.PartenzaCinqueMinuti && !per_ora);
        }
        if (!per_ora) std::sort(t.begin(), t.end());
        return t;
    };
    EXPECT_EQ(treni(s.sim.orario, true), treni(salvata.orario, true));
    EXPECT_EQ(treni(s.sim.orario, false), treni(salvata.orario, false));
}

TEST(ComandiFile, AFailedCommandChangesNothing) {
    prova::CartellaProva cartella;
    std::ofstream(cartella / "rotto.vkd") << prova::FileDati("stazione_prova.vkd").substr(0, 700);
    std::ofstream(cartella / "rotto.vkz") << "Stazione di = X\r\nOra = 8.0\r\n";
    for (int comando = 0; comando < 5; ++comando) {
        Stato s;
        const Simulazione prima = s.sim;
        const StatoPannelli pannelli_prima = s.pannelli;
        const int casuale_prima = s.estrattore.Casuale;
        std::optional<ErroreFile> errore;
        switch (comando) {
            case 0:
                errore =
                    ApriScenario(s.sim, s.pannelli, cartella / "rotto.vkd", s.estrattore).Errore();
                break;
            case 1:
                errore =
                    ApriScenario(s.sim, s.pannelli, cartella / "manca.vkd", s.estrattore).Errore();
                break;
            case 2:
                errore = ApriSalvataggio(s.sim, s.pannelli, cartella / "rotto.vkz").Errore();
                break;
            case 3:
                errore = ApriSalvataggio(s.sim, s.pannelli, cartella / "rotto.vkd").Errore();
                break;
            case 4:
                errore = SalvaSimulazione(s.sim, cartella / "manca/nuovo.vkz");
                break;
        }
        ASSERT_TRUE(errore) << comando;
        EXPECT_FALSE(errore->Descrizione.empty());
        EXPECT_EQ(s.sim.orario, prima.orario) << comando;
        EXPECT_EQ(s.sim.orologio, prima.orologio) << comando;
        EXPECT_EQ(std::tie(s.sim.FileSalvataggio, s.sim.FileOrario, s.sim.IndicePartenze),
                  std::tie(prima.FileSalvataggio, prima.FileOrario, prima.IndicePartenze));
        EXPECT_EQ(s.pannelli, pannelli_prima) << comando;
        EXPECT_EQ(s.estrattore.Casuale, casuale_prima) << comando;
    }
}

}  // namespace
}  // namespace ardenvo
