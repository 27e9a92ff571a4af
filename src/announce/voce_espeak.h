#pragma once
// The speech engine of the main window: espeak-ng's Italian voice on the default sound output.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <thread>

#include "announce/sintesi_espeak.h"
#include "announce/uscita_audio.h"
#include "announce/voce.h"

namespace ardenvo {

// Texts are queued and spoken by a thread of the engine's own, whole and in the order handed
// over, so a press never waits for the speech. A text that cannot be synthesised or played is
// dropped and the next one tries again, so a sound device busy for a moment silences nothing
// for good; each distinct failure is reported once. Destruction cuts off what is being spoken
// and stops the thread.
class VoceEspeak final : public MotoreVoce {
  public:
    using Sintesi = std::function<std::optional<AudioSintetizzato>(const std::string& testo,
                                                                   std::string& errore)>;
    // Called on the engine's thread before the first text is played, and again at the next
    // text for as long as it gives no output.
    using FabbricaUscita = std::function<std::unique_ptr<UscitaAudio>()>;

    VoceEspeak();  // espeak-ng, the default sound output, notices on standard error
    VoceEspeak(Sintesi sintesi, FabbricaUscita fabbrica, std::ostream& avvisi);
    ~VoceEspeak() override;

    VoceEspeak(const VoceEspeak&) = delete;
    VoceEspeak& operator=(const VoceEspeak&) = delete;

    void Parla(const std::string& testo) override;

  private:
    void Lavora();
    void Pronuncia(const std::string& testo);
    void Segnala(const std::string& motivo);
    bool CodaVuota();

    Sintesi sintesi_;
    FabbricaUscita fabbrica_;
    std::ostream& avvisi_;

    std::mutex serratura_;
    std::condition_variable sveglia_;
    std::deque<std::string> coda_;
    std::atomic<bool> fermo_ = false;

    // Owned by the engine's thread.
    std::unique_ptr<UscitaAudio> uscita_;
    std::optional<int> frequenzaAperta_;
    std::set<std::string> segnalati_;  // failures already reported

    std::thread lavoratore_;  // last: starts when everything above exists
};

}  // namespace ardenvo
