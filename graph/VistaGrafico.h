#pragma once

// The graph as one picture: its drawing surfaces (plot, label strips, the details' axes) and the axis
// names, each at its place. One routine paints it onto any paint device (an image for the clipboard
// or a PNG file, an SVG or PDF generator, the printer), from the surfaces' marks rather than their
// pixels, so that it is as sharp as the device. There is no other way the graph is drawn.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

class QIODevice;
class QImage;
class QPainter;
class QTransform;
class SuperficieDisegno;

struct VistaGrafico {
    struct Parte {
        const SuperficieDisegno* superficie;
        QRectF posto; // stretched into it
    };
    struct Scritta {
        QString testo;
        QPointF angolo; // top-left corner
        QColor colore = Qt::black;
        bool carattereVista = true; // in `carattere`, scaled with the view; else in the painter's font
    };
    std::vector<Parte> parti; // painted in this order
    std::vector<Scritta> scritte;
    QFont carattere; // sized in pixels of the view

    // What the view covers, with a small white margin.
    QRectF Riquadro() const;
};

// Paints the view; `mappa` takes its coordinates to the painter's.
void DisegnaVista(QPainter& pittore, const VistaGrafico& vista, const QTransform& mappa);

// The view stretched to `misura` logical pixels, on white, at the given pixel ratio. Null when an
// image of that size does not fit in memory.
QImage ImmagineVista(const VistaGrafico& vista, QSize misura, qreal rapporto = 1);
// Vector files of the view stretched to `misura` pixels (1/96 inch): false when the device refused
// what was written.
bool ScriviSvg(QIODevice& file, const VistaGrafico& vista, QSize misura);
bool ScriviPdf(QIODevice& file, const VistaGrafico& vista, QSize misura);
