#pragma once

// A line through many successive points, reduced to the points that shape it on a pixel grid. In each
// pixel column it keeps the first and the last point and the first and the last of the lowest and of
// the highest ones, so the column keeps its extent and a speed profile its corners (an apex, or a
// flat top or bottom meeting a slope). Then runs straight to within 1/256 of a pixel become one
// segment. The line drawn through what is left covers the pixels of the line through every point, up
// to the rasteriser's rounding along its edges; 50,000 points on a plot 1600 pixels wide cost a few
// thousand vertices at most, a straight run two.

#include <QPolygonF>
#include <cmath>

class Spezzata {
public:
    // The next point, in pixels; finite.
    void Aggiungi(QPointF punto) {
        if (!aperta || Colonna(punto.x()) != colonna) {
            NuovaColonna(punto);
            return;
        }
        const Voce voce{punto, ++numero};
        const double y = punto.y();
        if (y < minimo[0].punto.y())
            minimo[0] = minimo[1] = voce;
        else if (y == minimo[0].punto.y())
            minimo[1] = voce;
        if (y > massimo[0].punto.y())
            massimo[0] = massimo[1] = voce;
        else if (y == massimo[0].punto.y())
            massimo[1] = voce;
        ultimo = voce;
    }
    bool Vuota() const { return !aperta && ridotta.isEmpty(); }
    // The reduced line; the reducer is empty again.
    QPolygonF Fine();

private:
    struct Voce {
        QPointF punto;
        int ordine = 0;
    };

    // std::floor without the library call, for the 50,000 points of a curve.
    static double Colonna(double x) {
        if (!(std::abs(x) < 1e15))
            return x; // whole already, or too far out to matter
        const auto c = static_cast<double>(static_cast<long long>(x));
        return c > x ? c - 1 : c;
    }
    void NuovaColonna(QPointF punto);
    void ChiudiColonna();

    QPolygonF ridotta; // the columns closed so far
    Voce primo, ultimo, minimo[2], massimo[2];
    double colonna = 0;
    int numero = 0;
    bool aperta = false;
};
