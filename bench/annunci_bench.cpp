// Announcement timings: a button press up to the last text handed to the engine, and the
// synthesis of the longest departure announcement against its spoken length.

#include <benchmark/benchmark.h>

#include "announce/annunci.h"
#include "announce/sintesi_espeak.h"
#include "announce/voce_registrata.h"
#include "core/ritardi.h"

namespace ardenvo {
namespace {

// Longer than any departure of the sample timetables: long category, destination and stops,
// and a delay spoken in hours and minutes.
Treno PartenzaPiuLunga() {
    Treno t;
    t.NumeroTreno = "1961-B";
    t.Destinazione = "Reggio Calabria Centrale";
    t.Categoria = "Intercity Notte";
    t.Ora = 23;
    t.Minuto = 47;
    t.Binario = 14;
    t.Ritardo = 170;
    t.FermateSuccessive =
        "Montevarchi,Arezzo,Camucia,Chiusi,Orvieto,Orte,Roma Termini,Latina,Formia,Napoli "
        "Centrale,Salerno,Sapri,Paola,Lamezia Terme,Vibo Pizzo,Rosarno,Villa San Giovanni,.";
    return t;
}

void PressioneFinoAllUltimoTesto(benchmark::State& state) {
    Orario orario;
    Cancella_Orario(orario);
    orario.Partenze[3] = PartenzaPiuLunga();
    VoceRegistrata voce;
    voce.testi.reserve(4);
    for (auto _ : state) {
        voce.testi.clear();
        Annuncio_Partenza(orario.Partenze[3], voce);
        benchmark::DoNotOptimize(voce.testi.data());
    }
    state.counters["testi"] = static_cast<double>(voce.testi.size());
}
BENCHMARK(PressioneFinoAllUltimoTesto)->Unit(benchmark::kMicrosecond);

void SintesiPartenzaPiuLunga(benchmark::State& state) {
    VoceRegistrata voce;
    Annuncio_Partenza(PartenzaPiuLunga(), voce);
    std::string errore;
    SintetizzaItaliano("avvio", errore);  // the library's start-up is not part of an announcement
    double secondiParlati = 0;
    for (auto _ : state) {
        for (const std::string& testo : voce.testi) {
            const auto audio = SintetizzaItaliano(testo, errore);
            if (!audio) {
                state.SkipWithError(errore.c_str());
                return;
            }
            secondiParlati += audio->Secondi();
        }
    }
    // Seconds of speech made per second of work: how many times faster than real time.
    state.counters["volte_tempo_reale"] =
        benchmark::Counter(secondiParlati, benchmark::Counter::kIsRate);
    state.counters["secondi_parlati"] = secondiParlati / static_cast<double>(state.iterations());
}
BENCHMARK(SintesiPartenzaPiuLunga)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace ardenvo

BENCHMARK_MAIN();
