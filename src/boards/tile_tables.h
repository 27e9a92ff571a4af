#pragma once
// Which picture file a board code shows, tile by tile. A code draws every tile of its field
// as a completed flap run leaves it, so a row brought to rest at once, or drawn anew when its
// window opens, reads the same as one that flapped there. Codes outside a field's list, which
// only a run passes, draw nothing: an empty entry leaves the tile as it is.

#include <array>
#include <optional>
#include <string_view>

namespace ardenvo {

using FileTessera = std::optional<std::string_view>;

inline constexpr std::string_view TesseraVuota = "letteravuota.bmp";  // blank letter or digit

FileTessera FileLettera(int codice);      // ElencoLettere, 0..29
FileTessera FileCategoria(int codice);    // ElencoCategorie as a platform board knows it, 0..10
FileTessera FileIndicazioni(int codice);  // ElencoIndicazioni as a platform board knows it, 0..9
// The central boards know one entry more: the bus category 11 and the forecourt note 10.
FileTessera FileCategoriaQuadro(int codice);
FileTessera FileIndicazioniQuadro(int codice);

// Indexed by tile: 0 tens, 1 units, 2 hours word ("1ora", "2ore", "3ore").
std::array<FileTessera, 3> FileRitardo(int minuti);
// Indexed by tile: 0 units, 1 tens. Hour 24 and minute 60 are the blank codes; hours 0..9
// have a blank tens.
std::array<FileTessera, 2> FileOra(int ora);
std::array<FileTessera, 2> FileMinuto(int minuto);
// A central board's hour: like FileOra, but hours 0..9 read "00".."09".
std::array<FileTessera, 2> FileOraQuadro(int ora);
// A central board's platform, indexed units then tens: 0 blank, 1..23, 24..46 provisional
// platform (code - 23) on the provisional digits.
std::array<FileTessera, 2> FileBinarioQuadro(int codice);

// The clock's digit pictures of a value in 0..limite-1, units first then tens; nothing for a
// value out of range.
std::optional<std::array<std::string_view, 2>> FileCifreOrologio(int valore, int limite);

}  // namespace ardenvo
