#pragma once
// A main window stand-in for the board animation, and a station to animate.

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "boards/animazione.h"

namespace ardenvo {

class PannelloFinto final : public PannelloBinari {
  public:
    explicit PannelloFinto(const Simulazione& sim) : sim_(sim) {}
    bool ResetAbilitato(int riga) const override { return pulsanti[riga]; }
    void AbilitaPulsanti(int riga, bool si) override { pulsanti[riga] = si, ++chiamate; }
    void AbilitaInserimento(bool si) override { inserimento = si, ++chiamate; }
    void DisegnaBinario(int b) override { disegni.emplace_back(b, sim_.binari[b - 1]), ++chiamate; }
    void AvviaTimer() override { timer = true, ++chiamate; }
    void FermaTimer() override { timer = false, ++chiamate; }

    std::array<bool, kBinari> pulsanti{};  // "Reset" and "Agg. Rit." of a row together
    bool inserimento = true, timer = false;
    int chiamate = 0;
    std::vector<std::pair<int, RigaBinario>> disegni;  // each board drawn, as it was drawn

  private:
    const Simulazione& sim_;
};

// All rows free and blank, as the main window leaves them at start.
struct Banco {
    explicit Banco(int NumeroBinari = kBinari) {
        sim->orario.NumeroBinari = static_cast<std::int16_t>(NumeroBinari);
        for (RigaBinario& r : sim->binari) {
            r.OraPartenza = r.OraPartenzaFinale = OraVuota;
            r.MinutoPartenza = r.MinutoPartenzaFinale = MinutoVuoto;
            r.RigaLibera = true;
        }
    }
    RigaBinario& Riga(int binario) { return sim->binari[binario - 1]; }
    // Board 1..23 holds a train at rest, its buttons on.
    void Occupa(int binario) {
        Riga(binario).RigaLibera = false;
        Riga(binario).RigaAttiva = pannello.pulsanti[binario - 1] = true;
    }
    void Ticks(int quanti) {
        while (quanti-- > 0) animazione.Timer2_Timer();
    }

    std::unique_ptr<Simulazione> sim = std::make_unique<Simulazione>();
    PannelloFinto pannello{*sim};
    AnimazioneBinari animazione{*sim, pannello};
};

}  // namespace ardenvo
