#include "Banco.h"
#include "Collaudo.h"

#include <QImage>

namespace {
const QString Troppe = QStringLiteral("Non si possono selezionare più di 3 variabili");
// Each line's band in pixels (twips / 15): first row included, last excluded.
constexpr int Bande[12] = {132, 143, 157, 169, 183, 195, 209, 220, 233, 248, 262, 276};
} // namespace

class TstInserimento : public QObject {
    Q_OBJECT
private slots:
    void regolaSpunte() {
        Banco b;
        QWidget& finestra = b.Inserimento();
        QCOMPARE(finestra.parentWidget()->pos(), QPoint(7, 7));
        QCOMPARE(finestra.size(), QSize(585, 417));
        b.Spunta(S1);
        b.Scrivi(S1, "12");
        b.Spunta(S1);
        QCOMPARE(b.Stato(), QString());
        QCOMPARE(b.Valore(S1)->text(), QStringLiteral("12"));
        b.Spunta(S1);
        b.Spunta(T1);
        b.Casella(Vm)->setFocus();
        QTest::keyClick(b.Casella(Vm), Qt::Key_Space); // the keyboard follows the same rule
        QCOMPARE(b.Fuoco(), QStringLiteral("Valore di Vm"));
        b.Spunta(A);
        b.Spunta(T2);
        QCOMPARE(b.dialoghi.Messaggi(), QStringList(2, Troppe));
        QCOMPARE(b.Stato(), QStringLiteral("S1= T1= Vm="));
        QVERIFY(!b.Casella(S2)->isVisible());
    }

