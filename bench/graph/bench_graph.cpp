// Sampling of a 500 s motion and of a 10^6 s one (both fill the list); on a graph window whose plot
// measures 1600 x 1000 pixels with 50,000 points: the full view (layout, labels, grid, painted), one
// wheel-zoom step and one pan step (the view laid out and painted again), one collimator move (nearest
// sample, cross, readouts, repaint); a plot of four series of 2000 points laid out and painted; the
// laws window's plot of four laws built, laid out and painted.
#include "../BenchConFinestre.h"
#include "Campionamento.h"
#include "GraficiLeggi.h"
#include "Grafico.h"
#include "GraficoSerie.h"
#include "ModelloGrafico.h"
#include "PianoGrafico.h"
#include "Velantra.h"
#include "VistaMoto.h"
#include "XYPoli.h"
#include "frmGrafico.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <numbers>

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
        finestra.show();
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
            finestra.resize(finestra.size() + QSize(1600, 1000) - Piano());
        }
        QApplication::processEvents();
    }
    QSize Piano() const { return finestra.Disposizione().cornice.area.size().toSize(); }
    PianoGrafico& Superficie() { return *finestra.findChild<PianoGrafico*>(); }
    QPointF Centro() const { return finestra.Disposizione().cornice.area.center(); }
};

void VistaIntera(benchmark::State& stato) {
    Banco banco;
    QAction* disegna = banco.finestra.Azione(ComandoGrafico::Disegna);
    for (auto _ : stato) {
        disegna->trigger();
        QApplication::processEvents(); // the paint of the new picture
    }
    stato.counters["larghezza"] = banco.Piano().width();
    stato.counters["altezza"] = banco.Piano().height();
}
BENCHMARK(VistaIntera)->Unit(benchmark::kMillisecond);

// Alternately in and out, so that the view stays near the whole curve and every step draws 50,000 points.
void PassoRotella(benchmark::State& stato) {
    Banco banco;
    PianoGrafico& piano = banco.Superficie();
    int verso = 120;
    for (auto _ : stato) {
        verso = -verso;
        QWheelEvent rotella(banco.Centro(), piano.mapToGlobal(banco.Centro()), {}, QPoint(0, verso),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&piano, &rotella);
        QApplication::processEvents();
    }
}
BENCHMARK(PassoRotella)->Unit(benchmark::kMillisecond);

void PassoSpostamento(benchmark::State& stato) {
    Banco banco;
    PianoGrafico& piano = banco.Superficie();
    const QPointF centro = banco.Centro();
    QMouseEvent premi(QEvent::MouseButtonPress, centro, piano.mapToGlobal(centro), Qt::MiddleButton,
                      Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(&piano, &premi);
    int verso = 20;
    for (auto _ : stato) {
        verso = -verso;
        const QPointF punto = centro + QPointF(verso, 0);
        QMouseEvent mossa(QEvent::MouseMove, punto, piano.mapToGlobal(punto), Qt::NoButton, Qt::MiddleButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&piano, &mossa);
        QApplication::processEvents();
    }
}
BENCHMARK(PassoSpostamento)->Unit(benchmark::kMillisecond);

// The plot model alone: the full view of 50,000 points with labels and grid laid out and painted on an
// image of 1600 x 1000 pixels, as the matplotlib figure of bench/graph/confronto.py is.
void ImmagineIntera(benchmark::State& stato) {
    Velantra moto = Moto500s();
    auto punti = std::make_unique<XYPoli>();
    CampionaVelocita(*punti, moto, 0.01f);
    Grafico grafico;
    CalcolaVistaIntera(grafico, *punti);
    grafico.StatoDisegniGrafico = Grafico::BitGriglia;
    const DatiGrafico dati{*punti, moto, grafico};
    for (auto _ : stato)
        benchmark::DoNotOptimize(ImmagineGrafico(dati, QSize(1600, 1000)).constBits());
    stato.counters["punti"] = punti->NumeroElementi();
}
BENCHMARK(ImmagineIntera)->Unit(benchmark::kMillisecond);

// Four laws of motion as the laws window shows them, each of 2000 points in its colour and line, the
// last an acceleration with its jumps, laid out with the legend and painted on an image of 1600 x 1000.
void SerieImmagine(benchmark::State& stato) {
    GraficoSerie g{.x = {.nome = "t [sec]"}, .y = {.nome = "v(t) [m/sec]"}};
    const QColor colori[] = {Qt::black, QColor(0, 80, 200), QColor(190, 90, 0), Qt::darkGreen};
    for (int k = 0; k < 4; ++k) {
        QPolygonF punti;
        for (int i = 0; i < 2000; ++i) {
            const double t = i / 1999.0;
            const double salita = (1 - std::cos(2 * std::numbers::pi * t)) * (1 + k / 10.0);
            const double gradino = t < 0.25 ? 4 : t < 0.75 ? 0 : -4;
            punti << QPointF(t, k < 3 ? salita : gradino);
            if (k == 3 && (i == 499 || i == 1499)) // the jumps, upright
                punti << QPointF(t, i == 499 ? 0 : -4);
        }
        g.serie.push_back({.nome = QStringLiteral("Legge %1").arg(k + 1),
                           .punti = punti,
                           .colore = colori[k],
                           .stile = Qt::PenStyle(Qt::SolidLine + k)});
    }
    const GraficoAMisura grafico = SerieAMisura(g);
    for (auto _ : stato)
        benchmark::DoNotOptimize(ImmagineGrafico(grafico, QSize(1600, 1000)).constBits());
    stato.counters["punti"] = 4 * 2000;
}
BENCHMARK(SerieImmagine)->Unit(benchmark::kMillisecond);

// The laws window's plot itself: the curves of four laws of the worked example (the trapezoid, the
// cycloidal, the 3-4-5 and the jerk-limited law) built from their closed forms, laid out and painted
// on an image of 1600 x 1000.
void LeggiImmagine(benchmark::State& stato) {
    const Velantra moto{.S1 = .25, .S2 = 1.5, .Stot = 2, .T1 = 1, .T2 = 3, .Ttot = 5, .Acc = .5, .Vm = .5};
    const ConfrontoLeggi confronto = *ConfrontaLeggi(moto, std::nullopt, JerkPredefinito(moto)).Confronto;
    const std::vector<int> leggi{LeggeTrapezioMoto, LeggeCicloidale, LeggePolinomiale345, LeggeJerkLimitato};
    for (auto _ : stato) {
        const GraficoAMisura grafico =
            SerieAMisura(GraficoLeggi(confronto, leggi, GrandezzaLegge::Accelerazione));
        benchmark::DoNotOptimize(ImmagineGrafico(grafico, QSize(1600, 1000)).constBits());
    }
}
BENCHMARK(LeggiImmagine)->Unit(benchmark::kMillisecond);

void MossaCollimatore(benchmark::State& stato) {
    Banco banco;
    PianoGrafico& piano = banco.Superficie();
    banco.finestra.Azione(ComandoGrafico::Tracciatore)->trigger();
    const QRectF area = banco.finestra.Disposizione().cornice.area;
    double x = area.left() + 100;
    for (auto _ : stato) {
        x = x == area.left() + 100 ? area.left() + 1400 : area.left() + 100; // far apart: two fresh strips
        const QPointF punto(x, area.top() + 500);
        QMouseEvent mossa(QEvent::MouseMove, punto, piano.mapToGlobal(punto), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&piano, &mossa);
        QApplication::processEvents(); // the repaint of the plot and the readouts
    }
}
BENCHMARK(MossaCollimatore)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return EseguiConFinestre(argc, argv);
}
