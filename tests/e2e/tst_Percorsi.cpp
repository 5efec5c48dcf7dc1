#include "Banco.h"
#include "Collaudo.h"
#include "DatiProfilo.h"
#include "Esportazione.h"
#include "FileSicuri.h"
#include "LeggeMoto.h"
#include "PianoSerie.h"
#include "Uscite.h"
#include "frmGrafico.h"

namespace {
// Each writer of the windows with the old file it is given to write over; "impostazioni" closes the
// main window, which writes the settings.
const QStringList Scrittori =
    QStringLiteral("Save vecchio.vla,mnuFileEsporta vecchio.txt,mnuFileEsportaGrafico "
                   "vecchio.bmp,mnuEsportaImmagine vecchio.png,mnuEsportaImmagine "
                   "vecchio.svg,mnuEsportaImmagine vecchio.pdf,mnuEsportaDati "
                   "vecchio.csv,impostazioni Velantra/Velantra.conf")
        .split(',');

// A child window of the frame with three series in the colours of the speed and the details, its picture
// asked for as a window of the program asks: through the frame's child windows.
PianoSerie* PianoEsempio(Banco& banco) {
    const std::vector<CurvaDettaglio> dettagli = CurveDettaglio({.T1 = 1, .T2 = 1, .Vm = 1}, nullptr);
    GraficoSerie g;
    for (const QColor colore : {QColor(Qt::black), dettagli.at(0).colore, dettagli.at(1).colore})
        g.serie.push_back({.punti = {{0, g.serie.size() * 1.0}, {1, g.serie.size() + 3.0}},
                           .colore = colore,
                           .spessore = 4});
    auto* piano = new PianoSerie;
    piano->Mostra(g);
    banco.Figlie().Aggiungi(piano);
    banco.Figlie().Mostra(piano);
    return piano;
}

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
    void initTestCase() { PreparaScritture(); } // as the program does: a write over the limit fails, no more

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
        QCOMPARE(u.Valore(S1)->text() + ' ' + u.Comandi(), "0,25 Apri+Calcolo+Nuovo");
        u.Premi("Calcolo");
        u.Premi("Grafico");
        QCOMPARE(u.Risultati() << u.Comandi(),
                 (QStringList{"0,25", "1,5", "2", "1", "3", "5", "0,5", "0,5", "tutti"}));
        auto* grafico = qobject_cast<frmGrafico*>(u.Finestra("frmGrafico"));
        QTRY_COMPARE(Etichette(grafico, RuoloTesto::Tempo), (QStringList{"1", "4", "5"}));

        u.Scrivi(Stot, "3"); // a new calculation shows in the open graph at once
        u.Premi("Calcolo");
        QCOMPARE(Etichette(grafico, RuoloTesto::Tempo), (QStringList{"0,7143", "4,2857", "5"}));

        u.Scrivi(S1, "-1.5"); // 2 S1 + Stot = 0: T1 infinite
        u.Premi("Calcolo");
        QCOMPARE(u.dialoghi.Messaggi(), QStringList{QString::fromUtf8(MessaggioErroreCalcolo)});
        QCOMPARE(u.Risultati(), (QStringList{"0,25", "2,5", "3", "0,71429", "3,57143", "5", "0,7", "0,98"}));
        QCOMPARE(u.Stato().section(' ', 3, 5) + Etichette(grafico, RuoloTesto::Tempo).join(' '),
                 "0 0 Apri+Salva+SalvaCome+Calcolo+Nuovo");
        u.dialoghi.nomiFile = {u.Percorso(QStringLiteral("fallito.vla"))};
        u.Premi("Save");
        Verifica(u.Percorso(QStringLiteral("fallito.vla")), "0,-1.5,2.5,3,0,3.57142857142857,5,.7,.98\r\n");

