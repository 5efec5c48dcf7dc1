#include "Collaudo.h"
#include "FrmRisultati.h"
#include "NumeriRegionali.h"
#include "Sistemi.h"
#include "SpiegazioneMoto.h"
#include "Utente.h"
#include "frmInserimentoDati.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTimer>

namespace {
// The eleven allowed triples, as listed on the picture.
const int Terne[11][3] = {{Stot, Ttot, S1}, {Stot, Ttot, A},  {Stot, Ttot, T1}, {Stot, Vm, S1},
                          {Stot, Vm, A},    {Stot, Vm, T1},   {Vm, Ttot, S1},   {Vm, Ttot, A},
                          {Vm, Ttot, T1},   {Vm, Ttot, Stot}, {Vm, T2, Stot}};
// One profile, as typed with the point key.
const char* const Profilo[8] = {"S1=0.25", "S2=1.5", "Stot=2", "T1=1", "T2=3", "Ttot=5", "Vm=0.5", "A=0.5"};
// Each line's band on the picture in pixels (twips / 15): first row included, last excluded.
constexpr int Bande[12] = {132, 143, 157, 169, 183, 195, 209, 220, 233, 248, 262, 276};
const QLocale It(QLocale::Italian, QLocale::Italy);
const QLocale Us(QLocale::English, QLocale::UnitedStates);

// The child windows in an active multiple-document area, as the main frame holds them.
struct Banco : Utente {
    QMdiArea area;
    FinestreFiglie finestre{area, programma, dialoghi};

    Banco() {
        area.resize(1200, 800);
        area.show();
        area.activateWindow();
        if (!QTest::qWaitForWindowActive(&area))
            qWarning("area not active");
    }
    FinestreFiglie& Figlie() override { return finestre; }
    frmInserimentoDati& Inserimento() { return finestre.ApriInserimentoDati(); }
};
} // namespace

