#pragma once
// "Inserimento Dati": puts a train on one of the free platform boards. Modeless and without
// an owner window; it deletes itself when it closes.

#include <QDialog>
#include <QPointer>
#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ardenvo {

class AnimazioneBinari;
struct DatiInserimento;

// The entries that the platform boards' and the central boards' insert dialogs share, read
// from their controls: Combo4(1) the hour, Combo4(0) the minute, Combo6 the platform.
DatiInserimento LeggiInserimento(const QLineEdit& Text1, const QComboBox& Combo1,
                                 const QComboBox& Combo2, const QComboBox& Combo3,
                                 const std::array<QComboBox*, 2>& Combo4, const QComboBox& Combo6);

class Form2 : public QDialog {
    Q_OBJECT

  public:
    // `principale` is the main window, watched only: once it has been closed "Ok" changes
    // nothing. `animazione` belongs to it and is used only while it is open.
    Form2(AnimazioneBinari& animazione, QWidget* principale);

    // Fills the hour, minute and board lists from the rows free now.
    void Form_Load();
    void Command1_Click();  // "Ok"
    void Command2_Click();  // "Cancella"

    QLabel* Picture1;
    QLineEdit* Text1;   // destination, at most 14 characters
    QComboBox* Combo1;  // category
    QComboBox* Combo2;  // service note
    QComboBox* Combo3;  // delay
    // Index 1 the hour, index 0 the minute; objectNames "Combo4(1)" and "Combo4(0)".
    std::array<QComboBox*, 2> Combo4;
    QComboBox* Combo6;  // free boards
    QPushButton* Command1;
    QPushButton* Command2;

    std::int16_t contbinario = 0;  // row of the board chosen at "Ok"

  private:
    bool PrincipaleAperta() const;

    AnimazioneBinari& animazione_;
    QPointer<QWidget> principale_;
};

}  // namespace ardenvo
