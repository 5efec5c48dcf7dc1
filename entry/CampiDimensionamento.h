#pragma once

// The value boxes of the sizing window by one index: the axis' fields in CampiAsse order, then the
// motor's in CampiMotore order.

#include "DatiMotore.h"
#include "TestiAsse.h"

#include <QString>
#include <optional>
#include <string>

namespace campi_dimensionamento {

inline constexpr int CampoInerzia = 9;
static_assert(CampiAsse[CampoInerzia].Membro == &DatiAsse::InerziaMotore);
inline constexpr int CampoRapporto = 4;
static_assert(CampiAsse[CampoRapporto].Membro == &DatiAsse::Rapporto);

// A field of the window by its index: the axis' first, then the motor's.
inline bool DelMotore(int campo) {
    return campo >= NumeroCampiAsse;
}
inline const CampoMotore& Motore(int campo) {
    return CampiMotore[campo - NumeroCampiAsse];
}
inline QString Etichetta(int campo) {
    return DelMotore(campo) ? QString::fromUtf8(Motore(campo).Etichetta) : EtichettaCampo(CampiAsse[campo]);
}
inline bool Applica(int campo, Trasmissione tipo) {
    return DelMotore(campo) ? Applicabile(Motore(campo), tipo) : Applicabile(CampiAsse[campo], tipo);
}
inline bool Richiesto(int campo) {
    return !DelMotore(campo) && Obbligatorio(CampiAsse[campo]);
}
inline std::optional<std::string> DifettoCampo(int campo, double valore) {
    return DelMotore(campo) ? DifettoValore(Motore(campo), valore) : DifettoValore(CampiAsse[campo], valore);
}
} // namespace campi_dimensionamento
