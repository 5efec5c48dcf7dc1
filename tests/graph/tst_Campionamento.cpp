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

Velantra Moto(double T1, double T2, double Vm) {
    Velantra m;
    m.T1 = T1;
    m.T2 = T2;
    m.Vm = Vm;
    return m;
}

} // namespace

class TstCampionamento : public QObject {
    Q_OBJECT
private slots:
    // Index, time and speed of points where the phases meet.
    void puntiNotevoli_data() {
        QTest::addColumn<double>("T1");
        QTest::addColumn<double>("T2");
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("indice");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        // T1 0.5, T2 1, Vm 1: 51 + 101 + 51 samples and the end point. The single-precision step
        // makes the 51st sample fall just short of T1.
        QTest::newRow("ultimo della salita") << 0.5 << 1.0 << 204 << 50 << 0.49999998882 << 0.99999997765;
        QTest::newRow("inizio del regime") << 0.5 << 1.0 << 204 << 51 << 0.5 << 1.0;
        QTest::newRow("ultimo del regime") << 0.5 << 1.0 << 204 << 151 << 1.49999997765 << 1.0;
        QTest::newRow("inizio della discesa") << 0.5 << 1.0 << 204 << 152 << 1.5 << 1.0;
        QTest::newRow("ultimo della discesa") << 0.5 << 1.0 << 204 << 202 << 1.99999998882 << 2.2351742e-8;
        QTest::newRow("fine") << 0.5 << 1.0 << 204 << 203 << 2.0 << 0.0;
        // T2 = 0: one sample at the regime speed, the descent starts at the same time.
        QTest::newRow("T2 nullo: regime") << 0.5 << 0.0 << 104 << 51 << 0.5 << 1.0;
        QTest::newRow("T2 nullo: discesa") << 0.5 << 0.0 << 104 << 52 << 0.5 << 1.0;
        QTest::newRow("T2 nullo: fine") << 0.5 << 0.0 << 104 << 103 << 1.0 << 0.0;
        // The last descent sample lands exactly on the end at zero speed: it stays before the end point.
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
        CampionaVelocita(punti, Moto(T1, T2, 1), 0.01f);
        QCOMPARE(punti.NumeroElementi(), numero);
        QVERIFY2(qAbs(punti.X(indice) - x) < 1e-10, qPrintable(QString::number(punti.X(indice), 'g', 17)));
        QVERIFY2(qAbs(punti.Y(indice) - y) < 1e-10, qPrintable(QString::number(punti.Y(indice), 'g', 17)));
        QCOMPARE(punti.P(indice), 0.0);
    }

    // Whatever the step does, the curve starts at (0, 0), never goes back in time nor below zero,
    // and ends exactly at (2*T1 + T2, 0).
    void formaDellaCurva_data() {
        QTest::addColumn<double>("T1");
        QTest::addColumn<double>("T2");
        QTest::addColumn<double>("Vm");
        QTest::newRow("1 2 1.3") << 1.0 << 2.0 << 1.3;
        QTest::newRow("0.05 3.9") << 0.05 << 3.9 << 1.0;
        QTest::newRow("valori qualsiasi") << 0.123 << 0.777 << 2.5;
        QTest::newRow("salita piu corta di un passo") << 0.001 << 0.0 << 1.0;
        QTest::newRow("lenta e lunga") << 120.0 << 200.0 << 0.01;
    }
    void formaDellaCurva() {
        QFETCH(double, T1);
        QFETCH(double, T2);
        QFETCH(double, Vm);
        XYPoli punti;
        CampionaVelocita(punti, Moto(T1, T2, Vm), 0.01f);
        const int n = punti.NumeroElementi();
        QVERIFY(n >= 4);
        QCOMPARE(punti.X(0), 0.0);
        QCOMPARE(punti.Y(0), 0.0);
        for (int i = 0; i < n; ++i) {
            QVERIFY2(punti.Y(i) >= 0, qPrintable(QString::number(i)));
            QVERIFY2(punti.Y(i) <= Vm * (1 + 1e-12), qPrintable(QString::number(i)));
            if (i > 0)
                QVERIFY2(punti.X(i) >= punti.X(i - 1), qPrintable(QString::number(i)));
        }
        QCOMPARE(punti.X(n - 1), 2 * T1 + T2);
        QCOMPARE(punti.Y(n - 1), 0.0);
    }

