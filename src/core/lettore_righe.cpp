#include "core/lettore_righe.h"

#include <algorithm>
#include <limits>

#include "core/ritardi.h"

namespace ardenvo {

LettoreRighe::LettoreRighe(std::string testo, std::string_view nome)
    : testo_(std::move(testo)), nome_(nome) {
    righe_ = DividiRighe(testo_);
}

std::string_view LettoreRighe::Leggi() {
    if (Fine()) {
        ++prossima_;  // the line that is missing
        Fallisci(CodiceErrore::FineFileInattesa, "Fine del file inattesa");
    }
    return righe_[prossima_++];
}

std::string_view LettoreRighe::LeggiNonCommento() {
    std::string_view riga;
    do riga = Leggi();
    while (riga.starts_with('#'));
    return riga;
}

std::string_view LettoreRighe::LeggiInizio(char primo) {
    std::string_view riga;
    do riga = Leggi();
    while (!riga.starts_with(primo));
    return riga;
}

std::string_view LettoreRighe::Valore(std::string_view riga) {
    const std::optional<std::string_view> valore = ValoreRiga(riga);
    if (!valore) Fallisci(CodiceErrore::SeparatoreMancante, "Manca \"= \"", riga);
    return *valore;
}

std::int16_t LettoreRighe::Intero(std::string_view valore) {
    const std::optional<long> numero = LeggiNumeroIntero(valore);
    if (!numero) Fallisci(CodiceErrore::ValoreNonNumerico, "Valore non numerico", valore);
    if (*numero < std::numeric_limits<std::int16_t>::min() ||
        *numero > std::numeric_limits<std::int16_t>::max())
        Fallisci(CodiceErrore::NumeroFuoriIntervallo, "Numero fuori intervallo (-32768..32767)",
                 valore);
    return static_cast<std::int16_t>(*numero);
}

std::int16_t LettoreRighe::Indicazioni(std::string_view valore) {
    if (Rifila(valore) == "-") return 0;  // no service note
    return Intero(valore);
}

std::array<int, 3> LettoreRighe::Tempo(std::string_view valore, int pezzi) {
    struct Parte {
        const char* descrizione;
        int massimo;
    };
    static constexpr std::array<Parte, 3> parti = {{{"Ora fuori intervallo (0-23)", 23},
                                                    {"Minuto fuori intervallo (0-59)", 59},
                                                    {"Secondo fuori intervallo (0-59)", 59}}};
    const std::vector<std::string_view> campi = Dividi(valore, ".");
    std::array<long, 3> letti{};
    const int presenti = std::min(pezzi, static_cast<int>(campi.size()));
    for (int i = 0; i < presenti; ++i) {
        const std::optional<long> numero = LeggiNumeroIntero(campi[i]);
        if (!numero) Fallisci(CodiceErrore::ValoreNonNumerico, "Valore non numerico", valore);
        letti[i] = *numero;
    }
    if (presenti < pezzi)
        Fallisci(CodiceErrore::SeparatoreMancante,
                 pezzi == 2 ? "Orario senza \".\"" : "Orario senza ore, minuti e secondi", valore);
    std::array<int, 3> tempo{};
    for (int i = 0; i < pezzi; ++i) {
        if (letti[i] < 0 || letti[i] > parti[i].massimo)
            Fallisci(CodiceErrore::OrarioFuoriIntervallo, parti[i].descrizione, valore);
        tempo[i] = static_cast<int>(letti[i]);
    }
    return tempo;
}

std::int16_t LettoreRighe::NumeroBinari(std::string_view valore) {
    const std::int16_t numero = Intero(valore);
    if (numero > kBinari) Fallisci(CodiceErrore::TroppiBinari, "Numero di binari oltre 23", valore);
    return numero;
}

Treno& LettoreRighe::NuovoTreno(std::vector<Treno>& tabella, bool partenza) const {
    if (std::ssize(tabella) >= kPostiTabella) {
        if (partenza)
            Fallisci(CodiceErrore::TroppePartenze,
                     "Partenza oltre le 1001 che la tabella contiene");
        Fallisci(CodiceErrore::TroppiArrivi, "Arrivo oltre i 1001 che la tabella contiene");
    }
    return tabella.emplace_back(TrenoCancellato());
}

void LettoreRighe::Fallisci(CodiceErrore codice, std::string_view descrizione,
                            std::optional<std::string_view> trovato) const {
    std::string testo = std::string(descrizione) + " alla riga " + std::to_string(prossima_) +
                        " di " + Citazione(nome_);
    if (trovato) testo += ": " + Citazione(*trovato);
    throw ErroreLettura{{codice, std::move(testo)}};
}

}  // namespace ardenvo
