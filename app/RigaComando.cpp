#include "RigaComando.h"

#include "Avvio.h"
#include "CatalogoMotori.h"
#include "ConfrontoLeggi.h"
#include "Documenti.h"
#include "Esportazione.h"
#include "FileSicuri.h"
#include "ImmagineGrafico.h"
#include "LeggeMoto.h"
#include "NumeriRegionali.h"
#include "Relazione.h"
#include "Simulazione.h"
#include "TabellaLeggi.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

enum Uscita { Riuscito = 0, Fallito = 1, RigaErrata = 2 };

const char* const Guida = R"(Uso: velantra [FILE.vla]
     velantra --esporta FILE.vla USCITA
     velantra --relazione FILE.vla RELAZIONE
     velantra --leggi FILE.vla TABELLA [--jerk J]
     velantra --motori CATALOGO.csv FILE.vla

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
                                  relazione: .pdf (pagine A4, con il grafico) o .txt
                                  (testo UTF-8)
  -l, --leggi FILE.vla TABELLA    legge la simulazione, la calcola e ne scrive il confronto
                                  delle leggi di moto: .csv (RFC 4180) o .txt (colonne
                                  allineate, decimali del sistema)
  -j, --jerk J                    con --leggi, il jerk J della legge a jerk limitato in
                                  m/sec^3 (con punto o virgola). Senza: quello salvato
                                  nella simulazione, o 4·|A|/T1
  -m, --motori CATALOGO.csv FILE.vla
                                  legge la simulazione, la calcola e scrive su standard
                                  output i motori del catalogo verificati sull'asse,
                                  separati da tabulazioni: prima gli adatti, poi gli
                                  altri, poi le righe del catalogo illeggibili
  -h, --help                      mostra questa guida
  -v, --version                   mostra la versione

Stato di uscita: 0 riuscito, 1 non riuscito (il motivo su standard error),
2 riga di comando errata.
)";

const QString Suggerimento = QStringLiteral("\nPer l'elenco delle opzioni: velantra --help");

int Scrivi(FILE* flusso, const QString& testo, int stato) {
    std::fputs(testo.toUtf8().constData(), flusso);
    return stato;
}

int Errore(const QString& messaggio, int stato = Fallito) {
    return Scrivi(stderr, QStringLiteral("velantra: %1\n").arg(messaggio), stato);
}

// The arguments as given: a name that is not UTF-8 keeps its bytes.
QStringList Argomenti(int argc, char** argv) {
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti << NomeDaByte(QByteArray(argv[i]));
    return argomenti;
}

// The options QGuiApplication and QApplication take for themselves (with one or two dashes), followed
// by a value or not: the GUI application object applies and removes them, the rest is ours.
const QStringList OpzioniQtConValore = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
    QStringLiteral("display"),         QStringLiteral("geometry"),
    QStringLiteral("style"),           QStringLiteral("stylesheet")};
const QStringList OpzioniQt = {QStringLiteral("reverse"), QStringLiteral("widgetcount")};

QStringList SenzaOpzioniQt(const QStringList& argomenti) {
    QStringList nostri;
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a == QLatin1String("--")) { // what follows is no option
            nostri << argomenti.mid(i);
            break;
        }
        const QString nome = a.startsWith(QLatin1String("--")) ? a.mid(2)
                             : a.startsWith('-')               ? a.mid(1)
                                                               : QString();
        if (OpzioniQtConValore.contains(nome.section('=', 0, 0)))
            i += nome.contains('=') ? 0 : 1;
        else if (!OpzioniQt.contains(nome))
            nostri << a;
    }
    return nostri;
}

bool Immagine(const QString& uscita) {
    return FormatoImmagineDi(uscita).has_value();
}

bool Csv(const QString& uscita) {
    return QFileInfo(uscita).suffix().toLower() == QLatin1String("csv");
}

QString Numero(double valore) {
    return QLocale().toString(valore, 'g', 6);
}