    // Records a solver can leave that describe no motion: the curve stays empty, and the call returns.
    void recordSenzaMoto_data() {
        QTest::addColumn<double>("T1");
        QTest::addColumn<double>("T2");
        QTest::addColumn<double>("Vm");
        QTest::newRow("T1 nullo") << 0.0 << 1.0 << 1.0;
        QTest::newRow("T1 negativo") << -0.5 << 1.0 << 1.0;
        QTest::newRow("Vm nulla") << 0.5 << 1.0 << 0.0;
        QTest::newRow("Vm negativa") << 0.5 << 1.0 << -1.0;
        QTest::newRow("T1 non definito") << NaN << 1.0 << 1.0;
        QTest::newRow("T2 non definito") << 0.5 << NaN << 1.0;
        QTest::newRow("T2 infinito") << 0.5 << Inf << 1.0;
        QTest::newRow("Vm infinita") << 0.5 << 1.0 << Inf;
        QTest::newRow("T1 trascurabile accanto a T2") << 1e-300 << 1.0 << 1.0;
    }
    void recordSenzaMoto() {
        QFETCH(double, T1);
        QFETCH(double, T2);
        QFETCH(double, Vm);
        XYPoli punti;
        CampionaVelocita(punti, Moto(T1, T2, Vm), 0.01f);
        QCOMPARE(punti.NumeroElementi(), 0);
    }

    // Motions longer than 500 s fill the list: the sampling stops there, keeping the points it would
    // have kept had it gone on to the end, and without the end point.
    void motoTroppoLungo_data() {
        QTest::addColumn<double>("T1");
        QTest::addColumn<double>("T2");
        QTest::addColumn<double>("yUltimo");
        QTest::newRow("regime di 10^12 s") << 0.5 << 1e12 << 1.0;
        QTest::newRow("salita di 10^12 s") << 1e12 << 1.0 << 49999 * Passo / 1e12;
        QTest::newRow("poco oltre 500 s") << 0.5 << 499.5 << 1.0;
    }
    void motoTroppoLungo() {
        QFETCH(double, T1);
        QFETCH(double, T2);
        QFETCH(double, yUltimo);
        XYPoli punti;
        CampionaVelocita(punti, Moto(T1, T2, 1), 0.01f);
        QCOMPARE(punti.NumeroElementi(), 50000);
        QCOMPARE(punti.X(50000), 0.0);
        QVERIFY(qAbs(punti.Y(49999) - yUltimo) <= 1e-9 * yUltimo);
        QVERIFY(punti.X(49999) < 500);
    }

    void chiusura_data() {
        QTest::addColumn<QList<double>>("velocita"); // samples at t = 0, 1, 2, ...
        QTest::addColumn<int>("restano");
        QTest::newRow("negativi in coda") << QList<double>{0, 1, 0.5, -0.5, -1.5} << 3;
        QTest::newRow("zero in coda resta") << QList<double>{0, 1, 0} << 3;
        QTest::newRow("negativo in mezzo resta") << QList<double>{0, -1, 1, -2} << 3;
        QTest::newRow("tutti negativi") << QList<double>{-1, -2} << 0;
        QTest::newRow("lista vuota") << QList<double>{} << 0;
    }
    void chiusura() {
        QFETCH(QList<double>, velocita);
        QFETCH(int, restano);
        XYPoli punti;
        for (int i = 0; i < velocita.size(); ++i)
            punti.Add(i, velocita[i], 0);
        ChiudiCurvaVelocita(punti, 9.5);
        QCOMPARE(punti.NumeroElementi(), restano + 1);
        for (int i = 0; i < restano; ++i)
            QCOMPARE(punti.Y(i), velocita[i]);
        QCOMPARE(punti.X(restano), 9.5);
        QCOMPARE(punti.Y(restano), 0.0);
    }
};

REGISTRA_COLLAUDO(TstCampionamento);
#include "tst_Campionamento.moc"
