#pragma once

// Writing a file the user names: the Save As dialog, and the message when the file could not be
// written. Shared by the document, the exports and the report.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Dialoghi;
class FinestreFiglie;

inline const QString TitoloSalva = QStringLiteral("Salva con nome");

// Asks for a name to save under. When `scrivi` has written the file, the child window that was
// active when the command started takes the path as its caption. True when written.
bool SalvaConNome(Dialoghi& dialoghi, const FinestreFiglie& figlie, const QStringList& filtri,
                  const std::function<bool(const QString&)>& scrivi);
// True when the file was written (no reason of failure); otherwise tells the user why not, unless the
// reason is empty: the user cancelled.
bool EsitoScrittura(Dialoghi& dialoghi, const QString& percorso, const std::optional<QString>& motivo);
// After a file written with the sizing data the simulation kept (`conDati`) or none, tells the user
// why the sizing window's values were not taken: `difetto` (DifettoDimensionamento); nothing when empty.
void AvvisaDimensionamento(Dialoghi& dialoghi, const QString& percorso, const QString& difetto, bool conDati);
