#include "Ambiente.h"
#include "Collaudo.h"
#include "DatiProfilo.h"
#include "Uscite.h"
#include "Velantra.h"

// The program run as a process without a display, as a script runs it: each row is a line of bash in a
// folder holding the documents es.vla (a 5 s motion), its mirror indietro.vla, impossibile.vla,
// negativo.vla, piccolo.vla (a motion too small to draw), asse.vla, diretta.vla, nullo.vla and
// pesante.vla (a motion with its axis, the last one too heavy to size), a catalogue motori.csv, a link
// doc.csv to es.vla, the old files vecchio.csv, .txt, .png, .svg, .pdf with the special entries of Prepara(),
// and a folder chiusa holding an old vecchio.csv that anyone may write; `velantra` runs the program.
class TstRigaComando : public QObject {
    Q_OBJECT
private slots:
    // A display named in the environment (here the platform ctest sets) is left to Qt.
    void schermo() { QVERIFY(!PreparaAmbiente(true) && qgetenv("QT_QPA_PLATFORM") == "offscreen"); }

    // Standard output holds what is written when no file is named, else nothing.
    void esegui_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<int>("stato");
        QTest::addColumn<QString>("errore");     // all of standard error
        QTest::addColumn<QString>("file");       // the only file that may be new; none: standard output
        QTest::addColumn<QByteArray>("scritto"); // what it holds, as Verifica() reads it
        QTest::addColumn<bool>("intero");        // or only a part of it
        const auto riga = [](const char* caso, const QString& comando, int stato, const QString& errore,
                             const QString& file = {}, const QByteArray& scritto = {}, bool intero = true) {
            QTest::newRow(caso) << comando << stato << (errore.isEmpty() ? "" : "velantra: " + errore + '\n')
                                << file << scritto << intero;
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
        // The catalogue's motors on the worked example: the suitable first, then the others by rated
        // torque, then the line that could not be read.
        riga("motori", "velantra --motori motori.csv asse.vla", 0, {}, {},
             "nome\tesito\tcoppia_efficace_%\tcoppia_picco_%\tvelocita_%\trapporto_inerzia\tmotivo\n"
             "Esempio\tadatto\t75.1388\t46.4081\t66.6667\t1.46651\t\n"
             "Grande\tadatto\t36.1341\t21.6839\t80\t0.488838\t\n"
             "Piccolo\tnon adatto\t96.1246\t60.2904\t133.333\t2.93303\tvelocità 133 % della massima\n"
             "riga 4\t\t\t\t\t\til valore di «coppia_nominale» («abc») non è un numero ammesso\n");
        riga("motori senza dimensionamento", "velantra -m motori.csv es.vla", 1,
             "la simulazione «es.vla» non ha i dati del dimensionamento dell'asse.");
        riga("motori da un catalogo che non lo è", "velantra -m es.vla asse.vla", 1,
             "Impossibile usare il catalogo «es.vla»: la prima riga non è l'intestazione di un catalogo: "
             "«nome,coppia_nominale,coppia_massima,velocita_massima,inerzia» oppure "
             "«nome,forza_nominale,forza_massima,velocita_massima», o le stesse con «;».");
        riga("opzione di Qt", "velantra -style Fusion -e es.vla out.txt", 0, {}, "out.txt", tabella);
        riga("opzioni di Qt, altre forme", "velantra --style=Fusion -reverse -e es.vla out.txt", 0, {},
             "out.txt", tabella);
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
        for (const QString formato : {"png", "svg", "pdf"}) // a page's height rounds to whole pixels
            riga(qPrintable(formato), "unset XDG_RUNTIME_DIR; velantra -e es.vla out." + formato, 0, {},
                 "out." + formato, (formato + (formato == "pdf" ? " 847x626" : " 847x625")).toUtf8());
        // An output never needs a display, nor a runtime folder as Qt wants it: drawn offscreen, quietly.
        riga("schermo che non risponde", "DISPLAY=:61 velantra -e es.vla out.png", 0, {}, "out.png",
             "png 847x625");
        riga("piattaforma che non c'è",
             "WAYLAND_DISPLAY=no QT_QPA_PLATFORM=wayland velantra -r asse.vla out.pdf -platform xcb", 0, {},
             "out.pdf", "Velocità massima motore", false);
        // A runtime folder of this user's alone is kept (Qt's own in TMPDIR would be new); where even the one
        // Qt falls back to is open to all, one of the run's own, removed as it ends.
        riga("cartella runtime tenuta", "TMPDIR=$PWD velantra -e es.vla out.png", 0, {}, "out.png",
             "png 847x625");
        riga("cartelle runtime aperte a tutti",
             "mkdir -m 755 r runtime-$(id -un); TMPDIR=$PWD XDG_RUNTIME_DIR=$PWD/r velantra -e es.vla "
             "out.svg; s=$?; rmdir r runtime-*; exit $s",
             0, {}, "out.svg", "svg 847x625");
        riga("cartella runtime relativa", "XDG_RUNTIME_DIR=run velantra -r es.vla out.pdf", 0, {}, "out.pdf",
             "Valori dei parametri calcolati:", false);
        // A header of the longest a setting holds: a few lines of it, then the report whole on its page.
        riga("intestazione di 32767 caratteri",
             "mkdir -p c/Velantra; o=$(printf 'Officina %.0s' {1..3640}); "
             "printf '[Settings]\\nIntestazioneUtente=%sOfficin\\n' \"$o\" > c/Velantra/Velantra.conf; "
             "XDG_CONFIG_HOME=$PWD/c velantra -r es.vla out.pdf; s=$?; rm -r c; exit $s",
             0, {}, "out.pdf", "Valori dei parametri calcolati:", false);
        riga("calcolo fallito", "velantra -e impossibile.vla out.csv", 1,
             calcolo.arg("impossibile.vla", "il calcolo non è riuscito, controllare i valori") +
                 "\nT1 non si può calcolare con questi valori.\nCon Stot = 0,3 m e Ttot = 0,35 sec, A "
                 "deve essere almeno 9,79592 m/sec^2."); // the least A, rounded up: typed, it calculates
        const QString nonUnMoto =
            calcolo.arg("negativo.vla", "i valori calcolati non descrivono un moto") +
            "\nS1 sarebbe negativo (-0,25 m), di segno opposto a Vm.\nT1 sarebbe negativo (-1 sec): una "
            "durata non può essere negativa.\nA sarebbe negativo (-0,5 m/sec^2), di segno opposto a Vm.\nCon "
            "Vm = 0,5 m/sec e T2 = 3 sec, Stot deve essere maggiore di 1,5 m.";
        riga("non un moto", "velantra -e negativo.vla out.csv", 1, nonUnMoto);
        // Backward: the example's mirror, s, v and a of the opposite sign at the same times.
        const QString specchio =
            QString::fromUtf8(csv).replace(QRegularExpression(",(?!0[,\r]|[a-z])"), ",-").replace(",--", ",");
        riga("all'indietro", "velantra -e indietro.vla out.csv", 0, {}, "out.csv", specchio.toUtf8());
        riga("troppo piccolo da disegnare", "velantra -e piccolo.vla vecchio.png", 1,
             salva.arg("vecchio.png", "il grafico di questo moto non si può disegnare a questa scala"));

        // The report, and the CSV with the sizing's columns.
        riga("relazione", "velantra --relazione asse.vla out.txt", 0, {}, "out.txt",
             "Coppia efficace: 0,240444 [N·m]\r\n", false);
        // A motor too weak and too slow: each verdict, the best ratio held at the motor's speed.
        riga("relazione, verifiche del motore", "velantra --relazione scelto.vla out.txt", 0, {}, "out.txt",
             "Motore:\r\nCoppia nominale: 0,2 [N·m]\r\nVelocità massima: 3000 [giri/min]\r\n\r\n"
             "Rapporto di riduzione:\r\nRapporto ottimale: 0,75 (coppia efficace 0,253122 [N·m], coppia di "
             "picco 0,476738 [N·m], 3000 [giri/min], al limite della velocità massima)\r\n\r\n"
             "Verifica del motore:\r\n"
             "Coppia efficace: 0,240444 [N·m], Coppia nominale 0,2 [N·m], 120 %\r\n"
             "Velocità massima motore: 4000 [giri/min], Velocità massima 3000 [giri/min], 133 %\r\n"
             "Rapporto d'inerzia: 1,46651, consigliato fino a 10\r\n"
             "Motore non adatto: coppia efficace 120 % della nominale, velocità 133 % della massima\r\n",
             false);
        riga(
            "relazione, diretta: le sole forze", "velantra --relazione diretta.vla out.txt", 0, {}, "out.txt",
            "Dimensionamento asse:\r\nForza di picco: 138,237 [N]\r\nForza efficace: 77,0841 [N]\r\n", false);
        riga("relazione, un argomento", "velantra --relazione asse.vla", 2,
             "--relazione vuole due argomenti: la simulazione da leggere e il file da scrivere." + aiuto);
        riga("relazione, formato ignoto", "velantra --relazione asse.vla out.doc", 1,
             "Impossibile scrivere la relazione nel file «out.doc»: l'estensione non indica un formato noto "
             "(.pdf, .txt).");
        riga("relazione, chiave fuori intervallo", "velantra --relazione nullo.vla out.txt", 1,
             "Il file «nullo.vla» non è una simulazione di Velantra: il valore della chiave «passo» («0») "
             "deve essere maggiore di 0.");
        riga("asse oltre i double", "velantra -e pesante.vla vecchio.csv", 1,
             calcolo.arg("pesante.vla", "il moto calcolato non si può dimensionare: forze o coppie dell'asse "
                                        "andrebbero oltre i numeri del programma (doppia precisione)"));
        riga("csv con forza e coppia", "velantra --esporta asse.vla out.csv", 0, {}, "out.csv",
             "t [sec],s [m],v [m/sec],a [m/sec^2],F [N],C [N·m]\r\n0,0,0,", false);

        // The laws of motion compared: the CSV, the aligned text, and what they refuse.
        const QString leggi = "Impossibile scrivere le leggi di moto nel file «%1»: %2.";
        riga("leggi csv, jerk 1: Vm e A raggiunte", "velantra -l es.vla out.csv -j 1", 0, {}, "out.csv",
             "\r\nJerk limitato,5.5,0.5,0.5,1,", false);
        riga("leggi testo", "velantra --leggi asse.vla out.txt", 0, {}, "out.txt",
             "\r\nArmonica                         1      0,785398          2,4674      illimitato         "
             "1,74472               0,412875               0,222732                102,77  Coppia "
             "efficace\r\n",
             false);
        riga("leggi, nessun moto", "velantra --leggi negativo.vla out.csv", 1, nonUnMoto);
        riga("leggi, jerk zero", "velantra --leggi es.vla out.csv --jerk 0", 2,
             "--jerk vuole un numero di m/sec^3 maggiore di zero, come 2,5: «0» non lo è.");
        riga("leggi, formato ignoto", "velantra --leggi es.vla out.pdf", 1,
             leggi.arg("out.pdf", "l'estensione non indica un formato noto (.csv, .txt)"));
        riga(
            "leggi su se stessa", "velantra --leggi es.vla doc.csv", 1,
            leggi.arg("doc.csv", "«doc.csv» è lo stesso file di «es.vla», da leggere, che andrebbe perduto"));

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
        // An output that is the input by another name: refused before anything is read or written.
        const QString perduto = "«%1» è lo stesso file di «%2», da leggere, che andrebbe perduto";
        riga("se stessa da un collegamento", "velantra -e es.vla doc.csv", 1,
             esporta.arg("doc.csv", perduto.arg("doc.csv", "es.vla")));
        riga("relazione su un collegamento fisso",
             "cp asse.vla a.vla; ln a.vla a.pdf; velantra -r a.vla a.pdf; s=$?; "
             "cmp asse.vla a.pdf && rm a.*; exit $s",
             1, "Impossibile scrivere la relazione nel file «a.pdf»: " + perduto.arg("a.pdf", "a.vla") + '.');
        riga("nomi non UTF-8",
             "cp es.vla $'perch\\xe9.vla' && velantra -e $'perch\\xe9.vla' $'out\\xe9.csv' && mv "
             "$'out\\xe9.csv' letto && rm $'perch\\xe9.vla'",
             0, {}, "letto", csv);
        riga("nome non UTF-8 mancante", "velantra -e $'manca\\xe9.vla' out.csv", 1,
             "Impossibile aprire il file «manca\\xE9.vla»: il file non esiste.");
        riga("collegamento a un file mancante",
             "ln -s manca.vla r.vla; velantra -e r.vla out.csv; s=$?; rm r.vla; exit $s", 1,
             "Impossibile aprire il file «r.vla»: è un collegamento a un file che non esiste.");
        // Characters of two, three and four bytes shown as they are.
        riga("nome UTF-8 mancante", "velantra -e 'mançà€𝛼.vla' out.csv", 1,
             "Impossibile aprire il file «mançà€𝛼.vla»: il file non esiste.");
        riga("FIFO", "cat tubo.csv > letto & velantra -e es.vla tubo.csv; s=$?; wait; exit $s", 0, {},
             "letto", csv);
        riga("collegamento a una cartella mancante", "velantra -e es.vla rotto.csv", 1,
             salva.arg("rotto.csv",
                       "è un collegamento a «./manca/x.csv», ma la cartella «./manca» non esiste"));
        riga("nome con caratteri di controllo",
             "velantra -e es.vla $'nodir\\e[2J\\a\\nvelantra: tutto bene/x.csv'", 1,
             salva.arg("nodir\\x1B[2J\\x07\\nvelantra: tutto bene/x.csv",
                       "la cartella «nodir\\x1B[2J\\x07\\nvelantra: tutto bene» non esiste"));
        riga("dispositivo che non risponde",
             "ln -s /dev/tty t.csv; setsid -w \"$V\" -e es.vla t.csv; s=$?; rm t.csv; exit $s", 1,
             salva.arg("t.csv", "il dispositivo non esiste o non è collegato"));
        riga("40 collegamenti, quanti il sistema ne segue",
             "ln -s out.csv 1.csv; for i in {2..40}; do ln -s $((i-1)).csv $i.csv; done; "
             "velantra -e es.vla 40.csv; s=$?; rm [0-9]*.csv; exit $s",
             0, {}, "out.csv", csv);
        riga("percorso di 4086 byte",
             "p=$(printf %0250d/ {1..17}); p=${p:0:4080}; mkdir -p $p; "
             "velantra -e es.vla $p/x.csv; s=$?; mv $p/x.csv letto; rm -r 0*; exit $s",
             0, {}, "letto", csv);
        // A folder that takes no new file: its writable file left as it was, never written in place.
        riga("cartella chiusa",
             "chmod 755 .; chmod 555 chiusa; "
             "[ $(id -u) = 0 ] && come='setpriv --reuid 65534 --regid 65534 --clear-groups'; "
             "HOME=/tmp $come \"$V\" -e es.vla chiusa/vecchio.csv; s=$?; chmod 755 chiusa; exit $s",
             1,
             salva.arg("chiusa/vecchio.csv", "non è permesso scrivere nella cartella «chiusa»: il file resta "
                                             "com'era; si può salvare altrove, per esempio nella cartella "
                                             "personale «/tmp»"));
        riga("dieci scrittori insieme",
             "for i in {1..10}; do velantra -e es.vla out.csv || echo $i & done; wait", 0, {}, "out.csv",
             csv);
        // Ended by a signal while writing a large file: the old one stays, nothing is left beside it. KILL
        // cannot be caught, so only a file with no name survives it; where the system cannot make one
        // (here without /proc, in a mount space of the test's own) the others remove the hidden one.
        const QString senzaProc = "unshare -m true || exit 77; set -m; "
                                  "unshare -m bash -c 'mount -t tmpfs none /proc && exec \"$0\" \"$@\"' ";
        for (const auto& [segnale, numero] : {std::pair{"KILL", 9}, {"INT", 2}, {"TERM", 15}, {"HUP", 1}})
            riga(qPrintable(QStringLiteral("ucciso da ") + segnale),
                 (numero == 9 ? QString() : senzaProc) +
                     "\"$V\" -e es.vla vecchio.csv -i 6e-6 & p=$!; until ls -l /proc/$p/fd 2> /dev/null | "
                     "grep -q \"$PWD/[#.]\"; do kill -0 $p || break; sleep 0.01; done; kill -" +
                     segnale + " $p; wait $p 2> /dev/null",
                 128 + numero, {});
    }
    void esegui() {
        QFETCH(QString, comando);
        QFETCH(QString, file);
        QFETCH(QByteArray, scritto);
        QTemporaryDir cartella;
        const QString asse = "2,.125,.25,.5,.25,.5,1,.666666666666667,2.66666666666667\r\nmassa=50,";
        for (const QString& documento : QStringList{
                 "es.vla:0,.25,0,2,0,0,5,0,0\r\n", "impossibile.vla:1,0,0,.3,0,0,.35,0,8\r\n",
                 "negativo.vla:10,0,0,1,0,3,0,.5,0\r\n", "piccolo.vla:4,0,0,1E-300,0,0,0,1E-150,1\r\n",
                 "indietro.vla:0,-.25,0,-2,0,0,5,0,0\r\n", "nullo.vla:" + asse + "passo=0",
                 "pesante.vla:" + QString(asse).replace("50", "1e308") + "passo=0.01",
                 "diretta.vla:" + asse + "trasmissione=diretta,attrito=0.01,sosta=0.5",
                 "motori.csv:nome,coppia_nominale,coppia_massima,velocita_massima,inerzia\nGrande,1.2,3.6,"
                 "5000,3e-4\nEsempio,0.32,0.96,6000,1e-4\nRotto,abc,1,1,1\nPiccolo,0.2,0.6,3000,5e-5\n",
                 "asse.vla:" + asse +
                     "passo=0.01,rendimento=0.9,attrito=0.01,inerzia_motore=1e-4,"
                     "inerzia_trasmissione=2e-5,sosta=0.5",
                 "scelto.vla:" + asse +
                     "passo=0.01,rendimento=0.9,attrito=0.01,inerzia_motore=1e-4,"
                     "inerzia_trasmissione=2e-5,sosta=0.5,coppia_nominale=0.2,velocita_massima=3000"}) {
            QFile f(cartella.filePath(documento.section(':', 0, 0)));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(documento.section(':', 1).toUtf8()) > 0);
        }
        Prepara(cartella.path(), {"chiusa/vecchio.csv", "vecchio.csv", "vecchio.txt", "vecchio.png",
                                  "vecchio.svg", "vecchio.pdf"});
        QVERIFY(QFile::setPermissions(cartella.filePath("chiusa/vecchio.csv"), QFile::Permissions(0x6666)) &&
                QFile::link("es.vla", cartella.filePath("doc.csv")));
        const auto prima = Voci(cartella.path());

