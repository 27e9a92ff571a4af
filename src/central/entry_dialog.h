#pragma once
// A central board's entry dialog: puts one train or replacement bus in the first free row of
// its board. One class serves both boards: "Form7" (departures) and "Form9" (arrivals) are its
// two configurations. Modeless and without an owner window; it deletes itself when it closes.
//
// Controls carry the dialog's names as objectNames: "Text1", "Combo1".."Combo3", "Combo4(1)"
// (hour), "Combo4(0)" (minute), "Combo6" (platform), the option buttons "bindef(0)"
// (definitive) and "bindef(1)" (provisional), "Command1" ("Ok") and "Command2" ("Cancella").

#include <QDialog>
#include <array>
#include <functional>

#include "central/quadro.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ardenvo {

class Messaggi;

class FormImmissione : public QDialog {
    Q_OBJECT

  public:
    // `finestraQuadro` gives the board's window while it is open, nullptr while it is closed;
    // asked at "Ok", since the board may open or close while the dialog is open.
    FormImmissione(Simulazione& sim, QualeQuadro quale, Messaggi& messaggi,
                   std::function<VistaQuadro*()> finestraQuadro);

    // Fills the hour, minute and platform lists and chooses their first items.
    void Form_Load();
    void Command1_Click();  // "Ok"
    void Command2_Click();  // "Cancella"

    QLabel* Picture1;
    QLineEdit* Text1;   // destination or origin, at most 20 characters
    QComboBox* Combo1;  // category
    QComboBox* Combo2;  // service note
    QComboBox* Combo3;  // delay
    // Index 1 the hour, index 0 the minute.
    std::array<QComboBox*, 2> Combo4;
    QComboBox* Combo6;  // platform
    // Index 0 definitive, index 1 provisional platform.
    std::array<QRadioButton*, 2> bindef;
    QPushButton* Command1;
    QPushButton* Command2;

  private:
    void Disponi(int spostamento, int larghezza);

    Simulazione& sim_;
    QualeQuadro quale_;
    Messaggi& messaggi_;
    std::function<VistaQuadro*()> finestraQuadro_;
};

}  // namespace ardenvo
