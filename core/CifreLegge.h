#pragma once

// Sizing a drive for any law of motion, instant by instant: the law's a(t) and v(t) go through the
// drive's law (LeggeAsse::InMoto, in the direction of the stroke) while the axis moves, and the axis is
// held (LeggeAsse::Fermo) at the instants it is at rest, its start and its end, and during the dwell.
//
// The figure Q is the motor torque, or the force along the axis for a direct drive (no motor shaft);
// the power is C·ω, or F·v for a direct drive.
//   Picco         the largest |Q| over the motion and the holding
//   Efficace      the RMS of Q over the law's own duration plus the dwell
//   PotenzaPicco  the largest power over the motion, 0 when the motor only brakes (held: 0)
//
// How: the law's smooth stretches are split where the force changes sign (the efficiency switches
// there: a kink), found by bisection to the last bit of time. The integral of Q² is a 16-point
// Gauss-Legendre rule on each piece: exact for the polynomial laws, to the rounding of the doubles for
// the sinusoidal ones. The peaks come from 32 samples per stretch, each sampled local maximum refined
// by golden-section search to 3e-13 of the stretch: a smooth peak or one at a kink to better than
// 1e-11 relative (a peak narrower than 1/32 of a stretch could be missed; the laws here have none).
// Standard library only.

#include "Dimensionamento.h"
#include "LeggePerTratti.h"

struct CifreLegge {
    double Picco = 0;        // N·m, or N for a direct drive
    double Efficace = 0;     // N·m, or N for a direct drive
    double PotenzaPicco = 0; // W
};

// `sosta` in seconds, not negative. Figures not finite mean values beyond the doubles.
CifreLegge DimensionaLegge(const LeggePerTratti& legge, const LeggeAsse& asse, double sosta);

// The drive at time t of the law: held before it starts and from its end on, else moving.
IstanteAsse IstanteLegge(const LeggePerTratti& legge, const LeggeAsse& asse, double t);
