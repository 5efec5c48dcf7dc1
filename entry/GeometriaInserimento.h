#pragma once

// Where the controls of the entry window sit, in twips from the top left of its client area. The
// profile picture draws each quantity's name just left of its check box, so both read this table.

#include <array>

struct PostoTwips {
    int Sinistra;
    int Alto;
};

inline constexpr int LarghezzaInserimentoTwips = 8775;
inline constexpr int AltezzaInserimentoTwips = 6255;
inline constexpr PostoTwips PostoProfilo{240, 240};
inline constexpr int LatoCasellaTwips = 255;
inline constexpr int LarghezzaValoreTwips = 1095;
inline constexpr int AltezzaValoreTwips = 285;

// By quantity index: S1, S2, Stot, T1, T2, Ttot, Vm, A.
inline constexpr std::array<PostoTwips, 8> PostiCaselle{{{2280, 840},
                                                         {4680, 840},
                                                         {4320, 3480},
                                                         {2160, 4920},
                                                         {4080, 4920},
                                                         {4200, 5400},
                                                         {720, 3240},
                                                         {3000, 4200}}};
inline constexpr std::array<PostoTwips, 8> PostiValori{{{2520, 840},
                                                        {4920, 840},
                                                        {4560, 3480},
                                                        {2400, 4920},
                                                        {4320, 4920},
                                                        {4440, 5400},
                                                        {360, 3600},
                                                        {3240, 4200}}};
