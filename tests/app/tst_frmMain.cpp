#include "Banco.h"
#include "Collaudo.h"
#include "FinestreFiglie.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {
// A child window whose closing code writes into the record, as the data-entry window does.
class FinestraProva : public QWidget {
public:
    FinestraProva(const QString& nome, Programma& programma) : programma(programma) {
        setObjectName(nome);
        setWindowTitle(nome);
    }

protected:
    void closeEvent(QCloseEvent* evento) override {
        programma.Moto.S1 = 7;
        evento->accept();
    }

private:
    Programma& programma;
};

QWidget* ApriFiglia(Banco& banco, const QString& nome) {
    auto* figlia = new FinestraProva(nome, banco.programma);
    banco.finestra->Figlie().Aggiungi(figlia)->resize(200, 150);
    banco.finestra->Figlie().Mostra(figlia);
    return figlia;
}

// The commands that follow the command state, in the order of the "1"/"0" texts below, and some that never
// change.
const QStringList ComandiVariabili =
    QStringLiteral("Open Save Print Calcolo Grafico Tabella mnuFileSave mnuFileSaveAs mnuFilePrint "
                   "mnuFileEsporta mnuFileEsportaGrafico")
        .split(' ');
const QStringList ComandiFissi =
    QStringLiteral(
        "New SceltaSistema Esempio mnuFileNew mnuFileOpen mnuFileExit mnuViewOptions mnuWindowCascade "
        "mnuHelpContents mnuHelpAbout")
        .split(' ');

QString Abilitati(const Banco& banco) {
    QString stato;
    for (const QString& nome : ComandiVariabili)
        stato += banco.Azione(nome)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return stato;
}
} // namespace

class TstFrmMain : public QObject {
    Q_OBJECT
private slots:
    void avvio() {
        Banco banco;
        frmMain& finestra = banco.Apri();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QCOMPARE(finestra.windowTitle(), QStringLiteral("Velantra dei moti"));
        QVERIFY(finestra.isMaximized());
        // 1000 and 6500 twips, 15 twips to the pixel.
        QCOMPARE(finestra.normalGeometry(), QRect(67, 67, 433, 433));
        QCOMPARE(banco.programma.IntestazioneUtente, QString());
        QCOMPARE(Abilitati(banco), QStringLiteral("10010000000"));
        QVERIFY(!finestra.windowIcon().isNull());
        QVERIFY(banco.dialoghi.chiamate.isEmpty());
    }

