#pragma once
// A main window on test doubles, and ways to drive it and read what its controls show.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "boards/insert_dialog.h"
#include "boards/tessera_widget.h"
#include "core/convertitori.h"
#include "mainwindow/main_window.h"
#include "mainwindow/servizi_finti.h"

namespace ardenvo {

// A board with every tile blank, as Form1Test::Tabellone reads it.
inline const std::string kVuoto =
    "_ _ _ _ _ _ _ _ _ _ _ _ _ _ | catvuoto | _ _ _ | _ _ | _ _ | indicazioni";

// A main window on the doubles and the ways to drive it, for a test that builds more than one.
struct Form1Prova {
    Simulazione& sim() { return *banco.sim; }
    QPushButton* Pulsante(const QString& nome, int indice = -1) {
        return form->Controllo<QPushButton>(nome, indice);
    }
    QAction* Voce(const QString& nome) { return form->Controllo<QAction>(nome); }
    static QString Scenario(const char* nome) {
        return QCoreApplication::applicationDirPath() + "/scenari/" + nome;
    }
    static void Elimina() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void Ticks(int quanti) {
        while (quanti-- > 0) form->Timer2_Timer();
    }

    // Opens the insert dialog through its menu item and fills it in.
    Form2* Compila(const DatiInserimento& dati) {
        Voce("informazioni")->trigger();
        Form2* d = form->DialogoInserimento();
        EXPECT_NE(d, nullptr) << "no insert dialog";
        if (!d) return nullptr;
        d->Text1->setText(QString::fromStdString(dati.Destinazione));
        d->Combo1->setCurrentText(QString::fromStdString(dati.Categoria));
        d->Combo2->setCurrentText(QString::fromStdString(dati.Indicazioni));
        d->Combo3->setCurrentText(QString::fromStdString(dati.Ritardo));
        d->Combo4[1]->setCurrentText(QString::number(dati.Ora));
        d->Combo4[0]->setCurrentText(QString::number(dati.Minuto));
        d->Combo6->setCurrentText(QString::number(dati.Binario));
        EXPECT_EQ(d->Combo6->currentText().toInt(), dati.Binario) << "not a free board";
        return d;
    }
    // ... and presses "Ok".
    void Inserisci(const DatiInserimento& dati) {
        if (Form2* d = Compila(dati)) d->Command1->click();
        Elimina();
    }

    // The picture a tile shows: its file's name, ".bmp" left out, "_" the blank letter, "#" a
    // picture of the program's own, "?" none.
    std::string File(const QString& nome, int indice = -1) {
        auto* tessera = form->Controllo<Tessera>(nome, indice);
        if (!tessera || tessera->immagine().isNull()) return "?";
        QString file = QFileInfo(tessera->percorso()).fileName();
        if (file.endsWith(".bmp")) file.chop(4);
        return file.isEmpty() ? "#" : file == "letteravuota" ? "_" : file.toStdString();
    }
    // Tiles left to right, fields (array name, indices) apart by "|".
    std::string Tessere(std::initializer_list<std::pair<QString, std::vector<int>>> campi) {
        std::string letto;
        for (const auto& [nome, indici] : campi) {
            if (!letto.empty()) letto += "| ";
            for (int indice : indici) letto += File(nome, indice) + " ";
        }
        letto.pop_back();
        return letto;
    }
    // Board `numero`: 14 letters | category | delay (hours word, tens, units) | hour | minute |
    // service note.
    std::string Tabellone(int numero) {
        const QString n = QString::number(numero);
        return Tessere({{"binario" + n, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
                        {"categoria" + n, {-1}},
                        {"ritardomin" + n, {2, 0, 1}},
                        {"partenzaora" + n, {1, 0}},
                        {"partenzamin" + n, {1, 0}},
                        {"indicazioni" + n, {-1}}});
    }
    std::string Cifre() {
        return Tessere({{"ora", {1, 0}}, {"minuto", {1, 0}}, {"secondo", {1, 0}}});
    }

    BancoProva banco;
    std::unique_ptr<Form1> form = banco.NuovoForm1();
};

class Form1Test : public ::testing::Test, public Form1Prova {};

}  // namespace ardenvo
