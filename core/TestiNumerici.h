#pragma once

// Number texts shown to the user and stored in documents. Pure functions, locale-free: the caller
// passes the decimal separator of the user's regional settings where it matters.

#include <optional>
#include <string>
#include <string_view>

// Texts of the values that a failed solve can leave in the record.
inline constexpr const char* TestoNonDefinito = "non definito";
inline constexpr const char* TestoInfinito = "infinito";
inline constexpr const char* TestoMenoInfinito = "-infinito";

// Rounds to the given number of decimals (0 to 15), half to even on the exact binary value: a tie only
// when the double lies exactly halfway (0.125 -> 0.12, 2.5 -> 2). Non-finite values pass unchanged.
double ArrotondaPari(double valore, int decimali);

// General conversion of a double: at most 15 significant digits, no trailing zeros, no thousands
// separator, leading zero below 1, "0" for negative zero; fixed form from 1E-04 up to below 1E+15,
// exponent form outside ("1E-05", "1,5E+20").
std::string TestoNumero(double valore, char separatore);

// How a value that needs more digits than shown is rounded: to the nearest text, or to the text below
// it, above it, or nearer to zero (a text always reads back as a double on that side of the value).
enum class Arrotondamento { Vicino, PerDifetto, PerEccesso, VersoZero };

// The general conversion with at most `cifre` significant digits (1 to 15), rounded as asked: a limit
// rounded outward stays a true limit.
std::string TestoCifre(double valore, int cifre, char separatore, Arrotondamento verso);

// The shortest text of the general form that reads back as exactly this double (up to 17 digits).
std::string TestoEsatto(double valore, char separatore);

// The double on the asked side of a long double (PerDifetto: the largest not above it): beyond the
// double range, the largest double or infinity.
double InDouble(long double valore, Arrotondamento verso);

// The same conversion for single-precision values: at most 7 significant digits, fixed form from
// 1E-04 up to below 1E+07.
std::string TestoNumeroSingolo(float valore, char separatore);

// The document's list form: period as separator, no leading zero below 1 (".5", "-.5"), whole values
// without a point, exponent form as TestoNumero. Empty for non-finite values, which no document holds.
std::optional<std::string> TestoLista(double valore);

// Reads one number in list form (blanks around allowed): an optional sign, digits with an optional
// period, an optional exponent. Anything else, or a value beyond the double range, is refused.
std::optional<double> LeggiNumeroLista(std::string_view testo);
// True when the text has that form but its value lies beyond the double range (1e400, 1e-400).
bool FuoriIntervalloLista(std::string_view testo);

// Reads a number typed by the user with the given decimal separator (blanks around allowed). No
// thousands separators; a lone separator, two separators or any other character is refused.
std::optional<double> LeggiNumero(std::string_view testo, char separatore);

// A bad value quoted in a message: its first 20 bytes in «», each one outside printable ASCII as '?'
// and "..." when cut.
std::string Citazione(std::string_view valore);
