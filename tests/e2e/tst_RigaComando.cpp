#include "Collaudo.h"
#include "DatiProfilo.h"
#include "Disegno.h"
#include "RigaComando.h"
#include "Velantra.h"
#include "Voci.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>

namespace {

const QByteArray Vecchio = "vecchio\n";
const QStringList Formati = {"csv", "txt", "png", "svg", "pdf"};

} // namespace

// The program run as a process without a display, as a script runs it: each row is a line of bash in a
// folder holding the documents es.vla (a 5 s motion), impossibile.vla, negativo.vla and piccolo.vla (a
// motion too small to draw), old files vecchio.csv, .txt, .png, .svg, .pdf, a socket presa.csv and a
// folder chiusa holding an old vecchio.csv; `velantra` runs the program.
class TstRigaComando : public QObject {
    Q_OBJECT
private slots:
    // A display named in the environment (here the platform ctest sets) is left to Qt.
    void schermo() { QVERIFY(!PreparaPiattaforma() && qgetenv("QT_QPA_PLATFORM") == "offscreen"); }

    void esegui_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<int>("stato");
        QTest::addColumn<QString>("errore");     // all of standard error
        QTest::addColumn<QString>("file");       // read after the run; none: standard output
        QTest::addColumn<QByteArray>("scritto"); // its contents, "immagine WxH" for a picture
        const auto riga = [](const char* caso, const char* comando, int stato, const QString& errore,
                             const QString& file = {}, const QByteArray& scritto = {}) {
            QTest::newRow(caso) << comando << stato << (errore.isEmpty() ? "" : "velantra: " + errore + '\n')
                                << file << scritto;
        };
        Velantra esempio{.S1 = 0.25, .Stot = 2, .Ttot = 5};
        esempio.StTtS1();
        const QByteArray csv = TestoCsv(esempio, {1, -2}, FormaCsv::Standard);
        const QString aiuto = QStringLiteral("\nPer l'elenco delle opzioni: velantra --help");
        const QString calcolo = QStringLiteral("Impossibile calcolare la simulazione del file «%1»: %2.");
        const QString esporta = QStringLiteral("Impossibile esportare nel file «%1»: %2.");
        const QString salva = QStringLiteral("Impossibile salvare il file «%1»: %2.");
        riga("csv", "velantra --esporta es.vla out.csv", 0, {}, "out.csv", csv);
        const QByteArray tabella =
            "  S1: 0,25 [m]\r\n  S2: 1,5 [m]\r\nStot: 2 [m]\r\n  T1: 1 [sec]\r\n"
            "  T2: 3 [sec]\r\nTtot: 5 [sec]\r\n  Vm: 0,5 [m/sec]\r\n Acc: 0,5 [m/sec^2]\r\n";
        riga("tabella", "velantra -e es.vla out.TXT", 0, {}, "out.TXT", tabella);
        riga("versione", "velantra --version", 0, {}, {}, "Velantra dei moti 4.0.0\n");
        riga("opzione di Qt", "velantra -style Fusion -e es.vla out.txt", 0, {}, "out.txt", tabella);
        riga("opzione ignota", "velantra -e --tutto es.vla out.csv", 2,
             "opzione sconosciuta «--tutto»." + aiuto);
        riga("finestra", "velantra es.vla", 1,
             "nessuno schermo disponibile per aprire la finestra. Per esportare senza finestre: velantra "
             "--esporta FILE.vla USCITA");
        riga(
            "formato ignoto", "velantra -e es.vla out.doc", 1,
            esporta.arg("out.doc", "l'estensione non indica un formato noto (.csv, .txt, .png, .svg, .pdf)"));
        // Pictures of the graph with its details: opened, measured and looked at, not compared byte for byte;
        // with no runtime folder named, as under cron, and nothing said on standard error.
        for (const char* formato : {"png", "svg", "pdf"}) // a page's height rounds to whole pixels
            riga(formato,
                 qPrintable(QStringLiteral("unset XDG_RUNTIME_DIR; velantra -e es.vla out.%1").arg(formato)),
                 0, {}, QStringLiteral("out.") + formato,
                 formato == QByteArray("pdf") ? "immagine 847x626" : "immagine 847x625");
        riga("calcolo fallito", "velantra -e impossibile.vla out.csv", 1,
             calcolo.arg("impossibile.vla", "il calcolo non è riuscito, controllare i valori") +
                 "\nT1 non si può calcolare con questi valori.\nCon Stot = 2 m e Ttot = 2 sec, A "
                 "deve essere almeno 2 m/sec^2.");
        riga("non un moto", "velantra -e negativo.vla out.csv", 1,
             calcolo.arg("negativo.vla", "i valori calcolati non descrivono un moto") +
                 "\nS1 sarebbe negativo (-0,25 m), di segno opposto a Vm.\nT1 sarebbe negativo "
                 "(-1 sec): una durata non può essere negativa.\nA sarebbe negativo (-0,5 m/sec^2), "
                 "di segno opposto a Vm.\nCon Vm = 0,5 m/sec e T2 = 3 sec, Stot deve essere maggiore "
                 "di 1,5 m.");
        // Backward: the example's mirror, s, v and a below 0 at the same times.
        QByteArray specchio;
        for (const QByteArray& r : csv.split('\n')) {
            QList<QByteArray> campi = r.split(',');
            for (int i = 1; i < campi.size() && campi[0] != "t [sec]"; ++i)
                campi[i] = campi[i].startsWith('-')    ? campi[i].mid(1)
                           : campi[i].trimmed() == "0" ? campi[i]
                                                       : '-' + campi[i];
            specchio += campi.join(',') + (r.isEmpty() ? "" : "\n");
        }
        riga("all'indietro", "velantra -e indietro.vla out.csv", 0, {}, "out.csv", specchio);
        riga("triangolare", "velantra -e triangolo.vla out.csv", 1,
             calcolo.arg("triangolo.vla", "i valori calcolati non descrivono un moto") +
                 "\nS2 sarebbe negativo (-0,3 m), di segno opposto a Stot.\nT2 sarebbe negativo (-0,15 sec): "
                 "una durata non può essere negativa.\nCon Stot = 0,1 m e Vm = 2 m/sec, T1 deve essere "
                 "maggiore di 0 sec e al massimo 0,05 sec.\nCon T1 = 0,2 sec su Stot = 0,1 m la velocità più "
                 "alta raggiungibile è 0,5 m/sec: profilo triangolare (T2 = 0).");
        riga("troppo piccolo da disegnare", "velantra -e piccolo.vla vecchio.png", 1,
             salva.arg("vecchio.png", "il grafico di questo moto non si può disegnare a questa scala"),
             "vecchio.png", Vecchio);

