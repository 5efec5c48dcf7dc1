#include "Velantra.h"

#include <cmath>
#include <limits>

// Stores one result; a result that is not finite (x/0, 0/0, overflow) ends the solve as failed.
bool Velantra::Memorizza(double& uscita, double valore) {
    uscita = valore;
    if (!std::isfinite(valore)) {
        CalcoloOk = false;
        return false;
    }
    return true;
}

// The formulas are written in the evaluation order of the published ones (squares as products,
// constants 0.5, 2 and 4) so that results agree to the last bit with any faithful implementation.

void Velantra::VmT2St() {
    if (!Memorizza(S1, (Stot - T2 * Vm) * 0.5))
        return;
    if (!Memorizza(S2, T2 * Vm))
        return;
    if (!Memorizza(T1, (Stot - T2 * Vm) / Vm))
        return;
    if (!Memorizza(Ttot, (2 * Stot - T2 * Vm) / Vm))
        return;
    if (!Memorizza(Acc, (Vm * Vm) / (Stot - T2 * Vm)))
        return;
    CalcoloOk = true;
}

void Velantra::VmTtSt() {
    if (!Memorizza(S1, (Ttot * Vm - Stot) * 0.5))
        return;
    if (!Memorizza(S2, 2 * Stot - Ttot * Vm))
        return;
    if (!Memorizza(T1, Ttot - Stot / Vm))
        return;
    if (!Memorizza(T2, 2 * (Stot / Vm) - Ttot))
        return;
    if (!Memorizza(Acc, (Vm * Vm) / (Ttot * Vm - Stot)))
        return;
    CalcoloOk = true;
}

void Velantra::VmTtT1() {
    if (!Memorizza(S1, Vm * 0.5 * T1))
        return;
    if (!Memorizza(S2, Vm * Ttot - 2 * Vm * T1))
        return;
    if (!Memorizza(Stot, Vm * Ttot - T1 * Vm))
        return;
    if (!Memorizza(T2, Ttot - 2 * T1))
        return;
    if (!Memorizza(Acc, Vm / T1))
        return;
    CalcoloOk = true;
}

void Velantra::VmTtA() {
    if (!Memorizza(S1, (Vm * Vm) * 0.5 / Acc))
        return;
    if (!Memorizza(S2, Vm * Ttot - 2 * ((Vm * Vm) / Acc)))
        return;
    if (!Memorizza(Stot, Vm * Ttot - (Vm * Vm) / Acc))
        return;
    if (!Memorizza(T1, Vm / Acc))
        return;
    if (!Memorizza(T2, Ttot - 2 * Vm / Acc))
        return;
    CalcoloOk = true;
}

void Velantra::VmTtS1() {
    if (!Memorizza(S2, Ttot * Vm - 4 * S1))
        return;
    if (!Memorizza(Stot, Ttot * Vm - 2 * S1))
        return;
    if (!Memorizza(T1, 2 * S1 / Vm))
        return;
    if (!Memorizza(T2, Ttot - 4 * S1 / Vm))
        return;
    if (!Memorizza(Acc, (Vm * Vm) * 0.5 / S1))
        return;
    CalcoloOk = true;
}

void Velantra::StVmT1() {
    if (!Memorizza(S1, Vm * 0.5 * T1))
        return;
    if (!Memorizza(S2, Stot - T1 * Vm))
        return;
    if (!Memorizza(T2, Stot / Vm - T1))
        return;
    if (!Memorizza(Ttot, Stot / Vm + T1))
        return;
    if (!Memorizza(Acc, Vm / T1))
        return;
    CalcoloOk = true;
}

void Velantra::StVmA() {
    if (!Memorizza(S1, (Vm * Vm) * 0.5 / Acc))
        return;
    if (!Memorizza(S2, Stot - (Vm * Vm) / Acc))
        return;
    if (!Memorizza(T1, Vm / Acc))
        return;
    if (!Memorizza(T2, Stot / Vm - Vm / Acc))
        return;
    if (!Memorizza(Ttot, Stot / Vm + Vm / Acc))
        return;
    CalcoloOk = true;
}

void Velantra::StVmS1() {
    if (!Memorizza(S2, Stot - 2 * S1))
        return;
    if (!Memorizza(T1, 2 * S1 / Vm))
        return;
    if (!Memorizza(T2, (Stot - 2 * S1) / Vm))
        return;
    if (!Memorizza(Ttot, (2 * S1 + Stot) / Vm))
        return;
    if (!Memorizza(Acc, (Vm * Vm) * 0.5 / S1))
        return;
    CalcoloOk = true;
}

void Velantra::StTtT1() {
    if (!Memorizza(S1, Stot * 0.5 * T1 / (Ttot - T1)))
        return;
    if (!Memorizza(S2, (Ttot - 2 * T1) * Stot / (Ttot - T1)))
        return;
    if (!Memorizza(T2, Ttot - 2 * T1))
        return;
    if (!Memorizza(Vm, Stot / (Ttot - T1)))
        return;
    if (!Memorizza(Acc, Stot / ((Ttot - T1) * T1)))
        return;
    CalcoloOk = true;
}

void Velantra::StTtA() {
    // Stot = Acc*T1*(Ttot - T1): the smaller root, so that T1 <= Ttot/2 and T2 >= 0. A backward motion
    // (Acc < 0) is the mirror of the forward one: the sign of the root follows Acc, or the formulas
    // would take the larger root and a negative T2.
    const double quadrati = (Ttot * Ttot) * (Acc * Acc);
    double D = quadrati - 4 * Acc * Stot;
    // A discriminant within the rounding of its terms is the triangular profile, not a missing root.
    if (D < 0 && -D <= 4 * std::numeric_limits<double>::epsilon() * quadrati)
        D = 0;
    if (D < 0) { // the square root of a negative number stores nothing
        CalcoloOk = false;
        return;
    }
    const double R = Acc < 0 ? -std::sqrt(D) : std::sqrt(D);
    if (!Memorizza(T1, (Acc * Ttot - R) / (2 * Acc)))
        return;
    if (!Memorizza(T2, R / Acc))
        return;
    if (!Memorizza(S2, (4 * Stot - (Ttot * Ttot) * Acc + R * Ttot) / 2))
        return;
    if (!Memorizza(Vm, (Acc * Ttot - R) / 2))
        return;
    if (!Memorizza(S1, ((Ttot * Ttot) * Acc - 2 * Stot - R * Ttot) / 4))
        return;
    CalcoloOk = true;
}

void Velantra::StTtS1() {
    if (!Memorizza(T1, 2 * S1 * Ttot / (2 * S1 + Stot)))
        return;
    if (!Memorizza(Acc, (4 * (S1 * S1) + (Stot * Stot) + 4 * Stot * S1) / ((Ttot * Ttot) * 2 * S1)))
        return;
    if (!Memorizza(Vm, (2 * S1 + Stot) / Ttot))
        return;
    if (!Memorizza(T2, (Stot * Ttot - 2 * S1 * Ttot) / (2 * S1 + Stot)))
        return;
    if (!Memorizza(S2, Stot - 2 * S1))
        return;
    CalcoloOk = true;
}

void Velantra::Vuota() {
    S1 = S2 = Stot = T1 = T2 = Ttot = Acc = Vm = 0;
    CalcoloOk = true;
}
