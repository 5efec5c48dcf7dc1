#include "Collaudo.h"
#include "DatiProfilo.h"
#include "DialoghiFinti.h"
#include "DialoghiQt.h"
#include "Disegno.h"
#include "Esportazione.h"
#include "FinestreFiglie.h"
#include "Programma.h"
#include "SuperficieDisegno.h"
#include "Velantra.h"
#include "frmGrafico.h"
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// The main window over fresh program objects, driven only through what a user can reach.
struct Utente {
    QTemporaryDir cartella;
    Programma programma;
    DialoghiFinti dialoghi;
    std::unique_ptr<frmMain> principale;

    Utente() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, cartella.path());
        principale = std::make_unique<frmMain>(programma, &dialoghi);
        principale->setWindowState(Qt::WindowNoState);
        principale->resize(1400, 900);
        principale->show();
        principale->activateWindow();
        if (!QTest::qWaitForWindowActive(principale.get()))
            qWarning("main window not active");
    }
    QAction* Azione(const char* nome) const { return principale->findChild<QAction*>(nome); }
    void Premi(const char* nome) const { Azione(nome)->trigger(); }
    QWidget* Finestra(const char* nome) const { return principale->Figlie().Finestra(nome); }
    QLineEdit* Casella(const char* finestra, const char* nome, int i) const {
        return Finestra(finestra)->findChild<QLineEdit*>(QStringLiteral("%1(%2)").arg(nome).arg(i));
    }
    // Clicks a line of the list of combinations on the data-entry picture (twips from its corner).
    void ScegliRiga(int riga) const {
        QWidget* disegno = Finestra("frmInserimentoDati")->findChild<QWidget*>(QStringLiteral("Picture1"));
        const int y[] = {2000, 2200, 2400, 2600, 2800, 3000, 3200, 3400, 3600, 3800, 4000};
        QTest::mouseClick(disegno, Qt::LeftButton, {}, QPoint(6500 / 15, y[riga] / 15));
    }
    QStringList Risultati() const {
        QStringList testi;
        for (int i = 0; i < 8; ++i)
            testi << Casella("FrmRisultati", "Risultati", i)->text();
        return testi;
    }
};

QStringList Etichette(const SuperficieDisegno& superficie) {
    QStringList testi;
    for (const auto& t : superficie.Testi())
        testi << t.testo;
    return testi;
}

} // namespace

class TstPercorsi : public QObject {
    Q_OBJECT
private slots:
    // Choose, type with the point key, calculate, read, plot, start again.
    void calcoloCompleto() {
        Utente u;
        u.Premi("SceltaSistema");
        u.ScegliRiga(0); // Stot-Ttot-S1: the cursor lands in S1, the last of the three
        QTest::keyClicks(u.Casella("frmInserimentoDati", "Risultati", 2), "2");
        QTest::keyClicks(u.Casella("frmInserimentoDati", "Risultati", 5), "5");
        QTest::keyClicks(QApplication::focusWidget(), "0.25");
        QCOMPARE(u.Casella("frmInserimentoDati", "Risultati", 0)->text(), QStringLiteral("0,25"));
        QVERIFY(!u.Azione("Grafico")->isEnabled());

        u.Premi("Calcolo");
        QCOMPARE(u.dialoghi.Messaggi(), QStringList());
        QCOMPARE(u.Risultati(), (QStringList{"0,25", "1,5", "2", "1", "3", "5", "0,5", "0,5"}));
        for (const char* comando : {"Grafico", "Tabella", "Print", "Save", "mnuFileEsporta"})
            QVERIFY2(u.Azione(comando)->isEnabled(), comando);

        u.Premi("Grafico");
        auto* grafico = qobject_cast<frmGrafico*>(u.Finestra("frmGrafico"));
        QVERIFY(grafico);
        QTRY_VERIFY(!Etichette(grafico->PictValX()).isEmpty());
        QCOMPARE(Etichette(grafico->PictValX()), (QStringList{"1", "4", "5"}));
        QCOMPARE(Etichette(grafico->PictValY()), (QStringList{"0", "0,1", "0,2", "0,3", "0,4"}));
        QCOMPARE(u.programma.PuntiGrafico.X(u.programma.PuntiGrafico.NumeroElementi() - 1), 5.0);

        // A new calculation shows in the open graph at once.
        QLineEdit* stot = u.Casella("frmInserimentoDati", "Risultati", 2);
        stot->selectAll();
        QTest::keyClicks(stot, "3");
        u.Premi("Calcolo");
        QCOMPARE(Etichette(grafico->PictValX()), (QStringList{"0,7143", "4,2857", "5"}));

        u.dialoghi.risposte = {true};
        u.Premi("New");
        QVERIFY(!u.Finestra("frmInserimentoDati") && !u.Finestra("FrmRisultati") &&
                !u.Finestra("frmGrafico"));
        QCOMPARE(u.programma.SistemaCorrente, int16_t(-1));
        QCOMPARE(u.programma.PuntiGrafico.NumeroElementi(), 0);
        QVERIFY(!u.Azione("Grafico")->isEnabled());
    }

