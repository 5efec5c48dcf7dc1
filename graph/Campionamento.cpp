#include "Campionamento.h"

#include "Velantra.h"

#include <cmath>

void CampionaVelocita(XYPoli& Punti, const Velantra& Moto, float StepTempo) {
    const double T1 = Moto.T1, T2 = Moto.T2, Vm = Moto.Vm;
    if (!std::isfinite(T1) || !std::isfinite(T2) || !std::isfinite(Vm) || T1 <= 0 || Vm <= 0)
        return;
    const double t12 = T1 + T2;
    const double Ttot = 2 * T1 + T2;
    const double pendenzaSalita = Vm / T1;
    const double pendenzaDiscesa = -Vm / (Ttot - t12);
    // T1 so small beside T2 that the phases cannot be told apart in double precision.
    if (!std::isfinite(pendenzaSalita) || !std::isfinite(pendenzaDiscesa))
        return;

    double t = 0;
    do {
        Punti.Add(t, pendenzaSalita * t, 0);
        t = t + StepTempo;
    } while (t <= T1 && !Punti.Piena());

    t = T1;
    do {
        Punti.Add(t, Vm, 0);
        t = t + StepTempo;
    } while (t <= t12 && !Punti.Piena());

    t = t12;
    double y = 0;
    do {
        y = (Vm - pendenzaDiscesa * t12) + pendenzaDiscesa * t;
        Punti.Add(t, y, 0);
        t = t + StepTempo;
    } while (y >= 0 && !Punti.Piena());

    ChiudiCurvaVelocita(Punti, Ttot);
}

void ChiudiCurvaVelocita(XYPoli& Punti, double Ttot) {
    while (Punti.NumeroElementi() > 0 && Punti.Y(Punti.NumeroElementi() - 1) < 0)
        Punti.RimuoviUltimo();
    Punti.Add(Ttot, 0, 0);
}