    // Captions separated by "|", "-" for a separator; the items' names in the same order.
    void menu_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("voci");
        QTest::addColumn<QString>("nomi");
        QTest::newRow("File")
            << "mnuFile"
            << "&File"
            << "Nu&ovo|&Apri...|-|&Salva|Sal&va con nome...|-|E&sporta tabella...|-|"
               "S&tampa...|-|&Esci"
            << "mnuFileNew mnuFileOpen mnuFileSave mnuFileSaveAs mnuFileEsporta mnuFilePrint "
               "mnuFileExit";
        QTest::newRow("Visualizza") << "mnuView"
                                    << "&Visualizza"
                                    << "Barra degli &strumenti|&Barra di stato|-|&Opzioni..."
                                    << "mnuViewToolbar mnuViewStatusBar mnuViewOptions";
        QTest::newRow("Finestra")
            << "mnuWindow"
            << "Fi&nestra"
            << "&Sovrapponi|Affianca &orizzontalmente|Affianca &verticalmente|&Disponi icone"
            << "mnuWindowCascade mnuWindowTileHorizontal mnuWindowTileVertical "
               "mnuWindowArrangeIcons";
        QTest::newRow("?") << "mnuHelp"
                           << "&?"
                           << "&Sommario|&Cerca argomento...|-|&Informazioni su "
                           << "mnuHelpContents mnuHelpSearchForHelpOn mnuHelpAbout";
    }
    void menu() {
        QFETCH(QString, menu);
        QFETCH(QString, titolo);
        QFETCH(QString, voci);
        QFETCH(QString, nomi);
        Banco banco;
        banco.Apri();
        auto* tendina = banco.finestra->findChild<QMenu*>(menu);
        QVERIFY(banco.finestra->menuBar()->actions().contains(tendina->menuAction()));
        QCOMPARE(tendina->title(), titolo);
        QStringList testi, nomiTrovati;
        for (const QAction* azione : tendina->actions()) {
            testi << (azione->isSeparator() ? QStringLiteral("-") : azione->text());
            if (!azione->isSeparator())
                nomiTrovati << azione->objectName();
        }
        QCOMPARE(testi.join('|'), voci);
        QCOMPARE(nomiTrovati.join(' '), nomi);
    }

    void vociParticolari() {
        Banco banco;
        banco.Apri();
        QCOMPARE(banco.Azione("mnuFileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(banco.Azione("mnuFileOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        for (const char* nome : {"mnuViewToolbar", "mnuViewStatusBar"})
            QVERIFY(banco.Azione(nome)->isChecked());
        // Hidden: present, following the command state, in no menu.
        QAction* esportaGrafico = banco.Azione("mnuFileEsportaGrafico");
        QCOMPARE(esportaGrafico->text(), QStringLiteral("Es&porta grafico..."));
        for (const QMenu* menu : banco.finestra->findChildren<QMenu*>())
            QVERIFY(!menu->actions().contains(esportaGrafico));
    }

    void barraStrumenti() {
        Banco banco;
        banco.Apri();
        auto* barra = banco.finestra->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
        QStringList trovate;
        for (QAction* azione : barra->actions()) {
            trovate << azione->objectName() + "=" + azione->toolTip();
            QVERIFY(!azione->icon().isNull());
            QCOMPARE(barra->widgetForAction(azione)->accessibleName(), azione->toolTip());
        }
        QCOMPARE(trovate.join('|'),
                 QStringLiteral("New=Nuova simulazione|Open=Carica simulazione|Save=Salva "
                                "simulazione|Print=Print|SceltaSistema=Scelta del sistema|"
                                "Calcolo=Calcolo|Grafico=Grafico|Tabella=Tabella|Esempio=Esempio"));
        // Toolbar buttons and menu items are separate commands.
        QVERIFY(banco.Azione("Save") != banco.Azione("mnuFileSave"));
        // "Esempio" does nothing.
        banco.Azione("Esempio")->trigger();
        QVERIFY(banco.dialoghi.chiamate.isEmpty());
    }

    void statoComandi_data() {
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("attesi");
        // Open Save Print Calcolo Grafico Tabella mnuFileSave SaveAs Print Esporta EsportaGrafico
        QTest::newRow("1") << 3 << 1 << "10010000000";
        QTest::newRow("2") << 1 << 2 << "11010011000";
        QTest::newRow("3") << 1 << 3 << "11111111111";
        QTest::newRow("2 dopo 3") << 3 << 2 << "11010011000";
        QTest::newRow("0 non cambia") << 2 << 0 << "11010011000";
        QTest::newRow("4 non cambia") << 3 << 4 << "11111111111";
        QTest::newRow("-1 non cambia") << 1 << -1 << "10010000000";
    }
    void statoComandi() {
        QFETCH(int, prima);
        QFETCH(int, codice);
        QFETCH(QString, attesi);
        Banco banco;
        frmMain& finestra = banco.Apri();
        finestra.AbilitaComandi(static_cast<int16_t>(prima));
        finestra.AbilitaComandi(static_cast<int16_t>(codice));
        QCOMPARE(Abilitati(banco), attesi);
        for (const QString& nome : ComandiFissi)
            QVERIFY2(banco.Azione(nome)->isEnabled(), qPrintable(nome));
    }

    void nuovo_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<bool>("risposta");
        QTest::newRow("pulsante, OK") << "New" << true;
        QTest::newRow("pulsante, Annulla") << "New" << false;
        QTest::newRow("menu, OK") << "mnuFileNew" << true;
        QTest::newRow("menu, Annulla") << "mnuFileNew" << false;
    }
    void nuovo() {
        QFETCH(QString, comando);
        QFETCH(bool, risposta);
        Banco banco;
        frmMain& finestra = banco.Apri();
        finestra.AbilitaComandi(3);
        banco.programma.SistemaCorrente = 5;
        banco.programma.Moto.Stot = 2;
        banco.programma.Moto.S1 = 0.25;
        banco.programma.PuntiGrafico.Add(0.01, 0.005, 0);
        ApriFiglia(banco, QStringLiteral("FrmRisultati"));
        banco.dialoghi.risposte = {risposta};

        banco.Azione(comando)->trigger();

        QCOMPARE(banco.dialoghi.chiamate.size(), 1);
        const DialoghiFinti::Chiamata& domanda = banco.dialoghi.chiamate.first();
        QCOMPARE(domanda.tipo, QStringLiteral("Conferma"));
        QCOMPARE(domanda.testo, QStringLiteral("ATTENZIONE! Verranno azzerati tutti i valori e si inizierà "
                                               "una nuova simulazione, continuare?"));
        QCOMPARE(domanda.titolo, QStringLiteral("Velantra"));
        QCOMPARE(finestra.FormAperto(QStringLiteral("FrmRisultati")), !risposta);
        QCOMPARE(Abilitati(banco), risposta ? QStringLiteral("10010000000") : QStringLiteral("11111111111"));
        QCOMPARE(banco.programma.SistemaCorrente, risposta ? -1 : 5);
        QCOMPARE(banco.programma.PuntiGrafico.NumeroElementi(), risposta ? 0 : 1);
        QCOMPARE(banco.programma.Moto.Stot, risposta ? 0.0 : 2.0);
        // The record is cleared after the children have run their closing code.
        QCOMPARE(banco.programma.Moto.S1, risposta ? 0.0 : 0.25);
    }

    void barre_data() {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("barra");
        QTest::newRow("strumenti") << "mnuViewToolbar"
                                   << "tbToolBar";
        QTest::newRow("stato") << "mnuViewStatusBar"
                               << "sbStatusBar";
    }
    void barre() {
        QFETCH(QString, voce);
        QFETCH(QString, barra);
        Banco banco;
        banco.Apri();
        auto* widget = banco.finestra->findChild<QWidget*>(barra);
        QVERIFY(widget && widget->isVisible());
        QAction* azione = banco.Azione(voce);
        azione->trigger();
        QVERIFY(!azione->isChecked());
        QVERIFY(!widget->isVisible());
        azione->trigger();
        QVERIFY(azione->isChecked());
        QVERIFY(widget->isVisible());
    }

    void barraStato() {
        Banco banco;
        banco.Apri();
        QStringList testi;
        for (const char* nome : {"pnlStato", "pnlData", "pnlOra"})
            testi << banco.finestra->statusBar()->findChild<QLabel*>(nome)->text();
        QCOMPARE(testi[0], QStringLiteral("Stato"));
        QCOMPARE(testi[1], QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{2}:\\d{2}$")).match(testi[2]).hasMatch(),
                 qPrintable(testi[2]));
    }

    void formAperto() {
        Banco banco;
        frmMain& finestra = banco.Apri();
        QVERIFY(finestra.FormAperto(QStringLiteral("frmMain")));
        QVERIFY(!finestra.FormAperto(QStringLiteral("frmGrafico")));
        ApriFiglia(banco, QStringLiteral("frmGrafico"));
        QVERIFY(finestra.FormAperto(QStringLiteral("frmGrafico")));
        QVERIFY(!finestra.FormAperto(QStringLiteral("frmgrafico")));
        finestra.ChiudiFinestre();
        QVERIFY(!finestra.FormAperto(QStringLiteral("frmGrafico")));
    }

    void disponiFinestre() {
        Banco banco;
        frmMain& finestra = banco.Apri();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QWidget* uno = ApriFiglia(banco, QStringLiteral("Uno"));
        QWidget* due = ApriFiglia(banco, QStringLiteral("Due"));
        const QRect area = banco.finestra->Figlie().Area().viewport()->rect();
        const auto cornice = [](QWidget* figlia) { return figlia->parentWidget()->geometry(); };

        banco.Azione("mnuWindowTileVertical")->trigger();
        QCOMPARE(cornice(uno).united(cornice(due)), area);
        QCOMPARE(cornice(uno).top(), cornice(due).top());
        QVERIFY(cornice(uno).right() < cornice(due).left());

        banco.Azione("mnuWindowTileHorizontal")->trigger();
        QCOMPARE(cornice(uno).united(cornice(due)), area);
        QCOMPARE(cornice(uno).width(), area.width());
        QVERIFY(cornice(uno).bottom() < cornice(due).top());

        banco.Azione("mnuWindowCascade")->trigger();
        QVERIFY(cornice(due).topLeft().x() > cornice(uno).topLeft().x());

        auto* ridotta = qobject_cast<QMdiSubWindow*>(uno->parentWidget());
        ridotta->showMinimized();
        ridotta->move(50, 20);
        banco.Azione("mnuWindowArrangeIcons")->trigger();
        QCOMPARE(cornice(uno).bottomLeft(), area.bottomLeft());
    }

    void elencoFinestre() {
        Banco banco;
        banco.Apri();
        QWidget* uno = ApriFiglia(banco, QStringLiteral("Uno"));
        ApriFiglia(banco, QStringLiteral("Due & tre"));
        auto* menu = banco.finestra->findChild<QMenu*>(QStringLiteral("mnuWindow"));
        emit menu->aboutToShow();
        QStringList voci;
        for (const QAction* azione : menu->actions().mid(4))
            voci << azione->text();
        QCOMPARE(voci, (QStringList{"", "&1 Uno", "&2 Due && tre"}));
        QVERIFY(menu->actions().last()->isChecked());
        menu->actions().at(5)->trigger();
        QCOMPARE(banco.finestra->FinestraAttiva(), uno);
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 7);
        QVERIFY(menu->actions().at(5)->isChecked());
    }

    void esci() {
        Banco banco;
        frmMain& finestra = banco.Apri();
        ApriFiglia(banco, QStringLiteral("frmInserimentoDati"));
        banco.Azione("mnuFileExit")->trigger();
        QVERIFY(!finestra.isVisible());
        QVERIFY(!finestra.FormAperto(QStringLiteral("frmInserimentoDati")));
        QCOMPARE(banco.programma.Moto.S1, 7.0);
    }
};
REGISTRA_COLLAUDO(TstFrmMain);
#include "tst_frmMain.moc"
