#pragma once
// Texts of the plain C++ half as the widgets show them: one text, or a code list as the entries
// of a drop-down list.

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

namespace ardenvo {

inline QString DaUtf8(std::string_view testo) {
    return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
}

QStringList VociElenco(std::span<const std::string_view> elenco);

// The numbers `primo` to `ultimo` in decimal, without leading zeros; none when `ultimo` is
// below `primo`.
QStringList Numeri(int primo, int ultimo);

// A drop-down list of a dialog, named `nome`, holding `voci` with nothing chosen.
QComboBox* NuovoElenco(QWidget* padre, const QString& nome, const QStringList& voci);

}  // namespace ardenvo
