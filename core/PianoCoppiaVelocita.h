#pragma once

// The torque-speed picture of a sized axis: the operating points of the cycle and the motor's limits.
// Speed on x in giri/min, torque on y in N·m; for a linear motor m/sec and N. The speed is taken as a
// magnitude and the torque with the sign of the motion: above 0 the motor drives the load, below it
// brakes it (or holds it against the motion's direction), whichever way the axis moves, so a motor's
// limits apply alike above and below. Standard library only.

#include "DatiMotore.h"
#include "Dimensionamento.h"

#include <array>

struct PuntoLavoro {
    double Velocita = 0; // giri/min (m/sec)
    double Coppia = 0;   // N·m (N)
};

// The straight path a phase traces: acceleration from 0 to the top speed at its torque, regime at the
// top speed, deceleration back to 0, the holding at 0 speed. A phase without time is absent, save the
// holding, which the end of the motion always shows.
struct TrattoLavoro {
    bool Presente = false;
    PuntoLavoro Inizio, Fine;
};

struct PianoCoppiaVelocita {
    bool Diretta = false;
    std::array<TrattoLavoro, NumeroFasiAsse> Tratti{};
    PuntoLavoro Efficace; // the RMS torque at the mean speed over the motion and the dwell
    // The motor's, NessunValore when not given: the rated torque holds up to the maximum speed, the
    // peak torque is the ceiling.
    double CoppiaNominale = NessunValore, CoppiaMassima = NessunValore, VelocitaMassima = NessunValore;
};

PianoCoppiaVelocita PianoDiLavoro(const Dimensionamento& r, const DatiMotore& motore);
