#include <gtest/gtest.h>

#include <QLabel>
#include <functional>

#include "central/quadro_finestra_prova.h"

namespace ardenvo {
namespace {

using QuadroFinestra = QuadroFinestraTest;

TEST_F(QuadroFinestra, EachMenuItemOpensItsOwnBoardBlankAndTheFirstTickSetsTheButtons) {
    const std::tuple<QualeQuadro, const char*, const char*, const char*, const char*, int>
        attesi[] = {
            {QualeQuadro::Partenze, "Form6", "Quadro centrale partenze",
             "Destinazione:", "Inserisci dati", 616},
            {QualeQuadro::Arrivi, "Form8", "Quadro centrale arrivi",
             "Provenienza:", "Inserisci Dati", 617},
        };
    for (const auto& [quale, nome, titolo, intestazione, inserisci, larghezza] : attesi) {
        ASSERT_NE(Apri(quale), nullptr);
        EXPECT_EQ(sim().QuadroArrivi.PrimoAvvio, quale == QualeQuadro::Partenze)
            << "one board's first opening leaves the other's";
        EXPECT_EQ(finestra->objectName(), nome);
        EXPECT_EQ(finestra->windowTitle(), titolo);
        EXPECT_TRUE(finestra->isVisible() && finestra->parent() == nullptr);
        EXPECT_EQ(finestra->centralWidget()->width(), larghezza);
        EXPECT_EQ(finestra->Controllo<QLabel>("Label1", 0)->text(), intestazione);
        EXPECT_EQ(finestra->Controllo<QAction>("inserisci_dati")->text(), inserisci);
        EXPECT_EQ(finestra->Controllo<QAction>("aggiorna_tutto")->text(), "Aggiorna Tutto");
        for (int r = 0; r < kRigheQuadro; ++r) EXPECT_EQ(Riga(r), kRigaVuota) << r;
        EXPECT_EQ(finestra->Timer1.interval(), 100);
        EXPECT_EQ(Corri(), 1);
        EXPECT_EQ(Pulsanti(), PulsantiARiposo(".........."));
    }
    EXPECT_NE(form->QuadroAperto(QualeQuadro::Partenze), form->QuadroAperto(QualeQuadro::Arrivi));
}

TEST_F(QuadroFinestra, AClosedBoardKeepsItsRowsAndOpensWithThemAtOnce) {
    Apri(QualeQuadro::Partenze);
    Corri();
    Chiudi();
    EXPECT_EQ(form->QuadroAperto(QualeQuadro::Partenze), nullptr);
    Scrivi(sim().QuadroPartenze, "A.B......C");
    // Codes without a picture: a new window shows the blank there.
    RigaQuadro& riga = sim().QuadroPartenze.Righe[1];
    riga.LettereMostrate[3] = riga.LettereFinali[3] = 30;
    riga.CategoriaMostrata = riga.CategoriaFinale = 12;
    riga.OraMostrata = riga.OraFinale = 25;
    riga.RitardoMostrato = riga.RitardoFinale = 35;

    Apri(QualeQuadro::Partenze);
    // Train A: letters 1 and 29, Interregio, 00:59, 15 minutes late, no note, platform 1.
    EXPECT_EQ(Riga(0), "a____*______________ | interregio | 0 0 : 5 9 | _ 1 5 | indicazioni | _ 1");
    EXPECT_EQ(Riga(1), "____________________ | catvuoto | _ _ : _ _ | _ 3 5 | indicazioni | _ _");
    EXPECT_EQ(Corri(), 1);
    EXPECT_EQ(Leggi(sim().QuadroPartenze), "A?B......C");
    EXPECT_EQ(Pulsanti(), PulsantiARiposo("A.B......C"));
    FormQuadro* aperta = finestra;
    EXPECT_EQ(Apri(QualeQuadro::Partenze), aperta) << "asking again brings the same window";
}

TEST_F(QuadroFinestra, TilesShowEachCodeOneTickAfterTheStepThatReachedIt) {
    Apri(QualeQuadro::Arrivi);
    Corri();
    RigaQuadro& riga = sim().QuadroArrivi.Righe[4];
    riga.LettereMostrate[0] = 25;  // z to a
    riga.LettereFinali[0] = 1;
    riga.CategoriaMostrata = 11;  // bus to Interregio
    riga.CategoriaFinale = 1;
    riga.BinarioMostrato = 45;  // provisional 22 to platform 2
    riga.BinarioFinale = 2;
    sim().QuadroArrivi.Indice = 4;

    // The first letter, the category and the platform after each tick.
    std::vector<std::string> letti;
    for (int tick = 0; tick < 8; ++tick) {
        finestra->Timer1_Timer();
        const std::string riga = Riga(4);
        letti.push_back(riga.substr(0, 1) + riga.substr(22, riga.find(' ', 23) - 22) + " " +
                        riga.substr(riga.rfind('|') + 2));
    }
    // The letter code 30 has no picture: its tile keeps "*". The category's wrap is drawn in
    // the tick that makes it.
    EXPECT_EQ(letti,
              (std::vector<std::string>{"z buscat 2p 2p", ". catvuoto 2p 3p", "- catvuoto _ _",
                                        "' interregio _ 1", "* interregio _ 2", "* interregio _ 2",
                                        "_ interregio _ 2", "a interregio _ 2"}));
    EXPECT_EQ(Riga(3), kRigaVuota) << "no other row is drawn on";
}

TEST_F(QuadroFinestra, EachButtonAndMenuStartsItsAnimationAndAllRestWhileItRuns) {
    Apri(QualeQuadro::Partenze);
    Corri();
    Scrivi(sim().QuadroPartenze, "AB.C......");
    const std::tuple<const char*, std::function<void()>, int, std::string> comandi[] = {
        {"su(1)", [&] { finestra->Controllo<QPushButton>("su", 1)->click(); }, 65, "BA.C......"},
        {"giu(1)", [&] { finestra->Controllo<QPushButton>("giu", 1)->click(); }, 65, "B.AC......"},
        {"Aggiorna Tutto", [&] { finestra->Controllo<QAction>("aggiorna_tutto")->trigger(); }, 129,
         "BAC......."},
        {"reset(2)", [&] { finestra->Controllo<QPushButton>("reset", 2)->click(); }, 65,
         "BA........"},
    };
    for (const auto& [nome, premi, tick, dopo] : comandi) {
        premi();
        finestra->Timer1_Timer();
        EXPECT_EQ(Pulsanti(), kPulsantiSpenti) << nome;
        EXPECT_EQ(Corri() + 1, tick) << nome;
        EXPECT_EQ(Leggi(sim().QuadroPartenze), dopo) << nome;
        EXPECT_EQ(Pulsanti(), PulsantiARiposo(dopo)) << nome;
    }
}

TEST_F(QuadroFinestra, TheBoardOutlivesTheMainWindowAndItsMenuAsksForTheEntryDialog) {
    int chieste = 0;
    finestra = new FormQuadro(sim(), QualeQuadro::Arrivi, [&] { ++chieste; });
    finestra->show();
    form->show();
    form->close();
    EXPECT_TRUE(finestra->isVisible());
    EXPECT_EQ(Corri(), 1);
    finestra->Controllo<QAction>("inserisci_dati")->trigger();
    EXPECT_EQ(chieste, 1);
    Chiudi();
}

}  // namespace
}  // namespace ardenvo
