#include "PianoCoppiaVelocita.h"

PianoCoppiaVelocita PianoDiLavoro(const Dimensionamento& r, const DatiMotore& motore) {
    PianoCoppiaVelocita piano;
    piano.Diretta = r.Diretta;
    const double velocita = r.Diretta ? r.VelocitaAsse : r.VelocitaMotore;
    const double verso = r.Fasi[FaseAccelerazione].Accelerazione < 0 ? -1 : 1;
    const std::array<std::array<double, 2>, NumeroFasiAsse> velocitaFasi{
        {{0, velocita}, {velocita, velocita}, {velocita, 0}, {0, 0}}};
    for (int i = 0; i < NumeroFasiAsse; ++i) {
        const ValoriFase& f = r.Fasi[i];
        const double coppia = verso * (r.Diretta ? f.Forza : f.Coppia);
        piano.Tratti[i] = {
            f.Durata > 0 || i == FaseSosta, {velocitaFasi[i][0], coppia}, {velocitaFasi[i][1], coppia}};
    }
    // The distance Vm·(T1 + T2) over the cycle's time.
    const double media =
        velocita * ((r.Fasi[FaseAccelerazione].Durata + r.Fasi[FaseRegime].Durata) / r.Ciclo());
    piano.Efficace = {media, r.Diretta ? r.ForzaEfficace : r.CoppiaEfficace};
    piano.CoppiaNominale = r.Diretta ? motore.ForzaNominale : motore.CoppiaNominale;
    piano.CoppiaMassima = r.Diretta ? motore.ForzaMassima : motore.CoppiaMassima;
    piano.VelocitaMassima = motore.VelocitaMassima;
    return piano;
}
