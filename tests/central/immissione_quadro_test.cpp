#include "central/immissione_quadro.h"

#include <gtest/gtest.h>

#include "quadro_prova.h"

namespace ardenvo {
namespace {

using Lettere = std::array<std::int16_t, kLettereQuadro>;
using Codici = std::array<std::int16_t, 6>;  // category, delay, hour, minute, note, platform

TEST(ScriviInserimento, TheRowTurnsToTheEntryFromBlankAndItsPlatformFromWhatItShows) {
    RigaQuadro r = RigaLibera();
    r.LettereMostrate.fill(3);
    r.RitardoMostrato = 45;
    r.BinarioMostrato = 7;
    ScriviInserimento(r, {.Destinazione = "Ak7\xC3\xA8 Bari-Centrale Z Oltre",
                          .Categoria = "Diretto",
                          .Ora = 9,
                          .Binario = 23,
                          .Provvisorio = true});
    // "k", a digit and an accented letter have no tile, nor has the empty delay: each keeps
    // what the row shows. Past the 20th character nothing is read.
    EXPECT_EQ(r.LettereFinali,
              (Lettere{1, 3, 3, 3, 0, 2, 1, 17, 9, 27, 3, 5, 13, 19, 17, 1, 11, 5, 0, 25}));
    EXPECT_EQ(r.TestoDestinazione, "ak7\xC3\xA8 bari-centrale z");
    EXPECT_EQ(r.Caratteri[3], "\xC3\xA8");
    EXPECT_EQ((Codici{r.CategoriaFinale, r.RitardoFinale, r.OraFinale, r.MinutoFinale,
                      r.IndicazioniFinali, r.BinarioFinale}),
              (Codici{3, 45, 9, 0, 0, 46}));
    EXPECT_EQ(r.LettereMostrate, Lettere{});
    EXPECT_EQ((Codici{r.CategoriaMostrata, r.RitardoMostrato, r.OraMostrata, r.MinutoMostrato,
                      r.IndicazioniMostrate, r.BinarioMostrato}),
              (Codici{0, 0, OraVuota, MinutoVuoto, 0, 7}));

    ScriviInserimento(r, {.Destinazione = "Pisa"});
    EXPECT_EQ(r.Caratteri[4], "") << "cells past the end hold the empty text";
    EXPECT_EQ(r.LettereFinali[4], 0) << "what the row shows now";
}

}  // namespace
}  // namespace ardenvo
