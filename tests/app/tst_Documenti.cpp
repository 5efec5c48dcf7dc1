#include "BancoDocumenti.h"
#include "Collaudo.h"
#include "Documenti.h"

#include <QDir>
#include <QMdiSubWindow>
#include <csignal>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString Domanda = QStringLiteral(
    "ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova simulazione, continuare?");

QList<double> Valori(const Velantra& m) {
    return {m.S1, m.S2, m.Stot, m.T1, m.T2, m.Ttot, m.Vm, m.Acc};
}

QStringList Chiamate(const DialoghiFinti& dialoghi) {
    QStringList tipi;
    for (const DialoghiFinti::Chiamata& c : dialoghi.chiamate)
        tipi << c.tipo;
    return tipi;
}

QStringList TestiRisultati(const BancoDocumenti& banco) {
    QStringList testi;
    for (int i = 0; i < 8; ++i)
        testi << banco.Finestra("FrmRisultati")
                     ->findChild<QLineEdit*>(QStringLiteral("Risultati(%1)").arg(i))
                     ->text();
    return testi;
}

// What a failed command must leave as it was.
QString Stato(const BancoDocumenti& banco) {
    QStringList valori;
    for (const double v : Valori(banco.programma.Moto))
        valori << QString::number(v, 'g', 17);
    return QStringLiteral("%1 | %2 | %3 | %4 punti | stato %5 | %6")
        .arg(banco.Figlie())
        .arg(banco.programma.SistemaCorrente)
        .arg(valori.join(' '))
        .arg(banco.programma.PuntiGrafico.NumeroElementi())
        .arg(banco.StatoComandi())
        .arg(banco.Finestra("frmInserimentoDati") ? banco.Terna() : QString());
}

// The folder's file names: a failed save leaves no temporary file behind.
QStringList Contenuto(const QString& cartella) {
    return QDir(cartella).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// A disk that takes only a few more bytes: a larger file cannot be written in full.
class DiscoQuasiPieno {
public:
    explicit DiscoQuasiPieno(bool attivo) : attivo(attivo) {
        if (!attivo)
            return;
        getrlimit(RLIMIT_FSIZE, &prima);
        rlimit limite = prima;
        limite.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &limite);
        segnale = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~DiscoQuasiPieno() {
        if (!attivo)
            return;
        setrlimit(RLIMIT_FSIZE, &prima);
        std::signal(SIGXFSZ, segnale);
    }
    DiscoQuasiPieno(const DiscoQuasiPieno&) = delete;
    DiscoQuasiPieno& operator=(const DiscoQuasiPieno&) = delete;

private:
    bool attivo;
    rlimit prima{};
    void (*segnale)(int) = SIG_DFL;
};
} // namespace

