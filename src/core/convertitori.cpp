#include "core/convertitori.h"

#include <span>

#include "core/codici.h"

namespace ardenvo {
namespace {

std::optional<std::int16_t> Posizione(std::span<const std::string_view> elenco,
                                      std::string_view testo) {
    for (std::size_t i = 0; i < elenco.size(); ++i)
        if (elenco[i] == testo) return static_cast<std::int16_t>(i);
    return std::nullopt;
}

}  // namespace

std::optional<std::int16_t> Lettera_Numero(std::string_view lettera) {
    return Posizione(ElencoLettere, lettera);
}

std::optional<std::int16_t> Categoria_Numero(std::string_view testo) {
    return Posizione(std::span(ElencoCategorie).first(kCategorieBinari), testo);
}

std::optional<std::int16_t> Ritardo_Numero(std::string_view testo) {
    if (auto i = Posizione(TestiRitardi, testo)) return ElencoRitardi[*i];
    return std::nullopt;
}

std::optional<std::int16_t> Indicazioni_Numero(std::string_view testo) {
    if (testo.empty()) return 0;
    return Posizione(std::span(ElencoIndicazioni).first(kIndicazioniBinari), testo);
}

std::optional<std::string> Numero_Indicazioni(int IndicazioniNumero) {
    if (IndicazioniNumero < 0 || IndicazioniNumero >= static_cast<int>(kIndicazioniBinari))
        return std::nullopt;
    return std::string(ElencoIndicazioni[IndicazioniNumero]);
}

}  // namespace ardenvo
