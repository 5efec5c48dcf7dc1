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

void ComandiDocumento::SalvaConNome() {
    ::SalvaConNome(dialoghi, figlie, FiltriSimulazione,
                   [this](const QString& percorso) { return SalvaSimulazione(percorso); });
}

bool ComandiDocumento::SalvaSimulazione(const QString& percorso) {
    if (auto* inserimento = figlie.Aperta<frmInserimentoDati>())
        if (const int illeggibile = inserimento->LeggiDatiImmessi(); illeggibile >= 0)
            return EsitoScrittura(dialoghi, percorso,
                                  QStringLiteral("il valore di %1 non è un numero valido")
                                      .arg(QString::fromLatin1(Grandezze[illeggibile].Nome)));
    // A value of the sizing window that cannot be taken would be silently left out of the file.
    if (const QString difetto = DifettoDimensionamento(figlie); !difetto.isEmpty())
        return EsitoScrittura(dialoghi, percorso, difetto);
    return EsitoScrittura(dialoghi, percorso, ScriviSimulazione(percorso, simulazione));
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
