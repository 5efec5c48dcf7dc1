#include "ComandiDocumento.h"

#include "Dialoghi.h"
#include "Documenti.h"
#include "FinestreFiglie.h"
#include "Salvataggio.h"
#include "Simulazione.h"
#include "Sistemi.h"
#include "frmDimensionamento.h"
#include "frmInserimentoDati.h"

void ComandiDocumento::Apri() {
    const QString percorso = dialoghi.NomeFileApri(TitoloApri, FiltriSimulazione);
    if (!percorso.isEmpty())
        CaricaSimulazione(percorso);
}

bool ComandiDocumento::SalvaConNome() {
    return ::SalvaConNome(dialoghi, figlie, FiltriSimulazione,
                          [this](const QString& percorso) { return SalvaSimulazione(percorso); });
}

bool ComandiDocumento::SalvaSimulazione(const QString& percorso) {
    if (auto* inserimento = figlie.Aperta<frmInserimentoDati>())
        if (const int illeggibile = inserimento->LeggiDatiImmessi(); illeggibile >= 0)
            return EsitoScrittura(dialoghi, percorso,
                                  QStringLiteral("il valore di %1 non è un numero valido")
                                      .arg(QString::fromLatin1(Grandezze[illeggibile].Nome)));
    // The motion is never held back by what is beside it: the sizing data goes as last taken.
    const QString difetto = DifettoDimensionamento(figlie);
    if (!EsitoScrittura(dialoghi, percorso, ScriviSimulazione(percorso, simulazione)))
        return false;
    AvvisaDimensionamento(dialoghi, percorso, difetto, simulazione.Asse().has_value());
    return true;
}

bool ComandiDocumento::CaricaSimulazione(const QString& percorso) {
    return dialoghi.Conferma(DomandaNuovaSimulazione) && Carica(percorso);
}

bool ComandiDocumento::Carica(const QString& percorso) {
    SimulazioneLetta letta = LeggiSimulazione(percorso);
    if (!letta.dati) {
        dialoghi.Messaggio(letta.messaggio);
        return false;
    }
    // The children close first: the data-entry window copies its values as it closes.
    figlie.ChiudiFinestre();
    simulazione.Carica(std::move(*letta.dati), percorso, std::move(letta.testo));
    figlie.ApriInserimentoDati();
    return true;
}
