// The sample timetables shipped beside the program, read by the real reader, and the full
// timetable the build writes among them.

#include <gtest/gtest.h>

#include "core/aiuti_file.h"
#include "core/orario_file.h"

namespace ardenvo {
namespace {

// Every train must be listable on the panels: a platform of the station, a time after the
// start, and even the longest delay its class can draw ending on the same day.
TEST(Scenari, EverySampleLoadsWithEveryTrainWithinTheDay) {
    const int kPeggiore[] = {0, 5, 30, 110, 230};  // the longest delay a draw of each class gives
    const std::string cartella = ARDENVO_SOURCE_DIR_SCENARI;
    for (auto [percorso, minimoTreni] : {std::pair(cartella + "/centrale.vkd", 140u),
                                         {cartella + "/piccola.vkd", 10u},
                                         {ARDENVO_ORARIO_COMPLETO, 2002u}}) {
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
                EXPECT_TRUE(t.Binario >= 1 && t.Binario <= o.NumeroBinari && ora > inizio &&
                            t.ClasseRitardo >= 0 && t.ClasseRitardo <= 4 &&
                            ora + kPeggiore[t.ClasseRitardo] < 24 * 60)
                    << percorso << " " << t.NumeroTreno;
            }
        }
    }
}

}  // namespace
}  // namespace ardenvo
