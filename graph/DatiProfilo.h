#pragma once

// The motion as comma-separated values, from the closed form on a grid of its own: a row at every
// multiple of the step from 0 to the end time, its time written as the short decimal it is (0.01,
// 0.02, ... computed from the step's digits, never by adding steps up), and a last row at the end time
// when that is not a multiple. The columns after the time are a table, so that more can be added.
//
// The standard form follows RFC 4180 (comma between fields, CRLF line ends) with a period as decimal
// separator whatever the locale, so that spreadsheets and scripts read it unchanged; the regional form
// uses the user's decimal separator and a semicolon. A header row names each column with its unit;
// each number is the shortest text that reads back to the same double.

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class LeggeMoto;
class QIODevice;
class Velantra;

enum class FormaCsv { Standard, Regionale };

// A step of Cifre · 10^Esponente seconds, kept as decimal digits so that each multiple is exact.
struct PassoCsv {
    int64_t Cifre = 1;
    int Esponente = -2;
    double Secondi() const;
    std::string Testo() const; // the shortest decimal, with a period: "0.01"
    bool operator==(const PassoCsv&) const = default;
};

inline constexpr int64_t MinimoRigheCsv = 10, MassimoRigheCsv = 1'000'000;

// The rows the grid of `passo` gives over `durata` seconds: the multiples from 0 to durata, and the
// end when it is none of them. Counted up to a little past MassimoRigheCsv.
int64_t RigheCsv(double durata, const PassoCsv& passo);
// 0.01 s, unless that gives fewer than 500 intervals (then the largest round step, 1, 2 or 5 · 10^n,
// that gives at least 500) or more than 50,000 rows (then the smallest round step that gives at most
// 50,000). Nothing for a duration no round step of a double can divide so.
std::optional<PassoCsv> PassoPredefinito(double durata);
// A step as typed: a decimal number with a period or a comma, an exponent allowed ("0.005", "5e-3");
// nothing when it is not a positive finite number.
std::optional<PassoCsv> LeggiPasso(std::string_view testo);

struct ColonnaCsv {
    const char* Intestazione;             // the name with its unit
    std::function<double(double)> Valore; // at a time in seconds
};
// Position, speed and acceleration of the law, which must outlive the columns.
std::vector<ColonnaCsv> ColonneMoto(const LeggeMoto& legge);

// Writes the header and the rows to the device piece by piece; false when the device refuses a piece.
bool ScriviCsv(QIODevice& destinazione, double durata, const PassoCsv& passo,
               const std::vector<ColonnaCsv>& colonne, FormaCsv forma);
// The law's columns of a solved record, whole.
QByteArray TestoCsv(const Velantra& Moto, const PassoCsv& passo, FormaCsv forma);
