#pragma once

// Why the values typed for a combination give no motion, in Italian: one sentence per condition the
// solved record breaks, then the values the last-typed quantity may take given the other two (or why
// those two already rule out every motion), and the triangular profile when the stroke is too short for
// the speed. Every sentence holds for the values typed: numbers show at most 6 significant digits; a
// limit the user may type is rounded inward, so that typing it calculates; where a motion exists but the
// doubles cannot carry it, the message says so instead.

#include <QString>
#include <QStringList>
#include <cstdint>

class Velantra;

// The message when a solve succeeds with a record that is no motion.
inline const QString MessaggioMotoImpossibile =
    QStringLiteral("Con i valori immessi il moto non è possibile");
// The message when the values admit a motion that the program's numbers cannot carry.
inline const QString MessaggioMotoNonCalcolabile =
    QStringLiteral("Con i valori immessi il moto non si può calcolare");
// The button that takes the triangular profile offered.
inline const QString UsaProfiloTriangolare = QStringLiteral("Usa profilo triangolare");

// For the combination `sistema` (0 to 10) whose three inputs `moto` holds; numbers in the user's format.
QStringList SpiegazioneMoto(int16_t sistema, const Velantra& moto);
// The message over that explanation: the solver's error, no motion, or a motion beyond the numbers.
QString MessaggioMoto(int16_t sistema, const Velantra& moto);
