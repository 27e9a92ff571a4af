#pragma once
// BENCHMARK_MAIN for the programs that need Qt's widgets: offscreen unless told otherwise.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#define ARDENVO_BENCHMARK_MAIN_QT()                \
    int main(int argc, char** argv) {              \
        setenv("QT_QPA_PLATFORM", "offscreen", 0); \
        QApplication app(argc, argv);              \
        benchmark::Initialize(&argc, argv);        \
        benchmark::RunSpecifiedBenchmarks();       \
        benchmark::Shutdown();                     \
        return 0;                                  \
    }
