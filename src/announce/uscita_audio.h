#pragma once
// Where spoken announcements are played: the default sound output, or a double in tests.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace ardenvo {

// A stream of mono signed 16-bit samples. Used by one thread at a time.
class UscitaAudio {
  public:
    virtual ~UscitaAudio() = default;
    // Each call that can fail returns false and says why in `errore`.
    virtual bool Apri(int frequenza, std::string& errore) = 0;
    // Blocks while the device's buffer is full.
    virtual bool Scrivi(std::span<const std::int16_t> campioni, std::string& errore) = 0;
    // Waits until what was written has been played, then closes.
    virtual void Chiudi() = 0;
    // Drops what is still waiting to be played, then closes.
    virtual void Interrompi() = 0;
};

// The system's default sound output.
std::unique_ptr<UscitaAudio> CreaUscitaPredefinita();

}  // namespace ardenvo
