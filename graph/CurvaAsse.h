#pragma once

// The sizing of the axis among the graph's details: the motor torque C(t) of each phase and of the
// dwell after the motion, or the force F(t) along the axis for a direct drive, which has no motor shaft.

#include "Dettagli.h"

#include <optional>

struct DatiAsse;

inline const QString NomeCoppia = QStringLiteral("C(t) [N·m]");
inline const QString NomeForza = QStringLiteral("F(t) [N]");

// None when the record is no motion or the data does not size it.
std::optional<CurvaDettaglio> CurvaAsse(const Velantra& Moto, const DatiAsse& dati);
