#pragma once
// Texts chosen by the operator to board codes, and service-note codes back to text.
// Every comparison is whole and case-sensitive; nothing means "no match": the caller
// keeps the code it had.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ardenvo {

// The platform boards know neither the bus category nor the forecourt note of the central
// boards, which stand last in the shared lists.
inline constexpr std::size_t kCategorieBinari = 11;
inline constexpr std::size_t kIndicazioniBinari = 10;

// An insert dialog's entries, as texts where the dialog offers texts.
struct DatiInserimento {
    std::string Destinazione{};  // as typed
    std::string Categoria{};
    std::string Indicazioni{};
    std::string Ritardo{};
    std::int16_t Ora = 0;
    std::int16_t Minuto = 0;
    int Binario = 1;           // a platform board's number, or a platform of the station
    bool Provvisorio = false;  // central boards: the platform is provisional
};

// The text lowered and cut into the cells, one character each from the first cell; cells past
// its end hold the empty text, characters past the last cell are dropped.
void CaratteriMinuscoli(std::string_view testo, std::span<std::string> celle);

// One destination character: " ", "a".."z" without "k", ".", "-", "'", "*". The central
// boards convert their letters and delays with these too: their tables are the same.
std::optional<std::int16_t> Lettera_Numero(std::string_view lettera);

// A category name of the platform boards, or the empty text for none.
std::optional<std::int16_t> Categoria_Numero(std::string_view testo);

// A delay as the panels write it ("0".."55", "1'00".."3'50"), in minutes.
std::optional<std::int16_t> Ritardo_Numero(std::string_view testo);

// A service note of the platform boards; the empty text and "Nessuna" both mean none.
std::optional<std::int16_t> Indicazioni_Numero(std::string_view testo);

// The central boards' category and service note: the whole lists, with "Autobus" (11) and
// "Autobus (Piazzale Esterno)" (10).
std::optional<std::int16_t> Categoria_Numerog(std::string_view testo);
std::optional<std::int16_t> Indicazioni_Numerog(std::string_view testo);

// The text of service-note code 0..9 ("Nessuna" for 0).
std::optional<std::string> Numero_Indicazioni(int IndicazioniNumero);

}  // namespace ardenvo
