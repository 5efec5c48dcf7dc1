#pragma once

// The sampled profile as comma-separated values: one row per point of the list, at its time, with the
// position, speed and acceleration of the closed form there. The standard form follows RFC 4180
// (comma between fields, CRLF line ends) with a period as decimal separator whatever the locale, so
// that spreadsheets and scripts read it unchanged; the regional form uses the user's decimal
// separator and a semicolon, for spreadsheets set up that way. A header row names each column with
// its unit; each number is the shortest text that reads back to the same double.

#include <QByteArray>

class QIODevice;
class Velantra;
class XYPoli;

enum class FormaCsv { Standard, Regionale };

// Writes the text to the device piece by piece; false when the device refuses a piece.
bool ScriviCsv(QIODevice& destinazione, const XYPoli& Punti, const Velantra& Moto, FormaCsv forma);
// The same text whole.
QByteArray TestoCsv(const XYPoli& Punti, const Velantra& Moto, FormaCsv forma);
