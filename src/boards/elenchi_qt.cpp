#include "boards/elenchi_qt.h"

namespace ardenvo {

QStringList VociElenco(std::span<const std::string_view> elenco) {
    QStringList voci;
    for (std::string_view testo : elenco)
        voci << QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
    return voci;
}

}  // namespace ardenvo
