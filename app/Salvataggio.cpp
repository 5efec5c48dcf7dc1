#include "Salvataggio.h"

#include "Dialoghi.h"
#include "FinestreFiglie.h"
#include "NomiFile.h"

#include <QPointer>
#include <QWidget>

void SalvaConNome(Dialoghi& dialoghi, const FinestreFiglie& figlie, const QStringList& filtri,
                  const std::function<bool(const QString&)>& scrivi) {
    // Taken now: while a dialog is up the frame has no active child.
    const QPointer<QWidget> attiva = figlie.FinestraAttiva();
    const QString percorso = dialoghi.NomeFileSalva(TitoloSalva, filtri);
    if (percorso.isEmpty())
        return;
    // Named only once written: a caption must not promise a file that is not there.
    if (scrivi(percorso) && attiva)
        attiva->setWindowTitle(percorso);
}

bool EsitoScrittura(Dialoghi& dialoghi, const QString& percorso, const std::optional<QString>& motivo) {
    if (motivo && !motivo->isEmpty()) // empty: the user cancelled
        dialoghi.Messaggio(
            QStringLiteral("Impossibile salvare il file «%1»: %2.").arg(PercorsoMostrato(percorso), *motivo));
    return !motivo;
}