    // A solve that fails after a good one keeps the results on screen, but leaves nothing calculated to
    // draw, print or export; the typed values are saved, what the solve left infinite as 0.
    void calcoloFallito() {
        Utente u;
        u.Premi("SceltaSistema");
        u.ScegliRiga(9); // Vm-Ttot-Stot
        QTest::keyClicks(u.Casella("frmInserimentoDati", "Risultati", 6), "1");
        QTest::keyClicks(u.Casella("frmInserimentoDati", "Risultati", 5), "4");
        QTest::keyClicks(u.Casella("frmInserimentoDati", "Risultati", 2), "3");
        u.Premi("Calcolo");
        u.Premi("Grafico");
        auto* grafico = qobject_cast<frmGrafico*>(u.Finestra("frmGrafico"));
        QTRY_VERIFY(!Etichette(grafico->PictValX()).isEmpty());

        QLineEdit* stot = u.Casella("frmInserimentoDati", "Risultati", 2);
        stot->selectAll();
        QTest::keyClicks(stot, "4"); // T1 = Ttot - Stot/Vm = 0: A infinite
        u.Premi("Calcolo");
        QCOMPARE(u.dialoghi.Messaggi(), QStringList{QString::fromUtf8(MessaggioErroreCalcolo)});
        QCOMPARE(u.Risultati(), (QStringList{"0,5", "2", "3", "1", "2", "4", "1", "1"}));
        QCOMPARE(u.programma.PuntiGrafico.NumeroElementi(), 0);
        QVERIFY(Etichette(grafico->PictValX()).isEmpty());
        for (const char* comando : {"Grafico", "Tabella", "Print", "mnuFilePrint", "mnuFileEsporta"})
            QVERIFY2(!u.Azione(comando)->isEnabled(), comando);

        const QString percorso = u.cartella.filePath(QStringLiteral("fallito.vla"));
        u.dialoghi.nomiFile = {percorso};
        u.Premi("Save");
        QFile file(percorso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("9,0,4,4,0,4,4,1,0\r\n"));
    }

