#pragma once
// The main() of a benchmark program that drives Qt windows: offscreen unless the caller's
// environment names a platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

namespace ardenvo {

inline int EseguiBenchmarkQt(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace ardenvo
