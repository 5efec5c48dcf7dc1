#pragma once

// Labels and units of the eight quantities, in the window order (S1, S2, Stot, T1, T2, Ttot, Vm, A),
// as the table export and the print-outs write them. The input print-out has labels of its own for
// T2 and A.

#include <array>

struct VoceTabella {
    const char* Etichetta;
    const char* EtichettaInput;
    const char* Unita; // without the blanks that precede it
};

inline constexpr std::array<VoceTabella, 8> VociTabella{{
    {"  S1: ", "  S1: ", "[m]"},
    {"  S2: ", "  S2: ", "[m]"},
    {"Stot: ", "Stot: ", "[m]"},
    {"  T1: ", "  T1: ", "[sec]"},
    {"  T2: ", "T2: ", "[sec]"},
    {"Ttot: ", "Ttot: ", "[sec]"},
    {"  Vm: ", "  Vm: ", "[m/sec]"},
    {" Acc: ", "   A: ", "[m/sec^2]"},
}};
