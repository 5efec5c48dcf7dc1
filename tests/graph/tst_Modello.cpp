#include "BancoGrafico.h"
#include "Collaudo.h"
#include "LeggeMoto.h"
#include "ModelloGrafico.h"
#include "VistaMoto.h"

namespace {

// A picture of the plot model at a size, for a motion (T1, T2, Vm; a negative Vm runs backwards) in
// its full view or a view of the time axis from t0 to t1, with the details and the grid when asked.
struct Figura {
    BancoGrafico banco;
    DisposizioneGrafico d;

    Figura(const Lista& moto, QSize misura, const Lista& tempi = {}, bool dettagli = false)
        : banco({moto[0], moto[1], std::abs(moto[2])}) {
        if (moto[2] < 0)
            banco.Rovescia();
        Grafico& G = banco.G;
        CalcolaVistaIntera(G, banco.Punti);
        if (!tempi.isEmpty())
            CalcolaVistaZoom(G, G.ScalaX * tempi[0], G.ScalaY * G.BordoSuperiore, G.ScalaX * tempi[1],
                             G.ScalaY * G.BordoInferiore);
        G.StatoDisegniGrafico = Grafico::BitGriglia | (dettagli ? Grafico::BitParticolari : 0);
        const DatiGrafico dati{banco.Punti, banco.Moto, G};
        const QFont carattere = CarattereGrafico();
        d = DisponiGrafico(dati, CorniceSuMisura(dati, QRectF(QPoint(0, 0), misura), carattere), carattere);
    }
};

} // namespace

// The plot model as it lays out and draws at any size: labels that read right, the curve through the
// closed form, the marks at the phase times.
class TstModello : public QObject {
    Q_OBJECT
private slots:
    // Time and speed labels: the five passes where they read apart (the worked example, the 204-point
    // one, the example of T1 1, T2 2, Vm 1.3), round steps where they would read alike (slow, tiny,
    // long and short motions), a zoom keeping the phase labels in it and adding steps, sizes down to
    // 200 x 150, a motion backwards. Every axis, the details' too, readable: 3 to 10 labels (time 2),
    // none alike, each inside its strip, no text touching another; the window's text size at any size,
    // the details' names over a small plot so that it keeps its room.
    void etichette_data() {
        QTest::addColumn<Lista>("moto"); // T1, T2, Vm
        QTest::addColumn<QSize>("misura");
        QTest::addColumn<Lista>("tempi");    // of a zoomed view
        QTest::addColumn<QString>("attese"); // time labels | speed labels
        const QSize grande(847, 625), piccola(200, 150);
        const auto riga = [](const char* nome, const Lista& moto, QSize misura, const QString& attese,
                             const Lista& tempi = {}) {
            QTest::newRow(nome) << moto << misura << tempi << attese;
        };
        riga("esempio", {1, 3, 0.5}, grande, "1 4 5|0 0,1 0,2 0,3 0,4");
        riga("204 punti", {0.5, 1, 1}, grande, "0,5 1,5 2|0 0,2 0,4 0,6 0,9");
        riga("esempio 1,3", {1, 2, 1.3}, grande, "1 3 4|0 0,3 0,6 0,9 1,2");
        riga("Vm 0,028", {1, 3, 0.028}, grande, "1 4 5|0 0,005 0,01 0,015 0,02 0,025");
        riga("Vm 1e-4", {1, 3, 1e-4}, grande, "1 4 5|0 2E-05 4E-05 6E-05 8E-05 0,0001");
        riga("Vm 1e6", {1, 3, 1e6}, grande, "1 4 5|0 250000 500000 750000 1000000");
        riga("5 ms", {0.001, 0.003, 0.5}, grande, "0,001 0,004 0,005|0 0,1 0,2 0,3 0,4");
        riga("1e6 s", {1e5, 8e5, 1}, grande, "100000 900000 1000000|0 0,2 0,4 0,6 0,9");
        riga("zoom di 1 s", {1, 3, 0.5}, grande, "3,5 4 4,5|0 0,1 0,2 0,3 0,4", {3.5, 4.5});
        riga("zoom di 0,5 ms, 400 x 250", {1, 3, 0.5}, {400, 250},
             "4,5001 4,5002 4,5003 4,5004 4,5005|0 0,1 0,2 0,3 0,4", {4.5, 4.5005});
        riga("zoom su 2E+06 s", {5e5, 1e6, 1}, grande, "1100000 1200000 1300000 1400000|0,2 0,5 0,8",
             {1.04e6, 1.46e6});
        riga("piccola", {1, 3, 0.5}, piccola, "1 4 5|0 0,2 0,4");
        riga("400 x 250", {0.23456, 2, 1.3}, {400, 250}, "0,2346 2,2346 2,4691|0 0,3 0,6 0,9 1,2");
        riga("all'indietro", {1, 3, -0.5}, grande, "1 4 5|-0,5 -0,4 -0,3 -0,2 -0,1");
    }
    void etichette() {
        QFETCH(Lista, moto);
        QFETCH(QSize, misura);
        QFETCH(Lista, tempi);
        // The details' two axes leave a 200-pixel picture no room for three seven-digit times.
        for (const bool dettagli : {false, misura.width() > 200 || moto[0] < 10}) {
            const Figura f(moto, misura, tempi, dettagli);
            QVERIFY(f.d.disegnata);
            if (!dettagli)
                QTEST(TestiAsse(f.d, RuoloTesto::Tempo) + '|' + TestiAsse(f.d, RuoloTesto::Velocita),
                      "attese");
            QCOMPARE(EtichetteIlleggibili(f.d), QString());
            QSet<double> righe; // of the details' names over the plot: a second only where one has no room
            for (const TestoGrafico& nome : f.d.cornice.nomi)
                if (dettagli && nome.posto.bottom() <= f.d.cornice.area.top())
                    righe << nome.posto.top();
            QCOMPARE(int(righe.size()), dettagli ? 1 + (misura.width() < 350) : 0);
            QCOMPARE(QFontMetricsF(f.d.carattere).height(), QFontMetricsF(CarattereGrafico()).height());
            QVERIFY(f.d.cornice.area.width() >= 0.4 * misura.width());
        }
    }

