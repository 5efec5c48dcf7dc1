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

// A menu's items in order: "name=caption", "-" for a separator.
QStringList Voci(const QMenu* menu) {
    QStringList voci;
    for (const QAction* azione : menu->actions())
        voci << (azione->isSeparator() ? QStringLiteral("-") : azione->objectName() + "=" + azione->text());
    return voci;
}

const QStringList ComandiVariabili = {"Open",
                                      "Save",
                                      "Print",
                                      "Calcolo",
                                      "Grafico",
                                      "Tabella",
                                      "mnuFileSave",
                                      "mnuFileSaveAs",
                                      "mnuFilePrint",
                                      "mnuFileEsporta",
                                      "mnuFileEsportaGrafico"};
const QStringList ComandiFissi = {
    "New",         "SceltaSistema",  "Esempio",          "mnuFileNew",      "mnuFileOpen",
    "mnuFileExit", "mnuViewOptions", "mnuWindowCascade", "mnuHelpContents", "mnuHelpAbout"};

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

    void menu_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QStringList>("voci");
        QTest::newRow("File") << "mnuFile"
                              << "&File"
                              << QStringList{"mnuFileNew=Nu&ovo",
                                             "mnuFileOpen=&Apri...",
                                             "-",
                                             "mnuFileSave=&Salva",
                                             "mnuFileSaveAs=Sal&va con nome...",
                                             "-",
                                             "mnuFileEsporta=E&sporta tabella...",
                                             "-",
                                             "mnuFilePrint=S&tampa...",
                                             "-",
                                             "mnuFileExit=&Esci"};
        QTest::newRow("Visualizza") << "mnuView"
                                    << "&Visualizza"
                                    << QStringList{"mnuViewToolbar=Barra degli &strumenti",
                                                   "mnuViewStatusBar=&Barra di stato", "-",
                                                   "mnuViewOptions=&Opzioni..."};
        QTest::newRow("Finestra") << "mnuWindow"
                                  << "Fi&nestra"
                                  << QStringList{"mnuWindowCascade=&Sovrapponi",
                                                 "mnuWindowTileHorizontal=Affianca &orizzontalmente",
                                                 "mnuWindowTileVertical=Affianca &verticalmente",
                                                 "mnuWindowArrangeIcons=&Disponi icone"};
        QTest::newRow("?") << "mnuHelp"
                           << "&?"
                           << QStringList{"mnuHelpContents=&Sommario",
                                          "mnuHelpSearchForHelpOn=&Cerca argomento...", "-",
                                          "mnuHelpAbout=&Informazioni su "};
    }
    void menu() {
        QFETCH(QString, menu);
        QFETCH(QString, titolo);
        QFETCH(QStringList, voci);
        Banco banco;
        banco.Apri();
        auto* tendina = banco.finestra->findChild<QMenu*>(menu);
        QVERIFY(tendina);
        QCOMPARE(tendina->title(), titolo);
        QVERIFY(banco.finestra->menuBar()->actions().contains(tendina->menuAction()));
        QCOMPARE(Voci(tendina), voci);
    }

    void vociParticolari() {
        Banco banco;
        banco.Apri();
        QCOMPARE(banco.Azione("mnuFileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(banco.Azione("mnuFileOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        // Hidden: present, following the command state, in no menu.
        QAction* esportaGrafico = banco.Azione("mnuFileEsportaGrafico");
        QCOMPARE(esportaGrafico->text(), QStringLiteral("Es&porta grafico..."));
        for (const QMenu* menu : banco.finestra->findChildren<QMenu*>())
            QVERIFY(!menu->actions().contains(esportaGrafico));
        for (const char* nome : {"mnuViewToolbar", "mnuViewStatusBar"})
            QVERIFY(banco.Azione(nome)->isChecked());
    }

    void barraStrumenti() {
        Banco banco;
        banco.Apri();
        auto* barra = banco.finestra->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
        QVERIFY(barra);
        const QStringList attese = {"New=Nuova simulazione",
                                    "Open=Carica simulazione",
                                    "Save=Salva simulazione",
                                    "Print=Print",
                                    "SceltaSistema=Scelta del sistema",
                                    "Calcolo=Calcolo",
                                    "Grafico=Grafico",
                                    "Tabella=Tabella",
                                    "Esempio=Esempio"};
        QStringList trovate;
        for (QAction* azione : barra->actions()) {
            trovate << azione->objectName() + "=" + azione->toolTip();
            QVERIFY(!azione->icon().isNull());
            QCOMPARE(barra->widgetForAction(azione)->accessibleName(), azione->toolTip());
        }
        QCOMPARE(trovate, attese);
        // Toolbar buttons and menu items are separate commands.
        QVERIFY(banco.Azione("Save") != banco.Azione("mnuFileSave"));
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

    void comandiSenzaAzione_data() {
        QTest::addColumn<QString>("comando");
        for (const char* nome :
             {"Open", "Save", "Print", "SceltaSistema", "Calcolo", "Grafico", "Tabella", "Esempio",
              "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuFileEsporta", "mnuFilePrint"})
            QTest::newRow(nome) << nome;
    }
    void comandiSenzaAzione() {
        QFETCH(QString, comando);
        Banco banco;
        frmMain& finestra = banco.Apri();
        finestra.AbilitaComandi(3);
        banco.Azione(comando)->trigger();
        QVERIFY(banco.dialoghi.chiamate.isEmpty());
        QCOMPARE(Abilitati(banco), QStringLiteral("11111111111"));
        QVERIFY(finestra.isVisible());
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
        const QStringList voci = Voci(menu).mid(4);
        QCOMPARE(voci, (QStringList{"-", "=&1 Uno", "=&2 Due && tre"}));
        QVERIFY(menu->actions().last()->isChecked());
        menu->actions().at(5)->trigger();
        QCOMPARE(banco.finestra->FinestraAttiva(), uno);
        emit menu->aboutToShow();
        QCOMPARE(Voci(menu).size(), 7);
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
