#include "core/monitor.h"

#include <gtest/gtest.h>

#include "core/orologio.h"
#include "core/ritardi.h"

namespace ardenvo {
namespace {

using Numeri = std::vector<std::string>;
using Treni = std::vector<std::tuple<std::string, int, int>>;

// Both tables hold the same trains (number, hour, minute), in the order given.
Simulazione ConTreni(const Treni& treni, Orologio orologio) {
    Simulazione sim;
    for (const auto& [numero, ora, minuto] : treni) {
        Treno& t = sim.orario.Partenze[sim.orario.NumeroPartenze++];
        t.NumeroTreno = t.Destinazione = t.Provenienza = numero;
        t.Ora = t.OraEffettiva = static_cast<std::int16_t>(ora);
        t.Minuto = t.MinutoEffettivo = static_cast<std::int16_t>(minuto);
        sim.orario.Arrivi[sim.orario.NumeroArrivi++] = t;
    }
    sim.orologio = orologio;
    return sim;
}

// The departures' train numbers, checking that the arrivals went the same way.
Numeri NumeriDi(const Orario& o) {
    Numeri partenze, arrivi;
    for (int i = 0; i < o.NumeroPartenze; ++i) partenze.push_back(o.Partenze[i].NumeroTreno);
    for (int i = 0; i < o.NumeroArrivi; ++i) arrivi.push_back(o.Arrivi[i].NumeroTreno);
    EXPECT_EQ(partenze, arrivi);
    return partenze;
}

// Hours 9, 8, 7, 9, 8, 7, ...: a short table, and a full one, far more trains than a sort keeps
// in order by chance. At 7:00 the first train at 7:00 leaves, and the place freed at the end of
// the full table gets a cleared record.
TEST(Monitor, EachTickSortsStably) {
    for (int quanti : {20, kPostiTabella}) {
        const bool pieno = quanti == kPostiTabella;
        Treni treni;
        Numeri atteso;
        for (int i = 0; i < quanti; ++i) treni.emplace_back(std::to_string(i), 9 - i % 3, 0);
        for (int resto : {2, 1, 0})
            for (int i = resto; i < quanti; i += 3) atteso.push_back(std::to_string(i));
        if (pieno) atteso.erase(atteso.begin());
        Simulazione sim = ConTreni(treni, pieno ? Orologio{7, 0, 0} : Orologio{0, 0, 0});
        StatoPannelli p;
        Timer3_Timer(sim, p);
        EXPECT_EQ(NumeriDi(sim.orario), atteso) << quanti;
        if (pieno) {
            EXPECT_EQ(sim.orario.Partenze[1000], TrenoCancellato());
        }
    }
}

TEST(Monitor, DueSoonInTheFiveMinutesBeforeAcrossMidnight) {
    const std::tuple<std::int16_t, std::int16_t, Orologio, bool> casi[] = {
        {8, 5, {8, 0, 0}, true},   {8, 5, {8, 5, 0}, false},   {8, 5, {7, 59, 0}, false},
        {0, 2, {23, 57, 0}, true}, {0, 2, {23, 56, 0}, false}, {0, 0, {23, 55, 0}, true}};
    for (const auto& [ora, minuto, orologio, segnato] : casi) {
        Treno t;
        std::tie(t.OraEffettiva, t.MinutoEffettivo) = std::tie(ora, minuto);
        Controlla_Cinque_Minuti(t, orologio);
        EXPECT_EQ(t.PartenzaCinqueMinuti, segnato) << ora << ":" << minuto;
    }
    Orologio orologio{23, 59, 59};
    AvanzaUnSecondo(orologio);
    EXPECT_EQ(orologio, (Orologio{0, 0, 0}));
}

TEST(Monitor, OneTrainLeavesEachTablePerTick) {
    Simulazione sim =
        ConTreni({{"d", 11, 0}, {"a", 10, 15}, {"passato", 10, 0}, {"b", 10, 15}, {"c", 10, 15}},
                 {10, 15, 0});
    StatoPannelli p;
    for (const Numeri& atteso : {Numeri{"a", "b", "c", "d"}, Numeri{"b", "c", "d"},
                                 Numeri{"c", "d"}, Numeri{"d"}, Numeri{"d"}}) {
        Timer3_Timer(sim, p);
        EXPECT_EQ(NumeriDi(sim.orario), atteso);
    }
    // The rows were redrawn in the row-show form; those past the last train show a cleared one.
    sim.orologio = {11, 0, 0};
    Timer3_Timer(sim, p);
    EXPECT_EQ(NumeriDi(sim.orario), Numeri{});
    EXPECT_EQ(p.Righe[1].Testi[0], "0");
    EXPECT_EQ(sim.orario.Partenze[0], TrenoCancellato());

    // A table full to its last slot gets a cleared record in the place freed at its end.
    sim = ConTreni(Treni(kPostiTabella, {"x", 6, 0}), {6, 0, 0});
    Timer3_Timer(sim, p);
    EXPECT_EQ(std::tie(sim.orario.NumeroPartenze, sim.orario.Arrivi[999].NumeroTreno),
              std::tuple(1000, "x"));
    EXPECT_EQ(sim.orario.Partenze[1000], TrenoCancellato());
}

TEST(Monitor, FlaggedRowsBlinkEverySeventhTick) {
    Simulazione sim = ConTreni(Treni(9, {"x", 12, 0}), {11, 0, 0});
    for (Treno* t : {&sim.orario.Partenze[0], &sim.orario.Arrivi[6]}) {
        t->PartenzaCinqueMinuti = true;
        std::tie(t->Ora, t->Minuto, t->Ritardo) = std::tuple(10, 50, 70);  // still due at 12:00
    }
    StatoPannelli p;
    // Ticks 7, 21, ... show the rows (row-show form), ticks 14, 28, ... hide them.
    for (int tick = 1; tick <= 28; ++tick) {
        Timer3_Timer(sim, p);
        const bool visibile = tick < 14 || (tick >= 21 && tick < 28);
        ASSERT_EQ(std::tie(p.Righe[1].Visibile, p.Righe[15].Visibile, p.Righe[2].Visibile),
                  std::tuple(visibile, visibile, true))
            << tick;
        ASSERT_EQ(p.Righe[1].Testi[3], tick < 7 ? "" : "70") << tick;
    }
}

}  // namespace
}  // namespace ardenvo
