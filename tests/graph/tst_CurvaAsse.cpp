#include "BancoGrafico.h"
#include "Collaudo.h"
#include "DettagliAsse.h"
#include "Dimensionamento.h"

#include <QBuffer>
#include <QLabel>

// The sizing of the axis among the details: its curve on an axis of its own, labelled with the values
// of its phases, read at the cursor beside s and a; the force for a direct drive; no third axis without
// sizing data, or when it is taken away.
class TstCurvaAsse : public QObject {
    Q_OBJECT
private slots:
    void coppia_data() {
        QTest::addColumn<DatiAsse>("asse");
        QTest::addColumn<QString>("atteso"); // axis name, its labels, then the readout in each phase
        const DatiAsse esempio{.Massa = 50,
                               .Passo = 0.01,
                               .Rendimento = 0.9,
                               .Attrito = 0.01,
                               .InerziaMotore = 1e-4,
                               .InerziaTrasmissione = 2e-5,
                               .Sosta = 0.5};
        QTest::newRow("vite") << esempio << "C(t) [N·m]: -0,38502 0 0,44552 | C 0,44552 0,008671 -0,38502";
        DatiAsse diretta = esempio;
        diretta.Tipo = Trasmissione::Diretta;
        QTest::newRow("diretta") << diretta << "F(t) [N]: -128,43 0 138,24 | F 138,24 4,9033 -128,43";
    }
    void coppia() {
        QFETCH(DatiAsse, asse);
        QFETCH(QString, atteso);
        BancoGrafico b({0.25, 0.5, 0.5 / 0.75}); // the worked example
        b.Apri();
        std::optional<DatiAsse> programma = asse;
        b.finestra->ImpostaAsse(&programma);
        b.Gesti("AggiungiParticolari Tracciatore");
        const DisposizioneGrafico& d = b.Vista();
        QCOMPARE(d.dettagli.size(), size_t(3));
        QStringList visto{d.dettagli[2].nome + ':'};
        for (const TestoGrafico& t : d.Testi(RuoloTesto::Dettaglio))
            if (t.asse == 2)
                visto << t.testo;
        visto << "|" << b.finestra->findChild<QLabel*>("EtichettaLetturaC")->text();
        for (const char* gesto : {"0.1;0.3", "0.5;0.3", "0.9;0.3"}) {
            b.Gesti(gesto);
            visto << b.Casella("LetturaC")->text();
        }
        QCOMPARE(visto.join(' '), atteso);
        QCOMPARE(b.Casella("LetturaC")->accessibleName(), d.dettagli[2].sigla);
        programma.reset();
        b.finestra->NuoviParticolari();
        QCOMPARE(b.Vista().dettagli.size(), size_t(2));
        QVERIFY(!b.Casella("LetturaC")->isVisible());
    }

    // The CSV's columns after the law's: force and torque (the force alone for a direct drive) at the
    // rows' times, a step at each phase, held in the dwell from the end on.
    void colonne() {
        const DatiAsse esempio{.Massa = 50, .Passo = 0.01, .Rendimento = 0.9, .Attrito = 0.01, .Sosta = 0.5};
        for (const bool diretta : {false, true}) {
            DatiAsse dati = esempio;
            dati.Tipo = diretta ? Trasmissione::Diretta : Trasmissione::Vite;
            const auto r = Dimensiona({.T1 = 0.25, .T2 = 0.5, .Vm = 0.5 / 0.75}, dati);
            QByteArray testo;
            QBuffer memoria(&testo);
            QVERIFY(memoria.open(QIODevice::WriteOnly) &&
                    ScriviCsv(memoria, 1, {25, -2}, ColonneAsse(*r), FormaCsv::Standard));
            const QList<QByteArray> righe = testo.split('\n');
            QCOMPARE(righe[0], diretta ? "t [sec],F [N]\r" : "t [sec],F [N],C [N·m]\r");
            QStringList valori;
            for (int i = 1; i <= 5; ++i) // 0, 0.25, 0.5, 0.75, 1 s
                for (const QByteArray& campo : righe[i].trimmed().split(',').mid(1))
                    valori << QString::number(campo.toDouble(), 'g', 6);
            QCOMPARE(valori.join(' '), diretta ? "138.237 4.90332 4.90332 -128.43 0"
                                               : "138.237 0.244456 4.90332 0.00867098 4.90332 0.00867098 "
                                                 "-128.43 -0.183962 0 0");
        }
    }
};
REGISTRA_COLLAUDO(TstCurvaAsse);
#include "tst_CurvaAsse.moc"
