#include "LeggePerTratti.h"

#include <algorithm>
#include <cmath>
#include <utility>

LeggePerTratti::LeggePerTratti(double corsa, double durata, double unitaS, double unitaT,
                               std::vector<TrattoLegge> tratti, const PicchiLegge& picchi)
    : corsa(corsa), durata(durata), unitaS(unitaS), unitaT(unitaT), tratti(std::move(tratti)),
      picchi(picchi) {
    const int n = NumeroTratti();
    inizi.resize(n);
    partenze.resize(n);
    for (int i = 0; i < n; ++i) {
        inizi[i] = unitaT * this->tratti[i].Inizio;
        partenze[i].senoFase = std::sin(this->tratti[i].Fase);
        partenze[i].cosenoFase = std::cos(this->tratti[i].Fase);
        if (i == 0)
            continue;
        // Each stretch starts where the one before ends, so s and v stay continuous.
        const Cinematica fine = Normalizzata(i - 1, this->tratti[i].Inizio - this->tratti[i - 1].Inizio);
        partenze[i].s = fine.s;
        partenze[i].v = fine.v;
    }
}

Cinematica LeggePerTratti::Normalizzata(int i, double tau) const {
    const TrattoLegge& p = tratti[i];
    Cinematica r;
    // Horner on the acceleration polynomial, its derivative and its first two integrals.
    for (int k = 5; k >= 0; --k) {
        r.a = r.a * tau + p.Polinomio[k];
        if (k > 0)
            r.j = r.j * tau + k * p.Polinomio[k];
        r.v = r.v * tau + p.Polinomio[k] / (k + 1);
        r.s = r.s * tau + p.Polinomio[k] / ((k + 1) * (k + 2));
    }
    r.v *= tau;
    r.s *= tau * tau;
    const Partenza& da = partenze[i];
    if (p.Ampiezza != 0) {
        const double w = p.Pulsazione, seno = std::sin(w * tau + p.Fase), coseno = std::cos(w * tau + p.Fase);
        r.a += p.Ampiezza * seno;
        r.j += p.Ampiezza * w * coseno;
        r.v += p.Ampiezza / w * (da.cosenoFase - coseno);
        r.s += p.Ampiezza / w * (tau * da.cosenoFase - (seno - da.senoFase) / w);
    }
    r.s += da.s + da.v * tau;
    r.v += da.v;
    return r;
}

Cinematica LeggePerTratti::InTratto(int i, double t) const {
    const Cinematica n = Normalizzata(i, (t - inizi[i]) / unitaT);
    // (unitaS / unitaT) / unitaT rather than unitaS / unitaT²: a long time must not overflow the divisor.
    const double perV = unitaS / unitaT, perA = perV / unitaT, perJ = perA / unitaT;
    return {unitaS * n.s, perV * n.v, perA * n.a, perJ * n.j};
}

Cinematica LeggePerTratti::In(double t) const {
    if (!(t >= 0) || tratti.empty())
        return {};
    if (t >= durata)
        return {corsa, 0, 0, 0};
    const int i = static_cast<int>(std::upper_bound(inizi.begin(), inizi.end(), t) - inizi.begin()) - 1;
    return InTratto(i, t);
}
