#pragma once

// Sizing the drive of an axis from its motion: the data of the axis (mass, transmission, efficiency,
// friction, slope, external force, inertias, dwell), the checks on each value, and the law that gives
// force and motor torque in each phase, the motor speed and power, and their peak and RMS figures.
// Standard library only; texts are UTF-8.

#include "Velantra.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

inline constexpr double Gravita = 9.80665; // m/s²
// A value the user has not given (only the three without a default can lack one).
inline constexpr double NessunValore = std::numeric_limits<double>::quiet_NaN();

// Ball screw; belt or rack and pinion; linear motor (no motor shaft: forces only).
enum class Trasmissione : uint8_t { Vite, Cinghia, Diretta };
inline constexpr std::array<const char*, 3> NomiTrasmissione{"vite", "cinghia", "diretta"};
std::optional<Trasmissione> LeggiTrasmissione(std::string_view nome);

struct DatiAsse {
    double Massa = NessunValore; // kg
    Trasmissione Tipo = Trasmissione::Vite;
    double Passo = NessunValore;    // m per screw turn
    double Diametro = NessunValore; // m, of the pulley or pinion
    double Rapporto = 1;            // motor turns per screw or pulley turn
    double Rendimento = 1;
    double Attrito = 0;             // friction coefficient
    double Inclinazione = 0;        // degrees, 90 = vertical, moving up
    double Forza = 0;               // N, external force against the motion
    double InerziaMotore = 0;       // kg·m²
    double InerziaTrasmissione = 0; // kg·m², referred to the motor
    double Sosta = 0;               // s, at rest after the motion
};

// Equal field by field; a value not given equals only another not given.
bool StessiDati(const DatiAsse& a, const DatiAsse& b);

// One value of the sizing data: its key in the document, its label and unit on screen, and its rule.
// A field without a default (the member's initial value is NessunValore) is required where it applies.
struct CampoAsse {
    const char* Chiave;
    const char* Etichetta;
    const char* Unita;
    double DatiAsse::*Membro; // nullptr for the transmission, which is a word
    double Minimo;
    bool MinimoIncluso;
    double Massimo;
    bool MassimoIncluso;
    uint8_t Trasmissioni; // bit 1 << Trasmissione of each kind it applies to
};

namespace campi_asse {
inline constexpr uint8_t Tutte = 7, ConAlbero = 3, Vite = 1, Cinghia = 2;
inline constexpr double Infinito = std::numeric_limits<double>::infinity();
} // namespace campi_asse

inline constexpr int NumeroCampiAsse = 12;
inline constexpr std::array<CampoAsse, NumeroCampiAsse> CampiAsse{{
    {"massa", "Massa in movimento", "kg", &DatiAsse::Massa, 0, false, campi_asse::Infinito, false,
     campi_asse::Tutte},
    {"trasmissione", "Trasmissione", "", nullptr, 0, true, 0, true, campi_asse::Tutte},
    {"passo", "Passo della vite", "m/giro", &DatiAsse::Passo, 0, false, campi_asse::Infinito, false,
     campi_asse::Vite},
    {"diametro", "Diametro della puleggia o del pignone", "m", &DatiAsse::Diametro, 0, false,
     campi_asse::Infinito, false, campi_asse::Cinghia},
    {"rapporto", "Rapporto di riduzione (giri motore per giro)", "", &DatiAsse::Rapporto, 0, false,
     campi_asse::Infinito, false, campi_asse::ConAlbero},
    {"rendimento", "Rendimento", "", &DatiAsse::Rendimento, 0, false, 1, true, campi_asse::ConAlbero},
    {"attrito", "Coefficiente d'attrito", "", &DatiAsse::Attrito, 0, true, campi_asse::Infinito, false,
     campi_asse::Tutte},
    {"inclinazione", "Inclinazione dell'asse (90 = verticale, in salita)", "°", &DatiAsse::Inclinazione, -90,
     true, 90, true, campi_asse::Tutte},
    {"forza", "Forza esterna resistente", "N", &DatiAsse::Forza, 0, true, campi_asse::Infinito, false,
     campi_asse::Tutte},
    {"inerzia_motore", "Inerzia del motore", "kg·m²", &DatiAsse::InerziaMotore, 0, true, campi_asse::Infinito,
     false, campi_asse::ConAlbero},
    {"inerzia_trasmissione", "Inerzia della trasmissione, riferita al motore", "kg·m²",
     &DatiAsse::InerziaTrasmissione, 0, true, campi_asse::Infinito, false, campi_asse::ConAlbero},
    {"sosta", "Sosta dopo il moto", "s", &DatiAsse::Sosta, 0, true, campi_asse::Infinito, false,
     campi_asse::Tutte},
}};

