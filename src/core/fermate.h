#pragma once
// The following stops of a departure as the train information window lists them.

#include <string>
#include <string_view>
#include <vector>

namespace ardenvo {

inline constexpr int kMassimoFermate = 101;

// The entries of `FermateSuccessive` split at ",", up to the first entry that is exactly "."
// and at most kMassimoFermate of them, each as written (blanks and empty entries too). The
// text "-" means no stops and gives the single entry "Nessuna Fermata"; an empty text gives
// no entry.
std::vector<std::string> ElencoFermate(std::string_view FermateSuccessive);

}  // namespace ardenvo
