// The graph's one painting routine, its tools' marks, and the pictures and files made with it.

#include "DisposizioneInterna.h"
#include "Grafico.h"
#include "MemoriaGrande.h"
#include "MisureCornice.h"
#include "Spezzata.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cstdlib>

namespace {

constexpr double PuntiPerPixel = 72.0 / 96; // PDF points per pixel of 1/96 inch

void DipingiPannello(QPainter& pittore, const PannelloGrafico& p, const QFontMetricsF& metrica, bool bianco) {
    pittore.save();
    pittore.setClipRect(p.posto, Qt::IntersectClip);
    if (bianco)
        pittore.fillRect(p.posto, Qt::white);
    size_t t = 0;
    const auto testi = [&](size_t finoA) {
        for (; t < p.testi.size() && p.testi[t].dopoLinee <= finoA; ++t) {
            const TestoGrafico& testo = p.testi[t];
            pittore.setPen(testo.colore);
            if (testo.ruolo == RuoloTesto::Avviso)
                pittore.drawText(testo.posto, Qt::AlignCenter | Qt::TextWordWrap, testo.testo);
            else
                pittore.drawText(QPointF(testo.posto.left(), testo.posto.top() + metrica.ascent()),
                                 testo.testo);
        }
    };
    for (size_t i = 0; i < p.linee.size(); ++i) {
        testi(i);
        pittore.setPen(p.linee[i].penna);
        pittore.drawPolyline(p.linee[i].punti);
    }
    testi(SIZE_MAX);
    pittore.restore();
}

} // namespace

QRectF SpazioImmagine(QSize misura) {
    const double m = Cornice::MargineImmagine;
    return QRectF(QPointF(0, 0), QSizeF(misura)).adjusted(m, m, -m, -m);
}

DisposizioneGrafico DisponiImmagine(const DatiGrafico& dati, QSize misura) {
    const QFont carattere = CarattereGrafico();
    return DisponiGrafico(dati, CorniceSuMisura(dati, SpazioImmagine(misura), carattere), carattere);
}

void DipingiGrafico(QPainter& pittore, const DisposizioneGrafico& d, bool bianco) {
    pittore.save();
    pittore.setFont(d.carattere);
    const QFontMetricsF metrica(d.carattere);
    if (d.cornice.strisceSopra)
        DipingiPannello(pittore, d.piano, metrica, bianco);
    for (const PannelloGrafico* s : d.Strisce())
        DipingiPannello(pittore, *s, metrica, bianco || d.cornice.strisceSopra);
    if (!d.cornice.strisceSopra)
        DipingiPannello(pittore, d.piano, metrica, bianco);
    pittore.setFont(d.cornice.carattereNomi);
    for (const TestoGrafico& nome : d.cornice.nomi) {
        pittore.setPen(nome.colore);
        pittore.drawText(nome.posto, Qt::AlignLeft | Qt::AlignVCenter, nome.testo);
    }
    pittore.restore();
}

void DipingiSegni(QPainter& pittore, const DisposizioneGrafico& d, const std::vector<SegnoStrumento>& segni) {
    if (!d.disegnata || segni.empty())
        return;
    const QRectF limite = LimitePiano(d.cornice.area);
    pittore.save();
    pittore.setClipRect(d.cornice.area, Qt::IntersectClip);
    for (const SegnoStrumento& s : segni) {
        pittore.setPen(QPen(s.colore, 1, Qt::SolidLine));
        if (s.tipo == SegnoStrumento::Rettangolo) {
            const QRectF scatola =
                QRectF(d.InUnita(s.a.x(), s.a.y()), d.InUnita(s.b.x(), s.b.y())).normalized() & limite;
            if (!scatola.isNull())
                pittore.drawRect(QRectF(scatola.topLeft(), scatola.bottomRight()));
            continue;
        }
        const double v = double(d.scalaY) * s.a.y();
        const MappaScala &x = d.mappaX, &y = d.mappaY;
        for (const auto& [a, b] : {std::pair{d.InUnita(s.a.x(), y.V2()), d.InUnita(s.a.x(), y.V1())},
                                   std::pair{d.InUnita(x.V1(), v), d.InUnita(x.V2(), v)}})
            if (const auto parte = Taglia(a, b, limite))
                pittore.drawLine(parte->first, parte->second);
    }
    pittore.restore();
}

QImage ImmagineGrafico(const DatiGrafico& dati, QSize misura, qreal rapporto) {
    return ImmagineGrafico([&dati](QSize m) { return DisponiImmagine(dati, m); }, misura, rapporto);
}

QImage ImmagineGrafico(const GraficoAMisura& grafico, QSize misura, qreal rapporto) {
    const QSize pixel = misura * rapporto;
    if (misura.isEmpty() || pixel.isEmpty())
        return {};
    const qint64 riga = qint64(pixel.width()) * 4;
    void* memoria =
        riga * pixel.height() < (qint64(1) << 31) ? MemoriaGrande(size_t(riga) * pixel.height()) : nullptr;
    if (!memoria)
        return {};
    QImage immagine(static_cast<uchar*>(memoria), pixel.width(), pixel.height(), riga, QImage::Format_RGB32,
                    std::free, memoria);
    immagine.setDevicePixelRatio(rapporto);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    DipingiGrafico(pittore, grafico(misura), false);
    return immagine;
}

bool ScriviSvgGrafico(QIODevice& file, const GraficoAMisura& grafico, QSize misura) {
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
    DipingiGrafico(pittore, grafico(misura));
    return pittore.end();
}

bool ScriviPdfGrafico(QIODevice& file, const GraficoAMisura& grafico, QSize misura) {
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
    DipingiGrafico(pittore, grafico(misura));
    return pittore.end();
}