        // The step of the CSV's rows.
        riga("intervallo", "velantra -e es.vla out.csv --intervallo 0.5", 0, {}, "out.csv",
             TestoCsv(esempio, {5, -1}, FormaCsv::Standard));
        riga("intervallo con la virgola, ultima riga a Ttot", "velantra -e es.vla out.csv -i 0,4", 0, {},
             "out.csv", TestoCsv(esempio, {4, -1}, FormaCsv::Standard));
        riga("intervallo, troppe righe", "velantra -e es.vla vecchio.csv -i 1e-6", 1,
             esporta.arg("vecchio.csv",
                         "una riga ogni 1E-06 s di un moto di 5 sec darebbe più di 1000000 righe; "
                         "il passo deve darne da 10 a 1000000"));
        riga("intervallo, poche righe", "velantra -e es.vla vecchio.csv -i 1", 1,
             esporta.arg("vecchio.csv", "una riga ogni 1 s di un moto di 5 sec darebbe 6 righe; il passo "
                                        "deve darne da 10 a 1000000"));
        riga("intervallo non numerico", "velantra -e es.vla out.csv -i 0.01s", 2,
             "--intervallo vuole un numero di secondi maggiore di zero, come 0,01: «0.01s» non lo è.");
        riga("intervallo mancante", "velantra -e es.vla out.csv -i", 2,
             "--intervallo vuole un numero di secondi." + aiuto);
        riga("intervallo per un'immagine", "velantra -e es.vla out.png -i 1", 2,
             "--intervallo vale solo per un file .csv." + aiuto);
        riga("intervallo senza esportazione", "velantra -i 1", 2,
             "--intervallo vale solo con --esporta." + aiuto);

