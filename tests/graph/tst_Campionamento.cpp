#include "Campionamento.h"
#include "Collaudo.h"
#include "Velantra.h"
#include "XYPoli.h"

#include <QTest>
#include <limits>

namespace {

const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Passo = 0.01f; // the step as the program stores it

XYPoli& Campiona(XYPoli& punti, double T1, double T2, double Vm) {
    Velantra m;
    m.T1 = T1;
    m.T2 = T2;
    m.Vm = Vm;
    CampionaVelocita(punti, m, 0.01f);
    return punti;
}

} // namespace

class TstCampionamento : public QObject {
    Q_OBJECT
private slots:
    // Points where the phases meet, for Vm = 1.
    void puntiNotevoli_data() {
        QTest::addColumn<double>("T1");
        QTest::addColumn<double>("T2");
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("indice");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        // 51 + 101 + 51 samples and the end point; the single-precision step makes the 51st sample of
        // the rise fall just short of T1.
        QTest::newRow("ultimo della salita") << 0.5 << 1.0 << 204 << 50 << 0.49999998882 << 0.99999997765;
        QTest::newRow("inizio della discesa") << 0.5 << 1.0 << 204 << 152 << 1.5 << 1.0;
        QTest::newRow("ultimo della discesa") << 0.5 << 1.0 << 204 << 202 << 1.99999998882 << 2.2351742e-8;
        QTest::newRow("fine") << 0.5 << 1.0 << 204 << 203 << 2.0 << 0.0;
        QTest::newRow("T2 nullo: un punto a regime") << 0.5 << 0.0 << 104 << 51 << 0.5 << 1.0;
        QTest::newRow("T2 nullo: la discesa parte insieme") << 0.5 << 0.0 << 104 << 52 << 0.5 << 1.0;
        // The last sample lands on the end at zero speed: it stays before the end point.
        QTest::newRow("campione sulla fine") << Passo << 0.0 << 6 << 4 << 2 * Passo << 0.0;
        QTest::newRow("campione sulla fine: fine") << Passo << 0.0 << 6 << 5 << 2 * Passo << 0.0;
    }
    void puntiNotevoli() {
        QFETCH(double, T1);
        QFETCH(double, T2);
        QFETCH(int, numero);
        QFETCH(int, indice);
        QFETCH(double, x);
        QFETCH(double, y);
        XYPoli punti;
        Campiona(punti, T1, T2, 1);
        QCOMPARE(punti.NumeroElementi(), numero);
        QVERIFY2(qAbs(punti.X(indice) - x) < 1e-10, qPrintable(QString::number(punti.X(indice), 'g', 17)));
        QVERIFY2(qAbs(punti.Y(indice) - y) < 1e-10, qPrintable(QString::number(punti.Y(indice), 'g', 17)));
    }

    // Count 0: no motion, the curve stays empty. Count 50000: longer than 500 s, the sampling stops
    // at the full list, so even 10^12 s end at once. Otherwise the curve starts at (0, 0), never goes
    // back in time, stays within 0 and Vm and ends exactly at (2*T1 + T2, 0).
    void curva_data() {
        QTest::addColumn<double>("T1");
        QTest::addColumn<double>("T2");
        QTest::addColumn<double>("Vm");
        QTest::addColumn<int>("numero");
        QTest::newRow("1 2 1.3") << 1.0 << 2.0 << 1.3 << 404;
        QTest::newRow("valori qualsiasi") << 0.123 << 0.777 << 2.5 << 105;
        QTest::newRow("salita piu corta di un passo") << 0.001 << 0.0 << 1.0 << 4;
        QTest::newRow("lenta e lunga") << 120.0 << 200.0 << 0.01 << 44004;
        QTest::newRow("T1 nullo") << 0.0 << 1.0 << 1.0 << 0;
        QTest::newRow("Vm negativa") << 0.5 << 1.0 << -1.0 << 0;
        QTest::newRow("T2 non definito") << 0.5 << NaN << 1.0 << 0;
        QTest::newRow("Vm infinita") << 0.5 << 1.0 << Inf << 0;
        QTest::newRow("T1 trascurabile accanto a T2") << 1e-300 << 1.0 << 1.0 << 0;
        QTest::newRow("regime di 10^12 s") << 0.5 << 1e12 << 1.0 << 50000;
        QTest::newRow("salita di 10^12 s") << 1e12 << 1.0 << 1.0 << 50000;
    }
    void curva() {
        QFETCH(double, T1);
        QFETCH(double, T2);
        QFETCH(double, Vm);
        QFETCH(int, numero);
        XYPoli punti;
        const int n = Campiona(punti, T1, T2, Vm).NumeroElementi();
        QCOMPARE(n, numero);
        for (int i = 1; i < n; ++i) {
            QVERIFY2(punti.X(i) >= punti.X(i - 1), qPrintable(QString::number(i)));
            QVERIFY2(punti.Y(i) >= 0 && punti.Y(i) <= Vm * (1 + 1e-12), qPrintable(QString::number(i)));
        }
        if (n == 0 || n == 50000) {
            QVERIFY(n == 0 || punti.X(n - 1) < 500);
            return;
        }
        QCOMPARE(punti.X(n - 1), 2 * T1 + T2);
        QCOMPARE(punti.Y(n - 1), 0.0);
    }
};

REGISTRA_COLLAUDO(TstCampionamento);
#include "tst_Campionamento.moc"
