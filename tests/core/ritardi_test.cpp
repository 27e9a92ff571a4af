#include "core/ritardi.h"

#include <gtest/gtest.h>

#include "core/aiuti_file.h"

namespace ardenvo {
namespace {

TEST(Ritardi, SommaWrapsOnlyOnExactBoundsAndBandEdges) {
    // Out-of-range entries never wrap: the tests are equalities.
    const std::tuple<int, int, int, OraMinuto> casi[] = {
        {22, 55, 230, {2, 45}}, {23, 59, 5, {0, 4}},   {8, 0, -5, {8, 0}},
        {7, 58, 2, {8, 0}},     {24, 10, 5, {24, 15}}, {3, 61, 5, {3, 66}}};
    for (const auto& [ora, minuto, ritardo, atteso] : casi)
        EXPECT_EQ(Somma_Ritardo(ora, minuto, ritardo), atteso) << ora << ":" << minuto;
    // From 9400 up a draw means nothing and the delay stays (77 here).
    const std::pair<int, int> bande[] = {
        {0, 0},     {1999, 0},  {2000, 5},   {4999, 30},  {5000, 35}, {6249, 55}, {6250, 60},
        {6499, 60}, {6500, 70}, {8899, 180}, {9399, 230}, {9400, 77}, {9999, 77}};
    for (auto [estrazione, minuti] : bande)
        EXPECT_EQ(RitardoDaEstrazione(estrazione, 77), minuti) << estrazione;
}

TEST(Ritardi, EachClassDrawsWithinItsBound) {
    prova::SorgenteFissa sorgente({0.99999, 0.99999, 0.5, 0.95, 0.939});
    EstrattoreRitardi estrattore(sorgente);
    // Class, draw, delay; an unknown class (9) keeps the previous bound. Delays start at 15.
    const std::tuple<int, int, int> casi[] = {
        {1, 2499, 5}, {3, 7499, 110}, {9, 3750, 20}, {4, 9500, 15}, {4, 9390, 230}};
    for (const auto& [classe, casuale, ritardo] : casi) {
        Treno t;
        std::tie(t.ClasseRitardo, t.Ritardo) = std::tuple(classe, 15);
        estrattore.Ritardo_Casuale_Partenza(t);
        EXPECT_EQ(std::tie(estrattore.Casuale, t.Ritardo), std::tuple(casuale, ritardo)) << classe;
    }
}

TEST(Ritardi, CancellaOrarioClearsEverySlotAndNothingElse) {
    Orario o;
    o.Partenze.fill({"512", "Roma", "Milano", "IC", 2, 8, 8, 5, 15, 3, 10, true, "x", 2, "n"});
    o.Arrivi = o.Partenze;
    o.NumeroPartenze = 3;
    Cancella_Orario(o);
    Treno vuoto;
    vuoto.NumeroTreno = vuoto.Categoria = "0";
    for (int i = 0; i < kPostiTabella; ++i)
        ASSERT_EQ(std::tie(o.Partenze[i], o.Arrivi[i]), std::tie(vuoto, vuoto)) << i;
    EXPECT_EQ(o.NumeroPartenze, 3);
}

}  // namespace
}  // namespace ardenvo
