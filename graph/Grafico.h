#pragma once

// The state of the one speed graph: scales, extremes, view window and margins, tool flags, optional
// drawings and the sampling step. It outlives the graph window, so a reopened window shows the same
// view. Single-precision fields stay single precision: labels and edges depend on it.

#include <cstdint>

class Grafico {
public:
    // Bits of StatoDisegniGrafico, the optional drawings.
    static constexpr int16_t BitGriglia = 2;     // grid shown
    static constexpr int16_t BitParticolari = 4; // details shown: position, acceleration, phase marks

    float LunghezzaX = 100; // nominal plot width, graph units
    float LunghezzaY = 100; // nominal plot height, graph units
    float ScalaX = 1;       // graph units per second, in use
    float ScalaXCalcolata = 0;
    float ScalaY = 1; // graph units per m/sec, in use
    float ScalaYCalcolata = 0;
    int32_t PosizioneMassimoX = 0;
    int32_t PosizioneMassimoY = 0;
    double ValoreMassimoX = 0;
    double ValoreMassimoY = 0;
    int32_t PosizioneMinimoX = 0;
    int32_t PosizioneMinimoY = 0;
    double ValoreMinimoX = 0;
    double ValoreMinimoY = 0;
    float AmpiezzaX = 0;
    float AmpiezzaY = 0;
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
};
