#pragma once
// Where each of the 23 platform boards stands, what its tile controls are called, and the
// blank row every board starts from.

#include <optional>
#include <string>

#include "core/model.h"

namespace ardenvo {

inline constexpr int kTwipPerPixel = 15;
// Cells overlap their neighbours by 15 twips, so the borders fall on one line.
inline constexpr int kLarghezzaCella = 3375;
inline constexpr int kAltezzaCella = 1335;
inline constexpr int kPassoColonne = 3360;
inline constexpr int kPassoLinee = 1320;

struct CellaGriglia {
    int Linea;    // 1..6, top to bottom
    int Colonna;  // 1..4, left to right
    bool operator==(const CellaGriglia&) const = default;
};

// Boards 1..3 fill line 1 and leave its fourth column empty; 4..23 fill lines 2..6.
std::optional<CellaGriglia> CellaDelBinario(int binario);

struct PuntoTwip {
    int x;
    int y;
    bool operator==(const PuntoTwip&) const = default;
};
PuntoTwip OrigineCella(CellaGriglia cella);

// Names of the tile controls of a board, as the drawing operations look them up.
struct NomiBinario {
    std::string binariolett;
    std::string categoria;
    std::string ritardomin;
    std::string partenzaora;
    std::string partenzamin;
    std::string indicazioni;
    bool operator==(const NomiBinario&) const = default;
};
std::optional<NomiBinario> NomiControlliBinario(int binario);  // nothing outside 1..23

// The row as the main window's load leaves it: blank shown and final codes, free. The final
// category and service note are not touched there; they start at 0 anyway.
void SvuotaRigaAllAvvio(RigaBinario& riga);

}  // namespace ardenvo
