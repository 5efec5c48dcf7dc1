#include "Dimensionamento.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

namespace {

std::string Limite(double valore) {
    std::array<char, 32> testo{};
    return {testo.data(), std::to_chars(testo.data(), testo.data() + testo.size(), valore).ptr};
}

// Sine and cosine of an angle in degrees, exact where the axis is level or vertical: a vertical axis
// must carry no friction from a cosine of 6e-17.
std::pair<double, double> SenoCoseno(double gradi) {
    if (gradi == 0)
        return {0, 1};
    if (std::abs(gradi) == 90)
        return {gradi > 0 ? 1 : -1, 0};
    const double radianti = gradi * std::numbers::pi / 180;
    return {std::sin(radianti), std::cos(radianti)};
}

bool Finiti(std::initializer_list<double> valori) {
    return std::all_of(valori.begin(), valori.end(), [](double v) { return std::isfinite(v); });
}

// Root mean square of one quantity over the cycle, each phase's value weighted by its share of the
// cycle. Taken relative to the peak, so that forces above 1e154 N give their true RMS, not infinity.
double Efficace(const std::array<ValoriFase, NumeroFasiAsse>& fasi, double ValoriFase::*valore, double picco,
                double ciclo) {
    if (picco == 0 || !std::isfinite(picco))
        return picco;
    double somma = 0;
    for (const ValoriFase& f : fasi)
        if (f.Durata > 0)
            somma += (f.*valore / picco) * (f.*valore / picco) * (f.Durata / ciclo);
    return picco * std::sqrt(somma);
}

} // namespace

std::optional<Trasmissione> LeggiTrasmissione(std::string_view nome) {
    for (size_t i = 0; i < NomiTrasmissione.size(); ++i)
        if (nome == NomiTrasmissione[i])
            return static_cast<Trasmissione>(i);
    return std::nullopt;
}

bool StessiDati(const DatiAsse& a, const DatiAsse& b) {
    if (a.Tipo != b.Tipo)
        return false;
    for (const CampoAsse& campo : CampiAsse)
        if (campo.Membro && a.*campo.Membro != b.*campo.Membro &&
            !(std::isnan(a.*campo.Membro) && std::isnan(b.*campo.Membro)))
            return false;
    return true;
}

bool Obbligatorio(const CampoAsse& campo) {
    return campo.Membro && std::isnan(DatiAsse{}.*campo.Membro);
}

int IndiceCampoAsse(std::string_view chiave) {
    for (int i = 0; i < NumeroCampiAsse; ++i)
        if (chiave == CampiAsse[i].Chiave)
            return i;
    return -1;
}

std::optional<std::string> DifettoValore(const CampoAsse& campo, double valore) {
    if (!std::isfinite(valore))
        return "non è un numero finito";
    const bool sopraMinimo = campo.MinimoIncluso ? valore >= campo.Minimo : valore > campo.Minimo;
    const bool sottoMassimo = campo.MassimoIncluso ? valore <= campo.Massimo : valore < campo.Massimo;
    if (sopraMinimo && sottoMassimo)
        return std::nullopt;
    const std::string minimo = Limite(campo.Minimo), massimo = Limite(campo.Massimo);
    if (std::isinf(campo.Massimo))
        return campo.MinimoIncluso ? "non può essere minore di " + minimo
                                   : "deve essere maggiore di " + minimo;
    if (campo.MinimoIncluso)
        return "deve essere compreso tra " + minimo + " e " + massimo;
    return "deve essere maggiore di " + minimo + " e non superiore a " + massimo;
}

std::optional<DifettoAsse> ControllaAsse(const DatiAsse& dati) {
    for (int i = 0; i < NumeroCampiAsse; ++i) {
        const CampoAsse& campo = CampiAsse[i];
        if (!campo.Membro)
            continue;
        const double valore = dati.*campo.Membro;
        if (std::isnan(valore)) {
            if (Obbligatorio(campo) && Applicabile(campo, dati.Tipo))
                return DifettoAsse{i, true, {}};
            if (Obbligatorio(campo))
                continue; // not given where it does not apply
        }
        if (auto motivo = DifettoValore(campo, valore))
            return DifettoAsse{i, false, *motivo};
    }
    return std::nullopt;
}

FaseAsse Dimensionamento::FaseA(double t) const {
    const double t1 = Fasi[FaseAccelerazione].Durata, t12 = t1 + Fasi[FaseRegime].Durata;
    if (!(t >= 0) || t >= t12 + t1)
        return FaseSosta;
    return t < t1 ? FaseAccelerazione : t < t12 ? FaseRegime : FaseDecelerazione;
}

std::optional<LeggeAsse> LeggeAsse::Da(const DatiAsse& dati) {
    if (ControllaAsse(dati))
        return std::nullopt;
    LeggeAsse legge;
    legge.m = dati.Massa;
    if (dati.Tipo == Trasmissione::Vite)
        legge.k = 2 * std::numbers::pi * dati.Rapporto / dati.Passo;
    else if (dati.Tipo == Trasmissione::Cinghia)
        legge.k = 2 * dati.Rapporto / dati.Diametro;
    legge.eta = dati.Rendimento;
    legge.inerzia = dati.InerziaMotore + dati.InerziaTrasmissione;
    const auto [seno, coseno] = SenoCoseno(dati.Inclinazione);
    legge.peso = legge.m * Gravita * seno; // the weight's pull along the axis, against an upward motion
    legge.resistenza = dati.Attrito * legge.m * Gravita * coseno + dati.Forza;
    return legge;
}

