#include "Collaudo.h"
#include "LeggeMoto.h"
#include "Velantra.h"

#include <QTest>

namespace {
Velantra Moto(double T1, double T2, double Vm) {
    Velantra m;
    m.T1 = T1, m.T2 = T2, m.Vm = Vm;
    return m;
}
} // namespace

class TstLeggeMoto : public QObject {
    Q_OBJECT
private slots:
    // s, v and a at the phase boundaries, inside the phases and outside the motion.
    void istanti_data() {
        QTest::addColumn<double>("T2");
        QTest::addColumn<double>("t");
        QTest::addColumn<QList<double>>("sva");
        // T1 1, Vm 0.5 (A 0.5); with T2 3 the stroke is 2 m in 5 s.
        QTest::newRow("prima") << 3.0 << -1.0 << QList<double>{0, 0, 0};
        QTest::newRow("partenza") << 3.0 << 0.0 << QList<double>{0, 0, 0.5};
        QTest::newRow("salita") << 3.0 << 0.5 << QList<double>{0.0625, 0.25, 0.5};
        QTest::newRow("T1") << 3.0 << 1.0 << QList<double>{0.25, 0.5, 0};
        QTest::newRow("regime") << 3.0 << 2.5 << QList<double>{1, 0.5, 0};
        QTest::newRow("T1+T2") << 3.0 << 4.0 << QList<double>{1.75, 0.5, -0.5};
        QTest::newRow("discesa") << 3.0 << 4.5 << QList<double>{1.9375, 0.25, -0.5};
        QTest::newRow("arrivo") << 3.0 << 5.0 << QList<double>{2, 0, 0};
        QTest::newRow("dopo") << 3.0 << 9.0 << QList<double>{2, 0, 0};
        QTest::newRow("triangolo, T1") << 0.0 << 1.0 << QList<double>{0.25, 0.5, -0.5};
        QTest::newRow("triangolo, arrivo") << 0.0 << 2.0 << QList<double>{0.5, 0, 0};
    }
    void istanti() {
        QFETCH(double, T2);
        QFETCH(double, t);
        const LeggeMoto legge(Moto(1, T2, 0.5));
        QTEST((QList<double>{legge.Posizione(t), legge.Velocita(t), legge.Accelerazione(t)}), "sva");
    }

    // A solved record: the law meets S1, S1 + S2 and Stot, and the distance is the same whichever way
    // it is taken, clamped to the motion, and keeps its precision late in a long stroke.
    void spazio() {
        Velantra m;
        m.Stot = 1, m.Ttot = 2, m.Acc = 2;
        m.StTtA(); // irrational phase times
        const LeggeMoto legge(m);
        QCOMPARE(legge.Durata(), m.Ttot);
        QCOMPARE(legge.Posizione(m.T1), m.S1);
        QCOMPARE(legge.Posizione(m.T1 + m.T2), m.S1 + m.S2);
        QCOMPARE(legge.Posizione(m.Ttot), legge.Corsa());
        QCOMPARE(legge.Corsa(), m.Stot);
        QCOMPARE(legge.Spazio(-3, 7), m.Stot);
        QCOMPARE(legge.Spazio(1.9, 0.1), legge.Posizione(1.9) - legge.Posizione(0.1));
        const LeggeMoto lunga(Moto(1, 1e6, 1));
        QCOMPARE(lunga.Spazio(5e5, 5e5 + 1e-6), (5e5 + 1e-6) - 5e5);
    }

    // No motion: the part rests at 0.
    void fermo_data() {
        QTest::addColumn<double>("T1");
        QTest::addColumn<double>("Vm");
        QTest::newRow("tutto zero") << 0.0 << 0.0;
        QTest::newRow("T1 negativo") << -1.0 << 0.5;
        QTest::newRow("Vm negativa") << 1.0 << -0.5;
        QTest::newRow("T1 non definito") << qQNaN() << 0.5;
        QTest::newRow("Vm infinita") << 1.0 << qInf();
    }
    void fermo() {
        QFETCH(double, T1);
        QFETCH(double, Vm);
        const LeggeMoto legge(Moto(T1, 3, Vm));
        QCOMPARE((QList<double>{legge.Durata(), legge.Corsa(), legge.Posizione(1), legge.Velocita(0.5),
                                legge.Accelerazione(0), legge.Spazio(0, 10)}),
                 (QList<double>{0, 0, 0, 0, 0, 0}));
    }
};
REGISTRA_COLLAUDO(TstLeggeMoto);
#include "tst_LeggeMoto.moc"
