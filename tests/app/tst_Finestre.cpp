#include "Avvio.h"
#include "Banco.h"
#include "Collaudo.h"
#include "FinestraGuida.h"
#include "frmSplash.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

namespace {
const QString GuidaSorgente = QStringLiteral(VELANTRA_GUIDA_SORGENTE);

// The window's title and the texts of its labels and buttons, separated by "|".
QString Testi(const QWidget* finestra) {
    QStringList testi{finestra->windowTitle()};
    for (const QObject* o : finestra->findChildren<QObject*>())
        if (auto* etichetta = qobject_cast<const QLabel*>(o))
            testi << etichetta->text();
        else if (auto* pulsante = qobject_cast<const QAbstractButton*>(o);
                 pulsante && !pulsante->text().isEmpty())
            testi << pulsante->text();
    return testi.join('|');
}

frmSplash* Splash() {
    for (QWidget* finestra : QApplication::topLevelWidgets())
        if (finestra->isVisible() && qobject_cast<frmSplash*>(finestra))
            return qobject_cast<frmSplash*>(finestra);
    return nullptr;
}

QStringList Visibili(const QListWidget* elenco) {
    QStringList voci;
    for (int i = 0; i < elenco->count(); ++i)
        if (!elenco->item(i)->isHidden())
            voci << elenco->item(i)->text();
    return voci;
}
} // namespace

