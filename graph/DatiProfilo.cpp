#include "DatiProfilo.h"

#include "LeggeMoto.h"
#include "NumeriRegionali.h"
#include "XYPoli.h"

#include <QBuffer>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

bool ScriviCsv(QIODevice& destinazione, const XYPoli& Punti, const Velantra& Moto, FormaCsv forma) {
    const bool standard = forma == FormaCsv::Standard;
    const char decimale = standard ? '.' : SeparatoreDecimale();
    const char campo = standard ? ',' : ';';
    const LeggeMoto legge(Moto);
    // A 500 s motion has 50,000 rows: written a piece at a time, not held whole. A double takes at
    // most 24 characters, a row at most 4 · 25 + 1.
    std::array<char, 64 * 1024> pezzo;
    char* fine = pezzo.data();
    const auto chiudiRiga = [&] {
        fine[-1] = '\r', *fine++ = '\n';
        if (pezzo.end() - fine > 128)
            return true;
        const qint64 lunghezza = fine - pezzo.data();
        fine = pezzo.data();
        return destinazione.write(pezzo.data(), lunghezza) == lunghezza;
    };
    for (const char* colonna : {"t [sec]", "s [m]", "v [m/sec]", "a [m/sec^2]"})
        fine = std::copy_n(colonna, std::strlen(colonna), fine), *fine++ = campo;
    bool scritto = chiudiRiga();
    for (int32_t i = 0; i < Punti.NumeroElementi() && scritto; ++i) {
        const double t = Punti.X(i);
        for (const double valore : {t, legge.Posizione(t), legge.Velocita(t), legge.Accelerazione(t)}) {
            char* const inizio = fine;
            fine = std::to_chars(inizio, inizio + 24, valore).ptr;
            if (decimale != '.')
                std::replace(inizio, fine, '.', decimale);
            *fine++ = campo;
        }
        scritto = chiudiRiga();
    }
    const qint64 resto = fine - pezzo.data();
    return scritto && destinazione.write(pezzo.data(), resto) == resto;
}

QByteArray TestoCsv(const XYPoli& Punti, const Velantra& Moto, FormaCsv forma) {
    QByteArray testo;
    QBuffer memoria(&testo);
    memoria.open(QIODevice::WriteOnly);
    ScriviCsv(memoria, Punti, Moto, forma);
    return testo;
}
