#include "Documenti.h"

#include "Campionamento.h"
#include "Dialoghi.h"
#include "Documento.h"
#include "FileSicuri.h"
#include "FinestreFiglie.h"
#include "Programma.h"
#include "Salvataggio.h"
#include "Sistemi.h"
#include "SpiegazioneMoto.h"
#include "VerificaMoto.h"
#include "frmDimensionamento.h"
#include "frmInserimentoDati.h"

#include <cmath>

void Documenti::Apri() {
    const QString percorso = dialoghi.NomeFileApri(TitoloApri, FiltriSimulazione);
    if (!percorso.isEmpty())
        CaricaSimulazione(percorso);
}

void Documenti::SalvaConNome() {
    ::SalvaConNome(dialoghi, figlie, FiltriSimulazione,
                   [this](const QString& percorso) { return SalvaSimulazione(percorso); });
}

bool Documenti::SalvaSimulazione(const QString& percorso) {
    if (auto* inserimento = figlie.Aperta<frmInserimentoDati>())
        if (const int illeggibile = inserimento->LeggiDatiImmessi(); illeggibile >= 0)
            return EsitoScrittura(dialoghi, percorso,
                                  QStringLiteral("il valore di %1 non è un numero valido")
                                      .arg(QString::fromLatin1(Grandezze[illeggibile].Nome)));
    // A value of the sizing window that cannot be taken would be silently left out of the file.
    if (const QString difetto = DifettoDimensionamento(figlie); !difetto.isEmpty())
        return EsitoScrittura(dialoghi, percorso, difetto);
    // What a failed solve left undefined or infinite is written as 0, which any reader takes back: the
    // combination and the typed values are kept.
    Velantra moto = programma.Moto;
    for (const Grandezza& g : Grandezze)
        if (!std::isfinite(moto.*g.Membro))
            moto.*g.Membro = 0;
    const auto riga = ScriviDocumento(programma.SistemaCorrente, moto, programma.Asse);
    if (!riga)
        return EsitoScrittura(dialoghi, percorso,
                              QStringLiteral("i dati del dimensionamento non sono validi"));
    return EsitoScrittura(dialoghi, percorso, ScriviFile(percorso, QByteArray::fromStdString(*riga)));
}

SimulazioneLetta LeggiSimulazione(const QString& percorso) {
    const FileLetto file = LeggiFile(percorso, DimensioneMassimaDocumento);
    if (!file.contenuto)
        return {std::nullopt, QStringLiteral("Impossibile aprire il file «%1»: %2.")
                                  .arg(PercorsoMostrato(percorso), file.motivo)};
    EsitoLettura letto = file.contenuto->size() > DimensioneMassimaDocumento
                             ? EsitoLettura{std::nullopt, "è troppo grande"}
                             : LeggiDocumento(file.contenuto->toStdString());
    if (!letto.dati)
        return {std::nullopt, QStringLiteral("Il file «%1» non è una simulazione di Velantra: %2.")
                                  .arg(PercorsoMostrato(percorso), QString::fromStdString(letto.motivo))};
    return {std::move(letto.dati), {}};
}

bool Documenti::CaricaSimulazione(const QString& percorso) {
    return dialoghi.Conferma(DomandaNuovaSimulazione) && Carica(percorso);
}

bool Documenti::Carica(const QString& percorso) {
    const SimulazioneLetta letta = LeggiSimulazione(percorso);
    if (!letta.dati) {
        dialoghi.Messaggio(letta.messaggio);
        return false;
    }
    // The children close first: the data-entry window copies its values as it closes.
    figlie.ChiudiFinestre();
    programma.PuntiGrafico.Vuota();
    programma.SistemaCorrente = letta.dati->Sistema;
    programma.Moto = letta.dati->Moto; // all eight quantities, the calculation not done
    programma.Asse = letta.dati->Asse;
    figlie.ApriInserimentoDati();
    abilitaComandi(StatoComandi::Letto);
    return true;
}

namespace {
constexpr const char* NonDimensionabile =
    "il moto calcolato non si può dimensionare: forze o coppie dell'asse "
    "andrebbero oltre i numeri del programma (doppia precisione)";
} // namespace

std::optional<QString> CalcolaDocumento(const QString& documento, Programma& programma) {
    const SimulazioneLetta letta = LeggiSimulazione(documento);
    if (!letta.dati)
        return letta.messaggio;
    programma.SistemaCorrente = letta.dati->Sistema;
    programma.Moto = letta.dati->Moto;
    programma.Asse = letta.dati->Asse;
    const auto nonCalcolato = [&](const char* motivo, bool spiega) {
        QString testo = QStringLiteral("Impossibile calcolare la simulazione del file «%1»: %2.")
                            .arg(PercorsoMostrato(documento), QString::fromUtf8(motivo));
        for (const QString& frase :
             spiega ? SpiegazioneMoto(programma.SistemaCorrente, programma.Moto) : QStringList())
            testo += QLatin1Char('\n') + frase;
        return std::optional(testo);
    };
    if (!SistemaValido(programma.SistemaCorrente))
        return nonCalcolato("non indica quali grandezze sono note", false);
    if (!Calcola(programma))
        return nonCalcolato("il calcolo non è riuscito, controllare i valori", true);
    if (!VerificaMoto(programma.Moto).empty())
        return nonCalcolato("i valori calcolati non descrivono un moto", true);
    if (programma.Asse && !Dimensiona(programma.Moto, *programma.Asse))
        return nonCalcolato(NonDimensionabile, false);
    CampionaVelocita(programma.PuntiGrafico, programma.Moto, programma.GraficoCorrente.StepTempo);
    return std::nullopt;
}
