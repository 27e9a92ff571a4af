#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "boards/delay_dialog.h"
#include "boards/insert_dialog.h"
#include "mainwindow/form1_prova.h"

namespace ardenvo {
namespace {

const std::string kVuoto =
    "_ _ _ _ _ _ _ _ _ _ _ _ _ _ | catvuoto | _ _ _ | _ _ | _ _ | indicazioni";

class Form1Animazione : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        form->show();  // the insert dialog acts only on a main window that is open
    }

    struct DatiTreno {
        const char* destinazione = "";
        const char* binario = "1";
        const char* categoria = "";
        const char* ritardo = "";
        const char* ora = "0";
        const char* minuto = "0";
    };
    // Opens the insert dialog through its menu item, fills it in and presses "Ok".
    void Inserisci(const DatiTreno& t) {
        Voce("informazioni")->trigger();
        Form2* d = form->DialogoInserimento();
        ASSERT_NE(d, nullptr);
        d->Text1->setText(QString::fromUtf8(t.destinazione));
        d->Combo1->setCurrentText(t.categoria);
        d->Combo3->setCurrentText(t.ritardo);
        d->Combo4[1]->setCurrentText(t.ora);
        d->Combo4[0]->setCurrentText(t.minuto);
        d->Combo6->setCurrentText(t.binario);
        ASSERT_EQ(d->Combo6->currentText(), t.binario) << "not a free board";
        d->Command1->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(form->DialogoInserimento(), nullptr) << "Ok closes the dialog";
    }
    void Ticks(int quanti) {
        while (quanti-- > 0) form->Timer2_Timer();
    }
    // The boards whose two buttons are on ("3" or "3!" when only one of them is), whether the
    // insert command is on, whether Timer2 runs.
    std::string Comandi() {
        std::string stato = "buttons";
        for (int riga = 0; riga < kBinari; ++riga) {
            const bool reset = Pulsante("resetta", riga)->isEnabled();
            const bool ritardo = Pulsante("aggiorna", riga)->isEnabled();
            if (reset || ritardo)
                stato += " " + std::to_string(riga + 1) + (reset == ritardo ? "" : "!");
        }
        stato += Voce("informazioni")->isEnabled() ? ", insert" : ", no insert";
        stato += form->Timer2.isActive() ? ", turning" : ", at rest";
        return stato;
    }
    QStringList BinariOfferti() {
        Voce("informazioni")->trigger();
        Form2* d = form->DialogoInserimento();
        if (!d) return {"<no dialog>"};
        QStringList offerti;
        for (int i = 0; i < d->Combo6->count(); ++i) offerti << d->Combo6->itemText(i);
        d->Command2->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return offerti;
    }
};

TEST_F(Form1Animazione, InsertTurnsTheBoardFlapByFlapToTheNewTrain) {
    Inserisci({.destinazione = "Roma Termini",
               .categoria = "Intercity",
               .ritardo = "1'30",
               .ora = "14",
               .minuto = "5"});
    EXPECT_EQ(Comandi(), "buttons 1, insert, turning");
    EXPECT_EQ(Tabellone(1), kVuoto) << "nothing moves before the first tick";

    Ticks(1);  // shows where the row starts: blank but for hour and minute 0
    EXPECT_EQ(Tabellone(1),
              "_ _ _ _ _ _ _ _ _ _ _ _ _ _ | catvuoto | _ _ _ | _ 0 | 0 0 | indicazioni");
    EXPECT_EQ(Comandi(), "buttons, no insert, turning");

    Ticks(9);  // nine steps reached: the short turns have ended, the long ones stand at "i"
    EXPECT_EQ(Tabellone(1),
              "i i i a _ i e i i i i i _ _ | intercity | _ 4 5 | _ 9 | 0 5 | indicazioni");

    Ticks(55);
    EXPECT_EQ(Tabellone(1),
              "r o m a _ t e r m i n i _ _ | intercity | 1ora 3 0 | 1 4 | 0 5 | indicazioni");
    EXPECT_EQ(Comandi(), "buttons 1, insert, at rest");
    EXPECT_EQ(form->conttimer(), 0);
    EXPECT_EQ(Tabellone(2), kVuoto);
}

