#include "Spezzata.h"

#include <algorithm>
#include <vector>

namespace {

constexpr double Tolleranza = 1.0 / 256; // pixels a dropped vertex may lie off the line drawn

double QuadratoDistanza(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a, ap = p - a;
    const double lunghezza = QPointF::dotProduct(ab, ab);
    const double t = lunghezza > 0 ? std::clamp(QPointF::dotProduct(ap, ab) / lunghezza, 0.0, 1.0) : 0.0;
    const QPointF d = ap - t * ab;
    return QPointF::dotProduct(d, d);
}

} // namespace

QPolygonF Semplifica(const QPolygonF& linea, double tolleranza) {
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
        for (qsizetype k = a + 1; k < b; ++k)
            if (const double d = QuadratoDistanza(linea[k], linea[a], linea[b]); d > massima) {
                massima = d;
                lontano = k;
            }
        if (massima > tolleranza * tolleranza) {
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

std::optional<std::pair<QPointF, QPointF>> Taglia(QPointF a, QPointF b, const QRectF& r) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    const QPointF da = t0 > 0 ? a + t0 * (b - a) : a;
    const QPointF ab = t1 < 1 ? a + t1 * (b - a) : b;
    return std::pair{da, ab};
}

void Spezzata::Apri(const QRectF& area) {
    *this = Spezzata();
    limite = area;
    stato.sinistra = area.left();
    stato.destra = area.right();
    stato.alto = area.top();
    stato.basso = area.bottom();
}

void Spezzata::Emetti(QPointF a, QPointF b) {
    if (tratto.isEmpty() || !Uguali(tratto.last(), a)) {
        if (tratto.size() > 1)
            linee << tratto;
        tratto.clear();
        tratto << a;
    }
    // A run along one pixel row or column (a speed held constant) is one straight edge of the pen
    // whatever its vertices: one segment paints the same pixels, at a fraction of the cost.
    if (const qsizetype n = tratto.size(); n > 1) {
        const QPointF p = tratto[n - 2], q = tratto[n - 1];
        const auto avanti = [](double da, double per, double a) { return (per - da) * (a - per) > 0; };
        if ((p.y() == q.y() && q.y() == b.y() && avanti(p.x(), q.x(), b.x())) ||
            (p.x() == q.x() && q.x() == b.x() && avanti(p.y(), q.y(), b.y()))) {
            tratto.last() = b;
            return;
        }
    }
    tratto << b;
}

void Spezzata::ChiudiColonna(Stato& st, Colonna& c) {
    if (!c.aperta)
        return;
    std::array<Voce, 6> scelti = c.scelti;
    for (size_t i = 1; i < scelti.size(); ++i) // six at most: by insertion
        for (size_t j = i; j > 0 && scelti[j].ordine < scelti[j - 1].ordine; --j)
            std::swap(scelti[j], scelti[j - 1]);
    int precedente = -1;
    for (const Voce& v : scelti)
        if (v.ordine != precedente) {
            precedente = v.ordine;
            Punto1(st, v.punto);
        }
    c.aperta = false;
}

QList<QPolygonF> Spezzata::Fine() {
    if (stato.haUltimo)
        Emetti(stato.ultimoA, stato.ultimoB);
    if (tratto.size() > 1)
        linee << tratto;
    QList<QPolygonF> risultato = std::move(linee);
    if (densa) // straight runs of the reduced columns become one segment each
        for (QPolygonF& linea : risultato)
            linea = Semplifica(linea, Tolleranza);
    *this = Spezzata();
    return risultato;
}
