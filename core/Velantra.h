#pragma once

// The motion record: the eight quantities of a symmetric trapezoidal speed profile and the eleven
// closed-form solvers, each named after the initials of its three inputs (St = Stot, Tt = Ttot,
// A = Acc). Standard library only: other programs include this header on its own.

// Shown by the calculating window when a solver reports CalcoloOk == false.
inline constexpr const char* MessaggioErroreCalcolo =
    "Si è verificato un errore durante il calcolo, controllare i valori immessi";

class Velantra {
public:
    double S1 = 0;   // m, covered while accelerating (and again while decelerating)
    double S2 = 0;   // m, covered at the regime speed
    double Stot = 0; // m, total stroke
    double T1 = 0;   // sec, acceleration time (= deceleration time)
    double T2 = 0;   // sec, time at the regime speed
    double Ttot = 0; // sec, total time
    double Acc = 0;  // m/sec^2
    double Vm = 0;   // m/sec, regime speed
    bool CalcoloOk = true;

    // Each solver evaluates its five formulas in order, storing each result before the next. At the
    // first result that is not finite (or a negative discriminant in StTtA) it stops, leaves the
    // later outputs untouched and sets CalcoloOk to false. Inputs are never written.
    void VmT2St();
    void VmTtSt();
    void VmTtT1();
    void VmTtA();
    void VmTtS1();
    void StVmT1();
    void StVmA();
    void StVmS1();
    void StTtT1();
    void StTtA();
    void StTtS1();

    // All eight quantities to 0, CalcoloOk to true.
    void Vuota();

private:
    bool Memorizza(double& uscita, double valore);
};
