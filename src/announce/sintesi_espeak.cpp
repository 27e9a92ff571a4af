#include "announce/sintesi_espeak.h"

#include <espeak-ng/espeak_ng.h>

#include <mutex>

namespace ardenvo {
namespace {

// Speaking rate in words per minute: a little slower than the engine's default, as station
// announcements are.
constexpr int kParoleAlMinuto = 150;

std::mutex& Serratura() {
    static std::mutex serratura;
    return serratura;
}

// Where the callback puts the samples of the synthesis in progress; guarded by Serratura().
std::vector<std::int16_t>* campioniInCorso = nullptr;

int Raccogli(short* campioni, int quanti, espeak_EVENT*) {
    if (campioni != nullptr && quanti > 0 && campioniInCorso != nullptr)
        campioniInCorso->insert(campioniInCorso->end(), campioni, campioni + quanti);
    return 0;
}

std::string Descrizione(espeak_ng_STATUS stato) {
    char testo[512] = {};
    espeak_ng_GetStatusCodeMessage(stato, testo, sizeof testo);
    return testo;
}

// The library, started once per process and closed at exit.
class Libreria {
  public:
    Libreria() {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT contesto = nullptr;
        espeak_ng_STATUS stato = espeak_ng_Initialize(&contesto);
        espeak_ng_ClearErrorContext(&contesto);
        if (stato != ENS_OK) {
            errore_ = "espeak-ng non si avvia: " + Descrizione(stato);
            return;
        }
        avviata_ = true;
        stato = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
        if (stato == ENS_OK) stato = espeak_ng_SetVoiceByName("it");
        if (stato == ENS_OK) stato = espeak_ng_SetParameter(espeakRATE, kParoleAlMinuto, 0);
        if (stato != ENS_OK) {
            errore_ = "voce italiana di espeak-ng non disponibile: " + Descrizione(stato);
            return;
        }
        espeak_SetSynthCallback(Raccogli);
        frequenza_ = espeak_ng_GetSampleRate();
    }
    ~Libreria() {
        if (avviata_) espeak_ng_Terminate();
    }
    bool Pronta() const { return errore_.empty(); }
    const std::string& Errore() const { return errore_; }
    int Frequenza() const { return frequenza_; }

  private:
    bool avviata_ = false;
    std::string errore_;
    int frequenza_ = 0;
};

}  // namespace

std::optional<AudioSintetizzato> SintetizzaItaliano(const std::string& testo, std::string& errore) {
    std::lock_guard blocco(Serratura());
    static Libreria libreria;
    if (!libreria.Pronta()) {
        errore = libreria.Errore();
        return std::nullopt;
    }
    AudioSintetizzato audio;
    audio.Frequenza = libreria.Frequenza();
    campioniInCorso = &audio.Campioni;
    const espeak_ng_STATUS stato = espeak_ng_Synthesize(
        testo.c_str(), testo.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    campioniInCorso = nullptr;
    if (stato != ENS_OK) {
        errore = "sintesi fallita: " + Descrizione(stato);
        return std::nullopt;
    }
    return audio;
}

}  // namespace ardenvo
