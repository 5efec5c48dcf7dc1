#pragma once

// The eight quantities in the order of the entry and results windows, and the eleven allowed triples
// of known quantities with their solvers. The window order puts Vm before A, unlike the member order of
// Velantra.

#include "Velantra.h"

#include <array>
#include <cstdint>

struct Grandezza {
    const char* Nome; // as written on the profile picture and in messages
    double Velantra::*Membro;
    const char* Unita; // as the results window, the table and the print-outs write it
};

inline constexpr int NumeroGrandezze = 8;
inline constexpr std::array<Grandezza, NumeroGrandezze> Grandezze{{
    {"S1", &Velantra::S1, "[m]"},
    {"S2", &Velantra::S2, "[m]"},
    {"Stot", &Velantra::Stot, "[m]"},
    {"T1", &Velantra::T1, "[sec]"},
    {"T2", &Velantra::T2, "[sec]"},
    {"Ttot", &Velantra::Ttot, "[sec]"},
    {"Vm", &Velantra::Vm, "[m/sec]"},
    {"A", &Velantra::Acc, "[m/sec^2]"},
}};
inline constexpr int IndiceS2 = 1; // in no allowed triple: its box is never shown
inline constexpr int IndiceVm = 6;

struct Sistema {
    std::array<int, 3> Indici; // window indices, in the order they are tested, ticked and copied
    void (Velantra::*Risolutore)();
};

inline constexpr int NumeroSistemi = 11;
inline constexpr std::array<Sistema, NumeroSistemi> Sistemi{{
    {{2, 5, 0}, &Velantra::StTtS1},
    {{2, 5, 7}, &Velantra::StTtA},
    {{2, 5, 3}, &Velantra::StTtT1},
    {{2, 6, 0}, &Velantra::StVmS1},
    {{2, 6, 7}, &Velantra::StVmA},
    {{2, 6, 3}, &Velantra::StVmT1},
    {{6, 5, 0}, &Velantra::VmTtS1},
    {{6, 5, 7}, &Velantra::VmTtA},
    {{6, 5, 3}, &Velantra::VmTtT1},
    {{6, 5, 2}, &Velantra::VmTtSt},
    {{6, 4, 2}, &Velantra::VmT2St},
}};

inline bool SistemaValido(int16_t Id) {
    return Id >= 0 && Id < NumeroSistemi;
}
