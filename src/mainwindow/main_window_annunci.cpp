// The announcement buttons beside the panel rows: each names its record, then speaks it.

#include "announce/annunci.h"
#include "mainwindow/main_window.h"

namespace ardenvo {

void Form1::annuncioprova_Click(int Index) {
    sim_.IndicePartenze = Index;
    Annuncio_Partenza(sim_.orario.Partenze[static_cast<std::size_t>(Index)], *servizi_.voce);
}

void Form1::annuncioritardop_Click(int Index) {
    sim_.IndicePartenze = Index;
    Annuncio_Ritardo_Partenza(sim_.orario.Partenze[static_cast<std::size_t>(Index)],
                              *servizi_.voce);
}

void Form1::annuncioarrivo_Click(int Index) {
    sim_.IndiceArrivi = Index;
    Annuncio_Arrivo(sim_.orario.Arrivi[static_cast<std::size_t>(Index)], *servizi_.voce);
}

void Form1::annuncioritardoa_Click(int Index) {
    sim_.IndiceArrivi = Index;
    Annuncio_Ritardo_Arrivo(sim_.orario.Arrivi[static_cast<std::size_t>(Index)], *servizi_.voce);
}

}  // namespace ardenvo
