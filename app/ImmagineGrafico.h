#pragma once

// The graph as an image file: PNG, SVG or PDF, laid out by the plot model at the size asked for and
// painted by its one routine onto the device of the format (an image saved as PNG, an SVG generator, a
// PDF writer). From the graph window's "Esporta immagine..." and from "--esporta" on the command line.

#include "ModelloGrafico.h"

#include <QSize>
#include <QString>
#include <optional>

class Avanzamento;
class Simulazione;

// Said, and no file written, when the view holds no graph.
inline const QString MotivoNonDisegnabile =
    QStringLiteral("il grafico di questo moto non si può disegnare a questa scala");

// The formats a picture of the graph is written in, in the order of the export's filters.
enum class FormatoImmagine { Png, Svg, Pdf };
// The format a file name's extension names (".png", ".svg", ".pdf", in any case), or none.
std::optional<FormatoImmagine> FormatoImmagineDi(const QString& percorso);

// Whether the picture at `misura` shows its plot, rather than only the sentence that it cannot be drawn
// at this scale.
bool ImmagineDisegnabile(const GraficoAMisura& grafico, QSize misura);

// The picture at `misura` pixels, written to `percorso` in `formato`. The reason, in
// Italian, when it could not; no file, not even in part, then; an empty one when cancelled through
// `avanzamento`. A picture that could only say the graph cannot be drawn is not written.
std::optional<QString> EsportaImmagine(const QString& percorso, FormatoImmagine formato,
                                       const GraficoAMisura& grafico, QSize misura,
                                       Avanzamento* avanzamento = nullptr);
// The full view of a calculated simulation with its details, at the command line's size, written as
// EsportaImmagine does.
std::optional<QString> ScriviImmagineGrafico(const QString& percorso, FormatoImmagine formato,
                                             const Simulazione& simulazione);
