#include "BancoGrafico.h"
#include "Collaudo.h"
#include "Particolari.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace {

// The example: T1 1 s, T2 3 s, Vm 0.5 m/sec, so A 0.5 m/sec^2, S1 0.25 m, Stot 2 m; the details on.
struct Esempio : Banco {
    Esempio() : Banco(1, 3, 0.5) { G.StatoDisegniGrafico |= Grafico::BitParticolari; }
    // x in pixels of the plot: 800 pixels from -0.25 s to 5.25 s, so x = 64 is 0.19 s.
    void Muovi(int x) {
        QTest::mouseMove(&finestra->Picture1(), QPoint(x + 1, 200));
        QTest::mouseMove(&finestra->Picture1(), QPoint(x, 200));
    }
    // Toolbar keys, "clic" (at the last x), and x positions.
    void Gesti(const QString& gesti) {
        int x = 0;
        for (const QString& gesto : gesti.split(' ', Qt::SkipEmptyParts)) {
            bool numero = false;
            if (const int valore = gesto.toInt(&numero); numero)
                Muovi(x = valore);
            else if (gesto == QLatin1String("clic"))
                QTest::mouseClick(&finestra->Picture1(), Qt::LeftButton, {}, QPoint(x, 200));
            else if (gesto == QLatin1String("zoom"))
                Zoom(0.5, 0.47, 2.5, 0.03);
            else
                Premi(gesto);
        }
    }
};

QString Testi(const SuperficieDisegno& s) {
    QStringList testi;
    for (const auto& t : s.Testi())
        testi << t.testo;
    return testi.join('|');
}

} // namespace

// The details of the motion on the graph window, and the window's picture out.
class TstParticolari : public QObject {
    Q_OBJECT
private slots:
    // s runs from 0 at the time axis to Stot at the height of Vm; a stands at 0.9, 0.5 and 0.1 of Vm
    // for +A, 0 and -A, jumping at the phase boundaries. Blue and orange pixels near a point (t, v) of
    // the plot.
    void disegno_data() {
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("v");
        QTest::addColumn<bool>("posizione");
        QTest::addColumn<bool>("accelerazione");
        QTest::newRow("s(T1) = S1") << 1.0 << 0.0625 << true << false;
        QTest::newRow("s(T1 + T2) = Stot - S1") << 4.0 << 0.4375 << true << false;
        QTest::newRow("s(Ttot) = Stot") << 5.0 << 0.5 << true << false;
        QTest::newRow("a = +A in salita") << 0.5 << 0.45 << false << true;
        QTest::newRow("a da +A a 0 in T1") << 1.0 << 0.35 << false << true;
        QTest::newRow("a = 0 a regime") << 2.0 << 0.25 << false << true;
        QTest::newRow("a da 0 a -A in T1 + T2") << 4.0 << 0.15 << false << true;
        QTest::newRow("a = -A in discesa") << 4.5 << 0.05 << false << true;
        QTest::newRow("nessuna a = +A a regime") << 2.5 << 0.45 << false << false;
    }
    void disegno() {
        QFETCH(double, t);
        QFETCH(double, v);
        Esempio b;
        b.Apri();
        const QRect intorno(b.Pixel(t, v) - QPoint(4, 4), QSize(9, 9));
        const QImage immagine = b.finestra->Picture1().Immagine();
        QTEST(Conta(immagine, ColorePosizione.rgb(), intorno) > 0, "posizione");
        QTEST(Conta(immagine, ColoreAccelerazione.rgb(), intorno) > 0, "accelerazione");
    }

    // The texts the details add: the phase marks with their times and Vm on the plot, the labels of
    // the position and acceleration axes; in a zoom only what lies in view.
    void testi_data() {
        QTest::addColumn<Lista>("moto"); // T1, T2, Vm
        QTest::addColumn<QString>("gesti");
        QTest::addColumn<QString>("piano");
        QTest::addColumn<QString>("posizioni");
        QTest::addColumn<QString>("accelerazioni");
        QTest::newRow("esempio") << Lista{1, 3, 0.5} << ""
                                 << "T1 = 1|T1 + T2 = 4|Vm = 0,5"
                                 << "0|0,5|1|1,5|2"
                                 << "0,5|0|-0,5";
        QTest::newRow("valori non tondi") << Lista{1.23456, 2, 1.3} << ""
                                          << "T1 = 1,2346|T1 + T2 = 3,2346|Vm = 1,3"
                                          << "0|2|4,2049"
                                          << "1,053|0|-1,053";
        QTest::newRow("zoom") << Lista{1, 3, 0.5} << "zoom"
                              << "T1 = 1"
                              << "0,5|1|1,5"
                              << "0,5|0|-0,5";
        // The details stay through every gesture that redraws the view, and go with it on "Cancella".
        QTest::newRow("zoom Griglia Disegna") << Lista{1, 3, 0.5} << "zoom Griglia Disegna"
                                              << "T1 = 1|T1 + T2 = 4|Vm = 0,5"
                                              << "0|0,5|1|1,5|2"
                                              << "0,5|0|-0,5";
        QTest::newRow("Cancella") << Lista{1, 3, 0.5} << "Cancella"
                                  << ""
                                  << ""
                                  << "";
        QTest::newRow("Cancella Griglia") << Lista{1, 3, 0.5} << "Cancella Griglia"
                                          << "T1 = 1|T1 + T2 = 4|Vm = 0,5"
                                          << "0|0,5|1|1,5|2"
                                          << "0,5|0|-0,5";
    }
    void testi() {
        QFETCH(Lista, moto);
        QFETCH(QString, gesti);
        Esempio b;
        b.Calcola(moto[0], moto[1], moto[2]);
        b.Apri();
        b.Gesti(gesti);
        QTEST(Testi(b.finestra->Picture1()), "piano");
        QTEST(Testi(b.finestra->PictValS()), "posizioni");
        QTEST(Testi(b.finestra->PictValA()), "accelerazioni");
    }

