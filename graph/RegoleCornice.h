#pragma once

// The rules the graph's frame is laid out by (DisponiCornice): the room it has, the designed measures
// in pixels, and the choices that set the graph window's designed layout, a picture of any size and
// the printed page apart. The defaults are those of a picture of any size: the designed twips rounded to
// whole pixels.

#include "MisureProgetto.h"

#include <QFont>
#include <QRectF>
#include <optional>

struct RegoleCornice {
    QFont carattere;     // of the labels: each value strip is as wide as they need
    QFont carattereNomi; // of the axis names, as they are painted; they are placed by the labels' face
    // The room: the names at its top, the speed strip at its left edge, the time strip at its bottom.
    QRectF spazio;
    // Where the plot and the details' axes right of it are fixed (the page), the strips stand at the
    // room's edges over the plot's margins; otherwise the plot takes what the strips and names leave,
    // right of the speed strip and above the time strip.
    std::optional<QRectF> piano;

    double sopraPiano = Px(Progetto::SopraNomi); // the names' row above the plot
    double altezzaNome = Px(Progetto::AltezzaNome);
    double strisciaTempi = Px(Progetto::StrisciaTempi);
    double sovrapposizione = Px(Progetto::Sovrapposizione); // of the plot over the speed strip
    double larghezzaNomeVelocita = Px(Progetto::LarghezzaNomeVelocita);
    double larghezzaNomeTempo = Px(Progetto::LarghezzaNomeTempo);
    double scostamentoNomeTempo = Px(Progetto::ScostamentoNomeTempo); // right of and below the plot

    bool nomiAssi = true;        // "V(t) [m/sec]" and "t [sec]" in the frame; the page prints its own
    bool spazioNomeTempo = true; // the room holds "t [sec]" whole; the window's readouts' margin does
    // A plot narrower than this takes the names' room: the names above it, "t [sec]" below the time strip,
    // the strips as wide as their labels alone.
    std::optional<double> pianoStretto;
    bool arrotonda = false;    // each part to whole pixels, as the window places its controls
    bool strisceSopra = false; // the strips painted over the plot (the page)
};

// A picture of any size in `spazio` (to whole pixels), narrow below half its width.
RegoleCornice RegoleSuMisura(const QRectF& spazio, const QFont& carattere);
// The graph window as designed in `spazio`: the twips as they are, each part then rounded to whole
// pixels; "t [sec]" in the readouts' margin.
RegoleCornice RegoleProgettate(const QRectF& spazio, const QFont& carattere, const QFont& carattereNomi);
