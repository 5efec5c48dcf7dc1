#include "CatalogoMotori.h"

#include "TestiNumerici.h"

#include <algorithm>
#include <cmath>

namespace {

// One record of the file: its fields, the line it starts on, and what breaks it.
struct Record {
    std::vector<std::string> Campi;
    int Riga = 0;
    std::string Errore;
};

bool FineRiga(char c) {
    return c == '\r' || c == '\n';
}

// Steps over one line break (CRLF, LF or CR) at i.
void SaltaFineRiga(std::string_view testo, size_t& i, int& riga) {
    i += testo.compare(i, 2, "\r\n") == 0 ? 2 : 1;
    ++riga;
}

std::string SenzaSpazi(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return std::string(t);
}

// Reads the record that starts at i and leaves i after its line break.
Record LeggiRecord(std::string_view testo, size_t& i, int& riga, char separatore) {
    Record r;
    r.Riga = riga;
    while (true) {
        std::string campo;
        const size_t inizio = i;
        while (i < testo.size() && (testo[i] == ' ' || testo[i] == '\t'))
            ++i;
        if (i < testo.size() && testo[i] == '"') {
            for (++i;; ++i) {
                if (i == testo.size()) {
                    r.Errore = "le virgolette aperte non si chiudono";
                    return r;
                }
                if (testo[i] == '"' && testo.compare(i, 2, "\"\"") != 0)
                    break;
                i += testo[i] == '"'; // a doubled quote stands for one
                riga += testo[i] == '\n' || (testo[i] == '\r' && testo.compare(i, 2, "\r\n") != 0);
                campo += testo[i];
            }
            ++i;
            while (i < testo.size() && (testo[i] == ' ' || testo[i] == '\t'))
                ++i;
            if (i < testo.size() && testo[i] != separatore && !FineRiga(testo[i]) && r.Errore.empty())
                r.Errore = "dopo le virgolette di chiusura c'è altro testo";
            while (i < testo.size() && testo[i] != separatore && !FineRiga(testo[i]))
                ++i;
        } else {
            while (i < testo.size() && testo[i] != separatore && !FineRiga(testo[i]))
                ++i;
            campo = SenzaSpazi(testo.substr(inizio, i - inizio));
        }
        r.Campi.push_back(std::move(campo));
        if (i == testo.size())
            return r;
        if (testo[i] != separatore) {
            SaltaFineRiga(testo, i, riga);
            return r;
        }
        ++i;
    }
}

// Which kind of catalogue the record heads, when it is a header: names in either case, blanks around.
std::optional<bool> Lineare(const Record& r) {
    std::string testo;
    for (const std::string& campo : r.Campi) {
        testo += testo.empty() ? "" : ",";
        for (char c : campo)
            testo += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (!r.Errore.empty() || (testo != IntestazioneCatalogo && testo != IntestazioneCatalogoLineare))
        return std::nullopt;
    return testo == IntestazioneCatalogoLineare;
}

// One line's motor, or the reason it cannot be read.
std::optional<std::string> LeggiMotore(const Record& r, const Catalogo& c, MotoreCatalogo& m) {
    const size_t attesi = c.Lineare ? 4 : 5;
    if (!r.Errore.empty())
        return r.Errore;
    if (r.Campi.size() != attesi)
        return std::to_string(r.Campi.size()) + (r.Campi.size() == 1 ? " campo" : " campi") + " invece di " +
               std::to_string(attesi);
    m.Nome = r.Campi[0];
    m.Riga = r.Riga;
    if (SenzaSpazi(m.Nome).empty())
        return "manca il nome del motore";
    const CampoAsse& inerzia = CampiAsse[IndiceCampoAsse("inerzia_motore")];
    for (size_t k = 1; k < attesi; ++k) {
        // Columns 1 to 3 hold the three values of the kind (in CampiMotore's order), 4 the inertia.
        const CampoMotore* campo = k < 4 ? &CampiMotore[(c.Lineare ? 3 : 0) + k - 1] : nullptr;
        const std::string nome = std::string("«") + (campo ? campo->Chiave : "inerzia") + "»";
        const std::string& testo = r.Campi[k];
        if (testo.empty())
            return "manca il valore di " + nome;
        const auto valore = LeggiNumero(testo, c.Regionale ? ',' : '.');
        if (!valore)
            return "il valore di " + nome + " (" + Citazione(testo) + ") non è un numero ammesso";
        if (auto difetto = campo ? DifettoValore(*campo, *valore) : DifettoValore(inerzia, *valore))
            return "il valore di " + nome + " (" + Citazione(testo) + ") " + *difetto;
        (campo ? m.Dati.*campo->Membro : m.Inerzia) = *valore;
    }
    return std::nullopt;
}

} // namespace

EsitoCatalogo LeggiCatalogo(std::string_view testo) {
    if (testo.starts_with("\xEF\xBB\xBF"))
        testo.remove_prefix(3);
    size_t i = 0;
    int riga = 1;
    // Blank lines before the header are skipped too.
    while (i < testo.size() && (FineRiga(testo[i]) || testo[i] == ' ' || testo[i] == '\t')) {
        if (FineRiga(testo[i]))
            SaltaFineRiga(testo, i, riga);
        else
            ++i;
    }
    if (i == testo.size())
        return {std::nullopt, "il catalogo è vuoto"};
    Catalogo c;
    const size_t dopoSpazi = i;
    const int rigaIntestazione = riga;
    for (const bool regionale : {false, true}) {
        i = dopoSpazi;
        riga = rigaIntestazione;
        const auto lineare = Lineare(LeggiRecord(testo, i, riga, regionale ? ';' : ','));
        if (!lineare)
            continue;
        c.Lineare = *lineare;
        c.Regionale = regionale;
        while (i < testo.size()) {
            const Record r = LeggiRecord(testo, i, riga, regionale ? ';' : ',');
            if (r.Errore.empty() && r.Campi.size() == 1 && SenzaSpazi(r.Campi[0]).empty())
                continue; // a blank line
            MotoreCatalogo m;
            if (auto motivo = LeggiMotore(r, c, m))
                c.Scartate.push_back({r.Riga, *motivo});
            else
                c.Motori.push_back(std::move(m));
        }
        if (c.Motori.empty() && c.Scartate.empty())
            return {std::nullopt, "il catalogo non elenca alcun motore"};
        return {std::move(c), {}};
    }
    return {std::nullopt, std::string("la prima riga non è l'intestazione di un catalogo: «") +
                              IntestazioneCatalogo + "» oppure «" + IntestazioneCatalogoLineare +
                              "», o le stesse con «;»"};
}

EsitoClassifica ClassificaMotori(const Catalogo& catalogo, const Velantra& Moto, const DatiAsse& asse) {
    const bool diretta = asse.Tipo == Trasmissione::Diretta;
    if (catalogo.Lineare != diretta)
        return {std::nullopt, catalogo.Lineare
                                  ? "il catalogo elenca motori lineari, ma l'asse ha un motore con albero"
                                  : "il catalogo elenca motori con albero, ma l'asse ha un motore lineare"};
    DatiAsse dati = asse;
    dati.InerziaMotore = 0;
    const auto senzaMotore = Dimensiona(Moto, dati);
    if (!senzaMotore)
        return {std::nullopt, "l'asse non si può dimensionare: completare il moto e i dati dell'asse"};
    std::vector<VoceClassifica> voci;
    voci.reserve(catalogo.Motori.size());
    for (const MotoreCatalogo& m : catalogo.Motori) {
        VoceClassifica voce{m.Nome, m.Riga, diretta ? m.Dati.ForzaNominale : m.Dati.CoppiaNominale, {}};
        dati.InerziaMotore = m.Inerzia;
        const auto r = diretta ? senzaMotore : Dimensiona(Moto, dati);
        if (r)
            voce.Giudizio = GiudicaMotore(*r, dati, m.Dati);
        voci.push_back(std::move(voce));
    }
    // Sorted by index, so that each entry moves once.
    std::vector<size_t> ordine(voci.size());
    for (size_t i = 0; i < ordine.size(); ++i)
        ordine[i] = i;
    std::stable_sort(ordine.begin(), ordine.end(), [&voci](size_t a, size_t b) {
        return voci[a].Adatto() != voci[b].Adatto() ? voci[a].Adatto() : voci[a].Nominale < voci[b].Nominale;
    });
    Classifica classifica;
    classifica.Diretta = diretta;
    classifica.Scartate = catalogo.Scartate;
    classifica.Voci.reserve(voci.size());
    for (size_t i : ordine)
        classifica.Voci.push_back(std::move(voci[i]));
    return {std::move(classifica), {}};
}

std::string MotivoVoce(const VoceClassifica& voce, char separatore) {
    if (!voce.Giudizio)
        return "con questo motore le coppie vanno oltre l'intervallo dei numeri ammessi";
    if (auto superamento = PrimoSuperamento(*voce.Giudizio, separatore))
        return *superamento;
    if (voce.Giudizio->Diretta)
        return {};
    const std::string rapporto = "rapporto d'inerzia ";
    if (std::isnan(voce.Giudizio->RapportoInerzia))
        return rapporto + TestoSenzaInerzia;
    return voce.Giudizio->InerziaOltreConsiglio() ? rapporto + AvvisoRapportoInerzia : std::string();
}

std::string TestoClassifica(const Classifica& classifica) {
    const std::string quantita = classifica.Diretta ? "forza" : "coppia";
    std::string testo = "nome\tesito\t" + quantita + "_efficace_%\t" + quantita + "_picco_%\tvelocita_%\t" +
                        (classifica.Diretta ? "" : "rapporto_inerzia\t") + "motivo\n";
    const std::string vuote(classifica.Diretta ? 3 : 4, '\t'); // the figures' columns
    testo.reserve(testo.size() + 80 * (classifica.Voci.size() + classifica.Scartate.size()));
    const auto colonna = [&testo](const std::string& valore) {
        testo += '\t';
        testo += valore;
    };
    for (const VoceClassifica& voce : classifica.Voci) {
        for (char c : voce.Nome)
            testo += static_cast<unsigned char>(c) < 32 || c == 127 ? ' ' : c;
        colonna(voce.Adatto() ? "adatto" : "non adatto");
        if (!voce.Giudizio)
            testo += vuote;
        for (size_t i = 0; voce.Giudizio && i < voce.Giudizio->Limiti.size(); ++i)
            colonna(TestoQuota(voce.Giudizio->Limiti[i], 6, '.'));
        const double rapporto = voce.Giudizio ? voce.Giudizio->RapportoInerzia : NessunValore;
        if (voce.Giudizio && !classifica.Diretta)
            colonna(std::isnan(rapporto) ? std::string() : TestoCifre(rapporto, 6, '.'));
        colonna(MotivoVoce(voce, '.'));
        testo += '\n';
    }
    for (const RigaScartata& scartata : classifica.Scartate) {
        testo += "riga " + std::to_string(scartata.Riga) + "\t";
        testo += vuote;
        colonna(scartata.Motivo);
        testo += '\n';
    }
    return testo;
}
