#include "XYPoli.h"

#include "MemoriaGrande.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>
#include <string>

XYPoli::XYPoli()
    : punti(static_cast<Punto*>(MemoriaGrande((static_cast<size_t>(UltimoIndice) + 1) * sizeof(Punto)))) {
    if (!punti)
        throw std::bad_alloc();
}

const XYPoli::Punto& XYPoli::Slot(int32_t Posizione) const {
    if (Posizione < 0 || Posizione > UltimoIndice)
        throw std::out_of_range("XYPoli: indice fuori intervallo " + std::to_string(Posizione));
    return punti[static_cast<size_t>(Posizione)];
}

double XYPoli::X(int32_t Posizione) const {
    return Slot(Posizione).x;
}
double XYPoli::Y(int32_t Posizione) const {
    return Slot(Posizione).y;
}

void XYPoli::Vuota() {
    for (int32_t i = 0; i < numero; ++i)
        punti[static_cast<size_t>(i)] = {};
    numero = 0;
    ordineNoto = false;
}

void XYPoli::RimuoviUltimo() {
    if (numero == 0)
        throw std::out_of_range("XYPoli: lista vuota");
    punti[static_cast<size_t>(--numero)] = {};
    ordineNoto = false;
}

bool XYPoli::Ordinata() const {
    const Punto* inizio = punti.get();
    const Punto* fine = inizio + numero;
    if (!ordineNoto) {
        ordinata = std::all_of(inizio, fine, [](const Punto& p) { return std::isfinite(p.x); }) &&
                   std::is_sorted(inizio, fine, [](const Punto& a, const Punto& b) { return a.x < b.x; });
        ordineNoto = true;
    }
    return ordinata;
}

double XYPoli::YSullaLinea(double x) const {
    const Punto* inizio = punti.get();
    const Punto* fine = inizio + numero;
    if (!Ordinata() || numero == 0 || !std::isfinite(x))
        return YsuX(x);
    const Punto* dopo = std::lower_bound(inizio, fine, x, [](const Punto& p, double v) { return p.x < v; });
    if (dopo == fine)
        return (fine - 1)->y;
    if (dopo == inizio || dopo->x == x)
        return dopo->y;
    const Punto& a = *(dopo - 1);
    const double f = (x - a.x) / (dopo->x - a.x); // within 0 and 1: no overflow between opposite signs
    return a.y * (1 - f) + dopo->y * f;
}

double XYPoli::YsuX(double& ValX) const {
    const Punto* inizio = punti.get();
    const Punto* fine = inizio + numero;
    if (Ordinata() && numero > 0 && std::isfinite(ValX)) {
        auto primoDiX = [&](auto da) { // the lowest index with the same X
            return std::lower_bound(inizio, da, da->x, [](const Punto& p, double x) { return p.x < x; });
        };
        auto dopo = std::lower_bound(inizio, fine, ValX, [](const Punto& p, double x) { return p.x < x; });
        auto migliore = dopo;
        if (dopo == fine || (dopo != inizio && ValX - (dopo - 1)->x <= dopo->x - ValX))
            migliore = primoDiX(dopo - 1); // the earlier of two equally near wins
        ValX = migliore->x;
        return migliore->y;
    }
    const Punto* migliore = &punti[0];
    double distanzaMigliore = std::abs(migliore->x - ValX);
    for (int32_t i = 0; i < numero; ++i) {
        const Punto& p = punti[static_cast<size_t>(i)];
        const double d = std::abs(p.x - ValX);
        if (distanzaMigliore > d) { // strict: the earlier of equally near points wins
            migliore = &p;
            distanzaMigliore = d;
        }
    }
    ValX = migliore->x;
    return migliore->y;
}
