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
    b.Riga(9).MinutoPartenza = 0;  // to blank: 60 steps, the longest turn
    b.Riga(9).RitardoMinuti = 80;
    b.Riga(9).RitardoMinutiFinale = 90;
    b.animazione.Avvia(9);
    EXPECT_TRUE(b.timer && b.disegni.empty()) << "the first draw waits for the first tick";
    b.Ticks(64);
    EXPECT_TRUE(b.animazione.InCorso() && b.timer && AlFinale(b.Riga(9)));
    b.Ticks(1);
    EXPECT_FALSE(b.animazione.InCorso() || b.timer || b.animazione.conttimer);
    EXPECT_EQ(b.animazione.incritardo, 10);
    ASSERT_EQ(b.disegni.size(), 65u);
    EXPECT_EQ(b.disegni[0].second.MinutoPartenza, 0);
    for (const auto& [binario, riga] : b.disegni) EXPECT_EQ(binario, 9);
    // A row below the hour steps by 5, whatever the last row turned by.
    b.Riga(6).RitardoMinuti = 15;
    b.Riga(6).RitardoMinutiFinale = 20;
    b.animazione.Avvia(6);
    b.Ticks(1);
    EXPECT_EQ(b.Riga(6).RitardoMinuti, 20);
}

TEST(Animazione, ButtonsAndTheInsertCommandRestWhileABoardTurns) {
    enum Avvio { kRitardo, kReset, kInserimento };
    for (Avvio avvio : {kRitardo, kReset, kInserimento}) {
        SCOPED_TRACE(avvio);
        Banco b(3);  // every board taken but the one to insert on
        for (int binario : {1, 2, 3})
            if (binario != 2 || avvio != kInserimento) b.Occupa(binario);
        b.inserimento = avvio == kInserimento;
        if (avvio == kRitardo) AggiornaRitardo(b.animazione, 2, "30");
        if (avvio == kReset) b.animazione.resetta_Click(2);
        if (avvio == kInserimento) Inserisci(b.animazione, {.Binario = 2});
        EXPECT_EQ(b.pulsanti[2], avvio != kReset)
            << "a reset's own at once, the rest at the first tick";
        EXPECT_EQ(b.inserimento, avvio == kReset);
        b.Ticks(1);
        EXPECT_FALSE(b.pulsanti[0] || b.pulsanti[1] || b.pulsanti[2] || b.inserimento);
        b.Ticks(63);
        EXPECT_FALSE(b.pulsanti[0] || b.inserimento);
        b.Ticks(1);
        EXPECT_EQ(b.pulsanti, (std::array<bool, kBinari>{true, true, avvio != kReset}));
        EXPECT_EQ(b.inserimento, avvio == kReset);
        for (const RigaBinario& r : b.sim->binari) EXPECT_FALSE(r.PulsantiSospesi);
    }
    // A platform count beyond the 23 boards, or below none, offers only boards that exist.
    Banco b(40);
    EXPECT_EQ(BinariLiberi(*b.sim).size(), 23u);
    b.sim->orario.NumeroBinari = -3;
    EXPECT_TRUE(BinariLiberi(*b.sim).empty());
}

TEST(Animazione, AStartWhileRunningLeavesNoBoardHalfTurned) {
    Banco b;
    b.Occupa(5);
    Inserisci(b.animazione, {.Destinazione = "ventimiglia", .Minuto = 30, .Binario = 3});
    b.Ticks(10);
    ASSERT_FALSE(AlFinale(b.Riga(3)));
    // "Agg. Rit." of board 5, pressed before a tick had switched it off: board 3 lands at once.
    b.disegni.clear();
    AggiornaRitardo(b.animazione, 4, "5");
    EXPECT_TRUE(AlFinale(b.Riga(3)));
    EXPECT_EQ(b.disegni, (std::vector{std::make_pair(3, b.Riga(3))}));
    EXPECT_TRUE(b.animazione.binario == 5 && b.animazione.conttimer == 0);
    b.Ticks(65);
    EXPECT_TRUE(b.Riga(5).RitardoMinuti == 5 && b.pulsanti[2] && b.pulsanti[4]);
    // An insert on a board still turning to blank starts from blank, not from half-turned letters.
    b.animazione.resetta_Click(2);
    b.Ticks(3);
    Inserisci(b.animazione, {.Destinazione = "bari", .Binario = 3});
    EXPECT_EQ(b.Riga(3).CodiciLettereFinali[4], 0);
    // No choice on a row still turning keeps its final delay, not the half-way one it shows.
    Inserisci(b.animazione, {.Ritardo = "30", .Binario = 2});
    b.Ticks(2);
    AggiornaRitardo(b.animazione, 1, "");
    b.Ticks(65);
    EXPECT_EQ(b.Riga(2).RitardoMinuti, 30);
}

}  // namespace
}  // namespace ardenvo
