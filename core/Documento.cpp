#include "Documento.h"

#include "TestiNumerici.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr int NumeroValori = 9;
constexpr std::array<double Velantra::*, 8> Ordine = {&Velantra::S1, &Velantra::S2, &Velantra::Stot,
                                                      &Velantra::T1, &Velantra::T2, &Velantra::Ttot,
                                                      &Velantra::Vm, &Velantra::Acc};

bool Spazio(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
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

bool FineRiga(char c) {
    return c == '\r' || c == '\n';
}

std::string_view SenzaSpazi(std::string_view testo) {
    while (!testo.empty() && Spazio(testo.front()))
        testo.remove_prefix(1);
    while (!testo.empty() && Spazio(testo.back()))
        testo.remove_suffix(1);
    return testo;
}

std::string Chiave(const CampoAsse& campo) {
    return std::string("«") + campo.Chiave + "»";
}

// The shortest text that reads back to the same double, with a period.
std::string Breve(double valore) {
    std::array<char, 32> testo{};
    return {testo.data(), std::to_chars(testo.data(), testo.data() + testo.size(), valore).ptr};
}

void Aggiungi(std::string& riga, const char* chiave, const std::string& valore) {
    riga += riga.empty() ? "" : ",";
    riga += chiave;
    riga += '=';
    riga += valore;
}

void TestoAsse(std::string& riga, const DatiAsse& asse) {
    for (const CampoAsse& campo : CampiAsse)
        if (Applicabile(campo, asse.Tipo))
            Aggiungi(riga, campo.Chiave,
                     campo.Membro ? Breve(asse.*campo.Membro)
                                  : NomiTrasmissione[static_cast<size_t>(asse.Tipo)]);
}

void TestoMotore(std::string& riga, const DatiMotore& motore, Trasmissione tipo) {
    for (const CampoMotore& campo : CampiMotore)
        if (Applicabile(campo, tipo) && !std::isnan(motore.*campo.Membro))
            Aggiungi(riga, campo.Chiave, Breve(motore.*campo.Membro));
}

// The jerk's rule, in the words of the sizing fields.
constexpr CampoAsse RegolaJerk{ChiaveJerk, "", "", nullptr, 0, false, campi_asse::Infinito, false, 0};

// What the pairs hold, and which keys were seen.
struct Coppie {
    DatiAsse asse;
    DatiMotore motore;
    std::optional<double> jerk;
    std::array<bool, NumeroCampiAsse> visteAsse{};
    std::array<bool, CampiMotore.size()> visteMotore{};
    bool vistoJerk = false;
};

// One `chiave=valore` pair into the data; the reason when it cannot be taken.
std::optional<std::string> LeggiCoppia(std::string_view coppia, Coppie& letto) {
    const size_t uguale = coppia.find('=');
    if (uguale == std::string_view::npos)
        return Citazione(coppia) + " non è una coppia chiave=valore";
    const std::string_view chiave = SenzaSpazi(coppia.substr(0, uguale));
    const std::string_view valore = SenzaSpazi(coppia.substr(uguale + 1));
    const int asse = IndiceCampoAsse(chiave), motore = IndiceCampoMotore(chiave);
    if (asse < 0 && motore < 0 && chiave != ChiaveJerk)
        return "la chiave " + Citazione(chiave) + " non è prevista";
    const std::string nome = "«" + std::string(chiave) + "»";
    bool& vista = asse >= 0     ? letto.visteAsse[asse]
                  : motore >= 0 ? letto.visteMotore[motore]
                                : letto.vistoJerk;
    if (std::exchange(vista, true))
        return "la chiave " + nome + " compare più di una volta";
    if (asse >= 0 && !CampiAsse[asse].Membro) {
        const auto tipo = LeggiTrasmissione(valore);
        if (!tipo)
            return "la chiave " + nome + " vale " + Citazione(valore) + " invece di vite, cinghia o diretta";
        letto.asse.Tipo = *tipo;
        return std::nullopt;
    }
    if (valore.empty())
        return "manca il valore della chiave " + nome;
    const std::string citato = "il valore della chiave " + nome + " (" + Citazione(valore) + ") ";
    const auto numero = LeggiNumeroLista(valore);
    if (!numero)
        return citato + (FuoriIntervalloLista(valore) ? "è fuori dall'intervallo dei numeri ammessi"
                                                      : "non è un numero");
    const auto difetto = asse >= 0     ? DifettoValore(CampiAsse[asse], *numero)
                         : motore >= 0 ? DifettoValore(CampiMotore[motore], *numero)
                                       : DifettoValore(RegolaJerk, *numero);
    if (difetto)
        return citato + *difetto;
    if (asse >= 0)
        letto.asse.*CampiAsse[asse].Membro = *numero;
    else if (motore >= 0)
        letto.motore.*CampiMotore[motore].Membro = *numero;
    else
        letto.jerk = *numero;
    return std::nullopt;
}

// The pairs after the ninth value, separated by a comma or by line breaks, blanks around ignored, into
// the document; the reason when they cannot be taken.
std::optional<std::string> LeggiCoppie(std::string_view testo, DatiDocumento& dati) {
    Coppie letto;
    size_t i = 0;
    bool attesa = false; // a comma was read: a pair must follow
    while (true) {
        while (i < testo.size() && Spazio(testo[i]))
            ++i;
        if (i == testo.size())
            break;
        const size_t inizio = i;
        while (i < testo.size() && testo[i] != ',' && !FineRiga(testo[i]))
            ++i;
        const std::string_view coppia = SenzaSpazi(testo.substr(inizio, i - inizio));
        if (coppia.empty())
            return "tra due virgole manca una coppia chiave=valore";
        if (auto motivo = LeggiCoppia(coppia, letto))
            return motivo;
        attesa = i < testo.size() && testo[i] == ',';
        i += attesa;
    }
    if (attesa)
        return "dopo l'ultima virgola manca una coppia chiave=valore";
    const auto vista = [](const auto& viste) {
        return std::find(viste.begin(), viste.end(), true) != viste.end();
    };
    if (vista(letto.visteAsse) || vista(letto.visteMotore)) {
        for (int k = 0; k < NumeroCampiAsse; ++k)
            if (!letto.visteAsse[k] && Obbligatorio(CampiAsse[k]) &&
                Applicabile(CampiAsse[k], letto.asse.Tipo))
                return "manca la chiave " + Chiave(CampiAsse[k]);
        dati.Asse = letto.asse;
    }
    if (vista(letto.visteMotore))
        dati.Motore = letto.motore;
    dati.Jerk = letto.jerk;
    return std::nullopt;
}

} // namespace

