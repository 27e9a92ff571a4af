// The announcement buttons beside the panel rows: each names its record, then speaks it.

#include "announce/annunci.h"
#include "mainwindow/main_window.h"

namespace ardenvo {
namespace {

using Annuncio = void (*)(const Treno&, MotoreVoce&);

// The buttons name rows 0..6; an index outside the table names no record and says nothing.
void Annuncia(int& IndiceCorrente, const TabellaTreni& tabella, int Index, Annuncio annuncio,
              MotoreVoce& voce) {
    IndiceCorrente = Index;
    if (Index < 0 || Index >= kPostiTabella) return;
    annuncio(tabella[static_cast<std::size_t>(Index)], voce);
}

}  // namespace

void Form1::annuncioprova_Click(int Index) {
    Annuncia(sim_.IndicePartenze, sim_.orario.Partenze, Index, Annuncio_Partenza, *servizi_.voce);
}

void Form1::annuncioritardop_Click(int Index) {
    Annuncia(sim_.IndicePartenze, sim_.orario.Partenze, Index, Annuncio_Ritardo_Partenza,
             *servizi_.voce);
}

void Form1::annuncioarrivo_Click(int Index) {
    Annuncia(sim_.IndiceArrivi, sim_.orario.Arrivi, Index, Annuncio_Arrivo, *servizi_.voce);
}

void Form1::annuncioritardoa_Click(int Index) {
    Annuncia(sim_.IndiceArrivi, sim_.orario.Arrivi, Index, Annuncio_Ritardo_Arrivo, *servizi_.voce);
}

}  // namespace ardenvo
