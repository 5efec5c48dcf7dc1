#include "Documenti.h"

#include "FileSicuri.h"
#include "Simulazione.h"

SimulazioneLetta LeggiSimulazione(const QString& percorso) {
    const FileLetto file = LeggiFile(percorso, DimensioneMassimaDocumento);
    if (!file.contenuto)
        return {std::nullopt,
                {},
                QStringLiteral("Impossibile aprire il file «%1»: %2.")
                    .arg(PercorsoMostrato(percorso), file.motivo)};
    std::string testo = file.contenuto->toStdString();
    EsitoLettura letto = file.contenuto->size() > DimensioneMassimaDocumento
                             ? EsitoLettura{std::nullopt, "è troppo grande"}
                             : LeggiDocumento(testo);
    if (!letto.dati)
        return {std::nullopt,
                {},
                QStringLiteral("Il file «%1» non è una simulazione di Velantra: %2.")
                    .arg(PercorsoMostrato(percorso), QString::fromStdString(letto.motivo))};
    return {std::move(letto.dati), std::move(testo), {}};
}

std::optional<QString> ScriviSimulazione(const QString& percorso, Simulazione& simulazione) {
    const std::optional<std::string> testo = simulazione.TestoDocumento();
    if (!testo)
        return QStringLiteral("i dati del dimensionamento non sono validi");
    if (auto motivo = ScriviFile(percorso, QByteArray::fromStdString(*testo)))
        return motivo;
    simulazione.Salvata(percorso, *testo);
    return std::nullopt;
}

std::optional<QString> CalcolaDocumento(const QString& documento, Simulazione& simulazione) {
    SimulazioneLetta letta = LeggiSimulazione(documento);
    if (!letta.dati)
        return letta.messaggio;
    simulazione.Carica(std::move(*letta.dati), documento, std::move(letta.testo));
    const auto nonCalcolato = [&](const char* motivo, const QStringList& spiegazione = {}) {
        QString testo = QStringLiteral("Impossibile calcolare la simulazione del file «%1»: %2.")
                            .arg(PercorsoMostrato(documento), QString::fromUtf8(motivo));
        for (const QString& frase : spiegazione)
            testo += QLatin1Char('\n') + frase;
        return std::optional(testo);
    };
    const EsitoCalcolo esito = simulazione.Calcola();
    switch (esito.tipo) {
    case EsitoCalcolo::Tipo::SenzaSistema:
        return nonCalcolato("non indica quali grandezze sono note");
    case EsitoCalcolo::Tipo::Errore:
        return nonCalcolato("il calcolo non è riuscito, controllare i valori", esito.spiegazione);
    case EsitoCalcolo::Tipo::NessunMoto:
        return nonCalcolato("i valori calcolati non descrivono un moto", esito.spiegazione);
    case EsitoCalcolo::Tipo::Riuscito:
        break;
    }
    if (simulazione.Asse() && !simulazione.Dimensionato())
        return nonCalcolato("il moto calcolato non si può dimensionare: forze o coppie dell'asse "
                            "andrebbero oltre i numeri del programma (doppia precisione)");
    return std::nullopt;
}
