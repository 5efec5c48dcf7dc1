#include "Sistemi.h"

#include "Programma.h"
#include "VerificaMoto.h"

bool Calcola(Programma& programma) {
    if (SistemaValido(programma.SistemaCorrente)) {
        (programma.Moto.*Sistemi[static_cast<size_t>(programma.SistemaCorrente)].Risolutore)();
        if (programma.Moto.CalcoloOk)
            AzzeraRegimeTrascurabile(programma.Moto);
    }
    return programma.Moto.CalcoloOk;
}
