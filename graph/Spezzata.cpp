#include "Spezzata.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr double Tolleranza = 1.0 / 256; // pixels a dropped vertex may lie off the line drawn

double QuadratoDistanza(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a, ap = p - a;
    const double lunghezza = QPointF::dotProduct(ab, ab);
    const double t = lunghezza > 0 ? std::clamp(QPointF::dotProduct(ap, ab) / lunghezza, 0.0, 1.0) : 0.0;
    const QPointF d = ap - t * ab;
    return QPointF::dotProduct(d, d);
}

// Douglas-Peucker: the vertices without which the line would move by more than the tolerance.
QPolygonF Semplifica(const QPolygonF& linea) {
    const qsizetype n = linea.size();
    if (n < 3)
        return linea;
    std::vector<char> tenuto(static_cast<size_t>(n), 0);
    tenuto.front() = tenuto.back() = 1;
    std::vector<std::pair<qsizetype, qsizetype>> pila{{0, n - 1}};
    while (!pila.empty()) {
        const auto [a, b] = pila.back();
        pila.pop_back();
        double massima = 0;
        qsizetype lontano = -1;
        for (qsizetype k = a + 1; k < b; ++k) {
            const double d = QuadratoDistanza(linea[k], linea[a], linea[b]);
            if (d > massima) {
                massima = d;
                lontano = k;
            }
        }
        if (massima > Tolleranza * Tolleranza) {
            tenuto[static_cast<size_t>(lontano)] = 1;
            pila.emplace_back(a, lontano);
            pila.emplace_back(lontano, b);
        }
    }
    QPolygonF semplice;
    for (qsizetype k = 0; k < n; ++k)
        if (tenuto[static_cast<size_t>(k)])
            semplice << linea[k];
    return semplice;
}

} // namespace

void Spezzata::ChiudiColonna(Colonne& c) {
    std::array<Voce, 6> scelti = c.scelti;
    for (size_t i = 1; i < scelti.size(); ++i) // in the order they came, by insertion: six at most
        for (size_t j = i; j > 0 && scelti[j].ordine < scelti[j - 1].ordine; --j)
            std::swap(scelti[j], scelti[j - 1]);
    int precedente = -1;
    for (const Voce& v : scelti) {
        if (v.ordine == precedente)
            continue;
        precedente = v.ordine;
        if (ridotta.isEmpty() || ridotta.last() != v.punto)
            ridotta << v.punto;
    }
    c.aperta = false;
}

QPolygonF Spezzata::Fine() {
    if (stato.aperta)
        ChiudiColonna(stato);
    QPolygonF linea = Semplifica(ridotta);
    ridotta.clear();
    stato = {};
    return linea;
}
