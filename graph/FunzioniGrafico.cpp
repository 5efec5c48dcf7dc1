#include "FunzioniGrafico.h"

#include "Grafico.h"
#include "NumeriRegionali.h"
#include "SuperficieDisegno.h"
#include "TestiNumerici.h"
#include "Velantra.h"
#include "XYPoli.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace {

template <typename Precede>
void CercaEstremi(const XYPoli& Punti, int32_t& PosizioneX, int32_t& PosizioneY, double& ValoreX,
                  double& ValoreY, Precede precede) {
    PosizioneX = PosizioneY = 0;
    ValoreX = Punti.X(0);
    ValoreY = Punti.Y(0);
    int32_t i = 0;
    for (const XYPoli::Punto& p : Punti.Punti()) {
        if (precede(p.x, ValoreX)) {
            ValoreX = p.x;
            PosizioneX = i;
        }
        if (precede(p.y, ValoreY)) {
            ValoreY = p.y;
            PosizioneY = i;
        }
        ++i;
    }
}

bool Finiti(std::initializer_list<float> valori) {
    return std::all_of(valori.begin(), valori.end(), [](float v) { return std::isfinite(v); });
}

float Scala(float lunghezza, double minimo, double massimo) {
    return static_cast<float>((lunghezza - 10 - 10) / (std::abs(minimo) + massimo));
}

float Arrotonda(double valore, int decimali) {
    return static_cast<float>(ArrotondaPari(valore, decimali));
}

struct Etichetta {
    float valore;
    float x; // graph units
};

// The three phase-time labels. Two close labels lose precision to two decimals and are pushed
// apart: the closer they are, the further the middle one moves left and the less the last one does.
std::array<Etichetta, 3> EtichetteTempi(const Grafico& G, const Velantra& Moto) {
    struct Fascia {
        float gapSotto;    // the gap lies between the previous band's value and this one (both excluded)
        float spostaMedio; // leftward shift of the T1 + T2 label
        float spostaUltimo;
    };
    static constexpr std::array<Fascia, 3> fasce{{{2, 3, 0}, {4, 2.5f, 0.5f}, {6, 2, 1}}};
    const float sx = G.ScalaX;
    const double t12 = Moto.T1 + Moto.T2, ttot = 2 * Moto.T1 + Moto.T2;
    const float primo = Arrotonda(Moto.T1, 4), medio = Arrotonda(t12, 4), ultimo = Arrotonda(ttot, 4);
    const Etichetta inizio{primo, sx * primo - 1};
    if (G.GraficoZoomato)
        return {inizio, {medio, sx * medio}, {ultimo, sx * ultimo}};

    const float gap = sx * ultimo - sx * medio;
    float sopra = -INFINITY;
    for (const Fascia& f : fasce) {
        if (gap > sopra && gap < f.gapSotto) {
            const float m = Arrotonda(t12, 2), u = Arrotonda(ttot, 2);
            return {inizio, {m, sx * m - f.spostaMedio}, {u, sx * u - f.spostaUltimo}};
        }
        sopra = f.gapSotto;
    }
    return {inizio, {medio, sx * medio - 1}, {ultimo, sx * ultimo - 1}};
}

// The time labels of the ticks in view (to within a pixel), each whole on the strip. One that the
// strip's right end or the label after it would cut moves left, leaving a blank's width before the next
// label; labels that fit stay where they are.
void ScriviTempi(SuperficieDisegno& striscia, const std::array<Etichetta, 3>& etichette,
                 const std::array<double, 3>& tacche, double sx) {
    struct Posto {
        QString testo;
        double utente, x, larghezza; // its x in user units and in pixels, its width in pixels
    };
    std::vector<Posto> posti;
    for (size_t k = 0; k < etichette.size(); ++k) {
        const double tacca = striscia.InPixel(sx * tacche[k], 0).x();
        if (tacca < -1 || tacca > striscia.width() + 1)
            continue;
        const QString testo = TestoSingolo(etichette[k].valore);
        const double x = etichette[k].x;
        posti.push_back({testo, x, striscia.InPixel(x, 0).x(), striscia.LarghezzaTesto(testo)});
    }
    std::vector<Posto*> daDestra; // right to left, as the strip's end and each label push the next
    for (Posto& p : posti)
        daDestra.push_back(&p);
    std::stable_sort(daDestra.begin(), daDestra.end(),
                     [](const Posto* a, const Posto* b) { return a->x > b->x; });
    const double spazio = striscia.LarghezzaTesto(QStringLiteral(" "));
    double limite = striscia.width();
    bool spostata = false; // the label on the right moved
    for (Posto* p : daDestra) {
        if (spostata || p->x + p->larghezza > limite) {
            const double x = std::min(p->x, limite - (p == daDestra.front() ? 0 : spazio) - p->larghezza);
            spostata = x != p->x;
            if (spostata)
                p->utente = striscia.InUtente(QPointF(x, 0)).x();
            p->x = x;
        }
        limite = p->x;
    }
    for (const Posto& p : posti)
        striscia.Testo(p.utente, 8, p.testo, true);
}

} // namespace

