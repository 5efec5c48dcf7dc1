// Any byte string either is refused with a reason, or is a document that writes back to a text which
// reads again to the same values.
#include "Documento.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), dimensione);
    const EsitoLettura esito = LeggiDocumento(testo);
    if (!esito.dati) {
        if (esito.motivo.empty())
            std::abort();
        return 0;
    }
    const auto scritto = ScriviDocumento(esito.dati->Sistema, esito.dati->Moto);
    if (!scritto)
        std::abort(); // every value read is finite
    const EsitoLettura riletto = LeggiDocumento(*scritto);
    if (!riletto.dati || riletto.dati->Sistema != esito.dati->Sistema)
        std::abort();
    const auto riscritto = ScriviDocumento(riletto.dati->Sistema, riletto.dati->Moto);
    if (!riscritto || *riscritto != *scritto)
        std::abort(); // 15 digits are a fixed point
    return 0;
}
