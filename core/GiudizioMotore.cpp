#include "GiudizioMotore.h"

#include "TestiNumerici.h"

namespace {

std::string Superamento(const NomiLimite& nomi, const VerificaLimite& verifica, char separatore) {
    return std::string(nomi.Superato) + " " + TestoQuota(verifica, 3, separatore) + " % " + nomi.DelLimite;
}

} // namespace

bool GiudizioMotore::Adatto() const {
    for (const VerificaLimite& v : Limiti)
        if (v.Superato())
            return false;
    return true;
}

GiudizioMotore GiudicaMotore(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore) {
    GiudizioMotore g;
    g.Diretta = r.Diretta;
    const auto limite = [&](LimiteMotore quale, double richiesta, double limite) {
        VerificaLimite& v = g.Limiti[quale];
        v.Richiesta = richiesta;
        v.Limite = limite;
        v.Quota = 100 * richiesta / limite;
    };
    if (r.Diretta) {
        limite(LimiteEfficace, r.ForzaEfficace, motore.ForzaNominale);
        limite(LimitePicco, r.ForzaPicco, motore.ForzaMassima);
        limite(LimiteVelocita, r.VelocitaAsse, motore.VelocitaMassima);
        return g;
    }
    limite(LimiteEfficace, r.CoppiaEfficace, motore.CoppiaNominale);
    limite(LimitePicco, r.CoppiaPicco, motore.CoppiaMassima);
    limite(LimiteVelocita, r.VelocitaMotore, motore.VelocitaMassima);
    g.InerziaCarico = asse.InerziaTrasmissione + asse.Massa / (r.Costante * r.Costante);
    if (asse.InerziaMotore > 0)
        g.RapportoInerzia = g.InerziaCarico / asse.InerziaMotore;
    return g;
}

std::string TestoQuota(const VerificaLimite& verifica, int cifre, char separatore) {
    std::string testo = TestoCifre(verifica.Quota, cifre, separatore);
    // Past the limit by less than the digits show: show more, until the text itself is past 100.
    while (verifica.Superato() && cifre < 17 && LeggiNumero(testo, separatore).value_or(0) <= 100)
        testo = TestoCifre(verifica.Quota, ++cifre, separatore);
    return testo;
}

std::optional<std::string> PrimoSuperamento(const GiudizioMotore& giudizio, char separatore) {
    for (int i = 0; i < NumeroLimitiMotore; ++i)
        if (giudizio.Limiti[i].Superato())
            return Superamento(NomiLimiti[giudizio.Diretta][i], giudizio.Limiti[i], separatore);
    return std::nullopt;
}

std::string RigaGiudizio(const GiudizioMotore& giudizio, char separatore) {
    if (giudizio.Adatto())
        return TestoMotoreAdatto;
    std::string riga = TestoMotoreNonAdatto;
    const char* prima = " ";
    for (int i = 0; i < NumeroLimitiMotore; ++i)
        if (giudizio.Limiti[i].Superato()) {
            riga += prima + Superamento(NomiLimiti[giudizio.Diretta][i], giudizio.Limiti[i], separatore);
            prima = ", ";
        }
    return riga;
}
