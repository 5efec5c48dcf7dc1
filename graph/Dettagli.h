#pragma once

// The details of the motion over the speed graph: curves of time, each on an axis of its own right of
// the plot, drawn in the plot's own coordinates as speeds (each curve's range maps linearly onto a band
// of speeds between 0 and Vm). Today the position s(t), from 0 at the time axis to the stroke at the
// height of Vm, and the acceleration a(t), with 0 at half Vm and +A, -A at 0.9 and 0.1 of Vm, so that
// its steps stay clear of the time axis and of the flat top of the speed. A motion backwards (Vm below
// 0) mirrors both. Another curve (a torque, a force) is one more entry of CurveDettaglio: its phases,
// its band, its marked values, its name, unit, colour and line; the graph lays out, draws, labels and
// reads it at the cursor like the others. Every value comes from the closed form of the motion
// (LeggeMoto), exact at any time, not from the samples.

#include "CurvaDettaglio.h"

#include <QString>
#include <vector>

class Velantra;
struct DatiAsse;

// The details of a motion, in the order their axes stand right of the plot; none for a record that
// is no motion. With the axis' sizing, its torque (or force) last.
std::vector<CurvaDettaglio> CurveDettaglio(const Velantra& Moto, const DatiAsse* asse);

// A value of the details as the user reads it: 5 significant digits in the regional format, so that
// no value but 0 reads 0.
QString TestoParticolare(double valore);
