#include "central/quadro.h"

#include <gtest/gtest.h>

#include <functional>

#include "central/quadro_prova.h"

namespace ardenvo {
namespace {

std::vector<int> Da(int primo, int ultimo, int passo = 1) {
    std::vector<int> codici;
    for (int c = primo; c <= ultimo; c += passo) codici.push_back(c);
    return codici;
}

TEST(QuadroFlap, EachFieldTurnsForwardThroughItsCycleAndWraps) {
    using R = RigaQuadro;
    struct Giro {
        const char* nome;
        std::int16_t R::*mostrato;
        std::int16_t R::*finale;
        std::vector<int> percorso;  // shown codes from the start to the final code
    };
    std::vector<int> minuto = Da(1, 60);
    minuto.push_back(0);
    std::vector<int> ritardo = Da(5, 55, 5);
    for (int c : Da(60, 230, 10)) ritardo.push_back(c);
    ritardo.push_back(0);
    const Giro giri[] = {
        {"bus to Interregio", &R::CategoriaMostrata, &R::CategoriaFinale, {11, 12, 0, 1}},
        {"blank hour to 5", &R::OraMostrata, &R::OraFinale, {24, 25, 0, 1, 2, 3, 4, 5}},
        {"minute 1 to 0, the longest", &R::MinutoMostrato, &R::MinutoFinale, minuto},
        {"delay 0 to 60 by fives", &R::RitardoMostrato, &R::RitardoFinale, Da(0, 60, 5)},
        {"delay past the hour by tens", &R::RitardoMostrato, &R::RitardoFinale, {55, 60, 70}},
        {"delay 230 to 0 in one", &R::RitardoMostrato, &R::RitardoFinale, {230, 0}},
        {"delay 5 round to 0", &R::RitardoMostrato, &R::RitardoFinale, ritardo},
        {"forecourt note to none", &R::IndicazioniMostrate, &R::IndicazioniFinali, {10, 0}},
        {"provisional 22 to 2", &R::BinarioMostrato, &R::BinarioFinale, {45, 46, 0, 1, 2}},
    };
    for (const Giro& giro : giri) {
        RigaQuadro riga = RigaLibera();
        riga.*giro.mostrato = static_cast<std::int16_t>(giro.percorso.front());
        riga.*giro.finale = static_cast<std::int16_t>(giro.percorso.back());
        std::vector<int> percorso{riga.*giro.mostrato};
        while (riga.*giro.mostrato != riga.*giro.finale && percorso.size() < 100) {
            PassoRigaQuadro(riga);
            percorso.push_back(riga.*giro.mostrato);
        }
        EXPECT_EQ(percorso, giro.percorso) << giro.nome;
        RigaQuadro ferma = RigaLibera();
        ferma.*giro.mostrato = ferma.*giro.finale = riga.*giro.finale;
        EXPECT_EQ(riga, ferma) << giro.nome << ": no other field moved";
    }
}

class QuadroTest : public ::testing::Test {
  protected:
    void Apri(const std::string& righe) {
        q = QuadroCentrale{};
        ApriCon(q, v, righe);
    }
    QuadroCentrale q;
    VistaFinta v;
};

// The starters on the board "AB.C......", the rows each tick draws, the ticks, the board after.
struct Avvio {
    const char* nome;
    void (*avvia)(QuadroCentrale&, int, VistaQuadro&);
    int riga;
    std::vector<int> righe;
    int tick;
    std::string dopo;
};
const Avvio kAvvii[] = {
    {"reset", Cancella_Binarioq, 3, {3}, 65, "AB........"},
    {"up, two trains", Sposta_Su, 1, {1, 0}, 65, "BA.C......"},
    {"down, past a free row", Sposta_Giu, 1, {1, 2}, 65, "A.BC......"},
    {"down, two free rows", Sposta_Giu, 7, {7, 8}, 65, "AB.C......"},
    {"Aggiorna Tutto, both phases",
     [](QuadroCentrale& q, int, VistaQuadro& v) { cancella_tutto(q, v); }, 0, Da(0, 9), 65 + 64,
     "ABC......."},
};

TEST_F(QuadroTest, EveryStarterTurnsItsRowsOncePerTickFromWhatTheyShow) {
    for (const Avvio& avvio : kAvvii) {
        Apri("AB.C......");
        avvio.avvia(q, avvio.riga, v);
        EXPECT_EQ(Mostrati(q), "AB.C......") << avvio.nome << ": no row jumps";
        int tick = 0;
        for (; q.Timer1 && tick < 200; ++tick) {
            v.disegnate.clear();
            Timer1_Timer(q, v);
            EXPECT_EQ(v.disegnate, avvio.righe) << avvio.nome << ", tick " << tick;
            if (q.Timer1) {
                EXPECT_EQ(v.Pulsanti(), kPulsantiSpenti) << avvio.nome;
            }
        }
        EXPECT_EQ(tick, avvio.tick) << avvio.nome;
        EXPECT_EQ(Leggi(q), avvio.dopo) << avvio.nome;
        EXPECT_FALSE(q.spostasu || q.spostagiu || q.spostatutto || v.timer) << avvio.nome;
        EXPECT_EQ(v.Pulsanti(), PulsantiARiposo(avvio.dopo)) << avvio.nome;
    }
}

TEST_F(QuadroTest, ClosingAnotherStarterOrANewTrainFinishesTheRunningAnimationAtOnce) {
    // What comes 10 ticks into each starter, the ticks that follow it, and what it makes of the
    // board the starter leaves.
    const auto uguale = [](std::string righe) { return righe; };
    const std::tuple<const char*, std::function<void()>, int,
                     std::function<std::string(std::string)>>
        interruzioni[] = {
            {"closing and reopening",
             [&] {
                 ChiudiQuadro(q);
                 ApriQuadro(q, v);
             },
             1, uguale},
            {"reset of a free row", [&] { Cancella_Binarioq(q, 9, v); }, 65, uguale},
            {"up between free rows", [&] { Sposta_Su(q, 9, v); }, 65, uguale},
            {"down between free rows", [&] { Sposta_Giu(q, 7, v); }, 65, uguale},
            {"Aggiorna Tutto", [&] { cancella_tutto(q, v); }, 65 + 64,
             [](std::string righe) { return righe.erase(righe.find('.'), 1) + "."; }},
            {"new train",
             [&] {
                 InserisciTreno(q, &v, [](RigaQuadro& riga) {
                     riga = TrenoProva('N');
                     MostraFinaliDi(riga, RigaLibera());
                 });
             },
             65,
             [](std::string righe) {
                 righe[righe.find('.')] = 'N';
                 return righe;
             }},
        };
    for (const Avvio& avvio : kAvvii) {
        for (const auto& [nome, interrompi, tick, dopo] : interruzioni) {
            Apri("AB.C......");
            avvio.avvia(q, avvio.riga, v);
            for (int t = 0; t < 10; ++t) Timer1_Timer(q, v);
            interrompi();
            EXPECT_EQ(Mostrati(q), avvio.dopo) << avvio.nome << ", " << nome;
            EXPECT_EQ(Corri(q, v), tick) << avvio.nome << ", " << nome;
            EXPECT_EQ(Leggi(q), dopo(avvio.dopo)) << avvio.nome << ", " << nome;
        }
    }
}

TEST_F(QuadroTest, ResetSwitchesItsButtonOffAtOnce) {
    Apri("AB........");
    Gestione_Reset(q, v);
    Cancella_Binarioq(q, 1, v);
    EXPECT_TRUE(q.Righe[1].Libera);
    EXPECT_EQ(v.Pulsanti().substr(0, 8), "rg. .gs ");
}

TEST_F(QuadroTest, NoRequestReachesARowOutsideTheBoard) {
    Apri("A........B");
    const QuadroCentrale prima = q;
    for (auto [avvia, riga] : {std::pair{&Sposta_Su, 0},
                               {Sposta_Giu, 9},
                               {Sposta_Su, 10},
                               {Sposta_Giu, -1},
                               {Cancella_Binarioq, 10},
                               {Cancella_Binarioq, -1}})
        avvia(q, riga, v);
    EXPECT_EQ(q, prima);
    // A current row index left at 10 by "Aggiorna Tutto" steps nothing in the single-row mode.
    q.Indice = kRigheQuadro;
    q.Timer1 = true;
    EXPECT_EQ(Corri(q, v), 65);
    EXPECT_EQ(Leggi(q), "A........B");
}

TEST_F(QuadroTest, AggiornaTuttoClosesTheFirstGapOnly) {
    const std::tuple<std::string, std::string, int> casi[] = {
        {"AB.CD.....", "ABCD......", 65 + 64}, {"A.B.C.....", "AB.C......", 65 + 64},
        {"ABCDEFGHI.", "ABCDEFGHI.", 65},  // only the last row free: one animation
        {"AB.DEFGHIJ", "ABDEFGHIJ.", 65 + 64}, {"..........", "..........", 65 + 64},
        {"ABCDEFGHIJ", "ABCDEFGHIJ", 0},  // a full board has no gap: nothing starts
    };
    for (const auto& [prima, dopo, tick] : casi) {
        Apri(prima);
        cancella_tutto(q, v);
        EXPECT_EQ(Corri(q, v), tick) << prima;
        EXPECT_EQ(Leggi(q), dopo) << prima;
    }
    // The compaction starts from the blanked rows, but for the bottom one, which shows the
    // train that moved up out of it.
    Apri("AB.DEFGHIJ");
    cancella_tutto(q, v);
    for (int t = 0; t < 65; ++t) Timer1_Timer(q, v);
    EXPECT_EQ(Mostrati(q), "AB.......J");
}

TEST_F(QuadroTest, AFullBoardTakesNothingAndLetsARunningTurnGoOn) {
    Apri("ABCDEFGHIJ");
    Sposta_Giu(q, 0, v);
    for (int t = 0; t < 5; ++t) Timer1_Timer(q, v);
    const QuadroCentrale prima = q;
    EXPECT_EQ(InserisciTreno(q, &v, [](RigaQuadro& riga) { riga = TrenoProva('N'); }),
              std::nullopt);
    cancella_tutto(q, v);
    EXPECT_EQ(q, prima);
    EXPECT_TRUE(v.timer);
    EXPECT_EQ(Corri(q, v), 60);
    EXPECT_EQ(Leggi(q), "BACDEFGHIJ");
}

TEST(QuadroDueTest, TwoBoardsCompactingAtOnceKeepTheirOwnTrains) {
    Simulazione sim;
    VistaFinta partenze, arrivi;
    for (auto [quale, vista, righe] : {std::tuple{QualeQuadro::Partenze, &partenze, "A.B......."},
                                       std::tuple{QualeQuadro::Arrivi, &arrivi, "XY.Z......"}}) {
        ApriCon(Quadro(sim, quale), *vista, righe);
        cancella_tutto(Quadro(sim, quale), *vista);
    }
    while (sim.QuadroPartenze.Timer1 || sim.QuadroArrivi.Timer1) {
        if (sim.QuadroPartenze.Timer1) Timer1_Timer(sim.QuadroPartenze, partenze);
        if (sim.QuadroArrivi.Timer1) Timer1_Timer(sim.QuadroArrivi, arrivi);
    }
    EXPECT_EQ(Leggi(sim.QuadroPartenze), "AB........");
    EXPECT_EQ(Leggi(sim.QuadroArrivi), "XYZ.......");
}

}  // namespace
}  // namespace ardenvo
