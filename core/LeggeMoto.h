#pragma once

// The motion of a solved record as a function of time: position, speed and acceleration at any t and
// the distance travelled between two times, from the closed form. The graph, the data exports and the
// command line all read the motion from here; none recomputes it.
//
// The law takes T1, T2 and Vm from the record, as the sampling of the speed curve does, so that both
// agree: acceleration Vm / T1, end time 2·T1 + T2, stroke Vm·(T1 + T2). Before 0 the part rests at
// the start, after the end at the end of the stroke. A record that describes no motion (T1 or Vm not
// positive, T2 negative, or anything not finite) gives a part at rest at 0.

class Velantra;

class LeggeMoto {
public:
    explicit LeggeMoto(const Velantra& Moto);

    double Durata() const { return ttot; } // sec, 2·T1 + T2; 0 when at rest
    double Corsa() const { return stot; }  // m, Vm·(T1 + T2); 0 when at rest

    double Posizione(double t) const; // m, 0 to Corsa(); Corsa() exactly from the end time on
    double Velocita(double t) const;  // m/sec
    // m/sec^2: +A, 0, -A in the three phases. At a phase boundary the value of the phase that starts
    // there: +A at 0, 0 at T1, -A at T1 + T2 (and at T1 when T2 is 0), 0 from the end time on.
    double Accelerazione(double t) const;
    // m, the distance travelled between the two times in either order, integrated phase by phase so
    // that a short stretch late in a long stroke keeps its precision.
    double Spazio(double da, double a) const;

private:
    double t1 = 0, t12 = 0, ttot = 0, vm = 0, acc = 0, stot = 0;
};
