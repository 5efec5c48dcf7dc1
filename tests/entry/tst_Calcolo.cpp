#include "Banco.h"
#include "Collaudo.h"
#include "Sistemi.h"

#include <QLocale>
#include <QSignalSpy>

namespace {
enum { S1, S2, Stot, T1, T2, Ttot, Vm, A };
const QLocale It(QLocale::Italian, QLocale::Italy);
const QLocale Us(QLocale::English, QLocale::UnitedStates);

// The profile S1 0.25, S2 1.5, Stot 2, T1 1, T2 3, Ttot 5, A 0.5, Vm 0.5, typed with the point key.
const char* const Profilo[8] = {"0.25", "1.5", "2", "1", "3", "5", "0.5", "0.5"};
const int Terne[11][3] = {{Stot, Ttot, S1}, {Stot, Ttot, A},  {Stot, Ttot, T1}, {Stot, Vm, S1},
                          {Stot, Vm, A},    {Stot, Vm, T1},   {Vm, Ttot, S1},   {Vm, Ttot, A},
                          {Vm, Ttot, T1},   {Vm, Ttot, Stot}, {Vm, T2, Stot}};
const QString Combinazione = QStringLiteral("La combinazione delle 3 variabili non è corretta, consultate "
                                            "l'help per sapere quali combinazioni sono ammesse");
const QString Mancanti = QStringLiteral("Devono essere inseriti tutti e tre i valori");

void Spunta(Banco& b, const QList<int>& indici, const QStringList& testi) {
    for (qsizetype k = 0; k < indici.size(); ++k) {
        b.Spunta(indici[k]);
        b.Scrivi(indici[k], testi.value(k));
    }
}
} // namespace

