#include "Aiuti.h"
#include "BarraStato.h"
#include "Collocazione.h"

// The stored placement and header, as the rows of the placement's test give them, ";" between.
static const QStringList Chiavi = {"MainLeft", "MainTop", "MainWidth", "MainHeight", "IntestazioneUtente"};

class TstFrmMain : public QObject {
    Q_OBJECT
private slots:
    // The frame as seen at a given moment: menus, toolbar, the status bar's panels with the date and
    // the time; the View menu hides and shows the bars; menus and buttons reachable by keyboard; the
    // commands each state enables.
    void comandi() {
        Banco banco;
        banco.finestra->setWindowState(Qt::WindowNoState);
        banco.finestra->resize(640, 400);
        banco.finestra->findChild<BarraStato*>()->Aggiorna(QDateTime(QDate(2024, 3, 9), QTime(7, 5, 42)));
        CONFRONTA_IMMAGINE(banco.finestra->grab().toImage(), QStringLiteral("cornice"));
        const std::pair<const char*, const char*> barre[] = {{"mnuViewToolbar", "tbToolBar"},
                                                             {"mnuViewStatusBar", "sbStatusBar"}};
        for (const auto& [voce, barra] : barre)
            for (const bool visibile : {false, true}) {
                banco.Premi(voce);
                QCOMPARE(banco.Azione(voce)->isChecked(), visibile);
                QCOMPARE(banco.finestra->findChild<QWidget*>(barra)->isVisible(), visibile);
            }
        // What a user relies on in the menus and the toolbar: within each menu (and the bar) every item
        // reachable by its own access key, each shortcut leading to one command only, every button with an
        // icon and a tip that names its key.
        const auto tasto = [](const QString& testo) {
            const qsizetype i = testo.indexOf('&');
            return i < 0 ? QChar() : testo.at(i + 1).toLower();
        };
        QStringList difetti, scorciatoie;
        const auto unici = [&](const QString& dove, const QList<QAction*>& azioni) {
            QString visti;
            for (const QAction* a : azioni) {
                if (a->isSeparator())
                    continue;
                const QChar t = tasto(a->text());
                // As described, "&Salva" and "E&sporta tabella..." share their key: Qt goes from one to the
                // other.
                if (t.isNull() || (visti.contains(t) && a->text() != QLatin1String("E&sporta tabella...")))
                    difetti << dove + ": " + a->text();
                visti += t;
                if (!a->shortcut().isEmpty())
                    scorciatoie << a->shortcut().toString();
            }
        };
        unici("barra dei menu", banco.finestra->menuBar()->actions());
        for (const QAction* tendina : banco.finestra->menuBar()->actions())
            unici(tendina->text(), tendina->menu()->actions());
        for (QAction* a : banco.finestra->findChild<QToolBar*>()->actions()) {
            const QString chiave = a->shortcut().toString();
            if (a->icon().isNull() || a->toolTip().isEmpty() ||
                (!chiave.isEmpty() && !a->toolTip().endsWith(" (" + chiave + ')')))
                difetti << "pulsante " + a->objectName();
        }
        QCOMPARE(difetti.join(" | "), QString());
        QCOMPARE(scorciatoie.size(), QSet<QString>(scorciatoie.begin(), scorciatoie.end()).size());
        // Loaded in state 1; codes other than 1, 2 and 3 change nothing. The sizing window always opens,
        // the report waits for a calculation.
        const auto stato = [&] {
            QString s = banco.Comandi();
            for (const char* nome : {"Dimensionamento", "mnuViewDimensionamento", "mnuFileEsportaRelazione"})
                s += banco.Azione(QLatin1String(nome))->isEnabled() ? QString(" ") + nome : QString();
            return s;
        };
        QStringList stati{stato()};
        for (const int codice : {2, 0, 4, -1, 3}) {
            banco.finestra->AbilitaComandi(int16_t(codice));
            stati << stato();
        }
        const QString letto = "Apri+Salva+SalvaCome+Calcolo+Nuovo Dimensionamento mnuViewDimensionamento";
        QCOMPARE(stati, (QStringList{
                            "Apri+Calcolo+Nuovo Dimensionamento mnuViewDimensionamento", letto, letto, letto,
                            letto, "tutti Dimensionamento mnuViewDimensionamento mnuFileEsportaRelazione"}));
    }

