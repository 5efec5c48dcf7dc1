#include "TabellaLeggi.h"

#include "TestiNumerici.h"

#include <algorithm>
#include <cmath>

namespace {

// Characters, not bytes: "N·m" is three wide.
size_t Larghezza(const std::string& testo) {
    return static_cast<size_t>(std::count_if(
        testo.begin(), testo.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Campo(const std::string& testo) {
    if (testo.find_first_of(",\"\r\n") == std::string::npos)
        return testo;
    std::string citato = "\"";
    for (char c : testo)
        citato.append(c == '"' ? 2 : 1, c);
    return citato + '"';
}

// The name of a marked column, in the text form's last column.
std::string NomeMinimo(const ConfrontoLeggi& c, size_t colonna) {
    return colonna == 2 ? "Amax" : colonna == 3 ? "Jmax" : c.Diretta ? "Forza efficace" : "Coppia efficace";
}

} // namespace

std::vector<std::string> ColonneConfronto(const ConfrontoLeggi& c) {
    std::vector<std::string> colonne(ColonneLeggi.begin(), ColonneLeggi.end());
    if (c.Dimensionato)
        for (const char* nome : c.Diretta ? ColonneForza : ColonneCoppia)
            colonne.emplace_back(nome);
    return colonne;
}

std::vector<double> ValoriRiga(const ConfrontoLeggi& c, int legge) {
    const RigaLegge& r = c.Righe[legge];
    const PicchiLegge& p = r.Legge.Picchi();
    std::vector<double> valori{r.Legge.Durata(), p.Vmax, p.Amax, p.Jmax, p.Aeff};
    if (c.Dimensionato)
        valori.insert(valori.end(), {r.Asse.Picco, r.Asse.Efficace, r.Asse.PotenzaPicco});
    return valori;
}

bool Segnata(const ConfrontoLeggi& c, int legge, int colonna) {
    return (colonna == 2 && legge == c.MinimaAmax) || (colonna == 3 && legge == c.MinimaJmax) ||
           (colonna == 6 && legge == c.MinimaEfficace);
}

std::string TestoCella(double valore, char separatore) {
    return std::isinf(valore) ? TestoIllimitato : TestoCifre(valore, 6, separatore, Arrotondamento::Vicino);
}

std::string CsvConfronto(const ConfrontoLeggi& c) {
    std::string testo;
    const std::vector<std::string> colonne = ColonneConfronto(c);
    for (size_t i = 0; i < colonne.size(); ++i)
        testo.append(i ? "," : "").append(Campo(colonne[i]));
    testo += "\r\n";
    for (int legge = 0; legge < NumeroLeggi; ++legge) {
        testo += Campo(NomiLeggi[legge]);
        for (double valore : ValoriRiga(c, legge))
            testo.append(",").append(std::isinf(valore) ? std::string("inf") : TestoEsatto(valore, '.'));
        testo += "\r\n";
    }
    return testo;
}

std::vector<std::string> RigheConfronto(const ConfrontoLeggi& c, char separatore) {
    std::vector<std::vector<std::string>> celle{ColonneConfronto(c)};
    celle[0].emplace_back("Minimo");
    for (int legge = 0; legge < NumeroLeggi; ++legge) {
        std::vector<std::string> riga{NomiLeggi[legge]};
        std::string minimi;
        const std::vector<double> valori = ValoriRiga(c, legge);
        for (size_t i = 0; i < valori.size(); ++i) {
            riga.push_back(TestoCella(valori[i], separatore));
            if (Segnata(c, legge, int(i)))
                minimi.append(minimi.empty() ? "" : ", ").append(NomeMinimo(c, i));
        }
        riga.push_back(minimi);
        celle.push_back(riga);
    }
    std::vector<size_t> larghezze(celle[0].size());
    for (const auto& riga : celle)
        for (size_t i = 0; i < riga.size(); ++i)
            larghezze[i] = std::max(larghezze[i], Larghezza(riga[i]));
    std::vector<std::string> righe;
    for (const auto& riga : celle) {
        std::string linea;
        for (size_t i = 0; i < riga.size(); ++i) {
            const std::string spazi(larghezze[i] - Larghezza(riga[i]), ' ');
            // The name and the marks left, the numbers right; the header over them alike.
            const bool sinistra = i == 0 || i + 1 == riga.size();
            if (i)
                linea.append("  ");
            linea.append(sinistra ? riga[i] : spazi).append(sinistra ? spazi : riga[i]);
        }
        while (!linea.empty() && linea.back() == ' ')
            linea.pop_back();
        righe.push_back(linea);
    }
    return righe;
}
