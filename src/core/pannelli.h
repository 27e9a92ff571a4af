#pragma once
// The departures and arrivals panels of the main window as plain data: 16 rows of 7 cell
// texts, each row with its visibility and the tooltip of its destination cell. Row 0 heads the
// departures (rows 1..7 show departure records 0..6), row 8 heads the arrivals (rows 9..15).
// The window copies this into its labels after every change.

#include <array>
#include <string>

#include "core/model.h"

namespace ardenvo {

inline constexpr int kRighePannelli = 16;
inline constexpr int kRighePerPannello = 7;
inline constexpr int kTestataPartenze = 0;
inline constexpr int kTestataArrivi = 8;

// Columns from left to right, named after the label arrays that show them.
enum class Cella { Numero, Destinazione, Categoriaq, Ritardo, Orario, Orarioeff, Binarioq };
inline constexpr int kCelle = 7;

struct RigaPannello {
    std::array<std::string, kCelle> Testi;
    std::string Tooltip;  // the full destination or origin; header rows have none
    bool Visibile = true;

    std::string& operator[](Cella c) { return Testi[static_cast<int>(c)]; }
    const std::string& operator[](Cella c) const { return Testi[static_cast<int>(c)]; }
    bool operator==(const RigaPannello&) const = default;
};

struct StatoPannelli {
    StatoPannelli();  // header texts in rows 0 and 8, every other cell blank, all visible

    std::array<RigaPannello, kRighePannelli> Righe;
    // Monitor ticks since the last blink step (0..6), and the blink phase: 0 means the next
    // blink step shows the rows of trains due soon, 1 that it hides them.
    int contmonitor = 0;
    int contalterno = 0;

    bool operator==(const StatoPannelli&) const = default;
};

// Panel text of a delay in minutes given as decimal text: the ElencoRitardi form ("1'10" for
// 70) for the values above 0 of that list, anything else unchanged.
std::string Ritardo_Testo(std::string Testo);

// "8:05": hour without a leading zero, minute in two digits.
std::string TestoOra(int ora, int minuto);

// Draws seven rows from record `primo` on, in the refresh form (number before its first "-",
// delay text, "BUS" for a replacement bus, blank rows for slots without a train), storing
// each drawn record's effective time. Rows of records flagged due soon are left as they are.
// Tooltips always come from records 0..6. Visibility is not touched.
void Aggiorna_Partenze(TabellaTreni& Partenze, int IndicePartenze, StatoPannelli& pannelli);
void Aggiorna_Arrivi(TabellaTreni& Arrivi, int IndiceArrivi, StatoPannelli& pannelli);

// Draws one row (1..7, or 9..15 for arrivals) in the row-show form (whole number, delay in
// minutes, platform number even for a bus, the record's fields whatever it holds), makes it
// visible and stores the record's effective time. The tooltip stays.
void Mostra_Riga_Partenza(StatoPannelli& pannelli, int Colonna, Treno& partenza);
void Mostra_Riga_Arrivo(StatoPannelli& pannelli, int Colonna, Treno& arrivo);

// Hides the seven cells of a row; their texts stay.
void Nascondi_Riga(StatoPannelli& pannelli, int Colonna);

}  // namespace ardenvo
