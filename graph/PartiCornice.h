#pragma once

// What a plot's frame holds, measured in the face of its labels: the names of its axes and the room
// their labels need. The frame's layout (DisponiCornice) places them by its rules whatever the plot:
// the speed graph (PartiGrafico), or any other plot with a value axis left of it, a time axis below
// and axes of their own right of it.

#include <QColor>
#include <QString>
#include <vector>

struct PartiCornice {
    QString nomeVerticale, nomeOrizzontale; // "V(t) [m/sec]" above the plot, "t [sec]" by the time strip
    double etichetteVerticali = 0;          // pixels the left axis' labels need
    // An axis of its own right of the plot: its name (with its colour) over it and the pixels its
    // labels need, from the strip's left edge.
    struct Asse {
        QString nome;
        QColor colore;
        double etichette = 0;
    };
    std::vector<Asse> assi;
};
