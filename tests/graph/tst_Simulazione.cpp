#include "Collaudo.h"
#include "Documento.h"
#include "Simulazione.h"
#include "SpiegazioneMoto.h"

namespace {
// The worked example's document, solved, with its axis, its motor and a jerk of the laws window: 0.5 m
// in 1 s, T1 0.25 s, 50 kg on a 10 mm screw.
std::string Esempio() {
    DatiDocumento dati;
    dati.Sistema = 2;
    dati.Moto = {.Stot = 0.5, .T1 = 0.25, .Ttot = 1};
    dati.Moto.StTtT1();
    dati.Asse = DatiAsse{.Massa = 50, .Passo = 0.01};
    dati.Motore = DatiMotore{.CoppiaNominale = 0.32, .VelocitaMassima = 6000};
    dati.Jerk = 40;
    return *ScriviDocumento(dati);
}
} // namespace

// The one owner of the simulation: what a change does to the curve, the command state and the sizing,
// and "changed since saved".
class TstSimulazione : public QObject {
    Q_OBJECT
private slots:
    // Steps: "Stot=2" a typed value, "apri" a document with its axis opened, "calcola", "asse" another
    // mass, "motore" another rated torque, "salva", "nuova".
    void modifiche_data() {
        QTest::addColumn<QString>("passi");
        QTest::addColumn<bool>("modificata");
        QTest::addColumn<QString>("stato");
        QTest::addColumn<QString>("documento");
        const auto riga = [](const char* caso, const char* passi, bool modificata, const char* stato,
                             const char* documento = nullptr) {
            QTest::newRow(caso) << QString(passi) << modificata << QString(stato) << QString(documento);
        };
        riga("all'avvio", "", false, "vuota");
        riga("un valore", "Stot=2", true, "vuota");
        riga("riscritto com'era", "Stot=2 Stot=0", false, "vuota");
        riga("salvata", "Stot=2 salva", false, "vuota", "a.vla");
        riga("aperta", "apri", false, "letta", "b.vla");
        riga("calcolata come letta", "apri calcola", false, "calcolata dimensionata", "b.vla");
        riga("asse cambiato", "apri calcola asse", true, "calcolata dimensionata", "b.vla");
        riga("motore cambiato", "apri motore", true, "letta", "b.vla");
        riga("valore dopo il calcolo", "apri calcola Stot=1", true, "letta", "b.vla");
        riga("nuova", "apri nuova", false, "vuota");
    }
    void modifiche() {
        QFETCH(QString, passi);
        Simulazione s;
        for (const QString& passo : passi.split(' ', Qt::SkipEmptyParts)) {
            if (passo.startsWith(QLatin1String("Stot=")))
                s.ImpostaValore(2, passo.mid(5).toDouble());
            else if (passo == QLatin1String("apri"))
                s.Carica(*LeggiDocumento(Esempio()).dati, "b.vla", Esempio());
            else if (passo == QLatin1String("calcola"))
                QVERIFY(s.Calcola().Riuscito());
            else if (passo == QLatin1String("asse"))
                s.ImpostaAsse(DatiAsse{.Massa = 60, .Passo = 0.01});
            else if (passo == QLatin1String("motore"))
                s.ImpostaMotore(DatiMotore{.CoppiaNominale = 0.5, .VelocitaMassima = 6000});
            else if (passo == QLatin1String("salva"))
                s.Salvata("a.vla", *s.TestoDocumento());
            else
                s.Svuota();
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

    // Why typed values give no motion: the faults of the solved record, then the values the last input
    // may take, or the one of the first two that must not be 0.
    void spiegazione() {
        QCOMPARE(
            SpiegazioneMoto(0, {.S1 = 1.5, .Stot = 2, .Ttot = 5}).join('|'),
            "S2 sarebbe negativo (-1 m), di segno opposto a Stot.|T2 sarebbe negativo (-1 sec): una durata "
            "non può essere negativa.|Con Stot = 2 m e Ttot = 5 sec, S1 deve essere maggiore di 0 m e al "
            "massimo 1 m.");
        QCOMPARE(
            SpiegazioneMoto(2, {.Stot = 0, .T1 = 1, .Ttot = 5}).join('|'),
            "S1 sarebbe zero: il pezzo non si muoverebbe.|A sarebbe zero: il pezzo non si muoverebbe.|Vm "
            "sarebbe zero: il pezzo non si muoverebbe.|Con Stot = 0 m nessun moto è possibile: Stot deve "
            "essere diverso da 0 m.");
    }
};

REGISTRA_COLLAUDO(TstSimulazione);
#include "tst_Simulazione.moc"
