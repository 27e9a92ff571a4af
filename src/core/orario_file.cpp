#include "core/orario_file.h"

#include <array>

namespace ardenvo {
namespace {

enum class Campo {
    Numero,
    Destinazione,
    Provenienza,
    Categoria,
    OraArrivo,
    OraPartenza,
    Binario,
    Classe,
    Fermate,
    Indicazioni,
    Note
};

// The value lines of an arrival-and-departure record and the half each one goes to. A
// departure or an arrival alone reads the same lines and drops those of the missing half,
// except that an arrival has no stops line at all.
struct Posizione {
    Campo campo;
    bool partenza;
    bool arrivo;
};
constexpr std::array<Posizione, 11> kPosizioni = {{
    {Campo::Numero, true, true},
    {Campo::Destinazione, true, false},
    {Campo::Provenienza, false, true},
    {Campo::Categoria, true, true},
    {Campo::OraArrivo, false, true},
    {Campo::OraPartenza, true, false},
    {Campo::Binario, true, true},
    {Campo::Classe, true, true},
    {Campo::Fermate, true, false},
    {Campo::Indicazioni, true, true},
    {Campo::Note, true, true},
}};

void Memorizza(LettoreRighe& file, Campo campo, std::string_view valore, Treno& t) {
    switch (campo) {
        case Campo::Numero:
            t.NumeroTreno = valore;
            break;
        case Campo::Destinazione:
            t.Destinazione = valore;
            break;
        case Campo::Provenienza:
            t.Provenienza = valore;
            break;
        case Campo::Categoria:
            t.Categoria = valore;
            break;
        case Campo::OraArrivo:
        case Campo::OraPartenza: {
            const std::array<int, 3> ora = file.Tempo(valore, 2);
            t.Ora = static_cast<std::int16_t>(ora[0]);
            t.Minuto = static_cast<std::int16_t>(ora[1]);
            break;
        }
        case Campo::Binario:
            t.Binario = file.Intero(valore);
            break;
        case Campo::Classe:
            t.ClasseRitardo = file.Intero(valore);
            break;
        case Campo::Fermate:
            t.FermateSuccessive = valore;
            break;
        case Campo::Indicazioni:
            t.Indicazioni = file.Indicazioni(valore);
            break;
        case Campo::Note:
            t.Note = valore;
            break;
    }
}

// One record after its marker line. Types other than 0, 1 and 2 are skipped line by line by
// the caller, since none of their lines is a marker.
void LeggiRecord(LettoreRighe& file, OrarioLetto& letto, EstrattoreRitardi& estrattore) {
    const int tipo = file.Intero(file.Valore(file.LeggiNonCommento()));
    if (tipo < 0 || tipo > 2) return;
    const bool partenza = tipo != 1;
    Treno* p = partenza ? &file.NuovoTreno(letto.Partenze, true) : nullptr;
    Treno* a = tipo != 0 ? &file.NuovoTreno(letto.Arrivi, false) : nullptr;

    for (const Posizione& pos : kPosizioni) {
        if (pos.campo == Campo::Fermate && !partenza) continue;
        const std::string_view riga = file.LeggiNonCommento();
        Treno* per_partenza = pos.partenza ? p : nullptr;
        Treno* per_arrivo = pos.arrivo ? a : nullptr;
        if (!per_partenza && !per_arrivo) continue;  // an ignored line needs no "= "
        const std::string_view valore = file.Valore(riga);
        if (per_partenza) Memorizza(file, pos.campo, valore, *per_partenza);
        if (per_arrivo) Memorizza(file, pos.campo, valore, *per_arrivo);
        if (pos.campo != Campo::Classe) continue;
        if (p) estrattore.Ritardo_Casuale_Partenza(*p);
        // The arrival half of a train that also leaves carries the departure's delay.
        if (a) estrattore.Ritardo_Casuale_Arrivo(*a, partenza);
    }
    if (p) CalcolaOraEffettiva(*p);
    if (a) CalcolaOraEffettiva(*a);
}

}  // namespace

Esito<OrarioLetto> LeggiOrario(std::string_view byte, std::string_view nome,
                               EstrattoreRitardi& estrattore) {
    return EseguiLettura(byte, nome, [&](LettoreRighe& file, OrarioLetto& letto) {
        // Header lines are found by their first letter; anything else before them is skipped.
        letto.NomeStazione = file.Valore(file.LeggiInizio('S'));
        const std::array<int, 3> inizio = file.Tempo(file.Valore(file.LeggiInizio('O')), 2);
        letto.orologio.OraSimulazione = inizio[0];
        letto.orologio.MinutoSimulazione = inizio[1];
        letto.NumeroBinari = file.NumeroBinari(file.Valore(file.LeggiInizio('N')));

        // A line must follow the header; after that the file may end between records.
        do {
            if (file.Leggi() == kMarcatoreTreno) LeggiRecord(file, letto, estrattore);
        } while (!file.Fine());
    });
}

}  // namespace ardenvo
