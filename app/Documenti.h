#pragma once

// The simulation document on disk, without windows: a document is read and checked whole before the
// simulation changes, and written through the safe-file routines, so that a bad file, a full disk or a
// missing folder loses neither the document nor the simulation. The document commands of the main
// window and the command line share it.

#include "Documento.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class Simulazione;

// Asked before the current simulation is cleared.
inline const QString DomandaNuovaSimulazione = QStringLiteral(
    "ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova simulazione, continuare?");
// Asked before the program closes over a simulation changed since saved.
inline const QString DomandaSalvaModifiche = QStringLiteral("Salvare le modifiche alla simulazione?");
inline const QStringList FiltriSimulazione = {QStringLiteral("Velantra (*.vla)"),
                                              QStringLiteral("Tutti i file (*.*)")};
inline const QString TitoloApri = QStringLiteral("Apri");
// A real document is under 300 bytes: anything much larger is no simulation.
inline constexpr qint64 DimensioneMassimaDocumento = 4096;

// A document read and checked whole, with its exact text; or the message (in Italian, naming the file)
// saying why it is none.
struct SimulazioneLetta {
    std::optional<DatiDocumento> dati;
    std::string testo;
    QString messaggio;
};
SimulazioneLetta LeggiSimulazione(const QString& percorso);

// Writes the simulation's document to `percorso`, whole or not at all, and the simulation remembers it;
// the reason when it could not.
std::optional<QString> ScriviSimulazione(const QString& percorso, Simulazione& simulazione);

// Reads the document into `simulazione` and calculates it as "Calcolo" does, then checks that a sized
// axis could be sized: the message, naming the file, when any of it fails.
std::optional<QString> CalcolaDocumento(const QString& documento, Simulazione& simulazione);
