// The layout of a plot of series: the ranges of its axes, the frame with the legend's rows above the
// plot, the labels at the values asked for and on round steps, the grid and the axes, the series, the
// reference lines and the marked points, each text clear of every other.

#include "Dettagli.h"
#include "DisposizioneInterna.h"
#include "GraficoSerie.h"
#include "MisureCornice.h"
#include "PartiCornice.h"
#include "RegoleCornice.h"
#include "Spezzata.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

const QString FraseSerieNonDisegnabile = QStringLiteral(
    "Impossibile disegnare il grafico a questa scala: i valori sono troppo grandi o troppo piccoli.");

namespace {

constexpr double Campione = 24; // a legend's sample of a series' line
constexpr double TraVoci = 16;  // between two entries of the legend
constexpr double Segno = 4;     // half the size of a marked point's diamond
// Pixels a vertex left out of a series' line may lie off the line drawn: well within the pen, and a
// smooth curve of thousands of points is painted through a few hundred.
constexpr double Scarto = 0.25;
const QColor ColoreGriglia(190, 190, 190);

struct Campo {
    double da = 0, a = 1;
};

// The smallest and largest finite values seen.
struct Estremi {
    double minimo = INFINITY, massimo = -INFINITY;
    void operator()(double v) {
        if (std::isfinite(v)) {
            minimo = std::min(minimo, v);
            massimo = std::max(massimo, v);
        }
    }
};

// The axis' range: the ends given, the others from the values with a twentieth of their extent beyond
// them. An end from the values that would fall beyond a given end leaves a unit of range past it.
Campo CampoAsse(const GraficoSerie::Asse& asse, Estremi e) {
    for (double v : asse.valori)
        e(v);
    if (!(e.minimo <= e.massimo))
        e = {0, 1};
    const double margine = e.massimo > e.minimo ? e.massimo / 20 - e.minimo / 20
                           : e.minimo != 0      ? std::abs(e.minimo) / 20
                                                : 0.5;
    Campo c{asse.da.value_or(e.minimo - margine), asse.a.value_or(e.massimo + margine)};
    if (asse.da && asse.a && c.a < c.da)
        std::swap(c.da, c.a);
    if (!(c.a > c.da) && !asse.a)
        c.a = c.da + std::max(1.0, std::abs(c.da));
    else if (!(c.a > c.da) && !asse.da)
        c.da = c.a - std::max(1.0, std::abs(c.a));
    return c;
}

// Pixels the y axis' labels need: its values asked for, and round steps as fine as labels may come.
double LarghezzaEtichette(const GraficoSerie::Asse& asse, Campo c, const QFontMetricsF& metrica) {
    double larghezza = 0;
    for (double v : asse.valori)
        if (v >= c.da && v <= c.a)
            larghezza = std::max(larghezza, metrica.horizontalAdvance(TestoParticolare(v)));
    const double ampiezza = c.a - c.da;
    if (std::isfinite(ampiezza) && ampiezza > 0) {
        const double passo = std::pow(10.0, std::floor(std::log10(ampiezza / (2 * MassimoEtichette))));
        for (double v : {c.da, c.a})
            larghezza = std::max(larghezza,
                                 metrica.horizontalAdvance(TestoPasso(std::trunc(v / passo) * passo, passo)));
    }
    return std::ceil(larghezza + 2 * Cornice::SpazioTesto);
}

// The legend in rows: the first right of the y axis' name, the others under it across the room. Each
// entry a sample of its series' line and the name in its colour, cut short only where a row cannot hold
// it. The rows it takes.
int DisponiLegenda(PannelloGrafico& legenda, const GraficoSerie& g, const RegoleCornice& r,
                   const QFontMetricsF& metrica) {
    const QRectF& s = r.spazio;
    const double inizio = s.left() +
                          std::max(r.larghezzaNomeVelocita, std::ceil(metrica.horizontalAdvance(g.y.nome))) +
                          TraVoci;
    double x = inizio;
    int riga = 0;
    for (size_t i = 0; i < g.serie.size(); ++i) {
        const GraficoSerie::Serie& serie = g.serie[i];
        if (serie.nome.isEmpty())
            continue;
        const double perTesto = s.width() - Campione - Cornice::SpazioNome;
        const QString testo = metrica.elidedText(serie.nome, Qt::ElideRight, perTesto);
        const double larghezza = Campione + Cornice::SpazioNome + metrica.horizontalAdvance(testo);
        if (x + larghezza > s.right() && (x > s.left() || riga == 0)) {
            ++riga;
            x = s.left();
        }
        const double alto = s.top() + riga * r.altezzaNome, centro = alto + r.altezzaNome / 2;
        legenda.linee.push_back({QPolygonF{QPointF(x, centro), QPointF(x + Campione, centro)},
                                 QPen(serie.colore, serie.spessore, serie.stile), RuoloLinea::Legenda,
                                 int(i)});
        TestoGrafico voce{QRectF(x + Campione + Cornice::SpazioNome, centro - metrica.height() / 2,
                                 metrica.horizontalAdvance(testo), metrica.height()),
                          testo, RuoloTesto::Legenda, serie.colore, int(i)};
        voce.dopoLinee = legenda.linee.size();
        legenda.testi.push_back(voce);
        legenda.posto |= QRectF(x, alto, larghezza, r.altezzaNome);
        x += larghezza + TraVoci;
    }
    return legenda.testi.empty() ? 1 : riga + 1;
}

// An axis' labels on its strip, at the values asked for where they fit and on round steps; their values.
std::vector<double> Etichette(DisposizioneGrafico& d, const GraficoSerie::Asse& asse, bool orizzontale,
                              const QFontMetricsF& metrica) {
    PannelloGrafico& striscia = orizzontale ? d.strisciaTempi : d.strisciaVelocita;
    const QRectF& s = striscia.posto;
    AsseEtichette etichette;
    etichette.orizzontale = orizzontale;
    etichette.mappa = orizzontale ? d.mappaX : d.mappaY;
    etichette.striscia = s;
    if (orizzontale)
        etichette.posa = [alto = s.top() + 0.2 * s.height()](double x, QSizeF m) {
            return QRectF(x - m.width() / 2, alto, m.width(), m.height());
        };
    else // right-aligned by the plot, centred on the value
        etichette.posa = [destra = s.right() - 2 * Cornice::SpazioTesto](double y, QSizeF m) {
            return QRectF(destra - m.width(), y - m.height() / 2, m.width(), m.height());
        };
    std::vector<EtichettaAsse> descritte;
    for (double v : asse.valori) {
        const QString testo = TestoParticolare(v);
        descritte.push_back({v, testo,
                             etichette.posa(etichette.Posizione(v),
                                            QSizeF(metrica.horizontalAdvance(testo), metrica.height()))});
    }
    std::vector<double> valori;
    for (const EtichettaAsse& e : ScegliEtichette(etichette, descritte, metrica)) {
        TestoGrafico t{e.posto, e.testo, orizzontale ? RuoloTesto::Ascissa : RuoloTesto::Ordinata};
        t.valore = e.valore;
        striscia.testi.push_back(t);
        valori.push_back(e.valore);
    }
    return valori;
}

// Whether a line of the plot other than the grid crosses the box.
bool Attraversato(const QRectF& r, const std::vector<LineaGrafico>& linee) {
    for (const LineaGrafico& l : linee)
        for (qsizetype k = 1; l.ruolo != RuoloLinea::Griglia && k < l.punti.size(); ++k) {
            const QPointF a = l.punti[k - 1], b = l.punti[k];
            if (std::max(a.x(), b.x()) >= r.left() && std::min(a.x(), b.x()) <= r.right() &&
                std::max(a.y(), b.y()) >= r.top() && std::min(a.y(), b.y()) <= r.bottom() && Taglia(a, b, r))
                return true;
        }
    return false;
}

// The first of the boxes that lies inside the plot clear of every box taken and of the lines, else the
// first clear of the boxes alone; it joins the boxes taken.
std::optional<QRectF> PrimoLibero(std::initializer_list<QRectF> candidati, const QRectF& area,
                                  std::vector<QRectF>& presi, const std::vector<LineaGrafico>& linee) {
    for (const bool sopraLinee : {false, true})
        for (const QRectF& r : candidati)
            if (area.contains(r) &&
                std::none_of(presi.begin(), presi.end(), [&](const QRectF& p) { return p.intersects(r); }) &&
                (sopraLinee || !Attraversato(r, linee))) {
                presi.push_back(r);
                return r;
            }
    return std::nullopt;
}

// The series, each through its points, dense ones through the few that shape each pixel column.
void DisponiLinee(DisposizioneGrafico& d, const GraficoSerie& g) {
    const QRectF& area = d.cornice.area;
    const MappaScala mx = d.mappaX, my = d.mappaY;
    Spezzata spezzata;
    for (size_t i = 0; i < g.serie.size(); ++i) {
        const GraficoSerie::Serie& serie = g.serie[i];
        spezzata.Apri(LimitePiano(area));
        const auto punto = [&](size_t k, QPointF& p) {
            p = QPointF(mx.Trasforma(serie.punti[k].x()), my.Trasforma(serie.punti[k].y()));
            return true;
        };
        const auto n = size_t(serie.punti.size());
        if (double(n) > 4 * area.width())
            spezzata.AggiungiDensi(n, punto);
        else
            spezzata.Aggiungi(n, punto);
        const QPen penna(serie.colore, serie.spessore, serie.stile);
        for (const QPolygonF& linea : spezzata.Fine())
            d.piano.linee.push_back({Semplifica(linea, Scarto), penna, RuoloLinea::Serie, int(i)});
    }
}

// The reference lines across the plot and the marked points; then their texts, each where it is clear
// of the others, of the points and, where it can be, of every line.
void DisponiSegni(DisposizioneGrafico& d, const GraficoSerie& g, const QFontMetricsF& metrica) {
    const QRectF& area = d.cornice.area;
    const QRectF dentro = area.adjusted(-0.5, -0.5, 0.5, 0.5);
    std::vector<std::optional<double>> posizioni; // of each reference line in view, across its axis
    for (size_t i = 0; i < g.riferimenti.size(); ++i) {
        const GraficoSerie::Riferimento& r = g.riferimenti[i];
        const double q = r.verticale ? d.mappaX.Trasforma(r.valore) : d.mappaY.Trasforma(r.valore);
        const bool inVista = r.verticale ? q >= dentro.left() && q <= dentro.right()
                                         : q >= dentro.top() && q <= dentro.bottom();
        posizioni.push_back(inVista ? std::optional(q) : std::nullopt);
        if (inVista)
            d.piano.linee.push_back({r.verticale
                                         ? QPolygonF{QPointF(q, area.top()), QPointF(q, area.bottom())}
                                         : QPolygonF{QPointF(area.left(), q), QPointF(area.right(), q)},
                                     QPen(r.colore, 1, r.stile), RuoloLinea::Riferimento, int(i)});
    }
    std::vector<QRectF> presi;
    std::vector<QPointF> punti;
    for (size_t i = 0; i < g.punti.size(); ++i) {
        const QPointF c = d.InUnita(g.punti[i].valore.x(), g.punti[i].valore.y());
        punti.push_back(c);
        if (!dentro.contains(c))
            continue;
        presi.push_back(QRectF(c - QPointF(Segno, Segno), QSizeF(2 * Segno, 2 * Segno)));
        d.piano.linee.push_back(
            {QPolygonF{c + QPointF(0, -Segno), c + QPointF(Segno, 0), c + QPointF(0, Segno),
                       c + QPointF(-Segno, 0), c + QPointF(0, -Segno)},
             QPen(g.punti[i].colore, 2), RuoloLinea::Punto, int(i)});
    }
    const std::vector<LineaGrafico>& linee = d.piano.linee;
    const double h = metrica.height(), s = Cornice::ScostamentoSegno;
    const auto testo = [&](const std::optional<QRectF>& posto, const QString& t, RuoloTesto ruolo,
                           QColor colore, size_t i, double valore) {
        if (!posto)
            return;
        TestoGrafico scritto{*posto, t, ruolo, colore, int(i)};
        scritto.valore = valore;
        d.piano.testi.push_back(scritto);
    };
    for (size_t i = 0; i < g.riferimenti.size(); ++i) {
        const GraficoSerie::Riferimento& r = g.riferimenti[i];
        if (r.testo.isEmpty() || !posizioni[i])
            continue;
        const double q = *posizioni[i], w = metrica.horizontalAdvance(r.testo);
        // Along the line: at its right end above or below it, else at its left end; a vertical one's
        // at the top right or left of it, else at the bottom.
        testo(r.verticale
                  ? PrimoLibero({QRectF(q + s, area.top() + s, w, h), QRectF(q - s - w, area.top() + s, w, h),
                                 QRectF(q + s, area.bottom() - s - h, w, h),
                                 QRectF(q - s - w, area.bottom() - s - h, w, h)},
                                area, presi, linee)
                  : PrimoLibero({QRectF(area.right() - s - w, q - 1 - h, w, h),
                                 QRectF(area.right() - s - w, q + 1, w, h),
                                 QRectF(area.left() + s, q - 1 - h, w, h),
                                 QRectF(area.left() + s, q + 1, w, h)},
                                area, presi, linee),
              r.testo, RuoloTesto::Riferimento, r.colore, i, r.valore);
    }
    for (size_t i = 0; i < g.punti.size(); ++i) {
        const GraficoSerie::Punto& p = g.punti[i];
        const QPointF c = punti[i];
        const double w = metrica.horizontalAdvance(p.testo), a = Segno + 1;
        if (p.testo.isEmpty() || !dentro.contains(c))
            continue;
        // Above right, below right, above left, below left, above, below.
        testo(
            PrimoLibero({QRectF(c.x() + a, c.y() - a - h, w, h), QRectF(c.x() + a, c.y() + a, w, h),
                         QRectF(c.x() - a - w, c.y() - a - h, w, h), QRectF(c.x() - a - w, c.y() + a, w, h),
                         QRectF(c.x() - w / 2, c.y() - a - h, w, h), QRectF(c.x() - w / 2, c.y() + a, w, h)},
                        area, presi, linee),
            p.testo, RuoloTesto::Punto, p.colore, i, p.valore.y());
    }
}

} // namespace

