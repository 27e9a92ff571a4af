// The central boards' entry dialogs, one at a time per board.

#include "central/entry_dialog.h"
#include "central/quadro_window.h"
#include "mainwindow/main_window.h"

namespace ardenvo {

void Form1::ApriInserimentoQuadro(QualeQuadro quale) {
    // An open dialog keeps its entries and lists; it only comes forward.
    QPointer<FormImmissione>& dialogo = immissioni_[static_cast<std::size_t>(quale)];
    if (!dialogo)
        dialogo =
            new FormImmissione(sim_, quale, *servizi_.messaggi,
                               [this, quale]() -> VistaQuadro* { return QuadroAperto(quale); });
    PortaDavanti(dialogo);
}

FormImmissione* Form1::InserimentoQuadro(QualeQuadro quale) const {
    return immissioni_[static_cast<std::size_t>(quale)];
}

}  // namespace ardenvo
