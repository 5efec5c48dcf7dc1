#include "Esportazione.h"

#include "DatiProfilo.h"
#include "DettagliAsse.h"
#include "Dialoghi.h"
#include "Dimensionamento.h"
#include "FileSicuri.h"
#include "FinestreFiglie.h"
#include "ImmagineGrafico.h"
#include "LeggeMoto.h"
#include "ModelloGrafico.h"
#include "NumeriRegionali.h"
#include "Salvataggio.h"
#include "Sistemi.h"
#include "TabellaGrandezze.h"
#include "frmGrafico.h"

#include <QFileInfo>
#include <QIODevice>
#include <QImage>
#include <QPointer>
#include <algorithm>
#include <iterator>

namespace {
// The file's name alone: a whole path would widen the progress dialog past the screen.
QString Scrittura(const QString& percorso) {
    return QStringLiteral("Scrittura di «%1»...").arg(PercorsoMostrato(QFileInfo(percorso).fileName()));
}
} // namespace

QString TitoloDati(const PassoCsv& passo) {
    QString testo = QString::fromStdString(passo.Testo());
    testo.replace(QLatin1Char('.'), QLatin1Char(SeparatoreDecimale()));
    return QStringLiteral("%1: una riga ogni %2 s").arg(TitoloEsportaDati, testo);
}

QString TestoTabella(const Velantra& Moto) {
    QString testo;
    for (size_t i = 0; i < VociTabella.size(); ++i)
        testo += QLatin1String(VociTabella[i].Etichetta) + TestoValore(Moto.*Grandezze[i].Membro) +
                 QLatin1Char(' ') + QLatin1String(Grandezze[i].Unita) + QLatin1String("\r\n");
    return testo;
}

void Esportazione::EsportaTabella() {
    SalvaConNome(dialoghi, figlie, FiltriTabella,
                 [this](const QString& percorso) { return EsportaTabella(percorso); });
}

void Esportazione::EsportaGrafico() {
    SalvaConNome(dialoghi, figlie, FiltriGrafico,
                 [this](const QString& percorso) { return EsportaGrafico(percorso); });
}

bool Esportazione::EsportaTabella(const QString& percorso) {
    return EsitoScrittura(dialoghi, percorso, ScriviFile(percorso, TestoTabella(Moto).toLatin1()));
}

bool Esportazione::EsportaGrafico(const QString& percorso) {
    auto* aperta = figlie.Aperta<frmGrafico>();
    frmGrafico& grafico = aperta ? *aperta : figlie.ApriGrafico();
    // Opaque: a bitmap with an alpha channel is not one that every viewer reads.
    const QImage immagine = grafico.ImmaginePiano().convertToFormat(QImage::Format_RGB32);
    return EsitoScrittura(dialoghi, percorso,
                          ScriviFile(percorso, [&](QIODevice& file) { return immagine.save(&file, "BMP"); }));
}

void Esportazione::EsportaImmagineGrafico() {
    const QPointer<frmGrafico> grafico = figlie.Aperta<frmGrafico>();
    if (!grafico)
        return;
    if (!ImmagineDisegnabile(grafico->Dati(), grafico->MisuraImmagine())) {
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
    const auto misura = dialoghi.Dimensione(TitoloDimensione, grafico->MisuraImmagine());
    if (!misura || !grafico)
        return;
    const auto avanzamento = dialoghi.Avanza(TitoloEsportaImmagine, Scrittura(percorso));
    EsitoScrittura(dialoghi, percorso,
                   EsportaImmagine(percorso, formato, grafico->Dati(), *misura, avanzamento.get()));
}

void Esportazione::EsportaDatiGrafico(const DatiAsse* asse) {
    const LeggeMoto legge(Moto);
    std::vector<ColonnaCsv> colonne = ColonneMoto(legge);
    if (const auto dimensionamento = asse ? Dimensiona(Moto, *asse) : std::nullopt)
        std::ranges::move(ColonneAsse(*dimensionamento), std::back_inserter(colonne));
    else if (asse) { // the sizing window says why; the file would lack its columns
        dialoghi.Messaggio(
            QStringLiteral("Impossibile esportare i dati: il moto calcolato non si può dimensionare."));
        return;
    }
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
