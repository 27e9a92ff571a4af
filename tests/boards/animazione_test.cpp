#include "boards/animazione.h"

#include <gtest/gtest.h>

#include "boards/flap.h"
#include "boards/immissione.h"
#include "pannello_finto.h"

namespace ardenvo {
namespace {

bool AlFinale(const RigaBinario& r) {
    RigaBinario conclusa = r;
    ConcludiRiga(conclusa);
    return conclusa == r;
}

TEST(Animazione, SixtyFiveTicksEachDrawingWhatThePreviousReached) {
    Banco b;
    b.Riga(9).CodiciLettere[0] = 25;
    b.Riga(9).CodiciLettereFinali[0] = 1;
    b.Riga(9).MinutoPartenza = 0;  // to blank: 60 steps, the longest turn
    b.animazione.Avvia(9);
    EXPECT_TRUE(b.pannello.timer);
    EXPECT_TRUE(b.pannello.disegni.empty()) << "the first draw waits for the first tick";

    b.Ticks(64);
    EXPECT_TRUE(b.animazione.InCorso() && b.pannello.timer);
    EXPECT_EQ(b.animazione.conttimer, 64);
    EXPECT_TRUE(AlFinale(b.Riga(9)));
    b.Ticks(1);
    EXPECT_FALSE(b.animazione.InCorso() || b.pannello.timer);
    EXPECT_EQ(b.animazione.conttimer, 0);

    ASSERT_EQ(b.pannello.disegni.size(), 65u);
    const int lettere[] = {25, 26, 27, 28, 29, 0, 1};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(b.pannello.disegni[i].second.CodiciLettere[0], lettere[i]);
    EXPECT_EQ(b.pannello.disegni[59].second.MinutoPartenza, 59);
    EXPECT_EQ(b.pannello.disegni[60].second.MinutoPartenza, MinutoVuoto) << "at the 61st tick";
    for (const auto& [binario, riga] : b.pannello.disegni) EXPECT_EQ(binario, 9);
}

TEST(Animazione, DelayStepComesFromTheAnimatedRow) {
    Banco b;
    b.Riga(4).RitardoMinuti = 80;
    b.Riga(4).RitardoMinutiFinale = 90;
    b.animazione.Avvia(4);
    b.Ticks(65);
    EXPECT_EQ(b.animazione.incritardo, 10);

    b.Riga(6).RitardoMinuti = 15;
    b.Riga(6).RitardoMinutiFinale = 20;
    b.animazione.Avvia(6);
    b.Ticks(1);
    EXPECT_EQ(b.Riga(6).RitardoMinuti, 20);
}

TEST(Animazione, ButtonsRestWhileABoardTurnsAndAResetBoardKeepsThemOff) {
    for (bool reset : {false, true}) {
        Banco b(8);
        b.Occupa(3);
        b.Occupa(8);
        b.pannello.inserimento = false;
        if (reset) {
            b.animazione.resetta_Click(7);
            EXPECT_FALSE(b.pannello.pulsanti[7]);
            EXPECT_TRUE(b.pannello.inserimento);
            EXPECT_TRUE(b.Riga(8).RigaLibera && !b.Riga(8).RigaAttiva);
        } else {
            AggiornaRitardo(b.animazione, 7, "30");
            EXPECT_TRUE(b.pannello.pulsanti[7]) << "nothing changes before the first tick";
        }
        b.Ticks(1);
        EXPECT_FALSE(b.pannello.pulsanti[2] || b.pannello.pulsanti[7] || b.pannello.inserimento);
        b.Ticks(63);
        EXPECT_FALSE(b.pannello.pulsanti[2] || b.pannello.inserimento);
        b.Ticks(1);
        EXPECT_TRUE(b.pannello.pulsanti[2] && b.pannello.inserimento) << reset;
        EXPECT_EQ(b.pannello.pulsanti[7], !reset);
        for (const RigaBinario& r : b.sim->binari) EXPECT_FALSE(r.PulsantiSospesi);
    }
}

TEST(Animazione, InsertCommandFollowsTheFreeBoardsWithinThePlatformCount) {
    Banco b(4);
    for (int binario : {1, 2, 3}) b.Occupa(binario);
    Inserisci(b.animazione, DatiInserimento{.Binario = 4});
    EXPECT_FALSE(b.pannello.inserimento) << "the last free board is taken";
    b.Ticks(65);
    EXPECT_FALSE(b.pannello.inserimento);

    b.animazione.resetta_Click(1);
    EXPECT_TRUE(b.pannello.inserimento);
    b.Ticks(1);
    EXPECT_FALSE(b.pannello.inserimento);
    b.Ticks(64);
    EXPECT_TRUE(b.pannello.inserimento);
}

TEST(Animazione, AStartWhileRunningFinishesTheOtherBoardFirst) {
    Banco b;
    b.Occupa(5);
    Inserisci(b.animazione, {.Destinazione = "roma", .Minuto = 30, .Binario = 3});
    b.Ticks(10);
    ASSERT_FALSE(AlFinale(b.Riga(3)));

    // "Agg. Rit." of board 5, pressed before a tick had switched it off.
    b.pannello.disegni.clear();
    AggiornaRitardo(b.animazione, 4, "5");
    EXPECT_TRUE(AlFinale(b.Riga(3)));
    ASSERT_EQ(b.pannello.disegni.size(), 1u);
    EXPECT_EQ(b.pannello.disegni[0], std::make_pair(3, b.Riga(3)));
    EXPECT_EQ(b.animazione.binario, 5);
    EXPECT_EQ(b.animazione.conttimer, 0);

    b.Ticks(65);
    EXPECT_EQ(b.Riga(5).RitardoMinuti, 5);
    EXPECT_TRUE(b.pannello.pulsanti[2] && b.pannello.pulsanti[4]);
}

TEST(Animazione, InsertingOnABoardStillTurningToBlankStartsFromBlank) {
    Banco b;
    Inserisci(b.animazione, {.Destinazione = "ventimiglia", .Binario = 5});
    b.Ticks(65);
    b.animazione.resetta_Click(4);
    b.Ticks(3);
    Inserisci(b.animazione, {.Destinazione = "bari", .Binario = 5});
    const std::array<std::int16_t, kCelleDestinazione> bari = {2, 1, 17, 9};
    EXPECT_EQ(b.Riga(5).CodiciLettereFinali, bari) << "no half-turned letter after the name";
}

}  // namespace
}  // namespace ardenvo
