#include "Collaudo.h"
#include "Collocazione.h"

#include <QTest>

class TstCollocazione : public QObject {
    Q_OBJECT
private slots:
    void suUnoSchermo_data() {
        QTest::addColumn<QRect>("finestra");
        QTest::addColumn<QList<QRect>>("schermi");
        QTest::addColumn<QRect>("attesa");
        const QRect principale(0, 0, 1600, 1000);
        const QRect destro(1600, 0, 1280, 1024);
        QTest::newRow("dentro") << QRect(67, 67, 433, 433) << QList<QRect>{principale}
                                << QRect(67, 67, 433, 433);
        QTest::newRow("in parte fuori, afferrabile")
            << QRect(1400, 900, 433, 433) << QList<QRect>{principale} << QRect(1400, 900, 433, 433);
        QTest::newRow("appena un angolo")
            << QRect(1550, 980, 433, 433) << QList<QRect>{principale} << QRect(1167, 567, 433, 433);
        QTest::newRow("sullo schermo tolto")
            << QRect(2000, 100, 433, 433) << QList<QRect>{principale} << QRect(1167, 100, 433, 433);
        QTest::newRow("sul secondo schermo")
            << QRect(2000, 100, 433, 433) << QList<QRect>{principale, destro} << QRect(2000, 100, 433, 433);
        QTest::newRow("a sinistra di tutti")
            << QRect(-5000, -40, 300, 200) << QList<QRect>{principale, destro} << QRect(0, 0, 300, 200);
        QTest::newRow("piu grande dello schermo")
            << QRect(10, 10, 9000, 9000) << QList<QRect>{principale} << QRect(0, 0, 1600, 1000);
        QTest::newRow("piu alta, sul secondo")
            << QRect(1700, 30, 900, 3000) << QList<QRect>{principale, destro} << QRect(1700, 0, 900, 1024);
        QTest::newRow("nessuno schermo")
            << QRect(-5000, 0, 10, 10) << QList<QRect>{} << QRect(-5000, 0, 10, 10);
    }
    void suUnoSchermo() {
        QFETCH(QRect, finestra);
        QFETCH(QList<QRect>, schermi);
        QFETCH(QRect, attesa);
        QCOMPARE(SuUnoSchermo(finestra, schermi), attesa);
    }

    void twips_data() {
        QTest::addColumn<QRectF>("letta");
        QTest::addColumn<QRect>("pixel");
        QTest::addColumn<QRectF>("scritta");
        QTest::newRow("invariata") << QRectF(1000, 1000, 6500, 6500) << QRect(67, 67, 433, 433)
                                   << QRectF(1000, 1000, 6500, 6500);
        QTest::newRow("spostata") << QRectF(1000, 1000, 6500, 6500) << QRect(100, 67, 433, 434)
                                  << QRectF(1500, 1000, 6500, 6510);
        QTest::newRow("fuori misura")
            << QRectF(-1e30, 0, 1e30, 6500) << QRect(0, 0, 1600, 433) << QRectF(0, 0, 24000, 6500);
    }
    void twips() {
        QFETCH(QRectF, letta);
        QFETCH(QRect, pixel);
        QFETCH(QRectF, scritta);
        QCOMPARE(InTwips(pixel, letta), scritta);
        QCOMPARE(InPixel(scritta), pixel);
    }
};
REGISTRA_COLLAUDO(TstCollocazione);
#include "tst_Collocazione.moc"
