// Loading the full timetable, and saving and resuming a full simulation.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/aiuti_file.h"
#include "core/comandi_file.h"

namespace ardenvo {
namespace {

struct Stato {
    prova::SorgenteFissa sorgente{{0.1, 0.5, 0.8, 0.3}};
    EstrattoreRitardi estrattore{sorgente};
    Simulazione sim;
    StatoPannelli pannelli;
};

void CaricaOrarioCompleto(benchmark::State& state) {
    auto s = std::make_unique<Stato>();
    for (auto _ : state)
        if (!ApriScenario(s->sim, s->pannelli, ARDENVO_ORARIO_COMPLETO, s->estrattore))
            state.SkipWithError("the full timetable did not load");
}
BENCHMARK(CaricaOrarioCompleto)->Unit(benchmark::kMillisecond);

void SalvaSimulazioneCompleta(benchmark::State& state) {
    auto s = std::make_unique<Stato>();
    ApriScenario(s->sim, s->pannelli, ARDENVO_ORARIO_COMPLETO, s->estrattore);
    prova::CartellaProva cartella;
    for (auto _ : state)
        if (SalvaSimulazione(s->sim, cartella / "completa.vkz")) state.SkipWithError("save failed");
}
BENCHMARK(SalvaSimulazioneCompleta)->Unit(benchmark::kMillisecond);

void RiprendiSimulazioneCompleta(benchmark::State& state) {
    auto s = std::make_unique<Stato>();
    ApriScenario(s->sim, s->pannelli, ARDENVO_ORARIO_COMPLETO, s->estrattore);
    prova::CartellaProva cartella;
    SalvaSimulazione(s->sim, cartella / "completa.vkz");
    for (auto _ : state)
        if (!ApriSalvataggio(s->sim, s->pannelli, cartella / "completa.vkz"))
            state.SkipWithError("the saved simulation did not load");
}
BENCHMARK(RiprendiSimulazioneCompleta)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ardenvo

BENCHMARK_MAIN();