class TstInserimento : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(It); }

    // A tick shows its box empty and focused, an untick hides it keeping the text; a fourth is
    // refused. Only the period key turns into the decimal separator.
    void regolaSpunte() {
        Banco b;
        b.Inserimento();
        QCOMPARE(b.Fuoco(), "T1"); // nothing ticked: the first box in tab order
        b.Inserisci({"S1=-1a.2,"});
        b.Spunta(S1);
        QCOMPARE(b.Spunte(), QString());
        QCOMPARE(b.Valore(S1)->text(), "-1a,2,");
        b.Spunta(S1);
        b.Spunta(T1);
        b.Casella(Vm)->setFocus();
        QTest::keyClick(b.Casella(Vm), Qt::Key_Space); // the keyboard follows the same rule
        QCOMPARE(b.Fuoco(), "Valore di Vm");
        b.Spunta(A);
        b.Spunta(T2);
        QCOMPARE(b.dialoghi.Messaggi(), QStringList(2, "Non si possono selezionare più di 3 variabili"));
        QCOMPARE(b.Spunte(), "S1= T1= Vm=");
    }

    // Opening shows the current system from Moto in full, in tab order; closing keeps what was typed
    // for it, but nothing when one of the three cannot be read.
    void riapertura() {
        Banco b;
        b.programma.SistemaCorrente = 0;
        b.programma.Moto = Velantra{.S1 = 0.00001, .Stot = 2, .Ttot = 1.0 / 3};
        b.Inserimento();
        QCOMPARE(b.Spunte(), "S1=1E-05 Stot=2 Ttot=0,333333333333333");
        QStringList percorso{b.Fuoco()};
        for (int passo = 0; passo < 10; ++passo) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            percorso << b.Fuoco();
        }
        QCOMPARE(percorso.join(", "),
                 "Valore di S1, Valore di Stot, Valore di Ttot, T1, S1, Stot, T2, Ttot, Vm, "
                 "A, Profilo di velocità e combinazioni possibili");
        b.Spunta(T1);
        QCOMPARE(b.dialoghi.Messaggi().size(), 1);
        b.Scrivi(Stot, "3.5");
        b.Scrivi(S1, "x");
        b.Chiudi("frmInserimentoDati");
        QCOMPARE(b.programma.Moto.Stot, 2.0);
        b.Inserimento();
        b.Scrivi(Stot, "3.5");
        b.Chiudi("frmInserimentoDati");
        b.Inserimento();
        QCOMPARE(b.Spunte(), "S1=1E-05 Stot=3,5 Ttot=0,333333333333333");
    }

    // What the user sees, 100 twips from the frame's corner: the profile with the names of the
    // quantities, the list of combinations with the line chosen from the keyboard highlighted, the boxes
    // of the current system ticked, their values shown from the first digit.
    void aspetto() {
        Banco b;
        b.programma.SistemaCorrente = 10;
        b.programma.Moto.Stot = 2;
        b.programma.Moto.T2 = 1.0 / 3;
        b.programma.Moto.Vm = 0.5;
        QWidget& finestra = b.Inserimento();
        QCOMPARE(finestra.parentWidget()->pos(), QPoint(7, 7));
        QCOMPARE(finestra.windowTitle(), "Inserimento dati");
        b.Picture1()->setFocus();
        QTest::keyClick(b.Picture1(), Qt::Key_Down);
        const QString diverso = ConfrontaImmagine(finestra.grab().toImage(), QStringLiteral("inserimento"));
        QVERIFY2(diverso.isEmpty(), qPrintable(diverso));
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
                << QPoint(510, Bande[linea + 1] - 1) << (linea % 2 ? Qt::RightButton : Qt::MiddleButton)
                << linea;
        }
        QTest::newRow("bordo sinistro") << QPoint(418, 140) << Qt::LeftButton << -1;
        QTest::newRow("bordo destro") << QPoint(511, 140) << Qt::LeftButton << -1;
        QTest::newRow("sopra") << QPoint(450, 131) << Qt::LeftButton << -1;
        QTest::newRow("sotto") << QPoint(450, 276) << Qt::LeftButton << -1;
    }
    void selettore() {
        QFETCH(QPoint, punto);
        QFETCH(Qt::MouseButton, tasto);
        QFETCH(int, sistema);
        Banco b;
        b.Inserimento();
        b.Inserisci({"Stot=4"});
        QTest::mouseClick(b.Picture1(), tasto, {}, punto);
        QCOMPARE(b.programma.SistemaCorrente, sistema);
        // Three boxes ticked, the cursor in the last of the triple; or the box typed before untouched.
        QCOMPARE(b.Spunte().split(' ').size(), sistema < 0 ? 1 : 3);
        QCOMPARE(b.Spunte().contains("Stot=4"), sistema < 0);
        QCOMPARE(b.Fuoco(),
                 QStringLiteral("Valore di %1").arg(Utente::Nomi[sistema < 0 ? Stot : Terne[sistema][2]]));
    }

    // Each triple, ticked last to first, gives the profile back (even rows Italian, odd ones American),
    // replacing the curve of the last calculation. A refusal clears the current system and changes
    // nothing else. Values that give no motion keep their system and empty the curve, with the reason
    // under the message; the results show such a record marked, and not at all when the solve failed.
    void calcolo_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("voci");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<int>("sistema");
        for (int s = 0; s < 11; ++s)
            QTest::addRow("sistema %d", s)
                << (s % 2 ? Us : It)
                << QStringList{Profilo[Terne[s][2]], Profilo[Terne[s][1]], Profilo[Terne[s][0]]} << "" << s;
        QTest::newRow("non ammessa") << Us << QStringList{"S1=1", "T1=1", "A=1"}
                                     << "La combinazione delle 3 variabili non è corretta, consultate "
                                        "l'help per sapere quali combinazioni sono ammesse"
                                     << -1;
        QTest::newRow("T2 vuoto") << Us << QStringList{"Vm=1", "T2=", "Stot=2"}
                                  << "Devono essere inseriti tutti e tre i valori" << -1;
        QTest::newRow("virgola") << Us << QStringList{"Stot=2", "Ttot=5", "S1=0,5"}
                                 << "Il valore di S1 non è un numero valido" << -1;
        QTest::newRow("prima della terna")
            << Us << QStringList{"A=x", "Ttot=5", "Vm=-"} << "Il valore di Vm non è un numero valido" << -1;
        const QString errore = QString::fromUtf8(MessaggioErroreCalcolo) + '\n';
        QTest::newRow("senza soluzione")
            << Us << QStringList{"Stot=3", "Ttot=2", "A=2"}
            << errore + "T1 non si può calcolare: il risultato non è definito.\n"
                        "Con Stot = 3 m e Ttot = 2 sec, A deve essere almeno 3 m/sec^2."
            << 1;
        QTest::newRow("Vm zero") << Us << QStringList{"Vm=0", "T2=3", "Stot=2"}
                                 << errore +
                                        "T1 non si può calcolare: il risultato sarebbe infinito.\nCon Vm = 0 "
                                        "m/sec nessun moto è possibile: Vm deve essere maggiore di 0 m/sec."
                                 << 10;
        QTest::newRow("T2 negativo")
            << It << QStringList{"Stot=2", "Vm=0.5", "T1=5"}
            << MessaggioMotoImpossibile +
                   "\nS2 sarebbe negativo (-0,5 m): una distanza non può essere negativa.\n"
                   "T2 sarebbe negativo (-1 sec): una durata non può essere negativa.\nCon "
                   "Stot = 2 m e Vm = 0,5 m/sec, T1 deve essere maggiore di 0 sec e al massimo 4 sec."
            << 5;
    }
    void calcolo() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, voci);
        QFETCH(QString, messaggio);
        QFETCH(int, sistema);
        QLocale::setDefault(locale);
        Banco b;
        for (const Grandezza& g : Grandezze)
            b.programma.Moto.*g.Membro = 9;
        frmInserimentoDati& finestra = b.Inserimento();
        finestra.InserisciRisultatiiInXYPoli(); // the curve of an earlier calculation
        b.programma.SistemaCorrente = 4;
        b.Inserisci(voci);
        // When the main window hears of success, results and curve are already in place.
        QString alSegnale;
        const XYPoli& punti = b.programma.PuntiGrafico;
        connect(&finestra, &frmInserimentoDati::CalcoloRiuscito, this, [&] {
            alSegnale = b.Risultati().join(' ') + ' ' + QString::number(punti.X(punti.NumeroElementi() - 1));
        });
        QSignalSpy nonRiuscito(&finestra, &frmInserimentoDati::CalcoloNonRiuscito);
        finestra.AssegnaSistema();
        QCOMPARE(b.Messaggi(), messaggio);
        QCOMPARE(b.programma.SistemaCorrente, sistema);
        const bool senzaMoto = sistema >= 0 && !messaggio.isEmpty();
        QCOMPARE(nonRiuscito.size(), int(senzaMoto));
        QCOMPARE(punti.NumeroElementi() == 0, senzaMoto);
        const QString profilo = QString("0.25 1.5 2 1 3 5 0.5 0.5 5").replace('.', locale.decimalPoint());
        QCOMPARE(alSegnale, messaggio.isEmpty() ? profilo : QString());
        if (messaggio.isEmpty()) { // calculated again: the same curve, not a second one after it
            const int numero = punti.NumeroElementi();
            finestra.AssegnaSistema();
            QCOMPARE(punti.NumeroElementi(), numero);
            return;
        }
        const bool segnati = messaggio.startsWith(MessaggioMotoImpossibile);
        QCOMPARE(b.finestre.FormAperto("FrmRisultati"), segnati);
        if (segnati) {
            QLineEdit* valore = b.Controllo("FrmRisultati", "Risultati", T2);
            QCOMPARE(valore->palette().color(QPalette::Text), Qt::red);
            QCOMPARE(valore->toolTip(), messaggio.section('\n', 1));
            b.finestre.ApriRisultati().RiempiFrmRisultati(); // a motion again: no marks left
            QVERIFY(valore->palette().color(QPalette::Text) != Qt::red && valore->toolTip().isEmpty());
        }
        for (int i = 0; i < 8 && sistema < 0; ++i)
            QCOMPARE(b.programma.Moto.*Grandezze[i].Membro, 9.0);
        if (messaggio.startsWith("Il valore di "))
            QCOMPARE(b.Fuoco(), "Valore di " + messaggio.section(' ', 3, 3));
    }

    // A record that is no motion, as the results show it: name, value to five decimals from its first
    // digit, in red, and unit, whole in any font; values cannot be changed, but can be copied. Placed
    // beside the data-entry window when it fits strictly inside the area, else at 200, 200 twips; left
    // where the user puts it.
    void finestraRisultati() {
        Banco b;
        b.programma.Moto = Velantra{.S1 = 0.292893, .S2 = -12345678.123456, .Stot = 2.5, .Acc = qInf()};
        FrmRisultati& finestra = b.finestre.ApriRisultati();
        finestra.SegnaMotoImpossibile(QStringLiteral("perché"));
        const QString diverso = ConfrontaImmagine(finestra.grab().toImage(), QStringLiteral("risultati"));
        QVERIFY2(diverso.isEmpty(), qPrintable(diverso));
        QTest::keyClicks(b.Controllo("FrmRisultati", "Risultati", S1), "9");
        QCOMPARE(b.Risultati()[S1], "0,29289");
        QStringList
            voci; // right-click on a value: the window's "Copia", name, value as shown and unit a line
        QTimer::singleShot(0, [&] {
            for (QAction* voce : QApplication::activePopupWidget()->actions())
                voci << voce->text(), voce->trigger();
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
        FrmRisultati grande(b.programma.Moto);
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

    // The longest number the program writes shows whole, without scrolling, in every box that shows
    // numbers: the entry values, the results (run again at scale factors 1.5 and 2). The graph's
    // readouts fit the numbers of the view they measure (the graph's tests).
    void numeriInteri() {
        Banco b;
        b.Inserimento();
        b.finestre.ApriRisultati();
        for (const char* nome : {"frmInserimentoDati", "FrmRisultati"})
            for (QLineEdit* casella : b.finestre.Finestra(nome)->findChildren<QLineEdit*>()) {
                casella->show();
                casella->setText(NumeroPiuLungo());
                // The cursor at the end stands the whole text right of the cursor at the start.
                QList<int> cursore;
                for (const int posizione : {int(casella->text().size()), 0}) {
                    casella->setCursorPosition(posizione);
                    casella->grab();
                    cursore << casella->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
                }
                QVERIFY2(cursore[0] - cursore[1] >=
                             casella->fontMetrics().horizontalAdvance(casella->text()) - 1,
                         qPrintable(casella->accessibleName()));
            }
    }
};
REGISTRA_COLLAUDO(TstInserimento);
#include "tst_Inserimento.moc"
