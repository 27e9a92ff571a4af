#include "announce/uscita_audio.h"

#include <alsa/asoundlib.h>

namespace ardenvo {
namespace {

// The library writes its own diagnostics to standard error on every failed open; the engine
// reports a missing device itself, once.
void SenzaDiagnostica(const char*, int, const char*, int, const char*, ...) {}

class UscitaAlsa final : public UscitaAudio {
  public:
    UscitaAlsa() { snd_lib_error_set_handler(SenzaDiagnostica); }
    ~UscitaAlsa() override { Interrompi(); }

    bool Apri(int frequenza, std::string& errore) override {
        Interrompi();
        snd_pcm_t* pcm = nullptr;
        int esito = snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0);
        if (esito >= 0) {
            esito = snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                                       static_cast<unsigned>(frequenza), 1, kLatenzaMicrosecondi);
            if (esito < 0) snd_pcm_close(pcm);
        }
        if (esito < 0) {
            errore = std::string("nessuna uscita audio utilizzabile (") + snd_strerror(esito) + ")";
            return false;
        }
        pcm_ = pcm;
        return true;
    }

    bool Scrivi(std::span<const std::int16_t> campioni, std::string& errore) override {
        while (!campioni.empty()) {
            snd_pcm_sframes_t scritti = snd_pcm_writei(pcm_, campioni.data(), campioni.size());
            // An underrun or a suspended device is recovered once; anything else is a failure.
            if (scritti < 0) scritti = snd_pcm_recover(pcm_, static_cast<int>(scritti), 1);
            if (scritti < 0) {
                errore = std::string("uscita audio interrotta (") +
                         snd_strerror(static_cast<int>(scritti)) + ")";
                return false;
            }
            campioni = campioni.subspan(static_cast<std::size_t>(scritti));
        }
        return true;
    }

    void Chiudi() override {
        if (pcm_ == nullptr) return;
        snd_pcm_drain(pcm_);
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
    }

    void Interrompi() override {
        if (pcm_ == nullptr) return;
        snd_pcm_drop(pcm_);
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
    }

  private:
    static constexpr unsigned kLatenzaMicrosecondi = 200'000;
    snd_pcm_t* pcm_ = nullptr;
};

}  // namespace

std::unique_ptr<UscitaAudio> CreaUscitaPredefinita() {
    return std::make_unique<UscitaAlsa>();
}

}  // namespace ardenvo