    // The speed curve through the closed form, sampled sparsely or to the list's end; the marks at the
    // phase times, their texts clear of the speed axis (a rise of 1 s in 60 s would put "T1 = 1" on it);
    // the details' labels; a motion backwards below the time axis, 0 on top, its details mirrored.
    void curva_data() {
        QTest::addColumn<Lista>("moto");
        QTest::addColumn<QString>("dettagli"); // the labels of s, of a; the view's top speed
        QTest::newRow("esempio") << Lista{1, 3, 0.5} << "0 0,5 1 1,5 2 | -0,5 0 0,5 | 0.5";
        QTest::newRow("50000 punti") << Lista{100, 299.99, 1} << "0 100 200 300 399,99 | -0,01 0 0,01 | 1";
        QTest::newRow("salita breve") << Lista{1, 58, 1} << "0 20 40 59 | -1 0 1 | 1";
        QTest::newRow("all'indietro") << Lista{1, 3, -0.5} << "-2 -1,5 -1 -0,5 0 | -0,5 0 0,5 | 0";
    }
    void curva() {
        QFETCH(Lista, moto);
        const Figura f(moto, {1000, 600}, {}, true);
        const double pixelVelocita = std::abs(f.d.InPixel(0, 1).y() - f.d.InPixel(0, 0).y());
        const LeggeMoto avanti({.T1 = moto[0], .T2 = moto[1], .Vm = std::abs(moto[2])});
        const std::vector<LineaGrafico> curva = f.d.Linee(RuoloLinea::Velocita);
        QVERIFY(!curva.empty());
        for (const LineaGrafico& l : curva)
            for (QPointF p : l.punti) {
                const QPointF u(f.d.Tempo(p.x()), f.d.Velocita(p.y()));
                const double v = moto[2] < 0 ? -avanti.Velocita(u.x()) : avanti.Velocita(u.x());
                QVERIFY2(std::abs(u.y() - v) * pixelVelocita < 1.5,
                         qPrintable(QString::asprintf("%g %g", u.x(), u.y())));
            }
        // The marks stand at T1 and T1 + T2; their texts, when drawn, clear of the axes and lines.
        QVERIFY(f.d.Testi(RuoloTesto::Fase).size() >= 2);
        QCOMPARE(EtichetteIlleggibili(f.d), QString());
        const std::vector<LineaGrafico> fasi = f.d.Linee(RuoloLinea::Fase);
        QCOMPARE(fasi.size(), size_t(2));
        for (double t : {f.banco.Moto.T1, f.banco.Moto.T1 + f.banco.Moto.T2}) {
            const double x = f.d.InPixel(t, 0).x();
            QVERIFY(std::any_of(fasi.begin(), fasi.end(), [&](const LineaGrafico& l) {
                return l.punti.size() == 2 && std::abs(l.punti[0].x() - x) < 0.01 &&
                       l.punti[0].x() == l.punti[1].x();
            }));
        }
        QTEST(TestiAsse(f.d, RuoloTesto::Dettaglio, 0) + " | " + TestiAsse(f.d, RuoloTesto::Dettaglio, 1) +
                  " | " + QString::number(f.banco.G.ValoreMassimoY),
              "dettagli");
    }
};

REGISTRA_COLLAUDO(TstModello);
#include "tst_Modello.moc"
