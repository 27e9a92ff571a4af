#include <gtest/gtest.h>

#include "boards/delay_dialog.h"
#include "boards/insert_dialog.h"
#include "mainwindow/form1_prova.h"

namespace ardenvo {
namespace {

class Form1Animazione : public Form1Test {
  protected:
    void SetUp() override { form->show(); }  // the insert dialog acts only on an open window
};

TEST_F(Form1Animazione, InsertTurnsTheBoardFlapByFlapAndAResetOvertakesTheTurn) {
    // The boards whose reset and delay buttons are on, whether the insert command is on,
    // whether Timer2 runs.
    auto comandi = [&] {
        std::string stato = "buttons";
        for (int riga = 0; riga < kBinari; ++riga) {
            const bool reset = Pulsante("resetta", riga)->isEnabled();
            EXPECT_EQ(Pulsante("aggiorna", riga)->isEnabled(), reset) << "board " << riga + 1;
            if (reset) stato += " " + std::to_string(riga + 1);
        }
        stato += Voce("informazioni")->isEnabled() ? ", insert" : ", no insert";
        return stato + (form->Timer2.isActive() ? ", turning" : ", at rest");
    };
    Inserisci({"Roma Termini", "Intercity", "Sola 2a Classe", "1'30", 14, 5, 1});
    EXPECT_EQ(comandi(), "buttons 1, insert, turning");
    EXPECT_EQ(Tabellone(1), kVuoto) << "nothing moves before the first tick";
    Ticks(1);
    EXPECT_EQ(comandi(), "buttons, no insert, turning");
    Ticks(64);
    EXPECT_EQ(Tabellone(1),
              "r o m a _ t e r m i n i _ _ | intercity | 1ora 3 0 | 1 4 | 0 5 | seconda");
    EXPECT_EQ(comandi(), "buttons 1, insert, at rest");

    // Board 2 takes a train and, before its first tick, board 1 is reset: board 2 lands at
    // once on its new train and board 1 turns to blank.
    Inserisci({.Destinazione = "Ankara", .Categoria = "Regionale", .Binario = 2});
    EXPECT_EQ(comandi(), "buttons 1 2, insert, turning");
    Pulsante("resetta", 0)->click();
    EXPECT_EQ(Tabellone(2),
              "a n _ a r a _ _ _ _ _ _ _ _ | regionale | _ _ _ | _ 0 | 0 0 | indicazioni");
    EXPECT_TRUE(sim().binari[0].RigaLibera);
    Ticks(1);
    EXPECT_EQ(comandi(), "buttons, no insert, turning");
    Ticks(64);
    EXPECT_EQ(Tabellone(1), kVuoto) << "hours word and all";
    EXPECT_EQ(comandi(), "buttons 2, insert, at rest");
}

// Once the main window is closed, or gone, "Ok" only closes the dialog.
TEST_F(Form1Animazione, InsertDialogLeftOpenAfterTheMainWindowChangesNothing) {
    for (bool distrutta : {false, true}) {
        QPointer<Form2> d = Compila({"Trento"});
        const RigheBinari prima = sim().binari;
        form->close();
        QPointer<Form1> finestra = form.get();
        if (distrutta) form.reset();
        d->Command1->click();
        Elimina();
        EXPECT_TRUE(d.isNull()) << distrutta;
        EXPECT_EQ(sim().binari, prima) << distrutta;
        EXPECT_TRUE(distrutta || !(finestra->isVisible() || finestra->Timer2.isActive()));
    }
}

TEST_F(Form1Test, ADelayTurningDownAndCutShortByAnotherBoardShowsWhole) {
    form->show();
    Inserisci({"Roma", "Intercity", "", "1'30", 0, 0, 1});
    Ticks(65);
    Form2* d = Compila({"Bari", "Diretto", "", "", 0, 0, 2});  // before the turn rests the menu
    Form3 ritardo(form->animazione(), 0, form.get());
    ritardo.Combo2->setCurrentText("25");
    ritardo.Command1_Click();
    Ticks(5);  // through the hours, 90 up to 140
    d->Command1->click();
    EXPECT_EQ(Tabellone(1),
              "r o m a _ _ _ _ _ _ _ _ _ _ | intercity | _ 2 5 | _ 0 | 0 0 | indicazioni");
}

}  // namespace
}  // namespace ardenvo
