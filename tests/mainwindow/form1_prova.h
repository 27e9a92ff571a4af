#pragma once
// A main window on test doubles, and ways to read what its controls show.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <string>
#include <vector>

#include "boards/tessera_widget.h"
#include "mainwindow/main_window.h"
#include "mainwindow/servizi_finti.h"

namespace ardenvo {

// A board with every tile blank, as Form1Test::Tabellone reads it.
inline const std::string kVuoto =
    "_ _ _ _ _ _ _ _ _ _ _ _ _ _ | catvuoto | _ _ _ | _ _ | _ _ | indicazioni";

class Form1Test : public ::testing::Test {
  protected:
    Simulazione& sim() { return *banco.sim; }
    QPushButton* Pulsante(const QString& nome, int indice = -1) {
        return form->Controllo<QPushButton>(nome, indice);
    }
    QAction* Voce(const QString& nome) { return form->Controllo<QAction>(nome); }
    // The file name a tile shows, "" for a picture of the program's own.
    std::string File(const QString& nome, int indice = -1) {
        auto* tessera = form->Controllo<Tessera>(nome, indice);
        if (!tessera || tessera->immagine().isNull()) return "<no picture>";
        return QFileInfo(tessera->percorso()).fileName().toStdString();
    }
    // Board `numero` read left to right: 14 letters | category | delay (hours word, tens,
    // units) | hour | minute | service note; "_" is the blank tile, ".bmp" is left out.
    std::string Tabellone(int numero) {
        const std::pair<const char*, std::vector<int>> campi[] = {
            {"binario", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
            {"categoria", {-1}},
            {"ritardomin", {2, 0, 1}},
            {"partenzaora", {1, 0}},
            {"partenzamin", {1, 0}},
            {"indicazioni", {-1}}};
        std::string letto;
        for (const auto& [nome, indici] : campi) {
            if (!letto.empty()) letto += "| ";
            for (int indice : indici) {
                std::string file = File(nome + QString::number(numero), indice);
                if (file == "letteravuota.bmp") file = "_";
                if (file.ends_with(".bmp")) file.resize(file.size() - 4);
                letto += file + " ";
            }
        }
        letto.pop_back();
        return letto;
    }
    std::string Cifre() {  // the six digit files, left to right
        std::string letto;
        for (const char* coppia : {"ora", "minuto", "secondo"})
            for (int indice : {1, 0}) letto += File(coppia, indice) + " ";
        return letto;
    }

    BancoProva banco;
    std::unique_ptr<Form1> form = banco.NuovoForm1();
};

}  // namespace ardenvo
