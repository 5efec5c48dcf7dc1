#pragma once

// A sampled curve: an ordered list of up to 50,000 points (X, Y) in one table allocated once, at
// construction. Further points are dropped silently; slots beyond the count always read (0, 0).

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

class XYPoli {
public:
    struct Punto {
        double x = 0, y = 0;
    };
    static constexpr int32_t Capacita = 50000;
    static constexpr int32_t UltimoIndice = Capacita; // slot 50,000 exists and reads 0

    XYPoli();

    // Any index from 0 to 50,000; outside that range std::out_of_range.
    double X(int32_t Posizione) const;
    double Y(int32_t Posizione) const;

    int32_t NumeroElementi() const { return numero; }

    // The stored points, in order: what the loops over the whole curve read.
    std::span<const Punto> Punti() const { return {punti.get(), static_cast<size_t>(numero)}; }

    // Appends a point; ignored once 50,000 points are stored.
    void Add(double ValX, double ValY) {
        if (numero >= Capacita)
            return;
        punti[static_cast<size_t>(numero++)] = {ValX, ValY};
        ordineNoto = false;
    }
    bool Piena() const { return numero >= Capacita; }

    void Vuota();
    // Removes the last point; std::out_of_range on an empty list.
    void RimuoviUltimo();

    // Y of the point whose X is nearest to ValX (the lowest index among equals; slot 0 on an empty
    // list); writes that point's X back into ValX. A search by halves while the times go forward, as
    // a sampled curve's do; a walk of the whole list otherwise.
    double YsuX(double& ValX) const;
    // Y of the line through the points at x: on the segment joining the two points around it (the
    // first of points with the same X where one stands at x); before the first point and after the
    // last, theirs. In a list whose X go back, the nearest point's, as YsuX.
    double YSullaLinea(double x) const;

private:
    bool Ordinata() const;
    const Punto& Slot(int32_t Posizione) const;

    struct Libera {
        void operator()(Punto* p) const { std::free(p); }
    };
    std::unique_ptr<Punto[], Libera> punti; // allocated once, zeroed (MemoriaGrande)
    int32_t numero = 0;
    // Whether every X is finite and none below the one before: found at the first lookup after a
    // change, so that filling the list costs nothing more.
    mutable bool ordinata = true, ordineNoto = true;
};
