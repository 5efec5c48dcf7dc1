#include "Banco.h"
#include "Collaudo.h"
#include "FinestraGuida.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

namespace {
const QString GuidaSorgente = QStringLiteral(VELANTRA_GUIDA_SORGENTE);

QStringList Visibili(const QListWidget* elenco) {
    QStringList voci;
    for (int i = 0; i < elenco->count(); ++i)
        if (!elenco->item(i)->isHidden())
            voci << elenco->item(i)->text();
    return voci;
}
// The line at the top of the visible text.
QString InCima(const QTextBrowser* testo) {
    return testo->cursorForPosition(QPoint(10, 10)).block().text().trimmed();
}
} // namespace

class TstGuida : public QObject {
    Q_OBJECT
private slots:
    // A missing document gives the one message; one that cannot be read names its file.
    void nonDisponibile_data() {
        QTest::addColumn<QString>("forma");
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<int>("icona");
        const QString mancante =
            QStringLiteral("Impossibile visualizzare il Sommario della Guida. Nessun file "
                           "della Guida associato al progetto.");
        const int informazione = int(Dialoghi::Icona::Informazione), nessuna = int(Dialoghi::Icona::Nessuna);
        QTest::newRow("manca, Sommario")
            << ""
            << "mnuHelpContents" << mancante << "Velantra dei moti" << informazione;
        QTest::newRow("manca, Cerca argomento")
            << ""
            << "mnuHelpSearchForHelpOn" << mancante << "Velantra dei moti" << informazione;
        QTest::newRow("vuota") << "vuota"
                               << "mnuHelpContents"
                               << "Impossibile leggere il file della Guida:\n%1"
                               << "Velantra" << nessuna;
        QTest::newRow("cartella") << "cartella"
                                  << "mnuHelpSearchForHelpOn"
                                  << "Impossibile leggere il file della Guida:\n%1"
                                  << "Velantra" << nessuna;
    }
    void nonDisponibile() {
        QFETCH(QString, forma);
        QFETCH(QString, voce);
        QFETCH(QString, messaggio);
        QFETCH(QString, titolo);
        QFETCH(int, icona);
        Banco banco;
        banco.Apri();
        const QString percorso = banco.cartella.filePath(QStringLiteral("VELANTRA.HLP"));
        if (forma == QLatin1String("cartella"))
            QVERIFY(QDir().mkpath(percorso));
        else if (forma == QLatin1String("vuota"))
            QVERIFY(QFile(percorso).open(QIODevice::WriteOnly));
        // The first document found is the one shown, even when a later one would do.
        banco.finestra->ImpostaPercorsiGuida(forma.isEmpty() ? QStringList{percorso}
                                                             : QStringList{percorso, GuidaSorgente});
        banco.Azione(voce)->trigger();
        QCOMPARE(banco.dialoghi.chiamate.size(), 1);
        const DialoghiFinti::Chiamata& chiamata = banco.dialoghi.chiamate.first();
        QCOMPARE(chiamata.testo, messaggio.arg(percorso));
        QCOMPARE(chiamata.titolo, titolo);
        QCOMPARE(int(chiamata.icona), icona);
        QVERIFY(!banco.finestra->findChild<FinestraGuida*>());
    }

    void sommario() {
        Banco banco;
        banco.Apri();
        banco.finestra->ImpostaPercorsiGuida(
            {banco.cartella.filePath(QStringLiteral("manca")), GuidaSorgente});
        banco.Azione("mnuHelpSearchForHelpOn")->trigger();
        auto* guida = banco.finestra->findChild<FinestraGuida*>();
        QVERIFY(guida && guida->isVisible());
        auto* testo = guida->findChild<QTextBrowser*>();
        testo->verticalScrollBar()->setValue(testo->verticalScrollBar()->maximum());
        banco.Azione("mnuHelpContents")->trigger();
        QVERIFY(banco.dialoghi.chiamate.isEmpty());
        QCOMPARE(banco.finestra->findChildren<FinestraGuida*>().size(), 1);
        QCOMPARE(InCima(testo), QStringLiteral("Guida di Velantra"));
    }

    void ricerca() {
        Banco banco;
        banco.Apri();
        banco.finestra->ImpostaPercorsiGuida({GuidaSorgente});
        banco.Azione("mnuHelpSearchForHelpOn")->trigger();
        auto* guida = banco.finestra->findChild<FinestraGuida*>();
        QVERIFY(QTest::qWaitForWindowActive(guida));
        auto* campo = guida->findChild<QLineEdit*>(QStringLiteral("txtRicerca"));
        auto* argomenti = guida->findChild<QListWidget*>();
        auto* testo = guida->findChild<QTextBrowser*>();
        QVERIFY(campo->hasFocus());
        QVERIFY(Visibili(argomenti).size() > 10);

        QTest::keyClicks(campo, QStringLiteral("COMBIN"));
        QCOMPARE(Visibili(argomenti), QStringList{QStringLiteral("Le undici combinazioni ammesse")});
        QTest::keyClick(campo, Qt::Key_Return);
        QCOMPARE(InCima(testo), QStringLiteral("Le undici combinazioni ammesse"));

        // A word that names no topic is looked for in the text.
        campo->clear();
        QTest::keyClicks(campo, QStringLiteral("collimatore"));
        QVERIFY(Visibili(argomenti).isEmpty());
        QTest::keyClick(campo, Qt::Key_Return);
        QCOMPARE(testo->textCursor().selectedText().toLower(), QStringLiteral("collimatore"));
    }

    // The entry window's message about a wrong triple sends users here.
    void combinazioni_data() {
        QTest::addColumn<QString>("terna");
        for (const char* terna :
             {"Stot-Ttot-S1", "Stot-Ttot-A", "Stot-Ttot-T1", "Stot-Vm-S1", "Stot-Vm-A", "Stot-Vm-T1",
              "Vm-Ttot-S1", "Vm-Ttot-A", "Vm-Ttot-T1", "Vm-Ttot-Stot", "Vm-T2-Stot"})
            QTest::newRow(terna) << terna;
    }
    void combinazioni() {
        QFETCH(QString, terna);
        QFile file(GuidaSorgente);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTextDocument documento;
        documento.setHtml(QString::fromUtf8(file.readAll()));
        const QString testo = documento.toPlainText();
        QCOMPARE(testo.count(terna + QLatin1Char('\n')), 1);
        QVERIFY(testo.contains(QStringLiteral("La combinazione delle 3 variabili non è corretta")));
    }
};
REGISTRA_COLLAUDO(TstGuida);
#include "tst_Guida.moc"
