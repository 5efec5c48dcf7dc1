#include "XYPoli.h"

#include <cmath>
#include <stdexcept>
#include <string>

XYPoli::XYPoli() : punti(static_cast<size_t>(UltimoIndice) + 1) {}

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
double XYPoli::P(int32_t Posizione) const {
    return Slot(Posizione).p;
}

void XYPoli::Add(double ValX, double ValY, double ValP) {
    if (numero >= Capacita)
        return;
    punti[static_cast<size_t>(numero++)] = {ValX, ValY, ValP};
}

void XYPoli::Vuota() {
    for (int32_t i = 0; i < numero; ++i)
        punti[static_cast<size_t>(i)] = {};
    numero = 0;
}

void XYPoli::RimuoviUltimo() {
    if (numero == 0)
        throw std::out_of_range("XYPoli: lista vuota");
    punti[static_cast<size_t>(--numero)] = {};
}

double XYPoli::YsuX(double& ValX) const {
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
