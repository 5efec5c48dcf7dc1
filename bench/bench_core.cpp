// Time of each solver on the reference profile, of the number texts, of the laws compared, of one
// sizing with its motor (what the sizing window does at each keystroke) and of ranking a catalogue of
// 10,000 motors.
#include "CatalogoMotori.h"
#include "ConfrontoLeggi.h"
#include "Documento.h"
#include "PianoCoppiaVelocita.h"
#include "RapportoOttimo.h"
#include "TestiNumerici.h"
#include "Velantra.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

template <void (Velantra::*Solutore)()> void Solve(benchmark::State& stato) {
    Velantra m;
    m.S1 = 0.25;
    m.Stot = 2;
    m.T1 = 1;
    m.T2 = 3;
    m.Ttot = 5;
    m.Acc = 0.5;
    m.Vm = 0.5;
    for (auto _ : stato) {
        benchmark::DoNotOptimize(&m);
        (m.*Solutore)();
        benchmark::ClobberMemory();
    }
}

BENCHMARK(Solve<&Velantra::VmT2St>)->Name("VmT2St");
BENCHMARK(Solve<&Velantra::VmTtSt>)->Name("VmTtSt");
BENCHMARK(Solve<&Velantra::VmTtT1>)->Name("VmTtT1");
BENCHMARK(Solve<&Velantra::VmTtA>)->Name("VmTtA");
BENCHMARK(Solve<&Velantra::VmTtS1>)->Name("VmTtS1");
BENCHMARK(Solve<&Velantra::StVmT1>)->Name("StVmT1");
BENCHMARK(Solve<&Velantra::StVmA>)->Name("StVmA");
BENCHMARK(Solve<&Velantra::StVmS1>)->Name("StVmS1");
BENCHMARK(Solve<&Velantra::StTtT1>)->Name("StTtT1");
BENCHMARK(Solve<&Velantra::StTtA>)->Name("StTtA");
BENCHMARK(Solve<&Velantra::StTtS1>)->Name("StTtS1");

void Testo(benchmark::State& stato) {
    double v = 1.0 / 3;
    for (auto _ : stato)
        benchmark::DoNotOptimize(TestoNumero(ArrotondaPari(v, 5), ','));
}
BENCHMARK(Testo)->Name("ArrotondaPari+TestoNumero");

// The whole table of the ten laws for the worked example, sized on a ball screw with a dwell.
void Leggi(benchmark::State& stato) {
    const Velantra moto{.S1 = .25, .S2 = 1.5, .Stot = 2, .T1 = 1, .T2 = 3, .Ttot = 5, .Acc = .5, .Vm = .5};
    const DatiAsse asse{.Massa = 50,
                        .Passo = .01,
                        .Rendimento = .9,
                        .Attrito = .01,
                        .InerziaMotore = 1e-4,
                        .InerziaTrasmissione = 2e-5,
                        .Sosta = .5};
    for (auto _ : stato)
        benchmark::DoNotOptimize(ConfrontaLeggi(moto, asse, JerkPredefinito(moto)));
}
BENCHMARK(Leggi)->Name("ConfrontaLeggi+dimensionamento")->Unit(benchmark::kMillisecond);

// The worked example with its motor.
const Velantra MotoEsempio{.T1 = .25, .T2 = .5, .Vm = .5 / .75};
const DatiDocumento Esempio =
    *LeggiDocumento("2,.125,.25,.5,.25,.5,1,.666666666666667,2.66666666666667\r\nmassa=50,passo=0.01,"
                    "rendimento=0.9,attrito=0.01,inerzia_motore=1e-4,inerzia_trasmissione=2e-5,sosta=0.5,"
                    "coppia_nominale=0.32,coppia_massima=0.96,velocita_massima=6000")
         .dati;

void Ricalcolo(benchmark::State& stato) {
    for (auto _ : stato) {
        const auto r = Dimensiona(MotoEsempio, *Esempio.Asse);
        benchmark::DoNotOptimize(RigaGiudizio(GiudicaMotore(*r, *Esempio.Asse, *Esempio.Motore), ','));
        benchmark::DoNotOptimize(CurvaDelRapporto(*r, *Esempio.Asse, *Esempio.Motore, 100));
        benchmark::DoNotOptimize(PianoDiLavoro(*r, *Esempio.Motore));
    }
}
BENCHMARK(Ricalcolo)->Name("Dimensiona+giudizio+rapporto ottimo (curva di 100 punti)+piano");

void Catalogo(benchmark::State& stato) {
    std::string testo = std::string(IntestazioneCatalogo) + "\r\n";
    for (int i = 0; i < 10000; ++i)
        testo += "\"Motore " + std::to_string(i) + "\"," + std::to_string(0.1 + i * 1e-4) + "," +
                 std::to_string(0.3 + i * 3e-4) + "," + std::to_string(3000 + i % 4000) + "," +
                 std::to_string(1e-5 + i * 1e-8) + "\r\n";
    for (auto _ : stato) {
        const EsitoCatalogo letto = LeggiCatalogo(testo);
        benchmark::DoNotOptimize(
            TestoClassifica(*ClassificaMotori(*letto.Letto, MotoEsempio, *Esempio.Asse).Fatta));
    }
}
BENCHMARK(Catalogo)
    ->Name("Catalogo di 10000 motori: lettura+classifica+testo")
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
