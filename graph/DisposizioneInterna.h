#pragma once

// What the parts of the graph's layout share: the labels each axis is designed to show, and the
// drawing of the details.

#include "ModelloGrafico.h"

#include <array>
#include <optional>

class QFontMetricsF;

// Five speeds from `da` in steps of a quarter of the range, each rounded to one decimal before the
// next step is added: for 0 to 1.3 they read 0, 0.3, 0.6, 0.9, 1.2.
std::array<float, 5> VelocitaEtichette(double da, double a);
// Whether the five passes, each text drawn once, give fewer than three labels to tell apart.
bool VelocitaIndistinte(const std::array<float, 5>& velocita);

// The values a details axis is designed to label between the speeds da and a of the plot: its marked
// values and, for a curve with round values, about five of them on steps of 1, 2, 2.5 or 5 times a
// power of ten, none closer than a third of a step to a marked one. Texts as TestoParticolare.
std::vector<EtichettaAsse> ValoriDettaglio(const CurvaDettaglio& curva, double da, double a);

// A line between two points in pixels, cut to the rectangle, with the pen and kind of `linea`; nothing
// when it lies outside.
std::optional<LineaGrafico> LineaTagliata(QPointF a, QPointF b, LineaGrafico linea, const QRectF& limite);
// The plot's rectangle with the room kept around it for lines that leave it.
QRectF LimitePiano(const QRectF& area);

// The details' curves, phase marks and Vm on the plot, their axes on their strips: those of d.dettagli
// with a curve.
void DisponiDettagli(DisposizioneGrafico& d, const DatiGrafico& dati, const QFontMetricsF& metrica);
