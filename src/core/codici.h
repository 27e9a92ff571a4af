#pragma once
// The code lists shared by every display: letters, categories, service notes and delays.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ardenvo {

// Letter codes: 0 blank, 1-10 "a"-"j", 11-25 "l"-"z" (no "k"), 26-29 ". - ' *".
inline constexpr std::array<std::string_view, 30> ElencoLettere = {
    " ", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "l", "m", "n", "o",
    "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", ".", "-", "'", "*"};

// Category codes 0..11; 11 ("Autobus") is known to the central boards only.
inline constexpr std::array<std::string_view, 12> ElencoCategorie = {
    "",         "Interregio", "Regionale", "Diretto",   "Espresso",        "Intercity",
    "Eurocity", "Eurostar",   "Cisalpino", "Euronight", "Intercity Notte", "Autobus"};

// The categories as the insert dialogs list them: the boards' own order, not the code order.
// The platform boards list all but the last.
inline constexpr std::array<std::string_view, 11> VociCategorie = {
    "Diretto",  "Regionale", "Interregio", "Espresso",        "Intercity", "Eurocity",
    "Eurostar", "Cisalpino", "Euronight",  "Intercity Notte", "Autobus"};

// Service-note codes 0..10; 10 is known to the central boards only.
inline constexpr std::array<std::string_view, 11> ElencoIndicazioni = {
    "Nessuna",
    "Soppresso",
    "Prenotazione Obbligatoria",
    "Prenotazione Facoltativa",
    "Sola 2a Classe",
    "Sola 1a Classe",
    "Prima e Seconda Classe",
    "1-2a Classe + Cuccette",
    "1-2a Classe + Letti + Cuccette",
    "Sola 2a classe + Cuccette",
    "Autobus (Piazzale Esterno)"};

// Delay values in minutes, in flap order, and the way boards and panels write them.
inline constexpr std::array<std::int16_t, 30> ElencoRitardi = {
    0,  5,   10,  15,  20,  25,  30,  35,  40,  45,  50,  55,  60,  70,  80,
    90, 100, 110, 120, 130, 140, 150, 160, 170, 180, 190, 200, 210, 220, 230};
inline constexpr std::array<std::string_view, 30> TestiRitardi = {
    "0",    "5",    "10",   "15",   "20",   "25",   "30",   "35",   "40",   "45",
    "50",   "55",   "1'00", "1'10", "1'20", "1'30", "1'40", "1'50", "2'00", "2'10",
    "2'20", "2'30", "2'40", "2'50", "3'00", "3'10", "3'20", "3'30", "3'40", "3'50"};

// Position of a delay in ElencoRitardi, or nothing for a value outside the list.
constexpr std::optional<int> PosizioneRitardo(int minuti) {
    for (int i = 0; i < static_cast<int>(ElencoRitardi.size()); ++i)
        if (ElencoRitardi[i] == minuti) return i;
    return std::nullopt;
}

// The same for a delay written in plain decimal minutes ("70"); any other writing ("070",
// "+5", " 5") is outside the list.
inline std::optional<int> PosizioneTestoRitardo(std::string_view testo) {
    for (int i = 0; i < static_cast<int>(ElencoRitardi.size()); ++i)
        if (testo == std::to_string(ElencoRitardi[i])) return i;
    return std::nullopt;
}

}  // namespace ardenvo
