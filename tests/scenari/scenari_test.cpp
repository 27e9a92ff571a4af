// The sample timetables shipped beside the program, read by the real reader.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "core/orario_file.h"
#include "core/testo_file.h"

namespace ardenvo {
namespace {

class Zero final : public SorgenteCasuale {
public:
    double Uniforme() override { return 0.0; }
};

struct Campione {
    std::string byte;
    OrarioLetto letto;
};

Campione Leggi(const std::string& nome) {
    Campione c;
    c.byte = LeggiFile(std::string(ARDENVO_SOURCE_DIR_SCENARI) + "/" + nome).Valore();
    Zero zero;
    EstrattoreRitardi estrattore(zero);
    auto esito = LeggiOrario(c.byte, estrattore);
    EXPECT_TRUE(esito) << nome << ": " << (esito ? "" : esito.Errore().Messaggio());
    if (esito) c.letto = esito.Valore();
    return c;
}

// What a sample must hold for the panels to list its day in order: valid times after the
// start, platforms of the station, and even the worst delay of a class on the same day.
void ControllaTreni(const Campione& c) {
    const int inizio = c.letto.orologio.OraSimulazione * 60 + c.letto.orologio.MinutoSimulazione;
    for (const auto* tabella : {&c.letto.Partenze, &c.letto.Arrivi}) {
        for (const Treno& t : *tabella) {
            SCOPED_TRACE(t.NumeroTreno);
            EXPECT_TRUE(t.Ora >= 0 && t.Ora <= 23 && t.Minuto >= 0 && t.Minuto <= 59);
            EXPECT_GT(t.Ora * 60 + t.Minuto, inizio);
            EXPECT_TRUE(t.Binario >= 1 && t.Binario <= c.letto.NumeroBinari);
            ASSERT_TRUE(t.ClasseRitardo >= 0 && t.ClasseRitardo <= 4);
            const int peggiore = RitardoDaEstrazione(*MassimoDellaClasse(t.ClasseRitardo) - 1, 0);
            EXPECT_LT(t.Ora * 60 + t.Minuto + peggiore, 24 * 60);
        }
    }
}

int Conta(const std::vector<Treno>& tabella, auto condizione) {
    return static_cast<int>(std::count_if(tabella.begin(), tabella.end(), condizione));
}

TEST(Scenari, LargeStationHoldsEveryKindOfRecord) {
    const Campione c = Leggi("centrale.vkd");
    ControllaTreni(c);
    const auto& p = c.letto.Partenze;
    const auto& a = c.letto.Arrivi;
    EXPECT_NE(c.byte.find("\r\n"), std::string::npos);
    EXPECT_GE(c.letto.NumeroBinari, 12);
    EXPECT_TRUE(p.size() + a.size() >= 140 && p.size() + a.size() <= 200);
    // A train that arrives and leaves again stands in both tables under one number.
    std::set<std::string> numeriArrivi;
    for (const Treno& t : a) numeriArrivi.insert(t.NumeroTreno);
    EXPECT_GE(Conta(p, [&](const Treno& t) { return numeriArrivi.contains(t.NumeroTreno); }), 20);
    std::set<int> classi;
    for (const Treno& t : p) classi.insert(t.ClasseRitardo);
    EXPECT_EQ(classi, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_GE(Conta(p, [](const Treno& t) { return t.Categoria == "Autobus"; }) +
                  Conta(a, [](const Treno& t) { return t.Categoria == "Autobus"; }),
              4);
    EXPECT_GT(Conta(p, [](const Treno& t) { return t.FermateSuccessive.ends_with(",."); }), 30);
    EXPECT_GT(Conta(p, [](const Treno& t) { return t.Indicazioni != 0; }), 5);
    EXPECT_GT(Conta(p, [](const Treno& t) { return !t.Note.empty() && t.Note != "-"; }), 10);
    EXPECT_NE(c.byte.find("\n#"), std::string::npos);
}

TEST(Scenari, SmallStationOfThreePlatforms) {
    const Campione c = Leggi("piccola.vkd");
    ControllaTreni(c);
    EXPECT_EQ(c.byte.find('\r'), std::string::npos);
    EXPECT_EQ(c.letto.NumeroBinari, 3);
    EXPECT_TRUE(c.letto.Partenze.size() + c.letto.Arrivi.size() >= 10);
}

}  // namespace
}  // namespace ardenvo
