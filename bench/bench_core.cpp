// Time of each solver on the reference profile, of the number texts, and of the laws compared.
#include "ConfrontoLeggi.h"
#include "TestiNumerici.h"
#include "Velantra.h"

#include <benchmark/benchmark.h>

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

} // namespace

BENCHMARK_MAIN();
