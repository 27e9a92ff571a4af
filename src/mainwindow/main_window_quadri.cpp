// "Quadro generale": the central departures and arrivals boards, each a window of its own.

#include "central/quadro_window.h"
#include "mainwindow/main_window.h"

namespace ardenvo {

namespace {
std::size_t Posto(QualeQuadro quale) {
    return quale == QualeQuadro::Partenze ? 0 : 1;
}
}  // namespace

void Form1::quadro_Click(int Index) {
    const QualeQuadro quale = Index == 0 ? QualeQuadro::Partenze : QualeQuadro::Arrivi;
    QPointer<FormQuadro>& finestra = quadri_[Posto(quale)];
    if (!finestra)
        finestra = new FormQuadro(sim_, quale, [this, quale] { ApriInserimentoQuadro(quale); });
    finestra->setWindowState(finestra->windowState() & ~Qt::WindowMinimized);
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

FormQuadro* Form1::QuadroAperto(QualeQuadro quale) const {
    return quadri_[Posto(quale)];
}

}  // namespace ardenvo
