#pragma once

// The laws compared (ConfrontoLeggi.h) written out: each cell's text as the window shows it, the table
// as CSV and as aligned text. Standard library only; texts are UTF-8.

#include "ConfrontoLeggi.h"

#include <string>
#include <vector>

// The headers of the columns of this table, in order: the sizing columns only when sized.
std::vector<std::string> ColonneConfronto(const ConfrontoLeggi& c);
// The values of a row after its name, in the columns' order; Jmax is +infinity where unbounded.
std::vector<double> ValoriRiga(const ConfrontoLeggi& c, int legge);
// Whether a row's value column (0 for Ttot) carries a mark: the least Amax, Jmax or RMS figure.
bool Segnata(const ConfrontoLeggi& c, int legge, int colonna);
// A value with six significant digits and `separatore`; TestoIllimitato when unbounded.
std::string TestoCella(double valore, char separatore);

// RFC 4180 with CRLF line ends: the header, then a row per law; numbers the shortest texts that read
// back to the same double, with a period; an unbounded jerk as `inf`.
std::string CsvConfronto(const ConfrontoLeggi& c);
// Lines without their ends: the header with the units, a line per law, columns aligned (names left,
// numbers right, six significant digits with `separatore`), and a last column naming the least values
// the row holds.
std::vector<std::string> RigheConfronto(const ConfrontoLeggi& c, char separatore);
