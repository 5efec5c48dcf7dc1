#include "Collaudo.h"
#include "SuperficieDisegno.h"

#include <QTest>
#include <limits>

class TstSuperficieDisegno : public QObject {
    Q_OBJECT
private slots:
    // A coordinate system without extent is refused; lines far beyond the surface, or to infinity,
    // neither hang nor spill: the visible part of the dashed one is drawn, the other is dropped.
    void coordinateEstreme() {
        SuperficieDisegno s;
        s.resize(100, 100);
        QVERIFY(s.ImpostaScala(0, 100, 100, 0));
        QVERIFY(!s.ImpostaScala(3, 5, 3, -5));
        QVERIFY(!s.ImpostaScala(0, 1e-320, 1, 0));
        QVERIFY(!s.ImpostaScala(std::numeric_limits<double>::quiet_NaN(), 5, 10, -5));
        QCOMPARE(s.InPixel(100, 0), QPointF(100, 100));
        s.RimuoviSfondo();
        s.ImpostaTratteggio(true);
        s.Linea(-1e12, 30, 1e12, 30);
        s.Linea(50, -1e15, 50, std::numeric_limits<double>::infinity());
        s.Cancella();
        QCOMPARE(s.Immagine().pixel(50, 70), qRgb(255, 255, 255)); // marks only, cleared
        s.Linea(-1e12, 30, 1e12, 30);
        s.Linea(50, -1e15, 50, std::numeric_limits<double>::infinity());
        s.RendiPersistente();
        int scuri = 0, tutti = 0;
        const QImage immagine = s.Immagine();
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                const bool scuro = qGray(immagine.pixel(x, y)) < 128;
                tutti += scuro;
                scuri += scuro && y == 70;
            }
        QVERIFY2(scuri > 30 && scuri < 100, qPrintable(QString::number(scuri))); // dashes
        QCOMPARE(tutti, scuri);
    }
};

REGISTRA_COLLAUDO(TstSuperficieDisegno);
#include "tst_SuperficieDisegno.moc"
