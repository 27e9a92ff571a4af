#include "core/fermate.h"

#include <gtest/gtest.h>

namespace ardenvo {
namespace {

TEST(ElencoFermate, ListsEntriesUpToTheClosingDot) {
    using Elenco = std::vector<std::string>;
    const std::pair<const char*, Elenco> casi[] = {
        {"-", {"Nessuna Fermata"}},
        {"", {}},
        {".", {}},
        {".,Roma", {}},
        {"Firenze,Arezzo,.", {"Firenze", "Arezzo"}},
        {"Roma,.,Napoli", {"Roma"}},
        {"Roma,Napoli", {"Roma", "Napoli"}},  // no closing entry: all of them
        {" Roma , ,,Napoli,", {" Roma ", " ", "", "Napoli", ""}},
        {"Roma,..,. ,.", {"Roma", "..", ". "}},  // only an entry of exactly "." closes
        {"-,.", {"-"}},
        {",", {"", ""}},
    };
    for (const auto& [testo, atteso] : casi) EXPECT_EQ(ElencoFermate(testo), atteso) << testo;
}

TEST(ElencoFermate, StopsAtTheHundredAndFirstEntry) {
    std::string testo;
    for (int i = 0; i < 150; ++i) testo += "F" + std::to_string(i) + ",";
    const auto elenco = ElencoFermate(testo + ".");
    ASSERT_EQ(elenco.size(), 101u);
    EXPECT_EQ(elenco.back(), "F100");
}

}  // namespace
}  // namespace ardenvo
