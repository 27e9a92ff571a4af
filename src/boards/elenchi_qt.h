#pragma once
// Texts of the plain C++ half as the widgets show them: one text, or a code list as the entries
// of a drop-down list.

#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

namespace ardenvo {

inline QString DaUtf8(std::string_view testo) {
    return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
}

QStringList VociElenco(std::span<const std::string_view> elenco);

}  // namespace ardenvo