TEST_F(Form1Animazione, ResetDuringAndAfterAnAnimation) {
    Inserisci({.destinazione = "Bari", .binario = "2", .ritardo = "1'10"});
    Ticks(65);
    ASSERT_EQ(Comandi(), "buttons 2, insert, at rest");

    // Board 1 takes a train and, before its first tick, board 2 is reset: board 1 lands at
    // once on its new train and board 2 turns to blank.
    Inserisci({.destinazione = "Ankara", .categoria = "Regionale"});
    EXPECT_EQ(Comandi(), "buttons 1 2, insert, turning");
    Pulsante("resetta", 1)->click();
    EXPECT_EQ(Tabellone(1),
              "a n _ a r a _ _ _ _ _ _ _ _ | regionale | _ _ _ | _ 0 | 0 0 | indicazioni");
    EXPECT_EQ(Comandi(), "buttons 1, insert, turning");
    Ticks(1);
    Pulsante("resetta", 0)->click();  // off while a board turns: nothing happens
    EXPECT_EQ(Comandi(), "buttons, no insert, turning");
    Ticks(64);
    EXPECT_EQ(Tabellone(2), kVuoto) << "hours word and all";
    EXPECT_EQ(Comandi(), "buttons 1, insert, at rest");
    EXPECT_EQ(BinariOfferti().first(), "2");

    // A reset at rest: buttons off at once, the insert command on; the board turns to blank.
    Pulsante("resetta", 0)->click();
    EXPECT_EQ(Comandi(), "buttons, insert, turning");
    Ticks(65);
    EXPECT_EQ(Tabellone(1), kVuoto);
    EXPECT_EQ(Comandi(), "buttons, insert, at rest");
    EXPECT_EQ(BinariOfferti().first(2), QStringList({"1", "2"}));
}

TEST_F(Form1Animazione, DelayChangeTurnsOnlyTheDelayTiles) {
    Inserisci({.destinazione = "Lecce", .binario = "5", .categoria = "Eurostar", .ritardo = "10"});
    Ticks(65);
    const std::string prima = Tabellone(5);
    ASSERT_NE(prima.find("| _ 1 0 |"), std::string::npos) << prima;

    auto conRitardo = [&](const std::string& tessere) {
        std::string atteso = prima;
        return atteso.replace(prima.find("| _ 1 0 |"), 9, "| " + tessere + " |");
    };
    RispondiAlDialogo(
        "Form3",
        [](QWidget* dialogo) {
            auto* d = qobject_cast<Form3*>(dialogo);
            d->Combo2->setCurrentText("30");
            d->Command1->click();
        },
        [&] { Pulsante("aggiorna", 4)->click(); });
    EXPECT_EQ(Comandi(), "buttons 5, insert, turning");
    for (const char* tessere : {"_ 1 0", "_ 1 5", "_ 2 0", "_ 2 5", "_ 3 0"}) {
        Ticks(1);
        EXPECT_EQ(Tabellone(5), conRitardo(tessere));
        EXPECT_EQ(Comandi(), "buttons, no insert, turning");
    }
    Ticks(60);
    EXPECT_EQ(Tabellone(5), conRitardo("_ 3 0"));
    EXPECT_EQ(Comandi(), "buttons 5, insert, at rest");
}

TEST_F(Form1Animazione, TheLastFreeBoardTakesTheInsertCommandUntilAReset) {
    sim().orario.NumeroBinari = 2;
    form->Copri_Binari();
    Inserisci({.destinazione = "Asti"});
    Ticks(65);
    EXPECT_EQ(Comandi(), "buttons 1, insert, at rest");

    Inserisci({.destinazione = "Alba", .binario = "2"});
    EXPECT_EQ(Comandi(), "buttons 1 2, no insert, turning");
    Ticks(65);
    EXPECT_EQ(Comandi(), "buttons 1 2, no insert, at rest");
    EXPECT_EQ(BinariOfferti(), QStringList{"<no dialog>"}) << "the command is off";

    Pulsante("resetta", 0)->click();
    EXPECT_EQ(Comandi(), "buttons 2, insert, turning");
    Ticks(65);
    EXPECT_EQ(Comandi(), "buttons 2, insert, at rest");
    EXPECT_EQ(BinariOfferti(), QStringList{"1"});
}

TEST_F(Form1Animazione, OneInsertDialogThatComesForwardWithItsFirstList) {
    Voce("informazioni")->trigger();
    QPointer<Form2> primo = form->DialogoInserimento();
    ASSERT_TRUE(primo && primo->isVisible());
    EXPECT_EQ(primo->parent(), nullptr);
    sim().binari[0].RigaLibera = false;
    form->informazioni_Click();
    EXPECT_EQ(form->DialogoInserimento(), primo);
    EXPECT_EQ(primo->Combo6->itemText(0), "1") << "the list is not filled again";
    primo->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(primo.isNull());
    EXPECT_EQ(BinariOfferti().first(), "2");
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
        if (!distrutta) {
            EXPECT_FALSE(finestra->isVisible()) << "never brought back";
            EXPECT_FALSE(finestra->Timer2.isActive());
        }
    }
}

}  // namespace
}  // namespace ardenvo
