#pragma once

// The motor chosen for an axis, as far as the user gives it: its limits, each optional. A motor with a
// shaft is rated in torque and turns per minute, a linear motor (Trasmissione::Diretta) in force and
// metres per second. Its inertia is DatiAsse::InerziaMotore. Standard library only; texts are UTF-8.

#include "Dimensionamento.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct DatiMotore {
    double CoppiaNominale = NessunValore; // N·m, continuous
    double CoppiaMassima = NessunValore;  // N·m, peak
    double ForzaNominale = NessunValore;  // N, continuous, of a linear motor
    double ForzaMassima = NessunValore;   // N, peak, of a linear motor
    // giri/min; m/sec for a linear motor (one key in the document, its unit that of the axis)
    double VelocitaMassima = NessunValore;
};

// Equal field by field; a value not given equals only another not given.
bool StessiDati(const DatiMotore& a, const DatiMotore& b);

// One value of the motor: its key in the document and the catalogue, its label and unit on screen, and
// the kinds of transmission it applies to (bits as CampoAsse::Trasmissioni). Every value given must be
// a finite number above 0.
struct CampoMotore {
    const char* Chiave;
    const char* Etichetta;
    const char* Unita;
    double DatiMotore::*Membro;
    uint8_t Trasmissioni;
};

namespace campi_motore {
inline constexpr uint8_t ConAlbero = 3, Diretta = 4;
} // namespace campi_motore

// The three that apply to a drive with a shaft, then the three of a linear motor, in the order shown.
inline constexpr std::array<CampoMotore, 6> CampiMotore{{
    {"coppia_nominale", "Coppia nominale", "N·m", &DatiMotore::CoppiaNominale, campi_motore::ConAlbero},
    {"coppia_massima", "Coppia massima", "N·m", &DatiMotore::CoppiaMassima, campi_motore::ConAlbero},
    {"velocita_massima", "Velocità massima", "giri/min", &DatiMotore::VelocitaMassima,
     campi_motore::ConAlbero},
    {"forza_nominale", "Forza nominale", "N", &DatiMotore::ForzaNominale, campi_motore::Diretta},
    {"forza_massima", "Forza massima", "N", &DatiMotore::ForzaMassima, campi_motore::Diretta},
    {"velocita_massima", "Velocità massima", "m/sec", &DatiMotore::VelocitaMassima, campi_motore::Diretta},
}};

inline bool Applicabile(const CampoMotore& campo, Trasmissione tipo) {
    return campo.Trasmissioni & (1u << static_cast<unsigned>(tipo));
}
// The index of the first field with this key, or -1 (velocita_massima: both rows hold one member).
int IndiceCampoMotore(std::string_view chiave);

// What is wrong with a value of a motor field, in the words of DifettoValore, or nothing.
std::optional<std::string> DifettoValore(const CampoMotore& campo, double valore);

// The first field, in table order, whose value is given and wrong (even where it does not apply): its
// index in CampiMotore and the reason.
std::optional<std::pair<int, std::string>> ControllaMotore(const DatiMotore& dati);

// True when a value that applies to this transmission is given: then the sizing shows the verdicts.
bool MotoreDato(const DatiMotore& dati, Trasmissione tipo);
