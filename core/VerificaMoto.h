#pragma once

// Whether a solved record describes a motion, and, for each solver, the values of its third input for
// which one exists given the other two. Pure functions beside the solvers: the window turns their answers
// into sentences.
//
// A motion goes forward or backward along the axis: Stot, Vm and Acc are not 0 and share one sign with
// S1 and S2 (S2 may be 0), T1 > 0, T2 >= 0; every quantity is finite. Its direction is the sign of Stot.

#include "Velantra.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

using MembroMoto = double Velantra::*;
using Risolutore = void (Velantra::*)();

enum class Difetto {
    NonDefinito, // 0/0 and the like
    Infinito,
    Negativo, // below 0: a time, or a quantity of a forward motion
    Positivo, // above 0: a quantity of a backward motion
    Nullo,    // a zero where the part would not move
};

struct Violazione {
    MembroMoto Grandezza;
    Difetto Tipo;
    bool operator==(const Violazione&) const = default;
};

// True for the quantities whose sign is the direction of the motion: S1, S2, Stot, Vm, Acc.
bool Orientata(MembroMoto grandezza);

// The conditions the record breaks, in member order. The all-zero record (nothing entered yet) breaks
// none. The direction judged is `verso` (1 forward, -1 backward) or, when 0, the sign of Stot (of Vm
// when Stot is 0).
std::vector<Violazione> VerificaMoto(const Velantra& moto, int verso = 0);

// A regime phase within the rounding of the calculation is none: S2 and T2 become exactly 0, the
// triangular profile that the values describe (a peak computed from the limits lands here).
void AzzeraRegimeTrascurabile(Velantra& moto);

// Solves a fresh record from the solver's three inputs taken from `dati` and judges it in the direction
// of its first input (as IntervalloAmmesso): what the solved record breaks or, when the solve fails, the
// quantity it could not compute. Empty: a motion. The solved record goes to `risolto` when given.
std::vector<Violazione> VerificaSoluzione(Risolutore risolutore, const Velantra& dati,
                                          Velantra* risolto = nullptr);

// Values of one quantity between two ends, each included or not; an end is infinite when unbounded.
// The ends are long doubles: a limit such as Vm^2/Stot stays exact where the doubles would overflow.
struct Intervallo {
    MembroMoto Grandezza = nullptr;
    long double Minimo = -std::numeric_limits<long double>::infinity();
    bool MinimoIncluso = false;
    long double Massimo = std::numeric_limits<long double>::infinity();
    bool MassimoIncluso = false;
    bool DiversoDaZero = false; // every value but 0; the ends are then not used

    bool Contiene(double valore) const;
};

struct Ammissibili {
    // The direction the ranges are stated for: the sign of the first input (Stot, or Vm where Stot is
    // not among the first two); 0 when it is 0.
    int Verso = 0;
    // The first two inputs that are outside their own range: each alone rules out every motion.
    std::vector<Intervallo> Dati;
    // The range of the third input given the first two; none when no value of it gives a motion.
    std::optional<Intervallo> Ultimo;
    // All three inside their ranges: a motion exists, whatever the double arithmetic makes of it.
    bool Esiste = false;
};

// For the solver's three inputs in the order of its name (VmT2St: Vm, T2, Stot), where the third lets the
// first two, as `dati` holds them, make a motion. Closed forms, one per solver.
Ammissibili IntervalloAmmesso(Risolutore risolutore, const Velantra& dati);

// One end of a range as a message states it. An end that is included, or that no double reaches (the
// first double inside it is then the end, included), is a value to type: rounded inward to 6
// significant digits, more where 6 would leave the range or, typed as the third input of `risolutore`
// beside the first two of `dati`, would give no motion; typing `Testo` then calculates. A strict end
// that is a double is stated exactly. `Testo` uses the decimal separator given.
struct EstremoMostrato {
    bool Incluso = false;
    double Valore = 0; // the value `Testo` reads back as
    std::string Testo;
};
EstremoMostrato MostraEstremo(const Intervallo& intervallo, bool minimo, Risolutore risolutore,
                              const Velantra& dati, char separatore);

// The fastest move the limits allow when the stroke is too short to reach the typed Vm: for Stot-Vm-A
// with |A*Stot| < Vm^2 the peak sqrt(A*Stot), for Stot-Vm-T1 with |Vm*T1| > |Stot| the peak Stot/T1,
// each with the sign of Stot (Stot, Vm and the third of one sign). Solved with that Vm, the profile is a
// triangle: S2 = T2 = 0. None for other solvers or values.
std::optional<double> VelocitaTriangolare(Risolutore risolutore, const Velantra& dati);
