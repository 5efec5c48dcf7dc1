#pragma once

// The simulation document (*.vla): one line of nine values separated by commas, CRLF-terminated:
// the combination index, then S1, S2, Stot, T1, T2, Ttot, Vm, Acc (Vm before Acc) in list form.

#include "Velantra.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct DatiDocumento {
    int16_t Sistema = -1;
    Velantra Moto; // the eight quantities; CalcoloOk is not stored
};

// The document text, or nothing when a quantity is not finite (no reader could take it back).
std::optional<std::string> ScriviDocumento(int16_t Sistema, const Velantra& Moto);

struct EsitoLettura {
    std::optional<DatiDocumento> dati;
    std::string motivo; // why the text is not a document, in Italian (UTF-8); empty when read
};

// Reads a whole document: nine values separated by commas, blanks or line breaks, blanks around a
// value ignored, numbers in any form the writer produces. An empty value, a text that is not a
// number or is beyond the double range, fewer or more than nine values, or an index that is not a whole
// number in the 16-bit range are refused with the reason. A leading UTF-8 byte-order mark is skipped.
EsitoLettura LeggiDocumento(std::string_view testo);
