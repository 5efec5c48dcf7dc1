#include "Spezzata.h"

#include <algorithm>

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

QList<QPolygonF> Spezzata::Fine() {
    if (stato.haUltimo)
        Emetti(stato.ultimoA, stato.ultimoB);
    if (tratto.size() > 1)
        linee << tratto;
    QList<QPolygonF> risultato = std::move(linee);
    *this = Spezzata();
    return risultato;
}
