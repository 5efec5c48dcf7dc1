#pragma once

// A plot of series of values: two axes, each with its name and unit and a range given or taken from
// the data; polylines of values, each in its colour and line, named in a legend above the plot; points
// marked with a short text; horizontal and vertical reference lines with a text. Laid out by the same
// frame, labels and painter as the speed graph (DisponiSerie), so the screen, the clipboard and the
// files show it alike.

#include "ModelloGrafico.h"

#include <QColor>
#include <QPolygonF>
#include <QString>
#include <optional>
#include <vector>

struct GraficoSerie {
    struct Asse {
        QString nome{}; // with its unit: "t [sec]"
        std::optional<double> da{},
            a{};                      // the ends given; an end not given comes from the data, with a margin
        std::vector<double> valori{}; // values the axis labels where they fit, in order of preference
    };
    struct Serie {
        QString nome{};    // in the legend; a series without a name is not listed
        QPolygonF punti{}; // values, in order; a point not finite breaks the line. A jump is two points
                           // at one x, and is drawn upright
        QColor colore = Qt::black;
        Qt::PenStyle stile = Qt::SolidLine;
        double spessore = 2; // pixels
    };
    struct Punto {
        QPointF valore{};
        QString testo{}; // beside it, where it fits clear of every other text
        QColor colore = Qt::black;
    };
    struct Riferimento {
        bool verticale = false; // at an x value across the plot; else at a y value
        double valore = 0;
        QString testo{}; // along the line, inside the plot
        QColor colore = Qt::darkGray;
        Qt::PenStyle stile = Qt::DashLine;
    };

    Asse x{}, y{};
    std::vector<Serie> serie{};
    std::vector<Punto> punti{};
    std::vector<Riferimento> riferimenti{};
    bool griglia = true; // dotted lines at the labelled values
};

// Shown on the plot in place of the series when the axes' ranges cannot be drawn.
extern const QString FraseSerieNonDisegnabile;

// The plot laid out in `spazio` with the labels' face, by the frame's rules of a picture of any size:
// the y axis' labels on the speed strip (RuoloTesto::Ordinata), the x axis' on the time strip
// (RuoloTesto::Ascissa), the legend on its own strip, the axis names as names. Lines and texts carry
// the index of what they draw in `asse`: the series (RuoloLinea::Serie, its legend's sample and text),
// the marked point (RuoloLinea::Punto, RuoloTesto::Punto), the reference line (RuoloTesto::Riferimento
// too). The plot maps values straight to pixels: its scales are 1.
DisposizioneGrafico DisponiSerie(const GraficoSerie& grafico, const QRectF& spazio, const QFont& carattere);
// The plot in a picture of any size: laid out as DisponiSerie in the picture's white margin, with the
// graph's texts.
GraficoAMisura SerieAMisura(GraficoSerie grafico);
