#pragma once

// A linear map between the values of an axis and positions along it, as Qwt's scale map: two value
// ends and the positions they go to, in pixels or in the values of another axis. The ends come in any
// order: a vertical axis maps its largest value to its top pixel.

#include <cmath>

class MappaScala {
public:
    MappaScala() = default;
    MappaScala(double v1, double v2, double p1, double p2)
        : v1(v1), v2(v2), p1(p1), p2(p2), k((p2 - p1) / (v2 - v1)), b(-v1 * k) {}

    double Trasforma(double valore) const { return (valore * k + b) + p1; }
    double Inversa(double posizione) const { return ((posizione - p1) - b) / k; }
    // Positions per unit of value, negative where they run against the values.
    double Passo() const { return k; }
    // Values and positions can be told from each other: finite, and of some extent both ways.
    bool Valida() const { return std::isfinite(k) && std::isfinite(b) && k != 0; }

    double V1() const { return v1; }
    double V2() const { return v2; }
    double P1() const { return p1; }
    double P2() const { return p2; }

private:
    double v1 = 0, v2 = 1, p1 = 0, p2 = 1;
    double k = 1, b = 0; // a value v goes to (v * k + b) + p1
};
