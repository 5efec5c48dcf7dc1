#pragma once

// Numbers as the user sees and types them: the core's number texts with the decimal separator of the
// regional settings (QLocale()) at the moment of use.

#include <QString>
#include <optional>

// The locale's decimal separator; a period where the locale's is not a single ASCII character, so
// that shown numbers stay readable by the same rule.
char SeparatoreDecimale();

// Rounded half to even to the given decimals, then the general conversion (15 significant digits).
QString TestoArrotondato(double valore, int decimali);
// The general conversion, 15 significant digits.
QString TestoValore(double valore);
// A single-precision value, 7 significant digits.
QString TestoSingolo(float valore);
// A number in the user's format; empty when the text is not one.
std::optional<double> LeggiValore(const QString& testo);
