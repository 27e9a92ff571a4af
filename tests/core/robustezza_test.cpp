#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "core/aiuti_file.h"
#include "core/comandi_file.h"
#include "core/monitor.h"
#include "core/simulazione_file.h"
#include "core/testo_file.h"

namespace ardenvo {
namespace {

std::vector<std::string> RigheDi(const std::string& testo) {
    std::vector<std::string> righe;
    for (std::string_view r : DividiRighe(testo)) righe.emplace_back(r);
    return righe;
}

// A few random edits of the kind a hand-edited or damaged file shows.
std::string Muta(std::vector<std::string> righe, std::mt19937& caso) {
    static const std::string kByte = std::string("\r\n=. -#09\x80\xFF\xC3\xA0", 14);
    static const char* kValori[] = {"",     "-", "99999", "-1",       "24.00",
                                    "8,30", "x", "1.2.3", "7.",       ".5",
                                    "3",    "2", "+0",    "23.59.59", "Prossimo treno:"};
    const auto a_caso = [&](std::size_t n) { return n == 0 ? 0 : caso() % n; };
    for (int passo = 0, passi = 1 + a_caso(4); passo < passi && !righe.empty(); ++passo) {
        std::string& riga = righe[a_caso(righe.size())];
        switch (a_caso(7)) {
            case 0:
                righe.erase(righe.begin() + a_caso(righe.size()));
                break;
            case 1:
                righe.insert(righe.begin() + a_caso(righe.size()), riga);
                break;
            case 2:
                std::swap(riga, righe[a_caso(righe.size())]);
                break;
            case 3:
                righe.resize(a_caso(righe.size()));
                break;
            case 4:
                riga.insert(a_caso(riga.size() + 1), 1, kByte[a_caso(kByte.size())]);
                break;
            case 5:
                if (!riga.empty()) riga[a_caso(riga.size())] = static_cast<char>(caso());
                break;
            default: {
                const std::size_t at = riga.find("= ");
                riga = (at == std::string::npos ? riga : riga.substr(0, at + 2)) +
                       kValori[a_caso(std::size(kValori))];
            }
        }
    }
    std::string out;
    for (const std::string& r : righe) out += r + "\r\n";
    return out;
}

TEST(Robustezza, MutatedFilesLoadOrFailWithoutATrace) {
    prova::SorgenteFissa sorgente({0.3, 0.95, 0.6});
    EstrattoreRitardi estrattore(sorgente);
    Simulazione sim;
    StatoPannelli pannelli;
    const std::string orario =
        LeggiFile(std::string(ARDENVO_DATI_TEST) + "/stazione_prova.vkd").Valore();
    ASSERT_TRUE(Apri_Orario(sim, pannelli, orario, estrattore));
    sim.orario.Partenze[0].PartenzaCinqueMinuti = true;
    const std::vector<std::string> semi[] = {RigheDi(orario),
                                             RigheDi(ScriviSimulazione(sim.orario, {7, 8, 9}))};

    const std::regex messaggio("(6|9|13|62|380|381|382|383) \\S.*");
    std::mt19937 caso(20240611);
    Simulazione prima = sim;
    StatoPannelli pannelli_prima = pannelli;
    int riusciti = 0;
    for (int i = 0; i < 10000; ++i) {
        const std::string file = Muta(semi[i % 2], caso);
        for (bool salvataggio : {false, true}) {
            const Esito<DopoCaricamento> esito = salvataggio
                                                     ? Carica_Simulazione(sim, pannelli, file)
                                                     : Apri_Orario(sim, pannelli, file, estrattore);
            if (esito) {
                ++riusciti;
                Timer3_Timer(sim, pannelli);
                prima = sim;
                pannelli_prima = pannelli;
                continue;
            }
            ASSERT_TRUE(std::regex_match(esito.Errore().Messaggio(), messaggio))
                << esito.Errore().Messaggio();
            ASSERT_EQ(sim.orario, prima.orario) << file;
            ASSERT_EQ(sim.orologio, prima.orologio) << file;
            ASSERT_EQ(pannelli, pannelli_prima) << file;
        }
    }
    // Both outcomes were exercised, not just one of them.
    EXPECT_GT(riusciti, 2000);
    EXPECT_LT(riusciti, 18000);
}

}  // namespace
}  // namespace ardenvo
