// One tick of the flap animation on the real main window: a whole board drawn (every tile's
// picture read from disk and set), then stepped. The timer allows 100 ms.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "benchmark_qt.h"
#include "boards/immissione.h"
#include "mainwindow/main_window.h"
#include "mainwindow/servizi_finti.h"

namespace ardenvo {
namespace {

// A train whose every field turns for many ticks, the delay hours word included.
void Riparti(Form1& form) {
    RigaBinario& riga = form.simulazione().binari[0];
    riga = RigaBinario{};
    riga.RigaLibera = true;
    Inserisci(form.animazione(), {.Destinazione = "Reggio Calabri",
                                  .Categoria = "Intercity Notte",
                                  .Indicazioni = "Sola 2a classe + Cuccette",
                                  .Ritardo = "3'50",
                                  .Ora = 23,
                                  .Minuto = 59,
                                  .Binario = 1});
}

// With `dipinto`, the tick is followed by the repaint it asks for: the pictures scaled into
// their tiles and the window's backing store updated.
void BM_Timer2_Timer(benchmark::State& stato) {
    const bool dipinto = stato.range(0) != 0;
    BancoProva banco;
    auto form = banco.NuovoForm1();
    form->show();
    QCoreApplication::processEvents();
    Riparti(*form);
    for (auto _ : stato) {
        form->Timer2_Timer();
        if (dipinto) QCoreApplication::processEvents();
        if (form->animazione().InCorso()) continue;
        stato.PauseTiming();
        Riparti(*form);
        stato.ResumeTiming();
    }
    QCoreApplication::processEvents();
}
BENCHMARK(BM_Timer2_Timer)->ArgName("dipinto")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ardenvo

int main(int argc, char** argv) {
    return ardenvo::EseguiBenchmarkQt(argc, argv);
}