IstanteAsse LeggeAsse::Istante(double forza, double accelerazione, double velocita, int verso) const {
    IstanteAsse r;
    r.Forza = forza;
    if (Diretta()) {
        r.Potenza = forza * velocita;
        return r;
    }
    r.CoppiaInerzia = inerzia * k * accelerazione;
    r.CoppiaCarico = verso == 0 ? forza / k : forza * verso > 0 ? forza / (k * eta) : forza * eta / k;
    r.Coppia = r.CoppiaInerzia + r.CoppiaCarico;
    r.Potenza = r.Coppia * k * velocita;
    return r;
}

IstanteAsse LeggeAsse::InMoto(double accelerazione, double velocita, int verso) const {
    return Istante(m * accelerazione + peso + verso * resistenza, accelerazione, velocita, verso);
}

IstanteAsse LeggeAsse::Fermo() const {
    return Istante(peso, 0, 0, 0);
}

std::optional<Dimensionamento> Dimensiona(const Velantra& Moto, const DatiAsse& dati) {
    const double T1 = Moto.T1, T2 = Moto.T2, Vm = Moto.Vm;
    const auto legge = LeggeAsse::Da(dati);
    if (!Finiti({T1, T2, Vm}) || !(T1 > 0) || !(T2 >= 0) || Vm == 0 || !legge)
        return std::nullopt;
    const double A = Vm / T1;
    const int d = Vm > 0 ? 1 : -1; // direction of the motion

    Dimensionamento r;
    r.Diretta = legge->Diretta();
    r.Costante = legge->Costante();
    const std::array<double, NumeroFasiAsse> durate{T1, T2, T1, dati.Sosta};
    const std::array<double, NumeroFasiAsse> accelerazioni{A, 0, -A, 0};
    for (int i = 0; i < NumeroFasiAsse; ++i) {
        ValoriFase& f = r.Fasi[i];
        f.Durata = durate[i];
        f.Accelerazione = accelerazioni[i];
        const IstanteAsse istante = i == FaseSosta ? legge->Fermo() : legge->InMoto(f.Accelerazione, Vm, d);
        f.Forza = istante.Forza;
        f.Coppia = istante.Coppia;
        f.CoppiaInerzia = istante.CoppiaInerzia;
        f.CoppiaCarico = istante.CoppiaCarico;
        // A phase that does not happen has no peak; the holding at rest is shown at the end of the motion
        // even without a dwell. Each moving phase's power is linear in time and reaches Vm at one end.
        if (f.Durata <= 0 && i != FaseSosta)
            continue;
        r.ForzaPicco = std::max(r.ForzaPicco, std::abs(f.Forza));
        r.PotenzaPicco = std::max(r.PotenzaPicco, istante.Potenza);
        r.PotenzaFrenatura = std::max(r.PotenzaFrenatura, -istante.Potenza);
    }
    // A cycle so long that the motion's share of it underflows would give an RMS of nothing.
    const double ciclo = r.Ciclo();
    if (!std::isfinite(ciclo) || !(T1 / ciclo >= std::numeric_limits<double>::min()))
        return std::nullopt;
    r.ForzaEfficace = Efficace(r.Fasi, &ValoriFase::Forza, r.ForzaPicco, ciclo);
    const CoppieAsse coppie = CoppieConScala(r, 1);
    r.CoppiaPicco = coppie.Picco;
    r.CoppiaEfficace = coppie.Efficace;
    r.VelocitaMotore = std::abs(r.Costante * Vm) * 60 / (2 * std::numbers::pi);
    r.VelocitaAsse = std::abs(Vm);
    r.TenutaEsclusa = dati.Sosta == 0 && r.Fasi[FaseSosta].Forza != 0;
    // A force or a torque beyond the doubles would show as a wrong figure everywhere: no sizing.
    bool finito = std::isfinite(r.PotenzaFrenatura);
    for (const ValoriFase& f : r.Fasi)
        finito = finito && Finiti({f.Forza, f.Coppia});
    for (const CifraAsse& cifra : CifreAsse)
        finito = finito && std::isfinite(r.*cifra.Membro);
    return finito ? std::optional(r) : std::nullopt;
}

CoppieAsse CoppieConScala(const Dimensionamento& r, double scala) {
    std::array<ValoriFase, NumeroFasiAsse> fasi = r.Fasi;
    CoppieAsse c;
    for (int i = 0; i < NumeroFasiAsse; ++i) {
        ValoriFase& f = fasi[i];
        f.Coppia = f.CoppiaInerzia * scala + f.CoppiaCarico / scala;
        if (f.Durata > 0 || i == FaseSosta)
            c.Picco = std::max(c.Picco, std::abs(f.Coppia));
    }
    c.Efficace = Efficace(fasi, &ValoriFase::Coppia, c.Picco, r.Ciclo());
    return c;
}

std::string TestoCifre(double valore, int cifre, char separatore) {
    if (valore == 0)
        return "0";
    std::array<char, 64> testo{};
    const auto fine =
        std::to_chars(testo.data(), testo.data() + testo.size(), valore, std::chars_format::general, cifre)
            .ptr;
    std::string risultato(testo.data(), fine);
    for (char& c : risultato)
        c = c == '.' ? separatore : c == 'e' ? 'E' : c;
    return risultato;
}
