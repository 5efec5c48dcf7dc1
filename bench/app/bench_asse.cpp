// The sizing window's recalculation: the worked example's data, motor and motion, the window shown; one
// recalculation as a change or a calculation makes it (read the boxes, take the data, size, show the
// figures, the motor's verdicts, the best ratio and its plots), and one keystroke in a box, which does the
// same through the box's own signal. Run offscreen in a Release build; the target is well under 1 ms.

#include "../BenchConFinestre.h"
#include "DialoghiQt.h"
#include "Simulazione.h"
#include "frmDimensionamento.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {
struct Ambiente {
    Simulazione simulazione;
    QWidget padre;
    DialoghiQt dialoghi{&padre};
    std::unique_ptr<frmDimensionamento> finestra;

    Ambiente() {
        simulazione.ImpostaSistema(2); // Stot, Ttot, T1
        simulazione.ImpostaValore(2, 0.5);
        simulazione.ImpostaValore(5, 1);
        simulazione.ImpostaValore(3, 0.25);
        simulazione.ImpostaAsse(DatiAsse{.Massa = 50,
                                         .Passo = 0.01,
                                         .Rendimento = 0.9,
                                         .Attrito = 0.01,
                                         .InerziaMotore = 1e-4,
                                         .InerziaTrasmissione = 2e-5,
                                         .Sosta = 0.5});
        simulazione.ImpostaMotore(
            DatiMotore{.CoppiaNominale = 0.32, .CoppiaMassima = 0.96, .VelocitaMassima = 6000});
        if (!simulazione.Calcola().Riuscito())
            qFatal("example not calculated");
        finestra = std::make_unique<frmDimensionamento>(simulazione, dialoghi);
        finestra->show();
        if (!QTest::qWaitForWindowExposed(finestra.get()))
            qFatal("sizing window not shown");
    }
};

Ambiente& Dati() {
    static Ambiente ambiente;
    return ambiente;
}

void Ricalcolo(benchmark::State& stato) {
    for (auto _ : stato)
        Dati().finestra->Aggiorna();
}
BENCHMARK(Ricalcolo)->Unit(benchmark::kMicrosecond);

// A digit added and taken away in turn: the data changes at every key.
void Tasto(benchmark::State& stato) {
    QLineEdit* massa = Dati().finestra->findChild<QLineEdit*>(QStringLiteral("massa"));
    massa->setText(QStringLiteral("50")); // as an earlier run may have left it
    massa->setFocus();
    massa->end(false);
    bool aggiungi = true;
    for (auto _ : stato) {
        QTest::keyClick(massa, aggiungi ? Qt::Key_5 : Qt::Key_Backspace);
        aggiungi = !aggiungi;
    }
    if (Dati().simulazione.Asse()->Massa != 50 && Dati().simulazione.Asse()->Massa != 505)
        stato.SkipWithError("the keys were not taken");
}
BENCHMARK(Tasto)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv) {
    return EseguiConFinestre(argc, argv);
}
