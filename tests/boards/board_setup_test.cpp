#include "boards/board_setup.h"

#include <gtest/gtest.h>

#include <set>

namespace ardenvo {
namespace {

TEST(BoardSetup, GridCellsOfTheBoards) {
    const std::pair<int, CellaGriglia> casi[] = {
        {1, {1, 1}}, {3, {1, 3}}, {4, {2, 1}}, {7, {2, 4}}, {8, {3, 1}}, {23, {6, 4}},
    };
    for (auto [binario, cella] : casi) EXPECT_EQ(CellaDelBinario(binario), cella) << binario;
    EXPECT_FALSE(CellaDelBinario(0));
    EXPECT_FALSE(CellaDelBinario(24));

    std::set<std::pair<int, int>> occupate;
    for (int binario = 1; binario <= 23; ++binario) {
        const CellaGriglia c = *CellaDelBinario(binario);
        EXPECT_TRUE(occupate.insert({c.Linea, c.Colonna}).second) << binario;
    }
    EXPECT_FALSE(occupate.count({1, 4}));  // column 4 of line 1 holds no board
    EXPECT_EQ(OrigineCella({6, 4}), (PuntoTwip{3 * 3360, 5 * 1320}));
    EXPECT_EQ(OrigineCella({1, 1}), (PuntoTwip{0, 0}));
}

TEST(BoardSetup, ControlNamesOfABoard) {
    EXPECT_EQ(NomiControlliBinario(7),
              (NomiBinario{"binario7", "categoria7", "ritardomin7", "partenzaora7", "partenzamin7",
                           "indicazioni7"}));
    EXPECT_EQ(NomiControlliBinario(23)->partenzamin, "partenzamin23");
    EXPECT_FALSE(NomiControlliBinario(0));
    EXPECT_FALSE(NomiControlliBinario(24));
}

}  // namespace
}  // namespace ardenvo
