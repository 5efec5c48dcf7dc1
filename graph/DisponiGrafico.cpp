// What the graph draws in its frame: the scales, the axes, the speed curve, the value labels of time
// and speed, the grid; the details in DettagliGrafico.cpp.

#include "DisposizioneInterna.h"
#include "Grafico.h"
#include "MisureCornice.h"
#include "NumeriRegionali.h"
#include "Spezzata.h"
#include "TestiNumerici.h"
#include "Velantra.h"
#include "VistaMoto.h"
#include "XYPoli.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

float Arrotonda(double valore, int decimali) {
    return static_cast<float>(ArrotondaPari(valore, decimali));
}

struct TempoDescritto {
    float valore; // printed
    float x;      // graph units
    double tacca; // the phase time it labels
};

// The three phase-time labels. Two close labels lose precision to two decimals and are pushed
// apart: the closer they are, the further the middle one moves left and the less the last one does.
std::array<TempoDescritto, 3> TempiDescritti(const Grafico& G, const Velantra& Moto) {
    struct Fascia {
        float gapSotto;    // the gap lies between the previous band's value and this one (both excluded)
        float spostaMedio; // leftward shift of the T1 + T2 label
        float spostaUltimo;
    };
    static constexpr std::array<Fascia, 3> fasce{{{2, 3, 0}, {4, 2.5f, 0.5f}, {6, 2, 1}}};
    const float sx = G.ScalaX;
    const double t12 = Moto.T1 + Moto.T2, ttot = 2 * Moto.T1 + Moto.T2;
    const float primo = Arrotonda(Moto.T1, 4), medio = Arrotonda(t12, 4), ultimo = Arrotonda(ttot, 4);
    const TempoDescritto inizio{primo, sx * primo - 1, Moto.T1};
    if (G.GraficoZoomato)
        return {inizio, TempoDescritto{medio, sx * medio, t12}, TempoDescritto{ultimo, sx * ultimo, ttot}};
    const float gap = sx * ultimo - sx * medio;
    float sopra = -INFINITY;
    for (const Fascia& f : fasce) {
        if (gap > sopra && gap < f.gapSotto) {
            const float m = Arrotonda(t12, 2), u = Arrotonda(ttot, 2);
            return {inizio, TempoDescritto{m, sx * m - f.spostaMedio, t12},
                    TempoDescritto{u, sx * u - f.spostaUltimo, ttot}};
        }
        sopra = f.gapSotto;
    }
    return {inizio, TempoDescritto{medio, sx * medio - 1, t12},
            TempoDescritto{ultimo, sx * ultimo - 1, ttot}};
}

TestoGrafico Testo(const EtichettaAsse& e, RuoloTesto ruolo, size_t dopo) {
    TestoGrafico t{e.posto, e.testo, ruolo};
    t.valore = e.valore;
    t.dopoLinee = dopo;
    return t;
}

// The time labels on their strip; the values of those on round steps, which the grid marks too.
std::vector<double> DisponiTempi(DisposizioneGrafico& d, const DatiGrafico& dati,
                                 const QFontMetricsF& metrica) {
    PannelloGrafico& striscia = d.strisciaTempi;
    const QRectF& s = striscia.posto;
    const double alto = s.top() + 0.2 * s.height(); // 8 of 10 units from the bottom
    std::vector<EtichettaAsse> descritte;
    for (const TempoDescritto& t : TempiDescritti(dati.vista, dati.moto)) {
        const QString testo = TestoSingolo(t.valore);
        descritte.push_back(
            {t.tacca, testo,
             QRectF(d.InUnita(t.x, 0).x(), alto, metrica.horizontalAdvance(testo), metrica.height())});
    }
    AsseEtichette asse;
    asse.orizzontale = true;
    asse.mappa = d.AsseTempi();
    asse.striscia = s;
    asse.posa = [alto](double x, QSizeF m) { return QRectF(x - m.width() / 2, alto, m.width(), m.height()); };
    asse.minimo = MinimoTempi;
    std::vector<double> tondi;
    for (const EtichettaAsse& e : ScegliEtichette(asse, descritte, metrica)) {
        striscia.testi.push_back(Testo(e, RuoloTesto::Tempo, 0));
        if (std::none_of(descritte.begin(), descritte.end(),
                         [&](const EtichettaAsse& x) { return x.testo == e.testo; }))
            tondi.push_back(e.valore);
    }
    return tondi;
}

