#pragma once

// A list of motors of the user's own, read from CSV, and those motors ranked for a sized axis. The
// catalogue is RFC 4180 (fields in double quotes where they hold a comma, a quote or a line break, a
// quote doubled inside; CRLF or LF) with period decimals, or the regional form with `;` between fields
// and a decimal comma; SI units, giri/min for a shaft's speed, m/sec for a linear motor's. Its header
// says its kind. Standard library only; texts are UTF-8.

#include "DatiMotore.h"
#include "Dimensionamento.h"
#include "GiudizioMotore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* IntestazioneCatalogo =
    "nome,coppia_nominale,coppia_massima,velocita_massima,inerzia";
inline constexpr const char* IntestazioneCatalogoLineare =
    "nome,forza_nominale,forza_massima,velocita_massima";

struct MotoreCatalogo {
    std::string Nome;   // as written, unquoted
    int Riga = 0;       // the line it starts on, the header being line 1
    DatiMotore Dati;    // its kind's three values, all given
    double Inerzia = 0; // kg·m², of a motor with a shaft
};

struct RigaScartata {
    int Riga = 0;
    std::string Motivo; // in Italian
};

struct Catalogo {
    bool Lineare = false;
    bool Regionale = false;
    std::vector<MotoreCatalogo> Motori; // in the file's order
    std::vector<RigaScartata> Scartate; // the lines that could not be read, in the file's order
};

struct EsitoCatalogo {
    std::optional<Catalogo> Letto;
    std::string Motivo; // why the text is no catalogue; empty when read
};

// Reads a catalogue. A line that cannot be read is kept aside with its number and reason, the others
// read; blank lines are skipped. A text without a header of either kind in either form, or with no
// line after it, is refused with the reason.
EsitoCatalogo LeggiCatalogo(std::string_view testo);

struct VoceClassifica {
    std::string Nome;
    int Riga = 0;
    double Nominale = 0;                    // N·m, N for a linear motor: the order within each group
    std::optional<GiudizioMotore> Giudizio; // none when the axis with this motor is beyond the doubles
    bool Adatto() const { return Giudizio && Giudizio->Adatto(); }
};

struct Classifica {
    bool Diretta = false;
    // The motors that pass every check first, then the others; each group by rated torque (force),
    // smallest first, ties in the file's order.
    std::vector<VoceClassifica> Voci;
    std::vector<RigaScartata> Scartate;
};

struct EsitoClassifica {
    std::optional<Classifica> Fatta;
    std::string Motivo; // why there is none
};

// Checks each motor of the catalogue on the axis and ratio as typed, each with its own inertia. A
// catalogue of the other kind, or an axis that cannot be sized, is refused with the reason.
EsitoClassifica ClassificaMotori(const Catalogo& catalogo, const Velantra& Moto, const DatiAsse& asse);

// Why a motor is not suitable (its first limit exceeded); for a suitable one the inertia ratio's
// warning or the lack of the motor's inertia, else empty.
std::string MotivoVoce(const VoceClassifica& voce, char separatore);

// The ranking as tab-separated lines ending in LF: a header; per motor its name, "adatto" or
// "non adatto", the shares in % of its limits and (with a shaft) the inertia ratio, the reason; then per
// unreadable line `riga N` and its reason. Period decimals, 6 significant digits; blank for what is not
// known. Tabs and line breaks in a name become blanks.
std::string TestoClassifica(const Classifica& classifica);
