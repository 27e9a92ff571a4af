#pragma once
// The simulated clock's tick and the seven speeds the operator moves through.

#include <array>
#include <string_view>

#include "core/model.h"

namespace ardenvo {

struct Velocita {
    int Intervallo;  // ms between two ticks of the clock timer
    std::string_view Didascalia;
};

// Indexed by the speed index of the main window; 1000/60 ms is given as 17.
inline constexpr std::array<Velocita, 7> ElencoVelocita = {{
    {1000, "Simulazione: 1x"},
    {500, "Simulazione: 2x"},
    {200, "Simulazione: 5x"},
    {100, "Simulazione: 10x"},
    {50, "Simulazione: 20x"},
    {17, "Simulazione: 60x"},
    {10, "Simulazione: 100x"},
}};

// One simulated second, carried into minutes and hours. There is no date: 23:59:59 is
// followed by 0:00:00. A value that a file brought out of range is wrapped at its next carry.
void AvanzaUnSecondo(Orologio& orologio);

}  // namespace ardenvo
