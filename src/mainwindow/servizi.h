#pragma once
// What the main window reaches outside the program, as small interfaces: one real
// implementation each (servizi_sistema.h), and doubles in the tests.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

namespace ardenvo {

// A value of the system registry as stored: its type and its bytes, text values with their
// closing NUL.
struct ValoreRegistro {
    enum class Tipo { Testo, Numero32, Altro };
    Tipo tipo = Tipo::Testo;
    QByteArray dati;
};

class Registro {
  public:
    virtual ~Registro() = default;
    // Nothing when the key cannot be opened or the value cannot be read.
    virtual std::optional<ValoreRegistro> Leggi(std::uint32_t radice, const QString& chiave,
                                                const QString& nome) const = 0;
};

class AvvioProgrammi {
  public:
    virtual ~AvvioProgrammi() = default;
    virtual bool Esiste(const QString& percorso) const = 0;
    // Starts the program as a process of its own, without waiting; false when it cannot.
    virtual bool Avvia(const QString& percorso) = 0;
};

class Messaggi {
  public:
    virtual ~Messaggi() = default;
    // A message with only an OK button and no icon; returns when the operator has read it.
    virtual void Informa(QWidget* finestra, const QString& testo) = 0;
};

// Non-owning: whoever creates the main window keeps these alive longer than it.
struct ServiziForm1 {
    Registro* registro = nullptr;
    AvvioProgrammi* avvio = nullptr;
    Messaggi* messaggi = nullptr;
};

}  // namespace ardenvo
