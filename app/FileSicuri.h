#pragma once

// Whole small files. Writing goes through QSaveFile, so an old file stays as it was until the new one
// is complete; reading stops past a size limit and refuses anything that is not a plain file (a FIFO
// would block the program). Failures come back as a reason in Italian, for the window to show.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

// The reason of the failure; nothing when the file was written. `scrivi` returns false when it could
// not produce the contents.
std::optional<QString> ScriviFile(const QString& percorso, const std::function<bool(QIODevice&)>& scrivi);
std::optional<QString> ScriviFile(const QString& percorso, const QByteArray& contenuto);

struct FileLetto {
    std::optional<QByteArray> contenuto; // at most `massimo` + 1 bytes
    QString motivo;                      // why it could not be read
};
// Reads at most `massimo` + 1 bytes, so that a caller can tell an oversized file.
FileLetto LeggiFile(const QString& percorso, qint64 massimo);

// From now on a write beyond the size the process may give a file (ulimit -f) fails like one on a full
// disk, instead of the system ending the program (SIGXFSZ). Called first thing.
void IgnoraLimiteFile();

// A path as messages show it.
QString PercorsoMostrato(const QString& percorso);
