#include "Campionamento.h"

#include "Velantra.h"

#include <cmath>

namespace {

// One pass over the three phases at the given step. True when the whole motion fit: the list ends
// with the end point (a last sample that is itself (Ttot, 0) counts as the end point).
bool CampionaFasi(XYPoli& Punti, double T1, double T2, double Vm, double passo) {
    const double t12 = T1 + T2;
    const double Ttot = 2 * T1 + T2;
    const double pendenzaSalita = Vm / T1;
    const double pendenzaDiscesa = -Vm / (Ttot - t12);
    // A phase too short to be told apart in double precision (its slope overflows) is a vertical edge:
    // the rise is its start point alone, the fall its first point alone.
    const bool salitaVerticale = !std::isfinite(pendenzaSalita);
    const bool discesaVerticale = !std::isfinite(pendenzaDiscesa) || !std::isfinite(pendenzaDiscesa * t12);

    double t = 0;
    do {
        Punti.Add(t, salitaVerticale ? 0 : pendenzaSalita * t);
        t = t + passo;
    } while (t <= T1 && !salitaVerticale && !Punti.Piena());

    t = T1;
    do {
        Punti.Add(t, Vm);
        t = t + passo;
    } while (t <= t12 && !Punti.Piena());

    // Until the speed passes 0: below it going forward, above it going backward.
    const double verso = Vm > 0 ? 1 : -1;
    t = t12;
    double y = 0;
    do {
        y = discesaVerticale ? Vm : (Vm - pendenzaDiscesa * t12) + pendenzaDiscesa * t;
        Punti.Add(t, y);
        t = t + passo;
        // Not past the end either: a slope lost to underflow never reaches 0.
    } while (verso * y >= 0 && t <= Ttot && !discesaVerticale && !Punti.Piena());

    ChiudiCurvaVelocita(Punti, Ttot, verso);
    const int32_t n = Punti.NumeroElementi();
    return n > 0 && Punti.X(n - 1) == Ttot && Punti.Y(n - 1) == 0;
}

} // namespace

void CampionaVelocita(XYPoli& Punti, const Velantra& Moto, float StepTempo) {
    const double T1 = Moto.T1, T2 = Moto.T2, Vm = Moto.Vm;
    if (!std::isfinite(T1) || !std::isfinite(T2) || !std::isfinite(Vm) || T1 <= 0 || Vm == 0 ||
        !(StepTempo > 0))
        return;
    // The time sampled: both slopes and the constant phase when it goes forward.
    const double durata = 2 * T1 + std::max(T2, 0.0);
    if (!std::isfinite(durata))
        return;
    const int32_t prima = Punti.NumeroElementi();
    // A motion that fits at the chosen step is sampled at it, point for point. About durata / step + 4
    // points are needed; only near the capacity does the pass itself tell.
    if (durata / StepTempo <= XYPoli::Capacita && CampionaFasi(Punti, T1, T2, Vm, StepTempo))
        return;
    // Otherwise the smallest step that holds a motion of this length whatever its phases; rounding may
    // add a sample per phase, so a slightly longer one is tried when it does.
    for (int32_t margine = 4; margine <= 7; ++margine) {
        while (Punti.NumeroElementi() > prima)
            Punti.RimuoviUltimo();
        if (CampionaFasi(Punti, T1, T2, Vm, durata / (XYPoli::Capacita - margine)))
            return;
    }
}

void ChiudiCurvaVelocita(XYPoli& Punti, double Ttot, double verso) {
    // Not a number (a speed no phase can give) goes with those past 0.
    while (Punti.NumeroElementi() > 0 && !(verso * Punti.Y(Punti.NumeroElementi() - 1) >= 0))
        Punti.RimuoviUltimo();
    Punti.Add(Ttot, 0);
}