// Reads the document, calculates it as "Calcolo" does and writes `uscita`: a CSV on `passo`, or on the
// default step when none is given.
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
    Simulazione simulazione;
    if (const auto messaggio = CalcolaDocumento(documento, simulazione))
        return Errore(*messaggio);

    std::optional<QString> motivo;
    if (Immagine(uscita)) {
        motivo = ScriviImmagineGrafico(uscita, *FormatoImmagineDi(uscita), simulazione);
    } else if (formato == QLatin1String("csv")) {
        const LeggeMoto legge(simulazione.Moto());
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
        const std::vector<ColonnaCsv> colonne = ColonneSimulazione(legge, simulazione);
        motivo = ScriviFile(uscita, [&](QIODevice& destinazione) {
            return ScriviCsv(destinazione, legge.Durata(), *passo, colonne, FormaCsv::Standard);
        });
    } else
        motivo = ScriviFile(uscita, TestoTabella(simulazione.Moto()).toLatin1());
    if (motivo)
        return Errore(QStringLiteral("Impossibile salvare il file «%1»: %2.").arg(file, *motivo));
    return Riuscito;
}

// Reads the document, calculates it as "Calcolo" does and writes its laws compared, with the jerk
// given, else the document's, else the default.
int ScriviLeggi(const RigaComando& riga) {
    const QString& uscita = riga.uscita;
    const bool csv = Csv(uscita);
    const auto nonScritto = [&](const QString& motivo) {
        return Errore(QStringLiteral("Impossibile scrivere le leggi di moto nel file «%1»: %2.")
                          .arg(PercorsoMostrato(uscita), motivo));
    };
    if (!csv && QFileInfo(uscita).suffix().toLower() != QLatin1String("txt"))
        return nonScritto(QStringLiteral("l'estensione non indica un formato noto (.csv, .txt)"));
    if (const auto motivo = SovrascriveIngresso(riga.documento, uscita))
        return nonScritto(*motivo);
    Simulazione simulazione;
    if (const auto messaggio = CalcolaDocumento(riga.documento, simulazione))
        return Errore(*messaggio);
    const double jerk = riga.jerk.value_or(simulazione.Jerk().value_or(JerkPredefinito(simulazione.Moto())));
    const EsitoConfronto esito = ConfrontaLeggi(simulazione.Moto(), simulazione.Asse(), jerk);
    if (!esito.Confronto)
        return Errore(QStringLiteral("Impossibile confrontare le leggi di moto del file «%1»: %2.")
                          .arg(PercorsoMostrato(riga.documento), QString::fromStdString(esito.Motivo)));
    std::string testo = csv ? CsvConfronto(*esito.Confronto) : std::string();
    if (!csv)
        for (const std::string& linea : RigheConfronto(*esito.Confronto, SeparatoreDecimale()))
            testo += linea + "\r\n";
    if (const auto motivo = ScriviFile(uscita, QByteArray::fromStdString(testo)))
        return Errore(
            QStringLiteral("Impossibile salvare il file «%1»: %2.").arg(PercorsoMostrato(uscita), *motivo));
    return Riuscito;
}

// A catalogue is a few lines per motor: a file this large is no catalogue.
constexpr qint64 MassimoCatalogo = 64 * 1024 * 1024;

// The motors of a catalogue ranked for the document's axis, as a table on standard output.
int Motori(const QString& catalogo, const QString& documento) {
    const auto nonLetto = [&](const QString& motivo) {
        return Errore(QStringLiteral("Impossibile usare il catalogo «%1»: %2.")
                          .arg(PercorsoMostrato(catalogo), motivo));
    };
    const FileLetto file = LeggiFile(catalogo, MassimoCatalogo);
    if (!file.contenuto)
        return nonLetto(file.motivo);
    if (file.contenuto->size() > MassimoCatalogo)
        return nonLetto(QStringLiteral("il file è troppo grande per un catalogo"));
    const QByteArray& testo = *file.contenuto;
    const EsitoCatalogo letto = LeggiCatalogo(std::string_view(testo.constData(), size_t(testo.size())));
    if (!letto.Letto)
        return nonLetto(QString::fromStdString(letto.Motivo));
    Simulazione simulazione;
    if (const auto messaggio = CalcolaDocumento(documento, simulazione))
        return Errore(*messaggio);
    if (!simulazione.Asse())
        return Errore(QStringLiteral("la simulazione «%1» non ha i dati del dimensionamento dell'asse.")
                          .arg(PercorsoMostrato(documento)));
    const EsitoClassifica fatta = ClassificaMotori(*letto.Letto, simulazione.Moto(), *simulazione.Asse());
    if (!fatta.Fatta)
        return nonLetto(QString::fromStdString(fatta.Motivo));
    const std::string tabella = TestoClassifica(*fatta.Fatta);
    std::fwrite(tabella.data(), 1, tabella.size(), stdout);
    return std::fflush(stdout) == 0 ? Riuscito
                                    : Errore(QStringLiteral("impossibile scrivere su standard output."));
}

