#include "Banco.h"
#include "Collaudo.h"
#include "DatiProfilo.h"
#include "Disegno.h"
#include "Esportazione.h"
#include "frmGrafico.h"

namespace {
// The labels of one axis as the graph draws them.
QStringList Etichette(const frmGrafico* grafico, RuoloTesto asse) {
    QStringList testi;
    for (const TestoGrafico& t : grafico->Disposizione().Testi(asse))
        testi << t.testo;
    return testi;
}
} // namespace

class TstPercorsi : public QObject {
    Q_OBJECT
private slots:
    // A user's whole work, only through what a user can reach: choose a line of the list, type with the
    // point key, calculate, read, plot. A second calculation that fails keeps the results on screen but
    // leaves nothing calculated to draw, print or export; the typed values are saved, what the solve
    // left infinite as 0. New clears it all.
    void percorso() {
        Banco u;
        u.finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(u.finestra.get()));
        u.Premi("SceltaSistema");
        QTest::mouseClick(u.Profilo(), Qt::LeftButton, {}, QPoint(433, 133)); // Stot-Ttot-S1
        QTest::keyClicks(u.Valore(Stot), "2");
        QTest::keyClicks(u.Valore(Ttot), "5");
        QTest::keyClicks(QApplication::focusWidget(), "0.25"); // the cursor is in S1, the last of the three
        QCOMPARE(u.Valore(S1)->text() + ' ' + u.Comandi(), "0,25 1001000000011");
        u.Premi("Calcolo");
        u.Premi("Grafico");
        QCOMPARE(u.Risultati() << u.Comandi(),
                 (QStringList{"0,25", "1,5", "2", "1", "3", "5", "0,5", "0,5", "1111111111111"}));
        auto* grafico = qobject_cast<frmGrafico*>(u.Finestra("frmGrafico"));
        QTRY_COMPARE(Etichette(grafico, RuoloTesto::Tempo), (QStringList{"1", "4", "5"}));
        QCOMPARE(Etichette(grafico, RuoloTesto::Velocita), (QStringList{"0", "0,1", "0,2", "0,3", "0,4"}));

        u.Scrivi(Stot, "3"); // a new calculation shows in the open graph at once
        u.Premi("Calcolo");
        QCOMPARE(Etichette(grafico, RuoloTesto::Tempo), (QStringList{"0,7143", "4,2857", "5"}));

        u.Scrivi(S1, "-1.5"); // 2 S1 + Stot = 0: T1 infinite
        u.Premi("Calcolo");
        QCOMPARE(u.dialoghi.Messaggi(), QStringList{QString::fromUtf8(MessaggioErroreCalcolo)});
        QCOMPARE(u.Risultati(), (QStringList{"0,25", "2,5", "3", "0,71429", "3,57143", "5", "0,7", "0,98"}));
        QCOMPARE(u.Stato().section(' ', 3, 5) + Etichette(grafico, RuoloTesto::Tempo).join(' '),
                 "0 0 1101001100011");
        const QString percorso = u.Percorso(QStringLiteral("fallito.vla"));
        u.dialoghi.nomiFile = {percorso};
        u.Premi("Save");
        QFile file(percorso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("0,-1.5,2.5,3,0,3.57142857142857,5,.7,.98\r\n"));

        u.dialoghi.risposte = {true};
        u.Premi("New");
        QCOMPARE(u.Stato(), QStringLiteral("-1 0 1001000000011 0 0 0 0 0 0 0 0"));
    }

    // The worked example with the details on, out of the graph window by its context menu: a picture
    // in the format of the chosen filter (or named) at the size typed, the profile in the form of the
    // chosen filter, a folder that is not there reported with nothing written.
    void graficoInUscita_data() {
        QTest::addColumn<bool>("immagine"); // or the data
        QTest::addColumn<int>("filtro");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("formato"); // of the file written; none: nothing written
        QTest::newRow("png") << true << 0 << "grafico.png"
                             << "png";
        QTest::newRow("svg dal filtro") << true << 1 << "grafico"
                                        << "svg";
        QTest::newRow("pdf dal nome") << true << 0 << "grafico.pdf"
                                      << "pdf";
        QTest::newRow("csv standard") << false << 0 << "profilo.csv"
                                      << "csv";
        QTest::newRow("csv regionale") << false << 1 << "profilo.csv"
                                       << "csv regionale";
        QTest::newRow("cartella mancante") << true << 2 << "manca/grafico.pdf"
                                           << "";
    }
    void graficoInUscita() {
        QFETCH(bool, immagine);
        QFETCH(int, filtro);
        QFETCH(QString, nome);
        QFETCH(QString, formato);
        Banco u;
        u.Premi("Esempio");
        auto* grafico = qobject_cast<frmGrafico*>(u.Finestra("frmGrafico"));
        grafico->Azione(ComandoGrafico::AggiungiParticolari)->trigger();
        const QString percorso = u.cartella.filePath(nome);
        const QStringList& filtri = immagine ? FiltriImmagine : FiltriDati;
        u.dialoghi.nomiFile = {percorso};
        u.dialoghi.filtriScelti = {filtri[filtro]};
        u.dialoghi.dimensioni = {QSize(400, 300)};
        grafico->findChild<QAction*>(immagine ? "mnuEsportaImmagine" : "mnuEsportaDati")->trigger();
        QCOMPARE(u.dialoghi.chiamate[1], // after the example's question
                 "Salva " + (immagine ? TitoloEsportaImmagine : "Esporta dati: una riga ogni 0,01 s") + " (" +
                     filtri.join(';') + ')');
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
            QCOMPARE(file.readAll(), TestoCsv(u.programma.Moto, PassoCsv{1, -2},
                                              filtro ? FormaCsv::Regionale : FormaCsv::Standard));
        }
    }
};

REGISTRA_COLLAUDO(TstPercorsi);
#include "tst_Percorsi.moc"