// The speed labels on their strip, 2 units above their speed in a full view; their values.
std::vector<double> DisponiVelocita(DisposizioneGrafico& d, const DatiGrafico& dati,
                                    const QFontMetricsF& metrica) {
    const Grafico& G = dati.vista;
    PannelloGrafico& striscia = d.strisciaVelocita;
    const float alzata = G.GraficoZoomato ? 0 : 2;
    const auto velocita = VelocitaEtichette(G.ValoreMinimoY, G.ValoreMassimoY);
    std::vector<EtichettaAsse> descritte;
    if (!VelocitaIndistinte(velocita))
        for (float v : velocita) {
            const QString testo = TestoSingolo(v);
            const double y = d.InUnita(0, double(G.ScalaY) * v + alzata).y();
            descritte.push_back(
                {v, testo,
                 QRectF(striscia.posto.left(), y, metrica.horizontalAdvance(testo), metrica.height())});
        }
    AsseEtichette asse;
    asse.orizzontale = false;
    asse.mappa = d.AsseVelocita();
    asse.striscia = striscia.posto;
    const double sopra = alzata * std::abs(d.mappaY.Passo()), sinistra = striscia.posto.left();
    asse.posa = [sopra, sinistra](double y, QSizeF m) {
        return QRectF(sinistra, y - sopra, m.width(), m.height());
    };
    std::vector<double> valori;
    for (const EtichettaAsse& e : ScegliEtichette(asse, descritte, metrica)) {
        striscia.testi.push_back(Testo(e, RuoloTesto::Velocita, 0));
        valori.push_back(e.valore);
    }
    return valori;
}

// The speed curve through the points with DaTempo < X < ATempo (every point when both are 0), and
// through the point just outside at either end, so that the segments crossing the view's edges are drawn
// up to them: a zoom between two samples draws its stretch of the curve too.
void DisponiCurva(DisposizioneGrafico& d, const XYPoli& Punti, double DaTempo, double ATempo) {
    Spezzata spezzata;
    const QRectF limite = LimitePiano(d.cornice.area);
    spezzata.Apri(limite);
    const double sx = d.scalaX, sy = d.scalaY;
    // As DisposizioneGrafico::InUnita, with the maps held in registers for the loop.
    const MappaScala mx = d.mappaX, my = d.mappaY;
    const auto inPixel = [=](double u, double w) { return QPointF(mx.Trasforma(u), my.Trasforma(w)); };
    const bool tutti = DaTempo == 0 && ATempo == 0;
    if (tutti)
        spezzata.Aggiungi(1, [&](size_t, QPointF& p) { return p = inPixel(0, sy * Punti.Y(0)), true; });
    const std::span<const XYPoli::Punto> punti = Punti.Punti();
    const auto entra = [&](size_t i, size_t j) { // the segment from point i to point j crosses the view
        return std::min(punti[i].x, punti[j].x) < ATempo && std::max(punti[i].x, punti[j].x) > DaTempo;
    };
    const auto punto = [&](size_t i, QPointF& p) {
        const XYPoli::Punto& q = punti[i];
        if (!tutti && !(DaTempo < q.x && q.x < ATempo) && !(i > 0 && entra(i - 1, i)) &&
            !(i + 1 < punti.size() && entra(i, i + 1)))
            return false;
        p = inPixel(sx * q.x, sy * q.y);
        return true;
    };
    // Two samples or more to a pixel column: drawn through the few that shape each column.
    if (punti.size() > 1 && std::abs(inPixel(sx * punti[1].x, 0).x() - inPixel(sx * punti[0].x, 0).x()) < 0.5)
        spezzata.AggiungiDensi(punti.size(), punto);
    else
        spezzata.Aggiungi(punti.size(), punto);
    const QPen penna(Qt::black, 2, Qt::SolidLine);
    for (QPolygonF& linea : spezzata.Fine())
        d.piano.linee.push_back({std::move(linea), penna, RuoloLinea::Velocita});
}

} // namespace

