#pragma once

// Where the work stands, which decides the commands the main window enables: codes 1, 2 and 3 as the
// settings and the rest of the program have always called them.

#include <cstdint>

enum class StatoComandi : int16_t {
    Vuoto = 1,     // nothing read, nothing calculated
    Letto = 2,     // a document read, not calculated
    Calcolato = 3, // the eight quantities calculated
};
