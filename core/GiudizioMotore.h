#pragma once

// Whether a motor suits a sized axis: each limit the user gives against what the axis asks, with the
// share used, the inertia ratio, and the one verdict line. Standard library only; texts are UTF-8.

#include "DatiMotore.h"
#include "Dimensionamento.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

enum LimiteMotore { LimiteEfficace, LimitePicco, LimiteVelocita, NumeroLimitiMotore };

// The words of one limit.
struct NomiLimite {
    const char* Richiesta; // the figure the axis asks, as the sizing names it
    const char* Limite;    // the motor's value, as CampiMotore labels it
    const char* Unita;     // of both
    const char* Superato;  // the verdict line's words: "coppia efficace" 112 % "della nominale"
    const char* DelLimite;
};
// For a drive with a shaft ([0]) and for a linear motor ([1]), in LimiteMotore order.
inline constexpr std::array<std::array<NomiLimite, NumeroLimitiMotore>, 2> NomiLimiti{{
    {{{"Coppia efficace", "Coppia nominale", "N·m", "coppia efficace", "della nominale"},
      {"Coppia di picco", "Coppia massima", "N·m", "coppia di picco", "della massima"},
      {"Velocità massima motore", "Velocità massima", "giri/min", "velocità", "della massima"}}},
    {{{"Forza efficace", "Forza nominale", "N", "forza efficace", "della nominale"},
      {"Forza di picco", "Forza massima", "N", "forza di picco", "della massima"},
      {"Velocità massima motore", "Velocità massima", "m/sec", "velocità", "della massima"}}},
}};

inline constexpr double RapportoInerziaConsigliato = 10;
inline constexpr const char* NomeRapportoInerzia = "Rapporto d'inerzia";
inline constexpr const char* NotaRapportoInerzia = "consigliato fino a 10";
// Shown instead of the note above it (a warning, not a failure).
inline constexpr const char* AvvisoRapportoInerzia =
    "oltre il consigliato: la regolazione può risultare difficile";
// Shown instead of the ratio while the motor's inertia is 0.
inline constexpr const char* TestoSenzaInerzia = "richiede l'inerzia del motore";
inline constexpr const char* NomeInerziaCarico = "Inerzia del carico riferita al motore"; // kg·m²
inline constexpr const char* TestoMotoreAdatto = "Motore adatto";
inline constexpr const char* TestoMotoreNonAdatto = "Motore non adatto:";

struct VerificaLimite {
    double Richiesta = 0;         // what the axis asks
    double Limite = NessunValore; // the motor's; NessunValore when not given
    double Quota = NessunValore;  // Richiesta in % of Limite
    bool Dato() const { return !std::isnan(Limite); }
    // Beyond the limit by more than the rounding of the arithmetic (a part in 10^12): a motor turning
    // exactly at its maximum speed holds. Never when not given.
    bool Superato() const { return Richiesta > Limite * (1 + 1e-12); }
};

struct GiudizioMotore {
    bool Diretta = false;
    std::array<VerificaLimite, NumeroLimitiMotore> Limiti{};
    // What the motor moves besides itself: the transmission's inertia and the mass seen at the motor
    // (m / k²), kg·m²; 0 for a linear motor.
    double InerziaCarico = 0;
    // InerziaCarico over the motor's inertia; NessunValore for a linear motor or while that inertia is 0.
    double RapportoInerzia = NessunValore;

    bool Adatto() const; // no limit given is exceeded; the inertia ratio only warns
    bool InerziaOltreConsiglio() const { return RapportoInerzia > RapportoInerziaConsigliato; }
};

// The verdicts of a motor on the sizing `r` of the axis `asse` (whose InerziaMotore is the motor's).
GiudizioMotore GiudicaMotore(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore);

// The share of a limit given, in % with `cifre` significant digits as the sizing's figures are written
// ("75,1" with 3), the number alone; an exceeded limit never reads 100, however close (more digits instead:
// "100,04").
std::string TestoQuota(const VerificaLimite& verifica, int cifre, char separatore);

// "Motore adatto", or "Motore non adatto: " and each limit exceeded with its share, in LimiteMotore
// order: "Motore non adatto: coppia efficace 112 % della nominale, velocità 150 % della massima".
std::string RigaGiudizio(const GiudizioMotore& giudizio, char separatore);
// The first limit exceeded, as the verdict line words it ("coppia efficace 112 % della nominale"), or
// nothing when the motor suits the axis.
std::optional<std::string> PrimoSuperamento(const GiudizioMotore& giudizio, char separatore);
