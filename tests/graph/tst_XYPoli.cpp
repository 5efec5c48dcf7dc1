#include "Collaudo.h"
#include "XYPoli.h"

#include <QTest>
#include <climits>
#include <stdexcept>

class TstXYPoli : public QObject {
    Q_OBJECT
private slots:
    void ysuX_data() {
        QTest::addColumn<QList<double>>("xs"); // point i has Y = 10 + i
        QTest::addColumn<double>("cercato");
        QTest::addColumn<double>("xTrovato");
        QTest::addColumn<double>("yTrovato");
        const QList<double> tre{0, 1, 2};
        QTest::newRow("lista vuota") << QList<double>{} << 0.7 << 0.0 << 0.0;
        QTest::newRow("pari distanza: vince il primo") << tre << 0.5 << 0.0 << 10.0;
        QTest::newRow("oltre la fine") << tre << 7.0 << 2.0 << 12.0;
        QTest::newRow("non ordinata") << QList<double>{2, 0, 1, 0.2} << 0.15 << 0.2 << 13.0;
        QTest::newRow("doppione: vince il primo") << QList<double>{0, 1, 1} << 0.9 << 1.0 << 11.0;
    }
    void ysuX() {
        QFETCH(QList<double>, xs);
        QFETCH(double, cercato);
        QFETCH(double, xTrovato);
        QFETCH(double, yTrovato);
        XYPoli punti;
        for (int i = 0; i < xs.size(); ++i)
            punti.Add(xs[i], 10 + i, 0);
        QCOMPARE(punti.YsuX(cercato), yTrovato);
        QCOMPARE(cercato, xTrovato);
    }

    void erroriDelChiamante() {
        XYPoli punti;
        punti.Add(1, 2, 3);
        for (int indice : {-1, 50001, INT_MIN, INT_MAX}) {
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, punti.X(indice));
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, punti.Y(indice));
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, punti.P(indice));
        }
        QCOMPARE(punti.P(0), 3.0);
        punti.RimuoviUltimo();
        QCOMPARE(punti.X(0) + punti.Y(0) + punti.P(0), 0.0); // the released slot reads 0 again
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, punti.RimuoviUltimo());
        QCOMPARE(punti.NumeroElementi(), 0);
    }

    void listaPiena() {
        XYPoli punti;
        for (int i = 0; i < 50000; ++i)
            punti.Add(i, -i, 1);
        punti.Add(7, 7, 7); // dropped without a word
        QCOMPARE(punti.NumeroElementi(), 50000);
        QCOMPARE(punti.X(50000) + punti.Y(50000) + punti.P(50000), 0.0);
        double x = 1e9;
        QCOMPARE(punti.YsuX(x), -49999.0);
        QCOMPARE(x, 49999.0);
        punti.Vuota();
        QCOMPARE(punti.NumeroElementi(), 0);
        QCOMPARE(punti.X(49999) + punti.Y(49999) + punti.P(49999), 0.0);
    }
};

REGISTRA_COLLAUDO(TstXYPoli);
#include "tst_XYPoli.moc"
