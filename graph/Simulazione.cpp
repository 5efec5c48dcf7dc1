#include "Simulazione.h"

#include "Campionamento.h"
#include "Sistemi.h"
#include "SpiegazioneMoto.h"
#include "VerificaMoto.h"

#include <cmath>

Simulazione::Simulazione(QObject* parent) : QObject(parent), testoSalvato(TestoDocumento().value_or("")) {}

namespace {
constexpr Simulazione::Cambi Tutto = Simulazione::Cambio::Dati | Simulazione::Cambio::Curva |
                                     Simulazione::Cambio::Asse | Simulazione::Cambio::Stato |
                                     Simulazione::Cambio::Documento;

// What a failed solve left undefined or infinite is written as 0, which any reader takes back: the
// combination and the typed values are kept.
std::optional<std::string> Testo(DatiDocumento dati) {
    for (const Grandezza& g : Grandezze)
        if (!std::isfinite(dati.Moto.*g.Membro))
            dati.Moto.*g.Membro = 0;
    return ScriviDocumento(dati);
}
} // namespace

void Simulazione::Azzera() {
    dati = DatiDocumento{};
    leggiMostrate = false;
    punti.Vuota();
    dimensionamento.reset();
    stato = StatoComandi::Vuoto;
    // A Save after New must not overwrite the document left, and quitting has nothing to keep.
    documento.clear();
    testoSalvato = TestoDocumento().value_or("");
}

void Simulazione::Svuota() {
    Azzera();
    emit Cambiata(Tutto);
}

void Simulazione::Esempio() {
    Azzera();
    dati.Sistema = 0;
    dati.Moto.Stot = 2;
    dati.Moto.Ttot = 5;
    dati.Moto.S1 = 0.25;
    emit Cambiata(Tutto);
}

void Simulazione::Carica(DatiDocumento letti, const QString& percorso, std::string testo) {
    dati = std::move(letti);
    leggiMostrate = false;
    punti.Vuota();
    dimensionamento.reset();
    stato = StatoComandi::Letto;
    documento = percorso;
    // As Save would write it back: a document in another form of the same data (written by hand, with
    // other line ends) is no change.
    testoSalvato = Testo(dati).value_or(std::move(testo));
    emit Cambiata(Tutto);
}

void Simulazione::ImpostaSistema(int16_t sistema) {
    if (sistema == dati.Sistema)
        return;
    dati.Sistema = sistema;
    emit Cambiata(Cambio::Dati);
}

bool Simulazione::ImpostaValore(int indice, double valore) {
    double& membro = dati.Moto.*Grandezze[static_cast<size_t>(indice)].Membro;
    if (membro == valore)
        return false;
    membro = valore;
    emit Cambiata(Cambio::Dati | SvuotaCurva());
    return true;
}

void Simulazione::ImpostaAsse(const std::optional<DatiAsse>& asse) {
    if (bool(asse) == bool(dati.Asse) && (!asse || StessiDati(*asse, *dati.Asse)))
        return;
    dati.Asse = asse;
    dimensionamento = Calcolata() && asse ? Dimensiona(dati.Moto, *asse) : std::nullopt;
    emit Cambiata(Cambio::Dati | Cambio::Asse);
}

void Simulazione::ImpostaMotore(const std::optional<DatiMotore>& motore) {
    if (bool(motore) == bool(dati.Motore) && (!motore || StessiDati(*motore, *dati.Motore)))
        return;
    dati.Motore = motore;
    emit Cambiata(Cambio::Dati | Cambio::Asse);
}

void Simulazione::ImpostaJerk(std::optional<double> jerk) {
    if (jerk == dati.Jerk)
        return;
    dati.Jerk = jerk;
    emit Cambiata(Cambio::Dati);
}

Simulazione::Cambi Simulazione::SvuotaCurva() {
    leggiMostrate = false;
    punti.Vuota();
    dimensionamento.reset();
    Cambi cambi = Cambio::Curva | Cambio::Asse;
    if (stato == StatoComandi::Calcolato) {
        stato = StatoComandi::Letto;
        cambi |= Cambio::Stato;
    }
    return cambi;
}

EsitoCalcolo Simulazione::Calcola() {
    EsitoCalcolo esito;
    const int16_t sistema = dati.Sistema;
    if (!SistemaValido(sistema)) {
        esito.tipo = EsitoCalcolo::Tipo::SenzaSistema;
        return esito;
    }
    Velantra& moto = dati.Moto;
    (moto.*Sistemi[static_cast<size_t>(sistema)].Risolutore)();
    // A regime phase within the rounding of the solve is none: the triangular profile it describes.
    if (moto.CalcoloOk)
        AzzeraRegimeTrascurabile(moto);
    if (!moto.CalcoloOk || !VerificaMoto(moto).empty()) {
        esito.tipo = moto.CalcoloOk ? EsitoCalcolo::Tipo::NessunMoto : EsitoCalcolo::Tipo::Errore;
        esito.messaggio = MessaggioMoto(sistema, moto);
        esito.spiegazione = SpiegazioneMoto(sistema, moto);
        esito.piccoTriangolare = VelocitaTriangolare(Sistemi[static_cast<size_t>(sistema)].Risolutore, moto);
        emit Cambiata(Cambio::Dati | SvuotaCurva());
        return esito;
    }
    dimensionamento = dati.Asse ? Dimensiona(moto, *dati.Asse) : std::nullopt;
    leggiMostrate = false; // a new motion: the laws shown were another's
    punti.Vuota();
    CampionaVelocita(punti, moto, grafico.StepTempo);
    stato = StatoComandi::Calcolato;
    emit Cambiata(Tutto);
    return esito;
}

std::optional<std::string> Simulazione::TestoDocumento() const {
    return Testo(dati);
}

void Simulazione::Salvata(const QString& percorso, std::string testo) {
    documento = percorso;
    testoSalvato = std::move(testo);
    emit Cambiata(Cambio::Documento);
}

bool Simulazione::Modificata() const {
    return TestoDocumento() != testoSalvato;
}

bool Simulazione::Modificata(const Velantra& moto) const {
    DatiDocumento conMoto = dati;
    conMoto.Moto = moto;
    return Testo(std::move(conMoto)) != testoSalvato;
}
