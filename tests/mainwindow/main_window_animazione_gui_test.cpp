#include <gtest/gtest.h>

#include <QComboBox>

#include "boards/delay_dialog.h"
#include "boards/insert_dialog.h"
#include "mainwindow/form1_prova.h"

namespace ardenvo {
namespace {

// The insert dialog offers the station's free boards and puts the train on the chosen one,
// which turns flap by flap while every row's buttons and the insert command rest.
TEST_F(Form1Test, InsertTurnsTheChosenBoardFlapByFlapAndAResetOvertakesTheTurn) {
    form->show();  // the insert dialog acts only on an open window
    sim().orario.NumeroBinari = 5;
    sim().binari[1].RigaLibera = false;
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
    // One tile a character, however many bytes it takes.
    Form2* d =
        Compila({"Forl\xC3\xAC Citt\xC3\xA0", "Intercity", "Sola 2a Classe", "1'30", 14, 5, 4});
    QString offerti;
    for (int i = 0; i < d->Combo6->count(); ++i) offerti += d->Combo6->itemText(i);
    EXPECT_EQ(offerti, "1345");
    d->Command1->click();
    Elimina();
    EXPECT_EQ(form->DialogoInserimento(), nullptr) << "Ok closes the dialog";
    // Hour and minute turn from 0, not from their blank codes.
    EXPECT_TRUE(sim().binari[3].OraPartenza == 0 && sim().binari[3].MinutoPartenza == 0);
    EXPECT_EQ(comandi(), "buttons 4, insert, turning");
    EXPECT_EQ(Tabellone(4), kVuoto) << "nothing moves before the first tick";
    Ticks(1);
    EXPECT_EQ(comandi(), "buttons, no insert, turning");
    Ticks(64);
    EXPECT_EQ(Tabellone(4),
              "f o r l _ _ c i t t _ _ _ _ | intercity | 1ora 3 0 | 1 4 | 0 5 | seconda");
    EXPECT_EQ(comandi(), "buttons 4, insert, at rest");

    // Board 1 takes a train with every other entry left as the dialog opens and, before its
    // first tick, board 4 is reset: board 1 lands at once on its new train and board 4 turns
    // to blank.
    Inserisci({"Ankara"});
    EXPECT_EQ(comandi(), "buttons 1 4, insert, turning");
    Pulsante("resetta", 3)->click();
    EXPECT_EQ(Tabellone(1),
              "a n _ a r a _ _ _ _ _ _ _ _ | catvuoto | _ _ _ | _ 0 | 0 0 | indicazioni");
    EXPECT_TRUE(sim().binari[3].RigaLibera);
    Ticks(1);
    EXPECT_EQ(comandi(), "buttons, no insert, turning");
    Ticks(64);
    EXPECT_EQ(Tabellone(4), kVuoto) << "hours word and all";
    EXPECT_EQ(comandi(), "buttons 1, insert, at rest");

    sim().orario.NumeroBinari = 2;  // no board free: nothing to confirm
    Voce("informazioni")->trigger();
    EXPECT_FALSE(form->DialogoInserimento()->Command1->isEnabled());
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
