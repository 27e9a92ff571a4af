#pragma once
// What the timetable reader and the saved-simulation reader share: the lines of a decoded
// file read one at a time, the conversions of their values, and failures that name the line.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/errori_file.h"
#include "core/model.h"
#include "core/testo_file.h"

namespace ardenvo {

inline constexpr std::string_view kMarcatoreTreno = "Prossimo treno:";

// A file read to its end and not yet in use: the running simulation is replaced only by this.
struct OrarioLetto {
    // The trains in file order, at most 1001 of each; fields a record does not set are those
    // of the cleared record.
    std::vector<Treno> Partenze;
    std::vector<Treno> Arrivi;
    bool IntestazioneLetta = false;  // false only for an empty file
    std::string NomeStazione;
    std::int16_t NumeroBinari = 0;
    Orologio orologio;

    bool operator==(const OrarioLetto&) const = default;
};

// Thrown inside a reader and turned into its result at the reader's edge.
struct ErroreLettura {
    ErroreFile errore;
};

class LettoreRighe {
  public:
    // `nome` is the file's name, which every failure gives beside the line.
    LettoreRighe(std::string testo, std::string_view nome);
    // The lines are views into the reader's own text: a copy or a move would leave them behind.
    LettoreRighe(const LettoreRighe&) = delete;
    LettoreRighe& operator=(const LettoreRighe&) = delete;

    bool Fine() const { return prossima_ >= righe_.size(); }

    std::string_view Leggi();                  // the next line; the end of the file fails
    std::string_view LeggiNonCommento();       // the next line that does not begin with "#"
    std::string_view LeggiInizio(char primo);  // the next line that begins with `primo`

    std::string_view Valore(std::string_view riga);  // after the first "= "; none fails
    std::int16_t Intero(std::string_view valore);
    std::int16_t Indicazioni(std::string_view valore);  // "-" stands for no service note
    // Hour, minute and, with three pieces, second of "h.m" or "h.m.s"; further pieces dropped.
    std::array<int, 3> Tempo(std::string_view valore, int pezzi);
    std::int16_t NumeroBinari(std::string_view valore);
    // A new cleared record at the end of a table, or a failure when the table is full.
    Treno& NuovoTreno(std::vector<Treno>& tabella, bool partenza) const;

    [[noreturn]] void Fallisci(CodiceErrore codice, std::string_view descrizione,
                               std::optional<std::string_view> trovato = std::nullopt) const;

  private:
    std::string testo_;
    std::string nome_;
    std::vector<std::string_view> righe_;
    std::size_t prossima_ = 0;
};

// Decodes the bytes of the file named `nome` and has a reader body read its header and records
// into a new model, turning a failure the body throws into the result. An empty file gives
// empty tables and no header.
template <class Corpo>
Esito<OrarioLetto> EseguiLettura(std::string_view byte, std::string_view nome, Corpo&& corpo) {
    try {
        LettoreRighe file(DecodificaTesto(byte), nome);
        OrarioLetto letto;
        if (file.Fine()) return letto;
        letto.IntestazioneLetta = true;
        corpo(file, letto);
        return letto;
    } catch (const ErroreLettura& e) {
        return e.errore;
    }
}

}  // namespace ardenvo
