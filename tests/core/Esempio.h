#pragma once

// The worked example of the sizing tests: 0.5 m in 1 s with T1 = 0.25 s, 50 kg on a 10 mm screw.

#include "Collaudo.h"
#include "Documento.h"

// A document of no motion with these pairs on its second line.
inline DatiDocumento Documento(const QString& coppie) {
    return *LeggiDocumento(("0,0,0,0,0,0,0,0,0\r\n" + coppie).toStdString()).dati;
}
inline constexpr char AsseEsempio[] =
    "massa=50,passo=0.01,rendimento=0.9,attrito=0.01,inerzia_motore=1e-4,inerzia_trasmissione=2e-5,sosta=0.5";
inline const Velantra MotoEsempio{.T1 = .25, .T2 = .5, .Vm = .5 / .75};
// A vertical screw axis with a force against the motion.
inline constexpr char AsseVerticale[] =
    "massa=20,passo=0.005,rendimento=0.9,attrito=0.1,inclinazione=90,forza=10,inerzia_motore=2e-4,sosta=1";
