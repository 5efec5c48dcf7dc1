#pragma once

// The simulation document on disk: the Open, Save and Save As commands, the writer
// SalvaSimulazione and the reader CaricaSimulazione. A document is read and checked whole before
// anything on screen changes, and written through a temporary file, so a bad file, a full disk or a
// missing folder loses neither the document nor the simulation.

#include "Documento.h"
#include "StatoComandi.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Dialoghi;
class FinestreFiglie;
struct Programma;

// Asked before the current simulation is cleared.
inline const QString DomandaNuovaSimulazione = QStringLiteral(
    "ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova simulazione, continuare?");
inline const QStringList FiltriSimulazione = {QStringLiteral("Velantra (*.vla)"),
                                              QStringLiteral("Tutti i file (*.*)")};
inline const QString TitoloApri = QStringLiteral("Apri");
// A real document is under 300 bytes: anything much larger is no simulation.
inline constexpr qint64 DimensioneMassimaDocumento = 4096;

// A document read and checked whole, or the message (in Italian, naming the file) saying why not.
struct SimulazioneLetta {
    std::optional<DatiDocumento> dati;
    QString messaggio;
};
SimulazioneLetta LeggiSimulazione(const QString& percorso);

// Reads the document and calculates it as "Calcolo" does, into `programma`: the message, naming the
// file, when it cannot.
std::optional<QString> CalcolaDocumento(const QString& documento, Programma& programma);

class Documenti {
public:
    // `abilitaComandi` hears that a document was read: the frame's commands follow.
    Documenti(Programma& programma, Dialoghi& dialoghi, FinestreFiglie& figlie,
              std::function<void(StatoComandi)> abilitaComandi)
        : programma(programma), dialoghi(dialoghi), figlie(figlie),
          abilitaComandi(std::move(abilitaComandi)) {}

    void Apri();         // the Open command
    void SalvaConNome(); // the Save and Save As commands

    // Copies the typed values when the data-entry window is open, then writes the document. False,
    // after telling the user, when nothing was written.
    bool SalvaSimulazione(const QString& percorso);
    // Asks, then replaces the simulation with the document's and shows the data-entry window. A file
    // that cannot be read as a document is reported and changes nothing. False when nothing changed.
    bool CaricaSimulazione(const QString& percorso);
    // The same without the question (a document named when the program starts).
    bool Carica(const QString& percorso);

private:
    Programma& programma;
    Dialoghi& dialoghi;
    FinestreFiglie& figlie;
    std::function<void(StatoComandi)> abilitaComandi;
};
