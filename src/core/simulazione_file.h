#pragma once
// The saved-simulation file (.vkz): station, clock to the second, platform count and every
// train with its drawn delay, effective time and due-soon flag, as key " = " value lines.

#include <string>
#include <string_view>

#include "core/errori_file.h"
#include "core/lettore_righe.h"
#include "core/model.h"

namespace ardenvo {

// The file's text, lines ending in CR LF; each table is written from its last train down.
std::string ScriviSimulazione(const Orario& orario, const Orologio& orologio);

// Reads a saved simulation from the bytes of the file named `nome`. Trains come back in file
// order (so each table reversed), effective times as saved; no delay is drawn.
Esito<OrarioLetto> LeggiSimulazione(std::string_view byte, std::string_view nome);

}  // namespace ardenvo
