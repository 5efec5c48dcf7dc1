#include "Banco.h"
#include "Collaudo.h"

#include <QLocale>

namespace {
const QString Troppe = QStringLiteral("Non si possono selezionare più di 3 variabili");
enum { S1, S2, Stot, T1, T2, Ttot, Vm, A };
} // namespace

class TstSelezione : public QObject {
    Q_OBJECT
private slots:
    void quartaSpuntaRifiutata() {
        Banco b;
        b.Inserimento();
        for (const int i : {S1, T1, Vm}) {
            b.Spunta(i);
            QCOMPARE(b.Fuoco(), QStringLiteral("Valore di %1").arg(Banco::Nomi[i]));
            QCOMPARE(b.Valore(i)->text(), QString());
        }
        b.Spunta(A);
        QCOMPARE(b.dialoghi.Messaggi(), QStringList{Troppe});
        QCOMPARE(b.dialoghi.chiamate.first().titolo, QStringLiteral("Velantra"));
        b.Spunta(T2); // a refusal leaves the count at three
        QCOMPARE(b.dialoghi.Messaggi(), QStringList(2, Troppe));
        QCOMPARE(b.Spuntate(), (QStringList{"S1", "T1", "Vm"}));
        QCOMPARE(b.Visibili(), (QStringList{"S1", "T1", "Vm"}));
    }

    void togliereERimettere() {
        Banco b;
        b.Inserimento();
        b.Spunta(Stot);
        b.Scrivi(Stot, "12");
        b.Spunta(Stot);
        QVERIFY(!b.Valore(Stot)->isVisible());
        QCOMPARE(b.Valore(Stot)->text(), QStringLiteral("12"));
        b.Spunta(Stot);
        QCOMPARE(b.Valore(Stot)->text(), QString());
        QCOMPARE(b.Fuoco(), QStringLiteral("Valore di Stot"));
        // Unticks gave their places back: three more ticks are accepted, then the rule holds.
        b.Spunta(Ttot);
        b.Spunta(S1);
        QVERIFY(b.dialoghi.Messaggi().isEmpty());
        b.Spunta(A);
        QCOMPARE(b.dialoghi.Messaggi(), QStringList{Troppe});
    }

    // The space bar ticks as the mouse does, so the count never drifts from the ticks.
    void tastiera() {
        Banco b;
        b.Inserimento();
        for (const int i : {Stot, Ttot, S1, A}) {
            b.Casella(i)->setFocus();
            QTest::keyClick(b.Casella(i), Qt::Key_Space);
        }
        QCOMPARE(b.Spuntate(), (QStringList{"S1", "Stot", "Ttot"}));
        QCOMPARE(b.dialoghi.Messaggi(), QStringList{Troppe});
        QVERIFY(!b.Casella(S2)->isVisible());
    }

    void tastoPunto_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("battuto");
        QTest::addColumn<QString>("atteso");
        const QLocale it(QLocale::Italian, QLocale::Italy), us(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("it punto") << it << "1.25"
                                  << "1,25";
        QTest::newRow("it virgola") << it << "1,25"
                                    << "1,25";
        QTest::newRow("it segno") << it << "-3"
                                  << "-3";
        QTest::newRow("it lettere") << it << "a.b c"
                                    << "a,b c";
        QTest::newRow("us punto") << us << "1.25"
                                  << "1.25";
        QTest::newRow("us virgola") << us << "1,25"
                                    << "1,25";
    }
    void tastoPunto() {
        QFETCH(QLocale, locale);
        QFETCH(QString, battuto);
        QFETCH(QString, atteso);
        QLocale::setDefault(locale);
        Banco b;
        b.Inserimento();
        b.Spunta(T1);
        b.Scrivi(T1, battuto);
        QCOMPARE(b.Valore(T1)->text(), atteso);
    }

