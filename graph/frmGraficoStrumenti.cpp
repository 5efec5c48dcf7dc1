// The tools of the graph window: collimator, zoom rectangle and two-point difference, with their
// readouts and the pressed state of their buttons.

#include "Grafico.h"
#include "LeggeMoto.h"
#include "NumeriRegionali.h"
#include "XYPoli.h"
#include "frmGrafico.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {
void Scrivi(QLineEdit* casella, double valore) {
    const QString testo = TestoArrotondato(valore, 3);
    if (casella->text() != testo) // an unchanged box is not repainted
        casella->setText(testo);
}
} // namespace

void frmGrafico::AttivaStrumento(const QString& nome) {
    Grafico& G = GraficoCorrente;
    if (nome != QLatin1String("Collimatore"))
        G.Collimatore = false;
    if (nome != QLatin1String("CollimatoreDifferenza"))
        G.CollimatoreDifferenza = false;
    if (nome != QLatin1String("ZoomRettangolo"))
        G.ZoomRettangolo = false;
    passo = 0;
}

void frmGrafico::CommutaCollimatore() {
    GraficoCorrente.Collimatore = !GraficoCorrente.Collimatore;
}

void frmGrafico::CommutaDifferenza() {
    if (GraficoCorrente.CollimatoreDifferenza) {
        GraficoCorrente.CollimatoreDifferenza = false;
        return;
    }
    MostraDifferenza(true);
    GraficoCorrente.CollimatoreDifferenza = true;
    for (const Lettura* l : {&diffX1, &diffY1, &diffX2, &diffY2, &diffX, &diffY, &diffS})
        l->casella->setText(QStringLiteral("0"));
    tempo1 = tempo2 = 0;
}

void frmGrafico::MostraDifferenza(bool mostra) {
    shape2->setVisible(mostra);
    for (const Lettura* l : {&diffX1, &diffY1, &diffX2, &diffY2, &diffX, &diffY, &diffS}) {
        const bool visibile = mostra && (l != &diffS || Particolari());
        l->etichetta->setVisible(visibile);
        l->casella->setVisible(visibile);
    }
}

// A vertical line at xVerticale from the bottom to the top edge, a horizontal one at the speed from
// the left to the right edge.
void frmGrafico::Croce(double xVerticale, double velocita) {
    const Grafico& G = GraficoCorrente;
    picture1->Linea(xVerticale, G.ScalaY * G.BordoInferiore, xVerticale, G.ScalaY * G.BordoSuperiore);
    picture1->Linea(G.ScalaX * G.BordoSinistro, G.ScalaY * velocita, G.ScalaX * G.BordoDestro,
                    G.ScalaY * velocita);
}

void frmGrafico::Picture1_MouseMove(double X, double Y) {
    const Grafico& G = GraficoCorrente;
    double t = X / G.ScalaX;
    double v = Y / G.ScalaY;
    if (G.Collimatore) {
        picture1->Cancella();
        double campione = t;
        v = PuntiGrafico.YsuX(campione);
        Croce(X, v);
    } else if (passo == 2 && G.ZoomRettangolo) {
        picture1->Cancella();
        picture1->Rettangolo(x1, y1, X, Y);
    } else if (G.CollimatoreDifferenza) {
        picture1->Cancella();
        if (passo == 1) {
            v = PuntiGrafico.YsuX(t); // the first point snaps to a sample
            tempo1 = t;
            Scrivi(diffX1.casella, t);
            Scrivi(diffY1.casella, v);
            picture1->ImpostaColore(Qt::red);
            Croce(G.ScalaX * t, v);
        } else if (passo == 2) {
            double campione = t;
            v = PuntiGrafico.YsuX(campione);
            tempo2 = t;
            Scrivi(diffX2.casella, t);
            Scrivi(diffY2.casella, v);
            picture1->ImpostaColore(Qt::green);
            Croce(X, v);
        }
        AggiornaDifferenze();
    }
    Scrivi(text1.casella, t);
    Scrivi(text2.casella, v);
    if (Particolari()) { // exact at the cursor's time, from the closed form
        const LeggeMoto legge(Moto);
        Scrivi(text3.casella, legge.Posizione(t));
        Scrivi(text4.casella, legge.Accelerazione(t));
    }
}

void frmGrafico::AggiornaDifferenze() {
    auto differenza = [](const Lettura& primo, const Lettura& secondo) {
        const auto a = LeggiValore(primo.casella->text());
        const auto b = LeggiValore(secondo.casella->text());
        return a && b ? TestoValore(*b - *a) : QString();
    };
    diffX.casella->setText(differenza(diffX1, diffX2));
    diffY.casella->setText(differenza(diffY1, diffY2));
    if (Particolari()) // the distance travelled between the two times, exact
        Scrivi(diffS.casella, LeggeMoto(Moto).Spazio(tempo1, tempo2));
}

void frmGrafico::Picture1_MouseDown(Qt::MouseButton pulsante, double X, double Y) {
    Grafico& G = GraficoCorrente;
    if (pulsante != Qt::LeftButton)
        return;
    if (G.ZoomRettangolo) {
        if (passo == 1) {
            x1 = x2 = X;
            y1 = y2 = Y;
            picture1->Rettangolo(x1, y1, x2, y2);
            passo = 2;
        } else if (passo == 2) {
            x2 = X;
            y2 = Y;
            picture1->Rettangolo(x1, y1, x2, y2);
            passo = 0;
            G.ZoomRettangolo = false;
            EseguiZoom();
        }
    } else if (G.CollimatoreDifferenza) {
        if (passo == 1) {
            picture1->RendiPersistente(); // the red cross of point 1 stays
            passo = 2;
        } else if (passo == 2) {
            passo = 0;
            picture1->RendiPersistente();
            G.CollimatoreDifferenza = false;
            picture1->ImpostaColore(Qt::black);
        }
    }
    MostraStatoStrumenti();
}

void frmGrafico::SvuotaLetture(bool differenze) {
    for (const Lettura* l :
         {&text1, &text2, &text3, &text4, &diffX1, &diffY1, &diffX2, &diffY2, &diffX, &diffY, &diffS})
        if (differenze || l == &text1 || l == &text2 || l == &text3 || l == &text4)
            l->casella->clear();
}

void frmGrafico::MostraStatoStrumenti() {
    const Grafico& G = GraficoCorrente;
    Pulsante(QStringLiteral("Tracciatore"))->setChecked(G.Collimatore);
    Pulsante(QStringLiteral("Differenza"))->setChecked(G.CollimatoreDifferenza);
    Pulsante(QStringLiteral("Griglia"))->setChecked(G.StatoDisegniGrafico & Grafico::BitGriglia);
    Pulsante(QStringLiteral("AggiungiParticolari"))->setChecked(Particolari());
}
