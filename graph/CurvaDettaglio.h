#pragma once

// One curve among the graph's details: a quantity of time on an axis of its own right of the plot,
// drawn in the plot's own coordinates as speeds (its range maps linearly onto a band of speeds).

#include "MappaScala.h"

#include <QColor>
#include <QString>
#include <functional>
#include <vector>

struct CurvaDettaglio {
    // One stretch of the curve, drawn from `da` to `a` (a jump between stretches is a vertical line).
    struct Tratto {
        double da = 0, a = 0;
        std::function<double(double)> valore;
        double curvatura = 0; // the largest |second derivative|, in units per second squared; 0: straight
    };

    QString nome;  // of its axis, with the unit: "s(t) [m]"
    QString sigla; // of its readout at the cursor: "s"
    QColor colore;
    Qt::PenStyle stile = Qt::SolidLine;
    std::vector<Tratto> tratti;
    std::function<double(double)> valore; // at any time
    // The band: its values (the ends of its range) to the speeds they stand at.
    MappaScala banda;
    std::vector<double> segnati; // values its axis always labels when in view
    bool tondi = false;          // and about five round values between them
};
