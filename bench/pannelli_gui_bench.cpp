// The panel monitor's tick as the window runs it (rules and the copy into the labels) on full
// tables, and an announcement button from press to the last text handed to the engine.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <cstdlib>

#include "benchmark_qt.h"
#include "core/aiuti_file.h"
#include "mainwindow/main_window.h"
#include "mainwindow/servizi_finti.h"

namespace ardenvo {
namespace {

// A window with the full timetable opened through its menu, and its clock at a minute when no
// train is due, so that the tables keep their size from tick to tick.
std::unique_ptr<Form1> Completo(BancoProva& banco) {
    banco.casuale.valore = 0.37;
    auto form = banco.NuovoForm1();
    banco.dialogo.risposte = {QString::fromUtf8(ARDENVO_ORARIO_COMPLETO)};
    form->Controllo<QAction>(QStringLiteral("apri"))->trigger();
    const Orario& o = banco.sim->orario;
    if (o.NumeroPartenze != kPostiTabella) std::abort();
    prova::OrologioSenzaTreni(*banco.sim);
    form->show();
    return form;
}

void BM_PrimoTick(benchmark::State& stato) {
    BancoProva banco;
    auto form = Completo(banco);
    const Orario caricato = banco.sim->orario;
    for (auto _ : stato) {
        stato.PauseTiming();
        banco.sim->orario = caricato;  // in file order again
        stato.ResumeTiming();
        form->Timer3_Timer();
    }
}
BENCHMARK(BM_PrimoTick)->Unit(benchmark::kMicrosecond);

void BM_TickStabile(benchmark::State& stato) {
    BancoProva banco;
    auto form = Completo(banco);
    form->Timer3_Timer();
    for (auto _ : stato) form->Timer3_Timer();
    QCoreApplication::processEvents();
}
BENCHMARK(BM_TickStabile)->Unit(benchmark::kMicrosecond);

void BM_PressioneAnnuncioPartenza(benchmark::State& stato) {
    BancoProva banco;
    auto form = Completo(banco);
    form->Timer3_Timer();
    QPushButton* pulsante = form->Controllo<QPushButton>(QStringLiteral("annuncioprova"), 0);
    for (auto _ : stato) {
        banco.voce.testi.clear();
        pulsante->click();
        benchmark::DoNotOptimize(banco.voce.testi.data());
    }
    stato.counters["testi"] = static_cast<double>(banco.voce.testi.size());
}
BENCHMARK(BM_PressioneAnnuncioPartenza)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ardenvo

int main(int argc, char** argv) {
    return ardenvo::EseguiBenchmarkQt(argc, argv);
}
