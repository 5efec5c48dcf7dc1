#include "Banco.h"
#include "Collaudo.h"
#include "DiscoPieno.h"
#include "Documenti.h"
#include "FileSicuri.h"
#include "Voci.h"
#include "frmGrafico.h"

#include <QProcess>
#include <QSettings>
#include <sys/resource.h>
#include <sys/sysmacros.h>

namespace {

const QByteArray Vecchio = "vecchio\n";
// Each writer of the windows: its command and the extension of what it writes. "impostazioni" closes
// the main window, which writes the settings.
const std::pair<const char*, const char*> Scrittori[] = {{"Save", "vla"},
                                                         {"mnuFileEsporta", "txt"},
                                                         {"mnuFileEsportaGrafico", "bmp"},
                                                         {"mnuEsportaImmagine", "png"},
                                                         {"mnuEsportaImmagine", "svg"},
                                                         {"mnuEsportaImmagine", "pdf"},
                                                         {"mnuEsportaDati", "csv"},
                                                         {"impostazioni", "conf"}};

// The largest file the process may write from now on: a larger one fails with its reason.
rlim_t LimitaFile(rlim_t massimo) {
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    const rlim_t prima = std::exchange(limite.rlim_cur, massimo);
    setrlimit(RLIMIT_FSIZE, &limite);
    return prima;
}

} // namespace

