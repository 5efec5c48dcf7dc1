#pragma once

// The speed graph's model arithmetic (extremes, scales, view edges) and its drawing (curve, value
// labels, grid). Every routine takes what it draws on and what it reads, so the same drawing serves
// the graph window and any other target.

#include <array>
#include <cstdint>

class Grafico;
class QString;
class SuperficieDisegno;
class Velantra;
class XYPoli;

// The three surfaces of one graph: the plot, the time-label strip below it and the speed-label strip
// left of it.
struct SuperficiGrafico {
    SuperficieDisegno& Picture1;
    SuperficieDisegno& PictValX;
    SuperficieDisegno& PictValY;
};

// Largest (smallest) X and Y of the list and their indices; ties keep the lowest index, an empty list
// gives slot 0, which is all zero.
void CercaMassimi(const XYPoli& Punti, int32_t& PosizioneX, int32_t& PosizioneY, double& ValoreX,
                  double& ValoreY);
void CercaMinimi(const XYPoli& Punti, int32_t& PosizioneX, int32_t& PosizioneY, double& ValoreX,
                 double& ValoreY);

// Extremes of the whole curve and the scales that fit them into the nominal lengths; a largest value
// of exactly 0 counts as 10, so the scales never divide by zero. Leaves the zoom.
void CalcolaVistaIntera(Grafico& G, const XYPoli& Punti);
// Extremes and scales of the rectangle with corners (x1, y1) and (x2, y2) in graph units of the
// current scales, in any order. A rectangle of zero width or height changes nothing (false).
bool CalcolaVistaZoom(Grafico& G, double x1, double y1, double x2, double y2);
// Widths, margins (a twentieth on each side of a full view, none when zoomed) and edges of the view.
void CalcolaBordi(Grafico& G);
// The user coordinates of the three surfaces for the current edges and scales; false when the view
// cannot be drawn at these scales (0, or beyond single precision).
bool ImpostaCoordinate(const SuperficiGrafico& S, const Grafico& G);

// The five speed labels from `da` towards `a`.
std::array<float, 5> VelocitaEtichette(double da, double a);

// The curve through the points with DaTempo < X < ATempo (every point when both bounds are 0), the
// labels of the phase times of Moto and of five speeds from DaVelocita towards AVelocita, and the
// grid when it is on.
void DisegnaCurva(const SuperficiGrafico& S, const XYPoli& Punti, const Grafico& G, const Velantra& Moto,
                  double DaTempo, double ATempo, double DaVelocita, double AVelocita);
// Dashed verticals at the phase times from the top edge to the time axis, dashed horizontals at the
// labelled speeds from the speed axis to the right edge. The time bounds are unused: the verticals
// stand where the labels are.
void DisegnaGriglia(SuperficieDisegno& Picture1, const Grafico& G, const Velantra& Moto, double DaTempo,
                    double ATempo, double DaVelocita, double AVelocita);
