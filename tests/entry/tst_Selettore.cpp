#include "Banco.h"
#include "Collaudo.h"

#include <QImage>
#include <QPainter>

namespace {
enum { S1, S2, Stot, T1, T2, Ttot, Vm, A };

// Each line's band in pixels (twips / 15): first row included, last excluded.
constexpr int Bande[12] = {132, 143, 157, 169, 183, 195, 209, 220, 233, 248, 262, 276};
const QStringList Terne[11] = {{"Stot", "Ttot", "S1"}, {"Stot", "Ttot", "A"}, {"Stot", "Ttot", "T1"},
                               {"Stot", "Vm", "S1"},   {"Stot", "Vm", "A"},   {"Stot", "Vm", "T1"},
                               {"Vm", "Ttot", "S1"},   {"Vm", "Ttot", "A"},   {"Vm", "Ttot", "T1"},
                               {"Vm", "Ttot", "Stot"}, {"Vm", "T2", "Stot"}};

QStringList InOrdine(QStringList nomi) {
    QStringList ordinati;
    for (const char* nome : Banco::Nomi)
        if (nomi.contains(nome))
            ordinati << nome;
    return ordinati;
}

bool Scuro(const QImage& im, int x, int y) {
    return qGray(im.pixel(x, y)) < 128;
}
} // namespace

class TstSelettore : public QObject {
    Q_OBJECT
private slots:
    void linea_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("sistema");
        for (int linea = 0; linea < 11; ++linea) {
            QTest::addRow("linea %d primo pixel", linea + 1) << 419 << Bande[linea] << linea;
            QTest::addRow("linea %d ultimo pixel", linea + 1) << 510 << Bande[linea + 1] - 1 << linea;
        }
    }
    void linea() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, sistema);
        Banco b;
        b.Inserimento();
        b.Spunta(T2);
        b.Scrivi(T2, "4");
        b.Premi(x, y);
        QCOMPARE(b.programma.SistemaCorrente, sistema);
        QCOMPARE(b.Spuntate(), InOrdine(Terne[sistema]));
        QCOMPARE(b.Visibili(), InOrdine(Terne[sistema]));
        for (int i = 0; i < 8; ++i)
            if (i != T2)
                QCOMPARE(b.Valore(i)->text(), QString());
        QCOMPARE(b.Fuoco(), "Valore di " + Terne[sistema].last());
        b.Spunta(sistema == 10 ? S1 : T2);
        QCOMPARE(b.dialoghi.Messaggi().size(), 1);
    }

    void fuoriElenco_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("bordo sinistro") << 418 << 140;
        QTest::newRow("bordo destro") << 511 << 140;
        QTest::newRow("sopra") << 450 << 131;
        QTest::newRow("sotto") << 450 << 276;
        QTest::newRow("titolo") << 450 << 110;
        QTest::newRow("profilo") << 200 << 200;
    }
    void fuoriElenco() {
        QFETCH(int, x);
        QFETCH(int, y);
        Banco b;
        b.Inserimento();
        b.Spunta(Stot);
        b.Scrivi(Stot, "2");
        b.Premi(x, y);
        QCOMPARE(b.programma.SistemaCorrente, -1);
        QCOMPARE(b.Spuntate(), QStringList{"Stot"});
        QCOMPARE(b.Valore(Stot)->text(), QStringLiteral("2"));
    }

    void sostituisceSelezione_data() {
        QTest::addColumn<Qt::MouseButton>("tasto");
        QTest::newRow("sinistro") << Qt::LeftButton;
        QTest::newRow("destro") << Qt::RightButton;
        QTest::newRow("centrale") << Qt::MiddleButton;
    }
    void sostituisceSelezione() {
        QFETCH(Qt::MouseButton, tasto);
        Banco b;
        b.programma.SistemaCorrente = 3; // Stot, Vm, S1 with their values
        b.programma.Moto.S1 = 0.25;
        b.Inserimento();
        b.Premi(440, 133, tasto);
        QCOMPARE(b.programma.SistemaCorrente, 0);
        QCOMPARE(b.Spuntate(), (QStringList{"S1", "Stot", "Ttot"}));
        QCOMPARE(b.Valore(S1)->text(), QString());
        QVERIFY(!b.Valore(Vm)->isVisible());
        QCOMPARE(b.Fuoco(), QStringLiteral("Valore di S1"));
    }

    // Every line of the list is drawn inside its own band, so what is read is what is picked: each
    // band holds ink, and a blank row at its top or bottom edge parts it from its neighbours.
    void elencoNelleBande() {
        Banco b;
        b.Inserimento();
        const QImage im = b.Picture1()->grab().toImage();
        QList<bool> rigaScura(im.height());
        for (int y = Bande[0] - 10; y < Bande[11] + 10; ++y)
            for (int x = 412; x < im.width(); ++x)
                if (Scuro(im, x, y)) {
                    QVERIFY2(x > 418 && x < 511 && y >= Bande[0] && y < Bande[11],
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                    rigaScura[y] = true;
                }
        for (int linea = 0; linea < 11; ++linea) {
            QVERIFY(std::count(rigaScura.begin() + Bande[linea], rigaScura.begin() + Bande[linea + 1],
                               true) >= 8);
            QVERIFY(!rigaScura[Bande[linea]] || !rigaScura[Bande[linea + 1] - 1]);
        }
    }

    // The time axis covers whole device pixels at any scale: no grey rows beside it.
    void nitido_data() {
        QTest::addColumn<int>("scala");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
    }
    void nitido() {
        QFETCH(int, scala);
        Banco b;
        b.Inserimento();
        QImage im(b.Picture1()->size() * scala, QImage::Format_RGB32);
        im.setDevicePixelRatio(scala);
        b.Picture1()->render(&im);
        const int x = 250 * scala;
        for (int y = 298 * scala; y < 303 * scala; ++y) {
            const int grigio = qGray(im.pixel(x, y));
            QVERIFY2(grigio < 30 || grigio > 225, qPrintable(QString::number(y)));
            QCOMPARE(grigio < 30, y >= 300 * scala && y < 301 * scala);
        }
    }
};
REGISTRA_COLLAUDO(TstSelettore);
#include "tst_Selettore.moc"
