#include "ConfrontoLeggi.h"

#include "LeggiCamma.h"
#include "VerificaMoto.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The first row whose finite value is within 1e-12 of the least finite one; -1 when none is finite.
template <typename Valore> int Minima(const std::array<RigaLegge, NumeroLeggi>& righe, Valore valore) {
    double minimo = std::numeric_limits<double>::infinity();
    for (const RigaLegge& r : righe)
        minimo = std::min(minimo, valore(r));
    for (int i = 0; i < NumeroLeggi; ++i)
        if (std::isfinite(valore(righe[i])) && valore(righe[i]) <= minimo * (1 + 1e-12))
            return i;
    return -1;
}

// A figure the table shows truly: finite and neither lost to 0 nor blurred below the normal doubles.
bool Vera(double valore) {
    return std::isnormal(valore);
}

} // namespace

double JerkPredefinito(const Velantra& moto) {
    return 4 * std::abs(moto.Acc) / moto.T1;
}

EsitoConfronto ConfrontaLeggi(const Velantra& moto, const std::optional<DatiAsse>& asse, double jerk) {
    if (moto.Stot == 0 || !VerificaMoto(moto).empty())
        return {std::nullopt, MessaggioNessunMoto};
    if (!(jerk > 0) || !std::isfinite(jerk))
        return {std::nullopt, MessaggioJerk};
    std::optional<LeggeAsse> legge;
    if (asse && !(legge = LeggeAsse::Da(*asse)))
        return {std::nullopt, MessaggioDatiAsse};

    ConfrontoLeggi c;
    const double h = moto.Stot, durata = moto.Ttot;
    auto& r = c.Righe;
    // T1 / Ttot may pass 1/2 by a rounding when there is no regime phase: the triangle it is.
    r[LeggeTrapezioMoto].Legge = LeggeTrapezio(std::min(moto.T1 / durata, 0.5), h, durata);
    r[LeggeTrapezioTerzi].Legge = LeggeTrapezio(1.0 / 3, h, durata);
    r[LeggeTriangolare].Legge = LeggeTrapezio(0.5, h, durata);
    const FormaLegge forme[] = {FormaLegge::Armonica,           FormaLegge::Cicloidale,
                                FormaLegge::Polinomiale345,     FormaLegge::Polinomiale4567,
                                FormaLegge::TrapezioModificato, FormaLegge::SinusoideModificata};
    for (int i = 0; i < 6; ++i)
        r[LeggeArmonica + i].Legge = LeggeForma(forme[i], h, durata);
    c.Jerk = ProfiloJerkLimitato(h, moto.Vm, moto.Acc, jerk);
    r[LeggeJerkLimitato].Legge = LeggeJerk(c.Jerk, h);

    for (int i = 0; i < NumeroLeggi; ++i) {
        const PicchiLegge& p = r[i].Legge.Picchi();
        // The trapezoids and the harmonic law make the acceleration jump: their jerk is unbounded.
        const bool salta = i <= LeggeArmonica;
        if (!Vera(r[i].Legge.Durata()) || !Vera(p.Vmax) || !Vera(p.Amax) || !Vera(p.Aeff) ||
            !(salta ? std::isinf(p.Jmax) : Vera(p.Jmax)))
            return {std::nullopt, MessaggioFuoriIntervallo};
    }
    c.MinimaAmax = Minima(r, [](const RigaLegge& x) { return x.Legge.Picchi().Amax; });
    c.MinimaJmax = Minima(r, [](const RigaLegge& x) { return x.Legge.Picchi().Jmax; });
    if (legge) {
        c.Dimensionato = true;
        c.Diretta = legge->Diretta();
        for (RigaLegge& riga : r) {
            riga.Asse = DimensionaLegge(riga.Legge, *legge, asse->Sosta);
            if (!std::isfinite(riga.Asse.Picco) || !std::isfinite(riga.Asse.Efficace) ||
                !std::isfinite(riga.Asse.PotenzaPicco))
                return {std::nullopt, MessaggioFuoriIntervallo};
        }
        c.MinimaEfficace = Minima(r, [](const RigaLegge& x) { return x.Asse.Efficace; });
    }
    return {c, {}};
}
