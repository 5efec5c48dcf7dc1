#include "VerificaMoto.h"

#include "TestiNumerici.h"

#include <array>
#include <cfloat>
#include <cmath>

namespace {

using V = Velantra;
using L = long double;
constexpr L Infinito = std::numeric_limits<L>::infinity();

constexpr std::array<MembroMoto, 8> Membri = {&V::S1, &V::S2,   &V::Stot, &V::T1,
                                              &V::T2, &V::Ttot, &V::Acc,  &V::Vm};

struct Estremi {
    L minimo;
    bool minimoIncluso;
    L massimo;
    bool massimoIncluso;
};

constexpr Estremi Da(L minimo, bool incluso) { // from minimo up
    return {minimo, incluso, Infinito, false};
}
constexpr Estremi Fino(L massimo) { // above 0, up to massimo included
    return {0, false, massimo, true};
}

// Each solver with its inputs and the range of the third given the first two, for a forward motion (a
// backward one is its mirror). The motion exists when T1 > 0 and T2, S2 >= 0; the rest follows. The
// ends are computed in long double, whose range holds any product of a few doubles.
struct Regola {
    Risolutore risolutore;
    std::array<MembroMoto, 3> ingressi;
    Estremi (*estremi)(L a, L b);
};

constexpr Regola Regole[] = {
    // T1 = Stot/Vm - T2 > 0
    {&V::VmT2St, {&V::Vm, &V::T2, &V::Stot}, [](L Vm, L T2) { return Da(Vm * T2, false); }},
    // T2 = 2 Stot/Vm - Ttot >= 0, T1 = Ttot - Stot/Vm > 0
    {&V::VmTtSt,
     {&V::Vm, &V::Ttot, &V::Stot},
     [](L Vm, L Ttot) {
         return Estremi{Vm * Ttot / 2, true, Vm * Ttot, false};
     }},
    // T2 = Ttot - 2 T1 >= 0
    {&V::VmTtT1, {&V::Vm, &V::Ttot, &V::T1}, [](L, L Ttot) { return Fino(Ttot / 2); }},
    // T2 = Ttot - 2 Vm/A >= 0
    {&V::VmTtA, {&V::Vm, &V::Ttot, &V::Acc}, [](L Vm, L Ttot) { return Da(2 * Vm / Ttot, true); }},
    // T2 = Ttot - 4 S1/Vm >= 0
    {&V::VmTtS1, {&V::Vm, &V::Ttot, &V::S1}, [](L Vm, L Ttot) { return Fino(Vm * Ttot / 4); }},
    // S2 = Stot - T1 Vm >= 0
    {&V::StVmT1, {&V::Stot, &V::Vm, &V::T1}, [](L Stot, L Vm) { return Fino(Stot / Vm); }},
    // S2 = Stot - Vm^2/A >= 0
    {&V::StVmA, {&V::Stot, &V::Vm, &V::Acc}, [](L Stot, L Vm) { return Da(Vm * Vm / Stot, true); }},
    // S2 = Stot - 2 S1 >= 0
    {&V::StVmS1, {&V::Stot, &V::Vm, &V::S1}, [](L Stot, L) { return Fino(Stot / 2); }},
    // T2 = Ttot - 2 T1 >= 0
    {&V::StTtT1, {&V::Stot, &V::Ttot, &V::T1}, [](L, L Ttot) { return Fino(Ttot / 2); }},
    // a real root: A Ttot^2 >= 4 Stot (equal: the triangle)
    {&V::StTtA,
     {&V::Stot, &V::Ttot, &V::Acc},
     [](L Stot, L Ttot) { return Da(4 * Stot / (Ttot * Ttot), true); }},
    // S2 = Stot - 2 S1 >= 0
    {&V::StTtS1, {&V::Stot, &V::Ttot, &V::S1}, [](L Stot, L) { return Fino(Stot / 2); }},
};

const Regola* RegolaDi(Risolutore risolutore) {
    for (const Regola& r : Regole)
        if (r.risolutore == risolutore)
            return &r;
    return nullptr;
}

int Segno(double valore) {
    return (valore > 0) - (valore < 0);
}

// The second input alone, in the direction `verso`: a time is positive (T2 may be 0), a quantity of the
// motion has its sign. Nothing to say of a quantity of the motion when there is no direction.
std::optional<Intervallo> Proprio(MembroMoto grandezza, int verso) {
    if (!Orientata(grandezza))
        return Intervallo{grandezza, 0, grandezza == &V::T2, Infinito, false};
    if (verso > 0)
        return Intervallo{grandezza, 0, false, Infinito, false};
    if (verso < 0)
        return Intervallo{grandezza, -Infinito, false, 0, false};
    return std::nullopt;
}

// A range of long doubles as a range of doubles: an end beyond the doubles is no end for a typed value.
Intervallo Limitato(Intervallo i) {
    if (i.Massimo > DBL_MAX) {
        i.Massimo = Infinito;
        i.MassimoIncluso = false;
    }
    if (i.Minimo < -DBL_MAX) {
        i.Minimo = -Infinito;
        i.MinimoIncluso = false;
    }
    return i;
}

// Nearer to 0 than a few rounding errors of the larger: the rounding of a difference that is 0.
bool Trascurabile(double valore, double riferimento) {
    return std::abs(valore) <= 16 * std::numeric_limits<double>::epsilon() * std::abs(riferimento);
}

} // namespace

