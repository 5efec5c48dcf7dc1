#include "LeggeMoto.h"

#include "Velantra.h"
#include "VerificaMoto.h"

#include <algorithm>
#include <cmath>

LeggeMoto::LeggeMoto(const Velantra& Moto) {
    const double T1 = Moto.T1, T2 = Moto.T2, Vm = Moto.Vm;
    if (!(T1 > 0 && T2 >= 0 && Vm != 0 && std::isfinite(T2) && std::isfinite(Vm)))
        return;
    const bool moto = VerificaMoto(Moto).empty();
    const double a = moto ? Moto.Acc : Vm / T1;
    const double fine = moto ? Moto.Ttot : 2 * T1 + T2;
    const double corsa = moto ? Moto.Stot : Vm * (T1 + T2);
    if (!std::isfinite(a) || !std::isfinite(fine) || !std::isfinite(corsa))
        return;
    t1 = T1;
    t12 = T1 + T2;
    ttot = fine;
    vm = Vm;
    acc = a;
    s1 = moto ? Moto.S1 : 0.5 * Vm * T1;
    stot = corsa;
}

double LeggeMoto::Posizione(double t) const {
    if (t <= 0)
        return 0;
    if (t >= ttot)
        return stot;
    if (t < t1)
        return 0.5 * acc * t * t;
    if (t <= t12)
        return s1 + vm * (t - t1);
    // From the end backwards: the deceleration mirrors the start.
    const double resta = ttot - t;
    return stot - 0.5 * acc * resta * resta;
}

double LeggeMoto::Velocita(double t) const {
    if (t <= 0 || t >= ttot)
        return 0;
    if (t < t1)
        return acc * t;
    if (t <= t12)
        return vm;
    return acc * (ttot - t);
}

double LeggeMoto::Accelerazione(double t) const {
    if (t < 0 || t >= ttot)
        return 0;
    if (t < t1)
        return acc;
    if (t < t12)
        return 0;
    return -acc;
}

double LeggeMoto::Spazio(double da, double a) const {
    if (da > a)
        std::swap(da, a);
    double spazio = 0;
    // The part of [da, a] inside [inizio, fine], empty when they do not overlap.
    const auto tratto = [&](double inizio, double fine, auto&& integrale) {
        const double x = std::max(da, inizio), y = std::min(a, fine);
        if (y > x)
            spazio += integrale(x, y);
    };
    tratto(0, t1, [&](double x, double y) { return 0.5 * acc * (y - x) * (y + x); });
    tratto(t1, t12, [&](double x, double y) { return vm * (y - x); });
    tratto(t12, ttot, [&](double x, double y) { return 0.5 * acc * (y - x) * ((ttot - x) + (ttot - y)); });
    return spazio;
}