inline bool Applicabile(const CampoAsse& campo, Trasmissione tipo) {
    return campo.Trasmissioni & (1u << static_cast<unsigned>(tipo));
}
bool Obbligatorio(const CampoAsse& campo);
// The index of the field with this key, or -1.
int IndiceCampoAsse(std::string_view chiave);

// What is wrong with a value of a numeric field ("deve essere maggiore di 0"), or nothing.
std::optional<std::string> DifettoValore(const CampoAsse& campo, double valore);

struct DifettoAsse {
    int Campo;          // index in CampiAsse
    bool Mancante;      // a required value not given
    std::string Motivo; // for a value given: what is wrong with it
};
// The first field, in table order, that lacks a required value or holds one out of its range (every
// value given is checked, even where it does not apply); nothing when the data is complete.
std::optional<DifettoAsse> ControllaAsse(const DatiAsse& dati);

enum FaseAsse { FaseAccelerazione, FaseRegime, FaseDecelerazione, FaseSosta, NumeroFasiAsse };

struct ValoriFase {
    double Durata = 0;        // s
    double Accelerazione = 0; // m/s²
    double Forza = 0;         // N, along the axis, positive in the axis' positive direction
    double Coppia = 0;        // N·m at the motor, 0 for a direct drive
    // The torque's two parts: the inertias on the motor side (grows with the ratio) and the load
    // (shrinks with it); Coppia is their sum.
    double CoppiaInerzia = 0, CoppiaCarico = 0; // N·m
};

struct Dimensionamento {
    bool Diretta = false;
    double Costante = 0; // k, motor radians per metre (0 for a direct drive)
    std::array<ValoriFase, NumeroFasiAsse> Fasi{};
    double ForzaPicco = 0;       // N
    double ForzaEfficace = 0;    // N, RMS over motion and dwell
    double CoppiaPicco = 0;      // N·m
    double CoppiaEfficace = 0;   // N·m
    double VelocitaMotore = 0;   // giri/min, maximum
    double VelocitaAsse = 0;     // m/sec, the largest speed along the axis
    double PotenzaPicco = 0;     // W, the largest C·ω (F·v for a direct drive) over the motion
    double PotenzaFrenatura = 0; // W, the largest -C·ω (-F·v): what flows back from the load
    // Without a dwell the holding at rest, though it counts in the peaks (the axis is shown held at the
    // end of the motion), lasts no time and leaves the RMS figures: a window says so beside them.
    bool TenutaEsclusa = false;

    double Ciclo() const {
        return 2 * Fasi[FaseAccelerazione].Durata + Fasi[FaseRegime].Durata + Fasi[FaseSosta].Durata;
    }
    // At time t of the cycle: the value of the phase that starts at t; before 0 and from the end of the
    // motion on, that of the dwell (the axis at rest, held).
    double ForzaA(double t) const { return Fasi[FaseA(t)].Forza; }
    double CoppiaA(double t) const { return Fasi[FaseA(t)].Coppia; }
    FaseAsse FaseA(double t) const;
};

