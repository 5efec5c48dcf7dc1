#pragma once

// The laws of a rise compared with the trapezoid, each in closed form over a rise h in a time T with
// x = t / T: s = h·f(x), and at their peaks |v| = Cv·|h|/T, |a| = Ca·|h|/T², |j| = Cj·|h|/T³, with
// the RMS acceleration over T Aeff = Ce·|h|/T².
//
//   trapezoid, accelerating for a fraction p of T:  a = ±Ca in [0, p] and [1 - p, 1], 0 between;
//       Cv = 1/(1 - p), Ca = 1/(p(1 - p)), Cj unbounded, Ce = Ca·√(2p)
//   harmonic:     f = (1 - cos πx)/2;  Cv = π/2, Ca = π²/2, Cj unbounded (a jumps at the ends),
//                 Ce = π²/(2√2)
//   cycloidal:    f = x - sin(2πx)/(2π);  Cv = 2, Ca = 2π, Cj = 4π², Ce = π√2
//   3-4-5:        f = 10x³ - 15x⁴ + 6x⁵;  Cv = 15/8, Ca = 10/√3, Cj = 60, Ce = √(120/7)
//   4-5-6-7:      f = 35x⁴ - 84x⁵ + 70x⁶ - 20x⁷;  Cv = 35/16, Ca = 84/(5√5), Cj = 105/2,
//                 Ce = √(280/11)
//   modified trapezoid and modified sine: over the first half the acceleration rises as a quarter sine
//   to Ca in d1, stays at Ca for d2, falls as a quarter cosine to 0 in d3 (d1 + d2 + d3 = 1/2); the
//   second half is its opposite mirror, a(1 - x) = -a(x). From s(1/2) = 1/2:
//       Ca = 1 / (2·(d1/π - 4d1²/π² + d2·(1/2 - d1 - d2/2) + 4d3²/π²)),
//       Cv = Ca·(2(d1 + d3)/π + d2), Cj = Ca·π/(2·min(d1, d3)), Ce = Ca·√(d1 + 2d2 + d3).
//     modified trapezoid, d = 1/8, 1/4, 1/8:  Ca = 8π/(π + 2), Cv = 2, Cj = 32π²/(π + 2), Ce = Ca·√3/2
//     modified sine, d = 1/8, 0, 3/8:  Ca = 4π²/(π + 4), Cv = 4π/(π + 4), Cj = 16π³/(π + 4), Ce = Ca/√2
//
// Standard library only.

#include "LeggePerTratti.h"

enum class FormaLegge {
    Armonica,
    Cicloidale,
    Polinomiale345,
    Polinomiale4567,
    TrapezioModificato,
    SinusoideModificata
};

struct CoefficientiLegge {
    double Cv = 0, Ca = 0, Cj = 0, Ce = 0; // Cj is +infinity where the acceleration jumps
};

// `frazione` is p, over 0 and up to 1/2 (1/2: the triangular profile).
CoefficientiLegge CoefficientiTrapezio(double frazione);
CoefficientiLegge CoefficientiForma(FormaLegge forma);

// The law over a rise of `corsa` metres (either sign: a negative one runs backward) in `durata` seconds,
// with its peaks from the coefficients.
LeggePerTratti LeggeTrapezio(double frazione, double corsa, double durata);
LeggePerTratti LeggeForma(FormaLegge forma, double corsa, double durata);
