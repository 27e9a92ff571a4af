#include "core/convertitori.h"

#include <gtest/gtest.h>

#include <functional>

namespace ardenvo {
namespace {

TEST(Convertitori, AcceptWholeExactTextsOnly) {
    using Converti = std::function<std::optional<std::int16_t>(std::string_view)>;
    const std::optional<std::int16_t> nulla;
    const std::tuple<Converti, std::string_view, std::optional<std::int16_t>> casi[] = {
        {Lettera_Numero, " ", 0},
        {Lettera_Numero, "a", 1},
        {Lettera_Numero, "l", 11},
        {Lettera_Numero, "z", 25},
        {Lettera_Numero, "'", 28},
        {Lettera_Numero, "*", 29},
        {Lettera_Numero, "", nulla},
        {Lettera_Numero, "k", nulla},
        {Lettera_Numero, "A", nulla},
        {Lettera_Numero, "7", nulla},
        {Lettera_Numero, "\xC3\xA8", nulla},  // è
        {Categoria_Numero, "", 0},
        {Categoria_Numero, "Diretto", 3},
        {Categoria_Numero, "Intercity Notte", 10},
        {Categoria_Numero, "diretto", nulla},
        {Categoria_Numero, "Diretto ", nulla},
        {Categoria_Numero, "Autobus", nulla},
        {Ritardo_Numero, "0", 0},
        {Ritardo_Numero, "55", 55},
        {Ritardo_Numero, "1'00", 60},
        {Ritardo_Numero, "2'10", 130},
        {Ritardo_Numero, "3'50", 230},
        {Ritardo_Numero, "", nulla},
        {Ritardo_Numero, "60", nulla},
        {Ritardo_Numero, "230", nulla},
        {Ritardo_Numero, "4'00", nulla},
        {Ritardo_Numero, "1'05", nulla},
        {Indicazioni_Numero, "", 0},
        {Indicazioni_Numero, "Nessuna", 0},
        {Indicazioni_Numero, "Sola 2a Classe", 4},
        {Indicazioni_Numero, "Sola 2a classe + Cuccette", 9},
        {Indicazioni_Numero, "Sola 2a Classe + Cuccette", nulla},
        {Indicazioni_Numero, "Autobus (Piazzale Esterno)", nulla},
    };
    for (const auto& [converti, testo, atteso] : casi)
        EXPECT_EQ(converti(testo), atteso) << '"' << testo << '"';
}

TEST(Convertitori, ServiceNoteCodeToText) {
    EXPECT_EQ(Numero_Indicazioni(0), "Nessuna");
    EXPECT_EQ(Numero_Indicazioni(9), "Sola 2a classe + Cuccette");
    for (int fuori : {-1, 10}) EXPECT_EQ(Numero_Indicazioni(fuori), std::nullopt);
    for (int i = 0; i < static_cast<int>(kIndicazioniBinari); ++i)
        EXPECT_EQ(Indicazioni_Numero(*Numero_Indicazioni(i)), i) << "both ways agree";
}

}  // namespace
}  // namespace ardenvo
