#include "Sistemi.h"

#include "Programma.h"

bool Calcola(Programma& programma) {
    if (SistemaValido(programma.SistemaCorrente))
        (programma.Moto.*Sistemi[static_cast<size_t>(programma.SistemaCorrente)].Risolutore)();
    return programma.Moto.CalcoloOk;
}