class TstDocumenti : public QObject {
    Q_OBJECT
private slots:
    // A record saved from the results window, the simulation cleared with New, the document opened.
    void andataERitorno_data() {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<QList<double>>("valori"); // window order: Vm before A
        QTest::addColumn<QString>("riga");
        QTest::addColumn<QString>("terna"); // as the data-entry window shows it after opening
        QTest::newRow("esempio") << 0 << QList<double>{.5, 1, 2, 1, 1, 3, 1, 1} << "0,.5,1,2,1,1,3,1,1"
                                 << "S1=0,5 Stot=2 Ttot=3";
        QTest::newRow("negativi, zeri iniziali")
            << 3 << QList<double>{-0.5, 12.25, -3, 0.001, 1, 2, -1.75, 0.25}
            << "3,-.5,12.25,-3,.001,1,2,-1.75,.25"
            << "S1=-0,5 Stot=-3 Vm=-1,75";
        QTest::newRow("forma esponenziale")
            << 10 << QList<double>{1e-5, 1.5e20, -2.5e-7, 1e15, 123456789012345, 0, 7e-300, 0}
            << "10,1E-05,1.5E+20,-2.5E-07,1E+15,123456789012345,0,7E-300,0"
            << "Stot=-2,5E-07 T2=123456789012345 Vm=7E-300";
        QTest::newRow("un terzo") << 7 << QList<double>{1.0 / 3, 0, 0, 0, 0, -2.0 / 3, 1.0 / 3, 1}
                                  << "7,.333333333333333,0,0,0,0,-.666666666666667,.333333333333333,1"
                                  << "Ttot=-0,666666666666667 Vm=0,333333333333333 A=1";
        QTest::newRow("combinazione fuori elenco")
            << 42 << QList<double>{1, 2, 3, 4, 5, 6, 7, 8} << "42,1,2,3,4,5,6,7,8"
            << "";
    }
    void andataERitorno() {
        QFETCH(int, sistema);
        QFETCH(QList<double>, valori);
        QFETCH(QString, riga);
        QFETCH(QString, terna);
        BancoDocumenti banco;
        banco.programma.SistemaCorrente = static_cast<int16_t>(sistema);
        banco.Assegna(valori);
        banco.finestra->AbilitaComandi(3);
        banco.Premi("Tabella");
        const QString percorso = banco.Percorso(QStringLiteral("prova.vla"));
        banco.dialoghi.nomiFile = {percorso, percorso};

        banco.Premi("Save");
        QCOMPARE(LeggiTutto(percorso), riga.toLatin1() + "\r\n");
        QCOMPARE(banco.Finestra("FrmRisultati")->windowTitle(), percorso);
        banco.Premi("New");
        banco.Premi("Open");

        QCOMPARE(Chiamate(banco.dialoghi).join(' '), QStringLiteral("Salva Conferma Apri Conferma"));
        const DialoghiFinti::Chiamata& salva = banco.dialoghi.chiamate[0];
        const DialoghiFinti::Chiamata& apri = banco.dialoghi.chiamate[2];
        QCOMPARE(salva.titolo, QStringLiteral("Salva con nome"));
        QCOMPARE(apri.titolo, QStringLiteral("Apri"));
        for (const QStringList& filtri : {salva.filtri, apri.filtri})
            QCOMPARE(filtri, (QStringList{"Velantra (*.vla)", "Tutti i file (*.*)"}));
        QCOMPARE(banco.dialoghi.chiamate[3].testo, Domanda);

        QCOMPARE(banco.programma.SistemaCorrente, sistema);
        QList<double> attesi;
        for (const double v : valori)
            attesi << QString::number(v, 'g', 15).toDouble();
        QCOMPARE(Valori(banco.programma.Moto), attesi);
        QCOMPARE(banco.Figlie(), QStringLiteral("frmInserimentoDati*"));
        QCOMPARE(banco.Terna(), terna);
        QCOMPARE(banco.StatoComandi(), 2);
        QCOMPARE(banco.Finestra("frmInserimentoDati")->windowTitle(), QStringLiteral("Inserimento dati"));
    }

    // From a calculation to a document and back, one press of "Calcolo" away from the same results.
    // The value typed after the calculation is the one saved.
    void dalCalcoloAlRisultato_data() {
        QTest::addColumn<bool>("italiano");
        QTest::addColumn<QString>("terna");
        QTest::newRow("italiano") << true << "S1=0,5 Stot=4 Ttot=3";
        QTest::newRow("americano") << false << "S1=0.5 Stot=4 Ttot=3";
    }
    void dalCalcoloAlRisultato() {
        QFETCH(bool, italiano);
        QFETCH(QString, terna);
        QLocale::setDefault(italiano ? Italiano : Americano);
        BancoDocumenti banco;
        banco.CalcolaEsempio();
        banco.Riscrivi(Stot, "4");
        const QString percorso = banco.Percorso(QStringLiteral("simulazione"));
        banco.dialoghi.nomiFile = {percorso, percorso};
        banco.Premi("mnuFileSave");
        QCOMPARE(LeggiTutto(percorso), QByteArray("0,.5,1,4,1,1,3,1,1\r\n"));
        QCOMPARE(banco.Finestra("FrmRisultati")->windowTitle(), percorso);

        banco.Premi("mnuFileNew");
        banco.Premi("mnuFileOpen");
        QCOMPARE(banco.Terna(), terna);
        QCOMPARE(banco.StatoComandi(), 2);
        banco.Premi("Calcolo");
        QCOMPARE(banco.StatoComandi(), 3);
        const QStringList riaperti = TestiRisultati(banco);

        BancoDocumenti diretto;
        diretto.Inserisci({{Stot, "4"}, {Ttot, "3"}, {S1, "0.5"}});
        diretto.Premi("Calcolo");
        QCOMPARE(riaperti, TestiRisultati(diretto));
        QCOMPARE(diretto.programma.PuntiGrafico.NumeroElementi(),
                 banco.programma.PuntiGrafico.NumeroElementi());
    }

