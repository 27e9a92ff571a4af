#include "boards/immissione.h"

#include <gtest/gtest.h>

#include "pannello_finto.h"

namespace ardenvo {
namespace {

using Codici = std::array<std::int16_t, kCelleDestinazione>;

TEST(Inserimento, DestinationIsLoweredAndLeftAligned) {
    const std::pair<const char*, Codici> casi[] = {
        {"Roma Termini", {17, 14, 12, 1, 0, 19, 5, 17, 12, 9, 13, 9}},
        {"ROMA", {17, 14, 12, 1}},
        {"Ankara", {1, 13, 0, 1, 17, 1}},  // no tile for k
        {"", {}},
        {"Sant'Eufemia-2*", {18, 1, 13, 19, 28, 5, 20, 6, 5, 12, 9, 1, 27, 0}},
        {"Forl\xC3\xAC Citt\xC3\x80", {6, 14, 17, 11, 0, 0, 3, 9, 19, 19}},  // Forlì Città
    };
    for (const auto& [destinazione, finali] : casi) {
        Banco b;
        Inserisci(b.animazione, {.Destinazione = destinazione, .Binario = 6});
        EXPECT_EQ(b.Riga(6).CodiciLettereFinali, finali) << destinazione;
        EXPECT_EQ(b.Riga(6).CodiciLettere, Codici{}) << destinazione;
    }
    const auto celle = CelleDestinazione("Citt\xC3\x80 Zeta-Nord");
    EXPECT_EQ(celle[4], "\xC3\xA0");
    EXPECT_EQ(celle[5], " ");
    EXPECT_EQ(celle[6], "z");
    EXPECT_EQ(celle[13], "r") << "one cell per character; the fifteenth is dropped";
}

TEST(Inserimento, EntriesBecomeFinalCodesAndTheRowTurnsFromZero) {
    struct Caso {
        DatiInserimento dati;
        std::array<std::int16_t, 5> finali;  // category, delay, hour, minute, service note
    };
    const Caso casi[] = {
        {{"Milano", "Intercity", "Soppresso", "1'30", 14, 5, 3}, {5, 90, 14, 5, 1}},
        {{.Binario = 3}, {0, 0, 0, 0, 0}},  // defaults only
    };
    for (const Caso& c : casi) {
        Banco b;
        Inserisci(b.animazione, c.dati);
        const RigaBinario& r = b.Riga(3);
        EXPECT_EQ((std::array{r.CodiceCategoriaFinale, r.RitardoMinutiFinale, r.OraPartenzaFinale,
                              r.MinutoPartenzaFinale, r.CodiceIndicazioniFinale}),
                  c.finali);
        EXPECT_EQ((std::array{r.CodiceCategoria, r.RitardoMinuti, r.OraPartenza, r.MinutoPartenza,
                              r.CodiceIndicazioni}),
                  (std::array<std::int16_t, 5>{}));
        EXPECT_TRUE(r.RigaAttiva && !r.RigaLibera);
        EXPECT_TRUE(b.pannello.pulsanti[2] && b.pannello.timer && b.pannello.inserimento);
        EXPECT_EQ(b.animazione.contbinario, 2);
    }
}

TEST(Inserimento, OnlyFreeBoardsWithinThePlatformCountAreOffered) {
    Banco b(5);
    b.Occupa(2);
    b.Occupa(4);
    EXPECT_EQ(BinariLiberi(*b.sim), (std::vector<int>{1, 3, 5}));
    b.sim->orario.NumeroBinari = -3;
    EXPECT_TRUE(BinariLiberi(*b.sim).empty());
    b.sim->orario.NumeroBinari = 40;
    EXPECT_EQ(BinariLiberi(*b.sim).size(), 21u);
}

TEST(AggiornaRitardo, OnlyTheFinalDelayChangesAndAnEmptyChoiceKeepsIt) {
    // The cycle itself is the flap tests' business: here only what "Ok" sets and moves.
    for (auto [scelta, finale] : {std::pair{"30", 30}, {"0", 0}, {"", 45}, {"60", 45}}) {
        Banco b;
        b.Occupa(7);
        RigaBinario& r = b.Riga(7);
        r.RitardoMinuti = r.RitardoMinutiFinale = 45;
        r.CodiciLettere = r.CodiciLettereFinali = {4};
        RigaBinario atteso = r;
        atteso.RitardoMinuti = atteso.RitardoMinutiFinale = static_cast<std::int16_t>(finale);

        AggiornaRitardo(b.animazione, 6, scelta);
        EXPECT_EQ(r.RitardoMinuti, 45) << scelta;
        EXPECT_EQ(r.RitardoMinutiFinale, finale) << scelta;
        b.Ticks(65);
        EXPECT_FALSE(b.pannello.timer) << "65 ticks even with nothing to turn";
        EXPECT_EQ(r, atteso) << scelta;
    }
}

TEST(AggiornaRitardo, NoChoiceOnARowStillTurningKeepsItsDelay) {
    // Its "Agg. Rit." is on from the insert's "Ok" until the first tick.
    Banco b;
    Inserisci(b.animazione, {.Ritardo = "30", .Binario = 2});
    b.Ticks(2);
    AggiornaRitardo(b.animazione, 1, "");
    b.Ticks(65);
    EXPECT_EQ(b.Riga(2).RitardoMinuti, 30);
}

}  // namespace
}  // namespace ardenvo
