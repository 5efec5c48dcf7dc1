#include "Salvataggio.h"

#include "Dialoghi.h"
#include "FinestreFiglie.h"
#include "NomiFile.h"

#include <QPointer>
#include <QWidget>

bool SalvaConNome(Dialoghi& dialoghi, const FinestreFiglie& figlie, const QStringList& filtri,
                  const std::function<bool(const QString&)>& scrivi) {
    // Taken now: while a dialog is up the frame has no active child.
    const QPointer<QWidget> attiva = figlie.FinestraAttiva();
    const QString percorso = dialoghi.NomeFileSalva(TitoloSalva, filtri);
    // Named only once written: a caption must not promise a file that is not there.
    if (percorso.isEmpty() || !scrivi(percorso))
        return false;
    if (attiva)
        attiva->setWindowTitle(percorso);
    return true;
}

bool EsitoScrittura(Dialoghi& dialoghi, const QString& percorso, const std::optional<QString>& motivo) {
    if (motivo && !motivo->isEmpty()) // empty: the user cancelled
        dialoghi.Messaggio(
            QStringLiteral("Impossibile salvare il file «%1»: %2.").arg(PercorsoMostrato(percorso), *motivo));
    return !motivo;
}

void AvvisaDimensionamento(Dialoghi& dialoghi, const QString& percorso, const QString& difetto,
                           bool conDati) {
    if (difetto.isEmpty())
        return;
    dialoghi.Messaggio((conDati
                            ? QStringLiteral("Il file «%1» è stato salvato con gli ultimi dati validi del "
                                             "dimensionamento: %2.")
                            : QStringLiteral("Il file «%1» è stato salvato senza i dati del "
                                             "dimensionamento: %2."))
                           .arg(PercorsoMostrato(percorso), difetto),
                       TitoloApplicazione, Dialoghi::Icona::Informazione);
}
