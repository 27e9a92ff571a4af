#include "boards/elenchi_qt.h"

namespace ardenvo {

QStringList VociElenco(std::span<const std::string_view> elenco) {
    QStringList voci;
    for (std::string_view testo : elenco) voci << DaUtf8(testo);
    return voci;
}

QStringList Numeri(int primo, int ultimo) {
    QStringList voci;
    for (int n = primo; n <= ultimo; ++n) voci << QString::number(n);
    return voci;
}

QComboBox* NuovoElenco(QWidget* padre, const QString& nome, const QStringList& voci) {
    auto* c = new QComboBox(padre);
    c->setObjectName(nome);
    c->addItems(voci);
    c->setCurrentIndex(-1);
    return c;
}

}  // namespace ardenvo
