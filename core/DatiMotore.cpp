#include "DatiMotore.h"

#include <cmath>

namespace {
// The rule of every motor value, in the form the sizing fields state theirs.
constexpr CampoAsse RegolaPositiva{"", "", "", nullptr, 0, false, campi_asse::Infinito, false, 0};
} // namespace

bool StessiDati(const DatiMotore& a, const DatiMotore& b) {
    for (const CampoMotore& campo : CampiMotore)
        if (a.*campo.Membro != b.*campo.Membro &&
            !(std::isnan(a.*campo.Membro) && std::isnan(b.*campo.Membro)))
            return false;
    return true;
}

int IndiceCampoMotore(std::string_view chiave) {
    for (size_t i = 0; i < CampiMotore.size(); ++i)
        if (chiave == CampiMotore[i].Chiave)
            return static_cast<int>(i);
    return -1;
}

std::optional<std::string> DifettoValore(const CampoMotore&, double valore) {
    return DifettoValore(RegolaPositiva, valore);
}

std::optional<std::pair<int, std::string>> ControllaMotore(const DatiMotore& dati) {
    for (size_t i = 0; i < CampiMotore.size(); ++i) {
        const double valore = dati.*CampiMotore[i].Membro;
        if (std::isnan(valore))
            continue;
        if (auto motivo = DifettoValore(CampiMotore[i], valore))
            return std::pair{static_cast<int>(i), *motivo};
    }
    return std::nullopt;
}

bool MotoreDato(const DatiMotore& dati, Trasmissione tipo) {
    for (const CampoMotore& campo : CampiMotore)
        if (Applicabile(campo, tipo) && !std::isnan(dati.*campo.Membro))
            return true;
    return false;
}
