#include "boards/elenchi_qt.h"

namespace ardenvo {

QStringList VociElenco(std::span<const std::string_view> elenco) {
    QStringList voci;
    for (std::string_view testo : elenco) voci << DaUtf8(testo);
    return voci;
}

}  // namespace ardenvo
