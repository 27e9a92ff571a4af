#include "central/quadro.h"

#include <gtest/gtest.h>

#include <functional>

#include "central/quadro_prova.h"

namespace ardenvo {
namespace {

// ---- Flap cycles ----

struct Giro {
    const char* nome;
    std::int16_t RigaQuadro::*mostrato;
    std::int16_t RigaQuadro::*finale;
    int da;
    int a;
    std::vector<int> percorso;  // shown codes, the start included, up to the final code
};

std::vector<int> Da(int primo, int ultimo, int passo = 1) {
    std::vector<int> codici;
    for (int c = primo; c <= ultimo; c += passo) codici.push_back(c);
    return codici;
}

TEST(QuadroFlap, EachFieldTurnsForwardThroughItsCycleAndWraps) {
    using R = RigaQuadro;
    std::vector<int> minuto = Da(1, 60);
    minuto.push_back(0);
    const Giro giri[] = {
        {"bus to Interregio", &R::CategoriaMostrata, &R::CategoriaFinale, 11, 1, {11, 12, 0, 1}},
        {"blank hour to 5", &R::OraMostrata, &R::OraFinale, 24, 5, {24, 25, 0, 1, 2, 3, 4, 5}},
        {"minute 1 to 0, the longest", &R::MinutoMostrato, &R::MinutoFinale, 1, 0, minuto},
        {"delay 0 to 60 by fives", &R::RitardoMostrato, &R::RitardoFinale, 0, 60, Da(0, 60, 5)},
        {"delay from the hour by tens",
         &R::RitardoMostrato,
         &R::RitardoFinale,
         55,
         70,
         {55, 60, 70}},
        {"delay 230 to 0 in one", &R::RitardoMostrato, &R::RitardoFinale, 230, 0, {230, 0}},
        {"forecourt note to none", &R::IndicazioniMostrate, &R::IndicazioniFinali, 10, 0, {10, 0}},
        {"provisional 22 to 2", &R::BinarioMostrato, &R::BinarioFinale, 45, 2, {45, 46, 0, 1, 2}},
    };
    for (const Giro& giro : giri) {
        RigaQuadro riga = RigaLibera();
        riga.*giro.mostrato = static_cast<std::int16_t>(giro.da);
        riga.*giro.finale = static_cast<std::int16_t>(giro.a);
        std::vector<int> percorso{riga.*giro.mostrato};
        for (int passo = 0; passo < 100 && riga.*giro.mostrato != giro.a; ++passo) {
            PassoRigaQuadro(riga);
            percorso.push_back(riga.*giro.mostrato);
        }
        EXPECT_EQ(percorso, giro.percorso) << giro.nome;
        riga.*giro.mostrato = riga.*giro.finale = 0;
        riga.OraMostrata = riga.OraFinale = OraVuota;
        riga.MinutoMostrato = riga.MinutoFinale = MinutoVuoto;
        EXPECT_EQ(Codici(riga), Codici(RigaLibera())) << giro.nome << ": no other field moved";
    }
    // A letter passes the code without a picture, 30, between "*" and blank.
    RigaQuadro riga = RigaLibera();
    riga.LettereMostrate[19] = 25;
    riga.LettereFinali[19] = 1;
    std::vector<int> percorso{25};
    while (riga.LettereMostrate[19] != 1 && percorso.size() < 40) {
        PassoRigaQuadro(riga);
        percorso.push_back(riga.LettereMostrate[19]);
    }
    EXPECT_EQ(percorso, (std::vector<int>{25, 26, 27, 28, 29, 30, 0, 1}));
}

// ---- The tick, the four modes and the buttons ----

class QuadroTest : public ::testing::Test {
  protected:
    // The board after its first opening and the tick that follows it, holding `righe`.
    void Apri(const std::string& righe) {
        q.PrimoAvvio = true;
        ApriQuadro(q, v);
        Corri(q, v);
        Scrivi(q, righe);
    }
    QuadroCentrale q;
    VistaFinta v;
};

constexpr const char* kRiposo =
    ".g. .gs .gs .gs .gs .gs .gs .gs .gs ..s menu";  // every row free, at rest

TEST_F(QuadroTest, FirstOpeningInitialisesOnceAndTheFirstTickSetsTheButtons) {
    q.PrimoAvvio = true;
    ApriQuadro(q, v);
    EXPECT_FALSE(q.PrimoAvvio);
    EXPECT_EQ(Leggi(q), "..........");
    EXPECT_EQ(v.disegnate, Da(0, 9));
    EXPECT_EQ(q.contatime, 64);
    EXPECT_TRUE(v.timer);

    EXPECT_EQ(Corri(q, v), 1);
    EXPECT_EQ(v.Pulsanti(), kRiposo);
    EXPECT_FALSE(v.timer);
    EXPECT_EQ(q.contatime, 0);
    EXPECT_EQ(Leggi(q), "..........");
}

struct Modo {
    const char* nome;
    std::string righe;
    std::function<void(QuadroCentrale&, VistaQuadro&)> avvia;
    std::vector<int> righePerTick;  // the rows each tick draws, in order
    int tick;
    int indiceDopo;  // the current row index after each tick
    std::string dopo;
};

TEST_F(QuadroTest, EveryModeStepsEachOfItsRowsOncePerTickForItsWholeLength) {
    const Modo modi[] = {
        {"single row",
         "ABCD......",
         [](auto& q, auto& v) { Cancella_Binarioq(q, 3, v); },
         {3},
         65,
         3,
         "ABC......."},
        {"move up",
         "AB........",
         [](auto& q, auto& v) { Sposta_Su(q, 1, v); },
         {1, 0},
         65,
         1,
         "BA........"},
        {"move down",
         "....A.....",
         [](auto& q, auto& v) { Sposta_Giu(q, 4, v); },
         {4, 5},
         65,
         4,
         ".....A...."},
        {"all rows, nothing to compact", "ABCDEFGHI.",
         [](auto& q, auto& v) { cancella_tutto(q, v); }, Da(0, 9), 65, 10, "ABCDEFGHI."},
        {"all rows, both phases", "A.B.......", [](auto& q, auto& v) { cancella_tutto(q, v); },
         Da(0, 9), 65 + 64, 10, "AB........"},
    };
    for (const Modo& modo : modi) {
        QuadroCentrale quadro;
        quadro.PrimoAvvio = true;
        VistaFinta vista;
        ApriQuadro(quadro, vista);
        Corri(quadro, vista);
        Scrivi(quadro, modo.righe);
        modo.avvia(quadro, vista);
        int tick = 0;
        while (quadro.Timer1 && tick < 200) {
            vista.disegnate.clear();
            Timer1_Timer(quadro, vista);
            ++tick;
            EXPECT_EQ(vista.disegnate, modo.righePerTick) << modo.nome << ", tick " << tick;
            EXPECT_EQ(quadro.Indice, modo.indiceDopo) << modo.nome << ", tick " << tick;
            if (quadro.Timer1) {
                EXPECT_EQ(vista.Pulsanti(), "... ... ... ... ... ... ... ... ... ... -")
                    << modo.nome << ", tick " << tick;
            }
        }
        EXPECT_EQ(tick, modo.tick) << modo.nome;
        EXPECT_EQ(Leggi(quadro), modo.dopo) << modo.nome;
        EXPECT_FALSE(quadro.spostasu || quadro.spostagiu || quadro.spostatutto) << modo.nome;
        EXPECT_EQ(quadro.contatime, 0) << modo.nome;
        EXPECT_FALSE(vista.timer) << modo.nome;
        EXPECT_TRUE(vista.menu) << modo.nome;
        EXPECT_FALSE(vista.su[0] || vista.giu[9]) << modo.nome;
    }
}

// ---- Reset and moves ----

TEST_F(QuadroTest, ResetTurnsTheRowToBlankAndSwitchesItsButtonOffAtOnce) {
    Apri("AB........");
    Gestione_Reset(q, v);
    Cancella_Binarioq(q, 1, v);
    const RigaQuadro& riga = q.Righe[1];
    EXPECT_TRUE(riga.Libera);
    EXPECT_FALSE(v.reset[1]);
    EXPECT_TRUE(v.reset[0]);
    EXPECT_EQ(riga.TestoDestinazione, "B");
    EXPECT_EQ(riga.OraMostrata, TrenoProva('B').OraMostrata) << "shown codes wait for the flaps";
    EXPECT_EQ(riga.OraFinale, OraVuota);
    EXPECT_EQ(q.Indice, 1);
    Corri(q, v);
    EXPECT_EQ(Leggi(q), "A.........");
    EXPECT_FALSE(v.reset[1]);
}

TEST_F(QuadroTest, AMoveExchangesWholeRecordsAndEachRowTurnsFromWhatItShowed) {
    Apri("AB..C.....");
    Sposta_Su(q, 1, v);
    EXPECT_EQ(q.Righe[0].TestoDestinazione, "B");
    EXPECT_EQ(q.Righe[1].TestoDestinazione, "A");
    EXPECT_EQ(q.Righe[0].LettereMostrate, TrenoProva('A').LettereFinali);
    EXPECT_EQ(q.Righe[1].BinarioMostrato, TrenoProva('B').BinarioFinale);
    EXPECT_EQ(q.Righe[0].BinarioFinale, TrenoProva('B').BinarioFinale);
    EXPECT_TRUE(q.spostasu);
    EXPECT_EQ(q.contatime, 0);
    EXPECT_EQ(q.Indice, 1);
    Corri(q, v);
    EXPECT_EQ(Leggi(q), "BA..C.....");

    // Past a free row: the train's row turns to blank, the free row to the train.
    Sposta_Giu(q, 4, v);
    EXPECT_EQ(q.Righe[4].LettereMostrate, TrenoProva('C').LettereFinali);
    EXPECT_EQ(q.Righe[5].LettereMostrate, RigaLibera().LettereFinali);
    EXPECT_EQ(q.Righe[5].OraMostrata, OraVuota);
    Corri(q, v);
    EXPECT_EQ(Leggi(q), "BA...C....");
    EXPECT_FALSE(v.reset[4]);
    EXPECT_TRUE(v.reset[5]);

    // Two free rows: nothing to turn, a whole animation all the same.
    Sposta_Giu(q, 7, v);
    EXPECT_EQ(Corri(q, v), 65);
    EXPECT_EQ(Leggi(q), "BA...C....");
}

TEST_F(QuadroTest, NoRequestReachesARowOutsideTheBoard) {
    Apri("A........B");
    const QuadroCentrale prima = q;
    Sposta_Su(q, 0, v);
    Sposta_Giu(q, 9, v);
    Sposta_Su(q, 10, v);
    Sposta_Giu(q, -1, v);
    Cancella_Binarioq(q, 10, v);
    Cancella_Binarioq(q, -1, v);
    EXPECT_EQ(q, prima);
    // A current row index left at 10 by "Aggiorna Tutto" steps nothing in the single-row mode.
    q.Indice = kRigheQuadro;
    q.Timer1 = true;
    EXPECT_EQ(Corri(q, v), 65);
    EXPECT_EQ(Leggi(q), "A........B");
}

// ---- "Aggiorna Tutto" ----

TEST_F(QuadroTest, AggiornaTuttoClosesTheFirstGapOnly) {
    struct Caso {
        std::string prima;
        std::string dopo;
        int tick;
    };
    const Caso casi[] = {
        {"AB.CD.....", "ABCD......", 65 + 64}, {"A.B.C.....", "AB.C......", 65 + 64},
        {"ABCDEFGHI.", "ABCDEFGHI.", 65},  // only the last row free: one animation
        {"AB.DEFGHIJ", "ABDEFGHIJ.", 65 + 64}, {"..........", "..........", 65 + 64},
        {"ABCDEFGHIJ", "ABCDEFGHIJ", 0},  // a full board has no gap: nothing starts
    };
    for (const Caso& caso : casi) {
        Apri(caso.prima);
        cancella_tutto(q, v);
        EXPECT_EQ(Corri(q, v), caso.tick) << caso.prima;
        EXPECT_EQ(Leggi(q), caso.dopo) << caso.prima;
    }
}

TEST(QuadroDueTest, TwoBoardsCompactingAtOnceKeepTheirOwnTrains) {
    Simulazione sim;
    VistaFinta partenze, arrivi;
    for (auto [quale, vista, righe] : {std::tuple{QualeQuadro::Partenze, &partenze, "A.B......."},
                                       std::tuple{QualeQuadro::Arrivi, &arrivi, "XY.Z......"}}) {
        QuadroCentrale& quadro = Quadro(sim, quale);
        quadro.PrimoAvvio = true;
        ApriQuadro(quadro, *vista);
        Corri(quadro, *vista);
        Scrivi(quadro, righe);
        cancella_tutto(quadro, *vista);
    }
    while (sim.QuadroPartenze.Timer1 || sim.QuadroArrivi.Timer1) {
        if (sim.QuadroPartenze.Timer1) Timer1_Timer(sim.QuadroPartenze, partenze);
        if (sim.QuadroArrivi.Timer1) Timer1_Timer(sim.QuadroArrivi, arrivi);
    }
    EXPECT_EQ(Leggi(sim.QuadroPartenze), "AB........");
    EXPECT_EQ(Leggi(sim.QuadroArrivi), "XYZ.......");
}

// ---- Starting while the board turns, closing, and new trains ----

TEST_F(QuadroTest, ClosingFinishesTheRunningAnimationAtOnce) {
    struct Caso {
        const char* nome;
        std::function<void(QuadroCentrale&, VistaQuadro&)> avvia;
        std::string dopo;
    };
    const Caso casi[] = {
        {"reset", [](auto& q, auto& v) { Cancella_Binarioq(q, 0, v); }, ".B.C......"},
        {"move up", [](auto& q, auto& v) { Sposta_Su(q, 1, v); }, "BA.C......"},
        {"move down", [](auto& q, auto& v) { Sposta_Giu(q, 1, v); }, "A.BC......"},
        {"blanking phase", [](auto& q, auto& v) { cancella_tutto(q, v); }, "ABC......."},
    };
    for (const Caso& caso : casi) {
        Apri("AB.C......");
        caso.avvia(q, v);
        for (int tick = 0; tick < 10; ++tick) Timer1_Timer(q, v);
        ChiudiQuadro(q);
        EXPECT_EQ(Leggi(q), caso.dopo) << caso.nome;
        EXPECT_FALSE(q.Timer1 || q.spostasu || q.spostagiu || q.spostatutto) << caso.nome;
        EXPECT_EQ(q.contatime, 0) << caso.nome;

        VistaFinta riaperta;
        ApriQuadro(q, riaperta);
        EXPECT_EQ(Corri(q, riaperta), 1) << caso.nome;
        EXPECT_EQ(Leggi(q), caso.dopo) << caso.nome;
    }
}

TEST_F(QuadroTest, AStarterFinishesTheRunningAnimationBeforeItStarts) {
    Apri("AB.C......");
    Sposta_Su(q, 1, v);
    for (int tick = 0; tick < 10; ++tick) Timer1_Timer(q, v);
    Cancella_Binarioq(q, 3, v);
    EXPECT_FALSE(q.spostasu);
    EXPECT_EQ(Leggi(q).substr(0, 3), "BA.") << "the moved rows are at their trains";
    EXPECT_EQ(Corri(q, v), 65);
    EXPECT_EQ(Leggi(q), "BA........");
}

// Writes train `nome` as the entry dialog does: final codes, blank shown codes.
std::function<void(RigaQuadro&)> Entrata(char nome) {
    return [nome](RigaQuadro& riga) {
        const std::int16_t binario = riga.BinarioMostrato;
        riga = TrenoProva(nome);
        riga.LettereMostrate.fill(0);
        riga.CategoriaMostrata = riga.RitardoMostrato = riga.IndicazioniMostrate = 0;
        riga.OraMostrata = OraVuota;
        riga.MinutoMostrato = MinutoVuoto;
        riga.BinarioMostrato = binario;
    };
}

TEST_F(QuadroTest, ANewTrainTakesTheFirstFreeRowAndTurnsFromBlank) {
    Apri("A.B.......");
    EXPECT_EQ(InserisciTreno(q, &v, Entrata('N')), 1);
    EXPECT_EQ(q.Indice, 1);
    EXPECT_FALSE(q.Righe[1].Libera);
    EXPECT_TRUE(v.reset[1]);
    EXPECT_EQ(Leggi(q), "A?B.......");
    EXPECT_EQ(Corri(q, v), 65);
    EXPECT_EQ(Leggi(q), "ANB.......");
}

TEST_F(QuadroTest, ANewTrainOnAFullBoardWritesNothing) {
    Apri("ABCDEFGHIJ");
    const QuadroCentrale prima = q;
    bool scritto = false;
    EXPECT_EQ(InserisciTreno(q, &v, [&](RigaQuadro&) { scritto = true; }), std::nullopt);
    EXPECT_FALSE(scritto);
    EXPECT_EQ(q, prima);
}

TEST_F(QuadroTest, ANewTrainDuringAggiornaTuttoWaitsForBothPhasesToComplete) {
    Apri("A.B.......");
    cancella_tutto(q, v);
    for (int tick = 0; tick < 5; ++tick) Timer1_Timer(q, v);
    EXPECT_EQ(InserisciTreno(q, &v, Entrata('N')), 2);
    EXPECT_EQ(Corri(q, v), 65);
    EXPECT_EQ(Leggi(q), "ABN.......");
}

TEST_F(QuadroTest, TrainsStoredWhileTheWindowIsClosedTurnInFullWhenItOpens) {
    Apri("A.........");
    ChiudiQuadro(q);
    EXPECT_EQ(InserisciTreno(q, nullptr, Entrata('N')), 1);
    EXPECT_EQ(InserisciTreno(q, nullptr, Entrata('O')), 2);
    EXPECT_EQ(Leggi(q), "A??.......") << "nothing turns while closed";

    VistaFinta riaperta;
    ApriQuadro(q, riaperta);
    Timer1_Timer(q, riaperta);
    EXPECT_EQ(Leggi(q), "A??.......") << "the first tick is not the last";
    EXPECT_EQ(Corri(q, riaperta), 64);
    EXPECT_EQ(Leggi(q), "ANO.......");
    EXPECT_EQ(riaperta.Pulsanti(), "rg. rgs rgs .gs .gs .gs .gs .gs .gs ..s menu");
}

}  // namespace
}  // namespace ardenvo
