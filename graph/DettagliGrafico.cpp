// The details of the motion in the graph's layout: each details curve on the plot with its axis on its
// strip, the phase boundaries T1 and T1 + T2 marked with their times, Vm marked on the speed axis.

#include "DisposizioneInterna.h"
#include "Grafico.h"
#include "MisureCornice.h"
#include "Spezzata.h"
#include "Velantra.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace {

const QColor ColoreSegni(96, 96, 96); // phase marks

// The round step (1, 2, 2.5 or 5 times a power of ten) nearest above `grezzo`.
double PassoTondo(double grezzo) {
    const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * potenza >= grezzo)
            return m * potenza;
    return 10 * potenza;
}

// The curve through points near enough for each chord to stay within a quarter of a pixel of it: few
// where it bends little, two for a straight stretch, the stretches' ends exact.
void DisponiCurva(DisposizioneGrafico& d, const Grafico& G, const AsseDettaglio& asse, int indice) {
    const CurvaDettaglio& curva = asse.curva;
    const double pixelSecondo = std::abs(d.mappaX.Passo() * G.ScalaX);
    const double pixelValore = std::abs(asse.mappa.Passo());
    std::vector<QPointF> punti; // time, value
    for (const CurvaDettaglio::Tratto& tratto : curva.tratti) {
        const double p0 = std::max(tratto.da, double(G.BordoSinistro)),
                     p1 = std::min(tratto.a, double(G.BordoDestro));
        if (!(p0 <= p1))
            continue;
        // A chord dx long strays by curvature * dx^2 / 8.
        const double curvatura = tratto.curvatura * pixelValore / (pixelSecondo * pixelSecondo);
        const double passo = std::sqrt(8 * 0.25 / curvatura) / pixelSecondo;
        const double parti = curvatura > 0 ? std::clamp(std::ceil((p1 - p0) / passo), 1.0, 16384.0) : 1;
        for (double k = 0; k <= parti; ++k) {
            const double t = k == parti ? p1 : p0 + (p1 - p0) * k / parti;
            const QPointF p(t, tratto.valore(t));
            if (punti.empty() || punti.back() != p)
                punti.push_back(p);
        }
    }
    Spezzata spezzata;
    spezzata.Apri(LimitePiano(d.cornice.area));
    spezzata.Aggiungi(punti.size(), [&](size_t i, QPointF& p) {
        p = QPointF(d.mappaX.Trasforma(G.ScalaX * punti[i].x()), asse.mappa.Trasforma(punti[i].y()));
        return true;
    });
    const QPen penna(curva.colore, 2, curva.stile);
    for (QPolygonF& linea : spezzata.Fine())
        d.piano.linee.push_back({std::move(linea), penna, RuoloLinea::Dettaglio, indice});
}

// An axis along the strip's left edge in the curve's line (its pen of 2 inside the strip), with a tick
// and a text at each label.
void DisponiAsse(AsseDettaglio& dettaglio, const Grafico& G, int indice, const QFontMetricsF& metrica) {
    const CurvaDettaglio& curva = dettaglio.curva;
    PannelloGrafico& striscia = dettaglio.striscia;
    const QRectF& s = striscia.posto;
    striscia.linee.push_back({QPolygonF{QPointF(s.left() + 1, s.top()), QPointF(s.left() + 1, s.bottom())},
                              QPen(curva.colore, 2, curva.stile), RuoloLinea::Asse, indice});
    AsseEtichette asse;
    asse.orizzontale = false;
    asse.mappa = dettaglio.mappa;
    asse.striscia = s;
    asse.posa = [x = s.left() + Cornice::RientroEtichetta](double y, QSizeF m) {
        return QRectF(x, y - m.height() / 2, m.width(), m.height());
    };
    std::vector<EtichettaAsse> descritte = ValoriDettaglio(curva, G.BordoInferiore, G.BordoSuperiore);
    for (EtichettaAsse& e : descritte)
        e.posto =
            asse.posa(asse.Posizione(e.valore), QSizeF(metrica.horizontalAdvance(e.testo), metrica.height()));
    const QPen tacca(curva.colore, 1, Qt::SolidLine);
    for (const EtichettaAsse& e : ScegliEtichette(asse, descritte, metrica)) {
        const double y = asse.Posizione(e.valore);
        striscia.linee.push_back({QPolygonF{QPointF(s.left(), y), QPointF(s.left() + Cornice::Tacca, y)},
                                  tacca, RuoloLinea::Tacca, indice});
        TestoGrafico t{e.posto, e.testo, RuoloTesto::Dettaglio, curva.colore, indice, e.valore};
        t.dopoLinee = striscia.linee.size();
        striscia.testi.push_back(t);
    }
}

