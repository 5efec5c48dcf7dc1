#include "Aiuti.h"
#include "Esportazione.h"
#include "PianoSerie.h"
#include "frmLeggi.h"

namespace {
// The laws window of the main frame, opened with its key.
frmLeggi* ApriConF9(Banco& banco) {
    QTest::keyClick(banco.finestra.get(), Qt::Key_F9);
    return qobject_cast<frmLeggi*>(banco.Finestra("frmLeggi"));
}

// A table row as shown: its cells joined by "|", a marked cell (bold) in brackets.
QString Riga(const QTableWidget& tabella, int riga) {
    QStringList celle;
    for (int i = 0; i < tabella.columnCount(); ++i)
        celle << (tabella.item(riga, i)->font().bold() ? '[' + tabella.item(riga, i)->text() + ']'
                                                       : tabella.item(riga, i)->text());
    return celle.join('|');
}
} // namespace

class TstLeggi : public QObject {
    Q_OBJECT
private slots:
    // F9 before and after "Esempio", with and without an axis: the table with its marks, each text whole in
    // its cell.
    void finestra_data() {
        QTest::addColumn<bool>("asse");         // 50 kg on a 10 mm screw, given after the example
        QTest::addColumn<int>("colonne");       // of the table after it
        QTest::addColumn<QStringList>("righe"); // rows that must show as given
        QTest::newRow("esempio") << false << 6
                                 << QStringList{"Triangolare|5|0,8|[0,32]|illimitato|0,32",
                                                "Cicloidale|5|0,8|0,502655|[0,631655]|0,355431",
                                                "Polinomiale 3-4-5|5|0,75|0,46188|0,96|"};
        QTest::newRow("esempio con l'asse")
            << true << 9 << QStringList{"Cicloidale|5|0,8|0,502655|[0,631655]|0,355431|"};
    }
    void finestra() {
        QFETCH(bool, asse);
        Banco banco;
        frmLeggi* finestra = ApriConF9(banco);
        const QString nessuno = "Nessun moto calcolato: inserire i valori del moto e premere «Calcolo».";
        QCOMPARE(finestra->findChild<QLabel*>("lblStato")->text(), nessuno);
        banco.Premi("Esempio"); // closes every window
        QVERIFY(!banco.simulazione.LeggiMostrate());
        finestra = ApriConF9(banco);
        if (asse)
            banco.simulazione.ImpostaAsse(DatiAsse{.Massa = 50, .Passo = 0.01});
        QVERIFY(banco.simulazione.LeggiMostrate());
        auto* tabella = finestra->findChild<QTableWidget*>("tblLeggi");
        QTEST(tabella->columnCount(), "colonne");
        QFETCH(QStringList, righe);
        for (const QString& attesa : righe) {
            const int i = tabella->findItems(attesa.section('|', 0, 0), Qt::MatchExactly).value(0)->row();
            QVERIFY2(Riga(*tabella, i).startsWith(attesa), qPrintable(Riga(*tabella, i)));
        }
        // Each text whole in its column, the headers too.
        for (int c = 0; c < tabella->columnCount(); ++c) {
            const int larghezza = tabella->columnWidth(c);
            QVERIFY(tabella->horizontalHeader()->sectionSizeHint(c) <= larghezza);
            for (int r = 0; r < NumeroLeggi; ++r) {
                const QTableWidgetItem* cella = tabella->item(r, c);
                QVERIFY(QFontMetrics(cella->font()).horizontalAdvance(cella->text()) < larghezza);
            }
        }
        // A value typed after it: no table of a motion no longer calculated.
        banco.simulazione.ImpostaValore(2, 3); // Stot
        QVERIFY(!tabella->isVisible());
        QCOMPARE(finestra->findChild<QLabel*>("lblStato")->text(), nessuno);
    }

