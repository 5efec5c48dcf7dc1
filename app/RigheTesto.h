#pragma once

// A text broken into the lines that fit a width, as the report's page prints its names, words and
// header: no text may run past its column or the page.

#include <QString>
#include <QStringList>
#include <climits>

class QFont;
class QPaintDevice;

// The text as it can be printed: control characters as blanks, line breaks kept.
QString Stampabile(const QString& testo);

// The lines of `testo` no wider than `larghezza` (device pixels of `carattere` on `dispositivo`): broken
// at spaces where it can, inside a word longer than a line, and at every line break; at most `massimo`
// lines, the last one shortened with "…" when the text goes on. The text is made Stampabile first.
QStringList RigheTesto(const QString& testo, const QFont& carattere, const QPaintDevice* dispositivo,
                       double larghezza, int massimo = INT_MAX);
