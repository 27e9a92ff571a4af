// The central departures board on its real window: one tick of an animation of all ten rows
// (every tile's picture read from disk and set, about 300 of them) against the 100 ms timer, and
// the opening of a board whose ten rows hold trains.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "benchmark_qt.h"
#include "central/quadro_window.h"
#include "mainwindow/main_window.h"
#include "mainwindow/servizi_finti.h"

namespace ardenvo {
namespace {

// Ten trains with all 20 letters, each at rest when `aRiposo`, else shown blank and turning.
void Riempi(QuadroCentrale& quadro, bool aRiposo) {
    for (int r = 0; r < kRigheQuadro; ++r) {
        RigaQuadro& riga = quadro.Righe[r];
        riga = RigaQuadro{};
        for (int c = 0; c < kLettereQuadro; ++c)
            riga.LettereFinali[c] = static_cast<std::int16_t>(1 + (c + r) % 29);
        riga.CategoriaFinale = static_cast<std::int16_t>(1 + r);
        riga.OraFinale = static_cast<std::int16_t>(23 - r);
        riga.MinutoFinale = 59;
        riga.RitardoFinale = 230;
        riga.IndicazioniFinali = static_cast<std::int16_t>(r);
        riga.BinarioFinale = static_cast<std::int16_t>(46 - r);
        riga.OraMostrata = OraVuota;
        riga.MinutoMostrato = MinutoVuoto;
        if (aRiposo) MostraFinaliDi(riga, riga);
    }
}

// All ten rows turn from blank, as after trains stored while the window was closed.
void Riparti(FormQuadro& finestra) {
    QuadroCentrale& quadro = finestra.quadro();
    Riempi(quadro, false);
    quadro.spostatutto = quadro.basta = true;
    quadro.contatime = 0;
    quadro.Timer1 = true;
    finestra.AvviaTimer();
}

// With `dipinto`, the tick is followed by the repaint it asks for.
void BM_Timer1_Timer(benchmark::State& stato) {
    const bool dipinto = stato.range(0) != 0;
    BancoProva banco;
    auto form = banco.NuovoForm1();
    form->quadro_Click(0);
    FormQuadro* finestra = form->QuadroAperto(QualeQuadro::Partenze);
    QCoreApplication::processEvents();
    Riparti(*finestra);
    for (auto _ : stato) {
        finestra->Timer1_Timer();
        if (dipinto) QCoreApplication::processEvents();
        if (finestra->Timer1.isActive()) continue;
        stato.PauseTiming();
        Riparti(*finestra);
        stato.ResumeTiming();
    }
    finestra->close();
    QCoreApplication::processEvents();
}
BENCHMARK(BM_Timer1_Timer)->ArgName("dipinto")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// From the menu item to the window painted with its ten trains.
void BM_quadro_Click(benchmark::State& stato) {
    BancoProva banco;
    auto form = banco.NuovoForm1();
    banco.sim->QuadroPartenze.PrimoAvvio = false;
    Riempi(banco.sim->QuadroPartenze, true);
    for (auto _ : stato) {
        form->quadro_Click(0);
        QCoreApplication::processEvents();
        stato.PauseTiming();
        form->QuadroAperto(QualeQuadro::Partenze)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        stato.ResumeTiming();
    }
}
BENCHMARK(BM_quadro_Click)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ardenvo

int main(int argc, char** argv) {
    return ardenvo::EseguiBenchmarkQt(argc, argv);
}
