#include "ProfiloJerk.h"

#include <algorithm>
#include <cmath>

ProfiloJerk ProfiloJerkLimitato(double corsa, double vm, double acc, double jerk) {
    const double d = std::abs(corsa), v = std::abs(vm), a = std::abs(acc), j = std::abs(jerk);
    ProfiloJerk p;
    p.Jerk = j;
    const bool aPiena = v * j >= a * a; // the acceleration reaches A before the speed reaches Vm
    p.Tj = aPiena ? a / j : std::sqrt(v / j);
    p.Ta = aPiena ? p.Tj + v / a : 2 * p.Tj;
    p.Tv = d / v - p.Ta;
    p.VelPicco = v;
    if (p.Tv >= 0) {
        p.Caso = aPiena ? CasoJerk::VmEARaggiunte : CasoJerk::ANonRaggiunta;
    } else if (d >= 2 * a * (a / j) * (a / j)) {
        p.Caso = CasoJerk::VmNonRaggiunta;
        p.Tj = a / j;
        p.Ta = (a * (a / j) + std::sqrt(a * (a / j) * a * (a / j) + 4 * a * d)) / (2 * a);
        p.Tv = 0;
    } else {
        p.Caso = CasoJerk::NessunaRaggiunta;
        p.Tj = std::cbrt(d / (2 * j));
        p.Ta = 2 * p.Tj;
        p.Tv = 0;
    }
    p.AccPicco = p.Caso == CasoJerk::VmEARaggiunte || p.Caso == CasoJerk::VmNonRaggiunta ? a : j * p.Tj;
    if (p.Caso == CasoJerk::VmNonRaggiunta || p.Caso == CasoJerk::NessunaRaggiunta)
        p.VelPicco = p.AccPicco * (p.Ta - p.Tj);
    p.Ttot = 2 * p.Ta + p.Tv;
    return p;
}

LeggePerTratti LeggeJerk(const ProfiloJerk& p, double corsa) {
    const double j = p.Jerk, ap = p.AccPicco, costante = std::max(0.0, p.Ta - 2 * p.Tj);
    // The seven segments by their length and acceleration polynomial; those of no length go.
    const struct {
        double durata;
        std::array<double, 6> a;
    } segmenti[] = {{p.Tj, {0, j}},  {costante, {ap}},  {p.Tj, {ap, -j}}, {p.Tv, {}},
                    {p.Tj, {0, -j}}, {costante, {-ap}}, {p.Tj, {-ap, j}}};
    std::vector<TrattoLegge> tratti;
    double inizio = 0;
    for (const auto& s : segmenti) {
        if (s.durata > 0)
            tratti.push_back({inizio, s.a});
        inizio += s.durata;
    }
    const double ttot = p.Ttot;
    const PicchiLegge picchi{p.VelPicco, p.AccPicco, j,
                             p.AccPicco * std::sqrt(2 * (p.Ta - 4 * p.Tj / 3) / ttot)};
    return LeggePerTratti(corsa, ttot, corsa < 0 ? -1 : 1, 1, std::move(tratti), picchi);
}
