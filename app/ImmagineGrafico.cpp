#include "ImmagineGrafico.h"

#include "FileSicuri.h"
#include "Grafico.h"
#include "ModelloGrafico.h"
#include "Simulazione.h"
#include "VistaMoto.h"

#include <QFileInfo>
#include <QIODevice>
#include <QImage>

namespace {
// The picture the command line writes, in pixels: one size on every machine, so that a script gets the
// same picture each time.
constexpr QSize MisuraRigaComando(847, 625);
} // namespace

std::optional<FormatoImmagine> FormatoImmagineDi(const QString& percorso) {
    const QString estensione = QFileInfo(percorso).suffix().toLower();
    for (const auto& [formato, nome] :
         {std::pair{FormatoImmagine::Png, "png"}, std::pair{FormatoImmagine::Svg, "svg"},
          std::pair{FormatoImmagine::Pdf, "pdf"}})
        if (estensione == QLatin1String(nome))
            return formato;
    return std::nullopt;
}

bool ImmagineDisegnabile(const GraficoAMisura& grafico, QSize misura) {
    return grafico(misura).disegnata;
}

std::optional<QString> EsportaImmagine(const QString& percorso, FormatoImmagine formato,
                                       const GraficoAMisura& grafico, QSize misura,
                                       Avanzamento* avanzamento) {
    if (!ImmagineDisegnabile(grafico, misura))
        return MotivoNonDisegnabile;
    if (formato == FormatoImmagine::Svg)
        return ScriviFile(
            percorso, [&](QIODevice& file) { return ScriviSvgGrafico(file, grafico, misura); }, avanzamento);
    if (formato == FormatoImmagine::Pdf)
        return ScriviFile(
            percorso, [&](QIODevice& file) { return ScriviPdfGrafico(file, grafico, misura); }, avanzamento);
    const QImage immagine = ImmagineGrafico(grafico, misura);
    if (immagine.isNull())
        return QStringLiteral("un'immagine di %1 × %2 pixel non entra nella memoria")
            .arg(misura.width())
            .arg(misura.height());
    // Quality 80 is zlib's fastest level: a picture mostly white packs small at any level.
    return ScriviFile(
        percorso, [&](QIODevice& file) { return immagine.save(&file, "PNG", 80); }, avanzamento);
}

std::optional<QString> ScriviImmagineGrafico(const QString& percorso, FormatoImmagine formato,
                                             const Simulazione& simulazione) {
    Grafico vista = simulazione.GraficoCorrente();
    vista.StatoDisegniGrafico |= Grafico::BitParticolari;
    CalcolaVistaIntera(vista, simulazione.PuntiGrafico());
    const DatiAsse* asse =
        simulazione.Asse() ? &*simulazione.Asse() : nullptr; // its torque among the details
    const DatiGrafico dati{simulazione.PuntiGrafico(), simulazione.Moto(), vista, false, asse};
    return EsportaImmagine(
        percorso, formato, [&dati](QSize misura) { return DisponiImmagine(dati, misura); },
        MisuraRigaComando);
}
