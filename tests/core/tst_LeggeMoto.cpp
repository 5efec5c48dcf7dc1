#include "Collaudo.h"
#include "LeggeMoto.h"
#include "Velantra.h"

#include <QTest>

class TstLeggeMoto : public QObject {
    Q_OBJECT
private slots:
    // t, s, v, a at the phase boundaries, inside the phases and outside the motion, for T1 1 and Vm 0.5:
    // with T2 3 a stroke of 2 m in 5 s, with T2 0 a triangle of 0.5 m in 2 s.
    void istanti_data() {
        QTest::addColumn<double>("T2");
        QTest::addColumn<QList<double>>("tsva");
        // clang-format off
        const double righe[][5] = { // T2, t, s, v, a
            {3, -1, 0, 0, 0}, {3, 0, 0, 0, 0.5}, {3, 0.5, 0.0625, 0.25, 0.5}, {3, 1, 0.25, 0.5, 0},
            {3, 2.5, 1, 0.5, 0}, {3, 4, 1.75, 0.5, -0.5}, {3, 4.5, 1.9375, 0.25, -0.5}, {3, 5, 2, 0, 0},
            {3, 9, 2, 0, 0}, {0, 1, 0.25, 0.5, -0.5}, {0, 2, 0.5, 0, 0}};
        // clang-format on
        for (const auto& r : righe)
            QTest::addRow("T2 %g, t %g", r[0], r[1]) << r[0] << QList<double>(r + 1, r + 5);
    }
    void istanti() {
        QFETCH(double, T2);
        QFETCH(QList<double>, tsva);
        const double t = tsva[0];
        const LeggeMoto legge(Velantra{.T1 = 1, .T2 = T2, .Vm = 0.5});
        QCOMPARE((QList<double>{t, legge.Posizione(t), legge.Velocita(t), legge.Accelerazione(t)}), tsva);
    }

    // A solved record: the law meets S1, S1 + S2 and Stot; the distance is the same either way, clamped
    // to the motion, and keeps its precision late in a long stroke. No motion: at rest at 0.
    void spazio() {
        Velantra m{.Stot = 1, .Ttot = 2, .Acc = 2};
        m.StTtA(); // irrational phase times
        const LeggeMoto legge(m);
        const std::pair<double, double> pari[] = {{legge.Posizione(m.T1), m.S1},
                                                  {legge.Posizione(m.T1 + m.T2), m.S1 + m.S2},
                                                  {legge.Posizione(m.Ttot), m.Stot},
                                                  {legge.Durata(), m.Ttot},
                                                  {legge.Spazio(-3, 7), m.Stot}};
        for (const auto& [calcolato, atteso] : pari)
            QCOMPARE(calcolato, atteso);
        QCOMPARE(legge.Spazio(1.9, 0.1), legge.Posizione(1.9) - legge.Posizione(0.1));
        QCOMPARE(LeggeMoto({.T1 = 1, .T2 = 1e6, .Vm = 1}).Spazio(5e5, 5e5 + 1e-6), (5e5 + 1e-6) - 5e5);
        for (const double T1 : {0.0, -1.0, qQNaN()}) {
            const LeggeMoto fermo(Velantra{.T1 = T1, .T2 = 3, .Vm = 0.5});
            QCOMPARE(fermo.Durata() + fermo.Posizione(1) + fermo.Velocita(1) + fermo.Accelerazione(0), 0.0);
        }
    }
};
REGISTRA_COLLAUDO(TstLeggeMoto);
#include "tst_LeggeMoto.moc"