bool Orientata(MembroMoto grandezza) {
    return grandezza != &V::T1 && grandezza != &V::T2 && grandezza != &V::Ttot;
}

bool Intervallo::Contiene(double valore) const {
    if (DiversoDaZero)
        return valore != 0 && !std::isnan(valore);
    const L v = valore;
    return (v > Minimo || (MinimoIncluso && v == Minimo)) &&
           (v < Massimo || (MassimoIncluso && v == Massimo));
}

std::vector<Violazione> VerificaMoto(const Velantra& moto, int verso) {
    std::vector<Violazione> violazioni;
    bool tuttoZero = true;
    for (const MembroMoto m : Membri)
        tuttoZero = tuttoZero && moto.*m == 0;
    if (tuttoZero)
        return violazioni;
    for (const double v : {double(verso), moto.Stot, moto.Vm, 1.0})
        if ((verso = Segno(v)) != 0)
            break;
    for (const MembroMoto m : Membri) {
        const double v = moto.*m;
        if (std::isnan(v))
            violazioni.push_back({m, Difetto::NonDefinito});
        else if (std::isinf(v))
            violazioni.push_back({m, Difetto::Infinito});
        else if (v == 0 && m != &V::T2 && m != &V::S2)
            violazioni.push_back({m, Difetto::Nullo});
        else if (Orientata(m) && Segno(v) == -verso)
            violazioni.push_back({m, verso > 0 ? Difetto::Negativo : Difetto::Positivo});
        else if (!Orientata(m) && v < 0)
            violazioni.push_back({m, Difetto::Negativo});
    }
    return violazioni;
}

void AzzeraRegimeTrascurabile(Velantra& moto) {
    if (moto.S2 != 0 || moto.T2 != 0)
        if (Trascurabile(moto.S2, moto.Stot) && Trascurabile(moto.T2, moto.Ttot))
            moto.S2 = moto.T2 = 0;
}

std::vector<Violazione> VerificaSoluzione(Risolutore risolutore, const Velantra& dati, Velantra* risolto) {
    const Regola* regola = RegolaDi(risolutore);
    if (!regola)
        return {};
    Velantra prova;
    for (const MembroMoto m : regola->ingressi)
        prova.*m = dati.*m;
    (prova.*risolutore)();
    if (prova.CalcoloOk)
        AzzeraRegimeTrascurabile(prova);
    if (risolto)
        *risolto = prova;
    std::vector<Violazione> violazioni = VerificaMoto(prova, Segno(dati.*regola->ingressi[0]));
    if (prova.CalcoloOk)
        return violazioni;
    // A failed solve stops at its first result that is not finite; the others were never computed.
    std::erase_if(violazioni, [](const Violazione& v) {
        return v.Tipo != Difetto::NonDefinito && v.Tipo != Difetto::Infinito;
    });
    // Only StTtA fails before storing: the square root of a negative number gives T1 no real value.
    if (violazioni.empty())
        violazioni.push_back({&V::T1, Difetto::NonDefinito});
    return violazioni;
}

