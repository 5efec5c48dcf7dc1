#include "Particolari.h"

#include "Grafico.h"
#include "LeggeMoto.h"
#include "NumeriRegionali.h"
#include "SuperficieDisegno.h"
#include "Velantra.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QColor ColoreSegni(96, 96, 96); // phase marks
constexpr double Scostamento = 3;     // pixels between a mark and its text

// The motion and the heights, as speeds of the plot, of its position and acceleration.
struct Scala {
    LeggeMoto legge;
    double vm = 0, acc = 0, corsa = 0, t1 = 0, t12 = 0;

    explicit Scala(const Velantra& Moto) : legge(Moto) {
        if (legge.Durata() > 0) {
            vm = Moto.Vm;
            acc = legge.Accelerazione(0);
            corsa = legge.Corsa();
            t1 = Moto.T1;
            t12 = Moto.T1 + Moto.T2;
        }
    }
    bool Moto() const { return vm > 0 && acc > 0 && corsa > 0; }
    double DaPosizione(double s) const { return s / corsa * vm; }
    double Posizione(double v) const { return v / vm * corsa; }
    double DaAccelerazione(double a) const { return vm * (0.5 + 0.4 * a / acc); }
};

// The round step (1, 2, 2.5 or 5 times a power of ten) nearest above `grezzo`.
double PassoTondo(double grezzo) {
    const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * potenza >= grezzo)
            return m * potenza;
    return 10 * potenza;
}

// A text with the point its alignment names at a point in pixels, moved as little as needed to lie
// whole on the surface.
void Scrivi(SuperficieDisegno& s, QPointF pixel, const QString& testo, Qt::Alignment allineamento) {
    const QPointF u = s.InUtente(pixel);
    s.Testo(u.x(), u.y(), testo, true, allineamento);
}

void LineaPixel(SuperficieDisegno& s, QPointF a, QPointF b) {
    const QPointF ua = s.InUtente(a), ub = s.InUtente(b);
    s.Linea(ua.x(), ua.y(), ub.x(), ub.y());
}

