#include "core/convertitori.h"

#include <span>

#include "core/codici.h"
#include "core/testo_file.h"

namespace ardenvo {
namespace {

std::optional<std::int16_t> Posizione(std::span<const std::string_view> elenco,
                                      std::string_view testo) {
    for (std::size_t i = 0; i < elenco.size(); ++i)
        if (elenco[i] == testo) return static_cast<std::int16_t>(i);
    return std::nullopt;
}

// Categories and service notes of the first `voci` entries of their lists.
std::optional<std::int16_t> Categoria(std::string_view testo, std::size_t voci) {
    return Posizione(std::span(ElencoCategorie).first(voci), testo);
}

std::optional<std::int16_t> Indicazioni(std::string_view testo, std::size_t voci) {
    if (testo.empty()) return 0;
    return Posizione(std::span(ElencoIndicazioni).first(voci), testo);
}

// Lower case for ASCII and the Latin-1 capitals (À..Þ but ×), enough for any Italian name.
std::string Minuscolo(std::string_view carattere) {
    std::string c(carattere);
    if (c.size() == 1 && c[0] >= 'A' && c[0] <= 'Z') {
        c[0] = static_cast<char>(c[0] - 'A' + 'a');
    } else if (c.size() == 2 && static_cast<unsigned char>(c[0]) == 0xC3) {
        const auto secondo = static_cast<unsigned char>(c[1]);
        if (secondo >= 0x80 && secondo <= 0x9E && secondo != 0x97)
            c[1] = static_cast<char>(secondo + 0x20);
    }
    return c;
}

}  // namespace

void CaratteriMinuscoli(std::string_view testo, std::span<std::string> celle) {
    std::size_t pos = 0;
    for (std::string& cella : celle) {
        cella.clear();
        if (pos >= testo.size()) continue;
        const std::size_t lunghezza = LunghezzaCarattere(testo, pos);
        cella = Minuscolo(testo.substr(pos, lunghezza));
        pos += lunghezza;
    }
}

std::optional<std::int16_t> Lettera_Numero(std::string_view lettera) {
    return Posizione(ElencoLettere, lettera);
}

std::optional<std::int16_t> Categoria_Numero(std::string_view testo) {
    return Categoria(testo, kCategorieBinari);
}

std::optional<std::int16_t> Categoria_Numerog(std::string_view testo) {
    return Categoria(testo, ElencoCategorie.size());
}

std::optional<std::int16_t> Ritardo_Numero(std::string_view testo) {
    if (auto i = Posizione(TestiRitardi, testo)) return ElencoRitardi[*i];
    return std::nullopt;
}

std::optional<std::int16_t> Indicazioni_Numero(std::string_view testo) {
    return Indicazioni(testo, kIndicazioniBinari);
}

std::optional<std::int16_t> Indicazioni_Numerog(std::string_view testo) {
    return Indicazioni(testo, ElencoIndicazioni.size());
}

std::optional<std::string> Numero_Indicazioni(int IndicazioniNumero) {
    if (IndicazioniNumero < 0 || IndicazioniNumero >= static_cast<int>(kIndicazioniBinari))
        return std::nullopt;
    return std::string(ElencoIndicazioni[IndicazioniNumero]);
}

}  // namespace ardenvo
