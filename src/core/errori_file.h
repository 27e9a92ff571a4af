#pragma once
// Failures of the file commands: the numbers the message boxes show, and the result type of
// every reader and writer.
//
// Number  Meaning
//   6     a whole number outside -32768..32767
//   9     a line without "= " where a value is needed, or a time with too few "." pieces
//  13     a value that should be a whole number and is not one
//  53     the file to read does not exist
//  61     the disk is full
//  62     the file ends where a line is still needed
//  70     the file or its folder may not be read or written
//  75     any other failure to read or write the file
//  76     the folder of the file to write does not exist
// 380     an hour outside 0-23, or a minute or second outside 0-59
// 381     a platform count above 23
// 382     a departure beyond the 1001 the table holds
// 383     an arrival beyond the 1001 the table holds
// The numbers never change: operators quote them when they report a broken file.

#include <string>
#include <utility>
#include <variant>

namespace ardenvo {

enum class CodiceErrore : int {
    NumeroFuoriIntervallo = 6,
    SeparatoreMancante = 9,
    ValoreNonNumerico = 13,
    FileNonTrovato = 53,
    DiscoPieno = 61,
    FineFileInattesa = 62,
    AccessoNegato = 70,
    ErroreAccesso = 75,
    PercorsoNonTrovato = 76,
    OrarioFuoriIntervallo = 380,
    TroppiBinari = 381,
    TroppePartenze = 382,
    TroppiArrivi = 383,
};

struct ErroreFile {
    CodiceErrore Codice = CodiceErrore::ErroreAccesso;
    std::string Descrizione;

    int Numero() const { return static_cast<int>(Codice); }
    // The message box text: the number, one blank, the description.
    std::string Messaggio() const { return std::to_string(Numero()) + " " + Descrizione; }
    bool operator==(const ErroreFile&) const = default;
};

// Either the value a reader produced or the failure that stopped it.
template <class T>
class Esito {
  public:
    Esito(T valore) : stato_(std::move(valore)) {}
    Esito(ErroreFile errore) : stato_(std::move(errore)) {}

    explicit operator bool() const { return std::holds_alternative<T>(stato_); }
    T& Valore() { return std::get<T>(stato_); }
    const T& Valore() const { return std::get<T>(stato_); }
    const ErroreFile& Errore() const { return std::get<ErroreFile>(stato_); }

  private:
    std::variant<T, ErroreFile> stato_;
};

}  // namespace ardenvo
