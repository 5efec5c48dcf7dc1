#pragma once

// A picture a window asks to have written to a file: the window or plot it is of, its size on screen and
// its layout at any size. The window asks; the program chooses the file, its format and size, and
// writes it.

#include "ModelloGrafico.h"

#include <QObject>
#include <QPointer>
#include <QSize>

struct RichiestaImmagine {
    QPointer<QObject> fonte; // once it is gone, nothing is written
    QSize misura;            // on screen, white margin included
    GraficoAMisura grafico;
};
