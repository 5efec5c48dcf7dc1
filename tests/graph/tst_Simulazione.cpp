#include "Collaudo.h"
#include "Documento.h"
#include "Simulazione.h"
#include "Sistemi.h"

#include <QTest>

namespace {
// The worked example's document, solved, with its axis: 0.5 m in 1 s, T1 0.25 s, 50 kg on a 10 mm screw.
std::string Esempio() {
    Velantra moto{.Stot = 0.5, .T1 = 0.25, .Ttot = 1};
    moto.StTtT1();
    return *ScriviDocumento(2, moto, DatiAsse{.Massa = 50, .Passo = 0.01});
}
} // namespace

// The one owner of the simulation: what a change does to the curve, the command state and the sizing,
// and "changed since saved".
class TstSimulazione : public QObject {
    Q_OBJECT
private slots:
    // Steps: "S1=2" a typed value, "apri" a document with its axis opened, "calcola", "asse" another
    // mass, "salva", "nuova".
    void modifiche_data() {
        QTest::addColumn<QString>("passi");
        QTest::addColumn<bool>("modificata");
        QTest::addColumn<QString>("documento");
        QTest::addColumn<QString>("stato");
        QTest::newRow("all'avvio") << "" << false << ""
                                   << "vuota";
        QTest::newRow("un valore") << "Stot=2" << true << ""
                                   << "vuota";
        QTest::newRow("riscritto com'era") << "Stot=2 Stot=0" << false << ""
                                           << "vuota";
        QTest::newRow("salvata") << "Stot=2 salva" << false << "a.vla"
                                 << "vuota";
        QTest::newRow("aperta") << "apri" << false << "b.vla"
                                << "letta";
        QTest::newRow("calcolata come letta") << "apri calcola" << false << "b.vla"
                                              << "calcolata dimensionata";
        QTest::newRow("asse cambiato") << "apri calcola asse" << true << "b.vla"
                                       << "calcolata dimensionata";
        QTest::newRow("valore dopo il calcolo") << "apri calcola Stot=1" << true << "b.vla"
                                                << "letta";
        QTest::newRow("nuova") << "apri nuova" << false << ""
                               << "vuota";
    }
    void modifiche() {
        QFETCH(QString, passi);
        Simulazione s;
        for (const QString& passo : passi.split(' ', Qt::SkipEmptyParts)) {
            if (passo.contains('=')) {
                const auto nome = passo.section('=', 0, 0).toLatin1();
                const auto g = std::find_if(Grandezze.begin(), Grandezze.end(),
                                            [&](const Grandezza& g) { return nome == g.Nome; });
                s.ImpostaValore(int(g - Grandezze.begin()), passo.section('=', 1).toDouble());
            } else if (passo == QLatin1String("apri")) {
                s.Carica(*LeggiDocumento(Esempio()).dati, "b.vla", Esempio());
            } else if (passo == QLatin1String("calcola")) {
                QVERIFY(s.Calcola().Riuscito());
            } else if (passo == QLatin1String("asse")) {
                s.ImpostaAsse(DatiAsse{.Massa = 60, .Passo = 0.01});
            } else if (passo == QLatin1String("salva")) {
                s.Salvata("a.vla", *s.TestoDocumento());
            } else {
                s.Svuota();
            }
        }
        QTEST(s.Modificata(), "modificata");
        QTEST(s.Documento(), "documento");
        const char* stati[] = {"", "vuota", "letta", "calcolata"};
        QTEST(QLatin1String(stati[int(s.Stato())]) + (s.Dimensionato() ? " dimensionata" : ""), "stato");
        QCOMPARE(s.PuntiGrafico().NumeroElementi() > 0, s.Calcolata());
        // The sizing shown is that of the data as it now stands.
        if (s.Dimensionato())
            QCOMPARE(s.Dimensionato()->ForzaPicco, Dimensiona(s.Moto(), *s.Asse())->ForzaPicco);
    }
};

REGISTRA_COLLAUDO(TstSimulazione);
#include "tst_Simulazione.moc"
