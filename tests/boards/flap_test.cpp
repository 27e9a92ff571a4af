#include "boards/flap.h"

#include <gtest/gtest.h>

#include <vector>

namespace ardenvo {
namespace {

enum Campo { kPrimaLettera = 0, kUltimaLettera = 13, kCategoria, kRitardo, kOra, kMinuto };

// The codes field `n` of a row shows, tick by tick, on its way from `da` to `a`.
std::vector<int> Percorso(int n, std::int16_t da, std::int16_t a) {
    RigaBinario riga;
    std::int16_t* mostrato = nullptr;
    int campo = 0;
    PerOgniCampo(riga, [&](std::int16_t& m, std::int16_t& f, std::int16_t) {
        if (campo++ == n) mostrato = &m, m = da, f = a;
    });
    std::vector<int> visti;
    while (*mostrato != a && visti.size() < 100) {
        PassoRiga(riga);
        visti.push_back(*mostrato);
    }
    return visti;
}

// primo, primo + passo, ... up to ultimo, then `poi`.
std::vector<int> Da(int primo, int ultimo, int passo, std::vector<int> poi = {}) {
    std::vector<int> v;
    for (int x = primo; x <= ultimo; x += passo) v.push_back(x);
    v.insert(v.end(), poi.begin(), poi.end());
    return v;
}

TEST(Flap, CyclesTurnForwardAndWrap) {
    EXPECT_EQ(Percorso(kPrimaLettera, 25, 1), Da(26, 29, 1, {0, 1})) << "z to a in six steps";
    EXPECT_EQ(Percorso(kUltimaLettera, 2, 1), Da(3, 29, 1, {0, 1}));
    EXPECT_EQ(Percorso(kCategoria, 3, 2), Da(4, 10, 1, {0, 1, 2}));
    EXPECT_EQ(Percorso(kRitardo, 55, 0), Da(60, 230, 10, {0}));
    EXPECT_EQ(Percorso(kRitardo, 70, 30), Da(80, 230, 10, Da(0, 30, 5)));
    EXPECT_EQ(Percorso(kOra, 23, 1), Da(24, 24, 1, {0, 1}));
    EXPECT_EQ(Percorso(kMinuto, 0, MinutoVuoto), Da(1, 60, 1));
    EXPECT_EQ(Avanza(31, 1, kOltreLettera), 0) << "a code past its cycle falls back to the start";
}

}  // namespace
}  // namespace ardenvo
