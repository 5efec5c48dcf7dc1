#pragma once

// Why the values typed for a combination give no motion, in Italian: one sentence per condition the
// solved record breaks, then the values the last-typed quantity may take given the other two (or why
// those two already rule out every motion).

#include <QString>
#include <QStringList>
#include <cstdint>

class Velantra;

// The message when a solve succeeds with a record that is no motion.
inline const QString MessaggioMotoImpossibile =
    QStringLiteral("Con i valori immessi il moto non è possibile");

// For the combination `sistema` (0 to 10) whose three inputs `moto` holds; numbers in the user's format.
QStringList SpiegazioneMoto(int16_t sistema, const Velantra& moto);
