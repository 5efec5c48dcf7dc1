#pragma once

// The graph as an image file, for "--esporta" on the command line (and any image export): the graph
// of a calculated simulation with its details, painted by the graph's one drawing routine onto the
// device of the format: a QImage saved as PNG, a QSvgGenerator, a QPdfWriter.

#include <QString>
#include <optional>

class QIODevice;
struct Programma;

// Writes the image in `formato` ("png", "svg" or "pdf") into `file`. The reason, in Italian, when it
// could not; nothing written then.
std::optional<QString> ScriviImmagineGrafico(QIODevice& file, const QString& formato,
                                             const Programma& programma);
