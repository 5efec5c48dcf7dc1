#include "ComandiEsportazione.h"

#include "DatiProfilo.h"
#include "Dialoghi.h"
#include "Esportazione.h"
#include "FileSicuri.h"
#include "FinestreFiglie.h"
#include "GraficiLeggi.h"
#include "ImmagineGrafico.h"
#include "LeggeMoto.h"
#include "NumeriRegionali.h"
#include "Relazione.h"
#include "RichiestaImmagine.h"
#include "Salvataggio.h"
#include "Simulazione.h"
#include "TabellaLeggi.h"
#include "frmDimensionamento.h"
#include "frmGrafico.h"
#include "frmLeggi.h"

#include <QFileInfo>
#include <QIODevice>
#include <QImage>
#include <QPointer>

namespace {
// The file's name alone: a whole path would widen the progress dialog past the screen.
QString Scrittura(const QString& percorso) {
    return QStringLiteral("Scrittura di «%1»...").arg(PercorsoMostrato(QFileInfo(percorso).fileName()));
}
} // namespace

void ComandiEsportazione::EsportaTabella() {
    SalvaConNome(dialoghi, figlie, FiltriTabella,
                 [this](const QString& percorso) { return EsportaTabella(percorso); });
}

void ComandiEsportazione::EsportaGrafico() {
    SalvaConNome(dialoghi, figlie, FiltriGrafico,
                 [this](const QString& percorso) { return EsportaGrafico(percorso); });
}

bool ComandiEsportazione::EsportaTabella(const QString& percorso) {
    return EsitoScrittura(dialoghi, percorso,
                          ScriviFile(percorso, TestoTabella(simulazione.Moto()).toLatin1()));
}

bool ComandiEsportazione::EsportaGrafico(const QString& percorso) {
    auto* aperta = figlie.Aperta<frmGrafico>();
    frmGrafico& grafico = aperta ? *aperta : figlie.ApriGrafico();
    // Opaque: a bitmap with an alpha channel is not one that every viewer reads.
    const QImage immagine = grafico.ImmaginePiano().convertToFormat(QImage::Format_RGB32);
    return EsitoScrittura(dialoghi, percorso,
                          ScriviFile(percorso, [&](QIODevice& file) { return immagine.save(&file, "BMP"); }));
}

void ComandiEsportazione::EsportaImmagineGrafico(const RichiestaImmagine& richiesta) {
    const QPointer<QObject>& grafico = richiesta.fonte;
    if (!grafico)
        return;
    if (!ImmagineDisegnabile(richiesta.grafico, richiesta.misura)) {
        dialoghi.Messaggio(QStringLiteral("Impossibile esportare l'immagine: %1.").arg(MotivoNonDisegnabile));
        return;
    }
    QString filtro;
    const QString percorso = dialoghi.NomeFileSalva(TitoloEsportaImmagine, FiltriImmagine, &filtro);
    if (percorso.isEmpty() || !grafico)
        return;
    // A name that says png, svg or pdf gets what it says; otherwise the filter decides.
    const qsizetype scelto = FiltriImmagine.indexOf(filtro);
    const FormatoImmagine formato =
        FormatoImmagineDi(percorso).value_or(scelto > 0 ? FormatoImmagine(scelto) : FormatoImmagine::Png);
    const auto misura = dialoghi.Dimensione(TitoloDimensione, richiesta.misura);
    if (!misura || !grafico)
        return;
    const auto avanzamento = dialoghi.Avanza(TitoloEsportaImmagine, Scrittura(percorso));
    EsitoScrittura(dialoghi, percorso,
                   EsportaImmagine(percorso, formato, richiesta.grafico, *misura, avanzamento.get()));
}

