#pragma once
// The central boards' windows and entry dialogs opened through the main window, and their
// tiles and buttons read as lines of text.

#include <QFileInfo>
#include <map>

#include "boards/array_controlli_qt.h"
#include "central/entry_dialog.h"
#include "central/quadro_prova.h"
#include "central/quadro_window.h"
#include "mainwindow/form1_prova.h"

namespace ardenvo {

// A blank row as QuadroFinestraTest::Riga reads it.
inline const std::string kRigaVuota =
    "____________________ | catvuoto | _ _ : _ _ | _ _ _ | indicazioni | _ _";

class QuadroFinestraTest : public Form1Test {
  protected:
    void TearDown() override {
        for (QualeQuadro quale : {QualeQuadro::Partenze, QualeQuadro::Arrivi}) {
            if (FormImmissione* d = form->InserimentoQuadro(quale)) d->close();
            if (FormQuadro* f = form->QuadroAperto(quale)) f->close();
        }
        Elimina();
    }

    // Opens the board through the main window's menu item, or brings it forward.
    FormQuadro* Apri(QualeQuadro quale) {
        const int indice = quale == QualeQuadro::Partenze ? 0 : 1;
        Voce(ArrayControlli::NomeElemento(QStringLiteral("quadro"), indice))->trigger();
        return finestra = form->QuadroAperto(quale);
    }
    void Chiudi() {
        finestra->close();
        Elimina();
    }
    // Ticks the open board until it rests; returns the ticks run.
    int Corri() {
        int tick = 0;
        for (; finestra->Timer1.isActive() && tick < 200; ++tick) finestra->Timer1_Timer();
        return tick;
    }

    // Row `r` read left to right: the 20 letters ("_" blank, "?" no picture) | category |
    // hour : minute | delay | service note | platform; ".bmp" left out, "_" the blank tile.
    std::string Riga(int r) const {
        auto file = [&](const std::string& nome) -> std::string {
            Tessera* tessera = finestra->TesseraDi(QString::fromStdString(nome), r);
            if (!tessera || tessera->immagine().isNull()) return "?";
            std::string letto = QFileInfo(tessera->percorso()).completeBaseName().toStdString();
            return letto == "letteravuota" ? "_" : letto;
        };
        const std::map<std::string, char> segni = {
            {"punto", '.'}, {"trattino", '-'}, {"apice", '\''}, {"asterisco", '*'}};
        std::string letto;
        for (int c = 0; c < kLettereQuadro; ++c) {
            const std::string lettera = file("dest" + std::to_string(c));
            letto += segni.contains(lettera) ? segni.at(lettera) : lettera[0];
        }
        return letto + " | " + file("categoria") + " | " + file("partenzaorab") + " " +
               file("partenzaoraa") + " : " + file("partenzaminb") + " " + file("partenzamina") +
               " | " + file("ritardominc") + " " + file("ritardominb") + " " + file("ritardomina") +
               " | " + file("indicazioni") + " | " + file("binariob") + " " + file("binarioa");
    }
    // The buttons and menus as LeggiPulsanti writes them.
    std::string Pulsanti() const {
        const bool menu = finestra->Controllo<QAction>("inserisci_dati")->isEnabled();
        EXPECT_EQ(finestra->Controllo<QAction>("aggiorna_tutto")->isEnabled(), menu);
        return LeggiPulsanti(
            [this](int r, int k) {
                const char* nomi[] = {"reset", "giu", "su"};
                return finestra->Controllo<QWidget>(QString::fromLatin1(nomi[k]), r)->isEnabled();
            },
            menu);
    }

    FormQuadro* finestra = nullptr;
};

}  // namespace ardenvo