    void tastoPunto_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("battuto");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("it punto") << It << "1.25"
                                  << "1,25";
        QTest::newRow("it altri tasti") << It << "-3a.b"
                                        << "-3a,b";
        QTest::newRow("us punto") << Us << "1.25"
                                  << "1.25";
        QTest::newRow("us virgola") << Us << "1,25"
                                    << "1,25";
    }
    void tastoPunto() {
        QFETCH(QLocale, locale);
        QFETCH(QString, battuto);
        QLocale::setDefault(locale);
        Banco b;
        b.Inserimento();
        b.Spunta(T1);
        b.Scrivi(T1, battuto);
        QTEST(b.Valore(T1)->text(), "atteso");
    }

    // Opening shows the current system from Moto; closing keeps what was typed for it, skipping
    // quietly what cannot be read.
    void riapertura_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QString>("aperta");
        QTest::addColumn<QString>("fuoco");
        QTest::addColumn<QString>("riaperta");
        QTest::newRow("nessuno") << It << -1 << ""
                                 << "T1"
                                 << "";
        QTest::newRow("10 it") << It << 10 << "Stot=2 T2=0,333333333333333 Vm=1E-05"
                               << "Valore di Stot"
                               << "Stot=3,5 T2=0,333333333333333 Vm=1E-05";
        QTest::newRow("10 us") << Us << 10 << "Stot=2 T2=0.333333333333333 Vm=1E-05"
                               << "Valore di Stot"
                               << "Stot=3.5 T2=0.333333333333333 Vm=1E-05";
    }
    void riapertura() {
        QFETCH(QLocale, locale);
        QFETCH(int, sistema);
        QLocale::setDefault(locale);
        Banco b;
        b.programma.SistemaCorrente = int16_t(sistema);
        b.programma.Moto.Stot = 2;
        b.programma.Moto.T2 = 1.0 / 3;
        b.programma.Moto.Vm = 0.00001;
        b.Inserimento();
        QTEST(b.Stato(), "aperta");
        QTEST(b.Fuoco(), "fuoco");
        b.Spunta(T1);
        QCOMPARE(b.dialoghi.Messaggi().size(), sistema < 0 ? 0 : 1);
        if (sistema < 0) {
            b.Spunta(Stot);
            b.Spunta(T2);
        }
        b.Scrivi(Stot, "3.5");
        b.Scrivi(T2, "x");
        b.Chiudi("frmInserimentoDati");
        QCOMPARE(b.programma.Moto.Stot, sistema < 0 ? 2.0 : 3.5);
        QCOMPARE(b.programma.Moto.T2, 1.0 / 3);
        b.Inserimento();
        QTEST(b.Stato(), "riaperta");
        QCOMPARE(b.dialoghi.Messaggi().size(), sistema < 0 ? 0 : 1);
    }

    void ordineTabulazione() {
        Banco b;
        b.programma.SistemaCorrente = 0;
        b.Inserimento();
        QStringList percorso{b.Fuoco()};
        for (int passo = 0; passo < 10; ++passo) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            percorso << b.Fuoco();
        }
        QCOMPARE(percorso,
                 (QStringList{"Valore di S1", "Valore di Stot", "Valore di Ttot", "T1", "S1", "Stot", "T2",
                              "Ttot", "Vm", "A", "Profilo di velocità e combinazioni possibili"}));
    }

    // A press in a line's band, with any button, ticks that line's triple; elsewhere nothing changes.
    void selettore_data() {
        QTest::addColumn<QPoint>("punto");
        QTest::addColumn<Qt::MouseButton>("tasto");
        QTest::addColumn<int>("sistema");
        for (int linea = 0; linea < 11; ++linea) {
            QTest::addRow("linea %d in alto", linea + 1)
                << QPoint(419, Bande[linea]) << Qt::LeftButton << linea;
            QTest::addRow("linea %d in basso", linea + 1)
                << QPoint(510, Bande[linea + 1] - 1) << Qt::LeftButton << linea;
        }
        QTest::newRow("destro") << QPoint(440, 133) << Qt::RightButton << 0;
        QTest::newRow("centrale") << QPoint(440, 270) << Qt::MiddleButton << 10;
        QTest::newRow("bordo sinistro") << QPoint(418, 140) << Qt::LeftButton << -1;
        QTest::newRow("bordo destro") << QPoint(511, 140) << Qt::LeftButton << -1;
        QTest::newRow("sopra") << QPoint(450, 131) << Qt::LeftButton << -1;
        QTest::newRow("sotto") << QPoint(450, 276) << Qt::LeftButton << -1;
        QTest::newRow("profilo") << QPoint(200, 200) << Qt::LeftButton << -1;
    }
    void selettore() {
        QFETCH(QPoint, punto);
        QFETCH(Qt::MouseButton, tasto);
        QFETCH(int, sistema);
        Banco b;
        b.Inserimento();
        b.Spunta(Stot);
        b.Scrivi(Stot, "4");
        QTest::mouseClick(b.Picture1(), tasto, {}, punto);
        QCOMPARE(b.programma.SistemaCorrente, sistema);
        if (sistema < 0) {
            QCOMPARE(b.Stato(), QStringLiteral("Stot=4"));
            return;
        }
        QStringList attese;
        for (int i = 0; i < 8; ++i)
            if (std::count(Terne[sistema], Terne[sistema] + 3, i))
                attese << QStringLiteral("%1=").arg(Nomi[i]);
        QCOMPARE(b.Stato(), attese.join(' '));
        QCOMPARE(b.Fuoco(), QStringLiteral("Valore di %1").arg(Nomi[Terne[sistema][2]]));
    }

    // What is read is what is picked: every line of the list is drawn in its own band, parted from its
    // neighbours by a blank row at the band's top or bottom.
    void elencoNelleBande() {
        Banco b;
        b.Inserimento();
        const QImage im = b.Picture1()->grab().toImage();
        QList<bool> scura(im.height());
        for (int y = Bande[0] - 10; y < Bande[11] + 10; ++y)
            for (int x = 412; x < im.width(); ++x)
                if (qGray(im.pixel(x, y)) < 128) {
                    QVERIFY2(x > 418 && x < 511 && y >= Bande[0] && y < Bande[11],
                             qPrintable(QString::number(y)));
                    scura[y] = true;
                }
        for (int linea = 0; linea < 11; ++linea) {
            QVERIFY(std::count(scura.begin() + Bande[linea], scura.begin() + Bande[linea + 1], true) >= 8);
            QVERIFY(!scura[Bande[linea]] || !scura[Bande[linea + 1] - 1]);
        }
    }

    // The time axis covers whole device pixels at any scale: no grey rows beside it.
    void nitido() {
        Banco b;
        b.Inserimento();
        for (const int scala : {1, 2, 3}) {
            QImage im(b.Picture1()->size() * scala, QImage::Format_RGB32);
            im.setDevicePixelRatio(scala);
            b.Picture1()->render(&im);
            for (int y = 298 * scala; y < 303 * scala; ++y) {
                const int grigio = qGray(im.pixel(250 * scala, y));
                QVERIFY(grigio < 30 || grigio > 225);
                QCOMPARE(grigio < 30, y >= 300 * scala && y < 301 * scala);
            }
        }
    }
};
REGISTRA_COLLAUDO(TstInserimento);
#include "tst_Inserimento.moc"
