#include "ImmagineGrafico.h"

#include "Esportazione.h"
#include "FileSicuri.h"
#include "Programma.h"
#include "VistaGrafico.h"
#include "frmGrafico.h"

#include <QIODevice>
#include <QImage>

namespace {
// The window the command line draws in: its view makes a picture of about 1000 x 640 pixels.
constexpr QSize FinestraRigaComando(1240, 700);
} // namespace

std::optional<QString> EsportaImmagine(const QString& percorso, const QString& formato,
                                       const VistaGrafico& vista, QSize misura, Avanzamento* avanzamento) {
    if (!GraficoDisegnabile(vista))
        return MotivoNonDisegnabile;
    if (formato == QLatin1String("svg"))
        return ScriviFile(
            percorso, [&](QIODevice& file) { return ScriviSvg(file, vista, misura); }, avanzamento);
    if (formato == QLatin1String("pdf"))
        return ScriviFile(
            percorso, [&](QIODevice& file) { return ScriviPdf(file, vista, misura); }, avanzamento);
    const QImage immagine = ImmagineVista(vista, misura);
    if (immagine.isNull())
        return QStringLiteral("un'immagine di %1 × %2 pixel non entra nella memoria")
            .arg(misura.width())
            .arg(misura.height());
    // Quality 80 is zlib's fastest level: a picture mostly white packs small at any level.
    return ScriviFile(
        percorso, [&](QIODevice& file) { return immagine.save(&file, "PNG", 80); }, avanzamento);
}

std::optional<QString> ScriviImmagineGrafico(const QString& percorso, const QString& formato,
                                             const Programma& programma) {
    Grafico G = programma.GraficoCorrente;
    G.StatoDisegniGrafico |= Grafico::BitParticolari;
    frmGrafico grafico(programma.PuntiGrafico, G, programma.Moto);
    grafico.setAttribute(Qt::WA_DontShowOnScreen);
    grafico.resize(FinestraRigaComando);
    grafico.show(); // laid out and drawn as on screen
    const VistaGrafico vista = grafico.Vista();
    return EsportaImmagine(percorso, formato, vista, vista.Riquadro().size().toSize());
}
