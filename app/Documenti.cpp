#include "Documenti.h"

#include "Dialoghi.h"
#include "Documento.h"
#include "FileSicuri.h"
#include "FinestreFiglie.h"
#include "Programma.h"
#include "Sistemi.h"
#include "frmDimensionamento.h"
#include "frmInserimentoDati.h"
#include "frmMain.h"

#include <QPointer>
#include <cmath>

void SalvaConNome(frmMain& principale, const QStringList& filtri,
                  const std::function<bool(const QString&)>& scrivi) {
    // Taken now: while a dialog is up the frame has no active child.
    const QPointer<QWidget> attiva = principale.FinestraAttiva();
    const QString percorso = principale.Dialogo().NomeFileSalva(TitoloSalva, filtri);
    if (percorso.isEmpty())
        return;
    // Named only once written: a caption must not promise a file that is not there.
    if (scrivi(percorso) && attiva)
        attiva->setWindowTitle(percorso);
}

bool EsitoScrittura(frmMain& principale, const QString& percorso, const std::optional<QString>& motivo) {
    if (motivo && !motivo->isEmpty()) // empty: the user cancelled
        principale.Dialogo().Messaggio(
            QStringLiteral("Impossibile salvare il file «%1»: %2.").arg(PercorsoMostrato(percorso), *motivo));
    return !motivo;
}

void Documenti::Apri() {
    const QString percorso = principale.Dialogo().NomeFileApri(TitoloApri, FiltriSimulazione);
    if (!percorso.isEmpty())
        CaricaSimulazione(percorso);
}

void Documenti::SalvaConNome() {
    ::SalvaConNome(principale, FiltriSimulazione,
                   [this](const QString& percorso) { return SalvaSimulazione(percorso); });
}

bool Documenti::SalvaSimulazione(const QString& percorso) {
    if (auto* inserimento = qobject_cast<frmInserimentoDati*>(
            principale.Figlie().Finestra(QStringLiteral("frmInserimentoDati"))))
        if (const int illeggibile = inserimento->LeggiDatiImmessi(); illeggibile >= 0)
            return EsitoScrittura(principale, percorso,
                                  QStringLiteral("il valore di %1 non è un numero valido")
                                      .arg(QString::fromLatin1(Grandezze[illeggibile].Nome)));
    // A value of the sizing window that cannot be taken would be silently left out of the file.
    if (const QString difetto = DifettoDimensionamento(principale.Figlie()); !difetto.isEmpty())
        return EsitoScrittura(principale, percorso, difetto);
    // What a failed solve left undefined or infinite is written as 0, which any reader takes back: the
    // combination and the typed values are kept.
    Velantra moto = programma.Moto;
    for (const Grandezza& g : Grandezze)
        if (!std::isfinite(moto.*g.Membro))
            moto.*g.Membro = 0;
    const auto riga = ScriviDocumento(programma.SistemaCorrente, moto, programma.Asse);
    if (!riga)
        return EsitoScrittura(principale, percorso,
                              QStringLiteral("i dati del dimensionamento non sono validi"));
    return EsitoScrittura(principale, percorso, ScriviFile(percorso, QByteArray::fromStdString(*riga)));
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
    return principale.Dialogo().Conferma(DomandaNuovaSimulazione) && Carica(percorso);
}

bool Documenti::Carica(const QString& percorso) {
    const SimulazioneLetta letta = LeggiSimulazione(percorso);
    if (!letta.dati) {
        principale.Dialogo().Messaggio(letta.messaggio);
        return false;
    }
    // The children close first: the data-entry window copies its values as it closes.
    principale.ChiudiFinestre();
    programma.PuntiGrafico.Vuota();
    programma.SistemaCorrente = letta.dati->Sistema;
    programma.Moto = letta.dati->Moto; // all eight quantities, the calculation not done
    programma.Asse = letta.dati->Asse;
    principale.Figlie().ApriInserimentoDati();
    principale.AbilitaComandi(2);
    return true;
}
