#pragma once

// The graph window as designed, in twips (1/1440 inch, 15 to a logical pixel): the plot, its value
// strips, the axis names and the readouts. The window keeps this layout wherever it leaves the plot
// room enough; the picture laid out at any other size takes its strips and names from it too.

#include "Twips.h"

namespace Progetto {
// The plot, and what the client area keeps around it (toolbar, readouts, strips).
inline constexpr double SinistraPiano = 720, AltoPiano = 840;
inline constexpr double LarghezzaPiano = 6015, AltezzaPiano = 4815;
inline constexpr double MargineDestro = 3500, MargineBasso = 2000;
// Value strips: the speed strip left of the plot (overlapping it by 15), the time strip below it.
inline constexpr double StrisciaVelocita = 735, StrisciaTempi = 375, Sovrapposizione = 15;
// Axis names: "V(t) [m/sec]" (and the details' names) above, "t [sec]" right of the time strip.
inline constexpr double SopraNomi = 350, AltezzaNome = 255, LarghezzaNomeVelocita = 975;
inline constexpr double ScostamentoNomeTempo = 100, LarghezzaNomeTempo = 735;
// Readouts: the frame of X and Y, the difference group below it, their rows and columns.
inline constexpr double DistanzaRiquadro = 130, LarghezzaRiquadroXY = 1575, AltezzaRiquadroXY = 1700;
inline constexpr double DistanzaDifferenza = 2500, LarghezzaRiquadroDifferenza = 2655;
inline constexpr double AltezzaDifferenza = 2400, AltezzaDifferenzaDettagli = 3200;
inline constexpr double RientroEtichetta = 150, RientroRiga = 300, PassoRiga = 800;
inline constexpr double RientroCasellaXY = 500, RientroCasella = 450, SecondaColonna = 1200;
inline constexpr double LarghezzaEtichetta = 495, AltezzaEtichetta = 255, AltezzaCasella = 285;
inline constexpr double CasellaXY = 855, CasellaDifferenza = 615;
// Room right of a box: before the second column, and to the right edge of its frame.
inline constexpr double DopoCasella = 135, DopoCasellaXY = 220, DopoCasellaDifferenza = 240;
} // namespace Progetto
