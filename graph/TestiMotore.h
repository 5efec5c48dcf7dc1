#pragma once

// The motor's verdicts and the best ratio in words, as the report writes them: numbers in the user's
// regional format, six significant digits, shares with three.

#include "DatiMotore.h"
#include "Dimensionamento.h"

#include <QList>
#include <QString>
#include <QStringList>

// One verdict: the figure the axis asks and the motor's limit (numbers, in the unit), the share used
// ("75,1"); for the inertia ratio, its value and its note (or why it is not shown) in place of the limit.
struct RigaVerifica {
    QString nome;       // "Coppia efficace"
    QString richiesta;  // "0,240444"
    QString nomeLimite; // "Coppia nominale", or the inertia ratio's note
    QString limite;     // "0,32"
    QString unita;      // "N·m"
    QString quota;      // "75,1"
};

// The motor's values given that apply to the transmission, as "Coppia nominale: 0,32 [N·m]".
QStringList RigheMotore(const DatiMotore& motore, Trasmissione tipo);
// The verdicts of the motor on the sized axis: each limit given, then (with a shaft) the inertia ratio.
QList<RigaVerifica> RigheVerifica(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore);
// A verdict as one line of text: "Coppia efficace: 0,240444 [N·m], Coppia nominale 0,32 [N·m], 75,1 %".
QString TestoVerifica(const RigaVerifica& riga);
// "Motore adatto", or "Motore non adatto: " with each limit exceeded and its share.
QString TestoGiudizio(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore);
// "Rapporto ottimale: 1,0377 (coppia efficace 0,240279 [N·m], coppia di picco … [N·m], 4150,8 [giri/min])",
// or why there is none; nothing for a linear motor.
QString TestoRapportoOttimo(const Dimensionamento& r, const DatiAsse& asse, const DatiMotore& motore);
// "Potenza di frenatura: 161,279 [W]".
QString TestoFrenatura(const Dimensionamento& r);