DisposizioneGrafico DisponiSerie(const GraficoSerie& g, const QRectF& spazio, const QFont& carattere) {
    const QFontMetricsF metrica(carattere);
    Estremi ex, ey;
    for (const GraficoSerie::Serie& serie : g.serie)
        for (const QPointF& p : serie.punti)
            if (std::isfinite(p.x()) && std::isfinite(p.y())) {
                ex(p.x());
                ey(p.y());
            }
    for (const GraficoSerie::Punto& p : g.punti) {
        ex(p.valore.x());
        ey(p.valore.y());
    }
    for (const GraficoSerie::Riferimento& r : g.riferimenti)
        (r.verticale ? ex : ey)(r.valore);
    const Campo cx = CampoAsse(g.x, ex), cy = CampoAsse(g.y, ey);

    DisposizioneGrafico d;
    d.carattere = carattere;
    RegoleCornice regole = RegoleSuMisura(spazio, carattere);
    regole.sopraPiano += (DisponiLegenda(d.legenda, g, regole, metrica) - 1) * regole.altezzaNome;
    d.cornice =
        DisponiCornice(PartiCornice{g.y.nome, g.x.nome, LarghezzaEtichette(g.y, cy, metrica), {}}, regole);
    const QRectF& area = d.cornice.area;
    d.piano.posto = area;
    d.strisciaVelocita.posto = d.cornice.strisciaVelocita;
    d.strisciaTempi.posto = d.cornice.strisciaTempi;
    d.mappaX = MappaScala(cx.da, cx.a, area.left(), area.right());
    d.mappaY = MappaScala(cy.a, cy.da, area.top(), area.bottom());
    d.disegnata = !area.isEmpty() && d.mappaX.Valida() && d.mappaY.Valida() &&
                  std::isfinite(d.mappaX.Inversa(area.right())) &&
                  std::isfinite(d.mappaY.Inversa(area.top()));
    if (!d.disegnata) {
        d.piano.testi.push_back({area.adjusted(Cornice::RientroAvviso, Cornice::RientroAvviso,
                                               -Cornice::RientroAvviso, -Cornice::RientroAvviso),
                                 FraseSerieNonDisegnabile, RuoloTesto::Avviso});
        return d;
    }

    const std::vector<double> tempi = Etichette(d, g.x, true, metrica),
                              valori = Etichette(d, g.y, false, metrica);
    const QRectF limite = LimitePiano(area);
    if (g.griglia) {
        const LineaGrafico griglia{{}, QPen(ColoreGriglia, 1, Qt::DotLine), RuoloLinea::Griglia};
        for (double x : tempi)
            if (const auto linea = LineaTagliata(d.InUnita(x, cy.da), d.InUnita(x, cy.a), griglia, limite))
                d.piano.linee.push_back(*linea);
        for (double y : valori)
            if (const auto linea = LineaTagliata(d.InUnita(cx.da, y), d.InUnita(cx.a, y), griglia, limite))
                d.piano.linee.push_back(*linea);
    }
    // The axes cross at 0, or run along the plot's left and bottom edges when 0 is out of view.
    const double x0 = std::clamp(0.0, cx.da, cx.a), y0 = std::clamp(0.0, cy.da, cy.a);
    const QPointF angolo(std::min(d.mappaX.Trasforma(x0), area.right() - 1),
                         std::min(d.mappaY.Trasforma(y0), area.bottom() - 1));
    const QPen asse(Qt::black, 1, Qt::SolidLine);
    d.piano.linee.push_back({QPolygonF{QPointF(area.left(), angolo.y()), QPointF(area.right(), angolo.y())},
                             asse, RuoloLinea::Asse});
    d.piano.linee.push_back({QPolygonF{QPointF(angolo.x(), area.top()), QPointF(angolo.x(), area.bottom())},
                             asse, RuoloLinea::Asse});
    DisponiLinee(d, g);
    DisponiSegni(d, g, metrica);
    for (TestoGrafico& t : d.piano.testi) // over every line
        t.dopoLinee = d.piano.linee.size();
    return d;
}

GraficoAMisura SerieAMisura(GraficoSerie grafico) {
    return [grafico = std::move(grafico)](QSize misura) {
        return DisponiSerie(grafico, SpazioImmagine(misura), CarattereGrafico());
    };
}
