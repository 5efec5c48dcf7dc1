#include "Campionamento.h"
#include "Collaudo.h"
#include "Dettagli.h"
#include "Grafico.h"
#include "Spezzata.h"
#include "Velantra.h"
#include "VistaMoto.h"
#include "XYPoli.h"

#include <cmath>
#include <stdexcept>

using Lista = QList<double>;

// The point list, the view of the whole curve, the sampled curve and its data out.
class TstGrafico : public QObject {
    Q_OBJECT
private slots:
    // The sample nearest a time (the first of equally near ones), the line through the samples at it (the
    // nearest sample's speed where the times go back), and the extremes of the full view: a largest time
    // or speed of 0 counts as 10, but a curve below the time axis keeps 0 on top.
    void lista_data() {
        QTest::addColumn<Lista>("xy"); // X and Y of each point in turn
        QTest::addColumn<double>("cercato");
        // X and Y found; smallest X, largest X, smallest Y, largest Y; line
        QTest::addColumn<QString>("atteso");
        const Lista tre{0, 10, 1, 11, 2, 12};
        QTest::newRow("lista vuota") << Lista{} << 0.7 << "0 0 0 10 0 10 0";
        QTest::newRow("pari distanza: il primo") << tre << 0.5 << "0 10 0 2 10 12 10.5";
        QTest::newRow("prima dell'inizio") << tre << -1.0 << "0 10 0 2 10 12 10";
        QTest::newRow("oltre la fine") << tre << 7.0 << "2 12 0 2 10 12 12";
        QTest::newRow("non ordinata") << Lista{2, 10, 0, 11, 1, 12, 0.2, 13} << 0.15 << "0.2 13 0 2 10 13 13";
        QTest::newRow("doppioni: il primo")
            << Lista{3, -1, -2, 5, 3, 5, -2, -1} << 2.0 << "3 -1 -2 3 -1 5 -1";
        QTest::newRow("sotto l'asse") << Lista{0, 0, 1, -2, 2, 0} << 1.2 << "1 -2 0 2 -2 0 -1.6";
    }
    void lista() {
        QFETCH(Lista, xy);
        QFETCH(double, cercato);
        XYPoli punti;
        for (int i = 0; i + 1 < xy.size(); i += 2)
            punti.Add(xy[i], xy[i + 1]);
        Grafico g;
        CalcolaVistaIntera(g, punti);
        QVERIFY(!ZoomTempi(g, qQNaN(), 0.8) && !ZoomTempi(g, 1, 0) && !SpostaTempi(g, 0)); // nothing to do
        const double linea = punti.YSullaLinea(cercato);
        const double y = punti.YsuX(cercato);
        QTEST(QString::asprintf("%g %g %g %g %g %g %g", cercato, y, g.ValoreMinimoX, g.ValoreMassimoX,
                                g.ValoreMinimoY, g.ValoreMassimoY, linea),
              "atteso");
    }

