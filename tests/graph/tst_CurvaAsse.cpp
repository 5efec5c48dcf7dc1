#include "BancoGrafico.h"
#include "Collaudo.h"
#include "DettagliAsse.h"
#include "Dimensionamento.h"
#include "Documento.h"

#include <QBuffer>
#include <QLabel>

// The sizing of the axis among the details: its curve on an axis of its own, labelled with the values
// of its phases, read at the cursor beside s and a; no third axis once the data is taken away. In the
// CSV, its columns after the law's, a step at each phase, held in the dwell from the end on. The force
// alone for a direct drive.
class TstCurvaAsse : public QObject {
    Q_OBJECT
private slots:
    void coppia_data() {
        QTest::addColumn<QString>("asse");   // as the document writes it
        QTest::addColumn<QString>("atteso"); // axis name, its labels, the readout in each phase; the CSV
        const QString esempio = "massa=50,passo=0.01,rendimento=0.9,attrito=0.01,inerzia_motore=1e-4,"
                                "inerzia_trasmissione=2e-5,sosta=0.5";
        QTest::newRow("vite") << esempio
                              << "C(t) [N·m]: -0,38502 0 0,44552 | C 0,44552 0,008671 -0,38502 | t [sec],F "
                                 "[N],C [N·m] 138.237 0.445518 4.90332 0.00867098 4.90332 0.00867098 -128.43 "
                                 "-0.385024 0 0";
        QTest::newRow("diretta") << esempio + ",trasmissione=diretta"
                                 << "F(t) [N]: -128,43 0 138,24 | F 138,24 4,9033 -128,43 | t [sec],F [N] "
                                    "138.237 4.90332 4.90332 -128.43 0";
    }
    void coppia() {
        QFETCH(QString, asse);
        std::optional<DatiAsse> dati = LeggiDocumento("0,0,0,0,0,0,0,0,0\n" + asse.toStdString()).dati->Asse;
        BancoGrafico b({0.25, 0.5, 0.5 / 0.75}); // the worked example
        b.Apri();
        b.finestra->ImpostaAsse(&dati);
        b.Gesti("AggiungiParticolari Tracciatore");
        const DisposizioneGrafico& d = b.Vista();
        QSet<QRgb> colori{qRgb(0, 0, 0)}; // each curve in a colour of its own, none the speed's black
        for (const CurvaDettaglio& curva : d.dettagli)
            colori << curva.colore.rgb();
        QCOMPARE(colori.size(), 4);
        QStringList visto{d.dettagli[2].nome + ':'};
        for (const TestoGrafico& t : d.Testi(RuoloTesto::Dettaglio))
            if (t.asse == 2)
                visto << t.testo;
        visto << "|" << b.finestra->findChild<QLabel*>("EtichettaLetturaC")->text();
        for (const char* gesto : {"0.1;0.3", "0.5;0.3", "0.9;0.3"}) {
            b.Gesti(gesto);
            visto << b.Casella("LetturaC")->text();
        }
        QCOMPARE(b.Casella("LetturaC")->accessibleName(), d.dettagli[2].sigla);

        QByteArray csv;
        QBuffer memoria(&csv);
        QVERIFY(memoria.open(QIODevice::WriteOnly) &&
                ScriviCsv(memoria, 1, {25, -2}, ColonneAsse(*Dimensiona(b.Moto, *dati)), FormaCsv::Standard));
        const QList<QByteArray> righe = csv.split('\n');
        visto << "|" << righe[0].trimmed();
        for (int i = 1; i <= 5; ++i) // 0, 0.25, 0.5, 0.75, 1 s
            for (const QByteArray& campo : righe[i].trimmed().split(',').mid(1))
                visto << QString::number(campo.toDouble(), 'g', 6);
        QTEST(visto.join(' '), "atteso");
        QBuffer nessunTempo; // a motion of no time still has its row at 0
        QVERIFY(
            nessunTempo.open(QIODevice::WriteOnly) && RigheCsv(0, {25, -2}) == 1 &&
            ScriviCsv(nessunTempo, 0, {25, -2}, ColonneAsse(*Dimensiona(b.Moto, *dati)), FormaCsv::Standard));
        QCOMPARE(nessunTempo.data().count('\n'), 2);

        dati.reset();
        b.finestra->NuoviParticolari();
        QCOMPARE(b.Vista().dettagli.size(), size_t(2));
        QVERIFY(!b.Casella("LetturaC")->isVisible());
    }
};
REGISTRA_COLLAUDO(TstCurvaAsse);
#include "tst_CurvaAsse.moc"