    // s and a at the cursor's time and the distance between the difference's two points, exact from
    // the closed form, in either order (X, s, a, DS).
    void letture_data() {
        QTest::addColumn<QString>("letture");
        QTest::newRow("Tracciatore -14") << "-0,14 0 0 ";
        QTest::newRow("Tracciatore 64") << "0,19 0,009 0,5 ";
        QTest::newRow("Tracciatore 192") << "1,07 0,285 0 ";
        QTest::newRow("Tracciatore 640") << "4,15 1,819 -0,5 ";
        QTest::newRow("Tracciatore 768") << "5,03 2 0 ";
        QTest::newRow("Differenza") << "   0";
        QTest::newRow("Differenza 64 clic 640") << "4,15 1,819 -0,5 1,81";
        QTest::newRow("Differenza 640 clic 64") << "0,19 0,009 0,5 1,81";
    }
    void letture() {
        Esempio b;
        b.Apri();
        b.Gesti(QString(QTest::currentDataTag()).replace(QLatin1String("-14"), QLatin1String("16")));
        QTEST(b.Caselle({"Text1", "Text3", "Text4", "DiffS"}), "letture");
    }

    // Off, the window is as it was before the details were ever on: every pixel, readout and place.
    void spenti() {
        Banco b(1, 2, 1.3);
        b.Apri();
        const auto fotografia = [&b] {
            b.Muovi(2, 0.3);
            QStringList posti;
            for (const QWidget* w : b.finestra->findChildren<QWidget*>())
                if (w->isVisible())
                    posti << w->objectName() + QDebug::toString(w->geometry());
            return std::pair(b.finestra->grab().toImage(), posti.join(' ') + b.Caselle({"Text1", "Text2"}));
        };
        const auto prima = fotografia();
        b.Premi(QStringLiteral("AggiungiParticolari"));
        QVERIFY(b.finestra->Pulsante(QStringLiteral("AggiungiParticolari"))->isChecked() &&
                fotografia() != prima);
        b.Premi(QStringLiteral("AggiungiParticolari"));
        QCOMPARE(fotografia(), prima);
    }

    // The plot's context menu by the mouse, the menu key and Shift+F10; "Copia" (also Ctrl+C) puts
    // the picture of the view on the clipboard, with its curves.
    void menu_data() {
        QTest::addColumn<int>("tasto");
        QTest::newRow("destro") << 0;
        QTest::newRow("tasto menu") << int(Qt::Key_Menu);
        QTest::newRow("Maiusc+F10") << int(Qt::Key_F10);
    }
    void menu() {
        QFETCH(int, tasto);
        Esempio b;
        b.Apri();
        SuperficieDisegno& piano = b.finestra->Picture1();
        if (tasto) {
            QTest::keyClick(&piano, Qt::Key(tasto),
                            tasto == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
        } else { // what the platform sends on a right click
            QContextMenuEvent richiesta(QContextMenuEvent::Mouse, QPoint(300, 200),
                                        piano.mapToGlobal(QPoint(300, 200)));
            QApplication::sendEvent(&piano, &richiesta);
        }
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList voci;
        for (const QAction* a : menu->actions())
            voci << a->text() + '\t' + a->shortcut().toString();
        QCOMPARE(voci,
                 (QStringList{"Copia\tCtrl+C", "Esporta immagine...\tCtrl+E", "Esporta dati...\tCtrl+D"}));
        menu->close();

        QApplication::clipboard()->clear();
        QTest::keyClick(&piano, Qt::Key_C, Qt::ControlModifier);
        const QImage copia = QApplication::clipboard()->image();
        QCOMPARE(copia.size(), b.finestra->Vista().Riquadro().size().toSize());
        QVERIFY(Conta(copia, 0, copia.rect()) > 1000 &&
                Conta(copia, ColorePosizione.rgb(), copia.rect()) > 300);
    }
};

REGISTRA_COLLAUDO(TstParticolari);
#include "tst_Particolari.moc"
