#pragma once

// Numbers of the data-entry and results windows, in the user's regional format.

#include "NumeriRegionali.h"

#include <cstdint>

// A result: rounded half to even to 5 decimals, then the general conversion.
inline QString TestoRisultato(double valore) {
    return TestoArrotondato(valore, 5);
}

// Key filter of the value boxes: a typed period becomes the decimal separator, every other key is
// left as typed.
int16_t PuntoInVirgola(int16_t KeyAscii, char Separatore);
