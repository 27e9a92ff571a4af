// The flap animation on the main window: its timer, the boards' "Reset" and "Agg. Rit."
// buttons, the insert command, and the two dialogs that start an animation.

#include <QAction>
#include <QPushButton>

#include "boards/delay_dialog.h"
#include "boards/insert_dialog.h"
#include "mainwindow/main_window.h"

namespace ardenvo {

void Form1::Timer2_Timer() {
    animazione_.Timer2_Timer();
}

void Form1::resetta_Click(int Index) {
    animazione_.resetta_Click(Index);
}

void Form1::aggiorna_Click(int Index) {
    if (Index < 0 || Index >= kBinari) return;
    Form3 dialogo(animazione_, Index, this);
    dialogo.exec();
}

void Form1::informazioni_Click() {
    // An open dialog keeps the board list it was opened with; it only comes forward.
    if (!form2_) form2_ = new Form2(animazione_, this);
    PortaDavanti(form2_);
}

Form2* Form1::DialogoInserimento() const {
    return form2_;
}

bool Form1::ResetAbilitato(int riga) const {
    const QPushButton* reset = Pulsante("resetta", riga);
    return reset && reset->isEnabled();
}

void Form1::AbilitaPulsanti(int riga, bool abilitati) {
    for (const char* nome : {"resetta", "aggiorna"})
        if (QPushButton* pulsante = Pulsante(nome, riga)) pulsante->setEnabled(abilitati);
}

void Form1::AbilitaInserimento(bool abilitato) {
    Controllo<QAction>(QStringLiteral("informazioni"))->setEnabled(abilitato);
}

void Form1::DisegnaBinario(int numero) {
    binario = static_cast<std::int16_t>(numero);
    contbinario = numero - 1;
    DisegnaBinario();
}

void Form1::AvviaTimer() {
    Timer2.start();
}

void Form1::FermaTimer() {
    Timer2.stop();
}

}  // namespace ardenvo
