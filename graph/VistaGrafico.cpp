#include "VistaGrafico.h"

#include "MemoriaGrande.h"
#include "SuperficieDisegno.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double Margine = 6;               // pixels of white around the view
constexpr double PuntiPerPixel = 72.0 / 96; // PDF points per pixel of 1/96 inch

// The view's rectangle onto (0, 0) - misura.
QTransform Mappa(const VistaGrafico& vista, QSizeF misura) {
    const QRectF r = vista.Riquadro();
    return QTransform::fromTranslate(-r.left(), -r.top()) *
           QTransform::fromScale(misura.width() / r.width(), misura.height() / r.height());
}

} // namespace

QRectF VistaGrafico::Riquadro() const {
    QRectF r;
    for (const Parte& p : parti)
        r |= p.posto;
    const QFontMetricsF metrica(carattere);
    for (const Scritta& s : scritte)
        r |= QRectF(s.angolo, QSizeF(metrica.horizontalAdvance(s.testo), metrica.height()));
    return r.adjusted(-Margine, -Margine, Margine, Margine);
}

void DisegnaVista(QPainter& pittore, const VistaGrafico& vista, const QTransform& mappa) {
    // Texts keep their shape, scaled as the view is across its narrow side, also in a part that is
    // stretched more than the view (the plot on the printed page).
    const double scala = std::min(std::abs(mappa.m11()), std::abs(mappa.m22()));
    for (const VistaGrafico::Parte& p : vista.parti)
        p.superficie->DisegnaIn(pittore, mappa.mapRect(p.posto), scala);
    for (const VistaGrafico::Scritta& s : vista.scritte) {
        pittore.save();
        pittore.setPen(s.colore);
        if (s.carattereVista) {
            pittore.translate(mappa.map(s.angolo));
            pittore.scale(scala, scala);
            pittore.setFont(vista.carattere);
            pittore.drawText(QPointF(0, QFontMetricsF(vista.carattere).ascent()), s.testo);
        } else {
            const QFontMetricsF metrica(pittore.font(), pittore.device());
            pittore.drawText(mappa.map(s.angolo) + QPointF(0, metrica.ascent()), s.testo);
        }
        pittore.restore();
    }
}

QImage ImmagineVista(const VistaGrafico& vista, QSize misura, qreal rapporto) {
    const QSize pixel = misura * rapporto;
    if (misura.isEmpty() || pixel.isEmpty())
        return {};
    const qint64 riga = qint64(pixel.width()) * 4;
    void* dati =
        riga * pixel.height() < (qint64(1) << 31) ? MemoriaGrande(size_t(riga) * pixel.height()) : nullptr;
    if (!dati)
        return {};
    QImage immagine(static_cast<uchar*>(dati), pixel.width(), pixel.height(), riga, QImage::Format_RGB32,
                    std::free, dati);
    immagine.setDevicePixelRatio(rapporto);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    DisegnaVista(pittore, vista, Mappa(vista, misura));
    return immagine;
}

bool ScriviSvg(QIODevice& file, const VistaGrafico& vista, QSize misura) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(misura);
    svg.setViewBox(QRect(QPoint(0, 0), misura));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Grafico"));
    svg.setDescription(QStringLiteral("Velantra dei moti"));
    QPainter pittore;
    if (!pittore.begin(&svg))
        return false;
    pittore.fillRect(QRect(QPoint(0, 0), misura), Qt::white);
    DisegnaVista(pittore, vista, Mappa(vista, misura));
    return pittore.end();
}

bool ScriviPdf(QIODevice& file, const VistaGrafico& vista, QSize misura) {
    QPdfWriter pdf(&file);
    pdf.setCreator(QStringLiteral("Velantra dei moti"));
    pdf.setTitle(QStringLiteral("Grafico"));
    pdf.setPageLayout(QPageLayout(
        QPageSize(QSizeF(misura) * PuntiPerPixel, QPageSize::Point, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF()));
    pdf.setResolution(96);
    QPainter pittore;
    if (!pittore.begin(&pdf))
        return false;
    DisegnaVista(pittore, vista, Mappa(vista, misura));
    return pittore.end();
}
