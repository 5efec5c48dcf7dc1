#include "Campionamento.h"
#include "Collaudo.h"
#include "DatiProfilo.h"
#include "Disegno.h"
#include "RigaComando.h"
#include "Velantra.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

// The program run as a process without a display, as a script would run it.
class TstRigaComando : public QObject {
    Q_OBJECT
private slots:
    // A display named in the environment (here the platform ctest sets) is left to Qt.
    void schermo() { QVERIFY(!PreparaPiattaforma() && qgetenv("QT_QPA_PLATFORM") == "offscreen"); }

    void esegui_data() {
        QTest::addColumn<QString>("argomenti");
        QTest::addColumn<int>("stato");
        QTest::addColumn<QString>("errore");     // all of standard error
        QTest::addColumn<QByteArray>("scritto"); // standard output, or the file written ("out.*")
        const auto riga = [](const char* caso, const char* argomenti, int stato, const QString& errore,
                             const QByteArray& scritto = {}) {
            QTest::newRow(caso) << argomenti << stato
                                << (errore.isEmpty() ? "" : "velantra: " + errore + '\n') << scritto;
        };
        Velantra esempio{.S1 = 0.25, .Stot = 2, .Ttot = 5};
        esempio.StTtS1();
        XYPoli punti;
        CampionaVelocita(punti, esempio, 0.01f);
        const QString aiuto = QStringLiteral("\nPer l'elenco delle opzioni: velantra --help");
        const QString calcolo = QStringLiteral("Impossibile calcolare la simulazione del file «%1»: %2.");
        riga("csv", "--esporta es.vla out.csv", 0, {}, TestoCsv(punti, esempio, FormaCsv::Standard));
        const QByteArray tabella =
            "  S1: 0,25 [m]\r\n  S2: 1,5 [m]\r\nStot: 2 [m]\r\n  T1: 1 [sec]\r\n"
            "  T2: 3 [sec]\r\nTtot: 5 [sec]\r\n  Vm: 0,5 [m/sec]\r\n Acc: 0,5 [m/sec^2]\r\n";
        riga("tabella", "-e es.vla out.TXT", 0, {}, tabella);
        riga("versione", "--version", 0, {}, "Velantra dei moti 4.0.0\n");
        riga("opzione di Qt", "-style Fusion -e es.vla out.txt", 0, {}, tabella);
        riga("opzione ignota", "-e --tutto es.vla out.csv", 2, "opzione sconosciuta «--tutto»." + aiuto);
        riga("finestra", "es.vla", 1,
             "nessuno schermo disponibile per aprire la finestra. Per esportare senza finestre: velantra "
             "--esporta FILE.vla USCITA");
        riga("formato ignoto", "-e es.vla out.doc", 1,
             "Impossibile esportare nel file «out.doc»: l'estensione non indica un formato noto (.csv, .txt, "
             ".png, .svg, .pdf).");
        // Pictures of the graph with its details: opened, measured and looked at, not compared byte for byte.
        for (const char* formato : {"png", "svg", "pdf"}) // a page's height rounds to whole pixels
            riga(formato, qPrintable(QStringLiteral("-e es.vla out.%1").arg(formato)), 0, {},
                 formato == QByteArray("pdf") ? "immagine 847x626" : "immagine 847x625");
        riga("calcolo fallito", "-e impossibile.vla out.csv", 1,
             calcolo.arg("impossibile.vla", "il calcolo non è riuscito, controllare i valori") +
                 "\nT1 non si può calcolare con questi valori.\nCon Stot = 2 m e Ttot = 2 sec, A "
                 "deve essere almeno 2 m/sec^2.");
        riga("non un moto", "-e negativo.vla out.csv", 1,
             calcolo.arg("negativo.vla", "i valori calcolati non descrivono un moto") +
                 "\nS1 sarebbe negativo (-0,25 m), di segno opposto a Vm.\nT1 sarebbe negativo "
                 "(-1 sec): una durata non può essere negativa.\nA sarebbe negativo (-0,5 m/sec^2), "
                 "di segno opposto a Vm.\nCon Vm = 0,5 m/sec e T2 = 3 sec, Stot deve essere maggiore "
                 "di 1,5 m.");
        // Backward: the example's mirror, s, v and a below 0 at the same times.
        QByteArray specchio;
        for (const QByteArray& r : TestoCsv(punti, esempio, FormaCsv::Standard).split('\n')) {
            QList<QByteArray> campi = r.split(',');
            for (int i = 1; i < campi.size() && campi[0] != "t [sec]"; ++i)
                campi[i] = campi[i].startsWith('-')    ? campi[i].mid(1)
                           : campi[i].trimmed() == "0" ? campi[i]
                                                       : '-' + campi[i];
            specchio += campi.join(',') + (r.isEmpty() ? "" : "\n");
        }
        riga("all'indietro", "-e indietro.vla out.csv", 0, {}, specchio);
        riga("triangolare", "-e triangolo.vla out.csv", 1,
             calcolo.arg("triangolo.vla", "i valori calcolati non descrivono un moto") +
                 "\nS2 sarebbe negativo (-0,3 m), di segno opposto a Stot.\nT2 sarebbe negativo (-0,15 sec): "
                 "una durata non può essere negativa.\nCon Stot = 0,1 m e Vm = 2 m/sec, T1 deve essere "
                 "maggiore di 0 sec e al massimo 0,05 sec.\nCon T1 = 0,2 sec su Stot = 0,1 m la velocità più "
                 "alta raggiungibile è 0,5 m/sec: profilo triangolare (T2 = 0).");
        for (const char* uscita : {"out.csv", "out.pdf"})
            riga(qPrintable(QStringLiteral("disco pieno, %1").arg(uscita)),
                 qPrintable(QStringLiteral("-e es.vla %1").arg(uscita)), 1,
                 QStringLiteral(
                     "Impossibile salvare il file «%1»: la scrittura non è riuscita (il disco potrebbe "
                     "essere pieno).")
                     .arg(uscita));
    }
    void esegui() {
        QFETCH(QString, argomenti);
        QTemporaryDir cartella;
        const std::pair<const char*, QByteArray> documenti[] = {{"es.vla", "0,.25,0,2,0,0,5,0,0\r\n"},
                                                                {"impossibile.vla", "1,0,0,2,0,0,2,0,1\r\n"},
                                                                {"negativo.vla", "10,0,0,1,0,3,0,.5,0\r\n"},
                                                                {"indietro.vla", "0,-.25,0,-2,0,0,5,0,0\r\n"},
                                                                {"triangolo.vla", "5,0,0,.1,.2,0,0,2,0\r\n"}};
        for (const auto& [nome, testo] : documenti) {
            QFile file(cartella.filePath(nome));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(testo) == testo.size());
        }
        QProcess programma;
        programma.setWorkingDirectory(cartella.path());
        QProcessEnvironment ambiente = AmbienteSigillato();
        ambiente.remove("QT_QPA_PLATFORM"); // no display at all: the program finds its own way
        ambiente.insert("LC_ALL", "it_IT.UTF-8");
        ambiente.insert("XDG_RUNTIME_DIR", cartella.path());
        programma.setProcessEnvironment(ambiente);
        if (QString(QTest::currentDataTag()).startsWith(QLatin1String("disco pieno")))
            programma.setChildProcessModifier([] {
                std::signal(SIGXFSZ, SIG_IGN); // a write over the limit fails, no more
                const rlimit limite{1000, 1000};
                setrlimit(RLIMIT_FSIZE, &limite);
            });
        programma.start(VELANTRA_PROGRAMMA, argomenti.split(' '));
        QVERIFY(programma.waitForFinished(30000));
        QTEST(QString::fromUtf8(programma.readAllStandardError()), "errore");
        QTEST(programma.exitCode(), "stato");
        // The file written whole, or nothing left behind, not even in part.
        const QString uscita = argomenti.section(' ', -1);
        QFile file(cartella.filePath(uscita));
        const QByteArray contenuto =
            uscita.startsWith(QLatin1String("out.")) && file.open(QIODevice::ReadOnly)
                ? file.readAll()
                : programma.readAllStandardOutput();
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files).size(),
                 int(std::size(documenti)) + file.isOpen());
        QFETCH(QByteArray, scritto);
        if (scritto.startsWith("immagine")) {
            const QImage disegno = Disegno(file.fileName(), QFileInfo(uscita).suffix());
            QCOMPARE(QStringLiteral("immagine %1x%2").arg(disegno.width()).arg(disegno.height()), scritto);
            QVERIFY(MostraLeCurve(disegno));
        } else
            QCOMPARE(contenuto, scritto);
    }
};
REGISTRA_COLLAUDO(TstRigaComando);
#include "tst_RigaComando.moc"