// Five speeds from `da` in steps of a quarter of the range, each rounded to one decimal before the
// next step is added: for 0 to 1.3 they read 0, 0.3, 0.6, 0.9, 1.2.
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

void CercaMassimi(const XYPoli& Punti, int32_t& PosizioneX, int32_t& PosizioneY, double& ValoreX,
                  double& ValoreY) {
    CercaEstremi(Punti, PosizioneX, PosizioneY, ValoreX, ValoreY, std::greater<double>());
}

void CercaMinimi(const XYPoli& Punti, int32_t& PosizioneX, int32_t& PosizioneY, double& ValoreX,
                 double& ValoreY) {
    CercaEstremi(Punti, PosizioneX, PosizioneY, ValoreX, ValoreY, std::less<double>());
}

void CalcolaVistaIntera(Grafico& G, const XYPoli& Punti) {
    // Both searches in one pass over the list, as they would give one after the other.
    G.PosizioneMassimoX = G.PosizioneMassimoY = G.PosizioneMinimoX = G.PosizioneMinimoY = 0;
    G.ValoreMassimoX = G.ValoreMinimoX = Punti.X(0);
    G.ValoreMassimoY = G.ValoreMinimoY = Punti.Y(0);
    int32_t i = 0;
    for (const XYPoli::Punto& p : Punti.Punti()) {
        if (p.x > G.ValoreMassimoX)
            G.ValoreMassimoX = p.x, G.PosizioneMassimoX = i;
        if (p.y > G.ValoreMassimoY)
            G.ValoreMassimoY = p.y, G.PosizioneMassimoY = i;
        if (p.x < G.ValoreMinimoX)
            G.ValoreMinimoX = p.x, G.PosizioneMinimoX = i;
        if (p.y < G.ValoreMinimoY)
            G.ValoreMinimoY = p.y, G.PosizioneMinimoY = i;
        ++i;
    }
    if (G.ValoreMassimoX == 0)
        G.ValoreMassimoX = 10;
    if (G.ValoreMassimoY == 0)
        G.ValoreMassimoY = 10;
    G.ScalaXCalcolata = Scala(G.LunghezzaX, G.ValoreMinimoX, G.ValoreMassimoX);
    G.ScalaYCalcolata = Scala(G.LunghezzaY, G.ValoreMinimoY, G.ValoreMassimoY);
    G.ScalaX = G.ScalaXCalcolata;
    G.ScalaY = G.ScalaYCalcolata;
    G.GraficoZoomato = false;
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
    G.ScalaXCalcolata = Scala(G.LunghezzaX, G.ValoreMinimoX, G.ValoreMassimoX);
    G.ScalaYCalcolata = Scala(G.LunghezzaY, G.ValoreMinimoY, G.ValoreMassimoY);
    G.GraficoZoomato = true;
    G.ScalaX = G.ScalaXCalcolata;
    G.ScalaY = G.ScalaYCalcolata;
    return true;
}

void CalcolaBordi(Grafico& G) {
    G.AmpiezzaX = static_cast<float>(G.ValoreMassimoX - G.ValoreMinimoX);
    G.AmpiezzaY = static_cast<float>(G.ValoreMassimoY - G.ValoreMinimoY);
    G.MargineX = G.GraficoZoomato ? 0 : G.AmpiezzaX / 20;
    G.MargineY = G.GraficoZoomato ? 0 : G.AmpiezzaY / 20;
    G.BordoSinistro = static_cast<float>(G.ValoreMinimoX - G.MargineX);
    G.BordoSuperiore = static_cast<float>(G.ValoreMassimoY + G.MargineY);
    G.BordoDestro = static_cast<float>(G.ValoreMassimoX + G.MargineX);
    G.BordoInferiore = static_cast<float>(G.ValoreMinimoY - G.MargineY);
}

