#include "VerificaMoto.h"

#include <array>
#include <cmath>

namespace {

using V = Velantra;
constexpr double Infinito = std::numeric_limits<double>::infinity();

constexpr std::array<MembroMoto, 8> Membri = {&V::S1, &V::S2,   &V::Stot, &V::T1,
                                              &V::T2, &V::Ttot, &V::Acc,  &V::Vm};

struct Estremi {
    double minimo;
    bool minimoIncluso;
    double massimo;
    bool massimoIncluso;
};

constexpr Estremi Da(double minimo, bool incluso) { // from minimo up
    return {minimo, incluso, Infinito, false};
}
constexpr Estremi Fino(double massimo) { // above 0, up to massimo included
    return {0, false, massimo, true};
}

// Each solver with its inputs and the range of the third given the first two, both within their own
// range. The motion exists when T1 > 0 and T2, S2 >= 0; the other quantities follow.
struct Regola {
    Risolutore risolutore;
    std::array<MembroMoto, 3> ingressi;
    Estremi (*estremi)(double a, double b);
};

constexpr Regola Regole[] = {
    // T1 = Stot/Vm - T2 > 0
    {&V::VmT2St, {&V::Vm, &V::T2, &V::Stot}, [](double Vm, double T2) { return Da(Vm * T2, false); }},
    // T2 = 2 Stot/Vm - Ttot >= 0, T1 = Ttot - Stot/Vm > 0
    {&V::VmTtSt,
     {&V::Vm, &V::Ttot, &V::Stot},
     [](double Vm, double Ttot) {
         return Estremi{Vm * Ttot / 2, true, Vm * Ttot, false};
     }},
    // T2 = Ttot - 2 T1 >= 0
    {&V::VmTtT1, {&V::Vm, &V::Ttot, &V::T1}, [](double, double Ttot) { return Fino(Ttot / 2); }},
    // T2 = Ttot - 2 Vm/A >= 0
    {&V::VmTtA, {&V::Vm, &V::Ttot, &V::Acc}, [](double Vm, double Ttot) { return Da(2 * Vm / Ttot, true); }},
    // T2 = Ttot - 4 S1/Vm >= 0
    {&V::VmTtS1, {&V::Vm, &V::Ttot, &V::S1}, [](double Vm, double Ttot) { return Fino(Vm * Ttot / 4); }},
    // S2 = Stot - T1 Vm >= 0
    {&V::StVmT1, {&V::Stot, &V::Vm, &V::T1}, [](double Stot, double Vm) { return Fino(Stot / Vm); }},
    // S2 = Stot - Vm^2/A >= 0
    {&V::StVmA, {&V::Stot, &V::Vm, &V::Acc}, [](double Stot, double Vm) { return Da(Vm * Vm / Stot, true); }},
    // S2 = Stot - 2 S1 >= 0
    {&V::StVmS1, {&V::Stot, &V::Vm, &V::S1}, [](double Stot, double) { return Fino(Stot / 2); }},
    // T2 = Ttot - 2 T1 >= 0
    {&V::StTtT1, {&V::Stot, &V::Ttot, &V::T1}, [](double, double Ttot) { return Fino(Ttot / 2); }},
    // a real root: A Ttot^2 >= 4 Stot (equal: the triangle)
    {&V::StTtA,
     {&V::Stot, &V::Ttot, &V::Acc},
     [](double Stot, double Ttot) { return Da(4 * Stot / (Ttot * Ttot), true); }},
    // S2 = Stot - 2 S1 >= 0
    {&V::StTtS1, {&V::Stot, &V::Ttot, &V::S1}, [](double Stot, double) { return Fino(Stot / 2); }},
};

const Regola* RegolaDi(Risolutore risolutore) {
    for (const Regola& r : Regole)
        if (r.risolutore == risolutore)
            return &r;
    return nullptr;
}

// A given input alone: every quantity is positive in a motion, except T2, which is 0 in a triangle.
Intervallo Proprio(MembroMoto grandezza) {
    return {grandezza, 0, grandezza == &V::T2, Infinito, false};
}

} // namespace

bool Intervallo::Contiene(double valore) const {
    return (valore > Minimo || (MinimoIncluso && valore == Minimo)) &&
           (valore < Massimo || (MassimoIncluso && valore == Massimo));
}

std::vector<Violazione> VerificaMoto(const Velantra& moto) {
    std::vector<Violazione> violazioni;
    bool tuttoZero = true;
    for (const MembroMoto m : Membri)
        tuttoZero = tuttoZero && moto.*m == 0;
    if (tuttoZero)
        return violazioni;
    for (const MembroMoto m : Membri) {
        const double v = moto.*m;
        if (std::isnan(v))
            violazioni.push_back({m, Difetto::NonDefinito});
        else if (std::isinf(v))
            violazioni.push_back({m, Difetto::Infinito});
        else if (v < 0)
            violazioni.push_back({m, Difetto::Negativo});
        else if (v == 0 && (m == &V::T1 || m == &V::Stot))
            violazioni.push_back({m, Difetto::Nullo});
    }
    return violazioni;
}

std::vector<Violazione> VerificaSoluzione(Risolutore risolutore, const Velantra& dati) {
    const Regola* regola = RegolaDi(risolutore);
    if (!regola)
        return {};
    Velantra prova;
    for (const MembroMoto m : regola->ingressi)
        prova.*m = dati.*m;
    (prova.*risolutore)();
    std::vector<Violazione> violazioni = VerificaMoto(prova);
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
    for (int i = 0; i < 2; ++i) {
        const Intervallo proprio = Proprio(regola->ingressi[i]);
        if (!proprio.Contiene(dati.*proprio.Grandezza))
            ammessi.Dati.push_back(proprio);
    }
    if (!ammessi.Dati.empty())
        return ammessi;
    const auto [minimo, minimoIncluso, massimo, massimoIncluso] =
        regola->estremi(dati.*regola->ingressi[0], dati.*regola->ingressi[1]);
    // Ends beyond the double range, or that meet, leave no value to type.
    const bool vuoto = !std::isfinite(minimo) || std::isnan(massimo) || minimo > massimo ||
                       (minimo == massimo && !(minimoIncluso && massimoIncluso));
    if (!vuoto)
        ammessi.Ultimo = Intervallo{regola->ingressi[2], minimo, minimoIncluso, massimo, massimoIncluso};
    return ammessi;
}
