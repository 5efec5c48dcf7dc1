#include "PaginaStampa.h"

#include "ModelloGrafico.h"

#include <QPaintDevice>

namespace {
constexpr double TwipsPerPollice = 1440;
constexpr double PixelPerPollice = 96;
} // namespace

PaginaStampa::PaginaStampa(QPaintDevice& dispositivo)
    : puntiPerUnitaX(dispositivo.logicalDpiX() / TwipsPerPollice),
      puntiPerUnitaY(dispositivo.logicalDpiY() / TwipsPerPollice) {
    pittore.begin(&dispositivo);
}

void PaginaStampa::ImpostaCarattere(const QString& nome, int punti) {
    if (Pronta())
        pittore.setFont(QFont(nome, punti));
}

void PaginaStampa::ScalaLarghezza(double unita) {
    if (Pronta() && unita > 0)
        puntiPerUnitaX = pittore.device()->width() / unita;
}

double PaginaStampa::LarghezzaTesto(const QString& testo) const {
    if (!Pronta())
        return 0;
    return QFontMetricsF(pittore.font(), pittore.device()).horizontalAdvance(testo) / puntiPerUnitaX;
}

void PaginaStampa::Stampa(const QString& testo) {
    if (!Pronta())
        return;
    const QFontMetricsF metrica(pittore.font(), pittore.device());
    const QPointF alto(CurrentX * puntiPerUnitaX, CurrentY * puntiPerUnitaY);
    if (!testo.isEmpty())
        pittore.drawText(alto + QPointF(0, metrica.ascent()), testo);
    CurrentX = 0;
    CurrentY += metrica.height() / puntiPerUnitaY;
}

void PaginaStampa::StampaGrafico(const DisposizioneGrafico& grafico) {
    if (!Pronta())
        return;
    pittore.save();
    pittore.scale(pittore.device()->logicalDpiX() / PixelPerPollice,
                  pittore.device()->logicalDpiY() / PixelPerPollice);
    DipingiGrafico(pittore, grafico);
    pittore.restore();
}

void PaginaStampa::StampaTesto(QPointF pixel, const QString& testo) {
    if (!Pronta())
        return;
    const QFontMetricsF metrica(pittore.font(), pittore.device());
    const QPointF punto(pixel.x() * pittore.device()->logicalDpiX() / PixelPerPollice,
                        pixel.y() * pittore.device()->logicalDpiY() / PixelPerPollice);
    pittore.drawText(punto + QPointF(0, metrica.ascent()), testo);
}

void PaginaStampa::Fine() {
    if (Pronta())
        pittore.end();
}