RigaComando Errata(const QString& errore) {
    RigaComando errata;
    errata.compito = RigaComando::Compito::Errata;
    errata.errore = errore;
    return errata;
}

int ScriviRelazione(const RigaComando& riga) {
    const auto messaggio = RelazioneDaDocumento(riga.documento, riga.uscita);
    return messaggio ? Errore(*messaggio) : Riuscito;
}

// The tasks an option names, in the order they win when more are given: the option, whether it takes a
// document and an output, whether it needs a GUI application object for that output (to draw a picture;
// text alone starts faster without one, which a script running it often notices), and the task itself.
struct OpzioneCompito {
    RigaComando::Compito compito;
    const char* breve;
    const char* lunga;
    bool file;
    const char* argomenti; // the two files it takes, in words
    bool (*grafica)(const QString& uscita);
    int (*esegui)(const RigaComando& riga);
};
constexpr const char* DocumentoEUscita = "la simulazione da leggere e il file da scrivere";
const OpzioneCompito Compiti[] = {
    {RigaComando::Compito::Aiuto, "h", "help", false, "", nullptr,
     [](const RigaComando&) { return Scrivi(stdout, QString::fromUtf8(Guida), Riuscito); }},
    {RigaComando::Compito::Versione, "v", "version", false, "", nullptr,
     [](const RigaComando&) {
         return Scrivi(stdout,
                       QStringLiteral("Velantra dei moti %1\n").arg(QStringLiteral(VELANTRA_VERSIONE)),
                       Riuscito);
     }},
    {RigaComando::Compito::Esporta, "e", "esporta", true, DocumentoEUscita, Immagine,
     [](const RigaComando& riga) { return Esporta(riga.documento, riga.uscita, riga.passo); }},
    {RigaComando::Compito::Relazione, "r", "relazione", true, DocumentoEUscita,
     [](const QString& uscita) { return FormatoRelazioneDi(uscita) == FormatoRelazione::Pdf; },
     ScriviRelazione},
    {RigaComando::Compito::Leggi, "l", "leggi", true, DocumentoEUscita, nullptr, ScriviLeggi},
    // The catalogue comes first, in `documento`; the simulation second, in `uscita`.
    {RigaComando::Compito::Motori, "m", "motori", true, "il catalogo dei motori e la simulazione da leggere",
     nullptr, [](const RigaComando& riga) { return Motori(riga.documento, riga.uscita); }},
};

const OpzioneCompito* CompitoDi(RigaComando::Compito compito) {
    for (const OpzioneCompito& voce : Compiti)
        if (voce.compito == compito)
            return &voce;
    return nullptr;
}

