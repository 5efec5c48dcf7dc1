#include "DatiProfilo.h"

#include "LeggeMoto.h"
#include "NumeriRegionali.h"
#include "XYPoli.h"

#include <algorithm>
#include <charconv>

QByteArray TestoCsv(const XYPoli& Punti, const Velantra& Moto, FormaCsv forma) {
    const bool standard = forma == FormaCsv::Standard;
    const char decimale = standard ? '.' : SeparatoreDecimale();
    const char campo = standard ? ',' : ';';
    const LeggeMoto legge(Moto);
    QByteArray testo;
    testo.reserve(64 * (Punti.NumeroElementi() + 1));
    for (const char* colonna : {"t [sec]", "s [m]", "v [m/sec]", "a [m/sec^2]"})
        testo.append(colonna).append(campo);
    testo.back() = '\r';
    testo.append('\n');
    char numero[32];
    for (int32_t i = 0; i < Punti.NumeroElementi(); ++i) {
        const double t = Punti.X(i);
        for (const double valore : {t, legge.Posizione(t), legge.Velocita(t), legge.Accelerazione(t)}) {
            char* const fine = std::to_chars(numero, numero + sizeof numero, valore).ptr;
            std::replace(numero, fine, '.', decimale);
            testo.append(numero, fine - numero).append(campo);
        }
        testo.back() = '\r';
        testo.append('\n');
    }
    return testo;
}
