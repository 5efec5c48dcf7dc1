#include "Aiuti.h"
#include "frmGrafico.h"

#include <sys/stat.h>
#include <unistd.h>

// The words of a page with no ink just above their baseline: cut by something painted over them.
static QString ParoleTagliate(const QString& pdf) {
    Esegui("pdftoppm", {"-r", "144", "-png", "-singlefile", pdf, pdf + "144"});
    const QImage pagina(pdf + "144.png");
    QStringList tagliate;
    const QRegularExpression parola(
        R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*\w.*)<)re");
    for (auto trovate = parola.globalMatch(Esegui("pdftotext", {"-bbox", pdf, "-"})); trovate.hasNext();) {
        const QRegularExpressionMatch p = trovate.next();
        const auto punto = [&](int x, double quanto) { // 144 dpi: 2 pixels to a point
            return 2 * (p.captured(x).toDouble() * (1 - quanto) + p.captured(x + 2).toDouble() * quanto);
        };
        int inchiostro = 0;
        for (int y = int(punto(2, 0.6)); y < int(punto(2, 0.78)); ++y)
            for (int x = int(punto(1, 0)); x < int(punto(1, 1)); ++x)
                inchiostro += qGray(pagina.pixel(x, y)) < 160;
        if (inchiostro == 0)
            tagliate << p.captured(5);
    }
    return tagliate.join(' ');
}

class TstDocumenti : public QObject {
    Q_OBJECT
private slots:
    // The table exported: eight lines in the user's format, over an old file without a question; the plot as
    // last drawn, in an opaque bitmap: the closed graph window is opened for it, the caption goes to the
    // window that was active. Saved over an older document with a value typed since, taken as no longer
    // calculated; then a document of another combination, as large as one may be, opened over the plot,
    // and calculated.
    void andataERitorno() {
        Banco banco;
        const QString percorso = banco.Percorso(QStringLiteral("prova.vla"));
        QVERIFY(banco.finestra->Documento().SalvaSimulazione(percorso));
        QCOMPARE(Leggi(percorso), QByteArray("-1,0,0,0,0,0,0,0,0\r\n"));
        banco.CalcolaEsempio();
        const QString tabella = banco.Percorso(QStringLiteral("tabella.txt")),
                      grafico = banco.Percorso(QStringLiteral("grafico.bmp"));
        Scrivi(tabella, QByteArray(1000, 'x'));
        banco.dialoghi.nomiFile = {tabella, grafico};
        banco.Premi("mnuFileEsporta");
        banco.Premi("mnuFileEsportaGrafico");
        QCOMPARE(Leggi(tabella).count("\r\n"),
                 8); // the lines of the table (their form: the command line's test)
        QCOMPARE(banco.Stato().section(' ', 0, 2) + ' ' + banco.Finestra("FrmRisultati")->windowTitle(),
                 "frmInserimentoDati FrmRisultati frmGrafico* " + grafico);
        const QImage letta = QImage(grafico, "BMP").convertToFormat(QImage::Format_RGB32);
        const QImage piano = qobject_cast<frmGrafico*>(banco.Finestra("frmGrafico"))->ImmaginePiano();
        QCOMPARE(letta, piano.convertToFormat(QImage::Format_RGB32));
        banco.Scrivi(Stot, "4");
        banco.Premi("Grafico");
        const QString altro = banco.Percorso(QStringLiteral("altro.vla"));
        Scrivi(altro, QByteArray("10,0,0,2,0,3,0,.5,0").leftJustified(DimensioneMassimaDocumento, ' '));
        banco.dialoghi.nomiFile = {percorso, altro};
        banco.Premi("Save");
        QCOMPARE(Leggi(percorso), QByteArray("0,.5,1,4,1,1,3,1,1\r\n"));
        QCOMPARE(banco.finestra->FinestraAttiva()->windowTitle(), percorso); // the graph window
        QCOMPARE(banco.Stato().section(' ', 3),
                 "0 0 Apri+Salva+SalvaCome+Calcolo+Nuovo 0.5 1 4 1 1 3 1 1 S1=0,5 Stot=4 Ttot=3");
        banco.Premi("Open");
        QCOMPARE(banco.Chiamate(),
                 QStringLiteral("Salva Salva con nome (Testo (*.txt);Tutti i file (*.*))|"
                                "Salva Salva con nome (Bitmap (*.bmp);Tutti i file (*.*))|"
                                "Salva Salva con nome (Velantra (*.vla);Tutti i file (*.*))|"
                                "Apri Apri (Velantra (*.vla);Tutti i file (*.*))|Conferma Velantra"));
        QCOMPARE(banco.Stato(), QStringLiteral("frmInserimentoDati* 10 0 Apri+Salva+SalvaCome+Calcolo+Nuovo "
                                               "0 0 2 0 3 0 0.5 0 Stot=2 T2=3 Vm=0,5"));
        banco.Premi("Calcolo");
        QCOMPARE(banco.Comandi(), QStringLiteral("tutti"));
    }

