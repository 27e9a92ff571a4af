// "Quadro generale": the central departures and arrivals boards, each a window of its own.

#include "central/quadro_window.h"
#include "mainwindow/main_window.h"

namespace ardenvo {

void Form1::quadro_Click(int Index) {
    const QualeQuadro quale = Index == 0 ? QualeQuadro::Partenze : QualeQuadro::Arrivi;
    QPointer<FormQuadro>& finestra = quadri_[static_cast<std::size_t>(quale)];
    if (!finestra)
        finestra = new FormQuadro(sim_, quale, [this, quale] { ApriInserimentoQuadro(quale); });
    PortaDavanti(finestra);
}

FormQuadro* Form1::QuadroAperto(QualeQuadro quale) const {
    return quadri_[static_cast<std::size_t>(quale)];
}

}  // namespace ardenvo
