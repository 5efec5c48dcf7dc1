#include "FunzioniGrafico.h"

#include "Grafico.h"
#include "NumeriRegionali.h"
#include "SuperficieDisegno.h"
#include "TestiNumerici.h"
#include "Velantra.h"
#include "XYPoli.h"

#include <QString>
#include <array>
#include <cmath>
#include <functional>

namespace {

template <typename Precede>
void CercaEstremi(const XYPoli& Punti, int32_t& PosizioneX, int32_t& PosizioneY, double& ValoreX,
                  double& ValoreY, Precede precede) {
    PosizioneX = PosizioneY = 0;
    ValoreX = Punti.X(0);
    ValoreY = Punti.Y(0);
    for (int32_t i = 0; i < Punti.NumeroElementi(); ++i) {
        if (precede(Punti.X(i), ValoreX)) {
            ValoreX = Punti.X(i);
            PosizioneX = i;
        }
        if (precede(Punti.Y(i), ValoreY)) {
            ValoreY = Punti.Y(i);
            PosizioneY = i;
        }
    }
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

} // namespace

void CercaMassimi(const XYPoli& Punti, int32_t& PosizioneX, int32_t& PosizioneY, double& ValoreX,
                  double& ValoreY) {
    CercaEstremi(Punti, PosizioneX, PosizioneY, ValoreX, ValoreY, std::greater<double>());
}

void CercaMinimi(const XYPoli& Punti, int32_t& PosizioneX, int32_t& PosizioneY, double& ValoreX,
                 double& ValoreY) {
    CercaEstremi(Punti, PosizioneX, PosizioneY, ValoreX, ValoreY, std::less<double>());
}

void CalcolaVistaIntera(Grafico& G, const XYPoli& Punti) {
    CercaMassimi(Punti, G.PosizioneMassimoX, G.PosizioneMassimoY, G.ValoreMassimoX, G.ValoreMassimoY);
    CercaMinimi(Punti, G.PosizioneMinimoX, G.PosizioneMinimoY, G.ValoreMinimoX, G.ValoreMinimoY);
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

void ImpostaCoordinate(const SuperficiGrafico& S, const Grafico& G) {
    const float sinistra = G.ScalaX * G.BordoSinistro, destra = G.ScalaX * G.BordoDestro;
    const float alto = G.ScalaY * G.BordoSuperiore, basso = G.ScalaY * G.BordoInferiore;
    S.Picture1.ImpostaScala(sinistra, alto, destra, basso);
    S.PictValX.ImpostaScala(sinistra, 10, destra, 0);
    S.PictValY.ImpostaScala(0, alto, 10, basso);
}

void DisegnaCurva(const SuperficiGrafico& S, const XYPoli& Punti, const Grafico& G, const Velantra& Moto,
                  double DaTempo, double ATempo, double DaVelocita, double AVelocita) {
    SuperficieDisegno& piano = S.Picture1;
    piano.ImpostaSpessore(2);
    const bool tutti = DaTempo == 0 && ATempo == 0;
    if (tutti)
        piano.Posiziona(0, G.ScalaY * Punti.Y(0));
    bool primo = !tutti;
    for (int32_t i = 0; i < Punti.NumeroElementi(); ++i) {
        const double t = Punti.X(i);
        if (!tutti && !(DaTempo < t && t < ATempo))
            continue;
        if (primo)
            piano.Posiziona(G.ScalaX * t, G.ScalaY * Punti.Y(i));
        else
            piano.LineaA(G.ScalaX * t, G.ScalaY * Punti.Y(i));
        primo = false;
    }
    piano.ImpostaSpessore(1);

    for (const Etichetta& e : EtichetteTempi(G, Moto))
        S.PictValX.Testo(e.x, 8, TestoSingolo(e.valore));
    const float alzata = G.GraficoZoomato ? 0 : 2;
    for (float v : VelocitaEtichette(DaVelocita, AVelocita))
        S.PictValY.Testo(0, G.ScalaY * v + alzata, TestoSingolo(v));

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