// An axis along the strip's left edge in the curve's line, with a tick and a text at each label.
void DisegnaAsse(SuperficieDisegno& striscia, const Grafico& G, const QColor& colore, Qt::PenStyle stile,
                 const std::vector<EtichettaParticolare>& etichette) {
    striscia.ImpostaColore(colore);
    striscia.ImpostaSpessore(2);
    striscia.ImpostaStile(stile);
    LineaPixel(striscia, QPointF(1, 0), QPointF(1, striscia.height()));
    striscia.ImpostaSpessore(1);
    striscia.ImpostaStile(Qt::SolidLine);
    for (const EtichettaParticolare& e : etichette) {
        const double y = striscia.InPixel(0, G.ScalaY * e.velocita).y();
        LineaPixel(striscia, QPointF(0, y), QPointF(6, y));
        Scrivi(striscia, QPointF(8, y), e.testo, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

// s(t) through points near enough for each chord to stay within a quarter of a pixel of the parabola:
// few where it bends little, two for the steady phase, the phase boundaries exact. Long chords keep a
// dashed line's pattern whole.
void DisegnaPosizione(SuperficieDisegno& piano, const Grafico& G, const Scala& scala) {
    const double da = std::max(0.0, double(G.BordoSinistro)),
                 a = std::min(scala.legge.Durata(), double(G.BordoDestro));
    if (!(da < a))
        return;
    const QPointF origine = piano.InPixel(0, 0), unita = piano.InPixel(G.ScalaX, G.ScalaY) - origine;
    const double pixelSecondo = std::abs(unita.x()),
                 pixelMetro = std::abs(unita.y()) * scala.vm / scala.corsa;
    // d2y/dx2 of s in pixels is A in pixels per pixel squared; a chord dx long strays by curvature * dx^2
    // / 8.
    const double curvatura = scala.acc * pixelMetro / (pixelSecondo * pixelSecondo);
    const double passo = std::sqrt(8 * 0.25 / curvatura) / pixelSecondo; // seconds
    std::vector<double> tempi;
    const double confini[] = {0, scala.t1, scala.t12, scala.legge.Durata()};
    for (size_t fase = 0; fase < 3; ++fase) {
        const double p0 = std::max(da, confini[fase]), p1 = std::min(a, confini[fase + 1]);
        if (!(p0 < p1))
            continue;
        const double parti = fase == 1 ? 1 : std::clamp(std::ceil((p1 - p0) / passo), 1.0, 16384.0);
        for (double k = 0; k < parti; ++k)
            tempi.push_back(p0 + (p1 - p0) * k / parti);
    }
    tempi.push_back(a);
    piano.ImpostaColore(ColorePosizione);
    piano.ImpostaStile(StilePosizione);
    piano.ApriSpezzata();
    piano.PuntiSpezzata(tempi.size(), [&](size_t i) {
        const double t = tempi[i];
        return std::optional(QPointF(G.ScalaX * t, G.ScalaY * scala.DaPosizione(scala.legge.Posizione(t))));
    });
    piano.ChiudiSpezzata();
}

// a(t): +A, 0, -A, with its jumps at the start, the phase boundaries and the end.
void DisegnaAccelerazione(SuperficieDisegno& piano, const Grafico& G, const Scala& scala) {
    const double fine = scala.legge.Durata();
    const double zero = scala.DaAccelerazione(0), su = scala.DaAccelerazione(scala.acc),
                 giu = scala.DaAccelerazione(-scala.acc);
    const QPointF vertici[] = {{0, zero},         {0, su},          {scala.t1, su}, {scala.t1, zero},
                               {scala.t12, zero}, {scala.t12, giu}, {fine, giu},    {fine, zero}};
    piano.ImpostaColore(ColoreAccelerazione);
    piano.ImpostaStile(StileAccelerazione);
    piano.ApriSpezzata();
    piano.PuntiSpezzata(std::size(vertici), [&](size_t i) {
        return std::optional(QPointF(G.ScalaX * vertici[i].x(), G.ScalaY * vertici[i].y()));
    });
    piano.ChiudiSpezzata();
}

// Dotted verticals at T1 and T1 + T2 with their times just below the time axis, the first left of its
// mark and the second right of it, so that they never cover each other; Vm by a tick on the speed axis.
void DisegnaSegni(SuperficieDisegno& piano, const Grafico& G, const Scala& scala) {
    const double alto = G.ScalaY * G.BordoSuperiore, basso = G.ScalaY * G.BordoInferiore;
    const double asse = piano.InPixel(0, 0).y() + 2;
    piano.ImpostaColore(ColoreSegni);
    piano.ImpostaSpessore(1);
    piano.ImpostaStile(Qt::DotLine);
    struct Fase {
        double t;
        const char* modello;
        double verso; // -1: the text ends left of its mark, +1: it starts right of it
    };
    for (const Fase& f : {Fase{scala.t1, "T1 = %1", -1}, Fase{scala.t12, "T1 + T2 = %1", 1}}) {
        const double x = piano.InPixel(G.ScalaX * f.t, 0).x();
        if (x < 0 || x > piano.width())
            continue;
        piano.Linea(G.ScalaX * f.t, basso, G.ScalaX * f.t, alto);
        Scrivi(piano, QPointF(x + f.verso * Scostamento, asse),
               QString::fromLatin1(f.modello).arg(TestoParticolare(f.t)),
               (f.verso < 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    }
    piano.ImpostaColore(Qt::black);
    piano.ImpostaStile(Qt::SolidLine);
    const QPointF vm = piano.InPixel(0, G.ScalaY * scala.vm);
    if (vm.x() < 0 || vm.x() > piano.width() || vm.y() < 0 || vm.y() > piano.height())
        return;
    LineaPixel(piano, vm - QPointF(4, 0), vm + QPointF(4, 0));
    Scrivi(piano, vm + QPointF(Scostamento + 2, -1),
           QStringLiteral("Vm = %1").arg(TestoParticolare(scala.vm)), Qt::AlignLeft | Qt::AlignBottom);
}

} // namespace

QString TestoParticolare(double valore) {
    if (valore == 0 || !std::isfinite(valore))
        return TestoValore(valore);
    const int decimali = 4 - static_cast<int>(std::floor(std::log10(std::abs(valore))));
    if (decimali >= 0 && decimali <= 15)
        return TestoArrotondato(valore, decimali);
    const double potenza = std::pow(10.0, decimali), arrotondato = std::nearbyint(valore * potenza) / potenza;
    return TestoValore(std::isfinite(arrotondato) && arrotondato != 0 ? arrotondato : valore);
}

std::vector<EtichettaParticolare> EtichettePosizione(const Velantra& Moto, double da, double a) {
    const Scala scala(Moto);
    std::vector<EtichettaParticolare> etichette;
    if (!scala.Moto())
        return etichette;
    const double basso = std::max(0.0, scala.Posizione(da)), alto = std::min(scala.corsa, scala.Posizione(a));
    if (!(basso <= alto))
        return etichette;
    // About five round values; none closer than a third of a step to the stroke, which is labelled
    // exactly.
    const double passo = PassoTondo((alto - basso) / 4);
    if (std::isfinite(passo) && passo > 0 && (alto - basso) / passo < 20)
        for (double k = std::ceil(basso / passo); k * passo <= alto; ++k)
            if (std::abs(k * passo - scala.corsa) >= passo / 3)
                etichette.push_back({scala.DaPosizione(k * passo), TestoParticolare(k * passo)});
    if (alto == scala.corsa)
        etichette.push_back({scala.vm, TestoParticolare(scala.corsa)});
    return etichette;
}

std::vector<EtichettaParticolare> EtichetteAccelerazione(const Velantra& Moto, double da, double a) {
    const Scala scala(Moto);
    std::vector<EtichettaParticolare> etichette;
    if (!scala.Moto())
        return etichette;
    for (double valore : {scala.acc, 0.0, -scala.acc})
        if (const double v = scala.DaAccelerazione(valore); da <= v && v <= a)
            etichette.push_back({v, TestoParticolare(valore)});
    return etichette;
}

double LarghezzaEtichette(const SuperficieDisegno& striscia,
                          const std::vector<EtichettaParticolare>& etichette) {
    double larghezza = 0;
    for (const EtichettaParticolare& e : etichette)
        larghezza = std::max(larghezza, 8 + striscia.LarghezzaTesto(e.testo) + 2);
    return larghezza;
}

bool ImpostaCoordinateParticolari(const SuperficiParticolari& S, const Grafico& G) {
    const float alto = G.ScalaY * G.BordoSuperiore, basso = G.ScalaY * G.BordoInferiore;
    const bool posizione = S.PictValS.ImpostaScala(0, alto, 10, basso);
    const bool accelerazione = S.PictValA.ImpostaScala(0, alto, 10, basso);
    return posizione && accelerazione;
}

void DisegnaParticolari(const SuperficiParticolari& S, const Grafico& G, const Velantra& Moto) {
    const Scala scala(Moto);
    if (!scala.Moto())
        return;
    S.Picture1.ImpostaSpessore(2);
    DisegnaPosizione(S.Picture1, G, scala);
    DisegnaAccelerazione(S.Picture1, G, scala);
    DisegnaSegni(S.Picture1, G, scala);
    S.Picture1.ImpostaColore(Qt::black);
    S.Picture1.ImpostaStile(Qt::SolidLine);
    S.Picture1.ImpostaSpessore(1);
    DisegnaAsse(S.PictValS, G, ColorePosizione, StilePosizione,
                EtichettePosizione(Moto, G.BordoInferiore, G.BordoSuperiore));
    DisegnaAsse(S.PictValA, G, ColoreAccelerazione, StileAccelerazione,
                EtichetteAccelerazione(Moto, G.BordoInferiore, G.BordoSuperiore));
}
