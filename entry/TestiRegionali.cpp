#include "TestiRegionali.h"

int16_t PuntoInVirgola(int16_t KeyAscii, char Separatore) {
    return KeyAscii == '.' ? static_cast<int16_t>(Separatore) : KeyAscii;
}