// The drive's law at one instant: the force along the axis, the motor torque and the power C·ω the
// motor gives (negative where the load drives the motor), for the load's acceleration and speed along
// the axis. Moving, friction and the external force resist the motion, whose direction is `verso`
// (1 forward, -1 backward), and the efficiency costs the motor when it drives the load and spares it
// when the load drives it. At rest the axis is held: the weight alone, the holding taken as ideal.
struct IstanteAsse {
    double Forza = 0;   // N
    double Coppia = 0;  // N·m, 0 for a direct drive
    double Potenza = 0; // W, C·ω (F·v for a direct drive)
    // Coppia = CoppiaInerzia + CoppiaCarico: J·k·a, and the load's force through the transmission.
    double CoppiaInerzia = 0, CoppiaCarico = 0; // N·m
};
class LeggeAsse {
public:
    // Nothing when the data is incomplete or out of range.
    static std::optional<LeggeAsse> Da(const DatiAsse& dati);
    IstanteAsse InMoto(double accelerazione, double velocita, int verso) const;
    IstanteAsse Fermo() const;
    bool Diretta() const { return k == 0; }
    double Costante() const { return k; } // motor radians per metre, 0 for a direct drive

private:
    double m = 0, k = 0, eta = 1, inerzia = 0, peso = 0, resistenza = 0;
    IstanteAsse Istante(double forza, double accelerazione, double velocita, int verso) const;
};

// The sizing of a motion taken from T1, T2 and Vm of the record (acceleration Vm / T1), in either
// direction. The peaks cover every instant of the cycle, the holding at rest included; the RMS figures
// the cycle's time. Nothing when the record is no motion (T1 not positive, T2 negative, Vm zero,
// anything not finite), the data is incomplete or out of range, a figure lies beyond the doubles, or the
// cycle is so long that the motion's share of it is lost to them.
std::optional<Dimensionamento> Dimensiona(const Velantra& Moto, const DatiAsse& dati);

// Peak and RMS motor torque of a sizing if the reduction ratio were `scala` times the one typed, the
// inertias kept as typed (referred to the motor): each phase's torque is CoppiaInerzia·scala +
// CoppiaCarico/scala. At scala 1, the sizing's own figures.
struct CoppieAsse {
    double Picco = 0, Efficace = 0; // N·m
};
CoppieAsse CoppieConScala(const Dimensionamento& r, double scala);

// The figures of the sizing, in the order they are shown and reported; the torque, speed and power
// ones only for a drive with a motor shaft.
struct CifraAsse {
    const char* Nome;
    const char* Unita;
    double Dimensionamento::*Membro;
    bool AncheDiretta;
};
inline constexpr std::array<CifraAsse, 6> CifreAsse{{
    {"Forza di picco", "N", &Dimensionamento::ForzaPicco, true},
    {"Forza efficace", "N", &Dimensionamento::ForzaEfficace, true},
    {"Coppia di picco", "N·m", &Dimensionamento::CoppiaPicco, false},
    {"Coppia efficace", "N·m", &Dimensionamento::CoppiaEfficace, false},
    {"Velocità massima motore", "giri/min", &Dimensionamento::VelocitaMotore, false},
    {"Potenza di picco", "W", &Dimensionamento::PotenzaPicco, false},
}};
// Shown beside the peak power by the windows that list it.
inline constexpr CifraAsse CifraFrenatura{"Potenza di frenatura", "W", &Dimensionamento::PotenzaFrenatura,
                                          true};
inline constexpr const char* TestoTenutaEsclusa =
    "senza sosta: la tenuta da fermo non entra nel valore efficace";
inline constexpr std::array<const char*, NumeroFasiAsse> NomiFasiAsse{"accelerazione", "regime",
                                                                      "decelerazione", "sosta"};

// A figure for the user: `cifre` significant digits, no thousands separator, exponent form only where
// the fixed one would need more digits; "0" for zero of either sign.
std::string TestoCifre(double valore, int cifre, char separatore);
