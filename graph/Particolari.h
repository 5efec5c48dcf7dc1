#pragma once

// The details of the motion over the speed graph: the position s(t) from 0 to the stroke and the
// acceleration a(t) in its three steps, each on its own scale with a labelled axis in a strip right of
// the plot; the phase boundaries T1 and T1 + T2 marked with their times; Vm marked on the speed axis.
// Every value comes from the closed form of the motion (LeggeMoto), exact at any time, not from the
// samples. Both curves are drawn in the plot's own coordinates, as speeds: s from 0 at the time axis to
// the stroke at the height of Vm; a with 0 at half Vm and +A, -A at 0.9 and 0.1 of Vm, so that its
// steps stay clear of the time axis and of the flat top of the speed.

#include <QColor>
#include <QString>
#include <vector>

class Grafico;
class SuperficieDisegno;
class Velantra;

inline const QString NomePosizione = QStringLiteral("s(t) [m]");
inline const QString NomeAccelerazione = QStringLiteral("a(t) [m/sec^2]");
// Apart in greyscale by their line as well: the speed is black and solid, the position dashed, the
// acceleration dotted. Each axis is drawn in its curve's line, the key to which curve it measures.
inline const QColor ColorePosizione(0, 80, 200);
inline const QColor ColoreAccelerazione(190, 90, 0);
inline constexpr Qt::PenStyle StilePosizione = Qt::DashLine;
inline constexpr Qt::PenStyle StileAccelerazione = Qt::DotLine;

// The plot and the two strips of the details' axes, right of it.
struct SuperficiParticolari {
    SuperficieDisegno& Picture1;
    SuperficieDisegno& PictValS;
    SuperficieDisegno& PictValA;
};

// A label of a details axis: its text, at the height of this speed of the plot.
struct EtichettaParticolare {
    double velocita;
    QString testo;
};
// The labels of the position axis (round values and the stroke) and of the acceleration axis (+A, 0,
// -A) between the speeds da and a of the view; none for a record that is no motion.
std::vector<EtichettaParticolare> EtichettePosizione(const Velantra& Moto, double da, double a);
std::vector<EtichettaParticolare> EtichetteAccelerazione(const Velantra& Moto, double da, double a);
// Logical pixels a strip needs to show these labels whole.
double LarghezzaEtichette(const SuperficieDisegno& striscia,
                          const std::vector<EtichettaParticolare>& etichette);

// The strips' coordinates: 0 to 10 across, the plot's speeds along. False when they cannot be set.
bool ImpostaCoordinateParticolari(const SuperficiParticolari& S, const Grafico& G);
// The details of the motion in the view of G: curves and marks on the plot, axes on the strips.
void DisegnaParticolari(const SuperficiParticolari& S, const Grafico& G, const Velantra& Moto);

// A value of the details as the user reads it: 5 significant digits in the regional format.
QString TestoParticolare(double valore);
