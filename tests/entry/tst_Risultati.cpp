#include "BancoArea.h"
#include "Collaudo.h"
#include "FrmRisultati.h"

class TstRisultati : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // A record that is no motion, as the results show it: name, value to five decimals from its first
    // digit, in red, and unit, whole in any font; values cannot be changed, but can be copied. Placed
    // beside the data-entry window when it fits strictly inside the area, else at 200, 200 twips; left
    // where the user puts it.
    void finestraRisultati() {
        BancoArea b;
        b.Imposta(-1, {.S1 = 0.292893, .S2 = -12345678.123456, .Stot = 2.5, .Acc = qInf()});
        FrmRisultati& finestra = b.finestre.ApriRisultati();
        finestra.SegnaMotoImpossibile(QStringLiteral("perché"));
        CONFRONTA_IMMAGINE(finestra.grab().toImage(), QStringLiteral("risultati"));
        QTest::keyClicks(b.Controllo("FrmRisultati", "Risultati", S1), "9");
        QCOMPARE(b.Risultati()[S1], "0,29289");
        // The whole value a tooltip away, for the eye and for assistive tools, the reason below it.
        QLineEdit* s2 = b.Controllo("FrmRisultati", "Risultati", S2);
        QCOMPARE(s2->toolTip() + '|' + s2->accessibleDescription(),
                 "-12345678,123456 m\nperché|-12345678,123456 m\nperché");
        QStringList voci; // right-click on a value: "Copia", name, value as shown and unit a line
        QTimer::singleShot(0, [&] {
            for (QAction* voce : QApplication::activePopupWidget()->actions()) {
                voci << voce->text();
                voce->trigger();
            }
            QApplication::activePopupWidget()->close();
        });
        QWidget* valore = b.Controllo("FrmRisultati", "Risultati", T1);
        QContextMenuEvent destro(QContextMenuEvent::Mouse, QPoint(5, 5), valore->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(valore, &destro);
        QCOMPARE(voci, QStringList{"Copia"});
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "S1\t0,29289\t[m]\nS2\t-12345678,12346\t[m]\nStot\t2,5\t[m]\nT1\t0\t[sec]\nT2\t0\t[sec]\n"
                 "Ttot\t0\t[sec]\nVm\t0\t[m/sec]\nAcc\tinfinito\t[m/sec^2]\n");
        const QFont carattere = QApplication::font(); // a large font widens the window rather than cut a unit
        QApplication::setFont(QFont(carattere.family(), 20));
        FrmRisultati grande(b.simulazione.Moto());
        QApplication::setFont(carattere);
        for (const QLabel* etichetta : grande.findChildren<QLabel*>())
            QVERIFY(etichetta->geometry().right() < grande.width());

        const int larghezza = finestra.parentWidget()->width();
        QList<QPoint> posti{finestra.parentWidget()->pos()};
        b.Chiudi("FrmRisultati");
        const QRect e = b.Inserimento().parentWidget()->geometry();
        const int sinistra = e.x() + e.width() + 7; // 100 twips to the right
        for (const int margine : {1, 0}) {
            b.area.resize(sinistra + larghezza + margine, 700);
            posti << b.finestre.ApriRisultati().parentWidget()->pos();
            b.Chiudi("FrmRisultati");
        }
        QCOMPARE(posti, (QList<QPoint>{{13, 13}, {sinistra, e.y()}, {13, 13}}));
        b.finestre.ApriRisultati().parentWidget()->move(300, 40);
        QCOMPARE(b.finestre.ApriRisultati().parentWidget()->pos(), QPoint(300, 40));
    }
};
REGISTRA_COLLAUDO(TstRisultati);
#include "tst_Risultati.moc"
