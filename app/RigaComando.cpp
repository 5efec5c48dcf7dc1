#include "RigaComando.h"

#include "Avvio.h"
#include "DatiProfilo.h"
#include "DettagliAsse.h"
#include "Dimensionamento.h"
#include "Documenti.h"
#include "Esportazione.h"
#include "FileSicuri.h"
#include "ImmagineGrafico.h"
#include "LeggeMoto.h"
#include "Programma.h"
#include "Relazione.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <pwd.h>
#include <unistd.h>

namespace {

enum Uscita { Riuscito = 0, Fallito = 1, RigaErrata = 2 };

const char* const Guida = R"(Uso: velantra [FILE.vla]
     velantra --esporta FILE.vla USCITA
     velantra --relazione FILE.vla RELAZIONE

Velantra dei moti calcola, traccia e stampa la legge di moto di un asse con profilo di
velocità trapezoidale. Senza argomenti apre la finestra del programma; con FILE.vla la apre
con quella simulazione caricata.

Opzioni:
  -e, --esporta FILE.vla USCITA   legge la simulazione, la calcola e scrive USCITA senza
                                  aprire finestre; il formato segue l'estensione:
                                    .csv   i valori del moto: t, s, v, a
                                    .txt   la tabella dei risultati
                                    .png, .svg, .pdf   il grafico
  -i, --intervallo SECONDI        nel .csv, una riga ogni SECONDI (con punto o virgola);
                                  deve dare da 10 a 1000000 righe. Senza: 0,01 s, o il
                                  passo tondo che dà almeno 500 intervalli e al più
                                  50000 righe
  -r, --relazione FILE.vla RELAZIONE
                                  legge la simulazione, la calcola e ne scrive la
                                  relazione di una pagina: .pdf (A4, con il grafico)
                                  o .txt (testo UTF-8)
  -h, --help                      mostra questa guida
  -v, --version                   mostra la versione

Stato di uscita: 0 riuscito, 1 non riuscito (il motivo su standard error),
2 riga di comando errata.
)";

const QString Suggerimento = QStringLiteral("Per l'elenco delle opzioni: velantra --help");

int Scrivi(FILE* flusso, const QString& testo, int stato) {
    std::fputs(testo.toUtf8().constData(), flusso);
    return stato;
}

int Errore(const QString& messaggio, int stato = Fallito) {
    return Scrivi(stderr, QStringLiteral("velantra: %1\n").arg(messaggio), stato);
}

struct Opzioni {
    const QCommandLineOption esporta{QStringList{QStringLiteral("e"), QStringLiteral("esporta")}};
    const QCommandLineOption intervallo{QStringList{QStringLiteral("i"), QStringLiteral("intervallo")},
                                        QString(), QStringLiteral("SECONDI")};
    const QCommandLineOption aiuto{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    const QCommandLineOption versione{QStringList{QStringLiteral("v"), QStringLiteral("version")}};
    const QCommandLineOption relazione{QStringList{QStringLiteral("r"), QStringLiteral("relazione")}};

    bool Analizza(QCommandLineParser& riga, const QStringList& argomenti) const {
        riga.addOptions({esporta, intervallo, aiuto, versione, relazione});
        return riga.parse(argomenti);
    }
};

// The arguments as given: a name that is not UTF-8 keeps its bytes.
QStringList Argomenti(int argc, char** argv) {
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti << NomeDaByte(QByteArray(argv[i]));
    return argomenti;
}

bool Immagine(const QString& uscita) {
    return FormatoImmagineDi(uscita).has_value();
}

QString Numero(double valore) {
    return QLocale().toString(valore, 'g', 6);
}

// Reads the document, solves its system as "Calcolo" does and writes `uscita`: a CSV on `passo`, or
// on the default step when none is given.
int Esporta(const QString& documento, const QString& uscita, std::optional<PassoCsv> passo) {
    const QString formato = QFileInfo(uscita).suffix().toLower();
    const QString file = PercorsoMostrato(uscita);
    const auto nonEsportato = [&](const QString& motivo) {
        return Errore(QStringLiteral("Impossibile esportare nel file «%1»: %2.").arg(file, motivo));
    };
    if (formato != QLatin1String("csv") && formato != QLatin1String("txt") && !Immagine(uscita))
        return nonEsportato(
            QStringLiteral("l'estensione non indica un formato noto (.csv, .txt, .png, .svg, .pdf)"));
    if (const auto motivo = SovrascriveIngresso(documento, uscita))
        return nonEsportato(*motivo);
    Programma programma;
    if (const auto messaggio = CalcolaDocumento(documento, programma))
        return Errore(*messaggio);

    std::optional<QString> motivo;
    if (Immagine(uscita)) {
        motivo = ScriviImmagineGrafico(uscita, *FormatoImmagineDi(uscita), programma);
    } else if (formato == QLatin1String("csv")) {
        const LeggeMoto legge(programma.Moto);
        if (!passo && !(passo = PassoPredefinito(legge.Durata())))
            return nonEsportato(
                QStringLiteral("nessun passo di tempo divide la durata del moto, %1 sec, in righe "
                               "di valori distinti")
                    .arg(Numero(legge.Durata())));
        if (const int64_t righe = RigheCsv(legge.Durata(), *passo);
            righe < MinimoRigheCsv || righe > MassimoRigheCsv)
            return nonEsportato(
                QStringLiteral("una riga ogni %1 s di un moto di %2 sec darebbe %3 righe; il passo "
                               "deve darne da %4 a %5")
                    .arg(Numero(passo->Secondi()), Numero(legge.Durata()),
                         righe > MassimoRigheCsv ? QStringLiteral("più di %1").arg(MassimoRigheCsv)
                                                 : QString::number(righe))
                    .arg(MinimoRigheCsv)
                    .arg(MassimoRigheCsv));
        std::vector<ColonnaCsv> colonne = ColonneMoto(legge);
        if (const auto asse = programma.Asse ? Dimensiona(programma.Moto, *programma.Asse) : std::nullopt)
            std::ranges::move(ColonneAsse(*asse), std::back_inserter(colonne));
        motivo = ScriviFile(uscita, [&](QIODevice& destinazione) {
            return ScriviCsv(destinazione, legge.Durata(), *passo, colonne, FormaCsv::Standard);
        });
    } else
        motivo = ScriviFile(uscita, TestoTabella(programma.Moto).toLatin1());
    if (motivo)
        return Errore(QStringLiteral("Impossibile salvare il file «%1»: %2.").arg(file, *motivo));
    return Riuscito;
}

} // namespace

