#pragma once

// The simulation document (*.vla): one line of nine values separated by commas, CRLF-terminated:
// the combination index, then S1, S2, Stot, T1, T2, Ttot, Vm, Acc (Vm before Acc) in list form.
// A simulation with sizing data, a motor or a jerk of its own adds a second line of `chiave=valore`
// pairs separated by commas (ASCII, period decimals, each number in the shortest text that reads back
// exactly): the sizing data, then the motor's values given (CampiMotore, which need the sizing data),
// then `jerk`. A reader takes the first `=` after the ninth value as their start, so a document
// without pairs reads as ever.

#include "DatiMotore.h"
#include "Dimensionamento.h"
#include "Velantra.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct DatiDocumento {
    int16_t Sistema = -1;
    Velantra Moto; // the eight quantities; CalcoloOk is not stored
    std::optional<DatiAsse> Asse;
    std::optional<DatiMotore> Motore; // only with Asse
    std::optional<double> Jerk;       // m/sec³, when the user set one: a finite number above 0
};

inline constexpr const char* ChiaveJerk = "jerk";

// The document text, or nothing when a quantity is not finite, the sizing data is incomplete or out of
// range, a motor value given is out of range, a motor comes without sizing data, or the jerk is not a
// finite number above 0 (no reader could take it back). Of the sizing data and the motor, the values
// that apply to the transmission are written; a simulation with none of them writes the one line.
std::optional<std::string> ScriviDocumento(const DatiDocumento& dati);
std::optional<std::string> ScriviDocumento(int16_t Sistema, const Velantra& Moto,
                                           const std::optional<DatiAsse>& Asse = std::nullopt);

struct EsitoLettura {
    std::optional<DatiDocumento> dati;
    std::string motivo; // why the text is not a document, in Italian (UTF-8); empty when read
};

// Reads a whole document: nine values separated by commas, blanks or line breaks, blanks around a
// value ignored, numbers in any form the writer produces. An empty value, a text that is not a
// number or is beyond the double range, fewer or more than nine values, or an index that is not a whole
// number in the 16-bit range are refused with the reason. A leading UTF-8 byte-order mark is skipped.
// Pairs, separated by commas or line breaks with blanks around ignored, may come in any order; a
// missing key takes its default. A missing required key, an unknown or repeated key, a value that is
// not a number (or not a transmission) or one out of range refuse the document, naming the key. The
// sizing keys are required when any sizing or motor key is there; `jerk` may stand alone.
EsitoLettura LeggiDocumento(std::string_view testo);
