#pragma once
// The code lists as entries of the dialogs' drop-down lists.

#include <QStringList>
#include <span>
#include <string_view>

namespace ardenvo {

QStringList VociElenco(std::span<const std::string_view> elenco);

}  // namespace ardenvo