    // A command refused or failed changes nothing, on screen (captions too) or on disk, and tells why.
    // The folder holds a document "sim.vla", a file "file", folders "cartella" and "sola" (read-only)
    // a FIFO "fifo", a symbolic link "ciclo" to itself and "memoria.vla" to a file whose reading fails.
    void nienteCambia_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("nome");           // "" cancels the file dialog
        QTest::addColumn<QByteArray>("scritto");     // written to "nome" first
        QTest::addColumn<QString>("messaggio");      // %1 the path, %2 the folder; none: No to the question
        QTest::addColumn<QStringList>("digitati");   // typed first, as "Stot=4x"
        QTest::addColumn<bool>("chiudeInserimento"); // then the data-entry window closed
        const auto riga = [](const char* caso, const char* comando, const QString& nome,
                             const QByteArray& scritto, const QString& messaggio,
                             const QStringList& digitati = {}, bool chiude = false) {
            QTest::newRow(caso) << QString(comando) << nome << scritto << messaggio << digitati << chiude;
        };
        const QString apri = QStringLiteral("Impossibile aprire il file «%1»: ");
        const QString non = QStringLiteral("Il file «%1» non è una simulazione di Velantra: ");
        const QString salva = QStringLiteral("Impossibile salvare il file «%1»: ");
        riga("nome annullato", "Open", "", {}, {});
        riga("domanda annullata", "mnuFileOpen", "sim.vla", {}, {});
        for (const char* esportazione : {"mnuFileEsporta", "mnuFileEsportaGrafico", "mnuFileEsportaRelazione",
                                         "mnuEsportaImmagine", "mnuEsportaDati"})
            riga(esportazione, esportazione, "", {}, {}); // its file dialog cancelled
        riga("misura annullata", "mnuEsportaImmagine", "grafico.png", {}, {});
        riga("dati di un moto non più calcolato", "mnuEsportaDati", "dati.csv", {},
             "Impossibile esportare i dati: nessun moto calcolato.", {"Stot=3"}, true);
        riga("mancante", "Open", "manca.vla", {}, apri + "il file non esiste.");
        riga("cartella", "Open", "cartella", {}, apri + "è una cartella.");
        riga("FIFO", "Open", "fifo", {}, apri + "non è un file di dati.");
        riga("ciclo di collegamenti", "Open", "ciclo/sim.vla", {},
             apri + "i collegamenti simbolici del percorso sono troppi o formano un ciclo.");
        riga("lettura fallita", "Open", "memoria.vla", {},
             apri + "la lettura non è riuscita: il dispositivo ha dato un errore di lettura o scrittura.");
        riga("troppo grande", "Open", "grande.vla",
             QByteArray("0,1,2,3,4,5,6,7,8").leftJustified(DimensioneMassimaDocumento + 1, ' '),
             non + "è troppo grande.");
        riga("cartella mancante", "mnuFileSaveAs", "mancò/sim.vla", {},
             salva + "la cartella «%2/mancò» non esiste.");
        riga("cartella che è un file", "mnuFileSave", "file/sim.vla", {},
             salva + "«%2/file» non è una cartella.");
        riga("nome di una cartella", "Save", "cartella", {}, salva + "esiste una cartella con questo nome.");
        riga("sola lettura", "Save", "sola/sim.vla", {},
             salva +
                 "non è permesso scrivere nella cartella «%2/sola»; si può salvare altrove, per esempio "
                 "nella cartella personale «" +
                 qEnvironmentVariable("HOME") + "».");
        riga("valore illeggibile", "Save", "sim.vla", {}, salva + "il valore di Stot non è un numero valido.",
             {"Stot=4x", "S1=0.6"});
    }
    void nienteCambia() {
        QFETCH(QString, comando);
        QFETCH(QString, nome);
        QFETCH(QByteArray, scritto);
        QFETCH(QString, messaggio);
        if (nome.startsWith(QLatin1String("sola")) && geteuid() == 0)
            QSKIP("the super-user writes into read-only folders");
        Banco banco;
        banco.CalcolaEsempio();
        banco.Premi("Grafico");
        const QDir cartella(banco.cartella.path());
        Scrivi(banco.Percorso(QStringLiteral("sim.vla")), "3,1,2,3,4,5,6,7,8\r\n");
        Scrivi(banco.Percorso(QStringLiteral("file")), "un file");
        QVERIFY(cartella.mkdir(QStringLiteral("cartella")) && cartella.mkdir(QStringLiteral("sola")));
        QFile::setPermissions(banco.Percorso(QStringLiteral("sola")), QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(mkfifo(QFile::encodeName(banco.Percorso(QStringLiteral("fifo"))).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("ciclo"), banco.Percorso(QStringLiteral("ciclo"))) &&
                QFile::link(QStringLiteral("/proc/self/mem"), banco.Percorso(QStringLiteral("memoria.vla"))));
        if (!scritto.isEmpty())
            Scrivi(banco.Percorso(nome), scritto);
        QFETCH(QStringList, digitati);
        for (const QString& digitato : digitati)
            for (int i = 0; i < NumeroGrandezze; ++i)
                if (digitato.section('=', 0, 0) == QLatin1String(Grandezze[i].Nome))
                    banco.Scrivi(i, digitato.section('=', 1));
        QFETCH(bool, chiudeInserimento);
        if (chiudeInserimento)
            banco.Chiudi("frmInserimentoDati");
        banco.dialoghi.dimensioni = {std::nullopt}; // a picture's size, when asked, is cancelled
        const QStringList file = cartella.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QWidget* attiva = banco.finestra->FinestraAttiva();
        const QString prima = banco.Stato() + attiva->windowTitle();
        banco.dialoghi.nomiFile = {nome.isEmpty() ? QString() : banco.Percorso(nome)};
        banco.dialoghi.risposte = {!messaggio.isNull()};
        banco.Premi(qPrintable(comando));
        QCOMPARE(banco.dialoghi.Messaggi(),
                 messaggio.isNull()
                     ? QStringList()
                     : QStringList{messaggio.replace("%2", cartella.path()).arg(banco.Percorso(nome))});
        QCOMPARE(banco.Stato() + attiva->windowTitle(), prima);
        QCOMPARE(cartella.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), file);
        QCOMPARE(Leggi(banco.Percorso(QStringLiteral("sim.vla"))), QByteArray("3,1,2,3,4,5,6,7,8\r\n"));
    }

    // The settings written by the program's own writer read back by QSettings as written, each right
    // after the last (equal lengths too), the other keys kept.
    void impostazioni() {
        Banco banco(false);
        Impostazioni impostazioni;
        QVERIFY(!impostazioni.ScriviCollocazione(QRectF(1, 2, 3000.5, 4000)));
        for (const char* testo :
             {"Officina Rossi S.p.A.", "Officina Rossi S.p.B.", "a,b;c=d [x] #1", " spazi ",
              "\"virgolette\" e \\", "@inizio", "perché € 𝛼", "riga\nnuova\tcolonna\001F\177", ""}) {
            QVERIFY(!impostazioni.ScriviIntestazione(QString::fromUtf8(testo)));
            QCOMPARE(Impostazioni().LeggiIntestazione(), QString::fromUtf8(testo));
        }
        QCOMPARE(impostazioni.LeggiCollocazione(), QRectF(1, 2, 3000.5, 4000));
    }

    // The window printed, the system, the eight values, and the page: its lines ("|") from its first
    // printed one, each at its column from the sheet's left edge, the header centred on the third line of
    // the page, the rest 12 hundredths of the printable width in; or the graph page as seen (the plot,
    // the speed strip on its left, the time strip below, the axis names, with the details on the position
    // and acceleration with their axes, names and phase marks too). None: nothing active, the dialog
    // cancelled.
    void stampa_data() {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QList<double>>("valori");
        QTest::addColumn<QString>("pagina");
        QTest::newRow("risultati arrotondati")
            << "Tabella" << 0 << QList<double>{1.0 / 3, 2.5, -0.125, 2.0 / 3, 1e-6, 123456.75, 1e20, 0.000016}
            << "31 Officina Rossi S.p.A.||||16 Valori dei parametri calcolati:||18 S1: 0,33333  [m]|"
               "18 S2: 2,5  [m]|16 Stot: -0,125  [m]|18 T1: 0,66667  [sec]|18 T2: 0  [sec]|"
               "16 Ttot: 123456,75  [sec]|18 Vm: 1E+20  [m/sec]|17 Acc: 2E-05  [m/sec^2]";
        QTest::newRow("terna Stot, T2, Vm")
            << "SceltaSistema" << 10 << QList<double>{0, 0, 12.5, 0, 1.0 / 3, 0, 2, 0}
            << "39 Prove||||16 Terna di valori di input:||16 Stot: 12,5  [m]|16 T2: 0,33333  [sec]|"
               "18 Vm: 2  [m/sec]";
        QTest::newRow("nessuna terna, intestazione più larga della pagina")
            << "SceltaSistema" << -1 << QList<double>(8, 1)
            << "8 Officina Meccanica Rossi e Figli S.p.A., reparto di progettazione assi||||"
               "16 Terna di valori di input:";
        QTest::newRow("grafico") << "Grafico" << 0 << QList<double>() << "stampa_grafico";
        QTest::newRow("grafico con i particolari")
            << "Grafico" << 0 << QList<double>() << "stampa_particolari";
        QTest::newRow("nessuna finestra") << "" << 0 << QList<double>(8, 1) << "";
        QTest::newRow("stampa annullata") << "Tabella" << 0 << QList<double>(8, 1) << "";
    }
    void stampa() {
        QFETCH(QString, finestra);
        QFETCH(int, sistema);
        QFETCH(QList<double>, valori);
        QFETCH(QString, pagina);
        Banco banco;
        banco.CalcolaEsempio();
        banco.Chiudi("frmInserimentoDati");
        banco.Chiudi("FrmRisultati");
        banco.simulazione.ImpostaSistema(static_cast<int16_t>(sistema));
        banco.IntestazioneUtente = pagina.section('|', 0, 0).section(' ', 1);
        if (!valori.isEmpty()) { // any values, printed with the commands of a calculation
            banco.Assegna(valori);
            banco.finestra->AbilitaComandi(int16_t(3));
        }
        if (!finestra.isEmpty())
            banco.Premi(qPrintable(finestra));
        if (pagina == QLatin1String("stampa_particolari"))
            banco.Finestra("frmGrafico")->findChild<QAction*>("AggiungiParticolari")->trigger();
        banco.dialoghi.stampe = {!pagina.isEmpty()}; // a page expected: the dialog accepted
        const QString pdf =
            Stampa(banco, valori.isEmpty() ? 5 : 20, pagina.isEmpty() ? "mnuFilePrint" : "Print");
        QCOMPARE(banco.Chiamate(), finestra.isEmpty() ? QString() : QStringLiteral("Stampa Stampa"));
        if (pagina.isEmpty() || valori.isEmpty()) {
            QCOMPARE(QFile::exists(pdf), !pagina.isEmpty());
            Esegui("pdftoppm", {"-r", "30", "-png", "-singlefile", pdf, pdf});
            if (!pagina.isEmpty()) { // each word with a letter or digit inked down to its baseline: none cut
                QCOMPARE(ParoleTagliate(pdf), QString());
                CONFRONTA_IMMAGINE(QImage(pdf + ".png"), pagina);
            }
            return;
        }
        // Each line as its first column, counted in characters of Courier 12 (7.2 points), and its text.
        QStringList righe = Esegui("pdftotext", {"-layout", "-fixed", "7.2", pdf, "-"}).split('\n');
        for (QString& riga : righe)
            if (!riga.trimmed().isEmpty())
                riga = QStringLiteral("%1 %2").arg(riga.size() - riga.trimmed().size()).arg(riga.trimmed());
        QCOMPARE(righe.join('|'), pagina + "|\f");
    }
};
REGISTRA_COLLAUDO(TstDocumenti);
#include "tst_Documenti.moc"
