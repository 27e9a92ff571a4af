#include "boards/flap.h"

#include <gtest/gtest.h>

#include <vector>

namespace ardenvo {
namespace {

using Campo = std::int16_t RigaBinario::*;

// The shown values of one field, tick by tick, until it shows `a`.
std::vector<int> Percorso(Campo mostrato, Campo finale, std::int16_t da, std::int16_t a) {
    RigaBinario riga;
    riga.*mostrato = da;
    riga.*finale = a;
    std::vector<int> visti;
    while (riga.*mostrato != a && visti.size() < 100) {
        PassoRiga(riga, IncrementoRitardo(riga.RitardoMinuti));
        visti.push_back(riga.*mostrato);
    }
    return visti;
}

std::vector<int> Da(int primo, int ultimo, int passo, std::vector<int> poi = {}) {
    std::vector<int> v;
    for (int x = primo; x <= ultimo; x += passo) v.push_back(x);
    v.insert(v.end(), poi.begin(), poi.end());
    return v;
}

TEST(Flap, CyclesTurnForwardAndWrap) {
    const Campo C = &RigaBinario::CodiceCategoria, CF = &RigaBinario::CodiceCategoriaFinale;
    const Campo R = &RigaBinario::RitardoMinuti, RF = &RigaBinario::RitardoMinutiFinale;
    const Campo O = &RigaBinario::OraPartenza, OF = &RigaBinario::OraPartenzaFinale;
    const Campo M = &RigaBinario::MinutoPartenza, MF = &RigaBinario::MinutoPartenzaFinale;
    const Campo I = &RigaBinario::CodiceIndicazioni, IF = &RigaBinario::CodiceIndicazioniFinale;
    EXPECT_EQ(Percorso(C, CF, 3, 2), Da(4, 10, 1, {0, 1, 2}));
    EXPECT_EQ(Percorso(R, RF, 55, 0), Da(60, 230, 10, {0}));
    EXPECT_EQ(Percorso(R, RF, 0, 15), Da(5, 15, 5));
    EXPECT_EQ(Percorso(R, RF, 70, 30), Da(80, 230, 10, Da(0, 30, 5)));
    EXPECT_EQ(Percorso(R, RF, 230, 0), Da(0, 0, 1));
    EXPECT_EQ(Percorso(O, OF, 23, 1), Da(24, 24, 1, {0, 1}));
    EXPECT_EQ(Percorso(M, MF, 0, MinutoVuoto), Da(1, 60, 1));
    EXPECT_EQ(Percorso(I, IF, 9, 0), Da(0, 0, 1));
}

TEST(Flap, EachLetterTurnsOnItsOwnAndFinishedFieldsStay) {
    RigaBinario riga;
    riga.CodiciLettere = {25, 2, 7};
    riga.CodiciLettereFinali = {1, 1, 7};
    riga.RitardoMinuti = riga.RitardoMinutiFinale = 90;
    std::vector<std::array<int, 3>> visti;
    for (int tick = 0; tick < 29; ++tick) {
        PassoRiga(riga, 10);
        visti.push_back({riga.CodiciLettere[0], riga.CodiciLettere[1], riga.CodiciLettere[2]});
    }
    EXPECT_EQ(visti[0], (std::array<int, 3>{26, 3, 7}));
    EXPECT_EQ(visti[5], (std::array<int, 3>{1, 8, 7})) << "z to a in six steps";
    EXPECT_EQ(visti[28], (std::array<int, 3>{1, 1, 7})) << "b to a through every other";
    EXPECT_EQ(riga.RitardoMinuti, 90);
    // A code that is somehow past its cycle falls back to the start.
    EXPECT_EQ(Avanza(31, 1, kOltreLettera), 0);
}

}  // namespace
}  // namespace ardenvo
