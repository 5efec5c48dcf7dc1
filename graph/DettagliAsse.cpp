#include "DettagliAsse.h"

#include "Dimensionamento.h"

#include <algorithm>

std::optional<CurvaDettaglio> CurvaAsse(const Velantra& Moto, const DatiAsse& dati) {
    const auto r = Dimensiona(Moto, dati);
    if (!r)
        return std::nullopt;
    const bool forza = r->Diretta;
    std::array<double, NumeroFasiAsse> valori{};
    for (int i = 0; i < NumeroFasiAsse; ++i)
        valori[i] = forza ? r->Fasi[i].Forza : r->Fasi[i].Coppia;
    CurvaDettaglio curva;
    curva.nome = forza ? NomeForza : NomeCoppia;
    curva.sigla = forza ? QStringLiteral("F") : QStringLiteral("C");
    curva.colore = QColor(0, 130, 60);
    curva.stile = Qt::DashDotLine;
    curva.valore = [r = *r, forza](double t) { return forza ? r.ForzaA(t) : r.CoppiaA(t); };
    const auto costante = [](double v) { return [v](double) { return v; }; };
    const double t1 = Moto.T1, t12 = Moto.T1 + Moto.T2, fine = 2 * Moto.T1 + Moto.T2;
    // Held at rest before and after the motion, a step at each phase.
    curva.tratti = {{0, 0, costante(valori[FaseSosta])},
                    {0, t1, costante(valori[FaseAccelerazione])},
                    {t1, t12, costante(valori[FaseRegime])},
                    {t12, fine, costante(valori[FaseDecelerazione])},
                    {fine, fine, costante(valori[FaseSosta])}};
    const auto [basso, alto] = std::minmax_element(valori.begin(), valori.end());
    // Its steps clear of the acceleration's (0.1 to 0.9 of Vm), mirrored backwards as the others.
    curva.banda = MappaScala(*basso, *alto > *basso ? *alto : *basso + 1, 0.2 * Moto.Vm, 0.8 * Moto.Vm);
    curva.segnati = {valori[FaseAccelerazione], valori[FaseDecelerazione], valori[FaseSosta]};
    return curva;
}

std::vector<ColonnaCsv> ColonneAsse(const Dimensionamento& r) {
    std::vector<ColonnaCsv> colonne{{"F [N]", [r](double t) { return r.ForzaA(t); }}};
    if (!r.Diretta)
        colonne.push_back({"C [N·m]", [r](double t) { return r.CoppiaA(t); }});
    return colonne;
}
