#include "BancoArea.h"
#include "Collaudo.h"
#include "Documento.h"
#include "FrmRisultati.h"
#include "NumeriRegionali.h"
#include "ProfiloVelocita.h"
#include "SpiegazioneMoto.h"

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

using Banco = BancoArea;
} // namespace

class TstInserimento : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(It); }

    // A tick shows its box empty and focused, an untick hides it keeping the text; a fourth is refused.
    // Only the period key turns into the decimal separator. A click on the T2 box beside a long T1 ticks
    // T2 (run again at scale factors 1.5 and 2).
    void regolaSpunte() {
        Banco b;
        b.Inserimento();
        QCOMPARE(b.Fuoco(), "T1"); // nothing ticked: the first box in tab order
        b.Inserisci({"S1=-1a.2,"});
        b.Spunta(S1);
        QCOMPARE(b.Spunte() + b.Valore(S1)->text(), "-1a,2,");
        b.Casella(Vm)->setFocus();
        QTest::keyClick(b.Casella(Vm), Qt::Key_Space); // the keyboard follows the same rule
        QCOMPARE(b.Fuoco(), "Valore di Vm");
        b.Inserisci({"T1=0.12345678901234567"});
        QTest::mouseClick(b.Casella(T2), Qt::LeftButton);
        QCOMPARE(b.Spunte(), "T1=0,12345678901234567 T2= Vm=");
        b.Spunta(S1);
        b.Spunta(A);
        QCOMPARE(b.dialoghi.Messaggi(), QStringList(2, "Non si possono selezionare più di 3 variabili"));
        b.Spunta(T2);
        b.Spunta(S1);
        QCOMPARE(b.Spunte(), "S1= T1=0,12345678901234567 Vm=");
    }

    // Opening shows the current system from Moto in full, 15 digits of a longer value, in tab order. Values
    // the window itself wrote are Moto's own: reopening, saving or calculating keeps them as they were.
    // Closing takes what was typed, but nothing when one of the three cannot be read.
    void riapertura() {
        Banco b;
        b.Imposta(0, {.S1 = 0.00001, .Stot = 2, .Ttot = 1.0 / 3});
        QSignalSpy cambi(&b.simulazione, &Simulazione::Cambiata);
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
        b.Chiudi("frmInserimentoDati");
        QCOMPARE(b.Inserimento().LeggiDatiImmessi(), -1); // as Save reads them
        QCOMPARE(cambi.size(), 0);
        b.Inserimento().AssegnaSistema();
        QVERIFY(b.simulazione.Moto().Ttot == 1.0 / 3); // to the last bit
        QVERIFY(b.simulazione.Calcolata() && b.dialoghi.chiamate.isEmpty());
        b.Spunta(T1);
        QCOMPARE(b.dialoghi.Messaggi().size(), 1);
        b.Scrivi(Stot, "3.5");
        b.Scrivi(S1, "x");
        QVERIFY(!b.Inserimento().MotoImmesso()); // as Save and the quit question read it: nothing
        b.Chiudi("frmInserimentoDati");
        QCOMPARE(b.simulazione.Moto().Stot, 2.0);
        QVERIFY(b.simulazione.Calcolata());
        b.Inserimento();
        b.Scrivi(Stot, "3.5");
        b.Chiudi("frmInserimentoDati"); // the results no longer match the record
        QCOMPARE(b.simulazione.Moto().Stot, 3.5);
        QVERIFY(!b.simulazione.Calcolata() && b.simulazione.PuntiGrafico().NumeroElementi() == 0);
    }

    // What the user sees, 100 twips from the frame's corner: the profile with the names of the
    // quantities, the list of combinations with the line chosen from the keyboard highlighted, the boxes
    // of the current system ticked, their values shown from the first digit.
    void aspetto() {
        Banco b;
        b.Imposta(10, {.Stot = 2, .T2 = 1.0 / 3, .Vm = 0.5});
        QWidget& finestra = b.Inserimento();
        QCOMPARE(finestra.parentWidget()->pos(), QPoint(7, 7));
        QCOMPARE(finestra.windowTitle(), "Inserimento dati");
        QWidget estranea; // no child of the area: nothing to show
        b.finestre.Mostra(&estranea);
        QVERIFY(!estranea.isVisible() && b.finestre.FinestraAttiva() == &finestra);
        b.Casella(A)->setFocus();
        QTest::keyClick(b.Casella(A), Qt::Key_Tab); // reached from the keyboard: the line in a focus frame
        QTest::keyClick(b.Profilo(), Qt::Key_Down);
        CONFRONTA_IMMAGINE(finestra.grab().toImage(), QStringLiteral("inserimento"));
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
        QTest::mouseClick(b.Profilo(), tasto, {}, punto);
        QCOMPARE(b.simulazione.SistemaCorrente(), sistema);
        // Three boxes ticked, the cursor in the last of the triple; or the box typed before untouched.
        QCOMPARE(b.Spunte().split(' ').size(), sistema < 0 ? 1 : 3);
        QCOMPARE(b.Spunte().contains("Stot=4"), sistema < 0);
        QCOMPARE(b.Fuoco(),
                 QStringLiteral("Valore di %1").arg(Utente::Nomi[sistema < 0 ? Stot : Terne[sistema][2]]));
    }

    // Each triple, ticked last to first, gives the profile back (even rows Italian, odd ones American),
    // replacing the curve of the last calculation, at Vm in its middle; backward, its mirror. A refusal
    // clears the current system and changes nothing else. Values that give no motion keep their system and
    // empty the curve, with the reason under the message; the results show such a record marked, and not at
    // all when the solve failed.
    void calcolo_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("voci");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<int>("sistema");
        const auto riga = [](const char* caso, const QLocale& locale, const QStringList& voci,
                             const QString& messaggio,
                             int sistema) { QTest::newRow(caso) << locale << voci << messaggio << sistema; };
        for (int s = 0; s < 11; ++s)
            QTest::addRow("sistema %d", s)
                << (s % 2 ? Us : It)
                << QStringList{Profilo[Terne[s][2]], Profilo[Terne[s][1]], Profilo[Terne[s][0]]} << "" << s;
        riga("indietro", It, QStringList{"S1=-0.25", "Ttot=5", "Stot=-2"}, "", 0);
        riga("non ammessa", Us, QStringList{"S1=1", "T1=1", "A=1"},
             "La combinazione delle 3 variabili non è corretta, consultate "
             "l'help per sapere quali combinazioni sono ammesse",
             -1);
        riga("T2 vuoto", Us, QStringList{"Vm=1", "T2=", "Stot=2"},
             "Devono essere inseriti tutti e tre i valori", -1);
        riga("virgola", Us, QStringList{"Stot=2", "Ttot=5", "S1=0,5"},
             "Il valore di S1 non è un numero valido", -1);
        riga("prima della terna", Us, QStringList{"A=x", "Ttot=5", "Vm=-"},
             "Il valore di Vm non è un numero valido", -1);
        const QString errore = QString::fromUtf8(MessaggioErroreCalcolo) + '\n';
        riga("senza soluzione", Us, QStringList{"Stot=0.3", "Ttot=0.35", "A=8"},
             errore + "T1 non si può calcolare con questi valori.\n"
                      "Con Stot = 0.3 m e Ttot = 0.35 sec, A deve essere almeno 9.79592 m/sec^2.",
             1);
        riga("Vm zero", Us, QStringList{"Vm=0", "T2=3", "Stot=2"},
             errore + "T1 non si può calcolare con questi valori.\nCon Vm = 0 "
                      "m/sec nessun moto è possibile: Vm deve essere diverso da 0 m/sec.",
             10);
        // Each sentence holds for the values typed: a motion exists, the doubles cannot carry it.
        riga("oltre i double", It, QStringList{"Stot=1e-300", "Ttot=1e-150", "A=1e300"},
             errore + "Con questi valori il moto esiste, ma il programma non riesce a calcolare T1 con i "
                      "suoi numeri (doppia precisione, in valore assoluto da circa 2,2E-308 a 1,8E+308).",
             1);
        // A limit between two doubles is stated at the first double that a user can type.
        riga("limite tra due double", It, QStringList{"Stot=0.1", "Vm=2", "A=10"},
             MessaggioMotoImpossibile +
                 "\nS2 sarebbe negativo (-0,3 m), di segno opposto a Stot.\nT2 sarebbe negativo "
                 "(-0,15 sec): una durata non può essere negativa.\nCon Stot = 0,1 m e Vm = 2 m/sec, A "
                 "deve essere almeno 40 m/sec^2.\nCon A = 10 m/sec^2 su Stot = 0,1 m la velocità più "
                 "alta raggiungibile è 1 m/sec: profilo triangolare (T2 = 0).",
             4);
        // Documents at the ends of the doubles, opened: Vm or Acc lost to the doubles is no motion, with
        // the reason (the core's tests solve those that are motions).
        const QString oltre = MessaggioMotoNonCalcolabile +
                              "\nCon questi valori il moto esiste, ma il programma non riesce a calcolare %1 "
                              "con i suoi numeri (doppia precisione, in valore assoluto da circa 2,2E-308 a "
                              "1,8E+308).";
        riga("Vm e A nulli", It, QStringList{"2,0,0,1E-154,1000000,0,1E+200,0,0"}, oltre.arg("S1, A e Vm"),
             2);
        riga("A nulla", It, QStringList{"0,2e+150,0,4e+150,0,0,2e+150,0,0"}, oltre.arg("A"), 0);
    }
    void calcolo() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, voci);
        QFETCH(QString, messaggio);
        QFETCH(int, sistema);
        QLocale::setDefault(locale);
        Banco b;
        b.Inserimento(); // nothing ticked
        b.Imposta(4, {.S1 = 9, .S2 = 9, .Stot = 9, .T1 = 9, .T2 = 9, .Ttot = 9, .Acc = 9, .Vm = 9});
        QVERIFY(b.simulazione.Calcola().Riuscito()); // the curve of an earlier calculation
        const auto documento = LeggiDocumento(voci[0].toStdString()).dati;
        if (documento) { // opened, to be calculated anew
            b.Chiudi("frmInserimentoDati");
            b.Imposta(documento->Sistema, documento->Moto);
        }
        const Velantra prima = b.simulazione.Moto();
        frmInserimentoDati& finestra = b.Inserimento();
        if (!documento)
            b.Inserisci(voci);
        finestra.AssegnaSistema();
        QCOMPARE(b.Messaggi(), messaggio);
        QCOMPARE(b.simulazione.SistemaCorrente(), sistema);
        const bool senzaMoto = sistema >= 0 && !messaggio.isEmpty();
        const XYPoli& punti = b.simulazione.PuntiGrafico();
        QCOMPARE(punti.NumeroElementi() == 0, senzaMoto);
        QCOMPARE(b.simulazione.Calcolata(), !senzaMoto);
        const QString profilo = QString(voci.contains("Stot=-2") ? "-0.25 -1.5 -2 1 3 5 -0.5 -0.5 5"
                                                                 : "0.25 1.5 2 1 3 5 0.5 0.5 5")
                                    .replace('.', locale.decimalPoint());
        if (!documento && messaggio.isEmpty())
            QCOMPARE(b.Risultati().join(' ') + ' ' + QString::number(punti.X(punti.NumeroElementi() - 1)),
                     profilo);
        if (messaggio.isEmpty()) { // calculated again: the same curve, not a second one after it
            const int numero = punti.NumeroElementi();
            QCOMPARE(punti.Y(numero / 2), b.simulazione.Moto().Vm);
            finestra.AssegnaSistema();
            QCOMPARE(punti.NumeroElementi(), numero);
            return;
        }
        const bool segnati = messaggio.startsWith("Con i valori immessi il moto non");
        QCOMPARE(b.finestre.FormAperto("FrmRisultati"), segnati);
        if (segnati) {
            QLineEdit* valore = b.Controllo("FrmRisultati", "Risultati", T2);
            QCOMPARE(valore->palette().color(QPalette::Text), Qt::red);
            QCOMPARE(valore->toolTip().section('\n', 1), messaggio.section('\n', 1)); // under the value
            Velantra soliDati; // the explanation solves for itself: the three inputs are all it needs
            for (const int i : Terne[sistema])
                soliDati.*Grandezze[i].Membro = b.simulazione.Moto().*Grandezze[i].Membro;
            QCOMPARE(SpiegazioneMoto(sistema, soliDati).join('\n'), messaggio.section('\n', 1));
            b.finestre.ApriRisultati().RiempiFrmRisultati(); // a motion again: no marks left
            QVERIFY(valore->palette().color(QPalette::Text) != Qt::red && !valore->toolTip().contains('\n'));
        }
        for (int i = 0; i < 8 && sistema < 0; ++i)
            QCOMPARE(b.simulazione.Moto().*Grandezze[i].Membro, prima.*Grandezze[i].Membro);
        if (messaggio.startsWith("Il valore di "))
            QCOMPARE(b.Fuoco(), "Valore di " + messaggio.section(' ', 3, 3));
    }

    // The fastest move within the limits, for a stroke too short for Vm: the message adds the peak and
    // offers it beside OK. Taken, the peak goes into the Vm box as typed and the motion is calculated
    // anew, S2 and T2 exactly 0; declined, nothing changes. Both combinations, both directions.
    void triangolo_data() {
        QTest::addColumn<QStringList>("voci");
        QTest::addColumn<bool>("preso");
        QTest::addColumn<QString>("frase");
        QTest::addColumn<QString>("risultati"); // when taken, then the Vm box
        const QString frase = "Con %1 su Stot = %2 m la velocità più alta raggiungibile è %3 m/sec: profilo "
                              "triangolare (T2 = 0).";
        QTest::newRow("A, peak irrational, preso")
            << QStringList{"Stot=0.7", "Vm=2", "A=3"} << true << frase.arg("A = 3 m/sec^2", "0,7", "1,44913")
            << "0,35 0 0,7 0,48305 0 0,96609 1,44914 3 Vm=1,4491376746189437";
        QTest::newRow("A, indietro, rifiutato") << QStringList{"Stot=-0.1", "Vm=-2", "A=-10"} << false
                                                << frase.arg("A = -10 m/sec^2", "-0,1", "-1") << "Vm=-2";
        QTest::newRow("T1, indietro, preso") << QStringList{"Stot=-0.1", "Vm=-2", "T1=0.3"} << true
                                             << frase.arg("T1 = 0,3 sec", "-0,1", "-0,333333")
                                             << "-0,05 0 -0,1 0,3 0 0,6 -0,33333 -1,11111 "
                                                "Vm=-0,33333333333333337";
    }
    void triangolo() {
        QFETCH(QStringList, voci);
        QFETCH(bool, preso);
        Banco b;
        frmInserimentoDati& finestra = b.Inserimento();
        b.Inserisci(voci);
        b.dialoghi.alternative.push_back(preso);
        finestra.AssegnaSistema();
        QCOMPARE(b.dialoghi.chiamate, QStringList{"Messaggio Velantra [Usa profilo triangolare]"});
        QTEST(b.dialoghi.testi[0].section('\n', -1), "frase");
        QCOMPARE(b.simulazione.PuntiGrafico().NumeroElementi() > 0, preso);
        const QString casellaVm = b.Spunte().split(' ').filter(QRegularExpression("^Vm=")).join("");
        QTEST((preso ? b.Risultati().join(' ') + ' ' : QString()) + casellaVm, "risultati");
    }

    // The longest number the program writes stays readable in every box that shows numbers: whole, without
    // scrolling, in the results; in the entry window whole or, where that would cover a check box, a name
    // or another box, scrolled with the whole value as its tooltip (run again at scale factors 1.5 and 2).
    // The graph's readouts fit the numbers of the view they measure (the graph's tests).
    void numeriInteri() {
        Banco b;
        QWidget& inserimento = b.Inserimento();
        b.finestre.ApriRisultati();
        std::vector<QRect> occupati;
        for (const QRect& scritta : ProfiloVelocita::PostiScritte())
            occupati.push_back(scritta.translated(b.Profilo()->pos()));
        for (int i = 0; i < 8; ++i)
            occupati.push_back(b.Casella(i)->geometry());
        for (const char* nome : {"frmInserimentoDati", "FrmRisultati"})
            for (QLineEdit* casella : b.finestre.Finestra(nome)->findChildren<QLineEdit*>()) {
                if (casella == b.Valore(S2)) // never shown: the drawing writes over its place
                    continue;
                casella->show();
                casella->setText(NumeroPiuLungo());
                // The cursor at the end stands the whole text right of the cursor at the start.
                QList<int> cursore;
                for (const int posizione : {int(casella->text().size()), 0}) {
                    casella->setCursorPosition(posizione);
                    casella->grab();
                    cursore << casella->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
                }
                const bool intera =
                    cursore[0] - cursore[1] >= casella->fontMetrics().horizontalAdvance(casella->text()) - 1;
                const bool entrata = casella->parent() == &inserimento;
                QVERIFY2(entrata ? intera != (casella->toolTip() == casella->text()) : intera,
                         qPrintable(casella->accessibleName())); // a tooltip where the box hides a part
                for (const QRect& altro : occupati) // what lies on its right (its own box touches it)
                    QVERIFY2(!entrata || altro.left() <= casella->x() ||
                                 !casella->geometry().intersects(altro),
                             qPrintable(casella->accessibleName()));
                if (entrata)
                    occupati.push_back(casella->geometry());
            }
    }
};
REGISTRA_COLLAUDO(TstInserimento);
#include "tst_Inserimento.moc"
