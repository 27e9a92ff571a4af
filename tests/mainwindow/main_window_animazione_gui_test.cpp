#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "boards/delay_dialog.h"
#include "boards/insert_dialog.h"
#include "mainwindow/form1_prova.h"

namespace ardenvo {
namespace {

class Form1Animazione : public Form1Test {
  protected:
    void SetUp() override { form->show(); }  // the insert dialog acts only on an open window

    // Opens the insert dialog through its menu item, fills it in and presses "Ok".
    void Inserisci(const char* binario, const char* destinazione, const char* categoria,
                   const char* ritardo = "", const char* ora = "0", const char* minuto = "0") {
        Voce("informazioni")->trigger();
        Form2* d = form->DialogoInserimento();
        ASSERT_NE(d, nullptr);
        d->Text1->setText(destinazione);
        d->Combo1->setCurrentText(categoria);
        d->Combo3->setCurrentText(ritardo);
        d->Combo4[1]->setCurrentText(ora);
        d->Combo4[0]->setCurrentText(minuto);
        d->Combo6->setCurrentText(binario);
        ASSERT_EQ(d->Combo6->currentText(), binario) << "not a free board";
        d->Command1->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Ticks(int quanti) {
        while (quanti-- > 0) form->Timer2_Timer();
    }
    // The boards whose reset and delay buttons are on, whether the insert command is on,
    // whether Timer2 runs.
    std::string Comandi() {
        std::string stato = "buttons";
        for (int riga = 0; riga < kBinari; ++riga) {
            const bool reset = Pulsante("resetta", riga)->isEnabled();
            EXPECT_EQ(Pulsante("aggiorna", riga)->isEnabled(), reset) << "board " << riga + 1;
            if (reset) stato += " " + std::to_string(riga + 1);
        }
        stato += Voce("informazioni")->isEnabled() ? ", insert" : ", no insert";
        return stato + (form->Timer2.isActive() ? ", turning" : ", at rest");
    }
};

TEST_F(Form1Animazione, InsertTurnsTheBoardFlapByFlapAndAResetOvertakesTheTurn) {
    Inserisci("1", "Roma Termini", "Intercity", "1'30", "14", "5");
    EXPECT_EQ(Comandi(), "buttons 1, insert, turning");
    EXPECT_EQ(Tabellone(1), kVuoto) << "nothing moves before the first tick";
    Ticks(1);
    EXPECT_EQ(Comandi(), "buttons, no insert, turning");
    Ticks(64);
    EXPECT_EQ(Tabellone(1),
              "r o m a _ t e r m i n i _ _ | intercity | 1ora 3 0 | 1 4 | 0 5 | indicazioni");
    EXPECT_EQ(Comandi(), "buttons 1, insert, at rest");

    // Board 2 takes a train and, before its first tick, board 1 is reset: board 2 lands at
    // once on its new train and board 1 turns to blank.
    Inserisci("2", "Ankara", "Regionale");
    EXPECT_EQ(Comandi(), "buttons 1 2, insert, turning");
    Pulsante("resetta", 0)->click();
    EXPECT_EQ(Tabellone(2),
              "a n _ a r a _ _ _ _ _ _ _ _ | regionale | _ _ _ | _ 0 | 0 0 | indicazioni");
    EXPECT_TRUE(sim().binari[0].RigaLibera);
    Ticks(1);
    EXPECT_EQ(Comandi(), "buttons, no insert, turning");
    Ticks(64);
    EXPECT_EQ(Tabellone(1), kVuoto) << "hours word and all";
    EXPECT_EQ(Comandi(), "buttons 2, insert, at rest");
}

TEST_F(Form1Animazione, InsertDialogLeftOpenAfterTheMainWindowChangesNothing) {
    for (bool distrutta : {false, true}) {
        Voce("informazioni")->trigger();
        QPointer<Form2> d = form->DialogoInserimento();
        d->Text1->setText("Trento");
        const RigheBinari prima = sim().binari;
        form->close();
        QPointer<Form1> finestra = form.get();
        if (distrutta) form.reset();
        d->Command1->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(d.isNull()) << distrutta;
        EXPECT_EQ(sim().binari, prima) << distrutta;
        EXPECT_TRUE(distrutta || !(finestra->isVisible() || finestra->Timer2.isActive()));
    }
}

TEST_F(Form1Animazione, ADelayTurningDownAndCutShortByAnotherBoardShowsWhole) {
    Inserisci("1", "Roma", "Intercity", "1'30");
    Ticks(65);
    Voce("informazioni")->trigger();  // open before the turn, which rests the menu
    Form3 ritardo(form->animazione(), 0, form.get());
    ritardo.Combo2->setCurrentText("25");
    ritardo.Command1_Click();
    Ticks(5);  // through the hours, 90 up to 140
    Inserisci("2", "Bari", "Diretto");
    EXPECT_EQ(Tabellone(1),
              "r o m a _ _ _ _ _ _ _ _ _ _ | intercity | _ 2 5 | _ 0 | 0 0 | indicazioni");
}

}  // namespace
}  // namespace ardenvo
