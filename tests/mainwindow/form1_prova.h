#pragma once
// A main window on test doubles, and ways to read what its controls show.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "boards/tessera_widget.h"
#include "mainwindow/main_window.h"
#include "mainwindow/servizi_finti.h"

namespace ardenvo {

// Runs `azione`, which opens the modal dialog named `dialogo`, and hands the dialog to
// `risposta` once it is up; `risposta` must close it.
inline void RispondiAlDialogo(const char* dialogo, const std::function<void(QWidget*)>& risposta,
                              const std::function<void()>& azione) {
    QTimer::singleShot(0, [dialogo, risposta] {
        QWidget* aperto = QApplication::activeModalWidget();
        ASSERT_NE(aperto, nullptr);
        EXPECT_EQ(aperto->objectName(), dialogo);
        risposta(aperto);
    });
    azione();
}

class Form1Test : public ::testing::Test {
  protected:
    void SetUp() override { form = banco.NuovoForm1(); }

    Simulazione& sim() { return *banco.sim; }
    QPushButton* Pulsante(const QString& nome, int indice = -1) {
        auto* pulsante = form->Controllo<QPushButton>(nome, indice);
        EXPECT_NE(pulsante, nullptr) << nome.toStdString() << "(" << indice << ")";
        return pulsante;
    }
    QAction* Voce(const QString& nome, int indice = -1) {
        auto* voce = form->Controllo<QAction>(nome, indice);
        EXPECT_NE(voce, nullptr) << nome.toStdString();
        return voce;
    }
    // The file name a tile shows, or "" for a picture of the program's own.
    std::string File(const QString& nome, int indice = -1) {
        auto* tessera = form->Controllo<Tessera>(nome, indice);
        if (!tessera) return "<no tile " + nome.toStdString() + ">";
        return QFileInfo(tessera->percorso()).fileName().toStdString();
    }
    // Board `numero` read left to right: 14 letters | category | delay (hours word, tens,
    // units) | hour | minute | service note; "_" is the blank tile, ".bmp" is left out.
    std::string Tabellone(int numero) {
        const QString n = QString::number(numero);
        std::string letto;
        auto leggi = [&](const char* nome, const std::vector<int>& indici) {
            for (int indice : indici) {
                std::string file = File(QString::fromLatin1(nome) + n, indice);
                if (file == "letteravuota.bmp") file = "_";
                if (file.ends_with(".bmp")) file.resize(file.size() - 4);
                letto += file + " ";
            }
        };
        const std::pair<const char*, std::vector<int>> campi[] = {
            {"binario", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
            {"categoria", {-1}},
            {"ritardomin", {2, 0, 1}},
            {"partenzaora", {1, 0}},
            {"partenzamin", {1, 0}},
            {"indicazioni", {-1}}};
        for (const auto& [nome, indici] : campi) {
            if (!letto.empty()) letto += "| ";
            leggi(nome, indici);
        }
        letto.pop_back();
        return letto;
    }
    std::string Cifre() {  // the six digit files, left to right
        std::string letto;
        for (const char* coppia : {"ora", "minuto", "secondo"})
            for (int indice : {1, 0}) letto += File(QString::fromLatin1(coppia), indice) + " ";
        return letto;
    }

    BancoProva banco;
    std::unique_ptr<Form1> form;
};

}  // namespace ardenvo
