#include "Collocazione.h"

#include "Impostazioni.h"
#include "Twips.h"

#include <algorithm>
#include <array>

namespace {
// Enough of a window to grab it and drag it back.
constexpr int LarghezzaVisibile = 100;
constexpr int AltezzaVisibile = 50;
constexpr double LimiteTwips = 1e7;

// Far beyond any screen, yet safe to convert to int.
int PxLimitato(double twips) {
    return Px(std::clamp(twips, -LimiteTwips, LimiteTwips));
}

qint64 Area(const QRect& r) {
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

qint64 Distanza(const QRect& a, const QRect& b) {
    const QPoint d = a.center() - b.center();
    return qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
}

// The screen holding most of the window; with none, the nearest.
QRect SchermoDi(const QRect& finestra, const QList<QRect>& schermi) {
    return *std::min_element(schermi.begin(), schermi.end(), [&](const QRect& a, const QRect& b) {
        const qint64 areaA = Area(a & finestra), areaB = Area(b & finestra);
        if (areaA != areaB)
            return areaA > areaB;
        return Distanza(a, finestra) < Distanza(b, finestra);
    });
}

bool Visibile(const QRect& finestra, const QRect& schermo) {
    const QRect comune = finestra & schermo;
    return comune.width() >= std::min(finestra.width(), LarghezzaVisibile) &&
           comune.height() >= std::min(finestra.height(), AltezzaVisibile);
}
} // namespace

QRect InPixel(const QRectF& twips) {
    return {PxLimitato(twips.x()), PxLimitato(twips.y()), PxLimitato(twips.width()),
            PxLimitato(twips.height())};
}

QRectF InTwips(const QRect& pixel, const QRectF& letta) {
    const std::array<int, 4> px = {pixel.x(), pixel.y(), pixel.width(), pixel.height()};
    const std::array<double, 4> tw = {letta.x(), letta.y(), letta.width(), letta.height()};
    std::array<double, 4> risultato{};
    for (size_t i = 0; i < px.size(); ++i)
        risultato[i] = PxLimitato(tw[i]) == px[i] ? tw[i] : Twips(px[i]);
    return {risultato[0], risultato[1], risultato[2], risultato[3]};
}

QRectF SuGliSchermi(const QRectF& twips, const QList<QRect>& schermi) {
    const QRect finestra = InPixel(twips);
    if (schermi.isEmpty() ||
        std::any_of(schermi.begin(), schermi.end(), [&](const QRect& s) { return s.intersects(finestra); }))
        return twips;
    return QRectF(Impostazioni::CollocazionePredefinita.topLeft(), twips.size());
}

QRect SuUnoSchermo(const QRect& finestra, const QList<QRect>& schermi) {
    if (schermi.isEmpty())
        return finestra;
    const QRect schermo = SchermoDi(finestra, schermi);
    const QSize misura = finestra.size().boundedTo(schermo.size()).expandedTo(QSize(1, 1));
    QRect risultato(finestra.topLeft(), misura);
    if (misura != finestra.size() || !Visibile(risultato, schermo)) {
        risultato.moveLeft(std::clamp(risultato.x(), schermo.left(), schermo.right() - misura.width() + 1));
        risultato.moveTop(std::clamp(risultato.y(), schermo.top(), schermo.bottom() - misura.height() + 1));
    }
    return risultato;
}