bool ImpostaCoordinate(const SuperficiGrafico& S, const Grafico& G) {
    const float sinistra = G.ScalaX * G.BordoSinistro, destra = G.ScalaX * G.BordoDestro;
    const float alto = G.ScalaY * G.BordoSuperiore, basso = G.ScalaY * G.BordoInferiore;
    // Scales of 0 or beyond single precision leave edges that are not numbers or not apart.
    if (!Finiti({G.ScalaX, G.ScalaY, sinistra, destra, alto, basso}) || G.ScalaX <= 0 || G.ScalaY <= 0 ||
        !(sinistra < destra) || !(basso < alto))
        return false;
    // Each surface refuses a system it cannot map onto its pixels; all three are tried.
    const bool piano = S.Picture1.ImpostaScala(sinistra, alto, destra, basso);
    const bool tempi = S.PictValX.ImpostaScala(sinistra, 10, destra, 0);
    const bool velocita = S.PictValY.ImpostaScala(0, alto, 10, basso);
    return piano && tempi && velocita;
}

void DisegnaCurva(const SuperficiGrafico& S, const XYPoli& Punti, const Grafico& G, const Velantra& Moto,
                  double DaTempo, double ATempo, double DaVelocita, double AVelocita) {
    SuperficieDisegno& piano = S.Picture1;
    piano.ImpostaSpessore(2);
    piano.ApriSpezzata();
    const bool tutti = DaTempo == 0 && ATempo == 0;
    if (tutti)
        piano.PuntoSpezzata(0, G.ScalaY * Punti.Y(0));
    const double sx = G.ScalaX, sy = G.ScalaY;
    const std::span<const XYPoli::Punto> punti = Punti.Punti();
    // Two samples or more to a pixel column: drawn through the few that shape each column.
    const bool densi = punti.size() > 1 && std::abs(piano.InPixel(sx * punti[1].x, 0).x() -
                                                    piano.InPixel(sx * punti[0].x, 0).x()) < 0.5;
    piano.PuntiSpezzata(
        punti.size(),
        [&](size_t i) {
            const XYPoli::Punto& p = punti[i];
            return tutti || (DaTempo < p.x && p.x < ATempo) ? std::optional(QPointF(sx * p.x, sy * p.y))
                                                            : std::nullopt;
        },
        densi);
    piano.ChiudiSpezzata();
    piano.ImpostaSpessore(1);

    // A label stands only by a tick inside the view (to within a pixel), whole on its strip.
    ScriviTempi(S.PictValX, EtichetteTempi(G, Moto), {Moto.T1, Moto.T1 + Moto.T2, 2 * Moto.T1 + Moto.T2}, sx);
    const float alzata = G.GraficoZoomato ? 0 : 2;
    for (float v : VelocitaEtichette(DaVelocita, AVelocita))
        if (const double y = S.PictValY.InPixel(0, sy * v).y(); y >= -1 && y <= S.PictValY.height() + 1)
            S.PictValY.Testo(0, sy * v + alzata, TestoSingolo(v), true);

    if (G.StatoDisegniGrafico & Grafico::BitGriglia)
        DisegnaGriglia(piano, G, Moto, DaTempo, ATempo, DaVelocita, AVelocita);
}

void DisegnaGriglia(SuperficieDisegno& Picture1, const Grafico& G, const Velantra& Moto,
                    [[maybe_unused]] double DaTempo, [[maybe_unused]] double ATempo, double DaVelocita,
                    double AVelocita) {
    Picture1.ImpostaTratteggio(true);
    const float alto = G.ScalaY * G.BordoSuperiore;
    for (double t : {Moto.T1, Moto.T1 + Moto.T2, 2 * Moto.T1 + Moto.T2})
        Picture1.Linea(G.ScalaX * t, alto, G.ScalaX * t, 0);
    const float destra = G.ScalaX * G.BordoDestro;
    for (float v : VelocitaEtichette(DaVelocita, AVelocita))
        Picture1.Linea(0, G.ScalaY * v, destra, G.ScalaY * v);
    Picture1.ImpostaTratteggio(false);
}
