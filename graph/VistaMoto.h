#pragma once

// The window of the graph onto the motion: the full view of the curve, a zoom rectangle, a wheel zoom
// and a pan of the time axis, all kept in the graph state as extremes, scales, margins and edges.

class Grafico;
class XYPoli;

// Extremes of the whole curve and the scales that fit them into the nominal lengths; leaves the zoom.
// A largest time of exactly 0 counts as 10, and so does a largest speed of 0 unless the curve runs
// below the time axis (a motion backwards), so the scales never divide by zero.
void CalcolaVistaIntera(Grafico& G, const XYPoli& Punti);
// Extremes and scales of the rectangle with corners (x1, y1) and (x2, y2) in graph units of the
// current scales, in any order. A rectangle of zero width or height changes nothing (false).
bool CalcolaVistaZoom(Grafico& G, double x1, double y1, double x2, double y2);
// Widths, margins (a twentieth on each side of a full view, none when zoomed) and edges of the view.
void CalcolaBordi(Grafico& G);
// Whether the view's edges and scales can be drawn: finite, apart, positive scales.
bool VistaDisegnabile(const Grafico& G);

// The time axis shown `fattore` times longer (below 1: zoomed in) around the time `centro`, the speeds
// as they are; a zoomed view. False, the view unchanged, when the result could not be told apart in
// single precision or could not be drawn.
bool ZoomTempi(Grafico& G, double centro, double fattore);
// The time axis moved by `secondi`, the speeds as they are; a zoomed view. False as ZoomTempi.
bool SpostaTempi(Grafico& G, double secondi);