// The files the windows write, as a user would have them written: the example calculated, its graph
// open with the details on, in a folder of old files vecchio.* (mode 640, of another owner when the
// test may give one), the settings' own Velantra/Velantra.conf, a socket, links and a FIFO.
class TstScritture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparaScritture(); } // as the program does: a write over the limit fails, no more

    void scrittori_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("nome");         // given to the file dialog
        QTest::addColumn<QString>("messaggio");    // %1 the path given; none: no message
        QTest::addColumn<QByteArray>("bersaglio"); // the file written through the name, if any
        QTest::addColumn<QByteArray>("inizio");    // what it then begins with
        const auto riga = [](const QString& caso, const char* comando, const QString& nome,
                             const QString& motivo, const QByteArray& bersaglio = {},
                             const QByteArray& inizio = {}) {
            const char* salva = comando == QByteArray("impostazioni")
                                    ? "Impossibile salvare le impostazioni nel file"
                                    : "Impossibile salvare il file";
            QTest::newRow(qPrintable(caso))
                << comando << nome
                << (motivo.isEmpty() ? "" : salva + QStringLiteral(" «%1»: ") + motivo + '.') << bersaglio
                << inizio;
        };
        for (const auto& [scrittore, estensione] : Scrittori) {
            const QString vecchio = estensione == QByteArray("conf")
                                        ? "Velantra/Velantra.conf"
                                        : QStringLiteral("vecchio.") + estensione;
            riga(QStringLiteral("limite, ") + estensione, scrittore, vecchio,
                 "il file supera la dimensione massima che il sistema permette di scrivere");
            riga(QStringLiteral("disco pieno, ") + estensione, scrittore, "pieno/" + vecchio,
                 "il disco è pieno");
        }
        riga("socket", "mnuEsportaDati", "presa.csv", "è un socket, non un file: non vi si scrive");
        riga("collegamento", "mnuEsportaImmagine", "collegamento.png", {}, "vecchio.png", "\x89PNG");
        riga("collegamento a una cartella mancante", "mnuEsportaDati", "rotto.csv",
             "è un collegamento a «%2/manca/x.csv», ma la cartella «%2/manca» non esiste");
        riga("nome lungo", "Save", QString(300, 'a') + ".vla",
             "il nome è lungo 304 byte, più dei 255 che il sistema permette");
        riga("FIFO senza lettore, attesa annullata", "mnuEsportaDati", "tubo.csv", {});
        riga("FIFO con lettore", "mnuEsportaDati", "tubo.csv", {});
        riga("dispositivo", "mnuEsportaImmagine", "nulla.svg", {});
        riga("annullata", "mnuEsportaImmagine", "vecchio.png", {});
        riga("tabella sul vecchio file", "mnuFileEsporta", "vecchio.txt", {}, "vecchio.txt",
             "  S1: 0,5 [m]\r\n");
    }
    void scrittori() {
        QFETCH(QString, comando);
        QFETCH(QString, nome);
        QFETCH(QString, messaggio);
        const QString tag = QTest::currentDataTag();
        Banco banco;
        const QString cartella = banco.cartella.path();
        QList<std::pair<QString, QByteArray>> vecchi;
        for (const auto& [scrittore, estensione] : Scrittori)
            vecchi.append(
                {estensione == QByteArray("conf") ? "Velantra/Velantra.conf"
                                                  : QStringLiteral("vecchio.") + estensione,
                 estensione == QByteArray("conf") ? "[Settings]\nIntestazioneUtente=vecchia\n" : Vecchio});
        for (const auto& [file, contenuto] : vecchi) {
            const QByteArray percorso = QFile::encodeName(cartella + '/' + file);
            QVERIFY(QDir().mkpath(QFileInfo(cartella + '/' + file).absolutePath()));
            QFile f(cartella + '/' + file);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size());
            f.close();
            chmod(percorso.constData(), 0640);
            if (geteuid() == 0)
                QCOMPARE(chown(percorso.constData(), 1234, 1234), 0);
        }
        Socket(cartella + "/presa.csv");
        QVERIFY(QFile::link("vecchio.png", cartella + "/collegamento.png") &&
                QFile::link("manca/x.csv", cartella + "/rotto.csv"));
        QCOMPARE(mkfifo(QFile::encodeName(cartella + "/tubo.csv").constData(), 0600), 0);
        if (mknod(QFile::encodeName(cartella + "/nulla").constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QVERIFY(QFile::link("/dev/null", cartella + "/nulla"));
        QVERIFY(QFile::link("nulla", cartella + "/nulla.svg"));
        const bool pieno = nome.startsWith(QLatin1String("pieno/"));
        const DiscoPieno disco(cartella + "/pieno", pieno ? vecchi : decltype(vecchi){});
        if (pieno && !disco.Pronto())
            QSKIP("a full disk of its own needs the super-user");

        banco.CalcolaEsempio();
        banco.Premi("Grafico");
        qobject_cast<frmGrafico*>(banco.Finestra("frmGrafico"))
            ->Pulsante(QStringLiteral("AggiungiParticolari"))
            ->trigger();
        const QString impostazioni = cartella + '/' + nome;
        const bool chiusura = comando == QLatin1String("impostazioni");
        if (chiusura) // the store in the row's folder
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                               QFileInfo(QFileInfo(impostazioni).path()).path());
        const QByteArray primaImpostazioni = chiusura ? LeggiByte(QFile::encodeName(impostazioni)) : "";
        const auto prima = Voci(cartella), primaPieno = Voci(cartella + "/pieno");
        QProcess lettore;
        if (tag == QLatin1String("FIFO con lettore"))
            lettore.start("cat", {cartella + "/tubo.csv"});
        banco.dialoghi.nomiFile = {cartella + '/' + nome};
        banco.dialoghi.annullaDopo = {tag.startsWith(QLatin1String("FIFO senza")) ? 3
                                      : tag == "annullata"                        ? 0
                                                                                  : -1};

        const rlim_t limite = LimitaFile(tag.startsWith(QLatin1String("limite")) ? 8 : RLIM_INFINITY);
        if (chiusura)
            banco.finestra->close();
        else
            banco.Premi(qPrintable(comando));
        LimitaFile(limite);

        QCOMPARE(banco.dialoghi.Messaggi(),
                 messaggio.isEmpty()
                     ? QStringList()
                     : QStringList{messaggio.arg(cartella + '/' + nome).replace("%2", cartella)});
        QFETCH(QByteArray, bersaglio);
        QFETCH(QByteArray, inizio);
        RestaTutto(prima, cartella, bersaglio);
        RestaTutto(primaPieno, cartella + "/pieno");
        if (chiusura)
            QCOMPARE(LeggiByte(QFile::encodeName(impostazioni)), primaImpostazioni);
        if (!bersaglio.isEmpty())
            QVERIFY(LeggiByte(QFile::encodeName(cartella) + '/' + bersaglio).startsWith(inizio));
        if (lettore.state() != QProcess::NotRunning) {
            QVERIFY(lettore.waitForFinished());
            QVERIFY(lettore.readAllStandardOutput().startsWith("t [sec],s [m],v [m/sec],a [m/sec^2]\r\n"));
        }
    }

    // A motion that the graph cannot draw at any scale: its picture is refused before any question.
    void nonDisegnabile() {
        Banco banco;
        banco.programma.SistemaCorrente = 4; // Stot, Vm, A
        banco.Assegna({0, 0, 1e-300, 0, 0, 0, 1e-150, 1});
        banco.Premi("SceltaSistema");
        banco.Premi("Calcolo");
        banco.Premi("Grafico");
        banco.dialoghi.chiamate.clear();
        banco.Premi("mnuEsportaImmagine");
        QCOMPARE(banco.Chiamate() + ' ' + banco.dialoghi.Messaggi().join(""),
                 "Messaggio Velantra Impossibile esportare l'immagine: il grafico di questo moto non si può "
                 "disegnare a questa scala.");
    }

    // A document whose name is not UTF-8, as the command line gives it to the window: opened by its
    // bytes, or said missing with the byte shown as such.
    void nomeNonUtf8() {
        Banco banco;
        const QByteArray nome = QFile::encodeName(banco.cartella.path()) + "/perch\xe9.vla";
        const int file = open(nome.constData(), O_WRONLY | O_CREAT, 0644);
        QCOMPARE(write(file, "0,.25,0,2,0,0,5,0,0\r\n", 21), 21);
        close(file);
        Documenti documenti(banco.programma, *banco.finestra);
        QVERIFY(!documenti.Carica(NomeDaByte(nome + "x")));
        QVERIFY(documenti.Carica(NomeDaByte(nome)));
        QCOMPARE(banco.dialoghi.Messaggi(),
                 QStringList("Impossibile aprire il file «" + banco.cartella.path() +
                             "/perch\\xE9.vlax»: il file non esiste."));
        QCOMPARE(banco.Spunte(), "S1=0,25 Stot=2 Ttot=5");
    }
};
REGISTRA_COLLAUDO(TstScritture);
#include "tst_Scritture.moc"
