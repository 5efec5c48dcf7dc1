// The speed graph's frame: its face, the names of its axes and what its parts need, laid out by the
// one layout of a plot's frame (DisponiCornice.cpp).

#include "DisposizioneInterna.h"
#include "Grafico.h"
#include "MisureCornice.h"
#include "MisureProgetto.h"
#include "NumeriRegionali.h"
#include "PartiCornice.h"
#include "RegoleCornice.h"
#include "VistaMoto.h"
#include "XYPoli.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

const QString FraseNonDisegnabile = QStringLiteral(
    "Impossibile disegnare il moto a questa scala: i tempi o le velocità sono troppo grandi o troppo "
    "piccoli per il grafico.");

QString NomeVelocita() {
    return QStringLiteral("V(t) [m/sec]");
}
QString NomeTempo() {
    return QStringLiteral("t [sec]");
}

const std::vector<CurvaDettaglio>& DatiGrafico::Dettagli() const {
    if (!curve)
        curve = std::make_shared<const std::vector<CurvaDettaglio>>(CurveDettaglio(moto, asse));
    return *curve;
}

QFont CarattereGrafico() {
    QFont carattere = QApplication::font();
    carattere.setPointSizeF(8);
    carattere.setPixelSize(QFontInfo(carattere).pixelSize());
    return carattere;
}

namespace {

// Pixels the speed strip needs for the view's labels.
double EtichetteVelocita(const DatiGrafico& dati, const QFontMetricsF& metrica) {
    const Grafico& G = dati.vista;
    double necessaria = 0;
    const auto velocita = VelocitaEtichette(G.ValoreMinimoY, G.ValoreMassimoY);
    for (float v : velocita)
        if (std::isfinite(v))
            necessaria =
                std::max(necessaria, metrica.horizontalAdvance(TestoSingolo(v)) + Cornice::SpazioTesto);
    // Round steps in their place: as wide as the widest of the view's ends on a fine step.
    const double ampiezza = double(G.BordoSuperiore) - G.BordoInferiore;
    if (VelocitaIndistinte(velocita) && std::isfinite(ampiezza) && ampiezza > 0) {
        const double passo = std::pow(10.0, std::floor(std::log10(ampiezza / 10)));
        for (double v : {double(G.BordoInferiore), double(G.BordoSuperiore)})
            necessaria = std::max(
                necessaria, metrica.horizontalAdvance(TestoPasso(std::trunc(v / passo) * passo, passo)) +
                                Cornice::SpazioTesto);
    }
    return std::ceil(necessaria);
}

} // namespace

PartiCornice PartiGrafico(const DatiGrafico& dati, const QFont& carattere) {
    const QFontMetricsF metrica(carattere);
    PartiCornice parti{NomeVelocita(), NomeTempo(), EtichetteVelocita(dati, metrica), {}};
    if (!dati.vista.Particolari())
        return parti;
    for (const CurvaDettaglio& curva : dati.Dettagli()) {
        double etichette = 0;
        for (const EtichettaAsse& e :
             ValoriDettaglio(curva, dati.vista.BordoInferiore, dati.vista.BordoSuperiore))
            etichette = std::max(etichette, Cornice::RientroEtichetta + metrica.horizontalAdvance(e.testo) +
                                                Cornice::SpazioTesto);
        parti.assi.push_back({curva.nome, curva.colore, std::ceil(etichette)});
    }
    return parti;
}

CorniceGrafico DisponiCornice(const DatiGrafico& dati, const RegoleCornice& regole) {
    return DisponiCornice(PartiGrafico(dati, regole.carattere), regole);
}

CorniceGrafico CorniceSuMisura(const DatiGrafico& dati, const QRectF& spazio, const QFont& carattere) {
    return DisponiCornice(dati, RegoleSuMisura(spazio, carattere));
}
