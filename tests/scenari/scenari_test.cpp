// The sample timetables shipped beside the program, read by the real reader.

#include <gtest/gtest.h>

#include "core/aiuti_file.h"
#include "core/orario_file.h"

namespace ardenvo {
namespace {

// Every train must be listable on the panels: a platform of the station, a time after the
// start, and even the worst delay its class can draw ending on the same day.
TEST(Scenari, EverySampleLoadsWithEveryTrainWithinTheDay) {
    for (auto [nome, minimoTreni] : {std::pair("centrale.vkd", 140u), {"piccola.vkd", 10u}}) {
        prova::SorgenteFissa zero({0.0});
        EstrattoreRitardi estrattore(zero);
        const auto esito =
            LeggiOrario(LeggiFile(std::string(ARDENVO_SOURCE_DIR_SCENARI) + "/" + nome).Valore(),
                        nome, estrattore);
        ASSERT_TRUE(esito) << nome << ": " << esito.Errore().Messaggio();
        const OrarioLetto& o = esito.Valore();
        EXPECT_GE(o.Partenze.size() + o.Arrivi.size(), minimoTreni) << nome;
        const int inizio = o.orologio.OraSimulazione * 60 + o.orologio.MinutoSimulazione;
        for (const auto* tabella : {&o.Partenze, &o.Arrivi}) {
            for (const Treno& t : *tabella) {
                const int ora = t.Ora * 60 + t.Minuto;
                const auto massimo = MassimoDellaClasse(t.ClasseRitardo);
                EXPECT_TRUE(t.Binario >= 1 && t.Binario <= o.NumeroBinari && t.Minuto >= 0 &&
                            t.Minuto <= 59 && ora > inizio && massimo &&
                            ora + RitardoDaEstrazione(*massimo - 1, 0) < 24 * 60)
                    << nome << " " << t.NumeroTreno;
            }
        }
    }
}

}  // namespace
}  // namespace ardenvo
