#include "Aiuti.h"
#include "FinestraGuida.h"

// What a desktop program does: asks before changed work is lost, answers the usual keys, keeps the
// documents last used.
class TstConsuetudini : public QObject {
    Q_OBJECT
private slots:
    // Over a document "dodici.vla" of 12 kg open with its sizing window, in turn: a value typed
    // ("massa=13" in the sizing window, "Stot=3" in the data entry, not copied in), the answer to the
    // question about saving ("Sì-" cancels the file dialog, which otherwise names the document), a
    // menu item, the window manager's close ("chiudi"), keys; "nove" saves the documents 1 to 9, then 2
    // again; "via" deletes the document, "riavvio" runs the program anew, "scegli" picks the last of
    // its recent documents, "trascina" drops the document (and a text file beside it) on the frame. Seen: the
    // dialogs and messages, the program open (its first value box) or closed, the document's mass, the recent
    // documents newest first.
    void comandi_data() {
        QTest::addColumn<QString>("passi");
        QTest::addColumn<QString>("atteso");
        const QString recente = QStringLiteral(" dodici.vla");
        const auto riga = [](const char* caso, const char* passi, const QString& atteso) {
            QTest::newRow(caso) << QString(passi) << atteso;
        };
        riga("nulla cambiato", "mnuFileExit", "chiusa 12" + recente);
        riga("Sì", "massa=13 Sì Ctrl+Q", "Domanda Salva chiusa 13" + recente);
        riga("Sì, annullato", "massa=13 Sì- mnuFileExit", "Domanda Salva aperta Stot=0,5 12" + recente);
        riga("No", "massa=13 No chiudi", "Domanda chiusa 12" + recente);
        riga("Annulla", "Stot=3 Annulla Ctrl+Q", "Domanda aperta Stot=3 12" + recente);
        riga("Ctrl+S", "massa=13 Ctrl+S", "Salva aperta Stot=0,5 13" + recente);
        riga("Ctrl+Maiusc+S", "massa=13 Ctrl+Shift+S", "Salva aperta Stot=0,5 13" + recente);
        riga("Ctrl+P", "F5 Ctrl+P", "Stampa aperta Stot=0,5 12" + recente);
        riga("F2, nulla da perdere", "F2", "aperta S1=0,25 12" + recente);
        riga("Esc nella guida", "F1 Esc", "aperta Stot=0,5 12" + recente);
        riga("Ctrl+W nella guida", "F1 Ctrl+W", "aperta Stot=0,5 12" + recente);
        riga("trascinato", "Stot=3 trascina", "Conferma aperta Stot=0,5 12" + recente);
        riga("recenti: otto, una volta ciascuno", "nove riavvio scegli",
             "Conferma aperta Stot=0,5 12 3 2 9 8 7 6 5 4");
        riga("recente mancante", "via riavvio scegli",
             "Messaggio Il file «%1/dodici.vla» non esiste più ed è stato tolto dai documenti recenti. "
             "aperta spento");
    }
    void comandi() {
        QFETCH(QString, passi);
        Banco banco;
        const QString documento = banco.Percorso(QStringLiteral("dodici.vla"));
        Scrivi(documento, "2,0,0,.5,.25,0,1,0,0\r\nmassa=12,passo=0.01\r\n");
        banco.finestra->ImpostaPercorsiGuida({QStringLiteral(VELANTRA_GUIDA_SORGENTE)});
        banco.finestra->Documento().Carica(documento);
        banco.Premi("Dimensionamento");
        banco.finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(banco.finestra.get()));
        banco.dialoghi.nomiFile = {documento};
        banco.dialoghi.stampe = {false};
        const QStringList risposte{"Sì", "No", "Annulla", "Sì-"};
        const auto recenti = [&] { return banco.finestra->findChild<QMenu*>("mnuFileRecenti"); };
        for (const QString& passo : passi.split(' ')) {
            auto* casella = passo.startsWith("Stot") ? banco.Valore(Stot)
                                                     : banco.finestra->findChild<QLineEdit*>("massa");
            if (passo.contains('=')) {
                casella->selectAll();
                QTest::keyClicks(casella, passo.section('=', 1));
            } else if (risposte.contains(passo)) {
                banco.dialoghi.scelte = {Dialoghi::Risposta(risposte.indexOf(passo) % 3)};
                banco.dialoghi.nomiFile = {passo == "Sì-" ? QString() : documento};
            } else if (passo.startsWith("mnu")) {
                banco.Premi(qPrintable(passo));
            } else if (passo == "chiudi" || passo == "via") {
                QVERIFY(passo == "via" ? QFile::remove(documento) : banco.finestra->close());
            } else if (passo == "nove") {
                for (const char* nome : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "2"})
                    banco.finestra->Documento().SalvaSimulazione(banco.Percorso(nome));
            } else if (passo == "riavvio") {
                banco.Apri();
                banco.dialoghi.chiamate.clear();
                banco.dialoghi.testi.clear();
            } else if (passo == "trascina") { // accepted for the document, dropped, then opened
                QMimeData dati;
                dati.setUrls(
                    {QUrl::fromLocalFile(banco.Percorso("note.txt")), QUrl::fromLocalFile(documento)});
                QDragEnterEvent entra({5, 5}, Qt::CopyAction, &dati, Qt::LeftButton, {});
                QDropEvent lascia(QPointF(5, 5), Qt::CopyAction, &dati, Qt::LeftButton, {});
                for (QEvent* evento : {static_cast<QEvent*>(&entra), static_cast<QEvent*>(&lascia)})
                    QVERIFY(QApplication::sendEvent(banco.finestra.get(), evento) && evento->isAccepted());
                QTRY_VERIFY(!banco.dialoghi.chiamate.isEmpty());
            } else if (passo == "scegli") {
                recenti()->actions().constLast()->trigger();
            } else {
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(passo));
            }
            if (passo == "F1") // the help comes to the front
                QTRY_VERIFY(QApplication::activeWindow() == banco.finestra->findChild<FinestraGuida*>());
        }
        const QStringList messaggi = banco.dialoghi.Messaggi();
        QStringList visto = banco.dialoghi.chiamate.replaceInStrings(QRegularExpression(" .*"), "");
        visto << messaggi
              << (banco.finestra->isVisible() ? "aperta " + banco.Spunte().section(' ', 0, 0) : "chiusa")
              << QString::fromLatin1(Leggi(documento)).section("massa=", 1).section(',', 0, 0);
        emit banco.finestra->findChild<QMenu*>("mnuFile")->aboutToShow();
        for (const QAction* voce : recenti()->actions()) // named, its folder in the tooltip
            visto << voce->text().section(' ', 1) + (voce->toolTip() == banco.cartella.path() ? "" : "?");
        if (!recenti()->isEnabled())
            visto << "spento";
        QFETCH(QString, atteso);
        QCOMPARE(visto.join(' ').simplified(), atteso.replace("%1", banco.cartella.path()));
    }
};
REGISTRA_COLLAUDO(TstConsuetudini);
#include "tst_Consuetudini.moc"
