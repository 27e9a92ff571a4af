// The clock's cost per draw, and how closely the simulated clock keeps its nominal speed.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QTimer>
#include <cstdlib>

#include "core/orologio.h"
#include "mainwindow/main_window.h"
#include "mainwindow/servizi_finti.h"
#include "principale_qt.h"

namespace ardenvo {
namespace {

// Draws plain digit pictures where the tile folder has none yet, so that every draw really
// decodes a JPEG; returns how many were missing.
int CifreSostitutive(const Form1& form) {
    int mancanti = 0;
    for (int cifra = 0; cifra < 10; ++cifra) {
        const QString percorso = form.PercorsoTessera(std::to_string(cifra) + ".jpg");
        if (QFileInfo::exists(percorso)) continue;
        QDir().mkpath(QFileInfo(percorso).absolutePath());
        QImage immagine(33, 51, QImage::Format_RGB32);
        immagine.fill(QColor(61, 71, 83));
        immagine.save(percorso, "JPG");
        ++mancanti;
    }
    return mancanti;
}

void BM_ImmaginiTempo(benchmark::State& stato) {
    BancoProva banco;
    auto form = banco.NuovoForm1();
    form->show();
    static const int sostitutive = CifreSostitutive(*form);  // counted at the first run only
    stato.counters["cifre_sostitutive"] = sostitutive;
    for (auto _ : stato) {
        AvanzaUnSecondo(banco.sim->orologio);
        form->ImmaginiTempo();
    }
    QCoreApplication::processEvents();
}
BENCHMARK(BM_ImmaginiTempo)->Unit(benchmark::kMicrosecond);

// The real window at speed index `Clicca`, running for 10 s of real time.
void BM_FedeltaOrologio(benchmark::State& stato) {
    const int clicca = static_cast<int>(stato.range(0));
    constexpr int kFattori[] = {1, 2, 5, 10, 20, 60, 100};
    const int fattore = kFattori[clicca];
    const int intervallo = ElencoVelocita[static_cast<std::size_t>(clicca)].Intervallo;
    const double secondiReali = 10.0;
    for (auto _ : stato) {
        BancoProva banco;
        auto form = banco.NuovoForm1();
        form->show();
        CifreSostitutive(*form);
        for (int i = 0; i < clicca; ++i) form->Command2_Click();
        form->Command1_Click();
        QEventLoop attesa;
        QElapsedTimer cronometro;
        cronometro.start();
        QTimer::singleShot(static_cast<int>(secondiReali * 1000), Qt::PreciseTimer, &attesa,
                           &QEventLoop::quit);
        attesa.exec();
        const double trascorsi = cronometro.nsecsElapsed() / 1e9;
        const Orologio& o = banco.sim->orologio;
        const int simulati =
            o.OraSimulazione * 3600 + o.MinutoSimulazione * 60 + o.SecondoSimulazione;
        stato.SetIterationTime(trascorsi);
        stato.counters["fattore"] = fattore;
        stato.counters["secondi_simulati"] = simulati;
        // Against the nominal speed, and against the ticks the interval allows (17 ms at 60x
        // gives 58.8 ticks a second, not 60).
        stato.counters["fedelta"] = simulati / (trascorsi * fattore);
        stato.counters["fedelta_intervallo"] = simulati * intervallo / (trascorsi * 1000);
    }
}
BENCHMARK(BM_FedeltaOrologio)
    ->Arg(6)
    ->Arg(5)
    ->Arg(3)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace ardenvo

ARDENVO_BENCHMARK_MAIN_QT()
