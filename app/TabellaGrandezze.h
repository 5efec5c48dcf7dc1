#pragma once

// Labels of the eight quantities, in the window order (S1, S2, Stot, T1, T2, Ttot, Vm, A), as the
// table export and the print-outs write them (units: Grandezze in Sistemi.h). The input print-out
// has labels of its own for T2 and A.

#include <array>

struct VoceTabella {
    const char* Etichetta;
    const char* EtichettaInput;
};

inline constexpr std::array<VoceTabella, 8> VociTabella{{
    {"  S1: ", "  S1: "},
    {"  S2: ", "  S2: "},
    {"Stot: ", "Stot: "},
    {"  T1: ", "  T1: "},
    {"  T2: ", "T2: "},
    {"Ttot: ", "Ttot: "},
    {"  Vm: ", "  Vm: "},
    {" Acc: ", "   A: "},
}};
