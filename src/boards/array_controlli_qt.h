#pragma once
// An indexed array of controls: the elements stand wherever the window lays them out (each
// keeps its own visual parent) and are found here by index.
//
// The array is a QObject child of its window whose objectName is the array's name; each
// element is named "<array>(<index>)", for example "resetta(4)", so that findChild finds an
// element directly too.

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

namespace ardenvo {

class ArrayControlli : public QObject {
    Q_OBJECT

  public:
    ArrayControlli(const QString& nome, QObject* finestra);

    static QString NomeElemento(const QString& nome, int indice);

    // Adds `elemento` at `indice` (indexes need not be contiguous) and names it.
    void Aggiungi(int indice, QObject* elemento);

    // The element at `indice`, or nullptr where there is none.
    QObject* Elemento(int indice) const;

    // One past the highest index in use.
    int Limite() const { return static_cast<int>(elementi_.size()); }

    // The array `nome` of `finestra`, or nullptr.
    static ArrayControlli* Trova(const QObject* finestra, const QString& nome);
    // The array `nome` of `finestra`, created the first time it is named.
    static ArrayControlli* Nuovo(QObject* finestra, const QString& nome);
    // indice < 0: the single control or the array named `nome`; otherwise element `indice`
    // of the array `nome`. nullptr when there is none.
    static QObject* Controllo(const QObject* finestra, const QString& nome, int indice);

  private:
    std::vector<QPointer<QObject>> elementi_;
};

}  // namespace ardenvo