std::optional<std::string> ScriviDocumento(const DatiDocumento& dati) {
    std::string riga = std::to_string(dati.Sistema);
    for (double Velantra::*membro : Ordine) {
        const auto testo = TestoLista(dati.Moto.*membro);
        if (!testo)
            return std::nullopt;
        riga += ',';
        riga += *testo;
    }
    riga += "\r\n";
    std::string coppie;
    if (dati.Asse) {
        if (ControllaAsse(*dati.Asse))
            return std::nullopt;
        TestoAsse(coppie, *dati.Asse);
    }
    if (dati.Motore) {
        if (!dati.Asse || ControllaMotore(*dati.Motore))
            return std::nullopt;
        TestoMotore(coppie, *dati.Motore, dati.Asse->Tipo);
    }
    if (dati.Jerk) {
        if (DifettoValore(RegolaJerk, *dati.Jerk))
            return std::nullopt;
        Aggiungi(coppie, ChiaveJerk, Breve(*dati.Jerk));
    }
    return coppie.empty() ? riga : riga + coppie + "\r\n";
}

std::optional<std::string> ScriviDocumento(int16_t Sistema, const Velantra& Moto,
                                           const std::optional<DatiAsse>& Asse) {
    return ScriviDocumento(DatiDocumento{Sistema, Moto, Asse, std::nullopt, std::nullopt});
}

namespace {

// The nine values of the first part.
EsitoLettura LeggiValori(std::string_view testo) {
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

} // namespace

EsitoLettura LeggiDocumento(std::string_view testo) {
    // Editors that save "UTF-8 with BOM" put these three bytes first; the rest is plain ASCII.
    constexpr std::string_view BOM = "\xEF\xBB\xBF";
    if (testo.starts_with(BOM))
        testo.remove_prefix(BOM.size());
    // The pairs start with the key before the first "=", after the last separator before it; one comma
    // may join them to the ninth value.
    const size_t uguale = testo.find('=');
    if (uguale == std::string_view::npos)
        return LeggiValori(testo);
    size_t inizio = uguale;
    while (inizio > 0 && (testo[inizio - 1] == ' ' || testo[inizio - 1] == '\t'))
        --inizio;
    while (inizio > 0 && testo[inizio - 1] != ',' && !Spazio(testo[inizio - 1]))
        --inizio;
    std::string_view valori = testo.substr(0, inizio);
    while (!valori.empty() && Spazio(valori.back()))
        valori.remove_suffix(1);
    if (valori.ends_with(','))
        valori.remove_suffix(1);
    EsitoLettura letto = LeggiValori(valori);
    if (!letto.dati)
        return letto;
    if (auto motivo = LeggiCoppie(testo.substr(inizio), *letto.dati))
        return {std::nullopt, *motivo};
    return letto;
}
