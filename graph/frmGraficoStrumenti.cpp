// The view of the graph window and its tools: clearing, the full and the zoomed view, the wheel and
// the pan; the collimator, the zoom rectangle and the two-point difference with their readouts and the
// pressed state of their buttons.

#include "Grafico.h"
#include "LeggeMoto.h"
#include "NumeriRegionali.h"
#include "PianoGrafico.h"
#include "VistaMoto.h"
#include "XYPoli.h"
#include "frmGrafico.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <tuple>

void frmGrafico::PulisciGrafico(bool primaDiUnDisegno) {
    piano->AbilitaMouse(false);
    segniFissi.clear();
    vistaDisegnata = false;
    // A drawing sets the buttons and the picture when it ends: blanking them first would only repaint.
    if (!primaDiUnDisegno) {
        vuoto = true;
        QFont carattere = font();
        carattere.setPixelSize(QFontInfo(font()).pixelSize());
        piano->Mostra(DisponiGrafico(Dati(), cornice, carattere));
        AbilitaPulsanti(false, false);
    }
    SvuotaLetture(false); // no readout outlives the graph it measured
}

// The buttons that need a graph on screen.
void frmGrafico::AbilitaPulsanti(bool grafico, bool zoom) {
    Azione(ComandoGrafico::Tracciatore)->setEnabled(grafico);
    Azione(ComandoGrafico::ZoomArea)->setEnabled(zoom);
    Azione(ComandoGrafico::Cancella)->setEnabled(grafico);
}

// The current view laid out in the window's frame and shown; the difference's kept crosses come back
// on it when asked.
void frmGrafico::MostraVista(bool tieniSegni) {
    vuoto = false;
    const DatiGrafico dati = Dati(); // its details curves made once, for the frame and the picture
    Disponi(dati);                   // the strips follow the view's labels
    QFont carattere = font();
    carattere.setPixelSize(QFontInfo(font()).pixelSize());
    DisposizioneGrafico d = DisponiGrafico(dati, cornice, carattere);
    // What the axes read, for a screen reader.
    QStringList assi;
    for (const auto& [ruolo, nome] :
         {std::pair{RuoloTesto::Tempo, "Tempi"}, std::pair{RuoloTesto::Velocita, "Velocità"}}) {
        QStringList testi;
        for (const TestoGrafico& t : d.Testi(ruolo))
            testi << t.testo;
        assi << QString::fromUtf8(nome) + QStringLiteral(": ") + testi.join(QStringLiteral("; "));
    }
    piano->setAccessibleDescription(assi.join(QStringLiteral(". ")));
    piano->Mostra(std::move(d));
    if (!tieniSegni) {
        segniFissi.clear();
        return;
    }
    std::vector<SegnoStrumento> segni;
    for (const SegnoStrumento& s : segniFissi)
        segni.push_back(Croce(GraficoCorrente.ScalaX * s.a.x(), s.a.y(), s.colore));
    piano->ImpostaSegni(std::move(segni));
    piano->RendiPersistenti();
}

void frmGrafico::DisegnaGrafico() {
    MostraDifferenza(false);
    CalcolaVistaIntera(GraficoCorrente, PuntiGrafico);
    PulisciGrafico(true);
    MostraVista();
    FineDisegno(piano->Disposizione().disegnata, true);
}

void frmGrafico::EseguiZoom() {
    if (!CalcolaVistaZoom(GraficoCorrente, x1, y1, x2, y2)) {
        piano->CancellaSegni(); // a rectangle without area: the view stays
        return;
    }
    MostraDifferenza(false);
    PulisciGrafico(true);
    MostraVista();
    FineDisegno(piano->Disposizione().disegnata, false);
}

