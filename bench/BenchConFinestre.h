#pragma once

// The main of a benchmark that drives windows: offscreen unless the caller chose a platform.

#include <QApplication>
#include <benchmark/benchmark.h>

inline int EseguiConFinestre(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
