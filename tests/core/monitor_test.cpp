#include "core/monitor.h"

#include <gtest/gtest.h>

#include "core/ritardi.h"

namespace ardenvo {
namespace {

Treno Partenza(std::string numero, int ora, int minuto) {
    Treno t = TrenoCancellato();
    t.NumeroTreno = numero;
    t.Destinazione = t.Provenienza = "Luogo " + numero;
    t.Ora = t.OraEffettiva = static_cast<std::int16_t>(ora);
    t.Minuto = t.MinutoEffettivo = static_cast<std::int16_t>(minuto);
    return t;
}

// Both tables hold the same trains, in the order given.
Simulazione ConTreni(const std::vector<Treno>& treni, int ora, int minuto) {
    Simulazione sim;
    Cancella_Orario(sim.orario);
    for (const Treno& t : treni) {
        sim.orario.Partenze[sim.orario.NumeroPartenze++] = t;
        sim.orario.Arrivi[sim.orario.NumeroArrivi++] = t;
    }
    sim.orologio = {ora, minuto, 0};
    return sim;
}

std::vector<std::string> Numeri(const TabellaTreni& t, int n) {
    std::vector<std::string> numeri;
    for (int i = 0; i < n; ++i) numeri.push_back(t[i].NumeroTreno);
    return numeri;
}

TEST(Monitor, OneTickPutsEqualTimesInTheirOrder) {
    Simulazione sim = ConTreni({Partenza("a", 9, 0), Partenza("b", 8, 30), Partenza("c", 9, 0),
                                Partenza("d", 8, 30), Partenza("e", 7, 59)},
                               0, 0);
    StatoPannelli p;
    Timer3_Timer(sim, p);
    const std::vector<std::string> atteso = {"e", "b", "d", "a", "c"};
    EXPECT_EQ(Numeri(sim.orario.Partenze, 5), atteso);
    EXPECT_EQ(Numeri(sim.orario.Arrivi, 5), atteso);
    EXPECT_EQ(p.Righe[1].Testi[0], "a");  // the panels follow on the next tick
    Timer3_Timer(sim, p);
    EXPECT_EQ(p.Righe[1].Testi[0], "e");
    EXPECT_EQ(p.Righe[9].Testi[0], "e");
}

TEST(Monitor, DueSoonInTheFiveMinutesBeforeAcrossMidnight) {
    struct Caso {
        int ora, minuto, orologio_ora, orologio_minuto;
        bool segnato;
    };
    const Caso casi[] = {{8, 5, 8, 0, true},    {8, 5, 8, 4, true},   {8, 5, 8, 5, false},
                         {8, 5, 7, 59, false},  {9, 0, 8, 55, true},  {0, 2, 23, 57, true},
                         {0, 2, 23, 56, false}, {0, 3, 23, 58, true}, {0, 0, 23, 55, true}};
    for (const Caso& c : casi) {
        Treno t = Partenza("x", c.ora, c.minuto);
        Controlla_Cinque_Minuti(t, {c.orologio_ora, c.orologio_minuto, 0});
        EXPECT_EQ(t.PartenzaCinqueMinuti, c.segnato) << c.ora << ":" << c.minuto;
    }
    // Only the first eleven trains are looked at.
    std::vector<Treno> treni(12, Partenza("x", 10, 3));
    Simulazione sim = ConTreni(treni, 10, 0);
    StatoPannelli p;
    Timer3_Timer(sim, p);
    EXPECT_TRUE(sim.orario.Partenze[10].PartenzaCinqueMinuti);
    EXPECT_FALSE(sim.orario.Partenze[11].PartenzaCinqueMinuti);
}

TEST(Monitor, OneTrainLeavesEachTablePerTick) {
    Simulazione sim = ConTreni({Partenza("passato", 10, 0), Partenza("a", 10, 15),
                                Partenza("b", 10, 15), Partenza("c", 10, 15), Partenza("d", 11, 0)},
                               10, 15);
    StatoPannelli p;
    const std::vector<std::vector<std::string>> attesi = {
        {"a", "b", "c", "d"}, {"b", "c", "d"}, {"c", "d"}, {"d"}, {"d"}};
    for (const auto& atteso : attesi) {
        Timer3_Timer(sim, p);
        EXPECT_EQ(Numeri(sim.orario.Partenze, sim.orario.NumeroPartenze), atteso);
        EXPECT_EQ(sim.orario.NumeroArrivi, sim.orario.NumeroPartenze);
    }
    // The rows were redrawn in the row-show form; those past the last train show a cleared one.
    sim.orologio = {11, 59, 0};
    sim.orario.Partenze[0].Ora = sim.orario.Partenze[0].OraEffettiva = 11;
    sim.orario.Partenze[0].Minuto = sim.orario.Partenze[0].MinutoEffettivo = 59;
    Timer3_Timer(sim, p);
    EXPECT_EQ(sim.orario.NumeroPartenze, 0);
    EXPECT_EQ(p.Righe[1].Testi[0], "0");
    EXPECT_EQ(sim.orario.Partenze[0], TrenoCancellato());
}

TEST(Monitor, AFullTableKeepsAClearedRecordAtItsEnd) {
    Simulazione sim = ConTreni(std::vector<Treno>(kPostiTabella, Partenza("x", 6, 0)), 6, 0);
    StatoPannelli p;
    Timer3_Timer(sim, p);
    EXPECT_EQ(sim.orario.NumeroPartenze, 1000);
    EXPECT_EQ(sim.orario.Partenze[1000], TrenoCancellato());
    EXPECT_EQ(sim.orario.Arrivi[999].NumeroTreno, "x");
}

TEST(Monitor, FlaggedRowsBlinkEverySeventhTick) {
    std::vector<Treno> treni(9, Partenza("x", 12, 0));
    for (Treno& t : treni) {
        t.PartenzaCinqueMinuti = true;
        t.Ritardo = 70;
    }
    Simulazione sim = ConTreni(treni, 11, 0);
    StatoPannelli p;
    // Ticks 7, 21, ... show the rows (row-show form), ticks 14, 28, ... hide them.
    for (int tick = 1; tick <= 28; ++tick) {
        Timer3_Timer(sim, p);
        const bool visibile = tick < 14 || (tick >= 21 && tick < 28);
        ASSERT_EQ(p.Righe[1].Visibile, visibile) << tick;
        ASSERT_EQ(p.Righe[15].Visibile, visibile) << tick;
        ASSERT_EQ(p.Righe[1].Testi[3], tick < 7 ? "" : "70") << tick;
    }
}

}  // namespace
}  // namespace ardenvo
