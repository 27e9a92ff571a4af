#pragma once
// What the main window reaches outside the program, as small interfaces: one real
// implementation each (servizi_sistema.h), and doubles in the tests.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "boards/messaggi_qt.h"

class QWidget;

namespace ardenvo {

class MotoreVoce;
class SorgenteCasuale;

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

// The common file dialog. `filtro` is one entry written as the file commands give it,
// description and pattern separated by "|": "File Ardenvo (*.vkd) |*.vkd".
class DialogoFile {
  public:
    virtual ~DialogoFile() = default;
    // The path chosen, or nothing when the operator cancelled.
    virtual std::optional<QString> Apri(QWidget* finestra, const QString& filtro) = 0;
    // Asks before a file that exists is replaced; a "no" there is a cancel.
    virtual std::optional<QString> Salva(QWidget* finestra, const QString& filtro) = 0;
};

// Non-owning: whoever creates the main window keeps these alive longer than it.
struct ServiziForm1 {
    Registro* registro = nullptr;
    AvvioProgrammi* avvio = nullptr;
    Messaggi* messaggi = nullptr;
    DialogoFile* dialogo = nullptr;
    SorgenteCasuale* casuale = nullptr;  // the delay draws of a timetable load
    MotoreVoce* voce = nullptr;          // the announcements
};

}  // namespace ardenvo
