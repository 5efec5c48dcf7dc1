#include "Campionamento.h"
#include "Collaudo.h"
#include "DatiProfilo.h"
#include "LeggeMoto.h"
#include "Riferimento.h"
#include "SuperficieDisegno.h"
#include "Velantra.h"
#include "XYPoli.h"

#include <QPainter>
#include <QTest>
#include <charconv>
#include <limits>
#include <stdexcept>

namespace {
const double Inf = std::numeric_limits<double>::infinity(), NaN = std::numeric_limits<double>::quiet_NaN();
using Lista = QList<double>;
} // namespace

// The point list, the sampled speed curve and the drawing surface.
class TstCurva : public QObject {
    Q_OBJECT
private slots:
    void ysuX_data() {
        QTest::addColumn<Lista>("xs"); // point i has Y = 10 + i
        QTest::addColumn<double>("cercato");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("lista vuota") << Lista{} << 0.7 << 0.0 << 0.0;
        QTest::newRow("pari distanza: il primo") << Lista{0, 1, 2} << 0.5 << 0.0 << 10.0;
        QTest::newRow("oltre la fine") << Lista{0, 1, 2} << 7.0 << 2.0 << 12.0;
        QTest::newRow("non ordinata") << Lista{2, 0, 1, 0.2} << 0.15 << 0.2 << 13.0;
        QTest::newRow("doppione: il primo") << Lista{0, 1, 1} << 0.9 << 1.0 << 11.0;
    }
    void ysuX() {
        QFETCH(Lista, xs);
        QFETCH(double, cercato);
        XYPoli punti;
        for (int i = 0; i < xs.size(); ++i)
            punti.Add(xs[i], 10 + i, 0);
        QTEST(punti.YsuX(cercato), "y");
        QTEST(cercato, "x");
    }