        // Names and special files.
        riga(
            "se stessa da un collegamento", "ln -s es.vla doc.csv; velantra -e es.vla doc.csv", 1,
            esporta.arg("doc.csv", "è il file della simulazione da leggere, «es.vla», che andrebbe perduta"));
        riga("nomi non UTF-8",
             "cp es.vla $'perch\\xe9.vla'; velantra -e $'perch\\xe9.vla' $'out\\xe9.csv' && cp "
             "$'out\\xe9.csv' letto",
             0, {}, "letto", csv);
        riga("nome non UTF-8 mancante", "velantra -e $'manca\\xe9.vla' out.csv", 1,
             "Impossibile aprire il file «manca\\xE9.vla»: il file non esiste.");
        riga("FIFO",
             "mkfifo tubo.csv; cat tubo.csv > letto & velantra -e es.vla tubo.csv; s=$?; wait; test -p "
             "tubo.csv && exit $s",
             0, {}, "letto", csv);
        riga("dispositivo",
             "(mknod nulla c 1 3 || ln -s /dev/null nulla) 2>/dev/null; ln -s nulla nulla.csv; "
             "velantra -e es.vla nulla.csv && test -c nulla && test -L nulla.csv",
             0, {});
        riga("socket", "velantra -e es.vla presa.csv", 1,
             salva.arg("presa.csv", "è un socket, non un file: non vi si scrive"));
        riga("collegamento",
             "ln -s vecchio.csv collegamento.csv; velantra -e es.vla collegamento.csv && test -L "
             "collegamento.csv",
             0, {}, "vecchio.csv", csv);
        riga("collegamento a una cartella mancante",
             "ln -s manca/x.csv rotto.csv; velantra -e es.vla rotto.csv", 1,
             salva.arg("rotto.csv",
                       "è un collegamento a «./manca/x.csv», ma la cartella «./manca» non esiste"));
        const QString lungo = QString(300, 'a') + ".csv";
        riga("nome lungo", qPrintable("velantra -e es.vla " + lungo), 1,
             salva.arg(lungo, "il nome è lungo 304 byte, più dei 255 che il sistema permette"));
        // A folder that takes no new file: its writable file rewritten in place, or left as it was.
        const char* chiusa = "chmod 755 .; chmod 555 chiusa; "
                             "[ $(id -u) = 0 ] && come='setpriv --reuid 65534 --regid 65534 --clear-groups'; "
                             "%1 $come \"$V\" -e es.vla chiusa/vecchio.csv; s=$?; chmod 755 chiusa; exit $s";
        riga("cartella chiusa", qPrintable(QString(chiusa).arg("")), 0, {}, "chiusa/vecchio.csv", csv);
        riga("cartella chiusa, limite", qPrintable(QString(chiusa).arg("ulimit -f 4;")), 1,
             salva.arg("chiusa/vecchio.csv",
                       "il file supera la dimensione massima che il sistema permette di scrivere"),
             "chiusa/vecchio.csv", Vecchio);
        riga("limite come da shell", "ulimit -f 8; velantra -e es.vla vecchio.svg", 1,
             salva.arg("vecchio.svg",
                       "il file supera la dimensione massima che il sistema permette di scrivere"));
        // Every format over a file-size limit and on a full disk: the old file stays.
        for (const QString& formato : Formati) {
            riga(qPrintable("limite, " + formato),
                 qPrintable("ulimit -f 0; velantra -e es.vla vecchio." + formato), 1,
                 salva.arg("vecchio." + formato,
                           "il file supera la dimensione massima che il sistema permette di scrivere"));
            riga(qPrintable("disco pieno, " + formato),
                 qPrintable("velantra -e es.vla pieno/vecchio." + formato), 1,
                 salva.arg("pieno/vecchio." + formato, "il disco è pieno"));
        }
    }
    void esegui() {
        QFETCH(QString, comando);
        QTemporaryDir cartella;
        const std::pair<const char*, QByteArray> documenti[] = {
            {"es.vla", "0,.25,0,2,0,0,5,0,0\r\n"},         {"impossibile.vla", "1,0,0,2,0,0,2,0,1\r\n"},
            {"negativo.vla", "10,0,0,1,0,3,0,.5,0\r\n"},   {"piccolo.vla", "4,0,0,1E-300,0,0,0,1E-150,1\r\n"},
            {"indietro.vla", "0,-.25,0,-2,0,0,5,0,0\r\n"}, {"triangolo.vla", "5,0,0,.1,.2,0,0,2,0\r\n"}};
        QVERIFY(QDir(cartella.path()).mkdir("chiusa"));
        QList<std::pair<QString, QByteArray>> fissi(std::begin(documenti), std::end(documenti));
        for (const QString& formato : Formati)
            fissi.append({"vecchio." + formato, Vecchio});
        fissi.append({"chiusa/vecchio.csv", Vecchio});
        for (const auto& [nome, testo] : fissi) {
            QFile f(cartella.filePath(nome));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(testo) == testo.size());
        }
        QVERIFY(QFile::setPermissions(cartella.filePath("chiusa/vecchio.csv"), QFile::Permissions(0x6666)));
        Socket(cartella.filePath("presa.csv"));
        const bool pieno = comando.contains(QLatin1String("pieno/"));
        const DiscoPieno disco(cartella.filePath("pieno"),
                               pieno ? fissi.mid(std::size(documenti), Formati.size()) : decltype(fissi){});
        if (pieno && !disco.Pronto())
            QSKIP("a full disk of its own needs the super-user");
        const auto prima = Voci(cartella.path());

        QProcess programma;
        programma.setWorkingDirectory(cartella.path());
        QProcessEnvironment ambiente = AmbienteSigillato();
        ambiente.remove("QT_QPA_PLATFORM");   // no display at all: the program finds its own way
        ambiente.insert("LC_ALL", "C.UTF-8"); // the program's messages in the Italian form, not the shell's
        ambiente.insert("XDG_RUNTIME_DIR", cartella.path());
        ambiente.insert("V", VELANTRA_PROGRAMMA);
        programma.setProcessEnvironment(ambiente);
        programma.start("bash", {"-c", "velantra() { LC_ALL=it_IT.UTF-8 \"$V\" \"$@\"; }; " + comando});
        QVERIFY(programma.waitForFinished(30000));
        QTEST(QString::fromUtf8(programma.readAllStandardError()), "errore");
        QTEST(programma.exitCode(), "stato");

        // What was there keeps its kind, owner and mode, and an old file its contents unless written.
        QFETCH(QString, file);
        QFETCH(QByteArray, scritto);
        RestaTutto(prima, cartella.path(), file);
        QFile letto(cartella.filePath(file));
        const QByteArray contenuto = file.isEmpty()                    ? programma.readAllStandardOutput()
                                     : letto.open(QIODevice::ReadOnly) ? letto.readAll()
                                                                       : "(illeggibile)";
        if (scritto.startsWith("immagine")) {
            const QImage disegno = Disegno(letto.fileName(), QFileInfo(file).suffix());
            QCOMPARE(QStringLiteral("immagine %1x%2").arg(disegno.width()).arg(disegno.height()), scritto);
            QVERIFY(MostraLeCurve(disegno));
        } else if (!scritto.isEmpty() || file.isEmpty())
            QCOMPARE(contenuto, scritto);
    }
};
REGISTRA_COLLAUDO(TstRigaComando);
#include "tst_RigaComando.moc"
