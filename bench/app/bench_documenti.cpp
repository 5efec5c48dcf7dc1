// The output paths: a document written and read back through the safe-file routines, the results
// page and the graph page printed to PDF, the plot written as a bitmap. Run offscreen in a Release
// build.

#include "../BenchConFinestre.h"
#include "Documento.h"
#include "FileSicuri.h"
#include "Simulazione.h"
#include "Stampe.h"
#include "frmGrafico.h"

#include <QApplication>
#include <QIODevice>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {
struct Ambiente {
    QTemporaryDir cartella;
    Simulazione simulazione;
    const QString intestazione = QStringLiteral("Officina Rossi S.p.A.");
    std::unique_ptr<frmGrafico> grafico;

    Ambiente() {
        simulazione.ImpostaSistema(0); // Stot 2, Ttot 3, S1 0.5: T1 = T2 = 1, Vm = 1
        simulazione.ImpostaValore(2, 2);
        simulazione.ImpostaValore(5, 3);
        simulazione.ImpostaValore(0, 0.5);
        if (!simulazione.Calcola().Riuscito())
            qFatal("motion not calculated");
        grafico = std::make_unique<frmGrafico>(simulazione.PuntiGrafico(), simulazione.GraficoCorrente(),
                                               simulazione.Moto());
        grafico->resize(1033, 613); // a plot of 800 x 480 pixels
        grafico->show();
        if (!QTest::qWaitForWindowExposed(grafico.get()))
            qFatal("graph window not shown");
    }
    QString Percorso(const char* nome) const { return cartella.filePath(QLatin1String(nome)); }
};

Ambiente& Dati() {
    static Ambiente ambiente;
    return ambiente;
}

void SalvaERileggi(benchmark::State& stato) {
    const QString percorso = Dati().Percorso("sim.vla");
    for (auto _ : stato) {
        const auto riga = Dati().simulazione.TestoDocumento();
        if (ScriviFile(percorso, QByteArray::fromStdString(*riga)))
            stato.SkipWithError("not written");
        const FileLetto letto = LeggiFile(percorso, 4096);
        benchmark::DoNotOptimize(LeggiDocumento(letto.contenuto->toStdString()));
    }
}
BENCHMARK(SalvaERileggi)->Unit(benchmark::kMicrosecond);

void Stampa(benchmark::State& stato, bool grafico) {
    for (auto _ : stato) {
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(Dati().Percorso("pagina.pdf"));
        Stampe stampe(Dati().simulazione, Dati().intestazione, stampante);
        if (grafico)
            stampe.StampaGrafico(*Dati().grafico);
        else
            stampe.StampaRisultati();
    }
}
void StampaRisultati(benchmark::State& stato) {
    Stampa(stato, false);
}
BENCHMARK(StampaRisultati)->Unit(benchmark::kMillisecond);
void StampaGrafico(benchmark::State& stato) {
    Stampa(stato, true);
}
BENCHMARK(StampaGrafico)->Unit(benchmark::kMillisecond);

void EsportaBitmap(benchmark::State& stato) {
    const QString percorso = Dati().Percorso("grafico.bmp");
    for (auto _ : stato) {
        const QImage immagine = Dati().grafico->ImmaginePiano().convertToFormat(QImage::Format_RGB32);
        if (ScriviFile(percorso, [&](QIODevice& file) { return immagine.save(&file, "BMP"); }))
            stato.SkipWithError("not written");
    }
}
BENCHMARK(EsportaBitmap)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    return EseguiConFinestre(argc, argv);
}
