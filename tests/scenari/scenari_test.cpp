// The sample timetables shipped beside the program, read by the real reader, and the full
// timetable the build writes among them.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/aiuti_file.h"
#include "core/comandi_file.h"
#include "core/monitor.h"
#include "core/orario_file.h"

namespace ardenvo {
namespace {

const std::string kCompleto = ARDENVO_ORARIO_COMPLETO;

// The longest delay a draw of each class can give.
int Peggiore(std::int16_t classe) {
    static const std::map<std::int16_t, int> peggiori = [] {
        std::map<std::int16_t, int> p;
        for (std::int16_t c = 0; c <= 4; ++c) {
            p[c] = 0;
            for (int casuale = 0; casuale < *MassimoDellaClasse(c); ++casuale)
                p[c] = std::max<int>(p[c], RitardoDaEstrazione(casuale, 0));
        }
        return p;
    }();
    return peggiori.at(classe);
}

// Every train must be listable on the panels: a platform of the station, a time after the
// start, and even the worst delay its class can draw ending on the same day.
TEST(Scenari, EverySampleLoadsWithEveryTrainWithinTheDay) {
    const std::string cartella = ARDENVO_SOURCE_DIR_SCENARI;
    for (auto [percorso, minimoTreni] : {std::pair(cartella + "/centrale.vkd", 140u),
                                         {cartella + "/piccola.vkd", 10u},
                                         {kCompleto, 2002u}}) {
        prova::SorgenteFissa zero({0.0});
        EstrattoreRitardi estrattore(zero);
        const auto esito = LeggiOrario(LeggiFile(percorso).Valore(), percorso, estrattore);
        ASSERT_TRUE(esito) << percorso << ": " << esito.Errore().Messaggio();
        const OrarioLetto& o = esito.Valore();
        EXPECT_GE(o.Partenze.size() + o.Arrivi.size(), minimoTreni) << percorso;
        const int inizio = o.orologio.OraSimulazione * 60 + o.orologio.MinutoSimulazione;
        for (const auto* tabella : {&o.Partenze, &o.Arrivi}) {
            for (const Treno& t : *tabella) {
                const int ora = t.Ora * 60 + t.Minuto;
                EXPECT_TRUE(t.Binario >= 1 && t.Binario <= o.NumeroBinari && t.Minuto >= 0 &&
                            t.Minuto <= 59 && ora > inizio && MassimoDellaClasse(t.ClasseRitardo) &&
                            ora + Peggiore(t.ClasseRitardo) < 24 * 60)
                    << percorso << " " << t.NumeroTreno;
            }
        }
    }
}

// Opened as shipped, the full timetable's panels lead with the trains due next from its start.
TEST(Scenari, TheFullTimetableOpensOnTheTrainsDueNext) {
    for (double estrazione : {0.0, 0.5, 0.999}) {
        auto sim = std::make_unique<Simulazione>();
        StatoPannelli pannelli;
        prova::SorgenteFissa sorgente({estrazione});
        EstrattoreRitardi estrattore(sorgente);
        ASSERT_TRUE(ApriScenario(*sim, pannelli, kCompleto, estrattore));
        for (int tick = 0; tick < 4; ++tick) Timer3_Timer(*sim, pannelli);  // a second's worth
        const int inizio = sim->orologio.OraSimulazione * 60 + sim->orologio.MinutoSimulazione;
        for (int riga = 1; riga < kRighePannelli; ++riga) {
            if (riga == kTestataArrivi) continue;
            const std::string& ora = pannelli.Righe[riga][Cella::Orarioeff];
            const std::size_t duePunti = ora.find(':');
            ASSERT_NE(duePunti, std::string::npos) << riga;
            EXPECT_GE(std::stoi(ora) * 60 + std::stoi(ora.substr(duePunti + 1)), inizio)
                << "row " << riga << " due at " << ora << ", draw " << estrazione;
        }
    }
}

}  // namespace
}  // namespace ardenvo