    // Save is not offered before a calculation, but the writer takes the empty record as it is.
    void recordVuoto() {
        BancoDocumenti banco;
        const QString percorso = banco.Percorso(QStringLiteral("vuoto.vla"));
        QVERIFY(Documenti(banco.programma, *banco.finestra).SalvaSimulazione(percorso));
        QCOMPARE(LeggiTutto(percorso), QByteArray("-1,0,0,0,0,0,0,0,0\r\n"));
        QVERIFY(banco.dialoghi.chiamate.isEmpty());
    }

    void annullato_data() {
        QTest::addColumn<QString>("nome"); // "" cancels the file dialog
        QTest::addColumn<bool>("risposta");
        QTest::addColumn<QString>("chiamate");
        QTest::newRow("nome annullato") << "" << true << "Apri";
        QTest::newRow("domanda annullata") << "buono.vla" << false << "Apri Conferma";
    }
    void annullato() {
        QFETCH(QString, nome);
        QFETCH(bool, risposta);
        QFETCH(QString, chiamate);
        BancoDocumenti banco;
        banco.CalcolaEsempio();
        ScriviTutto(banco.Percorso(QStringLiteral("buono.vla")), "5,1,2,3,4,5,6,7,8\r\n");
        const QString prima = Stato(banco);
        banco.dialoghi.nomiFile = {nome.isEmpty() ? QString() : banco.Percorso(nome)};
        banco.dialoghi.risposte = {risposta};
        banco.Premi("Open");
        QCOMPARE(Chiamate(banco.dialoghi).join(' '), chiamate);
        QCOMPARE(Stato(banco), prima);
    }

    // Every kind of bad document is reported and changes nothing.
    void documentoCattivo_data() {
        QTest::addColumn<QByteArray>("contenuto"); // "<mancante>", "<cartella>", "<fifo>": no data file
        QTest::addColumn<QString>("messaggio");    // "%1" stands for the path
        const QString nonSimulazione = QStringLiteral("Il file «%1» non è una simulazione di Velantra: ");
        QTest::newRow("mancante") << QByteArray("<mancante>")
                                  << "Impossibile aprire il file «%1»: il file non esiste.";
        QTest::newRow("cartella") << QByteArray("<cartella>")
                                  << "Impossibile aprire il file «%1»: è una cartella.";
        QTest::newRow("FIFO") << QByteArray("<fifo>")
                              << "Impossibile aprire il file «%1»: non è un file di dati.";
        QTest::newRow("vuoto") << QByteArray() << nonSimulazione + "il file è vuoto.";
        QTest::newRow("otto valori") << QByteArray("0,.5,1,2,1,1,3,1\r\n")
                                     << nonSimulazione + "il file termina dopo 8 valori dei 9 previsti.";
        QTest::newRow("parola") << QByteArray("0,.5,uno,2,1,1,3,1,1\r\n")
                                << nonSimulazione + "il valore n. 3 («uno») non è un numero.";
        QTest::newRow("virgola decimale")
            << QByteArray("0,0,5,1,2,1,1,3,1,1\r\n")
            << nonSimulazione + "dopo i 9 valori previsti il file contiene altro.";
        QTest::newRow("riga lunghissima") << "0," + QByteArray(5000, '1') + ",1,2,1,1,3,1,1\r\n"
                                          << nonSimulazione + "è troppo grande.";
        QTest::newRow("byte binari") << QByteArray("\x00\xff\x01,1,2,3,4,5,6,7,8", 19)
                                     << nonSimulazione + "il valore n. 1 («???») non è un numero.";
    }
    void documentoCattivo() {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, messaggio);
        BancoDocumenti banco;
        banco.CalcolaEsempio();
        const QString percorso = banco.Percorso(QStringLiteral("cattivo.vla"));
        if (contenuto == "<cartella>")
            QVERIFY(QDir().mkdir(percorso));
        else if (contenuto == "<fifo>")
            QCOMPARE(mkfifo(QFile::encodeName(percorso).constData(), 0600), 0);
        else if (contenuto != "<mancante>")
            ScriviTutto(percorso, contenuto);
        const QString prima = Stato(banco);
        banco.dialoghi.nomiFile = {percorso};

        banco.Premi("mnuFileOpen");

