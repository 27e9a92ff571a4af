#pragma once
// A station to animate, and a stand-in for the main window's side of the animation.

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "boards/animazione.h"
#include "boards/board_setup.h"

namespace ardenvo {

struct Banco : PannelloBinari {
    // All rows free and blank, as the main window leaves them at start.
    explicit Banco(int NumeroBinari = kBinari) {
        sim->orario.NumeroBinari = static_cast<std::int16_t>(NumeroBinari);
        for (RigaBinario& r : sim->binari) SvuotaRigaAllAvvio(r);
    }
    RigaBinario& Riga(int binario) { return sim->binari[binario - 1]; }
    // Board 1..23 holds a train at rest, its buttons on.
    void Occupa(int binario) {
        Riga(binario).RigaLibera = false;
        Riga(binario).RigaAttiva = pulsanti[binario - 1] = true;
    }
    void Ticks(int n) {
        while (n-- > 0) animazione.Timer2_Timer();
    }

    bool ResetAbilitato(int riga) const override { return pulsanti[riga]; }
    void AbilitaPulsanti(int riga, bool si) override { pulsanti[riga] = si; }
    void AbilitaInserimento(bool si) override { inserimento = si; }
    void DisegnaBinario(int b) override { disegni.emplace_back(b, Riga(b)); }
    void AvviaTimer() override { timer = true; }
    void FermaTimer() override { timer = false; }

    std::unique_ptr<Simulazione> sim = std::make_unique<Simulazione>();
    std::array<bool, kBinari> pulsanti{};  // "Reset" and "Agg. Rit." of a row together
    bool inserimento = true, timer = false;
    std::vector<std::pair<int, RigaBinario>> disegni;  // each board drawn, as it was drawn
    AnimazioneBinari animazione{*sim, *this};
};

}  // namespace ardenvo
