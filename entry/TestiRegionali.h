#pragma once

// Numbers as the user sees and types them, with the decimal separator of the regional settings
// (QLocale()) at the moment of use.

#include <QString>
#include <cstdint>
#include <optional>

// The locale's decimal separator; a period where the locale's is not a single ASCII character,
// since typed and shown numbers must stay readable by the same rule.
char SeparatoreDecimale();

// A result: rounded half to even to 5 decimals, then the general conversion.
QString TestoRisultato(double valore);
// A stored input given back to the user: the general conversion, 15 significant digits.
QString TestoValore(double valore);
// A typed value; empty when the text is not a number in the user's format.
std::optional<double> LeggiValore(const QString& testo);

// Key filter of the value boxes: a typed period becomes the decimal separator, every other key is
// left as typed.
int16_t PuntoInVirgola(int16_t KeyAscii, char Separatore);