    // The calculation by keyboard alone, the toolbar hidden, each key pressed wherever the focus is: F4
    // opens the data entry; Tab reaches the list of combinations, whose arrows choose a line (highlighted,
    // announced) and Enter or Space takes it; Enter in a value box calculates; F7, F6, F5 from any child.
    // A refused value brings the results to the front as well.
    void tastiera() {
        Banco banco;
        banco.finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(banco.finestra.get()));
        banco.Premi("mnuViewToolbar");
        const auto premi = [](Qt::Key tasto) { QTest::keyClick(QApplication::focusWidget(), tasto); };
        premi(Qt::Key_F4);
        banco.Casella(A)->setFocus();
        premi(Qt::Key_Tab);
        QWidget* elenco = QApplication::focusWidget();
        QStringList annunci; // what a screen reader reads of the list
        for (const Qt::Key tasto :
             {Qt::Key_End, Qt::Key_Up, Qt::Key_Space, Qt::Key_Home, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
            if (tasto == Qt::Key_Home) { // Space took line 10 and moved the cursor to its Stot
                QCOMPARE(banco.Stato().section(' ', -3) + ", " +
                             QApplication::focusWidget()->accessibleName(),
                         "Stot= Ttot= Vm=, Valore di Stot");
                elenco->setFocus();
            }
            premi(tasto);
            annunci << QAccessible::queryAccessibleInterface(elenco)->text(QAccessible::Description);
        }
        QCOMPARE(annunci.last(), "Stot-Ttot-A, combinazione 2 di 11");
        QCOMPARE(annunci.replaceInStrings(QRegularExpression(",.*"), "").join(' '),
                 "Vm-T2-Stot Vm-Ttot-Stot Vm-Ttot-Stot Stot-Ttot-S1 Stot-Ttot-A Stot-Ttot-T1 Stot-Ttot-A");
        premi(Qt::Key_Return);
        QCOMPARE(banco.Stato(), "frmInserimentoDati* 1 0 Apri+Calcolo+Nuovo 0 0 0 0 0 0 0 0 Stot= Ttot= A=");
        for (const int i : {Stot, Ttot, A})
            banco.Scrivi(i, "2");
        for (const Qt::Key tasto : {Qt::Key_Return, Qt::Key_F7, Qt::Key_F6})
            premi(tasto);
        QCOMPARE(banco.Stato().section(' ', 0, 3), "frmInserimentoDati FrmRisultati frmGrafico* 1");
        banco.Scrivi(A, "4");
        premi(Qt::Key_F5);
        QCOMPARE(banco.Stato().section(' ', 0, 5), "frmInserimentoDati FrmRisultati* frmGrafico 1 203 tutti");
        QCOMPARE(banco.simulazione.Moto().T2, std::sqrt(2));
        banco.Scrivi(Stot, "x"); // refused, the results come to the front all the same
        premi(Qt::Key_F5);
        QCOMPARE(banco.Messaggi() + ' ' + banco.Stato().section(' ', 0, 2),
                 "Il valore di Stot non è un numero valido frmInserimentoDati FrmRisultati* frmGrafico");
    }

