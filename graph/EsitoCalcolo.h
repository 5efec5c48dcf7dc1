#pragma once

// What a calculation of the simulation came to, as data: showing it is the windows' part, or the
// command line's.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct EsitoCalcolo {
    enum class Tipo : uint8_t {
        Riuscito,     // a motion, sized where its data allows it, and sampled
        SenzaSistema, // no valid combination is current: nothing was solved, nothing changed
        Errore,       // the solver failed
        NessunMoto,   // solved, but the record is no motion (or one beyond the program's numbers)
    };
    Tipo tipo = Tipo::Riuscito;
    QString messaggio;       // the solver's error, or why there is no motion; empty when Riuscito
    QStringList spiegazione; // the sentences that explain it, for the values typed
    // Where the stroke is too short for the typed Vm: the peak of the fastest move the limits allow,
    // a triangular profile (T2 = 0) that Vm may take.
    std::optional<double> piccoTriangolare;

    bool Riuscito() const { return tipo == Tipo::Riuscito; }
};