    void riapertura_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QStringList>("spuntate");
        QTest::addColumn<QStringList>("testi");
        const QLocale it(QLocale::Italian, QLocale::Italy), us(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("nessuno") << it << -1 << QStringList{} << QStringList{};
        QTest::newRow("fuori elenco") << it << 11 << QStringList{} << QStringList{};
        QTest::newRow("10 it") << it << 10 << QStringList{"Stot", "T2", "Vm"}
                               << QStringList{"2", "0,333333333333333", "0,5"};
        QTest::newRow("10 us") << us << 10 << QStringList{"Stot", "T2", "Vm"}
                               << QStringList{"2", "0.333333333333333", "0.5"};
        QTest::newRow("7 it") << it << 7 << QStringList{"Ttot", "Vm", "A"}
                              << QStringList{"1E-05", "0,5", "-4"};
    }
    void riapertura() {
        QFETCH(QLocale, locale);
        QFETCH(int, sistema);
        QFETCH(QStringList, spuntate);
        QFETCH(QStringList, testi);
        QLocale::setDefault(locale);
        Banco b;
        b.programma.SistemaCorrente = static_cast<int16_t>(sistema);
        b.programma.Moto.Stot = 2;
        b.programma.Moto.T2 = 1.0 / 3;
        b.programma.Moto.Vm = 0.5;
        b.programma.Moto.Ttot = 0.00001;
        b.programma.Moto.Acc = -4;
        b.Inserimento();
        QCOMPARE(b.Spuntate(), spuntate);
        QCOMPARE(b.Visibili(), spuntate);
        QStringList visti;
        for (int i = 0; i < 8; ++i)
            if (b.Valore(i)->isVisible())
                visti << b.Valore(i)->text();
        QCOMPARE(visti, testi);
        b.Spunta(T1);
        QCOMPARE(b.dialoghi.Messaggi().size(), spuntate.isEmpty() ? 0 : 1);
    }

    // Closing keeps what was typed for the current system; an unreadable text is skipped quietly.
    void chiusura_data() {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QString>("stot");
        QTest::addColumn<QString>("ttot");
        QTest::addColumn<double>("attesoStot");
        QTest::addColumn<double>("attesoTtot");
        QTest::newRow("nuovi valori") << 0 << "3.5"
                                      << "7" << 3.5 << 7.0;
        QTest::newRow("uno illeggibile") << 0 << "3.5"
                                         << "x" << 3.5 << 5.0;
        QTest::newRow("nessun sistema") << -1 << "3.5"
                                        << "7" << 2.0 << 5.0;
    }
    void chiusura() {
        QFETCH(int, sistema);
        QFETCH(QString, stot);
        QFETCH(QString, ttot);
        QFETCH(double, attesoStot);
        QFETCH(double, attesoTtot);
        Banco b;
        b.programma.SistemaCorrente = 0;
        b.programma.Moto.Stot = 2;
        b.programma.Moto.Ttot = 5;
        b.Inserimento();
        b.programma.SistemaCorrente = static_cast<int16_t>(sistema);
        b.Scrivi(Stot, stot);
        b.Scrivi(Ttot, ttot);
        b.ChiudiInserimento();
        QVERIFY(!b.finestre.FormAperto(QStringLiteral("frmInserimentoDati")));
        QCOMPARE(b.programma.Moto.Stot, attesoStot);
        QCOMPARE(b.programma.Moto.Ttot, attesoTtot);
        QVERIFY(b.dialoghi.Messaggi().isEmpty());
    }

    void ordineTabulazione() {
        Banco b;
        b.programma.SistemaCorrente = 0;
        b.Inserimento();
        b.Valore(S1)->setFocus();
        QStringList percorso;
        for (int passo = 0; passo < 10; ++passo) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            percorso << b.Fuoco();
        }
        QCOMPARE(percorso, (QStringList{"Valore di Stot", "Valore di Ttot", "T1", "S1", "Stot", "T2", "Ttot",
                                        "Vm", "A", "Profilo di velocità e combinazioni possibili"}));
    }

    // Opening puts the cursor on the first control in tab order; coming back, where it was.
    void fuocoAllApertura() {
        Banco b;
        b.Inserimento();
        QCOMPARE(b.Fuoco(), QStringLiteral("T1"));
        b.Spunta(Ttot);
        b.Scrivi(Ttot, "4");
        b.finestre.ApriRisultati();
        b.Inserimento();
        QCOMPARE(b.Fuoco(), QStringLiteral("Valore di Ttot"));
        b.ChiudiInserimento();
        b.programma.SistemaCorrente = 9;
        b.Inserimento();
        QCOMPARE(b.Fuoco(), QStringLiteral("Valore di Stot"));
    }

    void posto() {
        Banco b;
        QWidget& finestra = b.Inserimento();
        QCOMPARE(finestra.windowTitle(), QStringLiteral("Inserimento dati"));
        QCOMPARE(finestra.size(), QSize(585, 417));
        QCOMPARE(finestra.parentWidget()->pos(), QPoint(7, 7));
        QCOMPARE(b.Casella(Vm)->geometry(), QRect(48, 216, 17, 17));
        QCOMPARE(b.Valore(Vm)->geometry(), QRect(24, 240, 73, 19));
        QCOMPARE(b.Picture1()->geometry(), QRect(16, 16, 553, 385));
    }
};
REGISTRA_COLLAUDO(TstSelezione);
#include "tst_Selezione.moc"
