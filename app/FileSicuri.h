#pragma once

// Every file the program writes goes through ScriviFile, and every one it reads through LeggiFile.
//
// A regular file is written whole or not at all: the new contents go to a temporary file in its folder
// that nobody sees (see FileTemporaneo.h), every byte checked, flushed to the disk, given the old file's
// owner and mode, and only then put in its place in one step; on any failure, or a signal ending the
// program, the old file stays as it was and nothing is left behind. A symbolic link keeps being a link:
// the file it leads to is the one replaced. Nothing is ever written in place: a file whose folder allows
// no new files is refused, left as it was, with a folder where it could be written instead. A FIFO or a
// device is written directly, as a shell's `>` would (a FIFO waits for its reader); a socket or a folder
// is refused.
//
// Reading stops past a size limit and refuses anything that is not a regular file (a FIFO would block
// the program). Failures come back as a reason in Italian, for the caller to show. Names may hold bytes
// that are not UTF-8 (see NomiFile.h).

#include "NomiFile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class Avanzamento;
class QIODevice;

// Writes what `scrivi` produces into the device it is given; `scrivi` returns false when it could
// not produce it. The reason of the failure, or nothing when the file was written; an empty reason
// when the user cancelled through `avanzamento`, which is told of every piece written. Without
// `avanzamento` a FIFO with no reader is waited for; with it, the wait can be cancelled.
std::optional<QString> ScriviFile(const QString& percorso, const std::function<bool(QIODevice&)>& scrivi,
                                  Avanzamento* avanzamento = nullptr);
std::optional<QString> ScriviFile(const QString& percorso, const QByteArray& contenuto);

struct FileLetto {
    std::optional<QByteArray> contenuto; // at most `massimo` + 1 bytes
    QString motivo;                      // why it could not be read
};
// Reads at most `massimo` + 1 bytes, so that a caller can tell an oversized file.
FileLetto LeggiFile(const QString& percorso, qint64 massimo);

// For a command that reads `ingresso` and writes `uscita`, asked before anything is written: why the
// write would destroy what it reads, when both names reach the same regular file (the same name, a
// symbolic link, a hard link: the same device and inode), as a reason in Italian naming both; nothing
// when they are different files or either is missing.
std::optional<QString> SovrascriveIngresso(const QString& ingresso, const QString& uscita);

// From now on a write beyond the size the process may give a file (ulimit -f), or into a pipe whose
// reader has gone, fails with its reason instead of the system ending the program (SIGXFSZ, SIGPIPE);
// INT, TERM and HUP remove the temporary file being written before they end it. Called first thing.
void PreparaScritture();
