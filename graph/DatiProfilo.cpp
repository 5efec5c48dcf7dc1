#include "DatiProfilo.h"

#include "LeggeMoto.h"
#include "NumeriRegionali.h"

#include <QBuffer>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

__extension__ using Intero = unsigned __int128; // a step's digits times a row number

constexpr int64_t Limite = 4 * MassimoRigheCsv; // rows counted no further

// The time of row `riga`: riga · Cifre · 10^Esponente as decimal text, read as the nearest double.
// NaN when no double is near it.
double Tempo(int64_t riga, const PassoCsv& passo) {
    std::array<char, 64> testo;
    char* cifre = testo.data() + 48; // written backwards, before the exponent
    char* const fine = cifre;
    Intero valore = Intero(riga) * Intero(passo.Cifre);
    do
        *--cifre = char('0' + int(valore % 10));
    while ((valore /= 10) != 0);
    char* dopo = fine;
    *dopo++ = 'e';
    dopo = std::to_chars(dopo, testo.data() + testo.size(), passo.Esponente).ptr;
    double tempo = NAN;
    const auto [_, errore] = std::from_chars(cifre, dopo, tempo);
    return errore == std::errc() ? tempo : NAN;
}

// The last multiple of the step not past `durata`, counted up to Limite.
int64_t UltimoMultiplo(double durata, const PassoCsv& passo) {
    const double stima = std::floor(durata / passo.Secondi());
    if (!(stima < double(Limite)))
        return Limite;
    int64_t riga = std::max<int64_t>(0, int64_t(stima));
    while (riga > 0 && !(Tempo(riga, passo) <= durata))
        --riga;
    while (riga < Limite && Tempo(riga + 1, passo) <= durata)
        ++riga;
    return riga;
}

// The round steps 1, 2, 5 · 10^n in order: n = 3k gives 10^k.
PassoCsv Rotondo(int indice) {
    const int decade = indice >= 0 ? indice / 3 : -((2 - indice) / 3);
    constexpr std::array<int64_t, 3> Cifre = {1, 2, 5};
    return {Cifre[size_t(indice - 3 * decade)], decade};
}

bool Valido(const PassoCsv& passo) {
    const double secondi = passo.Secondi();
    return secondi > 0 && std::isfinite(secondi);
}

// Shortest text of a double, with the given decimal separator.
char* Numero(char* dove, double valore, char decimale) {
    char* const fine = std::to_chars(dove, dove + 32, valore).ptr;
    if (decimale != '.')
        std::replace(dove, fine, '.', decimale);
    return fine;
}

} // namespace

double PassoCsv::Secondi() const {
    return Tempo(1, *this);
}

std::string PassoCsv::Testo() const {
    std::array<char, 32> testo;
    return std::string(testo.data(), Numero(testo.data(), Secondi(), '.'));
}

int64_t RigheCsv(double durata, const PassoCsv& passo) {
    if (!Valido(passo) || !(durata >= 0))
        return 0;
    const int64_t ultimo = UltimoMultiplo(durata, passo);
    return ultimo >= Limite ? Limite : ultimo + 1 + (Tempo(ultimo, passo) < durata);
}

std::optional<PassoCsv> PassoPredefinito(double durata) {
    constexpr PassoCsv Centesimo{1, -2};
    constexpr int64_t Intervalli = 500, Righe = 50'000;
    if (!(durata > 0) || !std::isfinite(durata))
        return std::nullopt;
    const bool pochi = !(Tempo(Intervalli, Centesimo) <= durata);
    if (!pochi && RigheCsv(durata, Centesimo) <= Righe)
        return Centesimo;
    // Near the answer, then step by step: the largest step with 500 multiples, or the smallest with few rows.
    const int vicino =
        3 * int(std::floor(std::log10(durata) - std::log10(double(pochi ? Intervalli : Righe))));
    for (int i = 0; i < 12; ++i) {
        const PassoCsv passo = Rotondo(pochi ? vicino + 4 - i : vicino - 4 + i);
        if (Valido(passo) && (pochi ? Tempo(Intervalli, passo) <= durata : RigheCsv(durata, passo) <= Righe))
            return passo;
    }
    return std::nullopt;
}