// The drawing becomes the background the tools draw over; the tools come alive when it shows a graph.
void frmGrafico::FineDisegno(bool disegnata, bool zoomPossibile) {
    AbilitaPulsanti(disegnata, disegnata && zoomPossibile);
    Azione(ComandoGrafico::Cancella)->setEnabled(true);
    piano->AbilitaMouse(disegnata);
    vistaDisegnata = disegnata;
    daRidisegnare = false;
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

// The wheel and the pan change the time axis of the view as it is: tools, readouts and the
// difference's crosses stay; a zoom box being drawn keeps its first corner where it was in time and
// speed.
template <typename Cambio> void frmGrafico::CambiaTempi(Cambio cambia) {
    Grafico& G = GraficoCorrente;
    const float scalaX = G.ScalaX, scalaY = G.ScalaY;
    if (!cambia(G))
        return;
    x1 = x1 / scalaX * G.ScalaX;
    y1 = y1 / scalaY * G.ScalaY;
    MostraVista(true);
    FineDisegno(piano->Disposizione().disegnata, false);
}

void frmGrafico::Rotella(double tempo, double scatti) {
    CambiaTempi([&](Grafico& G) { return ZoomTempi(G, tempo, std::pow(0.8, scatti)); });
}

void frmGrafico::Spostamento(double secondi) {
    CambiaTempi([&](Grafico& G) { return SpostaTempi(G, secondi); });
}

void frmGrafico::AttivaStrumento(Strumento tenuto) {
    Grafico& G = GraficoCorrente;
    if (tenuto != Strumento::Collimatore)
        G.Collimatore = false;
    if (tenuto != Strumento::CollimatoreDifferenza)
        G.CollimatoreDifferenza = false;
    if (tenuto != Strumento::ZoomRettangolo)
        G.ZoomRettangolo = false;
    passo = Passo::Inattivo;
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
        Scrivi(*l, 0);
    tempo1 = tempo2 = 0;
}

void frmGrafico::MostraDifferenza(bool mostra) {
    riquadroDifferenza->setVisible(mostra);
    for (const Lettura* l : {&diffX1, &diffY1, &diffX2, &diffY2, &diffX, &diffY, &diffS}) {
        const bool visibile = mostra && (l != &diffS || Particolari());
        l->etichetta->setVisible(visibile);
        l->casella->setVisible(visibile);
    }
    const DatiGrafico dati = Dati();
    const std::vector<CurvaDettaglio>& curve = dati.Dettagli();
    for (size_t i = 0; i < lettureDettagli.size(); ++i) {
        const Lettura& l = lettureDettagli[i];
        if (i < curve.size()) { // the sizing's reads C, or F for a direct drive
            l.etichetta->setText(curve[i].sigla);
            l.casella->setAccessibleName(curve[i].sigla);
        }
        l.etichetta->setVisible(Particolari() && i < curve.size());
        l.casella->setVisible(Particolari() && i < curve.size());
    }
    // Below the plot, a group shown or hidden changes the plot's room: the view is laid out again.
    if (Disponi(dati) && vistaDisegnata)
        MostraVista(true);
}

// A vertical line at xVerticale (graph units) from the bottom to the top edge, a horizontal one at the
// speed from the left to the right edge.
SegnoStrumento frmGrafico::Croce(double xVerticale, double velocita, QColor colore) const {
    return {SegnoStrumento::Croce, QPointF(xVerticale, velocita), {}, colore};
}

// A readout: the described ones rounded to 3 decimals, the details' to 5 significant digits; the whole
// value in its tooltip and its accessible description.
void frmGrafico::Scrivi(const Lettura& lettura, double valore, bool particolare) {
    const QString testo = particolare ? TestoParticolare(valore) : TestoArrotondato(valore, 3);
    if (lettura.casella->text() != testo) // an unchanged box is not repainted
        lettura.casella->setText(testo);
    const QString intero = TestoValore(valore);
    if (lettura.casella->toolTip() != intero) {
        lettura.casella->setToolTip(intero);
        lettura.casella->setAccessibleDescription(intero);
    }
}

void frmGrafico::MouseMosso(double X, double Y) {
    const Grafico& G = GraficoCorrente;
    double t = X / G.ScalaX;
    double v = Y / G.ScalaY;
    // The speed read is the drawn curve's at the mouse's time: the phase corners are samples, so it is
    // the motion's own, however far apart the samples are.
    if (G.Collimatore) {
        v = PuntiGrafico.YSullaLinea(t);
        piano->ImpostaSegni({Croce(X, v, Qt::black)});
    } else if (passo == Passo::SecondoClic && G.ZoomRettangolo) {
        piano->ImpostaSegni({{SegnoStrumento::Rettangolo, QPointF(x1, y1), QPointF(X, Y), Qt::black}});
    } else if (G.CollimatoreDifferenza) {
        if (passo == Passo::PrimoClic) {
            v = PuntiGrafico.YsuX(t); // the first point snaps to a sample
            tempo1 = t;
            Scrivi(diffX1, t);
            Scrivi(diffY1, v);
            piano->ImpostaSegni({Croce(G.ScalaX * t, v, Qt::red)});
        } else if (passo == Passo::SecondoClic) {
            v = PuntiGrafico.YSullaLinea(t);
            tempo2 = t;
            Scrivi(diffX2, t);
            Scrivi(diffY2, v);
            piano->ImpostaSegni({Croce(X, v, Qt::green)});
        }
        AggiornaDifferenze();
    }
    Scrivi(letturaX, t);
    Scrivi(letturaY, v);
    if (Particolari()) { // exact at the cursor's time, from the closed form
        const std::vector<AsseDettaglio>& assi = piano->Disposizione().dettagli;
        for (size_t i = 0; i < assi.size() && i < lettureDettagli.size(); ++i)
            if (assi[i].curva.valore)
                Scrivi(lettureDettagli[i], assi[i].curva.valore(t), true);
    }
}

void frmGrafico::AggiornaDifferenze() {
    auto differenza = [](const Lettura& primo, const Lettura& secondo) {
        const auto a = LeggiValore(primo.casella->text());
        const auto b = LeggiValore(secondo.casella->text());
        return a && b ? TestoValore(*b - *a) : QString();
    };
    for (const auto& [d, primo, secondo] :
         {std::tuple{&diffX, &diffX1, &diffX2}, std::tuple{&diffY, &diffY1, &diffY2}}) {
        d->casella->setText(differenza(*primo, *secondo));
        // The whole difference of the two values, not of their rounded texts.
        const auto a = LeggiValore(primo->casella->toolTip()), b = LeggiValore(secondo->casella->toolTip());
        const QString intero = a && b ? TestoValore(*b - *a) : d->casella->text();
        d->casella->setToolTip(intero);
        d->casella->setAccessibleDescription(intero);
    }
    if (Particolari()) // the distance travelled between the two times, exact
        Scrivi(diffS, LeggeMoto(Moto).Spazio(tempo1, tempo2), true);
}

void frmGrafico::MousePremuto(Qt::MouseButton pulsante, double X, double Y) {
    Grafico& G = GraficoCorrente;
    if (pulsante != Qt::LeftButton)
        return;
    if (G.ZoomRettangolo) {
        if (passo == Passo::PrimoClic) {
            x1 = x2 = X;
            y1 = y2 = Y;
            piano->ImpostaSegni({{SegnoStrumento::Rettangolo, QPointF(x1, y1), QPointF(x2, y2), Qt::black}});
            passo = Passo::SecondoClic;
        } else if (passo == Passo::SecondoClic) {
            x2 = X;
            y2 = Y;
            piano->ImpostaSegni({{SegnoStrumento::Rettangolo, QPointF(x1, y1), QPointF(x2, y2), Qt::black}});
            passo = Passo::Inattivo;
            G.ZoomRettangolo = false;
            EseguiZoom();
        }
    } else if (G.CollimatoreDifferenza && passo != Passo::Inattivo) {
        // The cross of this point stays, in seconds and m/sec, through a wheel zoom or a pan.
        const bool primo = passo == Passo::PrimoClic;
        const auto v = LeggiValore((primo ? diffY1 : diffY2).casella->toolTip());
        segniFissi.push_back({SegnoStrumento::Croce,
                              QPointF(primo ? tempo1 : tempo2, v.value_or(0)),
                              {},
                              primo ? QColor(Qt::red) : QColor(Qt::green)});
        piano->RendiPersistenti();
        passo = primo ? Passo::SecondoClic : Passo::Inattivo;
        if (!primo)
            G.CollimatoreDifferenza = false;
    }
    MostraStatoStrumenti();
}

void frmGrafico::SvuotaLetture(bool differenze) {
    std::vector<const Lettura*> letture{&letturaX, &letturaY};
    for (const Lettura& l : lettureDettagli)
        letture.push_back(&l);
    if (differenze)
        letture.insert(letture.end(), {&diffX1, &diffY1, &diffX2, &diffY2, &diffX, &diffY, &diffS});
    for (const Lettura* l : letture) {
        l->casella->clear();
        l->casella->setToolTip({});
        l->casella->setAccessibleDescription({});
    }
}

void frmGrafico::MostraStatoStrumenti() {
    const Grafico& G = GraficoCorrente;
    Azione(ComandoGrafico::Tracciatore)->setChecked(G.Collimatore);
    Azione(ComandoGrafico::Differenza)->setChecked(G.CollimatoreDifferenza);
    Azione(ComandoGrafico::Griglia)->setChecked(G.Griglia());
    Azione(ComandoGrafico::AggiungiParticolari)->setChecked(G.Particolari());
    // Shift and the left button pan only where no tool takes the left button.
    piano->ConsentiSpostamentoSinistro(!G.Collimatore && !G.ZoomRettangolo && !G.CollimatoreDifferenza);
}
