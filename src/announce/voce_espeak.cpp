#include "announce/voce_espeak.h"

#include <algorithm>
#include <iostream>
#include <span>

namespace ardenvo {
namespace {

// Samples written per call, so that shutdown is noticed within a tenth of a second or so.
constexpr std::size_t kBlocco = 2048;

}  // namespace

VoceEspeak::VoceEspeak() : VoceEspeak(SintetizzaItaliano, CreaUscitaPredefinita, std::cerr) {}

VoceEspeak::VoceEspeak(Sintesi sintesi, FabbricaUscita fabbrica, std::ostream& avvisi)
    : sintesi_(std::move(sintesi)),
      fabbrica_(std::move(fabbrica)),
      avvisi_(avvisi),
      lavoratore_([this] { Lavora(); }) {}

VoceEspeak::~VoceEspeak() {
    {
        std::lock_guard blocco(serratura_);
        fermo_ = true;
    }
    sveglia_.notify_all();
    lavoratore_.join();
}

void VoceEspeak::Parla(const std::string& testo) {
    {
        std::lock_guard blocco(serratura_);
        coda_.push_back(testo);
    }
    sveglia_.notify_one();
}

void VoceEspeak::Lavora() {
    for (;;) {
        std::string testo;
        {
            std::unique_lock blocco(serratura_);
            sveglia_.wait(blocco, [this] { return fermo_ || !coda_.empty(); });
            if (fermo_) break;
            testo = std::move(coda_.front());
            coda_.pop_front();
        }
        Pronuncia(testo);
        // The stream stays open across the texts of one press, so they run on as one
        // sentence; once nothing is waiting, what is buffered is played out.
        if (uscita_ && frequenzaAperta_ && CodaVuota() && !fermo_) {
            uscita_->Chiudi();
            frequenzaAperta_.reset();
        }
    }
    if (uscita_ && frequenzaAperta_) uscita_->Interrompi();
}

bool VoceEspeak::CodaVuota() {
    std::lock_guard blocco(serratura_);
    return coda_.empty();
}

void VoceEspeak::Pronuncia(const std::string& testo) {
    std::string errore;
    std::optional<AudioSintetizzato> audio = sintesi_(testo, errore);
    if (!audio) return Segnala(errore);

    if (frequenzaAperta_ != audio->Frequenza) {
        if (!uscita_) uscita_ = fabbrica_();
        if (!uscita_) return Segnala("nessuna uscita audio");
        if (frequenzaAperta_) uscita_->Chiudi();
        frequenzaAperta_.reset();
        if (!uscita_->Apri(audio->Frequenza, errore)) return Segnala(errore);
        frequenzaAperta_ = audio->Frequenza;
    }

    std::span<const std::int16_t> resto(audio->Campioni);
    while (!resto.empty() && !fermo_) {
        const std::size_t quanti = std::min(resto.size(), kBlocco);
        if (!uscita_->Scrivi(resto.first(quanti), errore)) {
            uscita_->Interrompi();
            frequenzaAperta_.reset();
            return Segnala(errore);
        }
        resto = resto.subspan(quanti);
    }
}

void VoceEspeak::Segnala(const std::string& motivo) {
    if (!segnalati_.insert(motivo).second) return;
    avvisi_ << "Ardenvo: annuncio vocale non riprodotto: " << motivo << "\n" << std::flush;
}

}  // namespace ardenvo
