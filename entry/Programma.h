#pragma once

// The program-wide objects. The start routine owns one instance for the whole run and hands each
// window references to what it uses; tests build a fresh one per test.

#include "Grafico.h"
#include "Velantra.h"
#include "XYPoli.h"

#include <QString>
#include <cstdint>

struct Programma {
    int16_t SistemaCorrente = -1; // combination of the three known quantities, 0..10, -1 for none
    QString IntestazioneUtente;   // header of the printed pages
    Velantra Moto;
    XYPoli PuntiGrafico; // the sampled speed curve
    Grafico GraficoCorrente;
};