// The line without its first word, Qt's options taken out.
RigaComando Interpreta(const QStringList& argomenti) {
    QCommandLineParser riga;
    const QCommandLineOption intervallo{
        {QStringLiteral("i"), QStringLiteral("intervallo")}, QString(), QStringLiteral("SECONDI")};
    riga.addOption(intervallo);
    const QCommandLineOption jerk{
        {QStringLiteral("j"), QStringLiteral("jerk")}, QString(), QStringLiteral("J")};
    riga.addOption(jerk);
    for (const OpzioneCompito& voce : Compiti)
        riga.addOption(QCommandLineOption(QStringList{QLatin1String(voce.breve), QLatin1String(voce.lunga)}));
    if (!riga.parse(argomenti)) {
        const QString sconosciuta = riga.unknownOptionNames().value(0);
        if (!sconosciuta.isEmpty())
            return Errata(QStringLiteral("opzione sconosciuta «%1%2».")
                              .arg(QLatin1String(sconosciuta.size() == 1 ? "-" : "--"), sconosciuta) +
                          Suggerimento);
        const auto manca = [&riga](const char* breve, const char* lunga) {
            return riga.errorText().contains(QStringLiteral("'-%1'").arg(QLatin1String(breve))) ||
                   riga.errorText().contains(QStringLiteral("'--%1'").arg(QLatin1String(lunga)));
        };
        return Errata((manca("i", "intervallo") ? QStringLiteral("--intervallo vuole un numero di secondi.")
                       : manca("j", "jerk")     ? QStringLiteral("--jerk vuole un numero di m/sec^3.")
                                                : QStringLiteral("riga di comando non valida.")) +
                      Suggerimento);
    }
    const QStringList posizionali = riga.positionalArguments();
    RigaComando letta;
    letta.documento = posizionali.value(0);
    letta.uscita = posizionali.value(1);
    const auto scelta =
        std::find_if(std::begin(Compiti), std::end(Compiti),
                     [&riga](const OpzioneCompito& voce) { return riga.isSet(QLatin1String(voce.lunga)); });
    const bool compito = scelta != std::end(Compiti);
    if (compito && !scelta->file) {
        letta.compito = scelta->compito;
        return letta;
    }
    if (compito && posizionali.size() != 2)
        return Errata(QStringLiteral("--%1 vuole due argomenti: %2.")
                          .arg(QLatin1String(scelta->lunga), QString::fromUtf8(scelta->argomenti)) +
                      Suggerimento);
    if (riga.isSet(intervallo)) {
        if (!compito || scelta->compito != RigaComando::Compito::Esporta)
            return Errata(QStringLiteral("--intervallo vale solo con --esporta.") + Suggerimento);
        if (!Csv(letta.uscita))
            return Errata(QStringLiteral("--intervallo vale solo per un file .csv.") + Suggerimento);
        const QString testo = riga.value(intervallo);
        if (!(letta.passo = LeggiPasso(testo.toStdString())))
            return Errata(QStringLiteral("--intervallo vuole un numero di secondi maggiore di zero, "
                                         "come 0,01: «%1» non lo è.")
                              .arg(PercorsoMostrato(testo)));
    }
    if (riga.isSet(jerk)) {
        if (!compito || scelta->compito != RigaComando::Compito::Leggi)
            return Errata(QStringLiteral("--jerk vale solo con --leggi.") + Suggerimento);
        const std::string testo = riga.value(jerk).toStdString();
        letta.jerk = LeggiNumero(testo, '.');
        if (!letta.jerk)
            letta.jerk = LeggiNumero(testo, ',');
        if (!letta.jerk || !(*letta.jerk > 0) || !std::isfinite(*letta.jerk))
            return Errata(QStringLiteral("--jerk vuole un numero di m/sec^3 maggiore di zero, come 2,5: «%1» "
                                         "non lo è.")
                              .arg(PercorsoMostrato(riga.value(jerk))));
    }
    if (compito) {
        letta.compito = scelta->compito;
        return letta;
    }
    if (posizionali.size() > 1)
        return Errata(QStringLiteral("si apre una simulazione alla volta.") + Suggerimento);
    return letta;
}

} // namespace

RigaComando LeggiRigaComando(int argc, char** argv) {
    return Interpreta(SenzaOpzioniQt(Argomenti(argc, argv)));
}

bool RigaComando::Grafica() const {
    if (compito == Compito::Finestre)
        return true;
    const OpzioneCompito* voce = CompitoDi(compito);
    return voce && voce->grafica && voce->grafica(uscita);
}

int EseguiRigaComando(const RigaComando& riga, bool senzaSchermo) {
    if (riga.compito == RigaComando::Compito::Errata)
        return Errore(riga.errore, RigaErrata);
    if (const OpzioneCompito* voce = CompitoDi(riga.compito))
        return voce->esegui(riga);
    if (senzaSchermo)
        return Errore(
            QStringLiteral("nessuno schermo disponibile per aprire la finestra. Per esportare senza "
                           "finestre: velantra --esporta FILE.vla USCITA"));
    Avvio avvio;
    avvio.Documento = riga.documento;
    if (!Main(avvio))
        return Riuscito;
    return QCoreApplication::exec();
}
