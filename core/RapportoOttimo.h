#pragma once

// The reduction ratio that asks the least RMS torque of the motor, and the torques across ratios for a
// plot. The ratio changes, the rest of the axis stays as typed: the inertias, referred to the motor,
// included. In each phase the torque is then I·s + L/s (I the inertias' part and L the load's part at
// the ratio typed, s the new ratio over it), so the RMS is least where s^4 = sum(L²·t) / sum(I²·t).
// Standard library only; texts are UTF-8.

#include "DatiMotore.h"
#include "Dimensionamento.h"

#include <optional>
#include <vector>

// The drive at one ratio.
struct PuntoRapporto {
    double Rapporto = 0;       // motor turns per screw or pulley turn
    double CoppiaEfficace = 0; // N·m
    double CoppiaPicco = 0;    // N·m, the holding at rest included
    double VelocitaMotore = 0; // giri/min
};

// Why there is no best ratio.
inline constexpr const char* TestoRapportoDiretta = "un motore lineare non ha rapporto di riduzione";
inline constexpr const char* TestoRapportoSenzaInerzia =
    "senza inerzie la coppia efficace cala sempre al crescere del rapporto: serve la velocità massima del "
    "motore";
inline constexpr const char* TestoRapportoSenzaCarico =
    "senza forze sull'asse la coppia efficace cala sempre al calare del rapporto";
inline constexpr const char* TestoRapportoFuori =
    "il rapporto ottimo è fuori dall'intervallo dei numeri ammessi";

struct EsitoRapporto {
    std::optional<PuntoRapporto> Ottimo;
    // The least RMS would turn the motor beyond its maximum speed (or, without inertia, needs the fastest
    // motor): the largest ratio within that speed instead.
    bool AlLimiteVelocita = false;
    const char* Motivo = ""; // why there is none
};

// The ratio of least RMS torque for the sizing `r` of the axis `asse` (its motor inertia included), kept
// within the motor's maximum speed when given. None for a linear motor; none without inertia and
// without a maximum speed (the RMS falls for ever), nor without load.
EsitoRapporto CercaRapportoOttimo(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore);

// The drive at another ratio (above 0); at asse.Rapporto, the sizing's own figures.
PuntoRapporto AlRapporto(const Dimensionamento& r, const DatiAsse& asse, double rapporto);

// The RMS and peak torques against the ratio, from a quarter to four times the best ratio (or, without
// one, the ratio typed), at `punti` ratios in equal steps of its logarithm (at least 2).
struct CurvaRapporto {
    std::vector<PuntoRapporto> Punti;
    PuntoRapporto Attuale; // at the ratio typed
    EsitoRapporto Ottimo;
    double RapportoMassimo = NessunValore; // the largest within the motor's maximum speed, when given
};
CurvaRapporto CurvaDelRapporto(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore,
                               int punti);
