#pragma once

// The simulation document on disk: the Open, Save and Save As commands, the writer
// SalvaSimulazione and the reader CaricaSimulazione. A document is read and checked whole before
// anything on screen changes, and written through a temporary file, so a bad file, a full disk or a
// missing folder loses neither the document nor the simulation.

#include "Documento.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class frmMain;
struct Programma;

inline const QStringList FiltriSimulazione = {QStringLiteral("Velantra (*.vla)"),
                                              QStringLiteral("Tutti i file (*.*)")};
inline const QString TitoloApri = QStringLiteral("Apri");
inline const QString TitoloSalva = QStringLiteral("Salva con nome");
// A real document is under 300 bytes: anything much larger is no simulation.
inline constexpr qint64 DimensioneMassimaDocumento = 4096;

// Asks for a name to save under. When `scrivi` has written the file, the child window that was
// active when the command started takes the path as its caption.
void SalvaConNome(frmMain& principale, const QStringList& filtri,
                  const std::function<bool(const QString&)>& scrivi);
// True when the file was written (no reason of failure); otherwise tells the user why not, unless the
// reason is empty: the user cancelled.
bool EsitoScrittura(frmMain& principale, const QString& percorso, const std::optional<QString>& motivo);

// A document read and checked whole, or the message (in Italian, naming the file) saying why not.
struct SimulazioneLetta {
    std::optional<DatiDocumento> dati;
    QString messaggio;
};
SimulazioneLetta LeggiSimulazione(const QString& percorso);

class Documenti {
public:
    Documenti(Programma& programma, frmMain& principale) : programma(programma), principale(principale) {}

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
    frmMain& principale;
};
