#pragma once

// The motion of a solved record as a function of time: position, speed and acceleration at any t and
// the distance travelled between two times, from the closed form. The graph, the data exports and the
// command line all read the motion from here; none recomputes it.
//
// A solved record that is a motion (VerificaMoto) is read as it stands: its Acc, S1, Stot and Ttot, so
// that the law meets the table's figures exactly at the phase boundaries, and nothing overflows where the
// record itself is finite. A bare record of T1, T2 and Vm is completed from them, as the sampling of the
// speed curve does: acceleration Vm / T1, end time 2·T1 + T2, stroke Vm·(T1 + T2). A backward motion
// (Vm < 0) runs below 0 in speed, position and first acceleration. Before 0 the part rests at the
// start, after the end at the end of the stroke. A record that describes no motion (T1 not positive, Vm
// 0, T2 negative, or anything not finite) gives a part at rest at 0.

class Velantra;

class LeggeMoto {
public:
    explicit LeggeMoto(const Velantra& Moto);

    double Durata() const { return ttot; } // sec, Ttot; 0 when at rest
    double Corsa() const { return stot; }  // m, Stot; 0 when at rest

    double Posizione(double t) const; // m, from 0 to Corsa(); Corsa() exactly from the end time on
    double Velocita(double t) const;  // m/sec
    // m/sec^2: A, 0, -A in the three phases. At a phase boundary the value of the phase that starts
    // there: +A at 0, 0 at T1, -A at T1 + T2 (and at T1 when T2 is 0), 0 from the end time on.
    double Accelerazione(double t) const;
    // m, the distance travelled between the two times in either order, integrated phase by phase so
    // that a short stretch late in a long stroke keeps its precision.
    double Spazio(double da, double a) const;

private:
    double t1 = 0, t12 = 0, ttot = 0, vm = 0, acc = 0, s1 = 0, stot = 0;
};