bool Libero(const QRectF& r, const std::vector<QRectF>& occupati) {
    return std::none_of(occupati.begin(), occupati.end(), [&](const QRectF& o) { return r.intersects(o); });
}

} // namespace

std::vector<EtichettaAsse> ValoriDettaglio(const CurvaDettaglio& curva, double da, double a) {
    double vDa = curva.banda.Inversa(da), vA = curva.banda.Inversa(a);
    if (vDa > vA)
        std::swap(vDa, vA);
    std::vector<EtichettaAsse> valori;
    const double basso = std::max(vDa, std::min(curva.banda.V1(), curva.banda.V2())),
                 alto = std::min(vA, std::max(curva.banda.V1(), curva.banda.V2()));
    if (!(basso <= alto))
        return valori;
    if (curva.tondi) {
        const double passo = PassoTondo((alto - basso) / 4);
        if (std::isfinite(passo) && passo > 0 && (alto - basso) / passo < 20)
            for (double k = std::ceil(basso / passo); k * passo <= alto; ++k)
                if (std::none_of(curva.segnati.begin(), curva.segnati.end(),
                                 [&](double s) { return std::abs(k * passo - s) < passo / 3; }))
                    valori.push_back({k * passo, TestoParticolare(k * passo), {}});
    }
    for (double s : curva.segnati)
        if (vDa <= s && s <= vA)
            valori.push_back({s, TestoParticolare(s), {}});
    return valori;
}

