#include "core/fermate.h"

#include "core/testo_file.h"

namespace ardenvo {

std::vector<std::string> ElencoFermate(std::string_view FermateSuccessive) {
    if (FermateSuccessive == "-") return {"Nessuna Fermata"};
    std::vector<std::string> elenco;
    if (FermateSuccessive.empty()) return elenco;
    for (const std::string_view voce : Dividi(FermateSuccessive, ",")) {
        if (voce == "." || static_cast<int>(elenco.size()) == kMassimoFermate) break;
        elenco.emplace_back(voce);
    }
    return elenco;
}

}  // namespace ardenvo
