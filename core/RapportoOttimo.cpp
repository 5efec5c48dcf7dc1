#include "RapportoOttimo.h"

#include <algorithm>
#include <cmath>

namespace {

// The largest ratio over the one typed that keeps the motor within its maximum speed (NaN when none).
double ScalaMassima(const Dimensionamento& r, const DatiMotore& motore) {
    return motore.VelocitaMassima / r.VelocitaMotore;
}

EsitoRapporto Nessuno(const char* motivo) {
    EsitoRapporto esito;
    esito.Motivo = motivo;
    return esito;
}

} // namespace

PuntoRapporto AlRapporto(const Dimensionamento& r, const DatiAsse& asse, double rapporto) {
    const double scala = rapporto / asse.Rapporto;
    const CoppieAsse coppie = CoppieConScala(r, scala);
    return {rapporto, coppie.Efficace, coppie.Picco, r.VelocitaMotore * scala};
}

EsitoRapporto CercaRapportoOttimo(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore) {
    if (r.Diretta)
        return Nessuno(TestoRapportoDiretta);
    // Both sums taken relative to their largest term, so that torques above 1e154 N·m still square.
    double inerzia = 0, carico = 0;
    for (const ValoriFase& f : r.Fasi)
        if (f.Durata > 0) {
            inerzia = std::max(inerzia, std::abs(f.CoppiaInerzia));
            carico = std::max(carico, std::abs(f.CoppiaCarico));
        }
    if (carico == 0)
        return Nessuno(TestoRapportoSenzaCarico);
    const double scalaMassima = ScalaMassima(r, motore);
    double scala = scalaMassima;
    if (inerzia > 0) {
        double sommaInerzia = 0, sommaCarico = 0;
        for (const ValoriFase& f : r.Fasi)
            if (f.Durata > 0) {
                const double quota = f.Durata / r.Ciclo();
                sommaInerzia += (f.CoppiaInerzia / inerzia) * (f.CoppiaInerzia / inerzia) * quota;
                sommaCarico += (f.CoppiaCarico / carico) * (f.CoppiaCarico / carico) * quota;
            }
        scala = std::sqrt(carico / inerzia) * std::pow(sommaCarico / sommaInerzia, 0.25);
    } else if (std::isnan(scalaMassima)) {
        return Nessuno(TestoRapportoSenzaInerzia);
    }
    EsitoRapporto esito;
    esito.AlLimiteVelocita = scala >= scalaMassima;
    const PuntoRapporto ottimo = AlRapporto(r, asse, asse.Rapporto * std::min(scala, scalaMassima));
    if (!(ottimo.Rapporto > 0) || !std::isfinite(ottimo.Rapporto) || !std::isfinite(ottimo.CoppiaPicco))
        return Nessuno(TestoRapportoFuori);
    esito.Ottimo = ottimo;
    return esito;
}

CurvaRapporto CurvaDelRapporto(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore,
                               int punti) {
    CurvaRapporto curva;
    curva.Attuale = AlRapporto(r, asse, asse.Rapporto);
    curva.Ottimo = CercaRapportoOttimo(r, asse, motore);
    if (!r.Diretta)
        curva.RapportoMassimo = asse.Rapporto * ScalaMassima(r, motore);
    const double centro = curva.Ottimo.Ottimo ? curva.Ottimo.Ottimo->Rapporto : asse.Rapporto;
    punti = std::max(punti, 2);
    for (int i = 0; i < punti && !r.Diretta; ++i)
        curva.Punti.push_back(AlRapporto(r, asse, centro * std::pow(4.0, 2.0 * i / (punti - 1) - 1)));
    return curva;
}
