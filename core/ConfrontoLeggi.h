#pragma once

// The laws of motion compared: for a calculated motion, its stroke Stot and time Ttot run by ten laws,
// rest to rest, in the motion's direction (a negative Stot runs every law backward), each row with its
// time, peaks and RMS acceleration and, for a sized axis, the drive's figures under that law.
//
// Rows, in this order (IndiceLegge):
//   the calculated trapezoid itself, with its T1/Ttot; the trapezoid of thirds; the triangle; the
//   harmonic, cycloidal, 3-4-5 and 4-5-6-7 laws; the modified trapezoid and modified sine (LeggiCamma.h);
//   all over Stot in Ttot. Last the jerk-limited profile (ProfiloJerk.h): the fastest move over Stot
//   within the motion's |Vm| and |Acc| and a jerk J, in a time of its own.
//
// Columns: the law's name, Ttot [sec], Vmax [m/sec], Amax [m/sec^2], Jmax [m/sec^3] (unbounded where
// the acceleration jumps: shown as TestoIllimitato, written `inf` in a CSV), Aeff [m/sec^2] (RMS over
// the law's own Ttot). With sizing data, three more (CifreLegge.h): the peak torque, the RMS torque over
// the law's Ttot plus the dwell, and the peak power C·ω; for a direct drive (no motor shaft) the peak
// force, the RMS force and the peak power F·v take their place, under the headers of ColonneForza.
//
// Three rows are marked: the least Amax, the least finite Jmax and, when sized, the least RMS torque
// (force for a direct drive). A value within 1e-12 of the least counts as the least; the first such
// row in table order is marked.
//
// Standard library only; texts are UTF-8.

#include "CifreLegge.h"
#include "Dimensionamento.h"
#include "LeggePerTratti.h"
#include "ProfiloJerk.h"
#include "Velantra.h"

#include <array>
#include <optional>
#include <string>

enum IndiceLegge {
    LeggeTrapezioMoto,
    LeggeTrapezioTerzi,
    LeggeTriangolare,
    LeggeArmonica,
    LeggeCicloidale,
    LeggePolinomiale345,
    LeggePolinomiale4567,
    LeggeTrapezioModificato,
    LeggeSinusoideModificata,
    LeggeJerkLimitato,
    NumeroLeggi
};

inline constexpr std::array<const char*, NumeroLeggi> NomiLeggi{"Trapezio (questo moto)",
                                                                "Trapezio 1/3-1/3-1/3",
                                                                "Triangolare",
                                                                "Armonica",
                                                                "Cicloidale",
                                                                "Polinomiale 3-4-5",
                                                                "Polinomiale 4-5-6-7",
                                                                "Trapezio modificato",
                                                                "Sinusoide modificata",
                                                                "Jerk limitato"};

// Headers of the columns, in order: always ColonneLeggi, then for a sized axis ColonneCoppia, or
// ColonneForza for a direct drive. Joined by commas they make a CSV's header line.
inline constexpr std::array<const char*, 6> ColonneLeggi{
    "Legge", "Ttot [sec]", "Vmax [m/sec]", "Amax [m/sec^2]", "Jmax [m/sec^3]", "Aeff [m/sec^2]"};
inline constexpr std::array<const char*, 3> ColonneCoppia{"Coppia di picco [N·m]", "Coppia efficace [N·m]",
                                                          "Potenza di picco [W]"};
inline constexpr std::array<const char*, 3> ColonneForza{"Forza di picco [N]", "Forza efficace [N]",
                                                         "Potenza di picco [W]"};
inline constexpr const char* TestoIllimitato = "illimitato";

// Why there is no table.
inline constexpr const char* MessaggioNessunMoto =
    "Per confrontare le leggi di moto serve un moto calcolato valido";
inline constexpr const char* MessaggioJerk = "Il jerk J deve essere un numero finito maggiore di 0";
inline constexpr const char* MessaggioDatiAsse =
    "I dati del dimensionamento sono incompleti o fuori dai limiti";
inline constexpr const char* MessaggioFuoriIntervallo =
    "I valori delle leggi di moto per questo moto sono fuori dall'intervallo dei numeri ammessi";

struct RigaLegge {
    LeggePerTratti Legge; // Durata() is the row's Ttot, Picchi() its Vmax, Amax, Jmax and Aeff
    CifreLegge Asse;      // the sizing columns, when the table is sized
};

struct ConfrontoLeggi {
    std::array<RigaLegge, NumeroLeggi> Righe;
    ProfiloJerk Jerk; // the jerk-limited row's case and phase times
    bool Dimensionato = false;
    bool Diretta = false; // sized for a direct drive: the sizing columns are forces
    int MinimaAmax = 0;
    int MinimaJmax = 0;
    int MinimaEfficace = -1; // -1 when not sized
};

struct EsitoConfronto {
    std::optional<ConfrontoLeggi> Confronto;
    std::string Motivo; // one of the messages above when there is no table
};

// The jerk that makes the jerk phase a quarter of T1: 4·|Acc|/T1.
double JerkPredefinito(const Velantra& moto);

// The table for a solved record that is a motion (VerificaMoto, with Stot not 0), the sizing data if
// any, and the jerk J of the last row. Refused, with the reason: a record that is no motion, a J that
// is not a finite number above 0, sizing data that is incomplete or out of range, a figure beyond the
// doubles or one that would read 0 where it is not (a motion too small or too large for the laws).
EsitoConfronto ConfrontaLeggi(const Velantra& moto, const std::optional<DatiAsse>& asse, double jerk);