void ComandiEsportazione::EsportaDatiGrafico() {
    if (!simulazione.Calcolata()) { // the record's values no longer make the motion last calculated
        dialoghi.Messaggio(QStringLiteral("Impossibile esportare i dati: nessun moto calcolato."));
        return;
    }
    if (simulazione.Asse() && !simulazione.Dimensionato()) { // the sizing window says why
        dialoghi.Messaggio(
            QStringLiteral("Impossibile esportare i dati: il moto calcolato non si può dimensionare."));
        return;
    }
    const LeggeMoto legge(simulazione.Moto());
    const std::vector<ColonnaCsv> colonne = ColonneSimulazione(legge, simulazione);
    const std::optional<PassoCsv> passo = PassoPredefinito(legge.Durata());
    if (!passo) {
        dialoghi.Messaggio(
            QStringLiteral("Impossibile esportare i dati: nessun passo di tempo divide la durata "
                           "del moto, %1 sec, in righe di valori distinti.")
                .arg(TestoValore(legge.Durata())));
        return;
    }
    QString filtro;
    const QString percorso = dialoghi.NomeFileSalva(TitoloDati(*passo), FiltriDati, &filtro);
    if (percorso.isEmpty())
        return;
    const FormaCsv forma = filtro == FiltriDati.value(1) ? FormaCsv::Regionale : FormaCsv::Standard;
    const auto avanzamento = dialoghi.Avanza(TitoloEsportaDati, Scrittura(percorso));
    EsitoScrittura(
        dialoghi, percorso,
        ScriviFile(
            percorso,
            [&](QIODevice& file) { return ScriviCsv(file, legge.Durata(), *passo, colonne, forma); },
            avanzamento.get()));
}

void ComandiEsportazione::EsportaDatiLeggi() {
    const QPointer<frmLeggi> finestra = figlie.Aperta<frmLeggi>();
    if (!finestra)
        return;
    if (!finestra->Confronto()) { // the window says why
        dialoghi.Messaggio(
            QStringLiteral("Impossibile esportare i dati: nessuna tabella delle leggi di moto."));
        return;
    }
    QString filtro;
    const QString percorso = dialoghi.NomeFileSalva(TitoloEsportaDati, FiltriLeggi, &filtro);
    if (percorso.isEmpty() || !finestra || !finestra->Confronto())
        return;
    // The document the table comes from is no place for it.
    if (const auto motivo = SovrascriveIngresso(simulazione.Documento(), percorso)) {
        EsitoScrittura(dialoghi, percorso, motivo);
        return;
    }
    const ConfrontoLeggi confronto = *finestra->Confronto();
    if (filtro != FiltriLeggi.value(1)) {
        EsitoScrittura(dialoghi, percorso,
                       ScriviFile(percorso, QByteArray::fromStdString(CsvConfronto(confronto))));
        return;
    }
    const std::vector<int> leggi = finestra->Spuntate();
    const double durata = DurataLeggi(confronto, leggi);
    const std::optional<PassoCsv> passo = PassoPredefinito(durata);
    if (leggi.empty() || !passo) {
        dialoghi.Messaggio(leggi.empty()
                               ? QStringLiteral("Impossibile esportare le curve: nessuna legge spuntata.")
                               : QStringLiteral("Impossibile esportare le curve: nessun passo di tempo "
                                                "divide la durata, %1 sec, in righe di valori distinti.")
                                     .arg(TestoValore(durata)));
        return;
    }
    const CurveLeggiCsv curve(confronto, leggi);
    const auto avanzamento = dialoghi.Avanza(TitoloEsportaDati, Scrittura(percorso));
    EsitoScrittura(dialoghi, percorso,
                   ScriviFile(
                       percorso,
                       [&](QIODevice& file) {
                           return ScriviCsv(file, durata, *passo, curve.colonne, FormaCsv::Standard);
                       },
                       avanzamento.get()));
}

void ComandiEsportazione::EsportaRelazione() {
    QString filtro;
    const QString percorso = dialoghi.NomeFileSalva(TitoloEsportaRelazione, FiltriRelazione, &filtro);
    if (percorso.isEmpty())
        return;
    const FormatoRelazione formato = FormatoRelazioneDi(percorso).value_or(
        filtro == FiltriRelazione.value(1) ? FormatoRelazione::Testo : FormatoRelazione::Pdf);
    // As the document: with the sizing data last taken, a value the window could not take said after.
    const bool dimensionabile = !simulazione.Asse() || simulazione.Dimensionato();
    if (EsitoScrittura(dialoghi, percorso,
                       dimensionabile
                           ? Relazione(simulazione, intestazione).Scrivi(percorso, formato)
                           : std::optional(QStringLiteral("il moto calcolato non si può dimensionare"))))
        AvvisaDimensionamento(dialoghi, percorso, DifettoDimensionamento(figlie),
                              simulazione.Asse().has_value());
}