    // A calculation that fails takes a calculated simulation's results away, and its commands with them;
    // right after start or New, or after Open, the commands stay as they were.
    void calcoloFallito_data() {
        QTest::addColumn<QStringList>("prima");
        QTest::addColumn<QString>("comandi");
        QTest::newRow("all'avvio") << QStringList{} << "Salva=spento Grafico=spento";
        QTest::newRow("dopo Nuovo") << QStringList{"Esempio", "New"} << "Salva=spento Grafico=spento";
        QTest::newRow("dopo Apri") << QStringList{"Open"} << "Salva=acceso Grafico=spento";
        QTest::newRow("dopo un calcolo") << QStringList{"Esempio"} << "Salva=acceso Grafico=spento";
    }
    void calcoloFallito() {
        QFETCH(QStringList, prima);
        Banco banco;
        banco.dialoghi.nomiFile = {banco.Percorso(QStringLiteral("es.vla"))};
        Scrivi(banco.dialoghi.nomiFile.front(), "0,.25,0,2,0,0,5,0,0\r\n");
        for (const QString& comando : prima)
            banco.Premi(qPrintable(comando));
        banco.Premi("SceltaSistema");
        for (int i = 0; i < 8; ++i)
            if (banco.Casella(i)->isChecked())
                banco.Spunta(i);
        banco.Inserisci({"Stot=2", "Ttot=2", "A=1"}); // no solution
        banco.Premi("Calcolo");
        const auto acceso = [&](const char* nome) {
            return QLatin1String(banco.Azione(QLatin1String(nome))->isEnabled() ? "acceso" : "spento");
        };
        QTEST(QStringLiteral("Salva=%1 Grafico=%2").arg(acceso("Save"), acceso("Grafico")), "comandi");
        QCOMPARE(banco.simulazione.PuntiGrafico().NumeroElementi(), 0);
    }

