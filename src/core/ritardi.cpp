#include "core/ritardi.h"

#include <array>
#include <chrono>
#include <cmath>

namespace ardenvo {

OraMinuto Somma_Ritardo(int OraCalcolo, int MinutoCalcolo, int Casuale) {
    for (int i = 0; i < Casuale; ++i) {
        ++MinutoCalcolo;
        if (MinutoCalcolo == 60) {
            MinutoCalcolo = 0;
            ++OraCalcolo;
            if (OraCalcolo == 24) OraCalcolo = 0;
        }
    }
    return {OraCalcolo, MinutoCalcolo};
}

void CalcolaOraEffettiva(Treno& treno) {
    const OraMinuto eff = Somma_Ritardo(treno.Ora, treno.Minuto, treno.Ritardo);
    treno.OraEffettiva = static_cast<std::int16_t>(eff.Ora);
    treno.MinutoEffettivo = static_cast<std::int16_t>(eff.Minuto);
}

Treno TrenoCancellato() {
    Treno vuoto;
    vuoto.NumeroTreno.assign(1, '0');  // assign(): GCC 12 at -O3 misreads = "0" here
    vuoto.Categoria.assign(1, '0');
    return vuoto;
}

void Cancella_Orario(Orario& orario) {
    const Treno vuoto = TrenoCancellato();
    orario.Partenze.fill(vuoto);
    orario.Arrivi.fill(vuoto);
}

SorgenteCasualeSistema::SorgenteCasualeSistema() {
    std::random_device entropia;
    const auto adesso = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seme{entropia(), entropia(), static_cast<unsigned>(adesso),
                       static_cast<unsigned>(static_cast<unsigned long long>(adesso) >> 32)};
    motore_.seed(seme);
}

double SorgenteCasualeSistema::Uniforme() { return uniforme_(motore_); }

std::int16_t RitardoDaEstrazione(int casuale, std::int16_t attuale) {
    struct Banda {
        int da;
        std::int16_t minuti;
    };
    static constexpr std::array<Banda, 30> bande = {{
        {0, 0},       {2000, 5},    {2500, 10},   {3000, 15},   {3500, 20},   {4000, 25},
        {4500, 30},   {5000, 35},   {5250, 40},   {5500, 45},   {5750, 50},   {6000, 55},
        {6250, 60},   {6500, 70},   {6700, 80},   {6900, 90},   {7100, 100},  {7300, 110},
        {7500, 120},  {7700, 130},  {7900, 140},  {8100, 150},  {8300, 160},  {8500, 170},
        {8700, 180},  {8900, 190},  {9000, 200},  {9100, 210},  {9200, 220},  {9300, 230},
    }};
    if (casuale < 0 || casuale >= 9400) return attuale;
    std::int16_t minuti = 0;
    for (const Banda& b : bande)
        if (casuale >= b.da) minuti = b.minuti;
    return minuti;
}

std::optional<std::int16_t> MassimoDellaClasse(std::int16_t classe) {
    switch (classe) {
        case 0: return 0;
        case 1: return 2500;
        case 2: return 5000;
        case 3: return 7500;
        case 4: return 10000;
        default: return std::nullopt;
    }
}

void EstrattoreRitardi::Estrai(const Treno& treno) {
    if (auto massimo = MassimoDellaClasse(treno.ClasseRitardo)) MassimoCasuale = *massimo;
    Casuale = static_cast<int>(std::floor(sorgente_.Uniforme() * MassimoCasuale));
}

void EstrattoreRitardi::Ritardo_Casuale_Partenza(Treno& partenza) {
    Estrai(partenza);
    partenza.Ritardo = RitardoDaEstrazione(Casuale, partenza.Ritardo);
}

void EstrattoreRitardi::Ritardo_Casuale_Arrivo(Treno& arrivo, bool TrenoDoppio) {
    if (TrenoDoppio) {
        if (auto massimo = MassimoDellaClasse(arrivo.ClasseRitardo)) MassimoCasuale = *massimo;
    } else {
        Estrai(arrivo);
    }
    arrivo.Ritardo = RitardoDaEstrazione(Casuale, arrivo.Ritardo);
}

}  // namespace ardenvo
