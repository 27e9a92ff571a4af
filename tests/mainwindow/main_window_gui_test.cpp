#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "boards/tessera_widget.h"
#include "mainwindow/form1_prova.h"

namespace ardenvo {
namespace {

TEST_F(Form1Test, LoadStepLeavesTheDesignedStartState) {
    EXPECT_EQ(form->windowTitle(), "Ardenvo V0.3.1");
    EXPECT_EQ(form->centralWidget()->size(), QSize(1021, 691));
    // Start, +, Stop, -
    EXPECT_TRUE(Pulsante("Command1")->isEnabled() && Pulsante("Command2")->isEnabled());
    EXPECT_FALSE(Pulsante("Command3")->isEnabled() || Pulsante("Command4")->isEnabled());
    EXPECT_EQ(form->Controllo<QLabel>("Label4")->text(), "Simulazione: 1x");
    EXPECT_TRUE(form->Pausa);
    EXPECT_EQ(form->Clicca, 0);
    EXPECT_EQ(form->incritardo(), 5);
    EXPECT_TRUE(form->Timer1.isActive() && form->Timer3.isActive());
    EXPECT_FALSE(form->Timer2.isActive());
    EXPECT_EQ(form->Timer1.timerType(), Qt::PreciseTimer);
    EXPECT_EQ(
        QList<int>({form->Timer1.interval(), form->Timer2.interval(), form->Timer3.interval()}),
        QList<int>({1000, 100, 250}));
    EXPECT_EQ(sim().orario.NumeroBinari, 23);
    EXPECT_TRUE(sim().PrimoAvvioPartenze && sim().PrimoAvvioArrivi);
    // The clock is not drawn by the load: its built-in zeros stand.
    EXPECT_EQ(Cifre(), "      ");
    EXPECT_FALSE(form->Controllo<Tessera>("ora", 1)->immagine().isNull());

    const QString cartella = QCoreApplication::applicationDirPath() + "/Numeri e Lettere/";
    EXPECT_EQ(form->Controllo<Tessera>("categoria9")->percorso(), cartella + "catvuoto.bmp");
    EXPECT_EQ(form->Controllo("resetta", 4), form->findChild<QPushButton*>("resetta(4)"));
    for (int riga = 0; riga < 23; ++riga) {
        SCOPED_TRACE("board " + std::to_string(riga + 1));
        EXPECT_TRUE(sim().binari[static_cast<std::size_t>(riga)].RigaLibera);
        EXPECT_FALSE(Pulsante("resetta", riga)->isEnabled());
        EXPECT_FALSE(Pulsante("aggiorna", riga)->isEnabled());
        EXPECT_FALSE(Pulsante("copri", riga)->isVisibleTo(form.get()));
        EXPECT_EQ(Tabellone(riga + 1),
                  "_ _ _ _ _ _ _ _ _ _ _ _ _ _ | catvuoto | _ _ _ | _ _ | _ _ | indicazioni");
    }
}

TEST_F(Form1Test, MenuTreeHasTheDesignedItemsAndNoShortcuts) {
    // name, caption, the menu that holds it, enabled at start
    const std::tuple<const char*, const char*, const char*, bool> albero[] = {
        {"apri", "Scenario", "apri1", true},
        {"salvataggio", "Salvataggio", "apri1", true},
        {"salva", "Salva", "file", false},
        {"salvaconnome", "Salva con nome...", "file", true},
        {"esci", "Esci", "file", true},
        {"informazioni", "Informazioni", "inserisci", true},
        {"quadro(0)", "Partenze", "visualizza", true},
        {"quadro(1)", "Arrivi", "visualizza", true},
        {"informazionisu", "Informazion Su...", "domanda", true},
    };
    for (auto [nome, testo, sotto, attiva] : albero) {
        auto* azione = form->findChild<QAction*>(nome);
        ASSERT_NE(azione, nullptr) << nome;
        EXPECT_EQ(azione->text(), testo);
        EXPECT_EQ(azione->isEnabled(), attiva) << nome;
        EXPECT_TRUE(azione->shortcut().isEmpty()) << nome;
        EXPECT_TRUE(form->findChild<QMenu*>(sotto)->actions().contains(azione)) << nome;
    }
    QStringList titoli;
    for (QAction* a : form->menuBar()->actions()) titoli << a->text();
    EXPECT_EQ(titoli, QStringList({"File", "Inserisci", "Quadro generale", "?"}));
    EXPECT_TRUE(form->findChild<QMenu*>("file")->actions().contains(
        form->findChild<QMenu*>("apri1")->menuAction()));
}

TEST_F(Form1Test, BoardsStandInTheirGridCellsAboveThePanels) {
    auto posto = [&](const QString& nome, int indice) {
        return form->Controllo<QWidget>(nome, indice)->mapTo(form->centralWidget(), QPoint());
    };
    // Boards 1..3 fill line 1 and leave its column 4 empty; 4..23 fill lines 2..6.
    const std::pair<int, QPoint> casi[] = {
        {1, {0, 0}}, {3, {448, 0}}, {4, {0, 88}}, {23, {672, 440}}};
    for (auto [binario, angolo] : casi) EXPECT_EQ(posto("Picture7", binario - 1), angolo);
    EXPECT_EQ(posto("binario23", 13), QPoint(672 + 48 + 12 * 13, 440 + 24));
    EXPECT_LT(posto("ritardomin1", 2).x(), posto("ritardomin1", 0).x());  // hours word first
    EXPECT_LE(posto("copri", 22).y() + 89, Form1::kFinoBinari);
}

TEST_F(Form1Test, SpeedButtonsMoveThroughTheSevenSpeeds) {
    // After each press: caption, interval, then "+" and "-" if enabled.
    auto stato = [&] {
        return (form->Controllo<QLabel>("Label4")->text().mid(13) + " " +
                QString::number(form->Timer1.interval()) + " " +
                (Pulsante("Command2")->isEnabled() ? "+" : "") +
                (Pulsante("Command4")->isEnabled() ? "-" : ""))
            .toStdString();
    };
    for (const char* atteso :
         {"2x 500 +-", "5x 200 +-", "10x 100 +-", "20x 50 +-", "60x 17 +-", "100x 10 -"}) {
        Pulsante("Command2")->click();
        EXPECT_EQ(stato(), atteso);
    }
    for (const char* atteso :
         {"60x 17 +-", "20x 50 +-", "10x 100 +-", "5x 200 +-", "2x 500 +-", "1x 1000 +"}) {
        Pulsante("Command4")->click();
        EXPECT_EQ(stato(), atteso);
    }
    EXPECT_TRUE(form->Pausa && form->Timer1.isActive());  // speed and running are independent

    for (int i = 0; i < 4; ++i) form->Command2_Click();
    Pulsante("Command1")->click();
    EXPECT_FALSE(form->Pausa || Pulsante("Command1")->isEnabled());
    EXPECT_TRUE(Pulsante("Command3")->isEnabled());
    Pulsante("Command3")->click();
    EXPECT_TRUE(form->Pausa && Pulsante("Command1")->isEnabled());
    EXPECT_FALSE(Pulsante("Command3")->isEnabled());
    EXPECT_EQ(stato(), "20x 50 +-");
}

TEST_F(Form1Test, TickAdvancesAndRedrawsOnlyWhileRunning) {
    sim().orologio = {12, 59, 59};
    form->Timer1_Timer();  // stopped: nothing moves, nothing is drawn
    EXPECT_EQ(sim().orologio, (Orologio{12, 59, 59}));
    EXPECT_EQ(Cifre(), "      ");
    form->Command1_Click();
    form->Timer1_Timer();
    EXPECT_EQ(Cifre(), "1.jpg 3.jpg 0.jpg 0.jpg 0.jpg 0.jpg ");
}

TEST_F(Form1Test, ClockDisplayDrawsEachPairInRangeOnly) {
    struct Caso {
        Orologio ora;
        const char* atteso;  // after the previous case
    };
    const Caso casi[] = {
        {{0, 0, 1}, "0.jpg 0.jpg 0.jpg 0.jpg 0.jpg 1.jpg "},
        {{23, 59, 59}, "2.jpg 3.jpg 5.jpg 9.jpg 5.jpg 9.jpg "},
        {{7, 5, 9}, "0.jpg 7.jpg 0.jpg 5.jpg 0.jpg 9.jpg "},
        // Out of range: that pair keeps its pictures, the others are drawn.
        {{24, 1, 2}, "0.jpg 7.jpg 0.jpg 1.jpg 0.jpg 2.jpg "},
        {{10, 60, 3}, "1.jpg 0.jpg 0.jpg 1.jpg 0.jpg 3.jpg "},
        {{11, 4, -1}, "1.jpg 1.jpg 0.jpg 4.jpg 0.jpg 3.jpg "},
        {{-3, 6, 60}, "1.jpg 1.jpg 0.jpg 6.jpg 0.jpg 3.jpg "},
    };
    for (const Caso& c : casi) {
        sim().orologio = c.ora;
        form->ImmaginiTempo();
        EXPECT_EQ(Cifre(), c.atteso);
    }
}

TEST_F(Form1Test, CoversFollowThePlatformCount) {
    // Board 8 holds a train while the count changes: covering it must leave it as it was.
    RigaBinario& otto = sim().binari[7];
    otto.RigaAttiva = true;
    otto.RigaLibera = false;
    otto.CodiceCategoria = 5;
    form->Gestione_Pulsanti_Riga(7);
    form->binario = 8;
    form->contbinario = 7;
    form->DisegnaBinario();
    const RigheBinari prima = sim().binari;

    for (int piattaforme : {12, 5, 0, 23, 30, -1, 12}) {
        sim().orario.NumeroBinari = static_cast<std::int16_t>(piattaforme);
        form->Copri_Binari();
        for (int riga = 0; riga < 23; ++riga)
            EXPECT_EQ(Pulsante("copri", riga)->isVisibleTo(form.get()), riga >= piattaforme)
                << piattaforme << " platforms, row " << riga;
    }
    EXPECT_EQ(sim().binari, prima);
    EXPECT_TRUE(Pulsante("resetta", 7)->isEnabled());
    EXPECT_EQ(File("categoria8"), "intercity.bmp");
}

TEST_F(Form1Test, RowButtonsFollowTheirOwnRowOnly) {
    sim().binari[4].RigaAttiva = true;
    form->Gestione_Pulsanti_Riga(4);
    form->Gestione_Pulsanti_Riga(23);  // no such row: nothing happens
    for (int riga = 0; riga < 23; ++riga) {
        EXPECT_EQ(Pulsante("resetta", riga)->isEnabled(), riga == 4) << riga;
        EXPECT_EQ(Pulsante("aggiorna", riga)->isEnabled(), riga == 4) << riga;
    }
}

TEST_F(Form1Test, AssegnaBinariKeepsTheNamesForABoardThatDoesNotExist) {
    form->binario = 10;
    form->Assegna_Binari();
    for (std::int16_t fuori : {0, 24}) {
        form->binario = fuori;
        form->Assegna_Binari();
        EXPECT_EQ(form->binariolett + " " + form->indicazioni, "binario10 indicazioni10");
    }
}

TEST_F(Form1Test, DrawingOperationsPutEachFieldIntoItsTiles) {
    RigaBinario& riga = sim().binari[6];
    form->binario = 7;
    form->contbinario = 6;
    riga.CodiciLettere = {18, 5, 20, 5, 0, 0, 0, 0, 0, 0, 0, 0, 26, 29};
    riga.CodiceCategoria = 10;
    riga.RitardoMinuti = 70;
    riga.OraPartenza = 21;
    riga.MinutoPartenza = 5;
    riga.CodiceIndicazioni = 9;
    form->DisegnaBinario();
    EXPECT_EQ(Tabellone(7),
              "s e u e _ _ _ _ _ _ _ _ punto asterisco | intercityn | 1ora 1 0 | 2 1 | 0 5 | "
              "secondac");
    EXPECT_EQ(Tabellone(6), Tabellone(8));  // the neighbours are untouched

    // A code that draws only part of its field leaves the other tiles as they were.
    riga.RitardoMinuti = 5;
    riga.CodiceCategoria = 11;
    form->DisegnaBinario();
    EXPECT_EQ(Tabellone(7),
              "s e u e _ _ _ _ _ _ _ _ punto asterisco | intercityn | 1ora _ 5 | 2 1 | 0 5 | "
              "secondac");

    form->contbinario = 23;  // no such row: nothing is drawn, nothing breaks
    form->Scegli_Categoria();
    form->contbinario = 6;
    form->n = 14;
    form->Scegli_Lettere();
}

// Answers the exit question that `azione` opens with the button named `pulsante`.
void RispondiAllaDomanda(const char* pulsante, const std::function<void()>& azione) {
    RispondiAlDialogo(
        "Form5",
        [pulsante](QWidget* domanda) { domanda->findChild<QPushButton*>(pulsante)->click(); },
        azione);
}

TEST_F(Form1Test, ExitAsksAndClosesOnlyOnYes) {
    form->show();
    RispondiAllaDomanda("Command2", [&] { Voce("esci")->trigger(); });
    EXPECT_TRUE(form->isVisible());
    RispondiAllaDomanda("Command1", [&] { form->esci_Click(); });
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace ardenvo