bool PreparaPiattaforma() {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const passwd* utente = getpwuid(geteuid());
        qputenv("XDG_RUNTIME_DIR",
                QFile::encodeName(QDir::tempPath()) + "/runtime-" +
                    (utente ? QByteArray(utente->pw_name) : QByteArray::number(geteuid())));
    }
    for (const char* variabile : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(variabile))
            return false;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

bool SoloTesto(int argc, char** argv) {
    const QStringList argomenti = Argomenti(argc, argv);
    QCommandLineParser riga;
    const Opzioni opzioni;
    // Not understood: perhaps Qt's own options, which only the GUI takes away.
    if (!opzioni.Analizza(riga, argomenti))
        return false;
    if (riga.isSet(opzioni.aiuto) || riga.isSet(opzioni.versione))
        return true;
    const QStringList posizionali = riga.positionalArguments();
    if (riga.isSet(opzioni.relazione)) // only the PDF page draws the graph
        return !(posizionali.size() == 2 &&
                 QFileInfo(posizionali[1]).suffix().toLower() == QLatin1String("pdf"));
    return riga.isSet(opzioni.esporta) && !(posizionali.size() == 2 && Immagine(posizionali[1]));
}

int EseguiRigaComando(int argc, char** argv, bool senzaSchermo) {
    QCommandLineParser riga;
    const Opzioni opzioni;
    const auto& [esporta, intervallo, aiuto, versione, relazione] = opzioni;
    if (!opzioni.Analizza(riga, Argomenti(argc, argv))) {
        const QString sconosciuta = riga.unknownOptionNames().value(0);
        const QString motivo =
            !sconosciuta.isEmpty()
                ? QStringLiteral("opzione sconosciuta «%1%2».")
                      .arg(QLatin1String(sconosciuta.size() == 1 ? "-" : "--"), sconosciuta)
            : riga.errorText().contains(QLatin1String("'-i'")) ||
                    riga.errorText().contains(QLatin1String("'--intervallo'"))
                ? QStringLiteral("--intervallo vuole un numero di secondi.")
                : QStringLiteral("riga di comando non valida.");
        return Errore(motivo + '\n' + Suggerimento, RigaErrata);
    }
    const QStringList argomenti = riga.positionalArguments();
    const auto dueArgomenti = [](const char* opzione) {
        return Errore(
            QStringLiteral("%1 vuole due argomenti: la simulazione da leggere e il file da scrivere.\n")
                    .arg(QLatin1String(opzione)) +
                Suggerimento,
            RigaErrata);
    };
    if (riga.isSet(aiuto))
        return Scrivi(stdout, QString::fromUtf8(Guida), Riuscito);
    if (riga.isSet(versione))
        return Scrivi(stdout, QStringLiteral("Velantra dei moti %1\n").arg(QStringLiteral(VELANTRA_VERSIONE)),
                      Riuscito);
    if (riga.isSet(esporta)) {
        if (argomenti.size() != 2)
            return dueArgomenti("--esporta");
        std::optional<PassoCsv> passo;
        if (riga.isSet(intervallo)) {
            const QString testo = riga.value(intervallo);
            if (QFileInfo(argomenti[1]).suffix().toLower() != QLatin1String("csv"))
                return Errore(QStringLiteral("--intervallo vale solo per un file .csv.\n") + Suggerimento,
                              RigaErrata);
            if (!(passo = LeggiPasso(testo.toStdString())))
                return Errore(
                    QStringLiteral("--intervallo vuole un numero di secondi maggiore di zero, come 0,01: "
                                   "«%1» non lo è.")
                        .arg(PercorsoMostrato(testo)),
                    RigaErrata);
        }
        return Esporta(argomenti[0], argomenti[1], passo);
    }
    if (riga.isSet(intervallo))
        return Errore(QStringLiteral("--intervallo vale solo con --esporta.\n") + Suggerimento, RigaErrata);
    if (riga.isSet(relazione)) {
        if (argomenti.size() != 2)
            return dueArgomenti("--relazione");
        const auto messaggio = RelazioneDaDocumento(argomenti[0], argomenti[1]);
        return messaggio ? Errore(*messaggio) : Riuscito;
    }
    if (argomenti.size() > 1)
        return Errore(QStringLiteral("si apre una simulazione alla volta.\n") + Suggerimento, RigaErrata);
    if (senzaSchermo)
        return Errore(
            QStringLiteral("nessuno schermo disponibile per aprire la finestra. Per esportare senza "
                           "finestre: velantra --esporta FILE.vla USCITA"));
    Avvio avvio;
    avvio.Documento = argomenti.value(0);
    if (!Main(avvio))
        return Riuscito;
    return QCoreApplication::exec();
}
