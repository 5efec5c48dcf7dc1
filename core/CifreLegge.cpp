#include "CifreLegge.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int Nodi = 16, Campioni = 32;

struct Gauss {
    std::array<double, Nodi> x{}, w{};
};
// The Gauss-Legendre nodes and weights on [-1, 1]: Newton on the Legendre polynomial from its
// asymptotic roots.
const Gauss& NodiGauss() {
    static const Gauss g = [] {
        Gauss r;
        for (int i = 0; i < Nodi; ++i) {
            double x = std::cos(std::numbers::pi * (i + 0.75) / (Nodi + 0.5)), derivata = 1;
            for (int passo = 0; passo < 100; ++passo) {
                double p0 = 1, p1 = x;
                for (int k = 2; k <= Nodi; ++k) {
                    const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                    p0 = p1;
                    p1 = p2;
                }
                derivata = Nodi * (x * p1 - p0) / (x * x - 1);
                const double correzione = p1 / derivata;
                x -= correzione;
                if (std::abs(correzione) < 1e-16)
                    break;
            }
            r.x[i] = x;
            r.w[i] = 2 / ((1 - x * x) * derivata * derivata);
        }
        return r;
    }();
    return g;
}

// The largest value of f on [a, b], where it has one maximum: golden-section search, 60 steps.
template <typename F> double Cima(const F& f, double a, double b) {
    const double r = std::numbers::phi - 1; // 1/phi
    double x1 = b - r * (b - a), x2 = a + r * (b - a), f1 = f(x1), f2 = f(x2);
    for (int passo = 0; passo < 60; ++passo) {
        if (f1 < f2) {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + r * (b - a);
            f2 = f(x2);
        } else {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - r * (b - a);
            f1 = f(x1);
        }
    }
    return std::max(f1, f2);
}

struct Pezzo {
    int tratto;
    double da, a;
};

} // namespace

CifreLegge DimensionaLegge(const LeggePerTratti& legge, const LeggeAsse& asse, double sosta) {
    const int verso = legge.Corsa() < 0 ? -1 : 1;
    const auto figura = [diretta = asse.Diretta()](const IstanteAsse& i) {
        return diretta ? i.Forza : i.Coppia;
    };
    const double tenuta = figura(asse.Fermo());
    CifreLegge r;
    r.Picco = std::abs(tenuta);
    std::vector<Pezzo> pezzi;
    for (int i = 0; i < legge.NumeroTratti(); ++i) {
        const auto istante = [&](double t) {
            const Cinematica c = legge.InTratto(i, t);
            return asse.InMoto(c.a, c.v, verso);
        };
        const double t0 = legge.InizioTratto(i), t1 = legge.InizioTratto(i + 1);
        std::array<double, Campioni + 1> tempi{};
        std::array<IstanteAsse, Campioni + 1> campioni{};
        for (int k = 0; k <= Campioni; ++k) {
            tempi[k] = k == Campioni ? t1 : t0 + (t1 - t0) * k / Campioni;
            campioni[k] = istante(tempi[k]);
        }
        // The largest sample, and each sampled local maximum (not a plateau) refined between its
        // neighbours.
        const auto cima = [&](auto valuta) {
            std::array<double, Campioni + 1> g{};
            for (int k = 0; k <= Campioni; ++k)
                g[k] = valuta(campioni[k]);
            double m = *std::max_element(g.begin(), g.end());
            for (int k = 0; k <= Campioni; ++k) {
                const double prima = g[std::max(k - 1, 0)], dopo = g[std::min(k + 1, Campioni)];
                if (g[k] >= prima && g[k] >= dopo && g[k] > std::min(prima, dopo))
                    m = std::max(m, Cima([&](double t) { return valuta(istante(t)); },
                                         tempi[std::max(k - 1, 0)], tempi[std::min(k + 1, Campioni)]));
            }
            return m;
        };
        r.Picco = std::max({r.Picco, cima(figura), cima([&](const IstanteAsse& x) { return -figura(x); })});
        r.PotenzaPicco = std::max(r.PotenzaPicco, cima([](const IstanteAsse& x) { return x.Potenza; }));
        // Where the force changes sign the efficiency switches: the integral splits there.
        const auto spinge = [verso](const IstanteAsse& x) { return x.Forza * verso > 0; };
        double inizio = t0;
        for (int k = 0; k < Campioni; ++k) {
            if (spinge(campioni[k]) == spinge(campioni[k + 1]))
                continue;
            double basso = tempi[k], alto = tempi[k + 1];
            for (double medio = (basso + alto) / 2; medio > basso && medio < alto;
                 medio = (basso + alto) / 2) {
                if (spinge(istante(medio)) == spinge(campioni[k]))
                    basso = medio;
                else
                    alto = medio;
            }
            pezzi.push_back({i, inizio, alto});
            inizio = alto;
        }
        pezzi.push_back({i, inizio, t1});
    }
    const double ciclo = legge.Durata() + sosta;
    if (r.Picco == 0 || !std::isfinite(r.Picco)) {
        r.Efficace = r.Picco;
        return r;
    }
    // Relative to the peak, so that figures above 1e154 keep a finite square.
    const Gauss& g = NodiGauss();
    double somma = sosta * (tenuta / r.Picco) * (tenuta / r.Picco);
    for (const Pezzo& pz : pezzi) {
        const double mezzo = (pz.a - pz.da) / 2, centro = (pz.a + pz.da) / 2;
        for (int n = 0; n < Nodi; ++n) {
            const Cinematica c = legge.InTratto(pz.tratto, centro + mezzo * g.x[n]);
            const double x = figura(asse.InMoto(c.a, c.v, verso)) / r.Picco;
            somma += g.w[n] * mezzo * x * x;
        }
    }
    r.Efficace = r.Picco * std::sqrt(somma / ciclo);
    return r;
}

IstanteAsse IstanteLegge(const LeggePerTratti& legge, const LeggeAsse& asse, double t) {
    if (!(t > 0) || t >= legge.Durata())
        return asse.Fermo();
    const Cinematica c = legge.In(t);
    return asse.InMoto(c.a, c.v, legge.Corsa() < 0 ? -1 : 1);
}