std::array<float, 5> VelocitaEtichette(double da, double a) {
    const auto passo = static_cast<float>((a - da) / 4);
    auto y = static_cast<float>(da);
    std::array<float, 5> velocita{};
    for (float& v : velocita) {
        y = Arrotonda(y, 1);
        v = y;
        y = y + passo;
    }
    return velocita;
}

bool VelocitaIndistinte(const std::array<float, 5>& velocita) {
    QStringList testi;
    for (float v : velocita)
        if (const QString t = TestoSingolo(v); !testi.contains(t))
            testi << t;
    return testi.size() < MinimoEtichette;
}

QRectF LimitePiano(const QRectF& area) {
    return area.adjusted(-Cornice::MargineTaglio, -Cornice::MargineTaglio, Cornice::MargineTaglio,
                         Cornice::MargineTaglio);
}

std::optional<LineaGrafico> LineaTagliata(QPointF a, QPointF b, LineaGrafico linea, const QRectF& limite) {
    for (double v : {a.x(), a.y(), b.x(), b.y()})
        if (!std::isfinite(v))
            return std::nullopt;
    const auto parte = Taglia(a, b, limite);
    if (!parte)
        return std::nullopt;
    linea.punti = QPolygonF{parte->first, parte->second};
    return linea;
}

MappaScala DisposizioneGrafico::AsseTempi() const {
    return {mappaX.V1() / scalaX, mappaX.V2() / scalaX, mappaX.P1(), mappaX.P2()};
}

MappaScala DisposizioneGrafico::AsseVelocita() const {
    return {mappaY.V1() / scalaY, mappaY.V2() / scalaY, mappaY.P1(), mappaY.P2()};
}

std::vector<const PannelloGrafico*> DisposizioneGrafico::Strisce() const {
    std::vector<const PannelloGrafico*> strisce{&strisciaVelocita, &strisciaTempi};
    for (const AsseDettaglio& a : dettagli)
        strisce.push_back(&a.striscia);
    if (!legenda.posto.isEmpty())
        strisce.push_back(&legenda);
    return strisce;
}

std::vector<TestoGrafico> DisposizioneGrafico::Testi(RuoloTesto ruolo) const {
    std::vector<TestoGrafico> testi;
    const auto aggiungi = [&](const std::vector<TestoGrafico>& elenco) {
        for (const TestoGrafico& t : elenco)
            if (t.ruolo == ruolo)
                testi.push_back(t);
    };
    for (const PannelloGrafico* s : Strisce())
        aggiungi(s->testi);
    aggiungi(piano.testi);
    aggiungi(cornice.nomi);
    return testi;
}

std::vector<LineaGrafico> DisposizioneGrafico::Linee(RuoloLinea ruolo) const {
    std::vector<LineaGrafico> linee;
    for (const PannelloGrafico* p : Strisce())
        std::copy_if(p->linee.begin(), p->linee.end(), std::back_inserter(linee),
                     [&](const LineaGrafico& l) { return l.ruolo == ruolo; });
    std::copy_if(piano.linee.begin(), piano.linee.end(), std::back_inserter(linee),
                 [&](const LineaGrafico& l) { return l.ruolo == ruolo; });
    return linee;
}

