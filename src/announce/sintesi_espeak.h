#pragma once
// Italian speech synthesised into memory with espeak-ng.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ardenvo {

struct AudioSintetizzato {
    std::vector<std::int16_t> Campioni;  // mono, signed 16 bit
    int Frequenza = 0;                   // samples per second

    double Secondi() const {
        return Frequenza > 0 ? static_cast<double>(Campioni.size()) / Frequenza : 0.0;
    }
};

// Synthesises one UTF-8 text with the Italian voice. The library keeps one global state, so
// calls from any thread are served one at a time; the first call starts the library. On
// failure (no voice data, engine error) returns nothing and says why in `errore`.
std::optional<AudioSintetizzato> SintetizzaItaliano(const std::string& testo, std::string& errore);

}  // namespace ardenvo
