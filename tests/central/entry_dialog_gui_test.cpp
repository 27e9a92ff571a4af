#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "central/entry_dialog.h"
#include "central/quadro_prova.h"
#include "central/quadro_window.h"
#include "core/convertitori.h"
#include "mainwindow/form1_prova.h"
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

class Inserimento : public Form1Test {
  protected:
    void TearDown() override {
        for (QualeQuadro quale : {QualeQuadro::Partenze, QualeQuadro::Arrivi}) {
            if (FormImmissione* d = form->InserimentoQuadro(quale)) d->close();
            if (FormQuadro* finestra = form->QuadroAperto(quale)) finestra->close();
        }
        Elimina();
    }
    static void Elimina() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Opens the board at rest and its entry dialog through the board's menu.
    FormImmissione* Apri(QualeQuadro quale) {
        form->quadro_Click(quale == QualeQuadro::Partenze ? 0 : 1);
        finestra = form->QuadroAperto(quale);
        Corri();
        finestra->Controllo<QAction>("inserisci_dati")->trigger();
        return form->InserimentoQuadro(quale);
    }
    int Corri() {
        int tick = 0;
        for (; finestra->Timer1.isActive() && tick < 200; ++tick) finestra->Timer1_Timer();
        return tick;
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
    // The picture file a tile of the open board shows, without ".bmp".
    std::string File(const char* nome, int riga) {
        Tessera* tessera = finestra->TesseraDi(QString::fromLatin1(nome), riga);
        return QFileInfo(tessera->percorso()).completeBaseName().toStdString();
    }

    FormQuadro* finestra = nullptr;
};

// Every shown code has reached its final code.
bool AlleFinali(const RigaQuadro& r) {
    return r.LettereMostrate == r.LettereFinali &&
           std::tie(r.CategoriaMostrata, r.OraMostrata, r.MinutoMostrato, r.RitardoMostrato,
                    r.IndicazioniMostrate, r.BinarioMostrato) ==
               std::tie(r.CategoriaFinale, r.OraFinale, r.MinutoFinale, r.RitardoFinale,
                        r.IndicazioniFinali, r.BinarioFinale);
}

TEST_F(Inserimento, OneDialogClassInTwoConfigurations) {
    FormImmissione* d7 = Apri(QualeQuadro::Partenze);
    FormImmissione* d9 = Apri(QualeQuadro::Arrivi);
    ASSERT_TRUE(d7 && d9);
    EXPECT_EQ(d7->objectName(), "Form7");
    EXPECT_EQ(d7->windowTitle(), "Inserimento dati (Tabellone generale partenze)");
    EXPECT_EQ(d9->objectName(), "Form9");
    EXPECT_EQ(d9->windowTitle(), "Inserimento dati (Tabellone generale arrivi)");
    // The arrivals dialog is the departures dialog 840 twips further right.
    EXPECT_GT(d9->width(), d7->width());
    const QStringList nomi = {"Text1",     "Combo1",    "Combo2",  "Combo3",
                              "Combo4(1)", "Combo4(0)", "Combo6",  "bindef(0)",
                              "bindef(1)", "Command1",  "Command2"};
    for (const QString& nome : nomi) {
        auto* c7 = d7->findChild<QWidget*>(nome);
        auto* c9 = d9->findChild<QWidget*>(nome);
        ASSERT_TRUE(c7 && c9) << nome.toStdString();
        EXPECT_EQ(c9->geometry(), c7->geometry().translated(70, 0)) << nome.toStdString();
    }
    for (FormImmissione* d : {d7, d9}) {
        EXPECT_TRUE(d->isVisible() && !d->isModal() && d->parent() == nullptr);
        EXPECT_TRUE(d->testAttribute(Qt::WA_DeleteOnClose));
        EXPECT_EQ(d->Text1->maxLength(), 20);
        EXPECT_EQ(std::tuple(d->Combo1->count(), d->Combo2->count(), d->Combo3->count()),
                  std::tuple(11, 11, 30));
        EXPECT_EQ(d->Combo1->itemText(0) + " " + d->Combo1->itemText(10), "Diretto Autobus");
        // Every item is a text of its converter's table.
        for (int i = 0; i < d->Combo1->count(); ++i)
            EXPECT_TRUE(Categoria_Numerog(d->Combo1->itemText(i).toStdString()));
        for (int i = 0; i < d->Combo2->count(); ++i)
            EXPECT_EQ(Indicazioni_Numerog(d->Combo2->itemText(i).toStdString()), i);
        for (int i = 0; i < d->Combo3->count(); ++i)
            EXPECT_TRUE(Ritardo_Numero(d->Combo3->itemText(i).toStdString()));
        for (QComboBox* c : {d->Combo1, d->Combo2, d->Combo3}) EXPECT_EQ(c->currentIndex(), -1);
        for (auto [c, ultimo] :
             {std::pair{d->Combo4[1], "23"}, {d->Combo4[0], "59"}, {d->Combo6, "23"}}) {
            EXPECT_EQ(c->itemText(c->count() - 1), ultimo);
            EXPECT_EQ(c->currentText(), c == d->Combo6 ? "1" : "0");
        }
        EXPECT_TRUE(d->bindef[0]->isChecked() && !d->bindef[1]->isChecked());

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
}

TEST_F(Inserimento, EveryTextOfTheBoardsAndTheirDialogsShowsWhole) {
    sim().orario.NumeroBinari = kBinari;
    for (QualeQuadro quale : {QualeQuadro::Partenze, QualeQuadro::Arrivi}) {
        Quadro(sim(), quale).PrimoAvvio = false;
        Scrivi(Quadro(sim(), quale), "AB.CDEFGHI");
        FormImmissione* d = Apri(quale);
        d->Text1->setText("Reggio di Calabria C");
        EXPECT_THAT(prova::TestiTagliati(*finestra), ::testing::IsEmpty());
        EXPECT_THAT(prova::TestiTagliati(*d), ::testing::IsEmpty());
    }
}

TEST_F(Inserimento, OkFillsTheFirstFreeRowWhichTurnsFromBlankToTheEntry) {
    struct Caso {
        Voci voci;
        std::array<std::int16_t, 6> finali;  // category, delay, hour, minute, note, platform
        std::string lettere;                 // the letter pictures once at rest, "_" blank
        std::array<const char*, 2> binario;  // tens and units pictures once at rest
    };
    const Caso casi[] = {
        {{"Roma Termini", "Diretto", "Sola 2a Classe", "1'30", "7", "5", "5", true},
         {3, 90, 7, 5, 4, 28},
         "roma_termini________",
         {"letteravuota", "5p"}},
        {{"Bari", "Diretto", nullptr, nullptr, nullptr, nullptr, "5"},
         {3, 0, 0, 0, 0, 5},
         "bari________________",
         {"letteravuota", "5"}},
        {{"Bari", "Autobus", "Autobus (Piazzale Esterno)", "3'50", "23", "59", "5", true},
         {11, 230, 23, 59, 10, 0},
         "bari________________",
         {"letteravuota", "letteravuota"}},
        // Nothing touched.
        {{}, {0, 0, 0, 0, 0, 1}, "____________________", {"letteravuota", "1"}},
    };
    for (const Caso& c : casi) {
        FormImmissione* d = Apri(QualeQuadro::Partenze);
        QuadroCentrale& quadro = sim().QuadroPartenze;
        Scrivi(quadro, "A.B.......");
        Compila(d, c.voci);
        d->Command1->click();
        Elimina();
        EXPECT_EQ(form->InserimentoQuadro(QualeQuadro::Partenze), nullptr) << "closed and gone";

        EXPECT_EQ(quadro.Indice, 1);
        const RigaQuadro& r = quadro.Righe[1];
        EXPECT_FALSE(r.Libera);
        EXPECT_EQ((std::array{r.CategoriaFinale, r.RitardoFinale, r.OraFinale, r.MinutoFinale,
                              r.IndicazioniFinali, r.BinarioFinale}),
                  c.finali)
            << c.lettere;
        EXPECT_EQ((std::array{r.OraMostrata, r.MinutoMostrato}),
                  (std::array{OraVuota, MinutoVuoto}));
        EXPECT_TRUE(finestra->Timer1.isActive());

        EXPECT_EQ(Corri(), 65);
        EXPECT_TRUE(AlleFinali(r)) << c.lettere;
        std::string lettere;
        for (int k = 0; k < kLettereQuadro; ++k) {
            const std::string f = File(("dest" + std::to_string(k)).c_str(), 1);
            lettere += f == "letteravuota" ? '_' : f[0];
        }
        EXPECT_EQ(lettere, c.lettere);
        EXPECT_EQ(File("binariob", 1), c.binario[0]) << c.lettere;
        EXPECT_EQ(File("binarioa", 1), c.binario[1]) << c.lettere;
        EXPECT_TRUE(finestra->Controllo<QPushButton>("reset", 1)->isEnabled());
        EXPECT_EQ(Leggi(quadro).substr(2), "B.......") << "no other row touched";
        finestra->close();
        Elimina();
    }
}

TEST_F(Inserimento, ThePlatformListFollowsTheCountAtEachOpening) {
    sim().orario.NumeroBinari = 12;
    FormImmissione* d = Apri(QualeQuadro::Arrivi);
    EXPECT_EQ(d->Combo6->count(), 12);
    EXPECT_EQ(d->Combo6->itemText(11), "12");
    d->Text1->setText("Lecce");
    sim().orario.NumeroBinari = 3;
    // Asked again while open: the same dialog comes forward with its entries and its list.
    finestra->Controllo<QAction>("inserisci_dati")->trigger();
    EXPECT_EQ(form->InserimentoQuadro(QualeQuadro::Arrivi), d);
    EXPECT_EQ(d->Text1->text(), "Lecce");
    EXPECT_EQ(d->Combo6->count(), 12);
    d->close();
    Elimina();
    d = Apri(QualeQuadro::Arrivi);
    EXPECT_EQ(d->Text1->text(), "");
    EXPECT_EQ(d->Combo6->count(), 3);
    EXPECT_EQ(d->Combo6->itemText(2), "3");
    d->close();
    Elimina();

    // A station without platforms: nothing to choose, and the train shows no platform.
    sim().orario.NumeroBinari = 0;
    d = Apri(QualeQuadro::Arrivi);
    EXPECT_EQ(d->Combo6->count(), 0);
    d->bindef[1]->click();
    d->Command1->click();
    EXPECT_EQ(sim().QuadroArrivi.Righe[0].BinarioFinale, 0);
}

TEST_F(Inserimento, CancellaAndTheCloseBoxStoreNothing) {
    for (bool cancella : {true, false}) {
        FormImmissione* d = Apri(QualeQuadro::Partenze);
        Scrivi(sim().QuadroPartenze, "A.B.......");
        sim().QuadroPartenze.Indice = 7;
        const QuadroCentrale prima = sim().QuadroPartenze;
        Compila(d, {"Roma", "Diretto"});
        if (cancella)
            d->Command2->click();
        else
            d->close();
        Elimina();
        EXPECT_EQ(form->InserimentoQuadro(QualeQuadro::Partenze), nullptr);
        EXPECT_EQ(sim().QuadroPartenze, prima) << cancella;
        EXPECT_FALSE(finestra->Timer1.isActive());
    }
}

TEST_F(Inserimento, AFullBoardTakesNothingAndTheDialogStaysWithItsEntries) {
    FormImmissione* d = Apri(QualeQuadro::Partenze);
    Scrivi(sim().QuadroPartenze, "ABCDEFGHIJ");
    sim().QuadroPartenze.Indice = 4;
    const QuadroCentrale prima = sim().QuadroPartenze;
    Compila(d, {"Roma", "Diretto"});
    d->Command1->click();
    Elimina();
    EXPECT_EQ(banco.messaggi.mostrati, QStringList{"Nessuna riga libera sul quadro"});
    EXPECT_EQ(sim().QuadroPartenze, prima);
    ASSERT_EQ(form->InserimentoQuadro(QualeQuadro::Partenze), d);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->Text1->text(), "Roma");
    EXPECT_EQ(d->Combo1->currentText(), "Diretto");

    // Once a row is cleared the same entry goes in.
    finestra->reset_Click(6);
    Corri();
    d->Command1->click();
    EXPECT_EQ(sim().QuadroPartenze.Indice, 6);
    EXPECT_EQ(sim().QuadroPartenze.Righe[6].TestoDestinazione, "roma");
}

TEST_F(Inserimento, OkDuringAnAnimationFinishesItFirstThenTurnsTheNewRow) {
    FormImmissione* d = Apri(QualeQuadro::Partenze);
    QuadroCentrale& quadro = sim().QuadroPartenze;
    Scrivi(quadro, "AB........");
    finestra->Controllo<QPushButton>("giu", 0)->click();
    for (int i = 0; i < 10; ++i) finestra->Timer1_Timer();
    ASSERT_TRUE(finestra->Timer1.isActive());
    Compila(d, {"Pisa", "Regionale"});
    d->Command1->click();
    // Both moved rows stand at their trains at once; the new train goes below them.
    EXPECT_EQ(Leggi(quadro).substr(0, 2), "BA");
    EXPECT_EQ(quadro.Indice, 2);
    EXPECT_FALSE(quadro.spostagiu);
    EXPECT_EQ(quadro.contatime, 0);
    EXPECT_EQ(Corri(), 65);
    EXPECT_TRUE(AlleFinali(quadro.Righe[2]));
    EXPECT_EQ(File("dest0", 2), "p");
    EXPECT_EQ(File("categoria", 2), "regionale");
    EXPECT_EQ(Leggi(quadro).erase(2, 1), "BA.......");
}

TEST_F(Inserimento, OkWithTheBoardClosedStoresTheRowWhichTurnsWhenTheBoardOpens) {
    FormImmissione* d = Apri(QualeQuadro::Arrivi);
    finestra->close();
    Elimina();
    ASSERT_EQ(form->QuadroAperto(QualeQuadro::Arrivi), nullptr);
    Compila(d, {"Lecce", "Intercity", nullptr, nullptr, "9", "30", "2"});
    d->Command1->click();
    Elimina();
    EXPECT_EQ(form->InserimentoQuadro(QualeQuadro::Arrivi), nullptr);
    const RigaQuadro& r = sim().QuadroArrivi.Righe[0];
    EXPECT_FALSE(r.Libera);
    EXPECT_EQ(r.TestoDestinazione, "lecce");
    EXPECT_EQ(r.BinarioFinale, 2);
    EXPECT_EQ(form->QuadroAperto(QualeQuadro::Arrivi), nullptr) << "the board stays closed";

    form->quadro_Click(1);
    finestra = form->QuadroAperto(QualeQuadro::Arrivi);
    EXPECT_EQ(Corri(), 65) << "a full animation, not the single closing tick";
    EXPECT_TRUE(AlleFinali(r));
    EXPECT_EQ(File("dest0", 0), "l");
    EXPECT_EQ(File("partenzaoraa", 0), "9");
    EXPECT_TRUE(finestra->Controllo<QPushButton>("reset", 0)->isEnabled());
}

TEST_F(Inserimento, BothDialogsOpenAtOnceWriteTheirOwnBoards) {
    FormImmissione* d7 = Apri(QualeQuadro::Partenze);
    FormQuadro* partenze = finestra;
    FormImmissione* d9 = Apri(QualeQuadro::Arrivi);
    Compila(d7, {"Roma"});
    Compila(d9, {"Bari"});
    d9->Command1->click();
    d7->Command1->click();
    EXPECT_EQ(sim().QuadroPartenze.Righe[0].TestoDestinazione, "roma");
    EXPECT_EQ(sim().QuadroArrivi.Righe[0].TestoDestinazione, "bari");
    EXPECT_TRUE(sim().QuadroPartenze.Righe[1].Libera && sim().QuadroArrivi.Righe[1].Libera);
    EXPECT_TRUE(partenze->Timer1.isActive() && finestra->Timer1.isActive());
}

}  // namespace
}  // namespace ardenvo
