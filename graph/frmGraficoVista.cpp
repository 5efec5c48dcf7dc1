// The view of the graph window: clearing, scales and axes, the full and the zoomed view.

#include "Grafico.h"
#include "NumeriRegionali.h"
#include "Twips.h"
#include "XYPoli.h"
#include "frmGrafico.h"

#include <QAction>
#include <QLabel>
#include <algorithm>
#include <cmath>

void frmGrafico::PulisciGrafico(bool primaDiUnDisegno) {
    picture1->AbilitaMouse(false);
    for (SuperficieDisegno* s : {picture1, pictValX, pictValY, pictValS, pictValA})
        s->RimuoviSfondo();
    picture1->ImpostaColore(Qt::black);
    // A drawing sets the buttons when it ends: switching them off and on again would only repaint them.
    if (!primaDiUnDisegno)
        AbilitaPulsanti(false, false);
    vistaDisegnata = false;
    SvuotaLetture(false); // no readout outlives the graph it measured
}

// The buttons that need a graph on screen.
void frmGrafico::AbilitaPulsanti(bool grafico, bool zoom) {
    Pulsante(QStringLiteral("Tracciatore"))->setEnabled(grafico);
    Pulsante(QStringLiteral("ZoomArea"))->setEnabled(zoom);
    Pulsante(QStringLiteral("Cancella"))->setEnabled(grafico);
}

// False, with the reason shown on the plot, when the view's scales cannot be drawn.
bool frmGrafico::ImpostaScale() {
    CalcolaBordi(GraficoCorrente);
    if (!ImpostaCoordinate(Superfici(), GraficoCorrente) ||
        (Particolari() && !ImpostaCoordinateParticolari(SuperficiDettagli(), GraficoCorrente))) {
        picture1->Avviso(FraseNonDisegnabile);
        return false;
    }
    DisegnaAssi();
    return true;
}

void frmGrafico::DisegnaAssi() {
    const Grafico& G = GraficoCorrente;
    picture1->ImpostaSpessore(1);
    picture1->ImpostaTratteggio(false);
    picture1->Linea(G.ScalaX * G.BordoSinistro, 0, G.ScalaX * G.BordoDestro, 0);
    picture1->Linea(0, G.ScalaY * G.BordoInferiore, 0, G.ScalaY * G.BordoSuperiore);
}

void frmGrafico::DisegnaGrafico() {
    Grafico& G = GraficoCorrente;
    MostraDifferenza(false);
    CalcolaVistaIntera(G, PuntiGrafico);
    AdattaStrisce();
    PulisciGrafico(true);
    const bool disegnata = ImpostaScale();
    if (disegnata && Particolari()) // under the speed, which stays on top
        DisegnaParticolari(SuperficiDettagli(), G, Moto);
    if (disegnata)
        DisegnaCurva(Superfici(), PuntiGrafico, G, Moto, G.ValoreMinimoX - G.MargineX,
                     G.ValoreMassimoX + G.MargineX, G.ValoreMinimoY, G.ValoreMassimoY);
    FineDisegno(disegnata, true);
}

void frmGrafico::EseguiZoom() {
    Grafico& G = GraficoCorrente;
    if (!CalcolaVistaZoom(G, x1, y1, x2, y2)) {
        picture1->Cancella(); // a rectangle without area: the view stays
        return;
    }
    MostraDifferenza(false);
    AdattaStrisce();
    PulisciGrafico(true);
    const bool disegnata = ImpostaScale();
    if (disegnata && Particolari())
        DisegnaParticolari(SuperficiDettagli(), G, Moto);
    if (disegnata)
        DisegnaCurva(Superfici(), PuntiGrafico, G, Moto, G.ValoreMinimoX, G.ValoreMassimoX, G.ValoreMinimoY,
                     G.ValoreMassimoY);
    FineDisegno(disegnata, false);
}

// The drawing becomes the background the tools draw over; the tools come alive when it shows a graph.
void frmGrafico::FineDisegno(bool disegnata, bool zoomPossibile) {
    for (SuperficieDisegno* s : {picture1, pictValX, pictValY, pictValS, pictValA})
        s->RendiPersistente();
    AbilitaPulsanti(disegnata, disegnata && zoomPossibile);
    Pulsante(QStringLiteral("Cancella"))->setEnabled(true);
    picture1->AbilitaMouse(disegnata);
    vistaDisegnata = disegnata;
    daRidisegnare = false;
    emit VistaDisegnata();
}

void frmGrafico::RidisegnaVista() {
    const Grafico& G = GraficoCorrente;
    if (!G.GraficoZoomato) {
        DisegnaGrafico();
        return;
    }
    x1 = G.ScalaX * G.BordoSinistro;
    y1 = G.ScalaY * G.BordoSuperiore;
    x2 = G.ScalaX * G.BordoDestro;
    y2 = G.ScalaY * G.BordoInferiore;
    EseguiZoom();
}

// The speed strip is as designed, or wide enough for the widest of the view's speed labels; the
// details' strips likewise for their labels and the names above them.
void frmGrafico::AdattaStrisce() {
    const Grafico& G = GraficoCorrente;
    double necessaria = 0;
    for (float v : VelocitaEtichette(G.ValoreMinimoY, G.ValoreMassimoY))
        if (std::isfinite(v))
            necessaria = std::max(necessaria, pictValY->LarghezzaTesto(TestoSingolo(v)) + 2);
    const auto twips = [](double pixel) { return std::max(735.0, Twips(std::ceil(pixel))); };
    const double y = twips(necessaria);
    double s = larghezzaValS, a = larghezzaValA;
    if (Particolari()) {
        Grafico vista = G;
        CalcolaBordi(vista);
        const double da = vista.BordoInferiore, fino = vista.BordoSuperiore;
        s = twips(std::max<double>(LarghezzaEtichette(*pictValS, EtichettePosizione(Moto, da, fino)),
                                   label14->sizeHint().width() + 4));
        a = twips(std::max<double>(LarghezzaEtichette(*pictValA, EtichetteAccelerazione(Moto, da, fino)),
                                   label15->sizeHint().width() + 4));
    }
    if (y != larghezzaValY || s != larghezzaValS || a != larghezzaValA) {
        larghezzaValY = y;
        larghezzaValS = s;
        larghezzaValA = a;
        Disponi();
    }
}