class TstFinestre : public QObject {
    Q_OBJECT
private slots:
    // The splash stays up 20 steps of 50 ms: Enter of either keyboard ends the wait, other keys do not;
    // a main window closed meanwhile ends the wait at once, and the run.
    void avvio_data() {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("invio");
        QTest::newRow("Invio") << int(Qt::Key_Return) << true;
        QTest::newRow("Invio del tastierino") << int(Qt::Key_Enter) << true;
        QTest::newRow("spazio, poi chiusa") << int(Qt::Key_Space) << false;
    }
    void avvio() {
        QFETCH(int, tasto);
        QFETCH(bool, invio);
        Avvio avvio;
        avvio.programma.SistemaCorrente = 4;
        bool splash = false;
        QTimer::singleShot(100, [&] {
            splash = Splash();
            QTest::keyClick(Splash(), static_cast<Qt::Key>(tasto));
            if (!invio)
                QTimer::singleShot(300, [&] { avvio.FinestraPrincipale->close(); });
        });
        QElapsedTimer cronometro;
        cronometro.start();
        QCOMPARE(Main(avvio, {20, std::chrono::milliseconds(50)}), invio);
        QVERIFY(splash && !Splash());
        const qint64 durata = cronometro.elapsed();
        QVERIFY2(invio ? durata < 700 : durata >= 400 && durata < 900, qPrintable(QString::number(durata)));
        QCOMPARE(avvio.SaltaSplash, invio);
        QCOMPARE(avvio.programma.SistemaCorrente, int16_t(-1));
        QVERIFY(avvio.FinestraPrincipale->isMaximized());
        // Qt's own texts in Italian: the standard buttons of the message boxes.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    }

    // Its texts; the bar counts hundredths of 10.
    void splash() {
        bool SaltaSplash = false;
        frmSplash splash(SaltaSplash);
        QCOMPARE(Testi(&splash), QStringLiteral("Velantra|Velantra|Velantra dei moti|Versione 4.0.0|"
                                                "Premi INVIO per continuare"));
        splash.ImpostaAvanzamento(1 / 1.5f);
        QCOMPARE(splash.Avanzamento(), 0.67f);
        splash.ImpostaAvanzamento(10);
        QCOMPARE(splash.findChild<QProgressBar*>()->value(), splash.findChild<QProgressBar*>()->maximum());
    }

    // The options dialog keeps the typed print header on OK or Enter only; the about box.
    void dialoghi_data() {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("testi");
        QTest::addColumn<int>("chiusura"); // a key, or 0 for the first button, 1 for the second
        QTest::addColumn<QString>("intestazione");
        const QString opzioni = QStringLiteral("Opzioni|Intestazione stampe|OK|Annulla");
        QTest::newRow("OK") << "mnuViewOptions" << opzioni << 0 << "Nuova";
        QTest::newRow("Invio") << "mnuViewOptions" << opzioni << int(Qt::Key_Return) << "Nuova";
        QTest::newRow("Annulla") << "mnuViewOptions" << opzioni << 1 << "Vecchia";
        QTest::newRow("Esc") << "mnuViewOptions" << opzioni << int(Qt::Key_Escape) << "Vecchia";
        QTest::newRow("Informazioni")
            << "mnuHelpAbout"
            << "Informazioni su Velantra|Velantra|Versione 4.0.0|Velantra dei moti: calcolo e grafico della "
               "legge di moto con profilo di velocità trapezoidale simmetrico.|OK"
            << 0 << "Vecchia";
    }
    void dialoghi() {
        QFETCH(QString, voce);
        QFETCH(QString, testi);
        QFETCH(int, chiusura);
        QFETCH(QString, intestazione);
        Banco banco;
        banco.programma.IntestazioneUtente = QStringLiteral("Vecchia");
        banco.Azione(voce)->trigger();
        auto* dialogo = banco.finestra->findChild<QDialog*>();
        QVERIFY(dialogo && dialogo->isVisible() && dialogo->isModal());
        QCOMPARE(Testi(dialogo), testi);
        QWidget* tasti = dialogo;
        if (auto* testo = dialogo->findChild<QLineEdit*>()) {
            QCOMPARE(testo->text() + '|' + testo->accessibleName(),
                     QStringLiteral("Vecchia|Intestazione stampe"));
            testo->selectAll();
            QTest::keyClicks(testo, QStringLiteral("Nuova"));
            tasti = testo;
        }
        if (chiusura > 1)
            QTest::keyClick(tasti, static_cast<Qt::Key>(chiusura));
        else
            QTest::mouseClick(dialogo->findChildren<QPushButton*>().at(chiusura), Qt::LeftButton);
        QCOMPARE(banco.programma.IntestazioneUtente, intestazione);
        QTRY_VERIFY(!banco.finestra->findChild<QDialog*>());
    }

    // Without a document, one message; the first found, when empty, names its file. Search lists the
    // topics by keyword, or else finds the word in the text; Contents shows the top, in the one window.
    void guida() {
        Banco banco;
        const QString vuota = banco.Percorso(NomeFileGuida);
        banco.finestra->ImpostaPercorsiGuida({vuota});
        banco.Premi("mnuHelpContents");
        QVERIFY(QFile(vuota).open(QIODevice::WriteOnly));
        banco.finestra->ImpostaPercorsiGuida({banco.Percorso(QStringLiteral("manca")), vuota, GuidaSorgente});
        banco.Premi("mnuHelpSearchForHelpOn");
        QStringList messaggi;
        for (const DialoghiFinti::Chiamata& c : banco.dialoghi.chiamate)
            messaggi << QStringLiteral("%1|%2|").arg(c.titolo).arg(int(c.icona)) + c.testo;
        QCOMPARE(messaggi,
                 (QStringList{"Velantra dei moti|1|Impossibile visualizzare il Sommario della Guida. "
                              "Nessun file della Guida associato al progetto.",
                              "Velantra|0|Impossibile leggere il file della Guida:\n" + vuota}));
        QVERIFY(!banco.finestra->findChild<FinestraGuida*>());

        banco.dialoghi.chiamate.clear();
        banco.finestra->ImpostaPercorsiGuida({banco.Percorso(QStringLiteral("manca")), GuidaSorgente});
        banco.Premi("mnuHelpSearchForHelpOn");
        auto* guida = banco.finestra->findChild<FinestraGuida*>();
        QVERIFY(QTest::qWaitForWindowActive(guida));
        auto* campo = guida->findChild<QLineEdit*>(QStringLiteral("txtRicerca"));
        auto* argomenti = guida->findChild<QListWidget*>();
        auto* testo = guida->findChild<QTextBrowser*>();
        const auto inCima = [testo] {
            return testo->cursorForPosition(QPoint(10, 10)).block().text().trimmed();
        };
        QVERIFY(campo->hasFocus() && Visibili(argomenti).size() > 10);
        QTest::keyClicks(campo, QStringLiteral("COMBIN"));
        QCOMPARE(Visibili(argomenti), QStringList{QStringLiteral("Le undici combinazioni ammesse")});
        QTest::keyClick(campo, Qt::Key_Return);
        QCOMPARE(inCima(), QStringLiteral("Le undici combinazioni ammesse"));
        campo->clear();
        QTest::keyClicks(campo, QStringLiteral("collimatore"));
        QVERIFY(Visibili(argomenti).isEmpty());
        QTest::keyClick(campo, Qt::Key_Return);
        QCOMPARE(testo->textCursor().selectedText().toLower(), QStringLiteral("collimatore"));
        testo->verticalScrollBar()->setValue(testo->verticalScrollBar()->maximum());
        banco.Premi("mnuHelpContents");
        QCOMPARE(banco.finestra->findChildren<FinestraGuida*>().size(), 1);
        QCOMPARE(inCima() + '|' + campo->text(), QStringLiteral("Guida di Velantra|"));
        QVERIFY(banco.dialoghi.chiamate.isEmpty());
    }
};
REGISTRA_COLLAUDO(TstFinestre);
#include "tst_Finestre.moc"