Ammissibili IntervalloAmmesso(Risolutore risolutore, const Velantra& dati) {
    Ammissibili ammessi;
    const Regola* regola = RegolaDi(risolutore);
    if (!regola)
        return ammessi;
    const auto [primo, secondo, terzo] = regola->ingressi;
    const int verso = Segno(dati.*primo);
    ammessi.Verso = verso;
    if (verso == 0) {
        Intervallo nonNullo{primo};
        nonNullo.DiversoDaZero = true;
        ammessi.Dati.push_back(nonNullo);
    }
    if (const auto proprio = Proprio(secondo, verso); proprio && !proprio->Contiene(dati.*secondo))
        ammessi.Dati.push_back(*proprio);
    if (!ammessi.Dati.empty())
        return ammessi;
    // A backward motion is the mirror of a forward one: its quantities change sign, its times do not.
    const auto specchio = [verso](MembroMoto m, L v) { return Orientata(m) ? verso * v : v; };
    auto [minimo, minimoIncluso, massimo, massimoIncluso] =
        regola->estremi(specchio(primo, dati.*primo), specchio(secondo, dati.*secondo));
    if (Orientata(terzo) && verso < 0) {
        std::swap(minimo, massimo);
        std::swap(minimoIncluso, massimoIncluso);
        minimo = -minimo;
        massimo = -massimo;
    }
    // Ends that meet, or that no double reaches, leave no value to type.
    const bool vuoto = std::isnan(minimo) || std::isnan(massimo) || minimo > massimo || minimo > DBL_MAX ||
                       massimo < -DBL_MAX || (minimo == massimo && !(minimoIncluso && massimoIncluso));
    if (vuoto)
        return ammessi;
    ammessi.Ultimo = Limitato({terzo, minimo, minimoIncluso, massimo, massimoIncluso});
    ammessi.Esiste = ammessi.Ultimo->Contiene(dati.*terzo);
    return ammessi;
}

EstremoMostrato MostraEstremo(const Intervallo& intervallo, bool minimo, Risolutore risolutore,
                              const Velantra& dati, char separatore) {
    const L estremo = minimo ? intervallo.Minimo : intervallo.Massimo;
    const Arrotondamento dentro = minimo ? Arrotondamento::PerEccesso : Arrotondamento::PerDifetto;
    const double primo = InDouble(estremo, dentro);
    if (!(minimo ? intervallo.MinimoIncluso : intervallo.MassimoIncluso) && static_cast<L>(primo) == estremo)
        return {false, primo, TestoEsatto(primo, separatore)};
    const auto calcola = [&](double valore) {
        if (!intervallo.Contiene(valore))
            return false;
        if (!RegolaDi(risolutore))
            return true;
        Velantra prova = dati;
        prova.*intervallo.Grandezza = valore;
        return VerificaSoluzione(risolutore, prova).empty();
    };
    for (int cifre = 6; cifre <= 15; ++cifre) {
        const auto letto = LeggiNumero(TestoCifre(primo, cifre, '.', dentro), '.');
        if (letto && calcola(*letto))
            return {true, *letto, TestoCifre(primo, cifre, separatore, dentro)};
    }
    // Every short text fails: the doubles themselves, a few steps inward at most.
    double valore = primo;
    for (int passo = 0; passo < 64 && intervallo.Contiene(valore); ++passo) {
        if (calcola(valore))
            return {true, valore, TestoEsatto(valore, separatore)};
        valore = std::nextafter(valore, minimo ? DBL_MAX : -DBL_MAX);
    }
    return {true, primo, TestoEsatto(primo, separatore)};
}

std::optional<double> VelocitaTriangolare(Risolutore risolutore, const Velantra& dati) {
    const bool conA = risolutore == &V::StVmA, conT1 = risolutore == &V::StVmT1;
    const int verso = Segno(dati.Stot);
    const double terzo = conA ? dati.Acc : dati.T1;
    // Only where the typed Vm gives no motion: a Vm a rounding above the peak is the triangle already.
    if (!(conA || conT1) || verso == 0 || Segno(dati.Vm) != verso ||
        VerificaSoluzione(risolutore, dati).empty() || Segno(terzo) != (conA ? verso : 1) ||
        !std::isfinite(dati.Stot) || !std::isfinite(dati.Vm) || !std::isfinite(terzo))
        return std::nullopt;
    const L stot = dati.Stot, vm = dati.Vm;
    L picco = 0;
    if (conA && terzo * stot < vm * vm)
        picco = verso * std::sqrt(terzo * stot);
    else if (conT1 && std::abs(vm * terzo) > std::abs(stot))
        picco = stot / terzo;
    const double arrotondato = static_cast<double>(picco);
    if (arrotondato == 0 || !std::isfinite(arrotondato))
        return std::nullopt;
    return arrotondato;
}
