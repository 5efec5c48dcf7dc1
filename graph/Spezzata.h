#pragma once

// A line through many successive points, reduced to the points that shape it on a pixel grid. In each
// pixel column it keeps the first and the last point and the first and the last of the lowest and of
// the highest ones, so the column keeps its extent and a speed profile its corners (an apex, or a
// flat top or bottom meeting a slope). Then runs straight to within 1/256 of a pixel become one
// segment. The line drawn through what is left covers the pixels of the line through every point, up
// to the rasteriser's rounding along its edges; 50,000 points on a plot 1600 pixels wide cost a few
// thousand vertices at most, a straight run two.

#include <QPolygonF>
#include <array>
#include <cmath>

class Spezzata {
public:
    // The points punto(0) to punto(n - 1), in pixels; punto(i, p) sets p and returns false for a point
    // to leave out. Points that are not finite are left out too. One loop with its state in registers:
    // a curve of 50,000 points costs a few nanoseconds each.
    template <class Punto> void Aggiungi(size_t n, Punto punto) {
        Colonne c = stato;
        for (size_t i = 0; i < n; ++i) {
            QPointF p;
            if (!punto(i, p) || !std::isfinite(p.x() * 0 + p.y() * 0))
                continue;
            const Voce voce{p, ++c.numero};
            const double colonna = Colonna(p.x());
            if (!c.aperta || colonna != c.colonna) {
                if (c.aperta)
                    ChiudiColonna(c);
                c.aperta = true;
                c.colonna = colonna;
                c.scelti.fill(voce);
                continue;
            }
            // Kept in order: first, first lowest, last lowest, first highest, last highest, last.
            if (p.y() < c.scelti[1].punto.y())
                c.scelti[1] = c.scelti[2] = voce;
            else if (p.y() == c.scelti[1].punto.y())
                c.scelti[2] = voce;
            if (p.y() > c.scelti[3].punto.y())
                c.scelti[3] = c.scelti[4] = voce;
            else if (p.y() == c.scelti[3].punto.y())
                c.scelti[4] = voce;
            c.scelti[5] = voce;
        }
        stato = c;
    }
    bool Vuota() const { return !stato.aperta && ridotta.isEmpty(); }
    // The reduced line; the reducer is empty again.
    QPolygonF Fine();

private:
    struct Voce {
        QPointF punto;
        int ordine = 0;
    };
    struct Colonne {
        std::array<Voce, 6> scelti{}; // of the open column
        double colonna = 0;
        int numero = 0;
        bool aperta = false;
    };

    // std::floor without the library call, for the 50,000 points of a curve.
    static double Colonna(double x) {
        if (!(std::abs(x) < 1e15))
            return x; // whole already, or too far out to matter
        const auto c = static_cast<double>(static_cast<long long>(x));
        return c > x ? c - 1 : c;
    }
    void ChiudiColonna(Colonne& c);

    QPolygonF ridotta; // the columns closed so far
    Colonne stato;
};
