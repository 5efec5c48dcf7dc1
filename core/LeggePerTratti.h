#pragma once

// A rest-to-rest law of motion made of smooth stretches: position, speed, acceleration and jerk at any
// instant, and its peaks in closed form. The cam laws and the jerk-limited profile compared with the
// trapezoid are all of this kind (LeggiCamma.h, ProfiloJerk.h); the laws window plots them from here
// and the sizing of each law (CifreLegge.h) reads them from here.
//
// Before 0 the part rests at 0; from the end time on it rests at the end of the stroke: s = Corsa()
// exactly, v = a = j = 0. A backward stroke (Corsa() < 0) runs below 0 in position, speed and first
// acceleration. Inside, s, v and a are continuous, except a where the law makes it jump (the
// trapezoids at their phase boundaries, the harmonic law at its ends); there the jerk is unbounded
// and In() gives the values of the stretch that starts at that instant. The stretches are where a
// plot must not join its points across a jump and where a search for extremes or an integral must
// split the time: use InTratto(), which also gives each stretch's limits at its own ends.
//
// Standard library only.

#include <array>
#include <vector>

struct Cinematica {
    double s = 0; // m
    double v = 0; // m/sec
    double a = 0; // m/sec^2
    double j = 0; // m/sec^3
};

// The peaks of a law over its own duration, from its closed form. Jmax is +infinity where the
// acceleration jumps. Aeff is the RMS acceleration over the law's own duration.
struct PicchiLegge {
    double Vmax = 0; // m/sec, of |v|
    double Amax = 0; // m/sec^2, of |a|
    double Jmax = 0; // m/sec^3, of |j|
    double Aeff = 0; // m/sec^2
};

// One smooth stretch, in the law's own units of length and time (see LeggePerTratti): from Inizio on,
// with tau the time since Inizio, the acceleration is
//     Polinomio[0] + Polinomio[1]·tau + ... + Polinomio[5]·tau^5 + Ampiezza·sin(Pulsazione·tau + Fase).
// Speed and position follow by integration from the end of the stretch before (from rest for the
// first one).
struct TrattoLegge {
    double Inizio = 0;
    std::array<double, 6> Polinomio{};
    double Ampiezza = 0;
    double Pulsazione = 1; // not 0 when Ampiezza is not 0
    double Fase = 0;
};

class LeggePerTratti {
public:
    LeggePerTratti() = default; // at rest at 0

    // A law whose stretches are written in units of `unitaS` metres and `unitaT` seconds (a cam law:
    // the stroke and its time, over 0 to 1; a profile in metres and seconds: 1 and 1, or -1 and 1 to
    // run it backward). It lasts `durata` seconds and ends exactly at `corsa` metres; the stretches
    // must start at 0, in increasing order, before durata / unitaT.
    LeggePerTratti(double corsa, double durata, double unitaS, double unitaT, std::vector<TrattoLegge> tratti,
                   const PicchiLegge& picchi);

    double Durata() const { return durata; } // sec
    double Corsa() const { return corsa; }   // m
    const PicchiLegge& Picchi() const { return picchi; }

    Cinematica In(double t) const;

    // The stretches: the i-th runs from InizioTratto(i) to InizioTratto(i + 1) seconds, the last one to
    // InizioTratto(NumeroTratti()) == Durata(). InTratto evaluates the i-th stretch's formula at any t,
    // its ends included.
    int NumeroTratti() const { return static_cast<int>(tratti.size()); }
    double InizioTratto(int i) const { return i < NumeroTratti() ? inizi[i] : durata; }
    Cinematica InTratto(int i, double t) const;

private:
    struct Partenza {
        double s = 0, v = 0;                 // in the stretch's units, at its start
        double senoFase = 0, cosenoFase = 1; // of the stretch's sinusoid
    };
    double corsa = 0, durata = 0, unitaS = 1, unitaT = 1;
    std::vector<TrattoLegge> tratti;
    std::vector<double> inizi; // sec
    std::vector<Partenza> partenze;
    PicchiLegge picchi;

    Cinematica Normalizzata(int i, double tau) const;
};