class TstCalcolo : public QObject {
    Q_OBJECT
private slots:
    void ogniSistema_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QStringList>("risultati");
        const QStringList it{"0,25", "1,5", "2", "1", "3", "5", "0,5", "0,5"};
        const QStringList us{"0.25", "1.5", "2", "1", "3", "5", "0.5", "0.5"};
        for (int s = 0; s < 11; ++s) {
            QTest::addRow("it %d", s) << It << s << it;
            QTest::addRow("us %d", s) << Us << s << us;
        }
    }
    void ogniSistema() {
        QFETCH(QLocale, locale);
        QFETCH(int, sistema);
        QFETCH(QStringList, risultati);
        QLocale::setDefault(locale);
        Banco b;
        frmInserimentoDati& finestra = b.Inserimento();
        // Ticked last to first: the order of the ticks plays no part.
        for (int k = 2; k >= 0; --k) {
            b.Spunta(Terne[sistema][k]);
            b.Scrivi(Terne[sistema][k], Profilo[Terne[sistema][k]]);
        }
        // When the main window hears of success, results and curve are already in place.
        QStringList vistiAlSegnale;
        qsizetype puntiAlSegnale = 0;
        connect(&finestra, &frmInserimentoDati::CalcoloRiuscito, this, [&] {
            vistiAlSegnale = b.Risultati();
            puntiAlSegnale = b.programma.PuntiGrafico.NumeroElementi();
        });
        finestra.AssegnaSistema();
        QCOMPARE(b.dialoghi.Messaggi(), QStringList());
        QCOMPARE(b.programma.SistemaCorrente, sistema);
        QCOMPARE(vistiAlSegnale, risultati);
        QCOMPARE(b.Risultati(), risultati);
        const XYPoli& curva = b.programma.PuntiGrafico;
        QVERIFY(curva.NumeroElementi() > 500); // 0.01 s apart over 5 s
        QCOMPARE(puntiAlSegnale, curva.NumeroElementi());
        QCOMPARE(curva.X(curva.NumeroElementi() - 1), 5.0);
        // The typed texts stay as typed.
        QCOMPARE(b.Valore(Terne[sistema][0])->text(),
                 QString(Profilo[Terne[sistema][0]]).replace('.', locale.decimalPoint()));
    }

    void rifiuti_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<int>>("spunte");
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<QString>("fuoco");
        const QList<int> s0{Stot, Ttot, S1};
        QTest::newRow("nessuna spunta") << It << QList<int>{} << QStringList{} << Combinazione << "";
        QTest::newRow("due spunte") << It << QList<int>{Stot, Ttot} << QStringList{"2", "5"} << Combinazione
                                    << "";
        QTest::newRow("terna non ammessa")
            << It << QList<int>{S1, T1, A} << QStringList{"1", "1", "1"} << Combinazione << "";
        QTest::newRow("T2 vuoto") << It << QList<int>{Vm, T2, Stot} << QStringList{"1", "", "2"} << Mancanti
                                  << "";
        const QString illeggibile = QStringLiteral("Il valore di %1 non è un numero valido");
        QTest::newRow("lettere") << It << s0 << QStringList{"2", "abc", "1"} << illeggibile.arg("Ttot")
                                 << "Valore di Ttot";
        QTest::newRow("virgola sola")
            << It << s0 << QStringList{"2", "5", ","} << illeggibile.arg("S1") << "Valore di S1";
        QTest::newRow("due virgole") << It << s0 << QStringList{"2", "5", "1,,5"} << illeggibile.arg("S1")
                                     << "Valore di S1";
        QTest::newRow("un blank") << It << s0 << QStringList{" ", "5", "1"} << illeggibile.arg("Stot")
                                  << "Valore di Stot";
        QTest::newRow("esponente monco")
            << It << s0 << QStringList{"2", "5e", "1"} << illeggibile.arg("Ttot") << "Valore di Ttot";
        QTest::newRow("fuori scala") << It << s0 << QStringList{"2", "1e999", "1"} << illeggibile.arg("Ttot")
                                     << "Valore di Ttot";
        QTest::newRow("virgola con il punto")
            << Us << s0 << QStringList{"2", "5", "0,25"} << illeggibile.arg("S1") << "Valore di S1";
        QTest::newRow("primo della terna") << It << QList<int>{Vm, Ttot, A} << QStringList{"x", "5", "y"}
                                           << illeggibile.arg("Vm") << "Valore di Vm";
        QTest::newRow("A") << It << QList<int>{Vm, Ttot, A} << QStringList{"1", "5", "-"}
                           << illeggibile.arg("A") << "Valore di A";
    }
    // Refused calculations change nothing but the current system, which is cleared.
    void rifiuti() {
        QFETCH(QLocale, locale);
        QFETCH(QList<int>, spunte);
        QFETCH(QStringList, testi);
        QFETCH(QString, messaggio);
        QFETCH(QString, fuoco);
        QLocale::setDefault(locale);
        Banco b;
        for (const Grandezza& g : Grandezze)
            b.programma.Moto.*g.Membro = 9;
        frmInserimentoDati& finestra = b.Inserimento();
        b.programma.SistemaCorrente = 4;
        Spunta(b, spunte, testi);
        QSignalSpy riuscito(&finestra, &frmInserimentoDati::CalcoloRiuscito);
        finestra.AssegnaSistema();
        QCOMPARE(b.dialoghi.Messaggi(), QStringList{messaggio});
        QCOMPARE(b.programma.SistemaCorrente, -1);
        for (const Grandezza& g : Grandezze)
            QCOMPARE(b.programma.Moto.*g.Membro, 9.0);
        QCOMPARE(riuscito.count(), 0);
        QVERIFY(!b.finestre.FormAperto(QStringLiteral("FrmRisultati")));
        QCOMPARE(b.programma.PuntiGrafico.NumeroElementi(), 0);
        if (!fuoco.isEmpty())
            QCOMPARE(b.Fuoco(), fuoco);
    }

    // A solve that fails shows the solver's message alone; what the user saw stays as it was.
    void solutoreFallito() {
        Banco b;
        frmInserimentoDati& finestra = b.Inserimento();
        Spunta(b, {Stot, Ttot, S1}, {"2", "5", "0.25"});
        finestra.AssegnaSistema();
        const QStringList prima = b.Risultati();
        const int punti = b.programma.PuntiGrafico.NumeroElementi();
        QSignalSpy riuscito(&finestra, &frmInserimentoDati::CalcoloRiuscito);
        b.Spunta(S1);
        Spunta(b, {A}, {"1"});
        b.Scrivi(Ttot, "2");
        finestra.AssegnaSistema();
        QCOMPARE(b.dialoghi.Messaggi(), QStringList{MessaggioErroreCalcolo});
        QCOMPARE(b.Risultati(), prima);
        QCOMPARE(b.programma.PuntiGrafico.NumeroElementi(), punti);
        QCOMPARE(riuscito.count(), 0);
        QCOMPARE(b.programma.SistemaCorrente, 1);
        QCOMPARE(b.programma.Moto.Acc, 1.0);
    }

    // A second calculation gives a fresh curve, not one of double length.
    void dueCalcoli() {
        Banco b;
        frmInserimentoDati& finestra = b.Inserimento();
        Spunta(b, {Vm, T2, Stot}, {"1", "1", "1.5"});
        finestra.AssegnaSistema();
        finestra.AssegnaSistema();
        QCOMPARE(b.programma.PuntiGrafico.NumeroElementi(), 204);
        QCOMPARE(b.Risultati(), (QStringList{"0,25", "1", "1,5", "0,5", "1", "2", "1", "2"}));
    }
};
REGISTRA_COLLAUDO(TstCalcolo);
#include "tst_Calcolo.moc"
