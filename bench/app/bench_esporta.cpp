// The command line's export of a 500 s motion (25,001 rows, 0.02 s apart) to CSV: the text alone; and the
// whole process as a script runs it (start without a display, read, solve, sample, write, exit) to CSV and to
// the graph's pictures. Run in a Release build.

#include "DatiProfilo.h"
#include "Velantra.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const QByteArray Documento = "0,10,80,100,83.3333333333333,333.333333333333,500,.6,.0072\r\n"; // StTtS1

void TestoCsv500s(benchmark::State& stato) {
    Velantra moto{.S1 = 10, .Stot = 100, .Ttot = 500};
    moto.StTtS1();
    const PassoCsv passo = PassoPredefinito(moto.Ttot).value();
    for (auto _ : stato)
        benchmark::DoNotOptimize(TestoCsv(moto, passo, FormaCsv::Standard).size());
    stato.counters["righe"] = double(RigheCsv(moto.Ttot, passo));
}
BENCHMARK(TestoCsv500s)->Unit(benchmark::kMillisecond);

void EsportaProcesso(benchmark::State& stato, const char* estensione) {
    QTemporaryDir cartella;
    QFile documento(cartella.filePath("lungo.vla"));
    if (!documento.open(QIODevice::WriteOnly) || documento.write(Documento) != Documento.size())
        return stato.SkipWithError("documento non scritto");
    documento.close();
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* variabile : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        ambiente.remove(variabile);
    for (auto _ : stato) {
        QProcess programma;
        programma.setProcessEnvironment(ambiente);
        programma.start(VELANTRA_PROGRAMMA, {"--esporta", documento.fileName(),
                                             cartella.filePath(QStringLiteral("lungo.") + estensione)});
        if (!programma.waitForFinished() || programma.exitCode() != 0)
            return stato.SkipWithError("esportazione non riuscita");
    }
}
BENCHMARK_CAPTURE(EsportaProcesso, csv, "csv")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(EsportaProcesso, png, "png")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(EsportaProcesso, svg, "svg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(EsportaProcesso, pdf, "pdf")->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

int main(int argc, char** argv) {
    QCoreApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
