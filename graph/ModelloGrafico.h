#pragma once

// The graph as one picture laid out at one size: the frame (the plot, the speed strip, the time strip,
// each details axis, the axis names), the scale maps from the motion to the plot's pixels, the curves
// and marks, and every text with the rectangle it takes; each line and text of a kind, so that a reader
// asks for "the speed curve" or "the time labels". One routine paints it on any QPainter: the graph
// window, the clipboard, a PNG, SVG or PDF file, the printed page. Laying out reads the curve, the
// motion and the view and changes nothing.

#include "Dettagli.h"
#include "EtichetteAssi.h"
#include "MappaScala.h"

#include <QFont>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class Grafico;
class QIODevice;
struct DatiAsse;
class QImage;
class QPainter;
struct PartiCornice;
struct RegoleCornice;
class Velantra;
class XYPoli;

// What the graph shows: the sampled curve, the motion (phase times, details) and the view, whose
// edges and scales are set (CalcolaVistaIntera, CalcolaVistaZoom). `vuoto`: the frame only, blank, as
// after "Cancella".
struct DatiGrafico {
    const XYPoli& punti;
    const Velantra& moto;
    const Grafico& vista;
    bool vuoto = false;
    const DatiAsse* asse = nullptr; // the axis' sizing: its curve joins the details

    // The details curves of the motion, whether the view shows them or not: made at the first call and
    // kept, with its copies, for the picture this is made for.
    const std::vector<CurvaDettaglio>& Dettagli() const;
    mutable std::shared_ptr<const std::vector<CurvaDettaglio>> curve = nullptr; // Dettagli()'s, once made
};

// A text's kind: a label of the time, the speed or a details axis, an axis name, a phase mark's text (or
// Vm's), the sentence shown in place of a view that cannot be drawn; in a plot of series a label of
// its x or y axis, a legend's text, a marked point's, a reference line's.
enum class RuoloTesto : uint8_t {
    Tempo,
    Velocita,
    Dettaglio,
    Nome,
    Fase,
    Avviso,
    Ascissa,
    Ordinata,
    Legenda,
    Punto,
    Riferimento
};
// A line's kind: the speed curve, an axis (of the plot, or a details curve's own), the grid, a phase
// mark, a tick (Vm's on the speed axis, those of a details axis), a details curve; in a plot of series
// a series, a marked point, a reference line, a legend's sample of a series' line.
enum class RuoloLinea : uint8_t {
    Velocita,
    Asse,
    Griglia,
    Fase,
    Tacca,
    Dettaglio,
    Serie,
    Punto,
    Riferimento,
    Legenda
};

struct TestoGrafico {
    QRectF posto; // the text's box; a name's is the room it is centred in vertically
    QString testo;
    RuoloTesto ruolo = RuoloTesto::Tempo;
    QColor colore = Qt::black;
    int asse = -1;         // the details axis of a Dettaglio label; what a plot of series' text is of
    double valore = 0;     // of a label, in its axis' unit
    bool centrato = false; // a name: left-aligned and centred vertically in its room
    size_t dopoLinee = 0;  // in its part, drawn after this many of its lines
};

struct LineaGrafico {
    QPolygonF punti; // pixels
    QPen penna;
    RuoloLinea ruolo = RuoloLinea::Asse;
    int asse = -1; // the details axis of a details curve, its axis line and ticks; what a series' line is of
};

// A part of the picture painted on white and kept to its rectangle: the plot or a value strip.
struct PannelloGrafico {
    QRectF posto;
    std::vector<LineaGrafico> linee;
    std::vector<TestoGrafico> testi;
};

// Where the parts go, laid out by DisponiCornice.
struct CorniceGrafico {
    QRectF area;                         // the plot
    QRectF strisciaVelocita;             // speed labels, left of the plot
    QRectF strisciaTempi;                // time labels, below the plot
    std::vector<QRectF> strisceDettagli; // one axis per details curve, right of the plot
    std::vector<TestoGrafico> nomi;      // the axis names, each in its room
    QFont carattereNomi;                 // of the names: the labels' face, or the window's own
    bool strisceSopra = false;           // strips painted over the plot (else under it)
};

// A details curve's axis: its strip right of the plot, the curve, its values to the plot's pixels.
struct AsseDettaglio {
    PannelloGrafico striscia;
    CurvaDettaglio curva; // none (no name, no values) in a picture without a view
    MappaScala mappa;     // values -> y
};

