// Sampling of a 500 s motion and of a 10^6 s one (both fill the list), a full view of 50,000 points on
// a 1600 x 1000 plot (labels and grid included, painted) and one collimator move over it (clear,
// nearest sample, two lines, readouts, repaint).
#include "Campionamento.h"
#include "Grafico.h"
#include "Velantra.h"
#include "XYPoli.h"
#include "frmGrafico.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

Velantra Moto500s() {
    Velantra moto;
    moto.T1 = 100;
    moto.T2 = 300;
    moto.Vm = 1;
    return moto;
}

void Campionamento(benchmark::State& stato) {
    Velantra moto = Moto500s();
    const double scala = static_cast<double>(stato.range(0)) / 500;
    moto.T1 *= scala;
    moto.T2 *= scala;
    auto punti = std::make_unique<XYPoli>();
    for (auto _ : stato) {
        punti->Vuota();
        CampionaVelocita(*punti, moto, 0.01f);
        benchmark::DoNotOptimize(punti->NumeroElementi());
    }
    stato.counters["punti"] = punti->NumeroElementi();
}
BENCHMARK(Campionamento)->Arg(500)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A graph window whose plot measures 1600 x 1000 pixels, showing the 500 s curve with the grid on.
struct Banco {
    Velantra moto = Moto500s();
    std::unique_ptr<XYPoli> punti = std::make_unique<XYPoli>();
    Grafico grafico;
    frmGrafico finestra{*punti, grafico, moto};

    Banco() {
        CampionaVelocita(*punti, moto, grafico.StepTempo);
        grafico.StatoDisegniGrafico = Grafico::BitGriglia;
        finestra.resize(finestra.size() + QSize(1600, 1000) - finestra.Picture1().size());
        finestra.show();
        QApplication::processEvents();
    }
};

void VistaIntera(benchmark::State& stato) {
    Banco banco;
    QAction* disegna = banco.finestra.Pulsante(QStringLiteral("Disegna"));
    for (auto _ : stato) {
        disegna->trigger();
        QApplication::processEvents(); // the paint of the new picture
    }
    stato.counters["larghezza"] = banco.finestra.Picture1().width();
    stato.counters["altezza"] = banco.finestra.Picture1().height();
}
BENCHMARK(VistaIntera)->Unit(benchmark::kMillisecond);

void MossaCollimatore(benchmark::State& stato) {
    Banco banco;
    SuperficieDisegno& piano = banco.finestra.Picture1();
    banco.finestra.Pulsante(QStringLiteral("Tracciatore"))->trigger();
    int x = 100;
    for (auto _ : stato) {
        x = x == 100 ? 1400 : 100; // far apart, so each move repaints two fresh strips
        const QPointF punto(x, 500);
        QMouseEvent mossa(QEvent::MouseMove, punto, piano.mapToGlobal(punto), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&piano, &mossa);
        QApplication::processEvents(); // the repaint of the plot and the readouts
    }
}
BENCHMARK(MossaCollimatore)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
