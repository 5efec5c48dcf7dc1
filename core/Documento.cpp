#include "Documento.h"

#include "TestiNumerici.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int NumeroValori = 9;
constexpr std::array<double Velantra::*, 8> Ordine = {&Velantra::S1, &Velantra::S2, &Velantra::Stot,
                                                      &Velantra::T1, &Velantra::T2, &Velantra::Ttot,
                                                      &Velantra::Vm, &Velantra::Acc};

bool Spazio(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A short, printable quotation of a bad value for the message.
std::string Citazione(std::string_view valore) {
    std::string s;
    for (char c : valore.substr(0, 20))
        s += (c >= 32 && c < 127) ? c : '?';
    if (valore.size() > 20)
        s += "...";
    return "«" + s + "»";
}

// Splits on commas and on runs of blanks and line breaks; blanks around a comma are padding. An empty
// value between two commas, or before or after a comma at either end, becomes an empty field.
std::vector<std::string_view> Campi(std::string_view testo, size_t massimo) {
    std::vector<std::string_view> campi;
    size_t i = 0;
    auto saltaSpazi = [&] {
        while (i < testo.size() && Spazio(testo[i]))
            ++i;
    };
    saltaSpazi();
    if (i == testo.size())
        return campi;
    while (campi.size() <= massimo) {
        const size_t inizio = i;
        while (i < testo.size() && testo[i] != ',' && !Spazio(testo[i]))
            ++i;
        campi.push_back(testo.substr(inizio, i - inizio));
        saltaSpazi();
        if (i == testo.size())
            break;
        if (testo[i] == ',') {
            ++i;
            saltaSpazi();
            if (i == testo.size()) { // a trailing comma announces a value that never comes
                campi.push_back({});
                break;
            }
        }
    }
    return campi;
}

} // namespace

std::optional<std::string> ScriviDocumento(int16_t Sistema, const Velantra& Moto) {
    std::string riga = std::to_string(Sistema);
    for (double Velantra::*membro : Ordine) {
        const auto testo = TestoLista(Moto.*membro);
        if (!testo)
            return std::nullopt;
        riga += ',';
        riga += *testo;
    }
    riga += "\r\n";
    return riga;
}

EsitoLettura LeggiDocumento(std::string_view testo) {
    // Editors that save "UTF-8 with BOM" put these three bytes first; the rest is plain ASCII.
    constexpr std::string_view BOM = "\xEF\xBB\xBF";
    if (testo.starts_with(BOM))
        testo.remove_prefix(BOM.size());
    const std::vector<std::string_view> campi = Campi(testo, NumeroValori);
    if (campi.empty())
        return {std::nullopt, "il file è vuoto"};
    std::array<double, NumeroValori> valori{};
    for (size_t k = 0; k < campi.size() && k < NumeroValori; ++k) {
        const auto valore = LeggiNumeroLista(campi[k]);
        if (!valore) {
            const std::string numero =
                "il valore n. " + std::to_string(k + 1) + " (" + Citazione(campi[k]) + ")";
            return {std::nullopt, campi[k].empty() ? "manca il valore n. " + std::to_string(k + 1)
                                  : FuoriIntervalloLista(campi[k])
                                      ? numero + " è fuori dall'intervallo dei numeri ammessi"
                                      : numero + " non è un numero"};
        }
        valori[k] = *valore;
    }
    if (campi.size() < NumeroValori)
        return {std::nullopt, "il file termina dopo " + std::to_string(campi.size()) + " valori dei " +
                                  std::to_string(NumeroValori) + " previsti"};
    if (campi.size() > NumeroValori)
        return {std::nullopt,
                "dopo i " + std::to_string(NumeroValori) + " valori previsti il file contiene altro"};
    if (valori[0] != std::trunc(valori[0]) || valori[0] < -32768 || valori[0] > 32767)
        return {std::nullopt,
                "il primo valore (" + Citazione(campi[0]) + ") non è un numero di combinazione"};

    DatiDocumento dati;
    dati.Sistema = static_cast<int16_t>(valori[0]);
    for (size_t k = 0; k < Ordine.size(); ++k)
        dati.Moto.*Ordine[k] = valori[k + 1];
    return {dati, {}};
}