void DisponiDettagli(DisposizioneGrafico& d, const DatiGrafico& dati, const QFontMetricsF& metrica) {
    const Grafico& G = dati.vista;
    // Each axis maps its band of values onto the plot's pixels of the speeds the band stands at.
    const auto mostrato = [](const AsseDettaglio& a) { return bool(a.curva.valore); };
    for (size_t i = 0; i < d.dettagli.size(); ++i) {
        AsseDettaglio& a = d.dettagli[i];
        if (!mostrato(a))
            continue;
        const MappaScala& banda = a.curva.banda;
        a.mappa =
            MappaScala(banda.V1(), banda.V2(), d.InPixel(0, banda.P1()).y(), d.InPixel(0, banda.P2()).y());
        DisponiCurva(d, G, a, static_cast<int>(i));
    }

    // The marks' texts keep to the plot, off the strips painted over it (the page's), and clear of the
    // speed axis and of the marks' lines; a blank apart from one another.
    const QRectF& area = d.cornice.area;
    const double asse = d.InUnita(0, 0).y();
    const double x0 = d.InUnita(0, 0).x();
    const double alto = G.ScalaY * G.BordoSuperiore, basso = G.ScalaY * G.BordoInferiore;
    const double spazio = metrica.horizontalAdvance(QLatin1Char(' ')), h = metrica.height();
    std::vector<QRectF> occupati;
    if (d.cornice.strisceSopra) {
        occupati = {d.cornice.strisciaVelocita, d.cornice.strisciaTempi};
        occupati.insert(occupati.end(), d.cornice.strisceDettagli.begin(), d.cornice.strisceDettagli.end());
    }
    std::vector<double> verticali; // x of the lines no text may cross
    if (x0 >= area.left() && x0 <= area.right())
        verticali.push_back(x0);

    // Dotted verticals at T1 and T1 + T2; where the two coincide (T2 = 0), one mark names both.
    const LineaGrafico segno{{}, QPen(ColoreSegni, 1, Qt::DotLine), RuoloLinea::Fase};
    struct Fase {
        double t;
        QString modello;
        double verso; // -1: the text ends left of its mark, +1: it starts right of it
    };
    const double t1 = dati.moto.T1, t12 = dati.moto.T1 + dati.moto.T2;
    std::vector<Fase> fasi{{t1, QStringLiteral("T1 = %1"), -1}};
    if (t12 == t1)
        fasi[0].modello = QStringLiteral("T1 = T1 + T2 = %1");
    else
        fasi.push_back({t12, QStringLiteral("T1 + T2 = %1"), 1});
    std::vector<double> xFasi;
    for (const Fase& f : fasi) {
        const double x = d.InPixel(f.t, 0).x();
        xFasi.push_back(x);
        if (!(x >= area.left() && x <= area.right()))
            continue;
        verticali.push_back(x);
        if (const auto linea = LineaTagliata(d.InUnita(G.ScalaX * f.t, basso),
                                             d.InUnita(G.ScalaX * f.t, alto), segno, LimitePiano(area)))
            d.piano.linee.push_back(*linea);
    }
    const auto libero = [&](const QRectF& r) {
        return area.contains(r) && Libero(r.adjusted(-spazio, 0, spazio, 0), occupati) &&
               std::none_of(verticali.begin(), verticali.end(),
                            [&](double x) { return r.left() <= x + 1 && r.right() >= x - 1; });
    };

    // Vm by a tick on the speed axis, its text above the tick and right of the axis, or right of the
    // first mark's line that would cross it; left of the axis where the right has no room.
    const double vm = dati.moto.Vm;
    const QPointF puntoVm = d.InUnita(0, G.ScalaY * vm);
    std::optional<TestoGrafico> testoVm;
    if (area.contains(puntoVm)) {
        TestoGrafico t{{}, QStringLiteral("Vm = %1").arg(TestoParticolare(vm)), RuoloTesto::Fase};
        t.valore = vm;
        const double w = metrica.horizontalAdvance(t.testo);
        const double y = std::clamp(puntoVm.y() - 1 - h, area.top(), area.bottom() - h);
        std::vector<double> destre{puntoVm.x() + Cornice::TaccaVm + 1},
            sinistre{puntoVm.x() - Cornice::TaccaVm - 1};
        for (double x : verticali) {
            if (x > puntoVm.x())
                destre.push_back(x + Cornice::ScostamentoSegno);
            else if (x < puntoVm.x())
                sinistre.push_back(x - Cornice::ScostamentoSegno);
        }
        std::sort(destre.begin(), destre.end());
        std::sort(sinistre.begin(), sinistre.end(), std::greater<>());
        std::vector<QRectF> posti;
        for (double x : destre)
            posti.emplace_back(x, y, w, h);
        for (double x : sinistre)
            posti.emplace_back(x - w, y, w, h);
        if (const auto r = std::find_if(posti.begin(), posti.end(), libero); r != posti.end()) {
            t.posto = *r;
            testoVm = t;
            occupati.push_back(*r);
        }
    }

    // Each phase time just off the time axis, below it (raised to the plot's edge if need be but never
    // onto the axis) or else above it: the first left of its mark and the second right of it; each on the
    // other side, or a row further, where it would not be clear; left out if nowhere fits.
    const double sotto = std::max(asse + 1, std::min(asse + Cornice::DistanzaAsse, area.bottom() - h));
    const double sopra = asse - Cornice::DistanzaAsse - h;
    for (size_t i = 0; i < fasi.size(); ++i) {
        const Fase& f = fasi[i];
        const double x = xFasi[i];
        if (!(x >= area.left() && x <= area.right()))
            continue;
        TestoGrafico t{{}, f.modello.arg(TestoParticolare(f.t)), RuoloTesto::Fase, ColoreSegni};
        t.valore = f.t;
        const double w = metrica.horizontalAdvance(t.testo);
        std::vector<QRectF> posti;
        for (double y : {sotto, sotto + h, sopra, sopra - h})
            for (double verso : {f.verso, -f.verso})
                posti.emplace_back(
                    verso < 0 ? x - Cornice::ScostamentoSegno - w : x + Cornice::ScostamentoSegno, y, w, h);
        const auto r = std::find_if(posti.begin(), posti.end(), libero);
        if (r == posti.end())
            continue;
        t.posto = *r;
        occupati.push_back(t.posto);
        t.dopoLinee = d.piano.linee.size();
        d.piano.testi.push_back(t);
    }
    if (area.contains(puntoVm)) {
        if (const auto linea =
                LineaTagliata(puntoVm - QPointF(Cornice::TaccaVm, 0), puntoVm + QPointF(Cornice::TaccaVm, 0),
                              {{}, QPen(Qt::black, 1, Qt::SolidLine), RuoloLinea::Tacca}, LimitePiano(area)))
            d.piano.linee.push_back(*linea);
    }
    if (testoVm) {
        testoVm->dopoLinee = d.piano.linee.size();
        d.piano.testi.push_back(*testoVm);
    }
    for (size_t i = 0; i < d.dettagli.size(); ++i)
        if (mostrato(d.dettagli[i]))
            DisponiAsse(d.dettagli[i], G, static_cast<int>(i), metrica);
}
