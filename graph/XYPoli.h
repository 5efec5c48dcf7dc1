#pragma once

// A sampled curve: an ordered list of up to 50,000 points (X, Y, P) in one table allocated once, at
// construction. Further points are dropped silently; slots beyond the count always read (0, 0, 0).

#include <cstdint>
#include <vector>

class XYPoli {
public:
    static constexpr int32_t Capacita = 50000;
    static constexpr int32_t UltimoIndice = Capacita; // slot 50,000 exists and reads 0

    XYPoli();

    // Any index from 0 to 50,000; outside that range std::out_of_range.
    double X(int32_t Posizione) const;
    double Y(int32_t Posizione) const;
    double P(int32_t Posizione) const;

    int32_t NumeroElementi() const { return numero; }

    // Appends a point; ignored once 50,000 points are stored.
    void Add(double ValX, double ValY, double ValP);
    bool Piena() const { return numero >= Capacita; }

    void Vuota();
    // Removes the last point; std::out_of_range on an empty list.
    void RimuoviUltimo();

    // Y of the point whose X is nearest to ValX (the lowest index among equals; slot 0 on an empty
    // list); writes that point's X back into ValX.
    double YsuX(double& ValX) const;

private:
    struct Punto {
        double x = 0, y = 0, p = 0;
    };
    const Punto& Slot(int32_t Posizione) const;

    std::vector<Punto> punti; // sized once; never resized
    int32_t numero = 0;
};
