#pragma once
// The central departures and arrivals boards: ten rows each, whose flaps turn toward their
// final codes one step per 100 ms tick. Every rule of a board lives here, over the board's
// state in Simulazione; the window only draws, enables and runs its timer when told.

#include <cstdint>
#include <functional>
#include <optional>

#include "core/model.h"

namespace ardenvo {

enum class QualeQuadro { Partenze, Arrivi };

QuadroCentrale& Quadro(Simulazione& sim, QualeQuadro quale);
const QuadroCentrale& Quadro(const Simulazione& sim, QualeQuadro quale);

// What a board's rules need of its window while the window is open.
class VistaQuadro {
  public:
    virtual ~VistaQuadro() = default;
    // Draws every tile of row 0..9 from its shown codes.
    virtual void DisegnaRiga(int riga) = 0;
    // Draws the category tile of row 0..9 alone.
    virtual void DisegnaCategoria(int riga) = 0;
    // The menus "Inserisci dati" and "Aggiorna Tutto".
    virtual void AbilitaMenu(bool abilitati) = 0;
    virtual void AbilitaReset(int riga, bool abilitato) = 0;
    virtual void AbilitaSposta(int riga, bool giu, bool su) = 0;
    // The window's 100 ms Timer1.
    virtual void AvviaTimer() = 0;
    virtual void FermaTimer() = 0;
};

// ---- Rows ----
// Blank final codes: what a cleared row turns to.
void SvuotaFinali(RigaQuadro& riga);
// The shown codes of `riga` become the final codes of `da` (the same row brings it to rest).
void MostraFinaliDi(RigaQuadro& riga, const RigaQuadro& da);
// Every row free and showing the blank codes; the board's first opening in a run.
void Inizializzazione(QuadroCentrale& quadro);
// First free row from the top, or nothing when all ten hold trains.
std::optional<int> PrimaRigaLibera(const QuadroCentrale& quadro);
// One flap step of every field of the row that is not at its final code. Returns whether the
// category wrapped to 0, which is drawn in the same tick.
bool PassoRigaQuadro(RigaQuadro& riga);

// ---- Buttons ----
void Gestione_Reset(const QuadroCentrale& quadro, VistaQuadro& vista);
void Disattiva_Pulsanti(VistaQuadro& vista);
void Attiva_Pulsanti(const QuadroCentrale& quadro, VistaQuadro& vista);

// ---- The window's life ----
// The window's opening: first initialisation, every row drawn, then one closing tick, or a
// full animation of every row when trains were stored while it was closed.
void ApriQuadro(QuadroCentrale& quadro, VistaQuadro& vista);
// The window's closing: the running animation finishes at once and the timer stops.
void ChiudiQuadro(QuadroCentrale& quadro);

// ---- The animation ----
// One step of row 0..9: draw it, step it, redraw a wrapped category.
void Funzione_Timer(QuadroCentrale& quadro, int riga, VistaQuadro& vista);
void Timer1_Timer(QuadroCentrale& quadro, VistaQuadro& vista);
// Brings every row to its final codes (both phases of "Aggiorna Tutto" complete), stops the
// timer and gives the buttons back. Does nothing when no animation runs. `vista` is the open
// window, if any.
void ConcludiAnimazione(QuadroCentrale& quadro, VistaQuadro* vista);

// ---- Starters: each finishes a running animation at once before it changes the board ----
// Clears row 0..9 ("Reset").
void Cancella_Binarioq(QuadroCentrale& quadro, int riga, VistaQuadro& vista);
// Exchanges row 1..9 with the row above / row 0..8 with the row below.
void Sposta_Su(QuadroCentrale& quadro, int riga, VistaQuadro& vista);
void Sposta_Giu(QuadroCentrale& quadro, int riga, VistaQuadro& vista);
// "Aggiorna Tutto": the blanking phase; the last tick starts the compaction phase. Nothing
// happens on a board whose ten rows all hold trains, not even the end of a running turn.
void cancella_tutto(QuadroCentrale& quadro, VistaQuadro& vista);
void riattiva_tutto(QuadroCentrale& quadro, VistaQuadro* vista);

// The entry dialog's "Ok": finishes the running animation at once, makes the first free row
// the current row, lets `scrivi` fill it (texts, final codes, shown codes), marks it occupied
// and starts its animation. With the window closed (`vista` nullptr) the row turns when the
// window next opens. Returns the row, or nothing when all ten hold trains: then nothing is
// written and a running turn goes on.
std::optional<int> InserisciTreno(QuadroCentrale& quadro, VistaQuadro* vista,
                                  const std::function<void(RigaQuadro&)>& scrivi);

}  // namespace ardenvo
