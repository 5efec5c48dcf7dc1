#include "Dettagli.h"

#include "DettagliAsse.h"
#include "LeggeMoto.h"
#include "NumeriRegionali.h"
#include "Velantra.h"

#include <cmath>
#include <memory>

QString TestoParticolare(double valore) {
    if (valore == 0 || !std::isfinite(valore))
        return TestoValore(valore);
    const int decimali = 4 - static_cast<int>(std::floor(std::log10(std::abs(valore))));
    if (decimali >= 0 && decimali <= 15)
        return TestoArrotondato(valore, decimali);
    const double potenza = std::pow(10.0, decimali), arrotondato = std::nearbyint(valore * potenza) / potenza;
    return TestoValore(std::isfinite(arrotondato) && arrotondato != 0 ? arrotondato : valore);
}

std::vector<CurvaDettaglio> CurveDettaglio(const Velantra& Moto, const DatiAsse* asse) {
    const auto legge = std::make_shared<LeggeMoto>(Moto);
    const double fine = legge->Durata(), corsa = legge->Corsa(), vm = Moto.Vm, t1 = Moto.T1,
                 t12 = Moto.T1 + Moto.T2;
    const double acc = fine > 0 ? legge->Accelerazione(0) : 0;
    // Nothing to draw unless the stroke, the speed and the acceleration are non-zero with one sign.
    if (!(fine > 0) || !(corsa * vm > 0) || !(acc * vm > 0))
        return {};

    CurvaDettaglio posizione;
    posizione.nome = QStringLiteral("s(t) [m]");
    posizione.sigla = QStringLiteral("s");
    posizione.colore = QColor(0, 80, 200);
    posizione.stile = Qt::DashLine;
    const auto s = [legge](double t) { return legge->Posizione(t); };
    posizione.valore = s;
    posizione.tratti = {{0, t1, s, std::abs(acc)}, {t1, t12, s, 0}, {t12, fine, s, std::abs(acc)}};
    posizione.banda = MappaScala(0, corsa, 0, vm);
    posizione.segnati = {corsa};
    posizione.tondi = true;

    CurvaDettaglio accelerazione;
    accelerazione.nome = QStringLiteral("a(t) [m/sec^2]");
    accelerazione.sigla = QStringLiteral("a");
    accelerazione.colore = QColor(190, 90, 0);
    accelerazione.stile = Qt::DotLine;
    accelerazione.valore = [legge](double t) { return legge->Accelerazione(t); };
    const auto costante = [](double v) { return [v](double) { return v; }; };
    // From rest to +A at the start, back to rest at the end.
    accelerazione.tratti = {{0, 0, costante(0)},
                            {0, t1, costante(acc)},
                            {t1, t12, costante(0)},
                            {t12, fine, costante(-acc)},
                            {fine, fine, costante(0)}};
    accelerazione.banda = MappaScala(-acc, acc, 0.1 * vm, 0.9 * vm);
    accelerazione.segnati = {acc, 0, -acc};
    std::vector<CurvaDettaglio> curve{posizione, accelerazione};
    if (const auto dimensionamento = asse ? CurvaAsse(Moto, *asse) : std::nullopt)
        curve.push_back(*dimensionamento);
    return curve;
}
