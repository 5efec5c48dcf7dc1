#include "VistaMoto.h"

#include "Grafico.h"
#include "XYPoli.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

float Scala(float lunghezza, double minimo, double massimo) {
    return static_cast<float>((lunghezza - 10 - 10) / (std::abs(minimo) + massimo));
}

// The view from t0 to t1 and v0 to v1 as a zoomed view, if it can be drawn; else G stays.
bool ImpostaZoom(Grafico& G, double t0, double t1, double v0, double v1) {
    Grafico prova = G;
    prova.ValoreMinimoX = t0;
    prova.ValoreMassimoX = t1;
    prova.ValoreMinimoY = v0;
    prova.ValoreMassimoY = v1;
    prova.ScalaX = Scala(G.LunghezzaX, t0, t1);
    prova.ScalaY = Scala(G.LunghezzaY, v0, v1);
    prova.GraficoZoomato = true;
    CalcolaBordi(prova);
    // Edges a few single-precision steps apart would draw a staircase, not a curve.
    const float passi = 64 * std::numeric_limits<float>::epsilon();
    const float larghezza = prova.BordoDestro - prova.BordoSinistro;
    if (!VistaDisegnabile(prova) ||
        !(larghezza > passi * std::max(std::abs(prova.BordoSinistro), std::abs(prova.BordoDestro))))
        return false;
    G = prova;
    return true;
}

} // namespace

void CalcolaVistaIntera(Grafico& G, const XYPoli& Punti) {
    G.ValoreMassimoX = G.ValoreMinimoX = Punti.X(0);
    G.ValoreMassimoY = G.ValoreMinimoY = Punti.Y(0);
    for (const XYPoli::Punto& p : Punti.Punti()) {
        G.ValoreMassimoX = std::max(G.ValoreMassimoX, p.x);
        G.ValoreMassimoY = std::max(G.ValoreMassimoY, p.y);
        G.ValoreMinimoX = std::min(G.ValoreMinimoX, p.x);
        G.ValoreMinimoY = std::min(G.ValoreMinimoY, p.y);
    }
    if (G.ValoreMassimoX == 0)
        G.ValoreMassimoX = 10;
    // A curve below the axis keeps 0 on top: a range up to 10 would squash it into a line.
    if (G.ValoreMassimoY == 0 && !(G.ValoreMinimoY < 0))
        G.ValoreMassimoY = 10;
    G.ScalaX = Scala(G.LunghezzaX, G.ValoreMinimoX, G.ValoreMassimoX);
    G.ScalaY = Scala(G.LunghezzaY, G.ValoreMinimoY, G.ValoreMassimoY);
    G.GraficoZoomato = false;
    CalcolaBordi(G);
}

bool CalcolaVistaZoom(Grafico& G, double x1, double y1, double x2, double y2) {
    if (x1 == x2 || y1 == y2)
        return false;
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    G.ValoreMinimoX = x1 / G.ScalaX;
    G.ValoreMassimoX = x2 / G.ScalaX;
    G.ValoreMinimoY = y1 / G.ScalaY;
    G.ValoreMassimoY = y2 / G.ScalaY;
    G.ScalaX = Scala(G.LunghezzaX, G.ValoreMinimoX, G.ValoreMassimoX);
    G.ScalaY = Scala(G.LunghezzaY, G.ValoreMinimoY, G.ValoreMassimoY);
    G.GraficoZoomato = true;
    CalcolaBordi(G);
    return true;
}

void CalcolaBordi(Grafico& G) {
    const auto ampiezzaX = static_cast<float>(G.ValoreMassimoX - G.ValoreMinimoX);
    const auto ampiezzaY = static_cast<float>(G.ValoreMassimoY - G.ValoreMinimoY);
    G.MargineX = G.GraficoZoomato ? 0 : ampiezzaX / 20;
    G.MargineY = G.GraficoZoomato ? 0 : ampiezzaY / 20;
    G.BordoSinistro = static_cast<float>(G.ValoreMinimoX - G.MargineX);
    G.BordoSuperiore = static_cast<float>(G.ValoreMassimoY + G.MargineY);
    G.BordoDestro = static_cast<float>(G.ValoreMassimoX + G.MargineX);
    G.BordoInferiore = static_cast<float>(G.ValoreMinimoY - G.MargineY);
}

bool VistaDisegnabile(const Grafico& G) {
    const float sinistra = G.ScalaX * G.BordoSinistro, destra = G.ScalaX * G.BordoDestro;
    const float alto = G.ScalaY * G.BordoSuperiore, basso = G.ScalaY * G.BordoInferiore;
    for (float v : {G.ScalaX, G.ScalaY, sinistra, destra, alto, basso})
        if (!std::isfinite(v))
            return false;
    // Scales of 0 or beyond single precision leave edges that are not apart.
    return G.ScalaX > 0 && G.ScalaY > 0 && sinistra < destra && basso < alto;
}

bool ZoomTempi(Grafico& G, double centro, double fattore) {
    const double da = G.BordoSinistro, a = G.BordoDestro;
    if (!(fattore > 0) || !std::isfinite(centro))
        return false;
    return ImpostaZoom(G, centro - (centro - da) * fattore, centro + (a - centro) * fattore, G.BordoInferiore,
                       G.BordoSuperiore);
}

bool SpostaTempi(Grafico& G, double secondi) {
    if (!std::isfinite(secondi) || secondi == 0)
        return false;
    return ImpostaZoom(G, G.BordoSinistro + secondi, G.BordoDestro + secondi, G.BordoInferiore,
                       G.BordoSuperiore);
}
