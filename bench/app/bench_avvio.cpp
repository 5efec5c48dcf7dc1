// Start-up to the main window on screen: the start routine without the splash's deliberate wait, until
// the main window is exposed. Run under Xvfb (or offscreen) in a Release build.

#include "Avvio.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {
// Closing the program is not part of its start.
void Avvia(benchmark::State& stato) {
    for (auto _ : stato) {
        auto avvio = std::make_unique<Avvio>();
        if (!Main(*avvio, {0, std::chrono::milliseconds(0)}) ||
            !QTest::qWaitForWindowExposed(avvio->FinestraPrincipale.get()))
            stato.SkipWithError("the main window did not show");
        stato.PauseTiming();
        avvio.reset();
        QCoreApplication::processEvents();
        stato.ResumeTiming();
    }
}

// The first start in a process also loads fonts, plugins and the translation.
void AvvioAFreddo(benchmark::State& stato) {
    Avvia(stato);
}
BENCHMARK(AvvioAFreddo)->Iterations(1)->Unit(benchmark::kMillisecond);

void AvvioACaldo(benchmark::State& stato) {
    Avvia(stato);
}
BENCHMARK(AvvioACaldo)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    // Settings of its own, so that the benchmark neither reads nor changes the user's.
    QTemporaryDir cartella;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, cartella.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
