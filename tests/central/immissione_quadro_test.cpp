#include "central/immissione_quadro.h"

#include <gtest/gtest.h>

#include "quadro_prova.h"

namespace ardenvo {
namespace {

using Lettere = std::array<std::int16_t, kLettereQuadro>;

TEST(ScriviInserimento, EntryBecomesTheFinalCodesAndTheRowTurnsFromBlank) {
    struct Caso {
        DatiInserimento dati;
        Lettere lettere;
        // category, delay, hour, minute, service note, platform
        std::array<std::int16_t, 6> finali;
    };
    const Caso casi[] = {
        {{"Roma Termini", "Diretto", "Sola 2a Classe", "1'30", 7, 5, 5, true},
         {17, 14, 12, 1, 0, 19, 5, 17, 12, 9, 13, 9},
         {3, 90, 7, 5, 4, 28}},
        {{"ROMA", "Diretto", "", "0", 0, 0, 5, false}, {17, 14, 12, 1}, {3, 0, 0, 0, 0, 5}},
        // A bus shows no platform, provisional or not.
        {{"bari", "Autobus", "Autobus (Piazzale Esterno)", "3'50", 23, 59, 5, true},
         {2, 1, 17, 9},
         {11, 230, 23, 59, 10, 0}},
        {{"bari", "Autobus", "", "", 0, 0, 23, false}, {2, 1, 17, 9}, {11, 0, 0, 0, 0, 0}},
        // Nothing touched: no letters, no category, no note, time 0:00, platform 1.
        {{}, {}, {0, 0, 0, 0, 0, 1}},
        {{.Binario = 23, .Provvisorio = true}, {}, {0, 0, 0, 0, 0, 46}},
    };
    for (const Caso& c : casi) {
        RigaQuadro r = RigaLibera();
        r.BinarioMostrato = 7;
        ScriviInserimento(r, c.dati);
        EXPECT_EQ(r.LettereFinali, c.lettere) << c.dati.Destinazione;
        EXPECT_EQ((std::array{r.CategoriaFinale, r.RitardoFinale, r.OraFinale, r.MinutoFinale,
                              r.IndicazioniFinali, r.BinarioFinale}),
                  c.finali)
            << c.dati.Destinazione;
        EXPECT_EQ(r.LettereMostrate, Lettere{});
        EXPECT_EQ((std::array{r.CategoriaMostrata, r.RitardoMostrato, r.OraMostrata,
                              r.MinutoMostrato, r.IndicazioniMostrate, r.BinarioMostrato}),
                  (std::array<std::int16_t, 6>{0, 0, OraVuota, MinutoVuoto, 0, 7}))
            << "the platform turns from what it shows";
        EXPECT_TRUE(r.Libera) << "the caller marks the row occupied";
        EXPECT_EQ(r.TestoCategoria, c.dati.Categoria);
        EXPECT_EQ(r.TestoRitardo, c.dati.Ritardo);
        EXPECT_EQ(r.TestoIndicazioni, c.dati.Indicazioni);
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
