#pragma once
// The station's running simulation: timetable, clock and board rows, shared by every window.

#include <array>
#include <cstdint>
#include <string>

namespace ardenvo {

inline constexpr int kPostiTabella = 1001;     // slots 0..1000 of each train table
inline constexpr int kBinari = 23;             // platform boards of the main window
inline constexpr int kCelleDestinazione = 14;  // letter tiles of a platform board
inline constexpr std::int16_t OraVuota = 24;   // hour code drawn as blank tiles
inline constexpr std::int16_t MinutoVuoto = 60;

// One train or replacement bus of a table. A value: copied whole by the sort and the removal.
struct Treno {
    std::string NumeroTreno;
    std::string Destinazione;  // empty in a departure slot that holds no train
    std::string Provenienza;   // empty in an arrival slot that holds no train
    std::string Categoria;     // "Autobus" marks a replacement bus
    std::int16_t ClasseRitardo = 0;
    std::int16_t Ora = 0;
    std::int16_t OraEffettiva = 0;
    std::int16_t Minuto = 0;
    std::int16_t MinutoEffettivo = 0;
    std::int16_t Binario = 0;
    std::int16_t Ritardo = 0;
    bool PartenzaCinqueMinuti = false;
    std::string FermateSuccessive;
    std::int16_t Indicazioni = 0;
    std::string Note;

    bool operator==(const Treno&) const = default;
};

using TabellaTreni = std::array<Treno, kPostiTabella>;

// Everything a timetable or saved-simulation load replaces, apart from the clock.
struct Orario {
    TabellaTreni Partenze;
    TabellaTreni Arrivi;
    int NumeroPartenze = 0;
    int NumeroArrivi = 0;
    std::string NomeStazione;
    std::int16_t NumeroBinari = kBinari;

    bool operator==(const Orario&) const = default;
};

struct Orologio {
    int OraSimulazione = 0;
    int MinutoSimulazione = 0;
    int SecondoSimulazione = 0;

    bool operator==(const Orologio&) const = default;
};

// One platform board: the code each tile shows now and the code it turns to.
struct RigaBinario {
    std::array<std::int16_t, kCelleDestinazione> CodiciLettere{};
    std::array<std::int16_t, kCelleDestinazione> CodiciLettereFinali{};
    std::int16_t CodiceCategoria = 0;
    std::int16_t CodiceCategoriaFinale = 0;
    std::int16_t RitardoMinuti = 0;
    std::int16_t RitardoMinutiFinale = 0;
    std::int16_t OraPartenza = 0;
    std::int16_t OraPartenzaFinale = 0;
    std::int16_t MinutoPartenza = 0;
    std::int16_t MinutoPartenzaFinale = 0;
    std::int16_t CodiceIndicazioni = 0;
    std::int16_t CodiceIndicazioniFinale = 0;
    bool RigaLibera = false;
    bool RigaAttiva = false;
    bool PulsantiSospesi = false;

    bool operator==(const RigaBinario&) const = default;
};

using RigheBinari = std::array<RigaBinario, kBinari>;

inline constexpr int kRigheQuadro = 10;    // rows of a central board, 0 at the top
inline constexpr int kLettereQuadro = 20;  // letter tiles of a central board's row

// One row of a central board: for every field the code shown now (Mostrata, Mostrato, Mostrate)
// and the code its flaps turn to (Finale, Finali), the entry texts the final codes came from,
// and whether it is free.
struct RigaQuadro {
    std::string TestoDestinazione;  // destination or origin as typed, lower-cased
    std::array<std::string, kLettereQuadro> Caratteri{};  // one character each, empty past the end
    std::array<std::int16_t, kLettereQuadro> LettereMostrate{};
    std::array<std::int16_t, kLettereQuadro> LettereFinali{};
    std::string TestoRitardo;
    std::int16_t RitardoMostrato = 0;
    std::int16_t RitardoFinale = 0;
    std::string TestoCategoria;
    std::int16_t CategoriaMostrata = 0;
    std::int16_t CategoriaFinale = 0;
    std::int16_t OraMostrata = 0;
    std::int16_t OraFinale = 0;
    std::int16_t MinutoMostrato = 0;
    std::int16_t MinutoFinale = 0;
    std::string TestoIndicazioni;
    std::int16_t IndicazioniMostrate = 0;
    std::int16_t IndicazioniFinali = 0;
    std::int16_t BinarioMostrato = 0;  // 0 blank, 1..23 platform, 24..46 provisional (code - 23)
    std::int16_t BinarioFinale = 0;
    bool Libera = false;  // holds no train

    bool operator==(const RigaQuadro&) const = default;
};

using RigheQuadro = std::array<RigaQuadro, kRigheQuadro>;

// A central board: its rows and the variables of its window, which outlive the window.
struct QuadroCentrale {
    RigheQuadro Righe{};
    int Indice = 0;           // current row index: the row the board's procedures act on
    bool PrimoAvvio = false;  // the rows still wait for their first initialisation
    // What "Aggiorna Tutto" saved of this board's rows; each board has its own.
    RigheQuadro RigheSalvate{};
    // Animation step counter and mode; no flag set means the single row `Indice`.
    std::int16_t contatime = 0;
    bool spostasu = false;
    bool spostagiu = false;
    bool spostatutto = false;
    bool basta = false;  // "Aggiorna Tutto" is in its compaction phase
    // The animation timer runs, or, while the window is closed, waits for it to open.
    bool Timer1 = false;

    bool operator==(const QuadroCentrale&) const = default;
};

// The one state object of a run, created in main() and handed by reference to the windows.
struct Simulazione {
    Orario orario;
    Orologio orologio;
    RigheBinari binari;
    // Current record of each table: set by a panel button right before the record is used.
    int IndicePartenze = 0;
    int IndiceArrivi = 0;
    // The central departures and arrivals boards.
    QuadroCentrale QuadroPartenze;
    QuadroCentrale QuadroArrivi;
    std::string FileSalvataggio;
};

}  // namespace ardenvo
