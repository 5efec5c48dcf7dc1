#include "BancoDocumenti.h"
#include "Collaudo.h"
#include "Documenti.h"

#include <QDir>
#include <csignal>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString Chiamate(const DialoghiFinti& dialoghi) {
    QStringList tipi;
    for (const DialoghiFinti::Chiamata& c : dialoghi.chiamate)
        tipi << c.tipo;
    return tipi.join(' ');
}

QList<double> Valori(const Velantra& m) {
    return {m.S1, m.S2, m.Stot, m.T1, m.T2, m.Ttot, m.Vm, m.Acc};
}

// What a refused command must leave as it was.
QString Stato(const BancoDocumenti& banco) {
    QStringList valori;
    for (const double v : Valori(banco.programma.Moto))
        valori << QString::number(v, 'g', 17);
    return QStringLiteral("%1 | %2 | %3 | %4 punti | stato %5 | %6")
        .arg(banco.Figlie(), QString::number(banco.programma.SistemaCorrente), valori.join(' '))
        .arg(banco.programma.PuntiGrafico.NumeroElementi())
        .arg(banco.StatoComandi())
        .arg(banco.Terna());
}

// The largest file the process may write from now on: a larger one fails as on a full disk.
rlim_t LimitaFile(rlim_t massimo) {
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    const rlim_t prima = limite.rlim_cur;
    limite.rlim_cur = massimo;
    setrlimit(RLIMIT_FSIZE, &limite);
    return prima;
}
} // namespace

