#pragma once

// Numbers of the data-entry and results windows, in the user's regional format.

#include "NumeriRegionali.h"
#include "TestiNumerici.h"

#include <cstdint>

class QKeyEvent;
class QLineEdit;

// A result: rounded half to even to 5 decimals, then the general conversion.
inline QString TestoRisultato(double valore) {
    return TestoArrotondato(valore, 5);
}

// Key filter of the value boxes: a typed period becomes the decimal separator, every other key is
// left as typed.
int16_t PuntoInVirgola(int16_t CodiceTasto, char Separatore);
// The filter on a key typed into a value box: where it changes the key, the box gets the new character
// and true is returned (the key is then spent).
bool SostituisciTasto(QLineEdit& casella, const QKeyEvent& tasto);

// Keeps a value box as wide as it is now and, when its text needs more, wide enough to show it whole,
// up to `larghezzaMassima` (the free room beside it: it covers nothing). A text that still does not fit
// scrolls, and its whole value is the box's tooltip.
void AllargaConIlTesto(QLineEdit& casella, int larghezzaMassima);