    // A J typed changes the jerk-limited row and the document; one that cannot be taken is red with its
    // reason, and the last good one stays.
    void jerk_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("ttot");  // of the jerk-limited row
        QTest::addColumn<QString>("salva"); // the document's second line; empty: none
        QTest::addColumn<QString>("motivo");
        const auto riga = [](const char* caso, const char* testo, const char* ttot, const char* salva,
                             const char* motivo) {
            QTest::newRow(caso) << QString(testo) << QString(ttot) << QString(salva) << QString(motivo);
        };
        riga("uno", "1", "5,5", "jerk=1", "");
        riga("con il punto", "0.5", "6", "jerk=0.5", "");
        riga("non un numero: l'ultimo buono resta", "1x", "5,5", "jerk=1",
             "Il valore di «J» non è un numero valido.");
        riga("zero", "0", "5,25", "", "Il jerk J deve essere un numero finito maggiore di 0.");
    }
    void jerk() {
        QFETCH(QString, testo);
        Banco banco;
        banco.Premi("Esempio");
        frmLeggi* finestra = ApriConF9(banco);
        auto* casella = finestra->findChild<QLineEdit*>("jerk");
        QCOMPARE(casella->text(), "2"); // 4·|A|/T1
        casella->setFocus();
        QTest::keyClick(casella, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(casella, testo);
        QTEST(finestra->findChild<QTableWidget*>("tblLeggi")->item(LeggeJerkLimitato, 1)->text(), "ttot");
        QTEST(QString::fromStdString(banco.simulazione.TestoDocumento().value()).section("\r\n", 1, 1),
              "salva");
        QTEST(finestra->findChild<QLabel*>("lblMotivoJerk")->text(), "motivo");
        QCOMPARE(casella->styleSheet().contains("red"),
                 !finestra->findChild<QLabel*>("lblMotivoJerk")->text().isEmpty());
    }

    // "Esporta dati...": the table, or the curves of the laws ticked, by the filter chosen; never over the
    // document the motion was read from.
    void esporta_data() {
        QTest::addColumn<int>("filtro");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("inizio"); // of the file written
        QTest::addColumn<QString>("messaggio");
        const auto riga = [](const char* caso, int filtro, const char* nome, const char* inizio,
                             const char* messaggio) {
            QTest::newRow(caso) << filtro << QString(nome) << QString(inizio) << QString(messaggio);
        };
        riga("tabella", 0, "leggi.csv",
             "Legge,Ttot [sec],Vmax [m/sec],Amax [m/sec^2],Jmax [m/sec^3],Aeff [m/sec^2]\r\nTrapezio (questo "
             "moto),5,0.5,0.49999999999999994,inf,",
             "");
        riga(
            "curve", 1, "curve.csv",
            "t [sec],s Trapezio (questo moto) [m],v Trapezio (questo moto) [m/sec],a Trapezio (questo moto) "
            "[m/sec^2],j Trapezio (questo moto) [m/sec^3],s Cicloidale [m],v Cicloidale [m/sec],a Cicloidale "
            "[m/sec^2],j Cicloidale [m/sec^3]\r\n0,0,0,0.49999999999999994,0,0,0,0,0.63",
            "");
        riga("sul documento", 0, "es.vla", "0,.25,0,2,0,0,5,0,0",
             "Impossibile salvare il file «%1»: «%1» è lo stesso file");
    }
    void esporta() {
        QFETCH(QString, nome);
        Banco banco;
        const QString percorso = banco.Percorso(nome);
        Scrivi(banco.Percorso("es.vla"), "0,.25,0,2,0,0,5,0,0\r\n");
        banco.dialoghi.nomiFile = {banco.Percorso("es.vla")};
        banco.Premi("Open");
        banco.Premi("Calcolo");
        frmLeggi* finestra = ApriConF9(banco);
        finestra->findChild<QTableWidget*>("tblLeggi")->item(LeggeCicloidale, 0)->setCheckState(Qt::Checked);
        QCOMPARE(finestra->findChild<PianoSerie*>()->Grafico().serie.size(), size_t(2)); // drawn with it
        QFETCH(int, filtro);
        banco.dialoghi.nomiFile = {percorso};
        banco.dialoghi.filtriScelti = {FiltriLeggi[filtro]};
        QTest::mouseClick(finestra->findChild<QPushButton*>("cmdEsportaDati"), Qt::LeftButton);
        QFETCH(QString, inizio);
        QVERIFY2(QString::fromUtf8(Leggi(percorso)).startsWith(inizio), Leggi(percorso).left(300));
        QFETCH(QString, messaggio);
        messaggio.replace("%1", percorso);
        QCOMPARE(banco.dialoghi.Messaggi().join('\n').left(messaggio.size()), messaggio);
    }
};
REGISTRA_COLLAUDO(TstLeggi);
#include "tst_Leggi.moc"
