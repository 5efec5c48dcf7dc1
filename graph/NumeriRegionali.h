#pragma once

// Numbers as the user sees and types them: the core's number texts with the decimal separator of the
// regional settings (QLocale()) at the moment of use.

#include "TestiNumerici.h"

#include <QString>
#include <optional>

class QLineEdit;

// The locale's decimal separator; a period where the locale's is not a single ASCII character, so
// that shown numbers stay readable by the same rule.
char SeparatoreDecimale();

// Rounded half to even to the given decimals, then the general conversion (15 significant digits).
QString TestoArrotondato(double valore, int decimali);
// The general conversion, 15 significant digits.
QString TestoValore(double valore);
// A number of a message: at most 6 significant digits, rounded as asked (a limit outward).
QString TestoMessaggio(double valore, Arrotondamento verso);
// The shortest text that reads back as exactly this double, in the user's format.
QString TestoValoreEsatto(double valore);
// A single-precision value, 7 significant digits.
QString TestoSingolo(float valore);
// A number in the user's format; empty when the text is not one.
std::optional<double> LeggiValore(const QString& testo);

// The longest number text the program writes into a box: 15 significant digits with sign, separator
// and exponent ("-8,88888888888888E+88").
QString NumeroPiuLungo();
// Logical pixels a box needs to show the text whole, without scrolling, in its own font: by default
// the longest number.
int LarghezzaPerNumeri(const QLineEdit& casella, const QString& testo = NumeroPiuLungo());
