#include "Collaudo.h"
#include "DialoghiFinti.h"
#include "FinestreFiglie.h"
#include "FrmRisultati.h"
#include "NumeriRegionali.h"
#include "Programma.h"
#include "Sistemi.h"
#include "SpiegazioneMoto.h"
#include "frmGrafico.h"
#include "frmInserimentoDati.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
enum { S1, S2, Stot, T1, T2, Ttot, Vm, A };
const char* const Nomi[8] = {"S1", "S2", "Stot", "T1", "T2", "Ttot", "Vm", "A"};
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

// A main frame stand-in: the program objects, scripted dialogs and an active multiple-document
// area, with helpers that act as a user would.
struct Banco {
    Programma programma;
    DialoghiFinti dialoghi;
    QMdiArea area;
    FinestreFiglie finestre{area, programma, dialoghi};

    Banco() {
        area.resize(1200, 800);
        area.show();
        area.activateWindow();
        if (!QTest::qWaitForWindowActive(&area))
            qWarning("area not active");
    }
    frmInserimentoDati& Inserimento() { return finestre.ApriInserimentoDati(); }
    template <typename T = QLineEdit> T* Controllo(const char* finestra, const char* nome, int i) {
        return finestre.Finestra(finestra)->findChild<T*>(QStringLiteral("%1(%2)").arg(nome).arg(i));
    }
    QCheckBox* Casella(int i) { return Controllo<QCheckBox>("frmInserimentoDati", "Selezionato", i); }
    QLineEdit* Valore(int i) { return Controllo("frmInserimentoDati", "Risultati", i); }
    QWidget* Picture1() { return finestre.Finestra("frmInserimentoDati")->findChild<QWidget*>("Picture1"); }
    void Spunta(int i) { QTest::mouseClick(Casella(i), Qt::LeftButton); }
    // Replaces the box's text as a user would: select all, then type.
    void Scrivi(int i, const QString& testo) {
        Valore(i)->setFocus();
        QTest::keyClick(Valore(i), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Valore(i), testo);
    }
    // Ticks and fills boxes in turn, each given as "Stot=2".
    void Inserisci(const QStringList& voci) {
        for (const QString& voce : voci) {
            const int i = int(std::find(Nomi, Nomi + 8, voce.section('=', 0, 0)) - Nomi);
            Spunta(i);
            Scrivi(i, voce.section('=', 1));
        }
    }
    void Chiudi(const char* finestra) {
        finestre.Finestra(finestra)->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The ticked quantities with the texts of their boxes ("Stot=2 T2="); a "!" marks a box whose
    // visibility does not follow its tick.
    QString Stato() {
        QStringList voci;
        for (int i = 0; i < 8; ++i) {
            if (Casella(i)->isChecked())
                voci << QStringLiteral("%1=%2").arg(Nomi[i], Valore(i)->text());
            if (Casella(i)->isChecked() != Valore(i)->isVisible())
                voci << QStringLiteral("!%1").arg(Nomi[i]);
        }
        return voci.join(' ');
    }
    QString Fuoco() { return qApp->focusWidget() ? qApp->focusWidget()->accessibleName() : ""; }
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
        QWidget& finestra = b.Inserimento();
        QCOMPARE(QRect(finestra.parentWidget()->pos(), finestra.size()), QRect(7, 7, 585, 417));
        QCOMPARE(b.Fuoco(), "T1"); // nothing ticked: the first box in tab order
        b.Inserisci({"S1=-1a.2,"});
        b.Spunta(S1);
        QCOMPARE(b.Stato(), QString());
        QCOMPARE(b.Valore(S1)->text(), "-1a,2,");
        b.Spunta(S1);
        b.Spunta(T1);
        b.Casella(Vm)->setFocus();
        QTest::keyClick(b.Casella(Vm), Qt::Key_Space); // the keyboard follows the same rule
        QCOMPARE(b.Fuoco(), "Valore di Vm");
        b.Spunta(A);
        b.Spunta(T2);
        QCOMPARE(b.dialoghi.Messaggi(), QStringList(2, "Non si possono selezionare più di 3 variabili"));
        QCOMPARE(b.Stato(), "S1= T1= Vm=");
    }

