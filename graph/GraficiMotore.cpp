#include "GraficiMotore.h"

#include <cmath>

namespace {

bool Dato(double valore) {
    return !std::isnan(valore);
}

const QColor ColoreEfficace(0, 90, 200), ColorePicco(200, 40, 40), ColoreLimite(90, 90, 90);

} // namespace

GraficoSerie GraficoRapporto(const CurvaRapporto& curva, const DatiMotore& motore) {
    GraficoSerie g{.x = {.nome = QStringLiteral("Rapporto di riduzione")},
                   .y = {.nome = QStringLiteral("C [N·m]")}};
    GraficoSerie::Serie efficace{.nome = QStringLiteral("Coppia efficace"), .colore = ColoreEfficace};
    GraficoSerie::Serie picco{.nome = QStringLiteral("Coppia di picco"), .colore = ColorePicco};
    for (const PuntoRapporto& p : curva.Punti) {
        efficace.punti << QPointF(p.Rapporto, p.CoppiaEfficace);
        picco.punti << QPointF(p.Rapporto, p.CoppiaPicco);
    }
    g.serie = {efficace, picco};
    if (!curva.Punti.empty()) { // the sweep's own range, whatever lies beyond it
        g.x.da = curva.Punti.front().Rapporto;
        g.x.a = curva.Punti.back().Rapporto;
    }
    g.y.da = 0;
    g.punti.push_back({.valore = {curva.Attuale.Rapporto, curva.Attuale.CoppiaEfficace},
                       .testo = QStringLiteral("attuale"),
                       .colore = ColoreEfficace});
    if (curva.Ottimo.Ottimo) {
        const PuntoRapporto& ottimo = *curva.Ottimo.Ottimo;
        g.punti.push_back({.valore = {ottimo.Rapporto, ottimo.CoppiaEfficace},
                           .testo = QStringLiteral("ottimale"),
                           .colore = Qt::black});
        g.x.valori = {ottimo.Rapporto};
    }
    if (Dato(motore.CoppiaNominale))
        g.riferimenti.push_back({.valore = motore.CoppiaNominale,
                                 .testo = QStringLiteral("Coppia nominale"),
                                 .colore = ColoreEfficace});
    if (Dato(motore.CoppiaMassima))
        g.riferimenti.push_back({.valore = motore.CoppiaMassima,
                                 .testo = QStringLiteral("Coppia massima"),
                                 .colore = ColorePicco});
    const bool nelCampo = !curva.Punti.empty() && curva.RapportoMassimo >= curva.Punti.front().Rapporto &&
                          curva.RapportoMassimo <= curva.Punti.back().Rapporto;
    if (nelCampo)
        g.riferimenti.push_back({.verticale = true,
                                 .valore = curva.RapportoMassimo,
                                 .testo = QStringLiteral("Velocità massima"),
                                 .colore = ColoreLimite});
    return g;
}

GraficoSerie GraficoCoppiaVelocita(const PianoCoppiaVelocita& piano) {
    GraficoSerie g{
        .x = {.nome = piano.Diretta ? QStringLiteral("v [m/sec]") : QStringLiteral("n [giri/min]")},
        .y = {.nome = piano.Diretta ? QStringLiteral("F [N]") : QStringLiteral("C [N·m]")}};
    g.x.da = 0;
    static const QColor colori[NumeroFasiAsse] = {QColor(0, 90, 200), QColor(0, 130, 60), QColor(200, 40, 40),
                                                  QColor(120, 60, 160)};
    static const char* const nomi[NumeroFasiAsse] = {"Accelerazione", "Regime", "Decelerazione", "Sosta"};
    for (int i = 0; i < FaseSosta; ++i) {
        const TrattoLavoro& tratto = piano.Tratti[i];
        if (tratto.Presente && tratto.Inizio.Velocita == tratto.Fine.Velocita &&
            tratto.Inizio.Coppia == tratto.Fine.Coppia) // a path of no length: a point
            g.punti.push_back({.valore = {tratto.Inizio.Velocita, tratto.Inizio.Coppia},
                               .testo = QString::fromLatin1(nomi[i]).toLower(),
                               .colore = colori[i]});
        else if (tratto.Presente)
            g.serie.push_back({.nome = QLatin1String(nomi[i]),
                               .punti = {QPointF(tratto.Inizio.Velocita, tratto.Inizio.Coppia),
                                         QPointF(tratto.Fine.Velocita, tratto.Fine.Coppia)},
                               .colore = colori[i]});
    }
    const TrattoLavoro& tenuta = piano.Tratti[FaseSosta];
    g.punti.push_back({.valore = {tenuta.Inizio.Velocita, tenuta.Inizio.Coppia},
                       .testo = QStringLiteral("sosta"),
                       .colore = colori[FaseSosta]});
    g.punti.push_back({.valore = {piano.Efficace.Velocita, piano.Efficace.Coppia},
                       .testo = QStringLiteral("efficace"),
                       .colore = Qt::black});
    const QString nominale =
        piano.Diretta ? QStringLiteral("Forza nominale") : QStringLiteral("Coppia nominale");
    const QString massima =
        piano.Diretta ? QStringLiteral("Forza massima") : QStringLiteral("Coppia massima");
    // The rated torque holds, driving or braking, up to the maximum speed.
    if (Dato(piano.CoppiaNominale) && Dato(piano.VelocitaMassima)) {
        const double c = piano.CoppiaNominale, n = piano.VelocitaMassima;
        g.serie.push_back({.nome = nominale,
                           .punti = {QPointF(0, c), QPointF(n, c), QPointF(n, -c), QPointF(0, -c)},
                           .colore = ColoreLimite,
                           .stile = Qt::DashLine,
                           .spessore = 1});
    } else if (Dato(piano.CoppiaNominale)) {
        g.riferimenti.push_back({.valore = piano.CoppiaNominale, .testo = nominale});
        g.riferimenti.push_back({.valore = -piano.CoppiaNominale});
    } else if (Dato(piano.VelocitaMassima)) {
        g.riferimenti.push_back({.verticale = true,
                                 .valore = piano.VelocitaMassima,
                                 .testo = QStringLiteral("Velocità massima")});
    }
    if (Dato(piano.CoppiaMassima)) {
        g.riferimenti.push_back({.valore = piano.CoppiaMassima, .testo = massima, .colore = ColorePicco});
        g.riferimenti.push_back({.valore = -piano.CoppiaMassima, .colore = ColorePicco});
    }
    return g;
}
