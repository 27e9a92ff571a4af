#pragma once
// Effective times, random delays and the clearing of the train tables.

#include <cstdint>
#include <optional>
#include <random>

#include "core/model.h"

namespace ardenvo {

struct OraMinuto {
    int Ora = 0;
    int Minuto = 0;
    bool operator==(const OraMinuto&) const = default;
};

// Scheduled time plus a delay, minute by minute; wraps only on exactly 60 and 24, so a time
// that enters out of range stays out of range.
OraMinuto Somma_Ritardo(int OraCalcolo, int MinutoCalcolo, int Casuale);

// Stores the record's effective time from its scheduled time and its delay.
void CalcolaOraEffettiva(Treno& treno);

// The record an empty slot holds: number and category "0", every other field blank or 0.
Treno TrenoCancellato();

// Empties every slot of both tables. Counts, station and clock are left alone.
void Cancella_Orario(Orario& orario);

// Source of uniform numbers in [0, 1).
class SorgenteCasuale {
public:
    virtual ~SorgenteCasuale() = default;
    virtual double Uniforme() = 0;
};

// Seeded once, from the system's entropy and the time of day.
class SorgenteCasualeSistema final : public SorgenteCasuale {
public:
    SorgenteCasualeSistema();
    double Uniforme() override;

private:
    std::mt19937_64 motore_;
    std::uniform_real_distribution<double> uniforme_{0.0, 1.0};
};

// The delay a raw draw stands for; draws from 9400 up map to nothing and keep `attuale`.
std::int16_t RitardoDaEstrazione(int casuale, std::int16_t attuale);

// Draw bound of a delay class 0..4, or nothing for another class.
std::optional<std::int16_t> MassimoDellaClasse(std::int16_t classe);

// The random delay draws of the timetable reader.
class EstrattoreRitardi {
public:
    explicit EstrattoreRitardi(SorgenteCasuale& sorgente) : sorgente_(sorgente) {}

    void Ritardo_Casuale_Partenza(Treno& partenza);
    // The arrival half of an arrival-and-departure record (TrenoDoppio) maps the departure
    // half's draw; an arrival alone draws its own number.
    void Ritardo_Casuale_Arrivo(Treno& arrivo, bool TrenoDoppio);

    // A class outside 0..4 keeps the bound of the previous draw.
    std::int16_t MassimoCasuale = 0;
    int Casuale = 0;

private:
    void Estrai(const Treno& treno);
    SorgenteCasuale& sorgente_;
};

}  // namespace ardenvo
