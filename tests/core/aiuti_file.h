#pragma once
// Small tools the file tests and benchmarks share: data files, a fixed random source, a scratch
// folder and a quiet clock minute.

#include <unistd.h>

#include <algorithm>
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

// Sets the clock to the first minute of the day at which no train of either table is due, so
// that monitor ticks drop none and the tables keep their size.
inline void OrologioSenzaTreni(Simulazione& sim) {
    const Orario& o = sim.orario;
    for (int minuto = 0; minuto < 24 * 60; ++minuto) {
        const auto dovuto = [&](const Treno& t) {
            return t.OraEffettiva * 60 + t.MinutoEffettivo == minuto;
        };
        if (std::none_of(o.Partenze.begin(), o.Partenze.end(), dovuto) &&
            std::none_of(o.Arrivi.begin(), o.Arrivi.end(), dovuto)) {
            sim.orologio = {minuto / 60, minuto % 60, 0};
            return;
        }
    }
}

}  // namespace ardenvo::prova