    // The children close, running their closing code, before the record is cleared. The example is
    // then typed in, calculated and plotted: the graph takes the larger free part of the area, beside
    // or below the other two, else the part below the results, where a readable plot fits; else the
    // whole area.
    void nuovo_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<bool>("risposta");
        QTest::addColumn<QSize>("cornice");
        QTest::addColumn<QString>("grafico");
        const QSize cornice(1600, 800);
        QTest::newRow("pulsante, OK") << "New" << true << cornice << "";
        QTest::newRow("esempio, Annulla") << "Esempio" << false << cornice << "";
        QTest::newRow("esempio, OK") << "Esempio" << true << cornice << "sotto i risultati";
        QTest::newRow("esempio, cornice larga") << "Esempio" << true << QSize(2200, 800) << "accanto";
        QTest::newRow("esempio, cornice alta") << "Esempio" << true << QSize(1200, 1150) << "sotto";
        QTest::newRow("esempio, cornice piccola") << "Esempio" << true << QSize(700, 500) << "tutta l'area";
    }
    void nuovo() {
        QFETCH(QString, comando);
        QFETCH(bool, risposta);
        QFETCH(QSize, cornice);
        QFETCH(QString, grafico);
        Banco banco;
        banco.finestra->setWindowState(Qt::WindowNoState);
        banco.finestra->resize(cornice);
        banco.CalcolaEsempio();
        banco.Premi("Grafico");
        banco.Figlia(QStringLiteral("Prova"));
        const QString prima = banco.Stato();
        banco.dialoghi.risposte = {risposta};
        banco.Premi(qPrintable(comando));
        QCOMPARE(banco.Chiamate() + ": " + banco.dialoghi.testi.join('|'),
                 "Conferma Velantra: ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova "
                 "simulazione, continuare?");
        QCOMPARE(banco.Stato(), !risposta ? prima
                                : comando == "Esempio"
                                    ? "frmInserimentoDati FrmRisultati frmGrafico* 0 504 "
                                      "tutti 0.25 1.5 2 1 3 5 0.5 0.5 S1=0,25 Stot=2 Ttot=5"
                                    : "-1 0 Apri+Calcolo+Nuovo 0 0 0 0 0 0 0 0");
        QCOMPARE(banco.finestra->FormAperto(QStringLiteral("Prova")), !risposta);
        if (grafico.isEmpty())
            return;
        const auto posto = [&](const char* nome) {
            return FinestreFiglie::SottoFinestra(banco.Finestra(nome))->geometry();
        };
        const QRect altre = posto("frmInserimentoDati") | posto("FrmRisultati");
        const QRect libero = banco.finestra->findChild<QMdiArea*>()->viewport()->rect();
        const QRect g = posto("frmGrafico");
        QCOMPARE(g == libero.adjusted(altre.right() + 1, 0, 0, 0)                    ? "accanto"
                 : g == libero.adjusted(0, altre.bottom() + 1, 0, 0)                 ? "sotto"
                 : g == libero.adjusted(0, posto("FrmRisultati").bottom() + 1, 0, 0) ? "sotto i risultati"
                 : g == libero                                                       ? "tutta l'area"
                                                                                     : "altrove",
                 grafico);
    }

    // The Window menu lists the children, the active one checked, and activates the one chosen; it
    // arranges them one above the other, side by side, in cascade with the active one last, minimised
    // in a row along the bottom from the left. A child partly outside scrolls the area.
    void finestre() {
        Banco banco;
        banco.finestra->setWindowState(Qt::WindowNoState);
        banco.finestra->resize(640, 480);
        QWidget* uno = banco.Figlia(QStringLiteral("Uno"));
        QWidget* due = banco.Figlia(QStringLiteral("Due & tre"));
        auto* menu = banco.finestra->findChild<QMenu*>(QStringLiteral("mnuWindow"));
        QStringList visto;
        const auto guarda = [&](const char* comando) {
            if (comando)
                banco.Premi(comando);
            emit menu->aboutToShow();
            QStringList voci;
            for (const QAction* a : menu->actions().mid(5))
                voci << a->text() + (a->isChecked() ? "*" : "");
            for (const QWidget* figlia : {uno, due}) {
                const QRect r = figlia->parentWidget()->geometry();
                voci << QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
            }
            visto << voci.join(' ');
        };
        guarda(nullptr);
        menu->actions().at(5)->trigger();
        for (const char* comando : {"mnuWindowTileHorizontal", "mnuWindowTileVertical", "mnuWindowCascade"})
            guarda(comando);
        uno->parentWidget()->showMinimized();
        due->parentWidget()->showMinimized();
        uno->parentWidget()->move(50, 20);
        guarda("mnuWindowArrangeIcons");
        QCOMPARE(visto, (QStringList{"&1 Uno &2 Due && tre* 0,0 200x150 200,0 200x150",
                                     "&1 Uno* &2 Due && tre 0,0 640x200 0,200 640x200",
                                     "&1 Uno* &2 Due && tre 0,0 320x400 320,0 320x400",
                                     "&1 Uno* &2 Due && tre 28,28 612x372 0,0 612x372",
                                     "&1 Uno &2 Due && tre* 0,376 196x24 196,376 196x24"}));
        due->parentWidget()->showNormal();
        for (int i = 0; i < 12; ++i) // thirteen in cascade: each keeps half the area
            banco.Figlia(QStringLiteral("Altra"));
        banco.Premi("mnuWindowCascade");
        QCOMPARE(banco.finestra->findChild<QMdiArea*>()->activeSubWindow()->geometry(),
                 QRect(336, 336, 320, 200));
        due->parentWidget()->move(600, 400);
        QTRY_VERIFY(banco.finestra->findChild<QMdiArea*>()->horizontalScrollBar()->isVisible() &&
                    banco.finestra->findChild<QMdiArea*>()->verticalScrollBar()->isVisible());

        banco.Premi("mnuFileExit"); // the children close, running their closing code
        QVERIFY(!banco.finestra->isVisible() && !banco.finestra->FormAperto(QStringLiteral("Uno")));
        QCOMPARE(banco.simulazione.Moto().S1, 7.0);
    }

    // Brought back onto a screen when less than 100 x 50 pixels of it show on any.
    void suUnoSchermo() {
        const QRect uno(0, 0, 1600, 1000), due(1600, 0, 1280, 1024);
        const std::tuple<QRect, QList<QRect>, QRect> casi[] = {
            {QRect(1500, 900, 433, 433), {uno}, QRect(1500, 900, 433, 433)},      // 100 pixels inside
            {QRect(1501, 100, 433, 433), {uno}, QRect(1167, 100, 433, 433)},      // 99
            {QRect(100, 951, 433, 433), {uno}, QRect(100, 567, 433, 433)},        // 49 rows
            {QRect(100, 950, 433, 433), {uno}, QRect(100, 950, 433, 433)},        // 50
            {QRect(2000, 100, 433, 433), {uno, due}, QRect(2000, 100, 433, 433)}, // on the second
            {QRect(-5000, -40, 300, 200), {uno, due}, QRect(0, 0, 300, 200)},     // off every screen
            {QRect(1700, 30, 900, 3000), {uno, due}, QRect(1700, 0, 900, 1024)},  // taller than its screen
            {QRect(-5000, 0, 10, 10), {}, QRect(-5000, 0, 10, 10)},               // no screen
            {QRect(1000, 0, 900, 3000), {uno, QRect(1600, 1000, 400, 300)}, QRect(700, 0, 900, 1000)}, // most
        };
        for (const auto& [finestra, schermi, attesa] : casi)
            QCOMPARE(SuUnoSchermo(finestra, schermi), attesa);
    }

    // The stored texts, the placement and the header they give, and what closing writes back ("" is not
    // checked): the placement as moved, if it was; closed minimised, nothing, not even the header.
    void collocazione_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QRect>("normale");
        QTest::addColumn<QString>("dopo");
        QTest::addColumn<QString>("gesto"); // before closing: "spostata" to 100,80 600x450, or "ridotta"
        const QLocale it(QLocale::Italian, QLocale::Italy), us(QLocale::English, QLocale::UnitedStates);
        const auto riga = [&it](const char* caso, const char* prima, QRect normale, const char* dopo,
                                const char* gesto = "", const QLocale& locale = QLocale()) {
            QTest::newRow(caso) << (locale == QLocale() ? it : locale) << QString(prima) << normale
                                << QString(dopo) << QString(gesto);
        };
        riga("nulla", "", QRect(67, 67, 433, 433), "1000;1000;6500;6500;Ditta");
        riga("decimali", "1000,5;750,4;6000;4500", QRect(67, 50, 400, 300), "1000,5;750,4;6000;4500;Ditta");
        riga("decimali, americano", "1000.5;750.4;6000;4500", QRect(67, 50, 400, 300),
             "1000.5;750.4;6000;4500;Ditta", "", us);
        riga("migliaia, lettere", "1.500;;6000x;4500", QRect(67, 67, 433, 300), "");
        riga("misure non positive", "1500;750;0;-4500", QRect(100, 50, 433, 433), "");
        riga("oltre la precisione singola", "1e39;750;6000;4500", QRect(67, 50, 400, 300), "");
        riga("fuori schermo", "-90000;1000;6500;6500", QRect(67, 67, 433, 433), "1000;1000;6500;6500;Ditta");
        riga("troppo piccola", "1500;750;2999;1", QRect(100, 50, 433, 433), "1500;750;6500;6500;Ditta");
        riga("quasi zero", "1500;750;3000;1e-40", QRect(100, 50, 200, 433), "1500;750;3000;6500;Ditta");
        riga("enorme", "1000;1000;99999999;1e30", QGuiApplication::primaryScreen()->availableGeometry(), "");
        riga("spostata", "1500;1500;7500;7500;Vecchia", QRect(100, 100, 500, 500),
             "1500;1200;9000;6750;Ditta", "spostata");
        riga("ridotta", "1500;1500;7500;7500;Vecchia", QRect(100, 100, 500, 500),
             "1500;1500;7500;7500;Vecchia", "ridotta");
    }
    void collocazione() {
        QFETCH(QLocale, locale);
        QFETCH(QString, prima);
        QFETCH(QString, dopo);
        QLocale::setDefault(locale);
        Banco banco(false);
        for (int i = 0; i <= prima.count(';'); ++i)
            Impostazioni().ScriviTesto(Chiavi[i], prima.section(';', i, i));
        frmMain& finestra = banco.Apri();
        QTEST(finestra.normalGeometry(), "normale");
        QVERIFY(finestra.isMaximized());
        QCOMPARE(banco.IntestazioneUtente, prima.section(';', 4));
        banco.IntestazioneUtente = QStringLiteral("Ditta");
        QFETCH(QString, gesto);
        if (gesto == QLatin1String("spostata")) {
            finestra.showNormal();
            finestra.setGeometry(100, 80, 600, 450);
            finestra.showMaximized();
        }
        if (gesto == QLatin1String("ridotta"))
            finestra.showMinimized();
        QVERIFY(finestra.close());
        for (int i = 0; !dopo.isEmpty() && i < Chiavi.size(); ++i)
            QCOMPARE(Impostazioni().Testo(Chiavi[i]), dopo.section(';', i, i));
    }
};
REGISTRA_COLLAUDO(TstFrmMain);
#include "tst_frmMain.moc"
