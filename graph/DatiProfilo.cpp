#include "DatiProfilo.h"

#include "LeggeMoto.h"
#include "NumeriRegionali.h"
#include "XYPoli.h"

#include <algorithm>
#include <charconv>
#include <cstring>

QByteArray TestoCsv(const XYPoli& Punti, const Velantra& Moto, FormaCsv forma) {
    const bool standard = forma == FormaCsv::Standard;
    const char decimale = standard ? '.' : SeparatoreDecimale();
    const char campo = standard ? ',' : ';';
    const LeggeMoto legge(Moto);
    // Written in place: a 500 s motion has 50,000 rows. A double takes at most 24 characters.
    constexpr int LargaRiga = 4 * 25 + 2;
    QByteArray testo(LargaRiga * (Punti.NumeroElementi() + 1), Qt::Uninitialized);
    char* fine = testo.data();
    const auto chiudiRiga = [&] { fine[-1] = '\r', *fine++ = '\n'; };
    for (const char* colonna : {"t [sec]", "s [m]", "v [m/sec]", "a [m/sec^2]"})
        fine = std::copy_n(colonna, std::strlen(colonna), fine), *fine++ = campo;
    chiudiRiga();
    for (int32_t i = 0; i < Punti.NumeroElementi(); ++i) {
        const double t = Punti.X(i);
        for (const double valore : {t, legge.Posizione(t), legge.Velocita(t), legge.Accelerazione(t)}) {
            char* const inizio = fine;
            fine = std::to_chars(inizio, inizio + 24, valore).ptr;
            if (decimale != '.')
                std::replace(inizio, fine, '.', decimale);
            *fine++ = campo;
        }
        chiudiRiga();
    }
    testo.truncate(fine - testo.data());
    return testo;
}