struct DisposizioneGrafico {
    CorniceGrafico cornice;
    QFont carattere; // of the labels and marks, sized in pixels
    // The view drawn with its scales; false: blank, or only the sentence saying why it cannot be drawn.
    bool disegnata = false;
    float scalaX = 1, scalaY = 1; // graph units per second and per m/sec
    // The plot's coordinates, graph units to pixels: its edges (ScalaX * BordoSinistro to ScalaX *
    // BordoDestro, ScalaY * BordoSuperiore to ScalaY * BordoInferiore) to its sides.
    MappaScala mappaX, mappaY;
    PannelloGrafico piano, strisciaVelocita, strisciaTempi;
    std::vector<AsseDettaglio> dettagli; // in the order of their strips
    PannelloGrafico legenda;             // a plot of series' legend; none (empty) in the speed graph

    QPointF InUnita(double u, double w) const { return {mappaX.Trasforma(u), mappaY.Trasforma(w)}; }
    QPointF InPixel(double t, double v) const { return InUnita(double(scalaX) * t, double(scalaY) * v); }
    double Tempo(double x) const { return mappaX.Inversa(x) / scalaX; }
    double Velocita(double y) const { return mappaY.Inversa(y) / scalaY; }
    // The time axis in seconds, the speed axis in m/sec.
    MappaScala AsseTempi() const;
    MappaScala AsseVelocita() const;
    // The strips in their painting order: speed, time, each details axis, the legend when there is one.
    std::vector<const PannelloGrafico*> Strisce() const;
    // Every text of the picture with this kind, in drawing order; every line likewise.
    std::vector<TestoGrafico> Testi(RuoloTesto ruolo) const;
    std::vector<LineaGrafico> Linee(RuoloLinea ruolo) const;
};

// Shown on the plot in place of the curve when the view's scales cannot be drawn.
extern const QString FraseNonDisegnabile;

// The graph's texts: the application's face at 8 points, sized in pixels so that texts keep their place
// among the lines whatever the resolution of the device.
QFont CarattereGrafico();

// The one layout of a plot's frame, by its rules: the graph window's designed layout, a picture of any
// size, the printed page. The names above the plot, the left axis' strip left of it, the time strip
// below it, the other axes right of it and the time axis' name right of the time strip; where the rules
// allow it and the plot would be narrow, the right axes' names move above the plot and the time axis'
// name below the strip. The strips are as wide as their labels need, at least as designed.
CorniceGrafico DisponiCornice(const PartiCornice& parti, const RegoleCornice& regole);
// The speed graph's parts: its names, the room of its speed labels and of the details shown.
PartiCornice PartiGrafico(const DatiGrafico& dati, const QFont& carattere);
// The speed graph's frame by its rules, and in `spazio` by the rules of any size (RegoleSuMisura).
CorniceGrafico DisponiCornice(const DatiGrafico& dati, const RegoleCornice& regole);
CorniceGrafico CorniceSuMisura(const DatiGrafico& dati, const QRectF& spazio, const QFont& carattere);
// The names of the axes as the window shows them.
QString NomeVelocita();
QString NomeTempo();

// Everything drawn in the frame.
DisposizioneGrafico DisponiGrafico(const DatiGrafico& dati, const CorniceGrafico& cornice,
                                   const QFont& carattere);
// The picture on the painter, in its coordinates: strips and plot on white (unless the device is white
// there already), names over the background.
void DipingiGrafico(QPainter& pittore, const DisposizioneGrafico& disposizione, bool bianco = true);

// A mark of the tools over the plot, in graph units: a cross through the whole plot, its vertical at
// a.x() and its horizontal at the speed a.y() (m/sec); or a box with corners a and b.
struct SegnoStrumento {
    enum Tipo : uint8_t { Croce, Rettangolo } tipo = Croce;
    QPointF a, b;
    QColor colore = Qt::black;
};
void DipingiSegni(QPainter& pittore, const DisposizioneGrafico& disposizione,
                  const std::vector<SegnoStrumento>& segni);

// A picture laid out at any size: its layout in a picture of `misura` logical pixels, white margin
// included. The speed graph's (DisponiImmagine) or another plot's on the same model.
using GraficoAMisura = std::function<DisposizioneGrafico(QSize misura)>;
// The room of a picture of `misura` pixels inside its white margin.
QRectF SpazioImmagine(QSize misura);
// The graph laid out by CorniceSuMisura in SpazioImmagine(misura), with the graph's texts.
DisposizioneGrafico DisponiImmagine(const DatiGrafico& dati, QSize misura);

// The picture at `misura` logical pixels on white: an image at the pixel ratio (null when it would not
// fit in memory), or an SVG or PDF file (false when the device refused what was written). Of the graph,
// or of any picture laid out at a size.
QImage ImmagineGrafico(const GraficoAMisura& grafico, QSize misura, qreal rapporto = 1);
bool ScriviSvgGrafico(QIODevice& file, const GraficoAMisura& grafico, QSize misura);
bool ScriviPdfGrafico(QIODevice& file, const GraficoAMisura& grafico, QSize misura);
QImage ImmagineGrafico(const DatiGrafico& dati, QSize misura, qreal rapporto = 1);