        QCOMPARE(Chiamate(banco.dialoghi).join(' '), QStringLiteral("Apri Conferma Messaggio"));
        QCOMPARE(banco.dialoghi.Messaggi().first(), messaggio.arg(percorso));
        QCOMPARE(Stato(banco), prima);
    }

    // A save that cannot be done is reported with its reason, keeps an old file whole and leaves no
    // temporary file; the caption of the active window is not changed.
    void salvataggioFallito_data() {
        QTest::addColumn<QString>("nome");     // in the test's folder
        QTest::addColumn<QString>("problema"); // what is wrong besides the name
        QTest::addColumn<QString>("motivo");   // "%1" stands for the test's folder
        QTest::newRow("cartella mancante") << "manca/sim.vla"
                                           << ""
                                           << "la cartella «%1/manca» non esiste";
        QTest::newRow("cartella che è un file") << "file/sim.vla"
                                                << ""
                                                << "«%1/file» non è una cartella";
        QTest::newRow("nome di una cartella") << "cartella"
                                              << ""
                                              << "esiste una cartella con questo nome";
        QTest::newRow("disco pieno") << "sim.vla"
                                     << "disco pieno"
                                     << "la scrittura non è riuscita (il disco potrebbe essere pieno)";
        QTest::newRow("valore infinito") << "sim.vla"
                                         << "infinito"
                                         << "la simulazione contiene valori non definiti o infiniti";
        QTest::newRow("valore non definito") << "sim.vla"
                                             << "non definito"
                                             << "la simulazione contiene valori non definiti o infiniti";
        QTest::newRow("cartella di sola lettura") << "sola/sim.vla"
                                                  << "sola lettura"
                                                  << "non è permesso scrivere nella cartella «%1/sola»";
    }
    void salvataggioFallito() {
        QFETCH(QString, nome);
        QFETCH(QString, problema);
        QFETCH(QString, motivo);
        if (problema == QLatin1String("sola lettura") && geteuid() == 0)
            QSKIP("the super-user writes into read-only folders");
        BancoDocumenti banco;
        banco.CalcolaEsempio();
        const QString cartella = banco.cartella.path();
        ScriviTutto(banco.Percorso(QStringLiteral("file")), "un file");
        QVERIFY(QDir(cartella).mkpath(QStringLiteral("cartella")));
        QVERIFY(QDir(cartella).mkpath(QStringLiteral("sola")));
        const QString percorso = banco.Percorso(nome);
        const QByteArray vecchio = "3,1,2,3,4,5,6,7,8\r\n";
        if (!nome.contains('/'))
            ScriviTutto(banco.Percorso(QStringLiteral("sim.vla")), vecchio);
        if (problema == QLatin1String("infinito"))
            banco.programma.Moto.Acc = std::numeric_limits<double>::infinity();
        if (problema == QLatin1String("non definito"))
            banco.programma.Moto.S2 = std::numeric_limits<double>::quiet_NaN();
        QFile::setPermissions(banco.Percorso(QStringLiteral("sola")), QFile::ReadOwner | QFile::ExeOwner);
        const QStringList file = Contenuto(cartella);
        const QString titolo = banco.finestra->FinestraAttiva()->windowTitle();
        banco.dialoghi.nomiFile = {percorso};
        {
            DiscoQuasiPieno disco(problema == QLatin1String("disco pieno"));
            banco.Premi("mnuFileSaveAs");
        }
        QFile::setPermissions(banco.Percorso(QStringLiteral("sola")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(banco.dialoghi.Messaggi(),
                 QStringList{QStringLiteral("Impossibile salvare il file «%1»: %2.")
                                 .arg(percorso, QString(motivo).replace("%1", cartella))});
        QCOMPARE(Contenuto(cartella), file);
        if (!nome.contains('/'))
            QCOMPARE(LeggiTutto(banco.Percorso(QStringLiteral("sim.vla"))), vecchio);
        QCOMPARE(banco.finestra->FinestraAttiva()->windowTitle(), titolo);
    }

    // Saving over a document replaces it without a question.
    void sovrascrittura() {
        BancoDocumenti banco;
        banco.CalcolaEsempio();
        const QString percorso = banco.Percorso(QStringLiteral("sim.vla"));
        ScriviTutto(percorso, QByteArray(200, 'x'));
        banco.dialoghi.nomiFile = {percorso};
        banco.Premi("mnuFileSaveAs");
        QCOMPARE(Chiamate(banco.dialoghi).join(' '), QStringLiteral("Salva"));
        QCOMPARE(LeggiTutto(percorso), QByteArray("0,.5,1,2,1,1,3,1,1\r\n"));
    }
};
REGISTRA_COLLAUDO(TstDocumenti);
#include "tst_Documenti.moc"
