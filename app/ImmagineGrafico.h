#pragma once

// The graph as an image file: PNG, SVG or PDF, painted by the graph's one drawing routine onto the
// device of the format (an image saved as PNG, an SVG generator, a PDF writer). From the graph window's
// "Esporta immagine..." and from "--esporta" on the command line.

#include <QSize>
#include <QString>
#include <optional>

class Avanzamento;
struct Programma;
struct VistaGrafico;

// The view stretched to `misura` pixels, written to `percorso` in `formato` ("png", "svg", "pdf"). The
// reason, in Italian, when it could not; no file, not even in part, then; an empty one when cancelled
// through `avanzamento`. A view that holds no graph is not written.
std::optional<QString> EsportaImmagine(const QString& percorso, const QString& formato,
                                       const VistaGrafico& vista, QSize misura,
                                       Avanzamento* avanzamento = nullptr);
// The graph of a calculated simulation with its details, as a graph window of a set size would show it
// (laid out and drawn, never shown), written as EsportaImmagine does.
std::optional<QString> ScriviImmagineGrafico(const QString& percorso, const QString& formato,
                                             const Programma& programma);
