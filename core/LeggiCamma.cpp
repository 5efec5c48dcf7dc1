#include "LeggiCamma.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;
constexpr double Illimitato = std::numeric_limits<double>::infinity();

// The modified laws by the three parts of their first half: rise, constant, fall.
struct Parti {
    double d1, d2, d3;
};
Parti PartiForma(FormaLegge forma) {
    return forma == FormaLegge::TrapezioModificato ? Parti{1.0 / 8, 1.0 / 4, 1.0 / 8}
                                                   : Parti{1.0 / 8, 0, 3.0 / 8};
}

CoefficientiLegge Modificata(Parti p) {
    const double ca = 1 / (2 * (p.d1 / pi - 4 * p.d1 * p.d1 / (pi * pi) + p.d2 * (0.5 - p.d1 - p.d2 / 2) +
                                4 * p.d3 * p.d3 / (pi * pi)));
    return {ca * (2 * (p.d1 + p.d3) / pi + p.d2), ca, ca * pi / (2 * std::min(p.d1, p.d3)),
            ca * std::sqrt(p.d1 + 2 * p.d2 + p.d3)};
}

TrattoLegge Costante(double inizio, double a) {
    return {inizio, {a}};
}
TrattoLegge Sinusoide(double inizio, double ampiezza, double pulsazione, double fase) {
    return {inizio, {}, ampiezza, pulsazione, fase};
}

std::vector<TrattoLegge> TrattiForma(FormaLegge forma, double ca) {
    switch (forma) {
    case FormaLegge::Armonica:
        return {Sinusoide(0, ca, pi, pi / 2)};
    case FormaLegge::Cicloidale:
        return {Sinusoide(0, ca, 2 * pi, 0)};
    case FormaLegge::Polinomiale345:
        return {{0, {0, 60, -180, 120}}};
    case FormaLegge::Polinomiale4567:
        return {{0, {0, 0, 420, -1680, 2100, -840}}};
    default:
        break;
    }
    const auto [d1, d2, d3] = PartiForma(forma);
    const double w1 = pi / (2 * d1), w3 = pi / (2 * d3);
    std::vector<TrattoLegge> tratti{Sinusoide(0, ca, w1, 0)};
    if (d2 > 0)
        tratti.push_back(Costante(d1, ca));
    tratti.push_back(Sinusoide(d1 + d2, ca, w3, pi / 2));
    tratti.push_back(Sinusoide(0.5, -ca, w3, 0));
    if (d2 > 0)
        tratti.push_back(Costante(0.5 + d3, -ca));
    tratti.push_back(Sinusoide(1 - d1, -ca, w1, pi / 2));
    return tratti;
}

LeggePerTratti Legge(const CoefficientiLegge& c, double corsa, double durata,
                     std::vector<TrattoLegge> tratti) {
    const double v = std::abs(corsa) / durata, a = v / durata;
    return LeggePerTratti(corsa, durata, corsa, durata, std::move(tratti),
                          {c.Cv * v, c.Ca * a, c.Cj * (a / durata), c.Ce * a});
}

} // namespace

CoefficientiLegge CoefficientiTrapezio(double frazione) {
    const double ca = 1 / (frazione * (1 - frazione));
    return {1 / (1 - frazione), ca, Illimitato, ca * std::sqrt(2 * frazione)};
}

CoefficientiLegge CoefficientiForma(FormaLegge forma) {
    switch (forma) {
    case FormaLegge::Armonica:
        return {pi / 2, pi * pi / 2, Illimitato, pi * pi / (2 * std::numbers::sqrt2)};
    case FormaLegge::Cicloidale:
        return {2, 2 * pi, 4 * pi * pi, pi * std::numbers::sqrt2};
    case FormaLegge::Polinomiale345:
        return {15.0 / 8, 10 / std::sqrt(3.0), 60, std::sqrt(120.0 / 7)};
    case FormaLegge::Polinomiale4567:
        return {35.0 / 16, 84 / (5 * std::sqrt(5.0)), 105.0 / 2, std::sqrt(280.0 / 11)};
    default:
        return Modificata(PartiForma(forma));
    }
}

LeggePerTratti LeggeTrapezio(double frazione, double corsa, double durata) {
    const CoefficientiLegge c = CoefficientiTrapezio(frazione);
    std::vector<TrattoLegge> tratti{Costante(0, c.Ca)};
    if (1 - frazione > frazione)
        tratti.push_back(Costante(frazione, 0));
    tratti.push_back(Costante(1 - frazione, -c.Ca));
    return Legge(c, corsa, durata, std::move(tratti));
}

LeggePerTratti LeggeForma(FormaLegge forma, double corsa, double durata) {
    const CoefficientiLegge c = CoefficientiForma(forma);
    return Legge(c, corsa, durata, TrattiForma(forma, c.Ca));
}
