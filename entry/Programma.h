#pragma once

// The program-wide objects. The start routine owns one instance for the whole run and hands each
// window references to what it uses; tests build a fresh one per test.

#include "Dimensionamento.h"
#include "Grafico.h"
#include "Velantra.h"
#include "XYPoli.h"

#include <QString>
#include <cstdint>
#include <optional>

struct Programma {
    int16_t SistemaCorrente = -1; // combination of the three known quantities, 0..10, -1 for none
    QString IntestazioneUtente;   // header of the printed pages
    Velantra Moto;
    XYPoli PuntiGrafico; // the sampled speed curve
    Grafico GraficoCorrente;
    std::optional<DatiAsse> Asse; // the sizing data of the axis; none until complete
};

// Runs the solver of SistemaCorrente on Moto (none when there is no valid system) and returns
// Moto.CalcoloOk. A regime phase within the rounding of the solve becomes 0 (a triangular profile).
// Showing the failure message is the caller's.
bool Calcola(Programma& programma);
