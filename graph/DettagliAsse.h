#pragma once

// The sizing of the axis in the graph's outputs: among the details, the motor torque C(t) of each phase
// and of the dwell after the motion, or the force F(t) along the axis for a direct drive, which has no
// motor shaft; in the CSV, the columns of force and torque.

#include "CurvaDettaglio.h"
#include "DatiProfilo.h"

#include <optional>

class Velantra;
struct DatiAsse;
struct Dimensionamento;

inline const QString NomeCoppia = QStringLiteral("C(t) [N·m]");
inline const QString NomeForza = QStringLiteral("F(t) [N]");

// None when the record is no motion or the data does not size it.
std::optional<CurvaDettaglio> CurvaAsse(const Velantra& Moto, const DatiAsse& dati);

// "F [N]" and "C [N·m]" (the force alone for a direct drive) at any time of the cycle.
std::vector<ColonnaCsv> ColonneAsse(const Dimensionamento& r);
