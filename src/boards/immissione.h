#pragma once
// What the insert and delay dialogs do to a board row on "Ok".

#include <string_view>

#include "boards/animazione.h"
#include "core/convertitori.h"
#include "core/model.h"

namespace ardenvo {

// Puts a train on a free board: the entries become the row's final codes, the row turns to
// them from blank letters, hour 0 and minute 0, and becomes occupied. An entry without a
// code keeps what the row was showing, which on a board at rest is blank.
void Inserisci(AnimazioneBinari& animazione, const DatiInserimento& dati);

// Turns row 0..22 to a new delay, given as the panels write it. A text without a code (no
// choice) keeps the row's delay; the animation runs all the same.
void AggiornaRitardo(AnimazioneBinari& animazione, int riga, std::string_view testo);

}  // namespace ardenvo