    // Slots 0 to 50,000 exist and read 0 when unused; a full list drops further points.
    void limiti() {
        XYPoli punti;
        for (int i = 0; i <= 50000; ++i)
            punti.Add(i, -i);
        punti.RimuoviUltimo();
        QCOMPARE(punti.NumeroElementi(), 49999);
        QCOMPARE(punti.X(49999) + punti.Y(50000), 0.0);
        for (int i : {-1, 50001})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, punti.Y(i));
        punti.Vuota();
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, punti.RimuoviUltimo());
        QCOMPARE(punti.NumeroElementi() + punti.Y(0), 0.0);
        // Closing a curve drops the speeds at its end below 0 or unknown.
        for (double y : {1.0, -1.0, qQNaN()})
            punti.Add(y, y);
        ChiudiCurvaVelocita(punti, 5);
        QCOMPARE(QPointF(punti.NumeroElementi(), punti.X(1)), QPointF(2, 5));
    }

    // Count 0: no motion. Otherwise the whole curve, however long: forward in time within 0 and Vm,
    // ending exactly at (2*T1 + T2, 0); a motion that fits at the 0.01 s step keeps it, a longer one
    // takes the smallest step that holds it (the sample checked shows which).
    void campioni_data() {
        QTest::addColumn<Lista>("moto"); // T1, T2, Vm
        QTest::addColumn<int>("numero");
        QTest::addColumn<Lista>("punto"); // index, X, Y
        const double passo = 0.01f;
        const auto riga = [](const char* nome, const Lista& moto, int numero, const Lista& punto = {}) {
            QTest::newRow(nome) << moto << numero << punto;
        };
        // The single-precision step leaves the 51st sample of the rise just short of T1.
        riga("passo singolo", {0.5, 1, 1}, 204, {50, 0.49999998882, 0.99999997765});
        riga("T2 nullo", {0.5, 0, 1}, 104);
        riga("campione sulla fine", {passo, 0, 1}, 6, {4, 2 * passo, 0});
        riga("salita sotto un passo", {0.001, 0, 1}, 4);
        riga("lenta e lunga", {120, 200, 0.01}, 44004);
        riga("piena al passo", {0.5, 498.96, 1}, 50000, {1, passo, 2 * passo});
        riga("un campione oltre", {0.5, 498.97, 1}, 49998, {1, 499.97 / 49996, 2 * 499.97 / 49996});
        riga("520 s", {10, 500, 0.98}, 49999, {1, 520.0 / 49996, 0.098 * 520 / 49996});
        riga("10^-6 s", {2.5e-7, 5e-7, 1}, 4, {2, 7.5e-7, 1});
        riga("T1 negativo", {-0.5, 1, 1}, 0);
        riga("T1 nullo", {0, 1, 1}, 0);
        riga("Vm nulla", {0.5, 1, 0}, 0);
        riga("T2 non definito", {0.5, qQNaN(), 1}, 0);
        // Phases too short to tell apart from the rest: a rectangle with vertical edges.
        riga("T1 trascurabile", {1e-300, 1, 1}, 104, {102, 1, 1});
        riga("regime di 10^12 s", {0.5, 1e12, 1}, 49999, {2, 0.5 + (1e12 + 1) / 49996, 1});
        riga("salita di 10^12 s", {1e12, 1, 1}, 49999, {1, 2e12 / 49996, 2.0 / 49996});
        riga("accelerazione persa", {1e300, 0, 1e-300}, 49998);
    }
    void campioni() {
        QFETCH(Lista, moto);
        QFETCH(Lista, punto);
        const Velantra m{.T1 = moto[0], .T2 = moto[1], .Vm = moto[2]};
        XYPoli p;
        CampionaVelocita(p, m, 0.01f);
        const int n = p.NumeroElementi();
        QTEST(n, "numero");
        for (int i = 1; i < n; ++i)
            QVERIFY2(p.X(i) >= p.X(i - 1) && p.Y(i) >= 0 && p.Y(i) <= m.Vm * (1 + 1e-12),
                     qPrintable(QString::number(i)));
        auto vicino = [](double a, double b) { return qAbs(a - b) <= 1e-10 * qMax(1.0, qAbs(b)); };
        if (!punto.isEmpty())
            QVERIFY(vicino(p.X(int(punto[0])), punto[1]) && vicino(p.Y(int(punto[0])), punto[2]));
        if (n > 0)
            QCOMPARE(QPointF(p.X(n - 1), p.Y(n - 1)), QPointF(2 * m.T1 + m.T2, 0));
        // The details show every motion drawn but one whose acceleration underflows.
        QCOMPARE(CurveDettaglio(m, nullptr).empty(), n == 0 || m.Vm / m.T1 == 0);
    }

    // A details' value to five significant digits at any size; 0 and what is not finite as they are.
    void particolari() {
        for (const auto& [valore, testo] : {std::pair{1.23456789e20, "1,2346E+20"},
                                            {-1.23456789e-20, "-1,2346E-20"},
                                            {0.000123456789, "0,00012346"},
                                            {123456.789, "123460"},
                                            {0.0, "0"}})
            QCOMPARE(TestoParticolare(valore), QString(testo));
    }

    // A line through points, in pixels, kept to 10-90 in both directions: cut at the edges, broken where
    // a point is not finite, a run along one row one segment, short steps joined. A dense curve keeps of
    // each pixel column its first and last points and its extremes, in order, and every corner of its
    // shape. A line begun before is dropped.
    void spezzata_data() {
        QTest::addColumn<bool>("densa");
        QTest::addColumn<Lista>("xy");
        QTest::addColumn<QString>("linee");
        const Lista colonna{20, 40, 20.2, 20, 20.4, 20, 20.5, 60, 20.6, 80, 20.8, 80, 20.9, 50, 21.5, 50};
        QTest::newRow("tagliata") << false << Lista{5, 50, 50, 50, 95, 50, 95, 95} << "10,50 90,50";
        QTest::newRow("tagliata in alto") << false << Lista{50, 5, 50, 50} << "50,10 50,50";
        QTest::newRow("interrotta") << false << Lista{21, 21, 22, 29, qQNaN(), 0, 23, 23, 24, 24}
                                    << "21,21 22,29 | 23,23 24,24";
        QTest::newRow("passi brevi") << false << Lista{20, 20, 20.1, 20.1, 20.2, 20.2, 25, 25}
                                     << "20,20 25,25";
        QTest::newRow("tutti i punti") << false << colonna << "20,40 20.2,20 20.5,60 20.6,80 20.9,50 21.5,50";
        QTest::newRow("densa") << true << colonna << "20,40 20.2,20 20.6,80 20.9,50 21.5,50";
        QTest::newRow("densa, di ritorno")
            << true << Lista{20.1, 20, 20.5, 25, 20.1, 20} << "20.1,20 20.5,25 20.1,20";
    }
    void spezzata() {
        QFETCH(bool, densa);
        QFETCH(Lista, xy);
        const auto punto = [&](size_t i, QPointF& p) { return p = QPointF(xy[2 * i], xy[2 * i + 1]), true; };
        Spezzata linea;
        linea.Apri(QRectF(0, 0, 100, 100));
        linea.Aggiungi(2, [](size_t i, QPointF& p) { return p = QPointF(i, 0), true; });
        linea.Apri(QRectF(10, 10, 80, 80));
        if (densa)
            linea.AggiungiDensi(size_t(xy.size() / 2), punto);
        else
            linea.Aggiungi(size_t(xy.size() / 2), punto);
        QString linee; // " | x,y x,y | x,y ..."
        for (const QPolygonF& l : linea.Fine())
            for (qsizetype i = 0; i < l.size(); ++i)
                linee += QString::asprintf(i ? " %g,%g" : " | %g,%g", l[i].x(), l[i].y());
        QTEST(linee.mid(3), "linee");
    }
};

REGISTRA_COLLAUDO(TstGrafico);
#include "tst_Grafico.moc"