    // Slots 0 to 50,000 exist and read 0 when unused; a full list drops further points.
    void limiti() {
        XYPoli punti;
        for (int i = 0; i <= 50000; ++i)
            punti.Add(i, -i, 1);
        QCOMPARE(punti.NumeroElementi(), 50000);
        QCOMPARE(punti.X(50000) + punti.Y(50000) + punti.P(50000), 0.0);
        for (int i : {-1, 50001})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, punti.Y(i));
        punti.RimuoviUltimo();
        QCOMPARE(punti.X(49999), 0.0);
        punti.Vuota();
        QCOMPARE(punti.NumeroElementi() + punti.P(0), 0.0);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, punti.RimuoviUltimo());
    }

    // Count 0: no motion. Otherwise the whole curve, however long: forward in time within 0 and Vm,
    // ending exactly at (2*T1 + T2, 0); a motion that fits at the 0.01 s step keeps it, a longer one
    // takes the smallest step that holds it (the sample checked shows which).
    void campioni_data() {
        QTest::addColumn<Lista>("moto"); // T1, T2, Vm
        QTest::addColumn<int>("numero");
        QTest::addColumn<Lista>("punto"); // index, X, Y
        const double passo = 0.01f;
        // The single-precision step leaves the 51st sample of the rise just short of T1.
        QTest::newRow("passo singolo") << Lista{0.5, 1, 1} << 204 << Lista{50, 0.49999998882, 0.99999997765};
        QTest::newRow("valori qualsiasi") << Lista{0.123, 0.777, 2.5} << 105 << Lista{};
        QTest::newRow("T2 nullo") << Lista{0.5, 0, 1} << 104 << Lista{};
        QTest::newRow("campione sulla fine") << Lista{passo, 0, 1} << 6 << Lista{4, 2 * passo, 0};
        QTest::newRow("salita sotto un passo") << Lista{0.001, 0, 1} << 4 << Lista{};
        QTest::newRow("lenta e lunga") << Lista{120, 200, 0.01} << 44004 << Lista{};
        QTest::newRow("piena al passo") << Lista{0.5, 498.96, 1} << 50000 << Lista{1, passo, 2 * passo};
        QTest::newRow("un campione oltre")
            << Lista{0.5, 498.97, 1} << 49998 << Lista{1, 499.97 / 49996, 2 * 499.97 / 49996};
        QTest::newRow("520 s") << Lista{10, 500, 0.98} << 49999
                               << Lista{1, 520.0 / 49996, 0.098 * 520 / 49996};
        QTest::newRow("10^-6 s") << Lista{2.5e-7, 5e-7, 1} << 4 << Lista{2, 7.5e-7, 1};
        QTest::newRow("T1 negativo") << Lista{-0.5, 1, 1} << 0 << Lista{};
        QTest::newRow("Vm negativa") << Lista{0.5, 1, -1} << 0 << Lista{};
        QTest::newRow("T2 non definito") << Lista{0.5, NaN, 1} << 0 << Lista{};
        // Phases too short to tell apart from the rest: a rectangle with vertical edges.
        QTest::newRow("T1 trascurabile") << Lista{1e-300, 1, 1} << 104 << Lista{102, 1, 1};
        QTest::newRow("regime di 10^12 s")
            << Lista{0.5, 1e12, 1} << 49999 << Lista{2, 0.5 + (1e12 + 1) / 49996, 1};
        QTest::newRow("salita di 10^12 s")
            << Lista{1e12, 1, 1} << 49999 << Lista{1, 2e12 / 49996, 2.0 / 49996};
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
    }

    // Read back: the header, one row per sample, each number the very double of the closed form at the
    // sample's time, the speed that of the plotted curve; 200 KB, written in several pieces. The regional
    // form differs in separators only.
    void csv() {
        const Velantra m{.T1 = 1, .T2 = 30, .Vm = 0.5};
        XYPoli p;
        CampionaVelocita(p, m, 0.01f);
        const QByteArray testo = TestoCsv(p, m, FormaCsv::Standard);
        QVERIFY(testo.startsWith("t [sec],s [m],v [m/sec],a [m/sec^2]\r\n0,0,0,0.5\r\n"
                                 "0.009999999776482582,2.4999998882412923e-05,0.004999999888241291,0.5\r\n"));
        QCOMPARE(testo.count("\r\n"), testo.count('\n'));
        const QList<QByteArray> righe = QByteArray(testo).replace('\r', "").split('\n');
        QCOMPARE(righe.size(), p.NumeroElementi() + 2); // the header, and nothing after the last CRLF
        const LeggeMoto legge(m);
        for (int i = 0; i < p.NumeroElementi(); ++i) {
            QList<double> letti;
            for (const QByteArray& campo : righe[i + 1].split(','))
                std::from_chars(campo.begin(), campo.end(), letti.emplace_back(qQNaN()));
            const double t = p.X(i);
            QCOMPARE(letti,
                     (QList<double>{t, legge.Posizione(t), legge.Velocita(t), legge.Accelerazione(t)}));
            QVERIFY2(qAbs(letti[2] - p.Y(i)) < 1e-12, righe[i + 1]);
        }
        QCOMPARE(TestoCsv(p, m, FormaCsv::Regionale), QByteArray(testo).replace(',', ';').replace('.', ','));
        QLocale::setDefault(QLocale::English);
        QCOMPARE(TestoCsv(p, m, FormaCsv::Regionale), QByteArray(testo).replace(',', ';'));
        QLocale::setDefault(QLocale::Italian);
    }

    // Refused coordinate systems leave the last one; lines far beyond the surface or to infinity
    // neither hang nor spill, the visible part of a dashed one is drawn; cleared marks are gone. Painted
    // again from its marks at three times the size (as on paper): the same, three times thicker.
    void superficie() {
        SuperficieDisegno s;
        s.resize(100, 100);
        QVERIFY(s.ImpostaScala(0, 100, 100, 0));
        for (const Lista& r : {Lista{3, 5, 3, -5}, Lista{0, 1e-320, 1, 0}, Lista{NaN, 5, 10, -5}})
            QVERIFY(!s.ImpostaScala(r[0], r[1], r[2], r[3]));
        QCOMPARE(s.InPixel(100, 0), QPointF(100, 100));
        s.RimuoviSfondo();
        s.Linea(0, 60, 100, 60);
        s.Cancella();
        s.ImpostaTratteggio(true);
        s.Linea(-1e12, 30, 1e12, 30);
        s.Linea(50, -1e15, 50, Inf);
        s.RendiPersistente();
        QImage carta(300, 400, QImage::Format_RGB32);
        carta.fill(Qt::gray);
        QPainter pittore(&carta);
        s.DisegnaIn(pittore, QRectF(0, 100, 300, 300));
        pittore.drawImage(0, 0, s.Immagine());
        pittore.end();
        Confronta(carta, QStringLiteral("superficie"));
    }
};

REGISTRA_COLLAUDO(TstCurva);
#include "tst_Curva.moc"
