#include "core/fermate.h"

namespace ardenvo {

std::vector<std::string> ElencoFermate(std::string_view FermateSuccessive) {
    if (FermateSuccessive == "-") return {"Nessuna Fermata"};
    std::vector<std::string> elenco;
    if (FermateSuccessive.empty()) return elenco;
    std::size_t inizio = 0;
    while (static_cast<int>(elenco.size()) < kMassimoFermate) {
        const std::size_t virgola = FermateSuccessive.find(',', inizio);
        const std::string_view voce = FermateSuccessive.substr(
            inizio, virgola == std::string_view::npos ? virgola : virgola - inizio);
        if (voce == ".") break;
        elenco.emplace_back(voce);
        if (virgola == std::string_view::npos) break;
        inizio = virgola + 1;
    }
    return elenco;
}

}  // namespace ardenvo