        QProcess programma;
        programma.setWorkingDirectory(cartella.path());
        programma.setProcessEnvironment(AmbienteSigillato());
        // No display at all, for the program to find its own way; the shell in the C locale, the program's
        // messages in the Italian form.
        programma.start("bash", {"-c", "unset QT_QPA_PLATFORM; export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR=$PWD "
                                       "V='" VELANTRA_PROGRAMMA
                                       "'; velantra() { LC_ALL=it_IT.UTF-8 \"$V\" \"$@\"; }; " +
                                           comando});
        QVERIFY(programma.waitForFinished(30000));
        if (programma.exitCode() == 77)
            QSKIP("a mount space of its own needs the super-user");
        // Where a row hides /proc, a sanitizer's runtime says it cannot name the executable: the test's
        // doing.
        QTEST(QString::fromUtf8(programma.readAllStandardError())
                  .remove(QRegularExpression("==\\d+==WARNING: reading executable name failed[^\n]*\n")),
              "errore");
        QTEST(programma.exitCode(), "stato");

        // What was there keeps its kind, owner and mode, and an old file its contents unless written.
        RestaTutto(prima, cartella.path(), file);
        QCOMPARE(programma.readAllStandardOutput(), file.isEmpty() ? scritto : QByteArray());
        QFETCH(bool, intero);
        if (!file.isEmpty())
            Verifica(cartella.filePath(file), scritto, intero);
    }
};
REGISTRA_COLLAUDO(TstRigaComando);
#include "tst_RigaComando.moc"
