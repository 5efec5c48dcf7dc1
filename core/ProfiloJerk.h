#pragma once

// The jerk-limited profile: the fastest rest-to-rest move over a stroke within a speed limit Vm, an
// acceleration limit A and a jerk J, the standard seven segments: the jerk +J for Tj, the acceleration
// held for Ta - 2·Tj, the jerk -J for Tj (the acceleration phase, Ta in all), the speed held for Tv,
// then the acceleration phase mirrored. With D = |stroke|, in closed form:
//
//   Vm·J >= A² and D >= Vm·(Vm/A + A/J): both limits reached.  Tj = A/J, Ta = Tj + Vm/A, Tv = D/Vm - Ta
//   Vm·J <  A² and D >= 2·Vm·√(Vm/J): Vm reached, A not.  Tj = √(Vm/J), Ta = 2·Tj, Tv = D/Vm - Ta
//   otherwise, D >= 2·A³/J²: A reached, Vm not.  Tj = A/J, Ta = (A²/J + √(A⁴/J² + 4·A·D)) / (2·A), Tv = 0
//   otherwise: neither.  Tj = ∛(D/(2·J)), Ta = 2·Tj, Tv = 0
//
// The peak acceleration is J·Tj, the peak speed J·Tj·(Ta - Tj), the time 2·Ta + Tv, and the RMS
// acceleration over it J·Tj·√(2·(Ta - 4·Tj/3) / (2·Ta + Tv)). Standard library only.

#include "LeggePerTratti.h"

enum class CasoJerk { VmEARaggiunte, ANonRaggiunta, VmNonRaggiunta, NessunaRaggiunta };

struct ProfiloJerk {
    CasoJerk Caso = CasoJerk::NessunaRaggiunta;
    double Tj = 0, Ta = 0, Tv = 0, Ttot = 0; // sec
    double Jerk = 0;                         // m/sec^3, J
    double AccPicco = 0;                     // m/sec^2
    double VelPicco = 0;                     // m/sec
};

// The profile over `corsa` metres within `vm`, `acc` and `jerk` (their sizes are taken; none 0). Not
// finite figures mean values beyond the doubles: the caller refuses them.
ProfiloJerk ProfiloJerkLimitato(double corsa, double vm, double acc, double jerk);

// The profile as a law over `corsa` (its sign the direction), with its peaks (Jmax = J).
LeggePerTratti LeggeJerk(const ProfiloJerk& profilo, double corsa);
