#pragma once
// The flap animation of the platform boards: one board turns at a time, one step per tick of
// the main window's 100 ms timer, for 65 ticks. While it turns, every row's buttons and the
// insert command rest.

#include <cstdint>
#include <vector>

#include "core/model.h"

namespace ardenvo {

// What the animation needs of the main window: its row buttons, its insert command, the
// drawing of one board and its animation timer.
class PannelloBinari {
  public:
    virtual ~PannelloBinari() = default;
    // Whether the "Reset" button of row 0..22 is enabled now.
    virtual bool ResetAbilitato(int riga) const = 0;
    // Enables or disables both buttons of row 0..22, "Reset" and "Agg. Rit.".
    virtual void AbilitaPulsanti(int riga, bool abilitati) = 0;
    // The insert command "Inserisci" > "Informazioni".
    virtual void AbilitaInserimento(bool abilitato) = 0;
    // Draws every tile of board 1..23 from the shown codes of its row.
    virtual void DisegnaBinario(int binario) = 0;
    // The 100 ms animation timer.
    virtual void AvviaTimer() = 0;
    virtual void FermaTimer() = 0;
};

// Board numbers (1..) of the free rows within the station's platform count, in order.
std::vector<int> BinariLiberi(const Simulazione& sim);

class AnimazioneBinari {
  public:
    AnimazioneBinari(Simulazione& sim, PannelloBinari& pannello) : sim_(sim), pannello_(pannello) {}

    Simulazione& sim() { return sim_; }
    PannelloBinari& pannello() { return pannello_; }
    bool InCorso() const { return inCorso_; }

    // Starts turning board 1..23 toward the final codes its starter has set. A board that
    // was still turning is first brought to its final codes and drawn, so none is left
    // half-turned; restarting the same board just counts its 65 ticks again.
    void Avvia(int binario);
    // Brings the board that is turning to its final codes and draws it; the animation itself
    // goes on. A starter calls it before using the row's shown codes as scratch.
    void ConcludiInCorso();

    void Timer2_Timer();
    // Switches off the buttons of every row that has them on and marks the row.
    void Disattiva_Reset();
    // Gives their buttons back to the marked rows.
    void Attiva_Reset();
    // Blanks the row's final codes, frees it and starts turning it to blank from what it shows.
    void Resetta_Zandrelle(int riga);
    void resetta_Click(int Index);
    // Row buttons on exactly while the row holds a train; rows beyond the 23 have none.
    void Gestione_Pulsanti_Riga(int Riga);

    // Board 1..23 and row 0..22 that turn, ticks counted so far, delay step of the last tick.
    std::int16_t binario = 1;
    std::int16_t contbinario = 0;
    int conttimer = 0;
    std::int16_t incritardo = 5;

  private:
    Simulazione& sim_;
    PannelloBinari& pannello_;
    bool inCorso_ = false;
};

}  // namespace ardenvo
