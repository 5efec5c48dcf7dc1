#include "Aiuti.h"
#include "AreaFinestre.h"
#include "Avvio.h"
#include "DialoghiQt.h"
#include "Esportazione.h"
#include "Figura.h"
#include "FinestraGuida.h"
#include "frmAbout.h"
#include "frmOptions.h"
#include "frmSplash.h"

namespace {
// Looks at the modal dialog that opens next, once it is up, then answers it.
void AlProssimo(const std::function<void(QWidget*)>& rispondi) {
    QTimer::singleShot(0, [rispondi] { rispondi(QApplication::activeModalWidget()); });
}
const QString GuidaSorgente = QStringLiteral(VELANTRA_GUIDA_SORGENTE);

frmSplash* Splash() {
    for (QWidget* finestra : QApplication::topLevelWidgets())
        if (finestra->isVisible() && qobject_cast<frmSplash*>(finestra))
            return qobject_cast<frmSplash*>(finestra);
    return nullptr;
}

} // namespace

class TstFinestre : public QObject {
    Q_OBJECT
private slots:
    // Steps of an hour, counted on the splash's bar: Enter of either keyboard ends the wait at once, and
    // the steps with it; another key does not, closing the main window does (running its closing code),
    // and ends the run.
    void avvio_data() {
        QTest::addColumn<int>("tasto");
        QTest::newRow("Invio") << int(Qt::Key_Return);
        QTest::newRow("Invio del tastierino") << int(Qt::Key_Enter);
        QTest::newRow("spazio, poi chiusa") << int(Qt::Key_Space);
    }
    void avvio() {
        QFETCH(int, tasto);
        Avvio avvio;
        avvio.simulazione.ImpostaSistema(4);
        QList<float> passi;
        QTimer::singleShot(0, [&] { // the key comes during the first wait
            connect(Splash()->findChild<QProgressBar*>("prgAvanzamento"), &QProgressBar::valueChanged,
                    [&](int centesimi) {
                        if ((passi << centesimi / 100.f).size() == 1)
                            QTimer::singleShot(0, [&] {
                                QTest::keyClick(Splash(), static_cast<Qt::Key>(tasto));
                                avvio.IntestazioneUtente = QStringLiteral("Chiusa");
                                if (tasto == Qt::Key_Space)
                                    QTimer::singleShot(0, [&] { avvio.FinestraPrincipale->close(); });
                            });
                    });
        });
        QCOMPARE(Main(avvio, {AttesaSplash{}.Passi, std::chrono::hours(1)}), tasto != Qt::Key_Space);
        QCOMPARE(passi, QList<float>{0.67f});
        QCOMPARE(Impostazioni().Testo(QStringLiteral("IntestazioneUtente")) == "Chiusa",
                 tasto == Qt::Key_Space);
        QVERIFY(!Splash());
        QCOMPARE(avvio.SaltaSplash, tasto != Qt::Key_Space);
        QCOMPARE(avvio.simulazione.SistemaCorrente(), int16_t(-1));
        QVERIFY(avvio.FinestraPrincipale->isMaximized());
        // Qt's own texts in Italian: the standard buttons of the message boxes.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    }

    // The splash, the about box, the options dialog, a picture, the frame's background and the help as seen,
    // the version left out so that the pictures outlive a release; a new size redraws the background.
    void aspetto() {
        bool SaltaSplash = false;
        frmSplash splash(SaltaSplash);
        splash.ImpostaAvanzamento(1 / 1.5f);
        frmAbout informazioni;
        QString intestazione = QStringLiteral("Officina");
        frmOptions opzioni(intestazione);
        Figura figura(QStringLiteral("velantra"), QSize(64, 64)); // centred where wider than the picture
        figura.resize(100, 40);
        AreaFinestre area;
        area.resize(200, 130);
        FinestraGuida guida;
        guida.Carica(QStringLiteral("<h1>Guida</h1>Testo senza argomenti.")); // the search says so
        guida.MostraRicerca();
        guida.resize(500, 260);
        const std::tuple<QWidget*, const char*, double> finestre[] = {
            {&splash, "splash", 0.5}, {&informazioni, "informazioni", 0.5},
            {&opzioni, "opzioni", 1}, {&figura, "figura", 1},
            {&area, "sfondo", 1},     {&guida, "guida", 1}};
        for (const auto& [finestra, nome, scala] : finestre) {
            finestra->show();
            if (auto* versione = finestra->findChild<QLabel*>(QStringLiteral("lblVersion")))
                versione->setText(QStringLiteral("Versione"));
            if (QWidget* fuoco = finestra->focusWidget()) // no blinking cursor
                fuoco->clearFocus();
            CONFRONTA_IMMAGINE(finestra->grab().toImage(), QLatin1String(nome), scala);
        }
        area.resize(240, 150);
        AreaFinestre nuova;
        nuova.resize(area.size());
        QCOMPARE(area.grab().toImage(), nuova.grab().toImage());
        // Every control a person can operate, in these and the main window's, has a name a screen reader
        // reads.
        Banco banco;
        banco.simulazione.ImpostaSistema(0);
        banco.Premi("SceltaSistema");
        banco.Premi("Tabella");
        banco.Premi("mnuViewDimensionamento");
        banco.Premi("mnuViewLeggi");
        QStringList senzaNome;
        for (QWidget* finestra : QApplication::topLevelWidgets()) {
            QList<QWidget*> controlli = finestra->findChildren<QWidget*>();
            for (QWidget* w : controlli << finestra)
                if (w->isVisible() &&
                    ((w->focusPolicy() & Qt::TabFocus) || qobject_cast<QToolBar*>(w) ||
                     qobject_cast<QMenuBar*>(w) || qobject_cast<QProgressBar*>(w)) &&
                    QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
                    senzaNome << QString::fromLatin1(w->metaObject()->className()) + ' ' + w->objectName();
        }
        QCOMPARE(senzaNome.join(", "), QString());
    }

    // The options dialog, modal, keeps the typed print header on OK only; the about box is modal too
    // and closes with Enter.
    void dialoghi_data() {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<int>("chiusura"); // the first button or the second
        QTest::addColumn<QString>("intestazione");
        QTest::newRow("OK") << "mnuViewOptions" << 0 << "Nuova";
        QTest::newRow("Annulla") << "mnuViewOptions" << 1 << "Vecchia";
        QTest::newRow("Informazioni, Invio") << "mnuHelpAbout" << -1 << "Vecchia";
    }
    void dialoghi() {
        QFETCH(QString, voce);
        QFETCH(int, chiusura);
        Banco banco;
        banco.IntestazioneUtente = QStringLiteral("Vecchia");
        banco.Azione(voce)->trigger();
        auto* dialogo = banco.finestra->findChild<QDialog*>();
        QVERIFY(dialogo && dialogo->isVisible() && dialogo->isModal());
        if (auto* testo = dialogo->findChild<QLineEdit*>()) {
            QCOMPARE(testo->text(), QStringLiteral("Vecchia"));
            testo->selectAll();
            QTest::keyClicks(testo, QStringLiteral("Nuova"));
        }
        if (chiusura < 0)
            QTest::keyClick(dialogo, Qt::Key_Return);
        else
            QTest::mouseClick(dialogo->findChildren<QPushButton*>().at(chiusura), Qt::LeftButton);
        QTEST(banco.IntestazioneUtente, "intestazione");
        QTRY_VERIFY(!banco.finestra->findChild<QDialog*>());
    }

    // Without a document, one message; the first found, when empty, names its file. The topics are the
    // headings; search lists them by keyword, or else finds the word in the text, saying so; Back and
    // Forward follow the links opened; Contents shows the top, in the one window.
    void guida() {
        Banco banco;
        const QString vuota = banco.Percorso(NomeFileGuida), manca = banco.Percorso(QStringLiteral("manca"));
        banco.finestra->ImpostaPercorsiGuida({vuota});
        banco.Premi("mnuHelpContents");
        QVERIFY(QFile(vuota).open(QIODevice::WriteOnly));
        banco.finestra->ImpostaPercorsiGuida({manca, vuota, GuidaSorgente});
        banco.Premi("mnuHelpSearchForHelpOn");
        QCOMPARE(
            banco.Chiamate() + '|' + banco.Messaggi(),
            "Messaggio Velantra dei moti !1|Messaggio Velantra|Impossibile visualizzare il Sommario della "
            "Guida. Nessun file della Guida associato al progetto.\nImpossibile leggere il file della "
            "Guida:\n" +
                vuota);
        QVERIFY(!banco.finestra->findChild<FinestraGuida*>());

        banco.finestra->ImpostaPercorsiGuida({manca, GuidaSorgente});
        banco.Premi("mnuHelpSearchForHelpOn");
        auto* guida = banco.finestra->findChild<FinestraGuida*>();
        QVERIFY(QTest::qWaitForWindowActive(guida));
        auto* campo = guida->findChild<QLineEdit*>(QStringLiteral("txtRicerca"));
        auto* testo = guida->findChild<QTextBrowser*>();
        const auto pulsanti = guida->findChildren<QPushButton*>(); // Contents, Back, Forward
        // The topics listed (how many, the first), the line at the top, the word searched, what the search
        // says, the text selected, whether Back and Forward work.
        const auto visto = [&] {
            QStringList argomenti;
            for (const QListWidgetItem* voce :
                 guida->findChild<QListWidget*>()->findItems("*", Qt::MatchWildcard))
                if (!voce->isHidden())
                    argomenti << voce->text();
            return QStringList{QString::number(argomenti.size()),
                               argomenti.value(0),
                               testo->cursorForPosition(QPoint(10, 10)).block().text().trimmed().left(30),
                               campo->text(),
                               guida->findChild<QLabel*>(QStringLiteral("lblEsito"))->text(),
                               testo->textCursor().selectedText(),
                               QString(pulsanti[1]->isEnabled() ? "indietro" : "-") + ' ' +
                                   (pulsanti[2]->isEnabled() ? "avanti" : "-")}
                .join('|');
        };
        const auto segui = [&](const QString& voce) { // a link of the contents
            QTextCursor collegamento = testo->document()->find(voce);
            collegamento.setPosition(collegamento.selectionStart() + 2);
            QTest::mouseClick(testo->viewport(), Qt::LeftButton, {},
                              testo->cursorRect(collegamento).center());
            return visto();
        };
        const auto premi = [&](int i) {
            pulsanti[i]->click();
            return visto();
        };
        const auto cerca = [&](const QString& parola, bool invio) {
            campo->clear();
            QTest::keyClicks(campo, parola);
            if (invio)
                QTest::keyClick(campo, Qt::Key_Return);
            return visto();
        };
        QTRY_VERIFY(campo->hasFocus());
        const QString undici = QStringLiteral("Le undici combinazioni ammesse");
        QCOMPARE(
            (QStringList{visto(), segui(undici), premi(0), segui(QStringLiteral("Come inserire i valori")),
                         premi(1), cerca("COMBIN", true), cerca("collimatore", true), cerca("zzz", true)}),
            (QStringList{
                "28|Guida di Velantra|Guida di Velantra||||- -",
                "28|Guida di Velantra|" + undici + "|||" + undici + "|- -",
                "28|Guida di Velantra|Guida di Velantra|||" + undici + "|- -",
                "28|Guida di Velantra|Come inserire i valori|||Come inserire i valori|indietro -",
                "28|Guida di Velantra|Guida di Velantra|||Come inserire i valori|- avanti",
                "1|" + undici + '|' + undici + "|COMBIN||Come inserire i valori|- avanti",
                "0||con Stot-Vm-A: la radice quadr|collimatore|Trovato nel testo.|collimatore|- avanti",
                "0||Guida di Velantra|zzz|«zzz» non compare nella Guida.||- avanti"}));
        testo->verticalScrollBar()->setValue(testo->verticalScrollBar()->maximum());
        banco.Premi("mnuHelpContents");
        QCOMPARE(banco.finestra->findChildren<FinestraGuida*>().size(), 1);
        QCOMPARE(visto().section('|', 2, 3), "Guida di Velantra|");
        QCOMPARE(banco.dialoghi.chiamate.size(), 2); // no message more

        // It names every key of the program's commands, those of the graph's and the results' windows too.
        banco.dialoghi.risposte = {true};
        banco.Premi("Esempio");
        QStringList mancanti;
        for (const QAction* comando : banco.finestra->findChildren<QAction*>())
            if (!comando->objectName().isEmpty() &&
                !testo->toPlainText().contains(comando->shortcut().toString()))
                mancanti << comando->objectName() + ' ' + comando->shortcut().toString();
        QCOMPARE(mancanti.join(", "), QString());
    }

    // A name typed without extension gets the chosen filter's, reported back, and Qt's question before
    // replacing a file is about that final name. The size dialog proposes a size, each side in its box
    // with its limits beside it; a number beyond them is refused with a message, the dialog staying until
    // one within them; it is wide enough for its whole title beside a title bar's buttons. The folder
    // chosen is where any file dialog opens next, in the next run too.
    void salva() {
        const Banco impostazioni(false);
        QTemporaryDir cartella;
        Scrivi(cartella.filePath("grafico.svg"), "vecchio");
        QWidget finestra;
        DialoghiQt dialoghi(&finestra);
        QStringList visto; // titles, filters, labels and messages as they come
        const auto scatola = [&](bool si) {
            AlProssimo([&visto, si](QWidget* w) {
                auto* domanda = qobject_cast<QMessageBox*>(w);
                visto << domanda->text().section('\n', 0, 0);
                domanda->button(si ? QMessageBox::Yes : QMessageBox::Ok)->click();
            });
        };
        AlProssimo([&](QWidget* w) {
            auto* dialogo = qobject_cast<QFileDialog*>(w);
            visto << dialogo->windowTitle() + ' ' + dialogo->nameFilters().join(';');
            dialogo->setDirectory(cartella.path());
            QTest::keyClick(dialogo->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
            scatola(true);
            auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            nome->setText(QStringLiteral("grafico"));
            QTest::keyClick(nome, Qt::Key_Return);
        });
        QString filtro;
        QCOMPARE(dialoghi.NomeFileSalva(TitoloEsportaImmagine, FiltriImmagine, &filtro),
                 cartella.filePath("grafico.svg"));
        QCOMPARE(visto << filtro, (QStringList{TitoloEsportaImmagine + ' ' + FiltriImmagine.join(';'),
                                               "grafico.svg already exists.", FiltriImmagine[1]}));
        visto.clear();
        AlProssimo([&](QWidget* dialogo) {
            const auto caselle = dialogo->findChildren<QLineEdit*>();
            const auto etichette = dialogo->findChildren<QLabel*>(); // each side's name, then its limits
            visto << dialogo->windowTitle() + ": " + caselle[0]->text() + ", " + caselle[1]->text() + " (" +
                         caselle[0]->accessibleName() + ", " + caselle[1]->accessibleName() + ')';
            for (int i = 0; i < 2; ++i) { // the limits on the box's right, on its line
                const QRect casella = caselle[i]->geometry(), limiti = etichette[2 * i + 1]->geometry();
                visto << etichette[2 * i]->text() + ' ' + etichette[2 * i + 1]->text() +
                             (limiti.left() > casella.right() &&
                                      qAbs(limiti.center().y() - casella.center().y()) < 4
                                  ? ""
                                  : " altrove");
            }
            QVERIFY(dialogo->width() >
                    dialogo->fontMetrics().horizontalAdvance(dialogo->windowTitle()) + 100);
            QPushButton* ok = dialogo->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            caselle[0]->clear();
            QTest::keyClicks(caselle[0], "60000");
            scatola(false);
            ok->click();
            QTest::keyClicks(caselle[1], "x0"); // 4800: no letter taken
            caselle[0]->setText(QStringLiteral("200"));
            ok->click();
        });
        QCOMPARE(dialoghi.Dimensione(TitoloDimensione, QSize(847, 480)), std::optional(QSize(200, 4800)));
        QCOMPARE(visto, (QStringList{"Dimensione dell'immagine: 847, 480 (larghezza, altezza)",
                                     "&Larghezza: pixel, da 200 a 10000", "&Altezza: pixel, da 150 a 10000",
                                     "La larghezza dell'immagine va da 200 a 10000 pixel."}));
        // Open shows the filters and the folder; the print dialog its title, without a page range. Both
        // cancelled.
        AlProssimo([&](QWidget* w) {
            auto* dialogo = qobject_cast<QFileDialog*>(w);
            visto << w->windowTitle() + ' ' + dialogo->nameFilters().join(';') + ' ' +
                         dialogo->directory().path();
            dialogo->reject();
        });
        QCOMPARE(DialoghiQt(&finestra).NomeFileApri(QStringLiteral("Apri"), FiltriSimulazione), "");
        AlProssimo([&](QWidget* w) {
            auto* dialogo = qobject_cast<QPrintDialog*>(w);
            visto << w->windowTitle() +
                         (dialogo->testOption(QAbstractPrintDialog::PrintPageRange) ? " e pagine" : "");
            dialogo->reject();
        });
        QPrinter stampante;
        QVERIFY(!dialoghi.Stampa(stampante, QStringLiteral("Stampa")));
        QCOMPARE(visto.mid(4),
                 (QStringList{"Apri Velantra (*.vla);Tutti i file (*.*) " + cartella.path(), "Stampa"}));
    }

    // The messages as a person meets them: title, text, the explanation below it (in lines wide enough
    // to read), the icon, the buttons; the button pressed, or Enter or Esc, and what the caller is told.
    void messaggi_data() {
        // A message, one with another button beside OK, a question, one with Sì, No and Annulla.
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("icona");
        QTest::addColumn<int>("risposta"); // a button by its place, or a key
        QTest::addColumn<QString>("atteso");
        const int invio = -Qt::Key_Return, esc = -Qt::Key_Escape;
        using enum Dialoghi::Icona;
        QTest::newRow("avviso") << 0 << int(Avviso) << 0 << "Perché 2 largo OK => 1";
        QTest::newRow("errore") << 0 << int(Errore) << esc << "Perché 3 largo OK => 1";
        QTest::newRow("informazione") << 0 << int(Informazione) << invio << "Perché 1 largo OK => 1";
        QTest::newRow("altro premuto") << 1 << int(Nessuna) << 1 << "Perché 0 largo OK+Altro => 1";
        QTest::newRow("altro, Invio") << 1 << int(Avviso) << invio << "Perché 2 largo OK+Altro => 0";
        QTest::newRow("altro, Esc") << 1 << int(Nessuna) << esc << "Perché 0 largo OK+Altro => 0";
        QTest::newRow("domanda, OK") << 2 << int(Nessuna) << 0 << " 2 stretto OK+Annulla => 1";
        QTest::newRow("domanda, Esc") << 2 << int(Nessuna) << esc << " 2 stretto OK+Annulla => 0";
        QTest::newRow("tre risposte, No") << 3 << int(Nessuna) << 2 << " 2 stretto Annulla+Sì+No => No";
        QTest::newRow("tre risposte, Esc")
            << 3 << int(Nessuna) << esc << " 2 stretto Annulla+Sì+No => Annulla";
    }
    void messaggi() {
        QFETCH(int, tipo);
        QFETCH(int, icona);
        QFETCH(int, risposta);
        QWidget finestra;
        DialoghiQt dialoghi(&finestra);
        QString visto;
        AlProssimo([&](QWidget* w) {
            auto* scatola = qobject_cast<QMessageBox*>(w);
            QStringList pulsanti;
            for (QAbstractButton* p : scatola->buttons())
                pulsanti << p->text();
            const bool largo = scatola->width() > scatola->fontMetrics().averageCharWidth() * 90;
            visto = scatola->windowTitle() + ": " + scatola->text() + ", " + scatola->informativeText() +
                    ' ' + QString::number(scatola->icon()) + (largo ? " largo " : " stretto ") +
                    pulsanti.join('+');
            if (risposta >= 0)
                scatola->buttons().at(risposta)->click();
            else
                QTest::keyClick(scatola, Qt::Key(-risposta));
        });
        const auto modo = Dialoghi::Icona(icona);
        QString esito = QStringLiteral("1");
        if (tipo == 0)
            dialoghi.Messaggio("Testo", "Velantra", modo, "Perché");
        else if (tipo == 3)
            esito = QStringList{"Sì", "No", "Annulla"}.at(int(dialoghi.SiNoAnnulla("Testo", "Velantra")));
        else
            esito = QString::number(
                tipo == 1 ? dialoghi.MessaggioConAlternativa("Testo", "Altro", "Velantra", modo, "Perché")
                          : dialoghi.Conferma("Testo", "Velantra"));
        QFETCH(QString, atteso); // Qt's own Cancel in the language loaded at start; ours in any
        if (tipo == 2)
            atteso.replace("Annulla", QCoreApplication::translate("QPlatformTheme", "Cancel"));
        QCOMPARE(visto + " => " + esito, "Velantra: Testo, " + atteso);
    }
};
REGISTRA_COLLAUDO(TstFinestre);
#include "tst_Finestre.moc"
