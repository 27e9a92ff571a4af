#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <functional>
#include <map>

#include "central/quadro_prova.h"
#include "central/quadro_window.h"
#include "mainwindow/form1_prova.h"

namespace ardenvo {
namespace {

// A blank row as Riga reads it.
const std::string kRigaVuota =
    "____________________ | catvuoto | _ _ : _ _ | _ _ _ | indicazioni | _ _";

class QuadroFinestra : public Form1Test {
  protected:
    void TearDown() override {
        for (QualeQuadro quale : {QualeQuadro::Partenze, QualeQuadro::Arrivi})
            if (FormQuadro* finestra = form->QuadroAperto(quale)) finestra->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    FormQuadro* Apri(QualeQuadro quale) {
        Voce(ArrayControlli::NomeElemento(QStringLiteral("quadro"),
                                          quale == QualeQuadro::Partenze ? 0 : 1))
            ->trigger();
        return form->QuadroAperto(quale);
    }
    void Chiudi(FormQuadro* finestra) {
        finestra->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Ticks until the board rests; returns the ticks run.
    int Corri(FormQuadro* finestra) {
        int tick = 0;
        for (; finestra->Timer1.isActive() && tick < 200; ++tick) finestra->Timer1_Timer();
        return tick;
    }

    // Row `r` read left to right: the 20 letters ("_" blank, "?" no picture) | category |
    // hour : minute | delay | service note | platform; ".bmp" left out, "_" the blank tile.
    static std::string Riga(FormQuadro* finestra, int r) {
        auto file = [&](const QString& nome) -> std::string {
            Tessera* tessera = finestra->TesseraDi(nome, r);
            if (!tessera || tessera->immagine().isNull()) return "?";
            std::string letto = QFileInfo(tessera->percorso()).completeBaseName().toStdString();
            return letto == "letteravuota" ? "_" : letto;
        };
        const std::map<std::string, char> segni = {
            {"punto", '.'}, {"trattino", '-'}, {"apice", '\''}, {"asterisco", '*'}};
        std::string letto;
        for (int c = 0; c < kLettereQuadro; ++c) {
            const std::string lettera = file(QStringLiteral("dest%1").arg(c));
            letto += segni.contains(lettera) ? segni.at(lettera) : lettera[0];
        }
        letto += " | " + file("categoria") + " | " + file("partenzaorab") + " " +
                 file("partenzaoraa") + " : " + file("partenzaminb") + " " + file("partenzamina") +
                 " | " + file("ritardominc") + " " + file("ritardominb") + " " +
                 file("ritardomina") + " | " + file("indicazioni") + " | " + file("binariob") +
                 " " + file("binarioa");
        return letto;
    }
    // "r", "g", "s" for each enabled button of a row, "." where it is off; then the menus.
    static std::string Pulsanti(FormQuadro* finestra) {
        std::string letti;
        for (int r = 0; r < kRigheQuadro; ++r) {
            for (auto [nome, segno] : {std::pair{"reset", "r"}, {"giu", "g"}, {"su", "s"}})
                letti += finestra->Controllo<QPushButton>(QString::fromLatin1(nome), r)->isEnabled()
                             ? segno
                             : ".";
            letti += " ";
        }
        const bool menu = finestra->Controllo<QAction>("inserisci_dati")->isEnabled();
        EXPECT_EQ(finestra->Controllo<QAction>("aggiorna_tutto")->isEnabled(), menu);
        return letti + (menu ? "menu" : "-");
    }
};

TEST_F(QuadroFinestra, EachMenuItemOpensItsOwnBoardBlankAndTheFirstTickSetsTheButtons) {
    struct Atteso {
        QualeQuadro quale;
        const char* nome;
        const char* titolo;
        const char* intestazione;
        const char* inserisci;
        int larghezza;
    };
    const Atteso attesi[] = {
        {QualeQuadro::Partenze, "Form6", "Quadro centrale partenze",
         "Destinazione:", "Inserisci dati", 616},
        {QualeQuadro::Arrivi, "Form8", "Quadro centrale arrivi", "Provenienza:", "Inserisci Dati",
         617},
    };
    for (const Atteso& atteso : attesi) {
        FormQuadro* finestra = Apri(atteso.quale);
        ASSERT_NE(finestra, nullptr);
        EXPECT_EQ(finestra->objectName(), atteso.nome);
        EXPECT_EQ(finestra->windowTitle(), atteso.titolo);
        EXPECT_TRUE(finestra->isVisible());
        EXPECT_EQ(finestra->parent(), nullptr);
        EXPECT_EQ(finestra->centralWidget()->width(), atteso.larghezza);
        EXPECT_EQ(finestra->Controllo<QLabel>("Label1", 0)->text(), atteso.intestazione);
        EXPECT_EQ(finestra->Controllo<QAction>("inserisci_dati")->text(), atteso.inserisci);
        EXPECT_EQ(finestra->Controllo<QAction>("aggiorna_tutto")->text(), "Aggiorna Tutto");
        for (int r = 0; r < kRigheQuadro; ++r) EXPECT_EQ(Riga(finestra, r), kRigaVuota) << r;
        EXPECT_TRUE(finestra->Timer1.isActive());
        EXPECT_EQ(finestra->Timer1.interval(), 100);

        EXPECT_EQ(Corri(finestra), 1);
        EXPECT_EQ(Pulsanti(finestra), ".g. .gs .gs .gs .gs .gs .gs .gs .gs ..s menu");
    }
    EXPECT_NE(form->QuadroAperto(QualeQuadro::Partenze), form->QuadroAperto(QualeQuadro::Arrivi));
}

TEST_F(QuadroFinestra, AClosedBoardKeepsItsTrainsAndOpensWithThemAtOnce) {
    FormQuadro* finestra = Apri(QualeQuadro::Partenze);
    Corri(finestra);
    Scrivi(sim().QuadroPartenze, "A.B......C");
    Chiudi(finestra);
    EXPECT_EQ(form->QuadroAperto(QualeQuadro::Partenze), nullptr);
    EXPECT_FALSE(sim().QuadroArrivi.Righe[0].Libera) << "the arrivals board was never opened";

    finestra = Apri(QualeQuadro::Partenze);
    EXPECT_EQ(Leggi(sim().QuadroPartenze), "A.B......C");
    // Train A: letters 1 and 29, Interregio, 00:59, 15 minutes late, no note, platform 1.
    EXPECT_EQ(Riga(finestra, 0),
              "a____*______________ | interregio | 0 0 : 5 9 | _ 1 5 | indicazioni | _ 1");
    EXPECT_EQ(Riga(finestra, 1), kRigaVuota);
    EXPECT_EQ(Corri(finestra), 1);
    EXPECT_EQ(Pulsanti(finestra), "rg. .gs rgs .gs .gs .gs .gs .gs .gs r.s menu");

    // Asking again brings the same window forward.
    EXPECT_EQ(Apri(QualeQuadro::Partenze), finestra);
}

TEST_F(QuadroFinestra, TilesShowEachCodeOneTickAfterTheStepThatReachedIt) {
    FormQuadro* finestra = Apri(QualeQuadro::Arrivi);
    Corri(finestra);
    RigaQuadro& riga = sim().QuadroArrivi.Righe[4];
    riga.LettereMostrate[0] = 25;  // z to a
    riga.LettereFinali[0] = 1;
    riga.CategoriaMostrata = 11;  // bus to Interregio
    riga.CategoriaFinale = 1;
    riga.BinarioMostrato = 45;  // provisional 22 to platform 2
    riga.BinarioFinale = 2;
    riga.Libera = false;
    InserisciTreno(sim().QuadroArrivi, finestra, [](RigaQuadro&) {});
    ASSERT_EQ(sim().QuadroArrivi.Indice, 0) << "the first free row";
    sim().QuadroArrivi.Indice = 4;  // turn row 4 instead

    std::vector<std::string> lettere, categorie, binari;
    for (int tick = 0; tick < 8; ++tick) {
        finestra->Timer1_Timer();
        const std::string letta = Riga(finestra, 4);
        lettere.push_back(letta.substr(0, 1));
        categorie.push_back(letta.substr(23, letta.find(' ', 23) - 23));
        binari.push_back(letta.substr(letta.rfind('|') + 2));
    }
    EXPECT_EQ(lettere, (std::vector<std::string>{"z", ".", "-", "'", "*", "*", "_", "a"}));
    EXPECT_EQ(categorie,
              (std::vector<std::string>{"buscat", "catvuoto", "catvuoto", "interregio",
                                        "interregio", "interregio", "interregio", "interregio"}));
    EXPECT_EQ(binari, (std::vector<std::string>{"2p 2p", "2p 3p", "_ _", "_ 1", "_ 2", "_ 2", "_ 2",
                                                "_ 2"}));
    EXPECT_EQ(Riga(finestra, 3), kRigaVuota) << "no other row is drawn on";
}

TEST_F(QuadroFinestra, ANewWindowShowsBlankWhereACodeHasNoPicture) {
    FormQuadro* finestra = Apri(QualeQuadro::Partenze);
    Corri(finestra);
    Chiudi(finestra);
    RigaQuadro& riga = sim().QuadroPartenze.Righe[2];
    riga.LettereMostrate[3] = riga.LettereFinali[3] = 30;
    riga.CategoriaMostrata = riga.CategoriaFinale = 12;
    riga.OraMostrata = riga.OraFinale = 25;
    riga.RitardoMostrato = riga.RitardoFinale = 35;
    riga.BinarioMostrato = riga.BinarioFinale = 5;
    finestra = Apri(QualeQuadro::Partenze);
    EXPECT_EQ(Riga(finestra, 2),
              "____________________ | catvuoto | _ _ : _ _ | _ 3 5 | indicazioni | _ 5");
}

TEST_F(QuadroFinestra, ButtonsAndMenusRestWhileTheBoardTurns) {
    FormQuadro* finestra = Apri(QualeQuadro::Partenze);
    Corri(finestra);
    Scrivi(sim().QuadroPartenze, "AB.C......");
    const std::string fermi = "... ... ... ... ... ... ... ... ... ... -";
    struct Comando {
        const char* nome;
        std::function<void()> premi;
        int tick;
        std::string dopo;
    };
    const Comando comandi[] = {
        {"su(1)", [&] { finestra->Controllo<QPushButton>("su", 1)->click(); }, 65, "BA.C......"},
        {"giu(1)", [&] { finestra->Controllo<QPushButton>("giu", 1)->click(); }, 65, "B.AC......"},
        {"Aggiorna Tutto", [&] { finestra->Controllo<QAction>("aggiorna_tutto")->trigger(); }, 129,
         "BAC......."},
        {"reset(2)", [&] { finestra->Controllo<QPushButton>("reset", 2)->click(); }, 65,
         "BA........"},
    };
    for (const Comando& comando : comandi) {
        comando.premi();
        EXPECT_TRUE(finestra->Timer1.isActive()) << comando.nome;
        finestra->Timer1_Timer();
        EXPECT_EQ(Pulsanti(finestra), fermi) << comando.nome;
        EXPECT_EQ(Corri(finestra) + 1, comando.tick) << comando.nome;
        EXPECT_EQ(Leggi(sim().QuadroPartenze), comando.dopo) << comando.nome;
        Gestione_Reset(sim().QuadroPartenze, *finestra);
    }
    EXPECT_EQ(Pulsanti(finestra), "rg. rgs .gs .gs .gs .gs .gs .gs .gs ..s menu");
    EXPECT_EQ(Riga(finestra, 2), kRigaVuota);
}

TEST_F(QuadroFinestra, TheBoardOutlivesTheMainWindowAndItsMenuAsksForTheEntryDialog) {
    int chieste = 0;
    auto* finestra = new FormQuadro(sim(), QualeQuadro::Arrivi, [&] { ++chieste; });
    finestra->show();
    form->show();
    form->close();
    EXPECT_TRUE(finestra->isVisible());
    EXPECT_EQ(Corri(finestra), 1);
    finestra->Controllo<QAction>("inserisci_dati")->trigger();
    EXPECT_EQ(chieste, 1);
    Chiudi(finestra);
}

}  // namespace
}  // namespace ardenvo
