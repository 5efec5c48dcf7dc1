#include "Banco.h"
#include "Collaudo.h"
#include "Sistemi.h"

#include <QClipboard>
#include <QLabel>
#include <QSignalSpy>
#include <limits>

namespace {
// The profile S1 0.25, S2 1.5, Stot 2, T1 1, T2 3, Ttot 5, Vm 0.5, A 0.5, typed with the point key.
const char* const Profilo[8] = {"0.25", "1.5", "2", "1", "3", "5", "0.5", "0.5"};
const QString Illeggibile = QStringLiteral("Il valore di %1 non è un numero valido");

void Inserisci(Banco& b, const QList<int>& indici, const QStringList& testi) {
    for (qsizetype k = 0; k < indici.size(); ++k) {
        b.Spunta(indici[k]);
        b.Scrivi(indici[k], testi.value(k));
    }
}
QPoint Posto(QWidget& finestra) {
    return finestra.parentWidget()->pos();
}
} // namespace

class TstCalcolo : public QObject {
    Q_OBJECT
private slots:
    void ogniSistema_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QStringList>("risultati");
        for (int s = 0; s < 11; ++s) {
            QTest::addRow("it %d", s)
                << It << s << QStringList{"0,25", "1,5", "2", "1", "3", "5", "0,5", "0,5"};
            QTest::addRow("us %d", s)
                << Us << s << QStringList{"0.25", "1.5", "2", "1", "3", "5", "0.5", "0.5"};
        }
    }
    void ogniSistema() {
        QFETCH(QLocale, locale);
        QFETCH(int, sistema);
        QLocale::setDefault(locale);
        Banco b;
        frmInserimentoDati& finestra = b.Inserimento();
        for (int k = 2; k >= 0; --k) // the order of the ticks plays no part
            Inserisci(b, {Terne[sistema][k]}, {Profilo[Terne[sistema][k]]});
        // When the main window hears of success, results and curve are already in place.
        QStringList alSegnale;
        connect(&finestra, &frmInserimentoDati::CalcoloRiuscito, this, [&] {
            alSegnale = b.Risultati();
            alSegnale << QString::number(
                b.programma.PuntiGrafico.X(b.programma.PuntiGrafico.NumeroElementi() - 1));
        });
        finestra.AssegnaSistema();
        QCOMPARE(b.dialoghi.Messaggi(), QStringList());
        QCOMPARE(b.programma.SistemaCorrente, sistema);
        QFETCH(QStringList, risultati);
        QCOMPARE(alSegnale, risultati + QStringList{"5"});
    }

    // A refused calculation clears the current system and changes nothing else.
    void rifiuti_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<int>>("spunte");
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<QString>("messaggio");
        const QString combinazione =
            QStringLiteral("La combinazione delle 3 variabili non è corretta, consultate "
                           "l'help per sapere quali combinazioni sono ammesse");
        const QList<int> s0{Stot, Ttot, S1};
        QTest::newRow("nessuna spunta") << It << QList<int>{} << QStringList{} << combinazione;
        QTest::newRow("non ammessa") << It << QList<int>{S1, T1, A} << QStringList{"1", "1", "1"}
                                     << combinazione;
        QTest::newRow("T2 vuoto") << It << QList<int>{Vm, T2, Stot} << QStringList{"1", "", "2"}
                                  << "Devono essere inseriti tutti e tre i valori";
        QTest::newRow("lettere") << It << s0 << QStringList{"2", "abc", "1"} << Illeggibile.arg("Ttot");
        QTest::newRow("virgola sola") << It << s0 << QStringList{"2", "5", ","} << Illeggibile.arg("S1");
        QTest::newRow("un blank") << It << s0 << QStringList{" ", "5", "1"} << Illeggibile.arg("Stot");
        QTest::newRow("fuori scala") << It << s0 << QStringList{"2", "1e999", "1"} << Illeggibile.arg("Ttot");
        QTest::newRow("virgola us") << Us << s0 << QStringList{"2", "5", "0,25"} << Illeggibile.arg("S1");
        QTest::newRow("prima della terna")
            << It << QList<int>{A, Ttot, Vm} << QStringList{"x", "5", "-"} << Illeggibile.arg("Vm");
    }
    void rifiuti() {
        QFETCH(QLocale, locale);
        QFETCH(QList<int>, spunte);
        QFETCH(QStringList, testi);
        QFETCH(QString, messaggio);
        QLocale::setDefault(locale);
        Banco b;
        for (const Grandezza& g : Grandezze)
            b.programma.Moto.*g.Membro = 9;
        frmInserimentoDati& finestra = b.Inserimento();
        b.programma.SistemaCorrente = 4;
        Inserisci(b, spunte, testi);
        QSignalSpy riuscito(&finestra, &frmInserimentoDati::CalcoloRiuscito);
        finestra.AssegnaSistema();
        QCOMPARE(b.dialoghi.Messaggi(), QStringList{messaggio});
        QCOMPARE(b.programma.SistemaCorrente, -1);
        for (const Grandezza& g : Grandezze)
            QCOMPARE(b.programma.Moto.*g.Membro, 9.0);
        QCOMPARE(riuscito.count(), 0);
        QVERIFY(!b.finestre.FormAperto("FrmRisultati"));
        if (messaggio.startsWith("Il valore di "))
            QCOMPARE(b.Fuoco(), "Valore di " + messaggio.section(' ', 3, 3));
    }

    // A failed solve shows the solver's message alone; results, curve and command state stay.
    void solutoreFallito() {
        Banco b;
        frmInserimentoDati& finestra = b.Inserimento();
        Inserisci(b, {Stot, Ttot, S1}, {"2", "5", "0.25"});
        finestra.AssegnaSistema();
        const QStringList prima = b.Risultati();
        const int punti = b.programma.PuntiGrafico.NumeroElementi();
        QSignalSpy riuscito(&finestra, &frmInserimentoDati::CalcoloRiuscito);
        b.Spunta(S1);
        Inserisci(b, {A}, {"1"});
        b.Scrivi(Ttot, "2");
        finestra.AssegnaSistema();
        QCOMPARE(b.dialoghi.Messaggi(), QStringList{MessaggioErroreCalcolo});
        QCOMPARE(b.Risultati(), prima);
        QCOMPARE(b.programma.PuntiGrafico.NumeroElementi(), punti);
        QCOMPARE(riuscito.count(), 0);
        QCOMPARE(b.programma.SistemaCorrente, 1);
    }

    void testiRisultati_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("testo");
        QTest::newRow("cinque decimali") << It << 0.292893 << "0,29289";
        QTest::newRow("pari") << Us << 0.015625 << "0.01562";
        QTest::newRow("quasi 2") << It << 2.000004 << "2";
        QTest::newRow("non definito") << It << qQNaN() << "non definito";
        QTest::newRow("infinito") << It << -std::numeric_limits<double>::infinity() << "-infinito";
    }
    void testiRisultati() {
        QFETCH(QLocale, locale);
        QFETCH(double, valore);
        QLocale::setDefault(locale);
        Banco b;
        for (const Grandezza& g : Grandezze)
            b.programma.Moto.*g.Membro = valore;
        b.finestre.ApriRisultati().RiempiFrmRisultati();
        QFETCH(QString, testo);
        QCOMPARE(b.Risultati(), QStringList(8, testo));
    }

    // Rows read name, value and unit; values can be copied, not changed; an open window stays put.
    void finestraRisultati() {
        Banco b;
        b.programma.Moto.Stot = 2.5;
        QWidget& finestra = b.finestre.ApriRisultati();
        b.finestre.ApriRisultati().RiempiFrmRisultati();
        QCOMPARE(finestra.size(), QSize(195, 218));
        QStringList righe;
        for (int i = 0; i < 8; ++i) {
            const auto* nome = b.Controllo<QLabel>("FrmRisultati", "LRis", i);
            const auto* unita = finestra.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
            const QLineEdit* valore = b.Controllo("FrmRisultati", "Risultati", i);
            QVERIFY(unita->width() >= unita->sizeHint().width() &&
                    unita->geometry().right() < finestra.width());
            righe << QStringLiteral("%1 %2 %3 %4")
                         .arg(nome->text(), valore->text(), unita->text())
                         .arg(valore->y());
            QCOMPARE(valore->accessibleName(), nome->text() + " calcolato");
        }
        QCOMPARE(righe, (QStringList{"S1 0 [m] 8", "S2 0 [m] 32", "Stot 2,5 [m] 56", "T1 0 [sec] 80",
                                     "T2 0 [sec] 104", "Ttot 0 [sec] 128", "Vm 0 [m/sec] 152",
                                     "Acc 0 [m/sec^2] 176"}));
        QLineEdit* stot = b.Controllo("FrmRisultati", "Risultati", Stot);
        stot->setFocus();
        QTest::keyClicks(stot, "9");
        QTest::keyClick(stot, Qt::Key_Backspace);
        QTest::keySequence(stot, QKeySequence::SelectAll);
        QTest::keySequence(stot, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2,5"));
        finestra.parentWidget()->move(300, 40);
        b.finestre.ApriRisultati();
        QCOMPARE(Posto(finestra), QPoint(300, 40));
    }

    // Beside the data-entry window when it fits strictly inside the area, else at 200, 200 twips.
    void posto_data() {
        QTest::addColumn<bool>("inserimento");
        QTest::addColumn<int>("margine");
        QTest::addColumn<bool>("accanto");
        QTest::newRow("ci sta") << true << 1 << true;
        QTest::newRow("giusto giusto") << true << 0 << false;
        QTest::newRow("non ci sta") << true << -40 << false;
        QTest::newRow("senza inserimento") << false << 200 << false;
    }
    void posto() {
        QFETCH(bool, inserimento);
        QFETCH(int, margine);
        QFETCH(bool, accanto);
        Banco b;
        const int larghezza = b.finestre.ApriRisultati().parentWidget()->width();
        b.Chiudi("FrmRisultati");
        const QRect e = b.Inserimento().parentWidget()->geometry();
        const int sinistra = e.x() + e.width() + 7; // 100 twips to the right
        b.area.resize(sinistra + larghezza + margine, 700);
        if (!inserimento)
            b.Chiudi("frmInserimentoDati");
        QCOMPARE(Posto(b.finestre.ApriRisultati()), accanto ? QPoint(sinistra, e.y()) : QPoint(13, 13));
    }
};
REGISTRA_COLLAUDO(TstCalcolo);
#include "tst_Calcolo.moc"
