#pragma once
// "Aggiorna Ritardo": a new delay for the train on one platform board. Modal; the main
// window runs it with exec().

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;

namespace ardenvo {

class AnimazioneBinari;

class Form3 : public QDialog {
    Q_OBJECT

  public:
    // `Index` is the row 0..22 of the "Agg. Rit." button that opens the dialog.
    Form3(AnimazioneBinari& animazione, int Index, QWidget* parent = nullptr);

    void Command1_Click();  // "Ok"
    void Command2_Click();  // "Cancella"

    QLabel* Picture1;
    QLabel* Label3;
    QComboBox* Combo2;  // the 30 delays, none chosen at opening
    QPushButton* Command1;
    QPushButton* Command2;

    std::int16_t contbinario = 0;  // the row the dialog works on

  private:
    AnimazioneBinari& animazione_;
};

}  // namespace ardenvo
