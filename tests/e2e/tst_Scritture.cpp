#include "Banco.h"
#include "Collaudo.h"
#include "FileSicuri.h"
#include "Voci.h"
#include "frmGrafico.h"

#include <QSettings>

namespace {
// Each writer of the windows with the old file it is given to write over; "impostazioni" closes the
// main window, which writes the settings.
const std::pair<const char*, QString> Scrittori[] = {{"Save", "vecchio.vla"},
                                                     {"mnuFileEsporta", "vecchio.txt"},
                                                     {"mnuFileEsportaGrafico", "vecchio.bmp"},
                                                     {"mnuEsportaImmagine", "vecchio.png"},
                                                     {"mnuEsportaImmagine", "vecchio.svg"},
                                                     {"mnuEsportaImmagine", "vecchio.pdf"},
                                                     {"mnuEsportaDati", "vecchio.csv"},
                                                     {"impostazioni", "Velantra/Velantra.conf"}};
} // namespace

// The files the windows write, as a user has them written: the example calculated, its graph open with
// the details on, in a folder of old files with the settings' own, among the special entries of
// Prepara().
class TstScritture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparaScritture(); } // as the program does: a write over the limit fails, no more

    void scrittori_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("nome");      // given to the file dialog
        QTest::addColumn<QString>("messaggio"); // %1 the path given, %2 the folder; none: no message
        QTest::addColumn<QString>("bersaglio"); // the file written through the name, if any
        const auto riga = [](const QString& caso, const char* comando, const QString& nome,
                             const QString& motivo, const QString& bersaglio = {}) {
            const QString salva =
                comando == QByteArray("impostazioni") ? "le impostazioni nel file" : "il file";
            QTest::newRow(qPrintable(caso))
                << comando << nome
                << (motivo.isEmpty() ? "" : "Impossibile salvare " + salva + " «%1»: " + motivo + '.')
                << bersaglio;
        };
        for (const auto& [comando, vecchio] : Scrittori) {
            riga("limite, " + vecchio, comando, vecchio,
                 "il file supera la dimensione massima che il sistema permette di scrivere");
            riga("disco pieno, " + vecchio, comando, "pieno/" + vecchio, "il disco è pieno");
        }
        riga("socket", "mnuEsportaDati", "presa.csv", "è un socket, non un file: non vi si scrive");
        riga("collegamento, proprietario e modo", "mnuEsportaImmagine", "collegamento.png", {},
             "vecchio.png");
        riga("collegamento a una cartella mancante", "mnuEsportaDati", "rotto.csv",
             "è un collegamento a «%2/manca/x.csv», ma la cartella «%2/manca» non esiste");
        riga("nome lungo", "Save", QString(300, 'a') + ".vla",
             "il nome è lungo 304 byte, più dei 255 che il sistema permette");
        riga("FIFO senza lettore, attesa annullata", "mnuEsportaDati", "tubo.csv", {});
        riga("dispositivo", "mnuEsportaImmagine", "nulla.svg", {});
        riga("annullata", "mnuEsportaImmagine", "vecchio.png", {});
    }
    void scrittori() {
        QFETCH(QString, comando);
        QFETCH(QString, nome);
        QFETCH(QString, messaggio);
        QFETCH(QString, bersaglio);
        const QString tag = QTest::currentDataTag();
        Banco banco;
        const QString cartella = banco.cartella.path();
        QStringList vecchi;
        for (const auto& [scrittore, vecchio] : Scrittori)
            vecchi << vecchio;
        Prepara(cartella, vecchi);
        const bool pieno = nome.startsWith(QLatin1String("pieno/"));
        const DiscoPieno disco(cartella + "/pieno", pieno ? vecchi : QStringList());
        if (pieno && !disco.Pronto())
            QSKIP("a full disk of its own needs the super-user");

        banco.CalcolaEsempio();
        banco.Premi("Grafico");
        qobject_cast<frmGrafico*>(banco.Finestra("frmGrafico"))
            ->Azione(ComandoGrafico::AggiungiParticolari)
            ->trigger();
        const QString percorso = cartella + '/' + nome;
        if (comando == QLatin1String("impostazioni")) // the store in the row's folder
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                               QFileInfo(QFileInfo(percorso).path()).path());
        const auto prima = Voci(cartella);
        banco.dialoghi.nomiFile = {percorso};
        banco.dialoghi.annullaDopo = {tag.startsWith(QLatin1String("FIFO senza")) ? 3
                                      : tag == "annullata"                        ? 0
                                                                                  : -1};
        const rlim_t limite = LimitaFile(tag.startsWith(QLatin1String("limite")) ? 8 : RLIM_INFINITY);
        if (comando == QLatin1String("impostazioni"))
            banco.finestra->close();
        else
            banco.Premi(qPrintable(comando));
        LimitaFile(limite);

        QCOMPARE(banco.dialoghi.Messaggi(),
                 messaggio.isEmpty() ? QStringList()
                                     : QStringList{messaggio.arg(percorso).replace("%2", cartella)});
        RestaTutto(prima, cartella, bersaglio);
        QFile scritto(cartella + '/' + bersaglio);
        QVERIFY(bersaglio.isEmpty() || (scritto.open(QIODevice::ReadOnly) && scritto.read(4) == "\x89PNG"));
    }

    // A motion that the graph cannot draw at any scale: its picture is refused before any question.
    void nonDisegnabile() {
        Banco banco;
        banco.programma.SistemaCorrente = 4; // Stot, Vm, A
        banco.Assegna({0, 0, 1e-300, 0, 0, 0, 1e-150, 1});
        for (const char* comando : {"SceltaSistema", "Calcolo", "Grafico"})
            banco.Premi(comando);
        banco.dialoghi.chiamate.clear();
        banco.Premi("mnuEsportaImmagine");
        QCOMPARE(banco.Chiamate() + ' ' + banco.dialoghi.Messaggi().join(""),
                 "Messaggio Velantra Impossibile esportare l'immagine: il grafico di questo moto non si può "
                 "disegnare a questa scala.");
    }
};
REGISTRA_COLLAUDO(TstScritture);
#include "tst_Scritture.moc"
