#include "boards/array_controlli_qt.h"

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

ArrayControlli* ArrayControlli::Trova(const QObject* finestra, const QString& nome) {
    return finestra->findChild<ArrayControlli*>(nome, Qt::FindDirectChildrenOnly);
}

ArrayControlli* ArrayControlli::Nuovo(QObject* finestra, const QString& nome) {
    if (ArrayControlli* esistente = Trova(finestra, nome)) return esistente;
    return new ArrayControlli(nome, finestra);
}

QObject* ArrayControlli::Controllo(const QObject* finestra, const QString& nome, int indice) {
    ArrayControlli* array = Trova(finestra, nome);
    if (indice >= 0) return array ? array->Elemento(indice) : nullptr;
    if (array) return array;
    return finestra->findChild<QObject*>(nome);
}

}  // namespace ardenvo
