// Start-up to the main window on screen: the start routine without the splash's deliberate wait, until
// the main window is exposed; and "Esempio" to the drawn graph. Run under Xvfb (or offscreen) in a
// Release build.

#include "Avvio.h"
#include "Dialoghi.h"
#include "ModelloGrafico.h"
#include "Simulazione.h"
#include "frmGrafico.h"
#include "frmMain.h"

#include <QAction>
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
// "Esempio" on a main window of 1600 x 1000, whole: nothing asked at an empty start, the example typed in,
// calculated and sampled, the three windows opened and the graph laid out, drawn and painted on screen.
struct SempreSi : Dialoghi {
    void Messaggio(const QString&, const QString&, Icona, const QString&) override {}
    bool MessaggioConAlternativa(const QString&, const QString&, const QString&, Icona,
                                 const QString&) override {
        return false;
    }
    bool Conferma(const QString&, const QString&) override { return true; }
    Risposta SiNoAnnulla(const QString&, const QString&) override { return Risposta::No; }
    QString NomeFileApri(const QString&, const QStringList&) override { return {}; }
    QString NomeFileSalva(const QString&, const QStringList&, QString*) override { return {}; }
    std::optional<QSize> Dimensione(const QString&, QSize) override { return std::nullopt; }
    bool Stampa(QPrinter&, const QString&) override { return false; }
    std::unique_ptr<Avanzamento> Avanza(const QString&, const QString&) override { return nullptr; }
};

void Esempio(benchmark::State& stato) {
    Simulazione simulazione;
    QString intestazione;
    SempreSi dialoghi;
    frmMain finestra(simulazione, intestazione, &dialoghi);
    finestra.setGeometry(0, 0, 1600, 1000);
    finestra.show();
    if (!QTest::qWaitForWindowExposed(&finestra))
        stato.SkipWithError("the main window did not show");
    QAction* esempio = finestra.findChild<QAction*>(QStringLiteral("Esempio"));
    for (auto _ : stato) {
        esempio->trigger();
        QCoreApplication::processEvents(); // the paint of the three windows
        auto* grafico = finestra.findChild<frmGrafico*>();
        if (!grafico || !grafico->Disposizione().disegnata)
            stato.SkipWithError("no graph drawn");
    }
}
// Each repetition on a fresh main window: the first "Esempio", which opens the three windows.
BENCHMARK(Esempio)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);
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