    // Opening shows the current system from Moto in full, in tab order; closing keeps what was typed
    // for it, but nothing when one of the three cannot be read.
    void riapertura() {
        Banco b;
        b.programma.SistemaCorrente = 10;
        b.programma.Moto.Stot = 2;
        b.programma.Moto.T2 = 1.0 / 3;
        b.programma.Moto.Vm = 0.00001;
        b.Inserimento();
        QCOMPARE(b.Stato(), "Stot=2 T2=0,333333333333333 Vm=1E-05");
        QStringList percorso{b.Fuoco()};
        for (int passo = 0; passo < 10; ++passo) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            percorso << b.Fuoco();
        }
        QCOMPARE(percorso.join(", "),
                 "Valore di Stot, Valore di T2, Valore di Vm, T1, S1, Stot, T2, Ttot, Vm, "
                 "A, Profilo di velocità e combinazioni possibili");
        b.Spunta(T1);
        QCOMPARE(b.dialoghi.Messaggi().size(), 1);
        b.Scrivi(Stot, "3.5");
        b.Scrivi(T2, "x");
        b.Chiudi("frmInserimentoDati");
        QCOMPARE(b.programma.Moto.Stot, 2.0);
        b.Inserimento();
        b.Scrivi(Stot, "3.5");
        b.Chiudi("frmInserimentoDati");
        b.Inserimento();
        QCOMPARE(b.Stato(), "Stot=3,5 T2=0,333333333333333 Vm=1E-05");
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
        QCOMPARE(b.Stato().split(' ').size(), sistema < 0 ? 1 : 3);
        QCOMPARE(b.Fuoco(),
                 QStringLiteral("Valore di %1").arg(sistema < 0 ? "Stot" : Nomi[Terne[sistema][2]]));
        QCOMPARE(b.Stato().contains("Stot=4"), sistema < 0);
    }

    // What is read is what is picked: every line of the list is drawn in its own band, parted from its
    // neighbours by a blank row at the band's top or bottom.
    void disegno() {
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
        // The time axis covers whole device pixels at any scale: no grey rows beside it.
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

    // Each triple, ticked last to first, gives the profile back (even rows Italian, odd ones American). A
    // refusal clears the current system and changes nothing else. Values that give no motion keep their
    // system and empty the curve, with the reason under the message; the results show such a record
    // marked, and not at all when the solve failed.
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
        QTest::newRow("virgola") << Us << QStringList{"Stot=2", "Ttot=5,5", "S1=1"}
                                 << "Il valore di Ttot non è un numero valido" << -1;
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
        finestra.InserisciRisultatiiInXYPoli();
        b.programma.SistemaCorrente = 4;
        b.Inserisci(voci);
        // When the main window hears of success, results and curve are already in place.
        QStringList alSegnale;
        connect(&finestra, &frmInserimentoDati::CalcoloRiuscito, this, [&] {
            for (int i = 0; i < 8; ++i)
                alSegnale << b.Controllo("FrmRisultati", "Risultati", i)->text();
            alSegnale << QString::number(
                b.programma.PuntiGrafico.X(b.programma.PuntiGrafico.NumeroElementi() - 1));
        });
        QSignalSpy nonRiuscito(&finestra, &frmInserimentoDati::CalcoloNonRiuscito);
        finestra.AssegnaSistema();
        QStringList messaggi;
        for (const DialoghiFinti::Chiamata& c : b.dialoghi.chiamate)
            messaggi << c.testo + (c.dettaglio.isEmpty() ? "" : '\n' + c.dettaglio);
        QCOMPARE(messaggi.join('\n'), messaggio);
        QCOMPARE(b.programma.SistemaCorrente, sistema);
        const bool senzaMoto = sistema >= 0 && !messaggio.isEmpty();
        QCOMPARE(nonRiuscito.size(), int(senzaMoto));
        QCOMPARE(b.programma.PuntiGrafico.NumeroElementi() == 0, senzaMoto);
        const QString profilo = QString("0.25 1.5 2 1 3 5 0.5 0.5 5").replace('.', locale.decimalPoint());
        QCOMPARE(alSegnale.join(' '), messaggio.isEmpty() ? profilo : QString());
        if (messaggio.isEmpty())
            return;
        const bool segnati = messaggio.startsWith(MessaggioMotoImpossibile);
        QCOMPARE(b.finestre.FormAperto("FrmRisultati"), segnati);
        if (segnati) {
            QLineEdit* valore = b.Controllo("FrmRisultati", "Risultati", T2);
            QCOMPARE(valore->palette().color(QPalette::Text) == Qt::red, true);
            QCOMPARE(valore->toolTip(), messaggio.section('\n', 1));
            b.finestre.ApriRisultati().RiempiFrmRisultati(); // a motion again: no marks left
            QVERIFY(valore->palette().color(QPalette::Text) != Qt::red && valore->toolTip().isEmpty());
        }
        for (int i = 0; i < 8 && sistema < 0; ++i)
            QCOMPARE(b.programma.Moto.*Grandezze[i].Membro, 9.0);
        if (messaggio.startsWith("Il valore di "))
            QCOMPARE(b.Fuoco(), "Valore di " + messaggio.section(' ', 3, 3));
    }

    // Rows read name, value to five decimals and unit; values cannot be changed.
    void finestraRisultati() {
        Banco b;
        b.programma.Moto.S1 = 0.292893;
        b.programma.Moto.Stot = 2.5;
        FrmRisultati& finestra = b.finestre.ApriRisultati();
        finestra.RiempiFrmRisultati();
        QCOMPARE(finestra.size(), QSize(286, 218)); // value boxes wide enough for any result
        QStringList righe;
        for (int i = 0; i < 8; ++i) {
            const auto* nome = b.Controllo<QLabel>("FrmRisultati", "LRis", i);
            const auto* unita = finestra.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
            const QLineEdit* valore = b.Controllo("FrmRisultati", "Risultati", i);
            QVERIFY(unita->width() >= unita->sizeHint().width() &&
                    unita->geometry().right() < finestra.width());
            QCOMPARE(valore->accessibleName(), nome->text() + " calcolato");
            righe << nome->text() + ' ' + valore->text() + ' ' + unita->text() + ' ' +
                         QString::number(valore->y());
        }
        QCOMPARE(righe, (QStringList{"S1 0,29289 [m] 8", "S2 0 [m] 32", "Stot 2,5 [m] 56", "T1 0 [sec] 80",
                                     "T2 0 [sec] 104", "Ttot 0 [sec] 128", "Vm 0 [m/sec] 152",
                                     "Acc 0 [m/sec^2] 176"}));
        QTest::keyClicks(b.Controllo("FrmRisultati", "Risultati", S1), "9");
        QCOMPARE(b.Controllo("FrmRisultati", "Risultati", S1)->text(), "0,29289");
        // Placed beside the data-entry window when it fits strictly inside the area, else at 200, 200
        // twips; left where the user puts it.
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

    // Right-click on a value offers the window's "Copia": name, value as shown and unit per line.
    void copiaRisultati() {
        Banco b;
        b.programma.Moto.S1 = 1.0 / 3;
        b.programma.Moto.Acc = -2.5;
        FrmRisultati& finestra = b.finestre.ApriRisultati();
        finestra.RiempiFrmRisultati();
        QStringList voci;
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
                 "S1\t0,33333\t[m]\nS2\t0\t[m]\nStot\t0\t[m]\nT1\t0\t[sec]\nT2\t0\t[sec]\n"
                 "Ttot\t0\t[sec]\nVm\t0\t[m/sec]\nAcc\t-2,5\t[m/sec^2]\n");
    }

    // The longest number the program writes shows whole, without scrolling, in every box that shows
    // numbers: the entry values, the results, the graph readouts (run again at scale factors 1.5 and 2).
    void numeriInteri() {
        Banco b;
        b.Inserimento();
        b.finestre.ApriRisultati();
        b.finestre.ApriGrafico();
        for (const char* nome : {"frmInserimentoDati", "FrmRisultati", "frmGrafico"})
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
