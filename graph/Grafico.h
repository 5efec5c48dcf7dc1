#pragma once

// The state of the one speed graph: the view window (extremes, margins, edges) with its scales, the
// tool flags and the optional drawings, and the sampling step. It outlives the graph window, so a
// reopened window shows the same view. Single-precision fields stay single precision: labels and edges
// depend on it.

#include <cstdint>

class Grafico {
public:
    // Bits of StatoDisegniGrafico, the optional drawings.
    static constexpr int16_t BitGriglia = 2;     // grid shown
    static constexpr int16_t BitParticolari = 4; // details shown: position, acceleration, phase marks

    float LunghezzaX = 100; // nominal plot width, graph units
    float LunghezzaY = 100; // nominal plot height, graph units
    float ScalaX = 1;       // graph units per second
    float ScalaY = 1;       // graph units per m/sec
    double ValoreMassimoX = 0;
    double ValoreMassimoY = 0;
    double ValoreMinimoX = 0;
    double ValoreMinimoY = 0;
    float MargineX = 0; // seconds, left and right of a full view
    float MargineY = 0; // m/sec, above and below a full view
    float BordoSinistro = 0;
    float BordoSuperiore = 0;
    float BordoDestro = 0;
    float BordoInferiore = 0;
    bool Collimatore = false;
    bool ZoomRettangolo = false;
    bool GraficoZoomato = false;
    bool CollimatoreDifferenza = false;
    int16_t StatoDisegniGrafico = 0;
    float StepTempo = 0.01f; // sampling step of the speed curve, seconds

    bool Griglia() const { return StatoDisegniGrafico & BitGriglia; }
    bool Particolari() const { return StatoDisegniGrafico & BitParticolari; }
};