    // The worked example with the details on, out of the graph window by its context menu: a picture
    // in the format of the chosen filter (or named) at the size typed, the profile in the form of the
    // chosen filter, a folder that is not there reported with nothing written.
    void graficoInUscita_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<int>("filtro");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("formato"); // of the file written; none: nothing written
        QTest::newRow("png") << "mnuEsportaImmagine" << 0 << "grafico.png"
                             << "png";
        QTest::newRow("svg dal filtro") << "mnuEsportaImmagine" << 1 << "grafico"
                                        << "svg";
        QTest::newRow("pdf dal nome") << "mnuEsportaImmagine" << 0 << "grafico.pdf"
                                      << "pdf";
        QTest::newRow("csv standard") << "mnuEsportaDati" << 0 << "profilo.csv"
                                      << "csv";
        QTest::newRow("csv regionale") << "mnuEsportaDati" << 1 << "profilo.csv"
                                       << "csv regionale";
        QTest::newRow("cartella mancante") << "mnuEsportaImmagine" << 2 << "manca/grafico.pdf"
                                           << "";
    }
    void graficoInUscita() {
        QFETCH(int, filtro);
        QFETCH(QString, nome);
        QFETCH(QString, formato);
        Utente u;
        u.Premi("Esempio");
        auto* grafico = qobject_cast<frmGrafico*>(u.Finestra("frmGrafico"));
        QVERIFY(grafico);
        grafico->Pulsante(QStringLiteral("AggiungiParticolari"))->trigger();
        const QString percorso = u.cartella.filePath(nome);
        QFETCH(QString, comando);
        const bool immagine = comando == QLatin1String("mnuEsportaImmagine");
        const QStringList& filtri = immagine ? FiltriImmagine : FiltriDati;
        u.dialoghi.chiamate.clear();
        u.dialoghi.nomiFile = {percorso};
        u.dialoghi.filtriScelti = {filtri[filtro]};
        u.dialoghi.dimensioni = {QSize(400, 300)};
        grafico->findChild<QAction*>(comando)->trigger();
        const auto& salva = u.dialoghi.chiamate.first();
        QCOMPARE(salva.titolo + salva.filtri.join(';'),
                 (immagine ? TitoloEsportaImmagine : TitoloEsportaDati) + filtri.join(';'));
        if (formato.isEmpty()) {
            QCOMPARE(u.dialoghi.Messaggi(),
                     QStringList("Impossibile salvare il file «" + percorso + "»: la cartella «" +
                                 u.cartella.filePath("manca") + "» non esiste."));
            QVERIFY(!QFile::exists(percorso));
        } else if (immagine) {
            const QImage disegno = Disegno(percorso, formato);
            QCOMPARE(disegno.size(), QSize(400, 300));
            QVERIFY(MostraLeCurve(disegno));
        } else {
            QFile file(percorso);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), TestoCsv(u.programma.PuntiGrafico, u.programma.Moto,
                                              filtro ? FormaCsv::Regionale : FormaCsv::Standard));
        }
    }

    // The printed graph page carries the details: their axes, names, marks and curves.
    void stampaConParticolari() {
        Utente u;
        u.Premi("Esempio");
        auto* grafico = qobject_cast<frmGrafico*>(u.Finestra("frmGrafico"));
        grafico->Pulsante(QStringLiteral("AggiungiParticolari"))->trigger();
        const QString pdf = u.cartella.filePath(QStringLiteral("pagina.pdf"));
        u.dialoghi.preparaStampante = [&](QPrinter& stampante) { stampante.setOutputFileName(pdf); };
        u.Premi("Print");
        QProcess testo;
        testo.start(QStringLiteral("pdftotext"), {pdf, "-"});
        QVERIFY(testo.waitForFinished());
        const QString parole = QString::fromUtf8(testo.readAllStandardOutput()).simplified();
        for (const char* atteso :
             {"V(t) [m/sec]", "s(t) [m]", "a(t) [m/sec^2]", "Vm = 0,5", "T1 + T2", "t [sec]"})
            QVERIFY2(parole.contains(QLatin1String(atteso)), atteso);
        QVERIFY(MostraLeCurve(Disegno(pdf, QStringLiteral("pdf"))));
    }

    // Qt's own dialogs as the program sets them up: the save dialog reports the filter chosen and gives
    // a name typed without extension that filter's; the size dialog gives what is typed.
    void dialoghiVeri() {
        QTemporaryDir cartella;
        QWidget finestra;
        DialoghiQt dialoghi(&finestra);
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            dialogo->setDirectory(cartella.path());
            QTest::keyClick(dialogo->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
            auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            nome->setText(QStringLiteral("grafico"));
            QTest::keyClick(nome, Qt::Key_Return);
        });
        QString filtro;
        QCOMPARE(dialoghi.NomeFileSalva(TitoloEsportaImmagine, FiltriImmagine, &filtro),
                 cartella.filePath("grafico.svg"));
        QCOMPARE(filtro, FiltriImmagine[1]);
        QTimer::singleShot(0, [&] {
            auto* dialogo = QApplication::activeModalWidget();
            const auto caselle = dialogo->findChildren<QSpinBox*>();
            caselle[0]->setValue(640);
            caselle[1]->setValue(480);
            dialogo->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(dialoghi.Dimensione(TitoloDimensione, QSize(847, 625)), std::optional(QSize(640, 480)));
    }
};

REGISTRA_COLLAUDO(TstPercorsi);
#include "tst_Percorsi.moc"
