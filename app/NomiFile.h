#pragma once

// File names as the system keeps them: bytes, usually UTF-8 but not always (a name copied from an old
// disk, "perch\xe9.vla"). Each byte that does not decode as UTF-8 becomes a character of its own,
// U+DC80 + byte, which no valid text contains: the name goes back to the very bytes the user gave,
// and a message shows that byte as \xE9 instead of a question mark.

#include <QByteArray>
#include <QString>

QString NomeDaByte(const QByteArray& byte);
QByteArray ByteDaNome(const QString& nome);

// A path as messages show it: a control character as \n, \t or \x1B (\u0085 beyond ASCII), so that no
// name can move the cursor, clear a terminal or forge a line of its own.
QString PercorsoMostrato(const QString& percorso);
