#include "PaginaStampa.h"

#include "Twips.h"

#include "SuperficieDisegno.h"

#include <QPaintDevice>

namespace {
constexpr double TwipsPerPollice = 1440;
constexpr double MillimetriPerPollice = 25.4;
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

void PaginaStampa::ScalaMillimetri() {
    if (!Pronta())
        return;
    puntiPerUnitaX = pittore.device()->logicalDpiX() / MillimetriPerPollice;
    puntiPerUnitaY = pittore.device()->logicalDpiY() / MillimetriPerPollice;
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

void PaginaStampa::StampaImmagine(const SuperficieDisegno& superficie, double sinistra, double alto,
                                  double larghezza, double altezza) {
    if (!Pronta())
        return;
    // A picture's own size: its logical pixels at 15 twips each.
    const QSizeF propria = superficie.Misura() * (TwipsPerPixel / TwipsPerPollice);
    const QRectF rettangolo(
        sinistra * puntiPerUnitaX, alto * puntiPerUnitaY,
        larghezza > 0 ? larghezza * puntiPerUnitaX : propria.width() * pittore.device()->logicalDpiX(),
        altezza > 0 ? altezza * puntiPerUnitaY : propria.height() * pittore.device()->logicalDpiY());
    superficie.DisegnaIn(pittore, rettangolo);
}

void PaginaStampa::Fine() {
    if (Pronta())
        pittore.end();
}
