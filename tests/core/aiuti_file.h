#pragma once
// Small tools the file tests share: data files, a fixed random source and a scratch folder.

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/ritardi.h"
#include "core/testo_file.h"

namespace ardenvo::prova {

inline std::string FileDati(const std::string& nome) {
    return LeggiFile(std::string(ARDENVO_DATI_TEST) + "/" + nome).Valore();
}

// Hands out the given numbers in turn, over and over.
struct SorgenteFissa final : SorgenteCasuale {
    explicit SorgenteFissa(std::vector<double> v) : valori(std::move(v)) {}
    double Uniforme() override { return valori[prossimo++ % valori.size()]; }
    std::vector<double> valori;
    std::size_t prossimo = 0;
};

// A folder of its own for one test, removed with everything in it.
struct CartellaProva {
    CartellaProva() { std::filesystem::create_directories(percorso); }
    ~CartellaProva() { std::filesystem::remove_all(percorso); }
    std::string operator/(const std::string& nome) const { return (percorso / nome).string(); }
    static inline int conta = 0;
    const std::filesystem::path percorso =
        std::filesystem::temp_directory_path() /
        ("ardenvo-" + std::to_string(::getpid()) + "-" + std::to_string(++conta));
};

}  // namespace ardenvo::prova
