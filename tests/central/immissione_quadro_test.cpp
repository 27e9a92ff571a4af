#include "central/immissione_quadro.h"

#include <gtest/gtest.h>

#include "quadro_prova.h"

namespace ardenvo {
namespace {

using Lettere = std::array<std::int16_t, kLettereQuadro>;

TEST(ScriviInserimento, EntryBecomesTheFinalCodesAndTheRowTurnsFromBlank) {
    // category, delay, hour, minute, service note, platform
    using Finali = std::array<std::int16_t, 6>;
    const std::pair<DatiInserimento, Finali> casi[] = {
        {{"ROMA", "Diretto", "Nessuna", "0", 0, 0, 5, false}, {3, 0, 0, 0, 0, 5}},
        {{"Bari", "Autobus", "", "3'50", 23, 59, 5, true}, {11, 230, 23, 59, 0, 0}},
        {{.Binario = 23, .Provvisorio = true}, {0, 0, 0, 0, 0, 46}},
        // No platform to choose (the station has none): none, not platform 23.
        {{.Binario = 0, .Provvisorio = true}, {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& [dati, finali] : casi) {
        RigaQuadro r = RigaLibera();
        r.BinarioMostrato = 7;
        ScriviInserimento(r, dati);
        EXPECT_EQ((Finali{r.CategoriaFinale, r.RitardoFinale, r.OraFinale, r.MinutoFinale,
                          r.IndicazioniFinali, r.BinarioFinale}),
                  finali)
            << dati.Destinazione;
        EXPECT_EQ(r.LettereMostrate, Lettere{});
        EXPECT_EQ((Finali{r.CategoriaMostrata, r.RitardoMostrato, r.OraMostrata, r.MinutoMostrato,
                          r.IndicazioniMostrate, r.BinarioMostrato}),
                  (Finali{0, 0, OraVuota, MinutoVuoto, 0, 7}))
            << "the platform turns from what it shows";
        EXPECT_TRUE(r.Libera) << "the caller marks the row occupied";
        EXPECT_EQ(std::tie(r.TestoCategoria, r.TestoRitardo, r.TestoIndicazioni),
                  std::tie(dati.Categoria, dati.Ritardo, dati.Indicazioni));
    }
}

TEST(ScriviInserimento, TextsWithoutACodeKeepWhatTheRowShows) {
    RigaQuadro r = RigaLibera();
    r.LettereMostrate.fill(3);
    r.RitardoMostrato = 45;
    r.Caratteri.fill("x");
    ScriviInserimento(r, {.Destinazione = "Ak7\xC3\xA8 Bari-Centrale e Oltre", .Ritardo = ""});
    // "k", a digit and an accented letter have no tile; past the 20th character nothing is read.
    EXPECT_EQ(r.LettereFinali,
              (Lettere{1, 3, 3, 3, 0, 2, 1, 17, 9, 27, 3, 5, 13, 19, 17, 1, 11, 5, 0, 5}));
    EXPECT_EQ(r.TestoDestinazione, "ak7\xC3\xA8 bari-centrale e");
    EXPECT_EQ(r.Caratteri[3], "\xC3\xA8");
    EXPECT_EQ(r.Caratteri[19], "e");
    EXPECT_EQ(r.RitardoFinale, 45) << "no delay chosen";

    ScriviInserimento(r, {.Destinazione = "Pisa"});
    EXPECT_EQ(r.TestoDestinazione, "pisa");
    EXPECT_EQ(r.Caratteri[4], "") << "cells past the end hold the empty text";
    EXPECT_EQ(r.LettereFinali[4], 0) << "what the row shows now";
}

}  // namespace
}  // namespace ardenvo
