// From the start of the process to the main window shown with all 23 boards drawn, and the
// peak memory of a run at that point.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QWindow>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include "mainwindow/applicazione.h"

namespace {

// Seconds since boot at which this process started, as the kernel recorded it.
double AvvioProcesso() {
    std::ifstream stat("/proc/self/stat");
    std::string riga;
    std::getline(stat, riga);
    // Field 22 counts from the closing parenthesis of the command name (field 2).
    std::size_t pos = riga.rfind(')') + 2;
    for (int campo = 3; campo < 22; ++campo) pos = riga.find(' ', pos) + 1;
    return std::stod(riga.substr(pos)) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double Adesso() {
    timespec t{};
    clock_gettime(CLOCK_BOOTTIME, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Counts the paint events of one widget.
class ContaDisegni : public QObject {
  public:
    int disegni = 0;
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) ++disegni;
        return false;
    }
};

double msAvvio = 0, msDaMain = 0, picoMb = 0;

void BM_Avvio(benchmark::State& stato) {
    for (auto _ : stato) benchmark::DoNotOptimize(msAvvio);
    stato.counters["ms_dall_avvio_del_processo"] = msAvvio;
    stato.counters["ms_da_main"] = msDaMain;
    stato.counters["picco_MB"] = picoMb;
}
BENCHMARK(BM_Avvio)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    const double inizioMain = Adesso();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    {
        ardenvo::Applicazione ardenvo(app);
        ardenvo::Form1& form = ardenvo.finestra();
        // The last tile of the last board: once it has been painted, every board has.
        ContaDisegni conta;
        form.Controllo<QWidget>(QStringLiteral("indicazioni23"))->installEventFilter(&conta);
        form.show();
        while (conta.disegni == 0 || !form.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const double fine = Adesso();
        msAvvio = (fine - AvvioProcesso()) * 1000;
        msDaMain = (fine - inizioMain) * 1000;
        rusage uso{};
        getrusage(RUSAGE_SELF, &uso);
        picoMb = static_cast<double>(uso.ru_maxrss) / 1024.0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