        u.dialoghi.risposte = {true};
        u.Premi("New");
        QCOMPARE(u.Stato(), QStringLiteral("-1 0 Apri+Calcolo+Nuovo 0 0 0 0 0 0 0 0"));
    }

    // The files the windows write, as a user has them written: the example calculated, its graph open
    // with the details on, in a folder of old files with the settings' own, among the special entries
    // of Prepara(). A picture (of the graph, or of a plot of series) in the format of the chosen filter
    // (or named) at the size typed, the data in the form of the chosen filter; a failure reported with the
    // old file left whole.
    void scrittori_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("nome");       // given to the file dialog
        QTest::addColumn<QString>("filtro");     // chosen in it; none: the first
        QTest::addColumn<QString>("messaggio");  // %1 the path given, %2 the folder; none: no message
        QTest::addColumn<QString>("file");       // the file written through the name, if any
        QTest::addColumn<QByteArray>("scritto"); // what it holds, as Verifica() reads it; none: not read
        QTest::addColumn<int>("annullaDopo");    // the step of the writing the user cancels at; -1 none
        QTest::addColumn<bool>("limite");        // under a file-size limit of 8 bytes
        const auto riga = [](const QString& caso, const QString& comando, const QString& nome,
                             const QString& motivo, const QString& file = {}, const QByteArray& scritto = {},
                             const QString& filtro = {}, int annullaDopo = -1, bool limite = false) {
            const QString salva = comando == "impostazioni" ? "le impostazioni nel file" : "il file";
            QTest::newRow(qPrintable(caso))
                << comando << nome << filtro
                << (motivo.isEmpty() ? "" : "Impossibile salvare " + salva + " «%1»: " + motivo + '.') << file
                << scritto << annullaDopo << limite;
        };
        for (const QString& scrittore : Scrittori) {
            const QString comando = scrittore.section(' ', 0, 0), vecchio = scrittore.section(' ', 1);
            riga("limite, " + vecchio, comando, vecchio,
                 "il file supera la dimensione massima che il sistema permette di scrivere", {}, {}, {}, -1,
                 true);
            riga("disco pieno, " + vecchio, comando, "pieno/" + vecchio, "il disco è pieno");
        }
        riga("socket", "mnuEsportaDati", "presa.csv", "è un socket, non un file: non vi si scrive");
        riga("collegamento, proprietario e modo", "mnuEsportaImmagine", "collegamento.png", {}, "vecchio.png",
             "png 400x300");
        riga("cartella mancante", "mnuEsportaImmagine", "manca/grafico.pdf",
             "la cartella «%2/manca» non esiste");
        riga("nome lungo", "Save", QString(300, 'a') + ".vla",
             "il nome è lungo 304 byte, più dei 255 che il sistema permette");
        riga("FIFO senza lettore, attesa annullata", "mnuEsportaDati", "tubo.csv", {}, {}, {}, {}, 3);
        riga("dispositivo", "mnuEsportaImmagine", "nulla.svg", {});
        riga("annullata", "mnuEsportaImmagine", "vecchio.png", {}, {}, {}, {}, 0);
        riga("png", "mnuEsportaImmagine", "grafico.png", {}, "grafico.png", "png 400x300");
        riga("svg dal filtro", "mnuEsportaImmagine", "grafico", {}, "grafico", "svg 400x300",
             FiltriImmagine[1]);
        riga("pdf dal nome", "mnuEsportaImmagine", "grafico.pdf", {}, "grafico.pdf", "pdf 400x300");
        riga("serie svg dal filtro", "serie", "serie", {}, "serie", "svg 400x300", FiltriImmagine[1]);
        Velantra esempio{.S1 = 0.5, .Stot = 2, .Ttot = 3};
        esempio.StTtS1();
        riga("csv standard", "mnuEsportaDati", "profilo.csv", {}, "profilo.csv",
             TestoCsv(esempio, {5, -3}, FormaCsv::Standard));
        riga("csv regionale", "mnuEsportaDati", "profilo.csv", {}, "profilo.csv",
             TestoCsv(esempio, {5, -3}, FormaCsv::Regionale), FiltriDati[1]);
    }
    void scrittori() {
        QFETCH(QString, comando);
        QFETCH(QString, nome);
        QFETCH(QString, filtro);
        QFETCH(QString, file);
        Banco banco;
        const QString cartella = banco.cartella.path();
        Prepara(cartella, QStringList(Scrittori).replaceInStrings(QRegularExpression(".* "), ""));

        banco.CalcolaEsempio();
        banco.Premi("Grafico");
        banco.Premi("AggiungiParticolari");
        const QString percorso = cartella + '/' + nome;
        if (comando == "impostazioni") // the store in the row's folder
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, percorso.section('/', 0, -3));
        const auto voci = Voci(cartella);
        banco.dialoghi.nomiFile = {percorso};
        if (!filtro.isEmpty())
            banco.dialoghi.filtriScelti = {filtro};
        banco.dialoghi.dimensioni = {QSize(400, 300)};
        QFETCH(int, annullaDopo);
        banco.dialoghi.annullaDopo = {annullaDopo};
        banco.dialoghi.chiamate.clear();
        rlimit prima{}; // over the file-size limit a write fails, as PreparaScritture() makes it
        getrlimit(RLIMIT_FSIZE, &prima);
        QFETCH(bool, limite);
        const rlimit massimo = {limite ? 8 : prima.rlim_cur, prima.rlim_max};
        setrlimit(RLIMIT_FSIZE, &massimo);
        if (comando == "impostazioni")
            banco.finestra->close();
        else if (comando == "serie") // a plot of series' menu
            PianoEsempio(banco)->findChild<QAction*>(QStringLiteral("mnuEsportaImmagine"))->trigger();
        else
            banco.Premi(qPrintable(comando));
        setrlimit(RLIMIT_FSIZE, &prima);

        QFETCH(QString, messaggio);
        QCOMPARE(banco.dialoghi.Messaggi().join('\n'),
                 messaggio.replace("%1", percorso).replace("%2", cartella));
        const QString domanda = comando.endsWith("Dati")
                                    ? "Esporta dati: una riga ogni 0,005 s (" + FiltriDati.join(';')
                                    : TitoloEsportaImmagine + " (" + FiltriImmagine.join(';');
        if (comando.startsWith("mnuEsporta") ||
            comando == "serie") // a plot's: its question, with its filters
            QCOMPARE(banco.dialoghi.chiamate.value(0), "Salva " + domanda + ')');
        RestaTutto(voci, cartella, file);
        QFETCH(QByteArray, scritto);
        if (!scritto.isEmpty())
            Verifica(cartella + '/' + file, scritto);
    }

    // Rewritten with contents of its size, a file never looks older than it was, so that a reader keeping
    // size and time (QSettings does) sees it new, even when the old time is ahead of the clock.
    void piuRecente() {
        const QTemporaryDir cartella;
        const QString nome = cartella.filePath("f.txt");
        QFile vecchio(nome);
        const QDateTime avanti = QDateTime::currentDateTime().addSecs(100);
        QVERIFY(!ScriviFile(nome, "vecchio") && vecchio.open(QIODevice::ReadWrite) &&
                vecchio.setFileTime(avanti, QFileDevice::FileModificationTime));
        QVERIFY(!ScriviFile(nome, "nuovo!!") && QFileInfo(nome).lastModified() > avanti);
    }

    // A motion that the graph cannot draw at any scale: its picture is refused before any question.
    void nonDisegnabile() {
        Banco banco;
        banco.simulazione.ImpostaSistema(4); // Stot, Vm, A
        banco.Assegna({0, 0, 1e-300, 0, 0, 0, 1e-150, 1});
        for (const char* comando : {"SceltaSistema", "Calcolo", "Grafico"})
            banco.Premi(comando);
        banco.dialoghi.chiamate.clear();
        banco.Premi("mnuEsportaImmagine");
        QCOMPARE(banco.Chiamate() + ' ' + banco.dialoghi.Messaggi().join(""),
                 "Messaggio Velantra Impossibile esportare l'immagine: il grafico di questo moto non si può "
                 "disegnare a questa scala.");
    }

    // The default step: 0.01 s, a finer round one below 500 intervals, a coarser one above 50,000 rows.
    void passo_data() {
        QTest::addColumn<double>("durata");
        QTest::addColumn<QString>("passo"); // none: no step divides it
        QTest::addColumn<qint64>("righe");
        QTest::newRow("5 ms") << 0.005 << QString("1e-05") << qint64(501);
        // 1000 intervals, and the row at the end
        QTest::newRow("appena sotto 500 intervalli") << 4.999 << QString("0.005") << qint64(1001);
        QTest::newRow("500 intervalli") << 5.0 << QString("0.01") << qint64(501);
        QTest::newRow("50.000 righe") << 499.99 << QString("0.01") << qint64(50000);
        QTest::newRow("una riga di troppo") << 500.0 << QString("0.02") << qint64(25001);
        QTest::newRow("enorme") << 1e300 << QString("5e+295") << qint64(20001);
        QTest::newRow("minuscolo") << 1e-300 << QString("2e-303") << qint64(501);
        for (const double durata : {0.0, -1.0, qInf(), qQNaN(), 5e-324})
            QTest::newRow(qPrintable(QString::number(durata))) << durata << QString("") << qint64(0);
    }
    void passo() {
        QFETCH(double, durata);
        const auto passo = PassoPredefinito(durata);
        QTEST(passo ? QString::fromStdString(passo->Testo()) : QString(), "passo");
        QTEST(passo ? qint64(RigheCsv(durata, *passo)) : 0, "righe");
    }

    // Rows at the exact round times, the end time last; every value the closed form's at the time read
    // back; the regional form differs in separators only.
    void testo() {
        const Velantra moto{.T1 = 1, .T2 = 3.333, .Vm = 0.5};
        const QByteArray testo = TestoCsv(moto, {1, -2}, FormaCsv::Standard);
        const QList<QByteArray> righe = QByteArray(testo).replace('\r', "").split('\n');
        QCOMPARE(righe.size(), 537); // the header, 534 round times, the end, nothing after the last CRLF
        QCOMPARE(righe.mid(0, 3), (QList<QByteArray>{"t [sec],s [m],v [m/sec],a [m/sec^2]", "0,0,0,0.5",
                                                     "0.01,2.5e-05,0.005,0.5"}));
        QVERIFY(righe[25].startsWith("0.24,") && righe[535].startsWith("5.333,2.1665,0,0"));
        const LeggeMoto legge(moto);
        for (qsizetype i = 1; i < righe.size() - 1; ++i) {
            QList<double> letti;
            for (const QByteArray& campo : righe[i].split(','))
                letti << campo.toDouble();
            const double t = letti[0];
            QCOMPARE(letti,
                     (QList<double>{t, legge.Posizione(t), legge.Velocita(t), legge.Accelerazione(t)}));
            QVERIFY(i == righe.size() - 2 || t == double(i - 1) / 100);
        }
        QCOMPARE(TestoCsv(moto, {1, -2}, FormaCsv::Regionale),
                 QByteArray(testo).replace(',', ';').replace('.', ','));
    }
};

REGISTRA_COLLAUDO(TstPercorsi);
#include "tst_Percorsi.moc"