class TstDocumenti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); } // a write over the limit fails, no more

    // A record saved from the results window over an older document, cleared with New, opened again.
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
        ScriviTutto(percorso, QByteArray(200, 'x'));
        banco.dialoghi.nomiFile = {percorso, percorso};

        banco.Premi("Save");
        QCOMPARE(LeggiTutto(percorso), riga.toLatin1() + "\r\n");
        QCOMPARE(banco.Finestra("FrmRisultati")->windowTitle(), percorso);
        banco.Premi("New");
        banco.Premi("Open");

        QCOMPARE(Chiamate(banco.dialoghi), QStringLiteral("Salva Conferma Apri Conferma"));
        QCOMPARE(banco.dialoghi.chiamate[0].titolo, QStringLiteral("Salva con nome"));
        QCOMPARE(banco.dialoghi.chiamate[2].titolo, QStringLiteral("Apri"));
        for (const int i : {0, 2})
            QCOMPARE(banco.dialoghi.chiamate[i].filtri,
                     (QStringList{"Velantra (*.vla)", "Tutti i file (*.*)"}));
        QCOMPARE(banco.dialoghi.chiamate[3].testo, DomandaNuovaSimulazione);
        QList<double> attesi;
        for (const double v : valori)
            attesi << QString::number(v, 'g', 15).toDouble();
        QCOMPARE(Valori(banco.programma.Moto), attesi);
        QCOMPARE(banco.programma.SistemaCorrente, sistema);
        QCOMPARE(banco.Figlie(), QStringLiteral("frmInserimentoDati*"));
        QCOMPARE(banco.Terna(), terna);
        QCOMPARE(banco.StatoComandi(), 2);
    }

    // A calculation saved with a value typed since, reopened, and calculated with one press.
    void dalCalcoloAlRisultato_data() {
        QTest::addColumn<bool>("italiano");
        QTest::addColumn<QString>("terna");
        QTest::addColumn<QString>("risultati");
        QTest::newRow("italiano") << true << "S1=0,5 Stot=4 Ttot=3"
                                  << "0,5 3 4 0,6 1,8 3 1,66667 2,77778";
        QTest::newRow("americano") << false << "S1=0.5 Stot=4 Ttot=3"
                                   << "0.5 3 4 0.6 1.8 3 1.66667 2.77778";
    }
    void dalCalcoloAlRisultato() {
        QFETCH(bool, italiano);
        QFETCH(QString, terna);
        QFETCH(QString, risultati);
        QLocale::setDefault(italiano ? Italiano : Americano);
        BancoDocumenti banco;
        banco.CalcolaEsempio();
        banco.Riscrivi(Stot, "4");
        const QString percorso = banco.Percorso(QStringLiteral("simulazione"));
        banco.dialoghi.nomiFile = {percorso, percorso};
        banco.Premi("mnuFileSave");
        QCOMPARE(LeggiTutto(percorso), QByteArray("0,.5,1,4,1,1,3,1,1\r\n"));

        banco.Premi("mnuFileNew");
        banco.Premi("mnuFileOpen");
        QCOMPARE(banco.Terna(), terna);
        banco.Premi("Calcolo");
        QCOMPARE(banco.StatoComandi(), 3);
        QStringList testi;
        for (QLineEdit* valore : banco.Finestra("FrmRisultati")->findChildren<QLineEdit*>())
            testi << valore->text();
        QCOMPARE(testi.join(' '), risultati);
    }

    // Save is not offered before a calculation, but the writer takes the empty record as it is.
    void recordVuoto() {
        BancoDocumenti banco;
        const QString percorso = banco.Percorso(QStringLiteral("vuoto.vla"));
        QVERIFY(Documenti(banco.programma, *banco.finestra).SalvaSimulazione(percorso));
        QCOMPARE(LeggiTutto(percorso), QByteArray("-1,0,0,0,0,0,0,0,0\r\n"));
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
        QCOMPARE(Chiamate(banco.dialoghi), chiamate);
        QCOMPARE(Stato(banco), prima);
    }

    // Every kind of bad document is reported and changes nothing.
    void documentoCattivo_data() {
        QTest::addColumn<QByteArray>("contenuto"); // "<mancante>", "<cartella>", "<fifo>": no data file
        QTest::addColumn<QString>("messaggio");    // "%1" stands for the path
        const QString apri = QStringLiteral("Impossibile aprire il file «%1»: ");
        const QString non = QStringLiteral("Il file «%1» non è una simulazione di Velantra: ");
        QTest::newRow("mancante") << QByteArray("<mancante>") << apri + "il file non esiste.";
        QTest::newRow("cartella") << QByteArray("<cartella>") << apri + "è una cartella.";
        QTest::newRow("FIFO") << QByteArray("<fifo>") << apri + "non è un file di dati.";
        QTest::newRow("vuoto") << QByteArray() << non + "il file è vuoto.";
        QTest::newRow("otto valori") << QByteArray("0,.5,1,2,1,1,3,1\r\n")
                                     << non + "il file termina dopo 8 valori dei 9 previsti.";
        QTest::newRow("parola") << QByteArray("0,.5,uno,2,1,1,3,1,1")
                                << non + "il valore n. 3 («uno») non è un numero.";
        QTest::newRow("virgola decimale")
            << QByteArray("0,0,5,1,2,1,1,3,1,1") << non + "dopo i 9 valori previsti il file contiene altro.";
        QTest::newRow("riga lunghissima")
            << "0," + QByteArray(5000, '1') + ",1,2,1,1,3,1,1" << non + "è troppo grande.";
        QTest::newRow("byte binari") << QByteArray("\x00\xff\x01,1,2,3,4,5,6,7,8", 19)
                                     << non + "il valore n. 1 («???») non è un numero.";
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

        QCOMPARE(Chiamate(banco.dialoghi), QStringLiteral("Apri Conferma Messaggio"));
        QCOMPARE(banco.dialoghi.Messaggi().first(), messaggio.replace("%1", percorso));
        QCOMPARE(Stato(banco), prima);
    }

    // A file that cannot be written is reported with the reason; an old one stays whole, no temporary
    // file is left, and the active window's caption does not change.
    void salvataggioFallito_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("nome");     // in the test's folder, which holds "file" and "cartella"
        QTest::addColumn<QString>("problema"); // besides the name
        QTest::addColumn<QString>("motivo");   // "%1" stands for the test's folder
        QTest::newRow("cartella mancante") << "mnuFileSaveAs"
                                           << "manca/sim.vla"
                                           << ""
                                           << "la cartella «%1/manca» non esiste";
        QTest::newRow("cartella che è un file") << "mnuFileSaveAs"
                                                << "file/sim.vla"
                                                << ""
                                                << "«%1/file» non è una cartella";
        QTest::newRow("nome di una cartella") << "mnuFileSaveAs"
                                              << "cartella"
                                              << ""
                                              << "esiste una cartella con questo nome";
        QTest::newRow("cartella di sola lettura") << "mnuFileSaveAs"
                                                  << "sola/sim.vla"
                                                  << "sola lettura"
                                                  << "non è permesso scrivere nella cartella «%1/sola»";
        const QString pieno = QStringLiteral("la scrittura non è riuscita (il disco potrebbe essere pieno)");
        QTest::newRow("disco pieno") << "mnuFileSaveAs"
                                     << "sim.vla"
                                     << "disco pieno" << pieno;
        QTest::newRow("valore infinito") << "mnuFileSaveAs"
                                         << "sim.vla"
                                         << "infinito"
                                         << "la simulazione contiene valori non definiti o infiniti";
        QTest::newRow("valore non definito") << "mnuFileSaveAs"
                                             << "sim.vla"
                                             << "non definito"
                                             << "la simulazione contiene valori non definiti o infiniti";
        QTest::newRow("tabella, cartella mancante") << "mnuFileEsporta"
                                                    << "manca/t.txt"
                                                    << ""
                                                    << "la cartella «%1/manca» non esiste";
        QTest::newRow("tabella, disco pieno") << "mnuFileEsporta"
                                              << "sim.vla"
                                              << "disco pieno" << pieno;
        QTest::newRow("grafico, disco pieno") << "mnuFileEsportaGrafico"
                                              << "sim.vla"
                                              << "disco pieno" << pieno;
    }
    void salvataggioFallito() {
        QFETCH(QString, comando);
        QFETCH(QString, nome);
        QFETCH(QString, problema);
        QFETCH(QString, motivo);
        if (problema == QLatin1String("sola lettura") && geteuid() == 0)
            QSKIP("the super-user writes into read-only folders");
        BancoDocumenti banco;
        banco.CalcolaEsempio();
        const QDir cartella(banco.cartella.path());
        ScriviTutto(banco.Percorso(QStringLiteral("file")), "un file");
        QVERIFY(cartella.mkdir(QStringLiteral("cartella")) && cartella.mkdir(QStringLiteral("sola")));
        QFile::setPermissions(banco.Percorso(QStringLiteral("sola")), QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray vecchio = "3,1,2,3,4,5,6,7,8\r\n";
        ScriviTutto(banco.Percorso(QStringLiteral("sim.vla")), vecchio);
        if (problema == QLatin1String("infinito"))
            banco.programma.Moto.Acc = std::numeric_limits<double>::infinity();
        if (problema == QLatin1String("non definito"))
            banco.programma.Moto.S2 = std::numeric_limits<double>::quiet_NaN();
        const QStringList file = cartella.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QWidget* attiva = banco.finestra->FinestraAttiva();
        const QString titolo = attiva->windowTitle();
        const QString percorso = banco.Percorso(nome);
        banco.dialoghi.nomiFile = {percorso};

        const rlim_t limite = LimitaFile(problema == QLatin1String("disco pieno") ? 8 : RLIM_INFINITY);
        banco.Premi(qPrintable(comando));
        LimitaFile(limite);

        QCOMPARE(banco.dialoghi.Messaggi(),
                 QStringList{QStringLiteral("Impossibile salvare il file «%1»: %2.")
                                 .arg(percorso, motivo.replace("%1", cartella.path()))});
        QCOMPARE(cartella.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), file);
        QCOMPARE(LeggiTutto(banco.Percorso(QStringLiteral("sim.vla"))), vecchio);
        QCOMPARE(attiva->windowTitle(), titolo);
    }
};
REGISTRA_COLLAUDO(TstDocumenti);
#include "tst_Documenti.moc"
