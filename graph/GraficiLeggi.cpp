#include "GraficiLeggi.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Points per smooth stretch: its curve reads smooth at any size a screen or a page gives the plot.
constexpr int PuntiTratto = 96;

struct Tratto {
    QColor colore;
    Qt::PenStyle stile;
};
// One per law, in IndiceLegge order: no two alike in both colour and line, so four read apart in grey too.
const std::array<Tratto, NumeroLeggi> Tratti{{{QColor(0, 0, 0), Qt::SolidLine},
                                              {QColor(0, 90, 200), Qt::DashLine},
                                              {QColor(170, 110, 0), Qt::DotLine},
                                              {QColor(150, 0, 150), Qt::DashDotLine},
                                              {QColor(210, 0, 0), Qt::SolidLine},
                                              {QColor(0, 140, 60), Qt::DashLine},
                                              {QColor(100, 60, 20), Qt::DashDotDotLine},
                                              {QColor(0, 150, 170), Qt::DotLine},
                                              {QColor(110, 110, 110), Qt::DashDotLine},
                                              {QColor(255, 120, 0), Qt::SolidLine}}};

double Valore(const Cinematica& k, GrandezzaLegge g) {
    switch (g) {
    case GrandezzaLegge::Posizione:
        return k.s;
    case GrandezzaLegge::Velocita:
        return k.v;
    case GrandezzaLegge::Accelerazione:
        return k.a;
    case GrandezzaLegge::Jerk:
        return k.j;
    }
    return 0;
}

const char* const NomiAsse[] = {"s [m]", "v [m/sec]", "a [m/sec^2]", "j [m/sec^3]"};

QPolygonF Curva(const LeggePerTratti& legge, GrandezzaLegge g, double fine) {
    QPolygonF punti;
    for (int i = 0; i < legge.NumeroTratti(); ++i) {
        const double da = legge.InizioTratto(i), a = legge.InizioTratto(i + 1);
        for (int k = 0; k <= PuntiTratto; ++k) {
            const double t = k == PuntiTratto ? a : da + (a - da) * k / PuntiTratto;
            punti << QPointF(t, Valore(legge.InTratto(i, t), g));
        }
    }
    // At rest from its end on: a jump to rest drawn upright, then flat to the longest law's end.
    const Cinematica riposo = legge.In(legge.Durata());
    punti << QPointF(legge.Durata(), Valore(riposo, g));
    if (fine > legge.Durata())
        punti << QPointF(fine, Valore(riposo, g));
    return punti;
}

} // namespace

double DurataLeggi(const ConfrontoLeggi& c, const std::vector<int>& leggi) {
    double durata = 0;
    for (int legge : leggi)
        durata = std::max(durata, c.Righe[legge].Legge.Durata());
    return durata;
}

GraficoSerie GraficoLeggi(const ConfrontoLeggi& c, const std::vector<int>& leggi, GrandezzaLegge grandezza) {
    GraficoSerie grafico;
    const double fine = DurataLeggi(c, leggi);
    grafico.x.nome = QStringLiteral("t [sec]");
    grafico.x.da = 0;
    grafico.x.a = fine;
    grafico.y.nome = QString::fromLatin1(NomiAsse[static_cast<int>(grandezza)]);
    grafico.y.valori = {0};
    for (int legge : leggi) {
        GraficoSerie::Serie serie;
        serie.nome = QString::fromUtf8(NomiLeggi[legge]);
        serie.punti = Curva(c.Righe[legge].Legge, grandezza, fine);
        // The jerk of a law whose acceleration jumps is unbounded at the jump: no line drawn there.
        if (grandezza == GrandezzaLegge::Jerk && std::isinf(c.Righe[legge].Legge.Picchi().Jmax))
            for (qsizetype i = 1; i < serie.punti.size(); ++i) {
                const QPointF p = serie.punti[i], prima = serie.punti[i - 1];
                if (p.x() == prima.x() && p.y() != prima.y() && std::isfinite(prima.y())) {
                    serie.punti.insert(i, QPointF(p.x(), NAN));
                    ++i;
                }
            }
        serie.colore = Tratti[legge].colore;
        serie.stile = Tratti[legge].stile;
        grafico.serie.push_back(std::move(serie));
    }
    return grafico;
}

CurveLeggiCsv::CurveLeggiCsv(const ConfrontoLeggi& c, const std::vector<int>& leggi) {
    static constexpr std::array<const char*, 4> Nomi{"s %1 [m]", "v %1 [m/sec]", "a %1 [m/sec^2]",
                                                     "j %1 [m/sec^3]"};
    intestazioni.reserve(leggi.size() * Nomi.size()); // the columns point into these texts
    for (int legge : leggi)
        for (size_t g = 0; g < Nomi.size(); ++g) {
            std::string nome = Nomi[g];
            nome.replace(nome.find("%1"), 2, NomiLeggi[legge]);
            intestazioni.push_back(std::move(nome));
            const LeggePerTratti* l = &c.Righe[legge].Legge;
            colonne.push_back({intestazioni.back().c_str(), [l, g](double t) {
                                   return Valore(l->In(t), static_cast<GrandezzaLegge>(g));
                               }});
        }
}
