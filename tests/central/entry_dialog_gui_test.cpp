#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>

#include "central/quadro_finestra_prova.h"
#include "core/convertitori.h"
#include "testo_intero.h"

namespace ardenvo {
namespace {

// What the operator puts in the dialog; a null text leaves its control untouched.
struct Voci {
    const char* destinazione = nullptr;
    const char* categoria = nullptr;
    const char* indicazioni = nullptr;
    const char* ritardo = nullptr;
    const char* ora = nullptr;
    const char* minuto = nullptr;
    const char* binario = nullptr;
    bool provvisorio = false;
};

class Inserimento : public QuadroFinestraTest {
  protected:
    // Opens the board at rest and its entry dialog through the board's menu.
    FormImmissione* ApriDialogo(QualeQuadro quale) {
        Apri(quale);
        Corri();
        finestra->Controllo<QAction>("inserisci_dati")->trigger();
        return form->InserimentoQuadro(quale);
    }
    static void Compila(FormImmissione* d, const Voci& v) {
        if (v.destinazione) d->Text1->setText(QString::fromUtf8(v.destinazione));
        const std::pair<QComboBox*, const char*> scelte[] = {
            {d->Combo1, v.categoria}, {d->Combo2, v.indicazioni}, {d->Combo3, v.ritardo},
            {d->Combo4[1], v.ora},    {d->Combo4[0], v.minuto},   {d->Combo6, v.binario}};
        for (auto [elenco, testo] : scelte) {
            if (!testo) continue;
            elenco->setCurrentText(QString::fromUtf8(testo));
            EXPECT_EQ(elenco->currentText(), testo) << "not in the list";
        }
        if (v.provvisorio) d->bindef[1]->click();
    }
    // "Ok" on the departures dialog; the dialog is deleted if it closed.
    void Ok() {
        form->InserimentoQuadro(QualeQuadro::Partenze)->Command1->click();
        Elimina();
    }
};

TEST_F(Inserimento, OneDialogClassInTwoConfigurations) {
    FormImmissione* d7 = ApriDialogo(QualeQuadro::Partenze);
    FormImmissione* d9 = ApriDialogo(QualeQuadro::Arrivi);
    ASSERT_TRUE(d7 && d9);
    EXPECT_EQ(d7->objectName(), "Form7");
    EXPECT_EQ(d7->windowTitle(), "Inserimento dati (Tabellone generale partenze)");
    EXPECT_EQ(d9->objectName(), "Form9");
    EXPECT_EQ(d9->windowTitle(), "Inserimento dati (Tabellone generale arrivi)");
    // The arrivals dialog is the departures dialog 840 twips further right.
    EXPECT_GT(d9->width(), d7->width());
    for (const char* nome : {"Text1", "Combo1", "Combo2", "Combo3", "Combo4(1)", "Combo4(0)",
                             "Combo6", "bindef(0)", "bindef(1)", "Command1", "Command2"}) {
        auto* c7 = d7->findChild<QWidget*>(nome);
        auto* c9 = d9->findChild<QWidget*>(nome);
        ASSERT_TRUE(c7 && c9) << nome;
        EXPECT_EQ(c9->geometry(), c7->geometry().translated(70, 0)) << nome;
    }
    for (FormImmissione* d : {d7, d9}) {
        EXPECT_TRUE(d->isVisible() && !d->isModal() && d->parent() == nullptr);
        EXPECT_EQ(d->Text1->maxLength(), 20);
        EXPECT_EQ(d->Combo1->itemText(0) + " " + d->Combo1->itemText(10), "Diretto Autobus");
        EXPECT_EQ(std::tuple(d->Combo1->count(), d->Combo2->count(), d->Combo3->count()),
                  std::tuple(11, 11, 30));
        // The categories are listed in an order of their own: each must still convert.
        for (int i = 0; i < d->Combo1->count(); ++i)
            EXPECT_TRUE(Categoria_Numerog(d->Combo1->itemText(i).toStdString()));
        // Nothing overlaps and everything lies inside the dialog.
        const QList<QWidget*> figli = d->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* a : figli) {
            EXPECT_TRUE(d->rect().contains(a->geometry())) << a->objectName().toStdString();
            for (QWidget* b : figli) {
                if (a < b) {
                    EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                        << a->objectName().toStdString() << " " << b->objectName().toStdString();
                }
            }
        }
    }
    // Both open at once, each writes its own board.
    Compila(d7, {"Roma"});
    Compila(d9, {"Bari"});
    d9->Command1->click();
    d7->Command1->click();
    EXPECT_EQ(sim().QuadroPartenze.Righe[0].TestoDestinazione, "roma");
    EXPECT_EQ(sim().QuadroArrivi.Righe[0].TestoDestinazione, "bari");
    EXPECT_TRUE(sim().QuadroPartenze.Righe[1].Libera && sim().QuadroArrivi.Righe[1].Libera);
}

TEST_F(Inserimento, EveryTextOfTheBoardsAndTheirDialogsShowsWhole) {
    sim().orario.NumeroBinari = kBinari;
    for (QualeQuadro quale : {QualeQuadro::Partenze, QualeQuadro::Arrivi}) {
        Quadro(sim(), quale).PrimoAvvio = false;
        Scrivi(Quadro(sim(), quale), "AB.CDEFGHI");
        FormImmissione* d = ApriDialogo(quale);
        d->Text1->setText("Reggio di Calabria C");
        EXPECT_THAT(prova::TestiTagliati(*finestra), ::testing::IsEmpty());
        EXPECT_THAT(prova::TestiTagliati(*d), ::testing::IsEmpty());
    }
}

TEST_F(Inserimento, OkFillsTheFirstFreeRowWhichTurnsFromBlankToTheEntry) {
    const std::pair<Voci, std::string> casi[] = {
        {{"Roma Termini", "Diretto", "Sola 2a Classe", "1'30", "7", "5", "5", true},
         "roma_termini________ | diretto | 0 7 : 0 5 | 1ora 3 0 | seconda | _ 5p"},
        {{"Bari", "Autobus", "Autobus (Piazzale Esterno)", "3'50", "23", "59", "5", true},
         "bari________________ | buscat | 2 3 : 5 9 | 3ore 5 0 | esterno | _ _"},
        {{}, "____________________ | catvuoto | 0 0 : 0 0 | _ _ _ | indicazioni | _ 1"},
    };
    for (const auto& [voci, riga] : casi) {
        FormImmissione* d = ApriDialogo(QualeQuadro::Partenze);
        Scrivi(sim().QuadroPartenze, "A.B.......");
        Compila(d, voci);
        Ok();
        EXPECT_EQ(form->InserimentoQuadro(QualeQuadro::Partenze), nullptr) << "closed and gone";
        EXPECT_EQ(sim().QuadroPartenze.Indice, 1);
        Corri();
        EXPECT_EQ(Riga(1), riga);
        EXPECT_EQ(Leggi(sim().QuadroPartenze).erase(1, 1), "AB.......") << "no other row";
        EXPECT_TRUE(finestra->Controllo<QPushButton>("reset", 1)->isEnabled());
        Chiudi();
    }
}

TEST_F(Inserimento, ThePlatformListFollowsTheCountAtEachOpening) {
    for (int binari : {12, 3}) {
        sim().orario.NumeroBinari = binari;
        FormImmissione* d = ApriDialogo(QualeQuadro::Arrivi);
        EXPECT_EQ(d->Combo6->itemText(d->Combo6->count() - 1), QString::number(binari));
        EXPECT_EQ(d->Text1->text(), "") << "a new dialog";
        d->Text1->setText("Lecce");
        // Asked again while open: the same dialog comes forward with its entries and its list.
        sim().orario.NumeroBinari = 1;
        finestra->Controllo<QAction>("inserisci_dati")->trigger();
        EXPECT_EQ(form->InserimentoQuadro(QualeQuadro::Arrivi), d);
        EXPECT_EQ(d->Text1->text(), "Lecce");
        EXPECT_EQ(d->Combo6->count(), binari);
        d->close();
        Elimina();
    }
    // A station without platforms: nothing to choose, and the train shows no platform.
    sim().orario.NumeroBinari = 0;
    FormImmissione* d = ApriDialogo(QualeQuadro::Arrivi);
    EXPECT_EQ(d->Combo6->count(), 0);
    d->bindef[1]->click();
    d->Command1->click();
    EXPECT_EQ(sim().QuadroArrivi.Righe[0].BinarioFinale, 0);
}

TEST_F(Inserimento, CancellaTheCloseBoxAndOkOnAFullBoardStoreNothing) {
    const std::tuple<const char*, std::function<void(FormImmissione*)>, std::string> casi[] = {
        {"Cancella", [](FormImmissione* d) { d->Command2->click(); }, "A.B......."},
        {"close box", [](FormImmissione* d) { d->close(); }, "A.B......."},
        {"full board", [](FormImmissione* d) { d->Command1->click(); }, "ABCDEFGHIJ"},
    };
    for (const auto& [nome, premi, righe] : casi) {
        FormImmissione* d = ApriDialogo(QualeQuadro::Partenze);
        Scrivi(sim().QuadroPartenze, righe);
        const QuadroCentrale prima = sim().QuadroPartenze;
        Compila(d, {"Roma", "Diretto"});
        premi(d);
        Elimina();
        EXPECT_EQ(sim().QuadroPartenze, prima) << nome;
        EXPECT_EQ(form->InserimentoQuadro(QualeQuadro::Partenze) != nullptr, righe == "ABCDEFGHIJ")
            << nome << ": only a full board keeps the dialog";
    }
    EXPECT_EQ(banco.messaggi.mostrati, QStringList{"Nessuna riga libera sul quadro"});

    // Once a row is cleared the entry left in the dialog goes in.
    finestra->reset_Click(6);
    Corri();
    ASSERT_NE(form->InserimentoQuadro(QualeQuadro::Partenze), nullptr);
    form->InserimentoQuadro(QualeQuadro::Partenze)->Command1->click();
    EXPECT_EQ(sim().QuadroPartenze.Indice, 6);
    EXPECT_EQ(sim().QuadroPartenze.Righe[6].TestoDestinazione, "roma");
    EXPECT_EQ(sim().QuadroPartenze.Righe[6].CategoriaFinale, 3);
}

TEST_F(Inserimento, OkFinishesTheOpenBoardsAnimationOrWaitsForTheClosedBoardToOpen) {
    FormImmissione* d = ApriDialogo(QualeQuadro::Partenze);
    Scrivi(sim().QuadroPartenze, "AB........");
    finestra->Controllo<QPushButton>("giu", 0)->click();
    for (int i = 0; i < 10; ++i) finestra->Timer1_Timer();
    Compila(d, {"Pisa"});
    d->Command1->click();
    EXPECT_EQ(Leggi(sim().QuadroPartenze).erase(2, 1), "BA.......");
    EXPECT_EQ(sim().QuadroPartenze.Indice, 2);

    d = ApriDialogo(QualeQuadro::Arrivi);
    Chiudi();
    Compila(d, {"Lecce", nullptr, nullptr, nullptr, "9"});
    d->Command1->click();
    EXPECT_EQ(sim().QuadroArrivi.Righe[0].TestoDestinazione, "lecce");
    EXPECT_EQ(form->QuadroAperto(QualeQuadro::Arrivi), nullptr) << "the board stays closed";
    Apri(QualeQuadro::Arrivi);
    EXPECT_EQ(Corri(), 65) << "a full animation, not the single closing tick";
    EXPECT_EQ(Riga(0), "lecce_______________ | catvuoto | 0 9 : 0 0 | _ _ _ | indicazioni | _ 1");
}

TEST_F(Inserimento, ATurnCutShortAndAReopenedBoardLeaveEveryTileWhole) {
    const Voci treni[] = {{"Roma Termini", "Intercity", nullptr, "3'00", "18", "4", "9", true},
                          {"Napoli C.le", "Eurocity", nullptr, "25", "9", "30", "8"}};
    for (const Voci& treno : treni) {
        Compila(ApriDialogo(QualeQuadro::Partenze), treno);
        Ok();
        Corri();
    }
    // The two rows swap, and half a second into their turn "Ok" brings them to rest at once.
    Compila(ApriDialogo(QualeQuadro::Partenze), {"Bari", "Diretto", nullptr, "5", "8", "0", "12"});
    finestra->Controllo<QPushButton>("giu", 0)->click();
    for (int i = 0; i < 5; ++i) finestra->Timer1_Timer();
    Ok();
    Corri();
    const std::string righe[] = {
        "napoli_c.le_________ | eurocity | 0 9 : 3 0 | _ 2 5 | indicazioni | _ 8",
        "roma_termini________ | intercity | 1 8 : 0 4 | 3ore 0 0 | indicazioni | _ 9p",
        "bari________________ | diretto | 0 8 : 0 0 | _ _ 5 | indicazioni | 1 2"};
    for (int r = 0; r < 3; ++r) EXPECT_EQ(Riga(r), righe[r]) << "row " << r;
    // A board closed and opened again reads as it did.
    Chiudi();
    Apri(QualeQuadro::Partenze);
    Corri();
    for (int r = 0; r < 3; ++r) EXPECT_EQ(Riga(r), righe[r]) << "reopened, row " << r;
    // A train stored while the board is closed turns in when it opens again, in a full
    // animation rather than the single closing tick; the other rows read as they did.
    Compila(ApriDialogo(QualeQuadro::Partenze), {"Lecce", nullptr, nullptr, nullptr, "7"});
    Chiudi();
    Ok();
    EXPECT_EQ(form->QuadroAperto(QualeQuadro::Partenze), nullptr) << "the board stays closed";
    Apri(QualeQuadro::Partenze);
    EXPECT_EQ(Corri(), 65);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(Riga(r), righe[r]) << "turned in, row " << r;
    EXPECT_EQ(Riga(3), "lecce_______________ | catvuoto | 0 7 : 0 0 | _ _ _ | indicazioni | _ 1");
}

}  // namespace
}  // namespace ardenvo