std::optional<PassoCsv> LeggiPasso(std::string_view testo) {
    std::string letto(testo);
    std::replace(letto.begin(), letto.end(), ',', '.');
    double valore = 0;
    const auto [fine, errore] = std::from_chars(letto.data(), letto.data() + letto.size(), valore);
    if (errore != std::errc() || fine != letto.data() + letto.size() || !(valore > 0) ||
        !std::isfinite(valore))
        return std::nullopt;
    // Its shortest text, as digits and an exponent: "1.25e-05" is 125 · 10^-7.
    std::array<char, 32> breve;
    const char* const ultimo = std::to_chars(breve.data(), breve.data() + breve.size(), valore).ptr;
    PassoCsv passo{0, 0};
    const char* c = breve.data();
    for (bool dopoVirgola = false; c != ultimo && *c != 'e'; ++c)
        if (*c == '.')
            dopoVirgola = true;
        else {
            passo.Cifre = passo.Cifre * 10 + (*c - '0');
            passo.Esponente -= dopoVirgola;
        }
    if (c != ultimo) {
        int esponente = 0;
        std::from_chars(c + 1 + (c[1] == '+'), ultimo, esponente);
        passo.Esponente += esponente;
    }
    for (; passo.Cifre % 10 == 0; passo.Cifre /= 10)
        ++passo.Esponente;
    return passo;
}

std::vector<ColonnaCsv> ColonneMoto(const LeggeMoto& legge) {
    return {{"s [m]", [&legge](double t) { return legge.Posizione(t); }},
            {"v [m/sec]", [&legge](double t) { return legge.Velocita(t); }},
            {"a [m/sec^2]", [&legge](double t) { return legge.Accelerazione(t); }}};
}

bool ScriviCsv(QIODevice& destinazione, double durata, const PassoCsv& passo,
               const std::vector<ColonnaCsv>& colonne, FormaCsv forma) {
    const bool standard = forma == FormaCsv::Standard;
    const char decimale = standard ? '.' : SeparatoreDecimale();
    const char campo = standard ? ',' : ';';
    // Written a piece at a time, not held whole. A number takes at most 24 characters.
    std::array<char, 64 * 1024> pezzo;
    const ptrdiff_t riga = ptrdiff_t(colonne.size() + 1) * 25 + 2;
    char* fine = pezzo.data();
    const auto chiudiRiga = [&] {
        fine[-1] = '\r', *fine++ = '\n';
        if (pezzo.end() - fine > riga)
            return true;
        const qint64 lunghezza = fine - pezzo.data();
        fine = pezzo.data();
        return destinazione.write(pezzo.data(), lunghezza) == lunghezza;
    };
    const auto scriviRiga = [&](double t) {
        fine = Numero(fine, t, decimale), *fine++ = campo;
        for (const ColonnaCsv& colonna : colonne)
            fine = Numero(fine, colonna.Valore(t), decimale), *fine++ = campo;
        return chiudiRiga();
    };
    fine = std::copy_n("t [sec]", 7, fine), *fine++ = campo;
    for (const ColonnaCsv& colonna : colonne)
        fine = std::copy_n(colonna.Intestazione, std::strlen(colonna.Intestazione), fine), *fine++ = campo;
    bool scritto = chiudiRiga();
    if (!Valido(passo) || !(durata >= 0))
        return false;
    const int64_t ultimo = std::min(UltimoMultiplo(durata, passo), MassimoRigheCsv);
    for (int64_t i = 0; i <= ultimo && scritto; ++i)
        scritto = scriviRiga(Tempo(i, passo));
    if (scritto && Tempo(ultimo, passo) < durata)
        scritto = scriviRiga(durata);
    const qint64 resto = fine - pezzo.data();
    return scritto && destinazione.write(pezzo.data(), resto) == resto;
}

QByteArray TestoCsv(const Velantra& Moto, const PassoCsv& passo, FormaCsv forma) {
    const LeggeMoto legge(Moto);
    QByteArray testo;
    QBuffer memoria(&testo);
    memoria.open(QIODevice::WriteOnly);
    ScriviCsv(memoria, legge.Durata(), passo, ColonneMoto(legge), forma);
    return testo;
}
