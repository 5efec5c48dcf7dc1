#pragma once

// Sampling of the solved speed profile V(t) into a point list: (time, speed), one point every
// StepTempo seconds in each phase, exact points at T1 and T1 + T2, ending exactly at 2*T1 + T2.

#include "XYPoli.h"

class Velantra;

// Samples the three phases from Moto's T1, T2 and Vm and closes the curve. The step is added to the
// double-precision time as the single-precision number it is, so samples fall just short of round
// times (the 51st of a 0.5 s rise is at 0.49999998882 s). A motion too long for the list at that step
// is sampled whole at the smallest step that fits it (about Ttot / 49,996). A phase too short to be
// told apart from its neighbours in double precision is drawn as a vertical edge. A backward motion
// (Vm < 0) is sampled as the mirror of the forward one, below the time axis. A record that cannot
// describe a motion (T1 not positive, Vm 0, or any of the three not finite) leaves the list untouched.
void CampionaVelocita(XYPoli& Punti, const Velantra& Moto, float StepTempo);

// Drops the trailing samples past zero speed (below it, or above it when `verso` is -1, a backward
// motion) and appends the end point (Ttot, 0).
void ChiudiCurvaVelocita(XYPoli& Punti, double Ttot, double verso = 1);
