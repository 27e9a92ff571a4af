#include "core/orologio.h"

#include <gtest/gtest.h>

namespace ardenvo {
namespace {

TEST(Orologio, OneSecondCarriesIntoMinutesAndHours) {
    const std::pair<Orologio, Orologio> casi[] = {
        {{0, 0, 0}, {0, 0, 1}},
        {{12, 59, 59}, {13, 0, 0}},
        {{23, 59, 59}, {0, 0, 0}},
        {{9, 14, 59}, {9, 15, 0}},
        {{5, 58, 58}, {5, 58, 59}},
        // Values a file brought out of range wrap at their next carry.
        {{3, 10, 75}, {3, 11, 0}},
        {{3, 72, 59}, {4, 0, 0}},
        {{30, 59, 59}, {0, 0, 0}},
        {{30, 10, 10}, {30, 10, 11}},
    };
    for (auto [prima, dopo] : casi) {
        Orologio o = prima;
        AvanzaUnSecondo(o);
        EXPECT_EQ(o, dopo) << prima.OraSimulazione << ":" << prima.MinutoSimulazione << ":"
                           << prima.SecondoSimulazione;
    }
}

}  // namespace
}  // namespace ardenvo
