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
class SorgenteFissa final : public SorgenteCasuale {
  public:
    explicit SorgenteFissa(std::vector<double> valori = {0.0}) : valori_(std::move(valori)) {}
    double Uniforme() override { return valori_[prossimo_++ % valori_.size()]; }

  private:
    std::vector<double> valori_;
    std::size_t prossimo_ = 0;
};

// A folder of its own for one test, removed with everything in it.
class CartellaProva {
  public:
    CartellaProva() { std::filesystem::create_directories(percorso_); }
    ~CartellaProva() { std::filesystem::remove_all(percorso_); }
    std::string operator/(const std::string& nome) const { return (percorso_ / nome).string(); }
    std::size_t Elementi() const {
        return std::distance(std::filesystem::directory_iterator(percorso_), {});
    }

  private:
    static inline int conta_ = 0;
    std::filesystem::path percorso_ =
        std::filesystem::temp_directory_path() /
        ("ardenvo-" + std::to_string(::getpid()) + "-" + std::to_string(++conta_));
};

}  // namespace ardenvo::prova