DisposizioneGrafico DisponiGrafico(const DatiGrafico& dati, const CorniceGrafico& cornice,
                                   const QFont& carattere) {
    DisposizioneGrafico d;
    d.cornice = cornice;
    d.carattere = carattere;
    d.piano.posto = cornice.area;
    d.strisciaVelocita.posto = cornice.strisciaVelocita;
    d.strisciaTempi.posto = cornice.strisciaTempi;
    for (const QRectF& r : cornice.strisceDettagli)
        d.dettagli.push_back({{r, {}, {}}, {}, {}});
    if (dati.vuoto)
        return d;
    const Grafico& G = dati.vista;
    const QRectF& area = cornice.area;
    const float sinistra = G.ScalaX * G.BordoSinistro, destra = G.ScalaX * G.BordoDestro;
    const float alto = G.ScalaY * G.BordoSuperiore, basso = G.ScalaY * G.BordoInferiore;
    d.scalaX = G.ScalaX;
    d.scalaY = G.ScalaY;
    d.mappaX = MappaScala(sinistra, destra, area.left(), area.right());
    d.mappaY = MappaScala(alto, basso, area.top(), area.bottom());
    d.disegnata = VistaDisegnabile(G) && !area.isEmpty() && d.mappaX.Valida() && d.mappaY.Valida();
    if (!d.disegnata) {
        d.piano.testi.push_back({area.adjusted(Cornice::RientroAvviso, Cornice::RientroAvviso,
                                               -Cornice::RientroAvviso, -Cornice::RientroAvviso),
                                 FraseNonDisegnabile, RuoloTesto::Avviso});
        return d;
    }
    const QFontMetricsF metrica(carattere);
    const QRectF limite = LimitePiano(area);

    const LineaGrafico asse{{}, QPen(Qt::black, 1, Qt::SolidLine), RuoloLinea::Asse};
    for (const auto& [a, b] : {std::pair{d.InUnita(sinistra, 0), d.InUnita(destra, 0)},
                               std::pair{d.InUnita(0, basso), d.InUnita(0, alto)}})
        if (const auto linea = LineaTagliata(a, b, asse, limite))
            d.piano.linee.push_back(*linea);

    if (G.Particolari() && !d.dettagli.empty()) { // under the speed, which stays on top
        const std::vector<CurvaDettaglio>& curve = dati.Dettagli();
        for (size_t i = 0; i < d.dettagli.size() && i < curve.size(); ++i)
            d.dettagli[i].curva = curve[i];
        DisponiDettagli(d, dati, metrica);
    }
    if (G.GraficoZoomato)
        DisponiCurva(d, dati.punti, G.ValoreMinimoX, G.ValoreMassimoX);
    else
        DisponiCurva(d, dati.punti, G.ValoreMinimoX - G.MargineX, G.ValoreMassimoX + G.MargineX);

    const std::vector<double> tempiTondi = DisponiTempi(d, dati, metrica);
    const std::vector<double> velocita = DisponiVelocita(d, dati, metrica);
    if (G.Griglia()) { // the phase times and the labelled values, from the curve's side to the axes
        const LineaGrafico tratteggio{{}, QPen(Qt::black, 1, Qt::DashLine), RuoloLinea::Griglia};
        const bool sotto = G.BordoInferiore < 0 && -G.BordoInferiore > G.BordoSuperiore;
        std::vector<double> tempi{dati.moto.T1, dati.moto.T1 + dati.moto.T2, 2 * dati.moto.T1 + dati.moto.T2};
        tempi.insert(tempi.end(), tempiTondi.begin(), tempiTondi.end());
        for (double t : tempi)
            if (const auto linea = LineaTagliata(d.InUnita(G.ScalaX * t, sotto ? basso : alto),
                                                 d.InUnita(G.ScalaX * t, 0), tratteggio, limite))
                d.piano.linee.push_back(*linea);
        for (double v : velocita)
            if (const auto linea = LineaTagliata(d.InUnita(0, G.ScalaY * float(v)),
                                                 d.InUnita(destra, G.ScalaY * float(v)), tratteggio, limite))
                d.piano.linee.push_back(*linea);
    }
    return d;
}
