#pragma once

// Whether a solved record describes a motion, and, for each solver, the values of its third input for
// which one exists given the other two. Pure functions beside the solvers: the window turns their answers
// into sentences.

#include "Velantra.h"

#include <limits>
#include <optional>
#include <vector>

using MembroMoto = double Velantra::*;
using Risolutore = void (Velantra::*)();

enum class Difetto {
    NonDefinito, // 0/0 and the like
    Infinito,
    Negativo,
    Nullo, // a zero where the part would not move
};

struct Violazione {
    MembroMoto Grandezza;
    Difetto Tipo;
    bool operator==(const Violazione&) const = default;
};

// The conditions the record breaks, in member order: every quantity finite and not negative, T1 and Stot
// above 0. The all-zero record (nothing entered yet) breaks none.
std::vector<Violazione> VerificaMoto(const Velantra& moto);

// Solves a fresh record from the solver's three inputs taken from `dati` and judges it: what the solved
// record breaks or, when the solve fails, the quantity it could not compute. Empty: a motion.
std::vector<Violazione> VerificaSoluzione(Risolutore risolutore, const Velantra& dati);

// Values of one quantity between two ends, each included or not; Massimo is infinite when unbounded.
struct Intervallo {
    MembroMoto Grandezza = nullptr;
    double Minimo = 0;
    bool MinimoIncluso = false;
    double Massimo = std::numeric_limits<double>::infinity();
    bool MassimoIncluso = false;

    bool Contiene(double valore) const;
};

struct Ammissibili {
    // The first two inputs that are outside their own range: each alone rules out every motion.
    std::vector<Intervallo> Dati;
    // The range of the third input given the first two; none when no value of it gives a motion.
    std::optional<Intervallo> Ultimo;
};

// For the solver's three inputs in the order of its name (VmT2St: Vm, T2, Stot), where the third lets the
// first two, as `dati` holds them, make a motion. Closed forms, one per solver.
Ammissibili IntervalloAmmesso(Risolutore risolutore, const Velantra& dati);
