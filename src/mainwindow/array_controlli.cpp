#include "mainwindow/array_controlli.h"

namespace ardenvo {

ArrayControlli::ArrayControlli(const QString& nome, QObject* finestra) : QObject(finestra) {
    setObjectName(nome);
}

QString ArrayControlli::NomeElemento(const QString& nome, int indice) {
    return nome + QLatin1Char('(') + QString::number(indice) + QLatin1Char(')');
}

void ArrayControlli::Aggiungi(int indice, QObject* elemento) {
    Q_ASSERT(indice >= 0);
    if (indice >= Limite()) elementi_.resize(static_cast<std::size_t>(indice) + 1);
    elementi_[static_cast<std::size_t>(indice)] = elemento;
    elemento->setObjectName(NomeElemento(objectName(), indice));
}

QObject* ArrayControlli::Elemento(int indice) const {
    if (indice < 0 || indice >= Limite()) return nullptr;
    return elementi_[static_cast<std::size_t>(indice)].data();
}

}  // namespace ardenvo
