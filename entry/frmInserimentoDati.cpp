#include "frmInserimentoDati.h"

#include "CorniceInserimento.h"
#include "Dialoghi.h"
#include "FrmRisultati.h"
#include "GeometriaInserimento.h"
#include "ProfiloVelocita.h"
#include "Simulazione.h"
#include "Sistemi.h"
#include "SpiegazioneMoto.h"
#include "TestiRegionali.h"
#include "Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace {

// The list on the picture: X range (both edges excluded) and the lower edge of each line's band,
// in twips; the last value closes the last band.
constexpr float ElencoSinistra = 6270;
constexpr float ElencoDestra = 7665;
constexpr std::array<float, NumeroSistemi + 1> BandeElenco{1980, 2145, 2355, 2535, 2745, 2925,
                                                           3135, 3300, 3495, 3720, 3930, 4140};

const Sistema& SistemaDi(int16_t sistema) {
    return Sistemi[sistema];
}

QRect Rettangolo(PostoTwips posto, int larghezza, int altezza) {
    return QRect(Px(posto.Sinistra), Px(posto.Alto), Px(larghezza), Px(altezza));
}

} // namespace

frmInserimentoDati::frmInserimentoDati(Simulazione& simulazione, Dialoghi& dialoghi,
                                       CorniceInserimento& cornice, QWidget* parent)
    : QWidget(parent), simulazione(simulazione), dialoghi(dialoghi), cornice(cornice) {
    setObjectName(QStringLiteral("frmInserimentoDati"));
    setWindowTitle(QStringLiteral("Inserimento dati"));
    setFixedSize(Px(LarghezzaInserimentoTwips), Px(AltezzaInserimentoTwips));
    CreaControlli();
    OrdinaTabulazione();
    AssegnaSpazioLibero();
    NumeroSelezionati = 0;
    MostraSistema();
}

void frmInserimentoDati::CreaControlli() {
    for (int i = 0; i < NumeroGrandezze; ++i) {
        const QString nome = QString::fromLatin1(Grandezze[i].Nome);
        auto* casella = new QCheckBox(this);
        casella->setObjectName(QStringLiteral("Selezionato(%1)").arg(i));
        casella->setAccessibleName(nome);
        casella->setGeometry(Rettangolo(PostiCaselle[i], LatoCasellaTwips, LatoCasellaTwips));
        casella->setAutoFillBackground(true);
        QPalette bianco = casella->palette();
        bianco.setColor(QPalette::Window, Qt::white);
        casella->setPalette(bianco);
        // toggled, not a mouse signal: keyboard and assistive tools tick boxes too.
        connect(casella, &QCheckBox::toggled, this, [this, i] { SpuntaCambiata(i); });
        Selezionato[i] = casella;

        auto* valore = new QLineEdit(this);
        valore->setObjectName(QStringLiteral("Risultati(%1)").arg(i));
        valore->setAccessibleName(QStringLiteral("Valore di %1").arg(nome));
        valore->setGeometry(Rettangolo(PostiValori[i], LarghezzaValoreTwips, AltezzaValoreTwips));
        QPalette ciano = valore->palette();
        ciano.setColor(QPalette::Base, QColor(192, 255, 255));
        valore->setPalette(ciano);
        valore->installEventFilter(this);
        connect(valore, &QLineEdit::returnPressed, this, &frmInserimentoDati::CalcoloRichiesto);
        valore->hide();
        Risultati[i] = valore;
    }
    Selezionato[IndiceS2]->hide();

    // Made last, so that it also comes last in the focus chain; drawn beneath the boxes.
    Profilo = new ProfiloVelocita(this);
    Profilo->move(Px(PostoProfilo.Sinistra), Px(PostoProfilo.Alto));
    Profilo->lower();
    connect(Profilo, &ProfiloVelocita::Premuto, this, &frmInserimentoDati::ProfiloPremuto);
}

void frmInserimentoDati::AssegnaSpazioLibero() {
    std::vector<QRect> occupati;
    for (const QRect& scritta : ProfiloVelocita::PostiScritte())
        occupati.push_back(scritta.translated(Profilo->pos()));
    for (int i = 0; i < NumeroGrandezze; ++i)
        occupati.insert(occupati.end(), {Selezionato[i]->geometry(), Risultati[i]->geometry()});
    for (QLineEdit* valore : Risultati) {
        const QRect posto = valore->geometry();
        int destra = width() - 2;
        for (const QRect& o : occupati)
            if (o.left() > posto.left() && o.top() <= posto.bottom() && o.bottom() >= posto.top())
                destra = std::min(destra, o.left() - 3);
        AllargaConIlTesto(*valore, destra - posto.left());
    }
}

void frmInserimentoDati::OrdinaTabulazione() {
    std::vector<QWidget*> ordine(Risultati.begin(), Risultati.end());
    for (const int i : {3, 0, 1, 2, 4, 5, 6, 7})
        ordine.push_back(Selezionato[i]);
    ordine.push_back(Profilo);
    for (size_t i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
}

void frmInserimentoDati::ImpostaSpunta(int indice, bool spuntata) {
    QCheckBox* casella = Selezionato[indice];
    const QSignalBlocker blocco(casella);
    casella->setChecked(spuntata);
}

void frmInserimentoDati::SpuntaCambiata(int indice) {
    QLineEdit* valore = Risultati[indice];
    const bool spuntata = Selezionato[indice]->isChecked();
    if (NumeroSelezionati >= 3 && spuntata) {
        ImpostaSpunta(indice, false);
        dialoghi.Messaggio(QStringLiteral("Non si possono selezionare più di 3 variabili"));
    } else if (spuntata) {
        valore->show();
        ScriviValore(indice, QString(), false);
        valore->setFocus();
        ++NumeroSelezionati;
    } else {
        valore->hide();
        --NumeroSelezionati;
    }
}

void frmInserimentoDati::ProfiloPremuto(float X, float Y) {
    if (X <= ElencoSinistra || X >= ElencoDestra || Y < BandeElenco.front() || Y >= BandeElenco.back())
        return;
    for (QCheckBox* casella : Selezionato)
        casella->setChecked(false);
    const auto sopra = std::upper_bound(BandeElenco.begin(), BandeElenco.end(), Y);
    simulazione.ImpostaSistema(static_cast<int16_t>(sopra - BandeElenco.begin() - 1));
    for (const int i : SistemaDi(simulazione.SistemaCorrente()).Indici)
        Selezionato[i]->setChecked(true);
}

void frmInserimentoDati::MostraSistema() {
    if (!SistemaValido(simulazione.SistemaCorrente()))
        return;
    for (const int i : SistemaDi(simulazione.SistemaCorrente()).Indici) {
        ImpostaSpunta(i, true);
        Risultati[i]->show();
        ScriviValore(i, TestoValore(simulazione.Moto().*Grandezze[i].Membro), true);
    }
    NumeroSelezionati = 3;
}

void frmInserimentoDati::ScriviValore(int indice, const QString& testo, bool delMoto) {
    Risultati[indice]->setText(testo);
    Risultati[indice]->setCursorPosition(0); // a long value shows from its first digit
    const double valore = simulazione.Moto().*Grandezze[indice].Membro;
    TestiMostrati[indice] = delMoto ? std::optional(Mostrato{testo, valore}) : std::nullopt;
}

bool frmInserimentoDati::Invariato(int indice) const {
    const auto& mostrato = TestiMostrati[indice];
    return mostrato && mostrato->testo == Risultati[indice]->text() &&
           mostrato->valore == simulazione.Moto().*Grandezze[indice].Membro;
}

bool frmInserimentoDati::eventFilter(QObject* oggetto, QEvent* evento) {
    auto* valore = qobject_cast<QLineEdit*>(oggetto);
    if (valore && evento->type() == QEvent::KeyPress &&
        SostituisciTasto(*valore, *static_cast<QKeyEvent*>(evento)))
        return true;
    return QWidget::eventFilter(oggetto, evento);
}

void frmInserimentoDati::AssegnaSistema() {
    Calcolo(true);
}

void frmInserimentoDati::Calcolo(bool offriTriangolo) {
    simulazione.ImpostaSistema(-1);
    const auto spuntato = [this](int i) { return Selezionato[i]->isChecked(); };
    const auto vuoto = [this](int i) { return Risultati[i]->text().isEmpty(); };
    const auto completo = std::find_if(Sistemi.begin(), Sistemi.end(), [&](const Sistema& s) {
        return std::all_of(s.Indici.begin(), s.Indici.end(), spuntato);
    });
    if (completo == Sistemi.end()) {
        dialoghi.Messaggio(
            QStringLiteral("La combinazione delle 3 variabili non è corretta, consultate l'help "
                           "per sapere quali combinazioni sono ammesse"));
        return;
    }
    if (std::any_of(completo->Indici.begin(), completo->Indici.end(), vuoto)) {
        dialoghi.Messaggio(QStringLiteral("Devono essere inseriti tutti e tre i valori"));
        return;
    }
    const auto id = static_cast<int16_t>(completo - Sistemi.begin());
    // Solving with a value the user did not type would be a silent wrong result.
    if (const int illeggibile = PrimoValoreIlleggibile(id); illeggibile >= 0) {
        dialoghi.Messaggio(QStringLiteral("Il valore di %1 non è un numero valido")
                               .arg(QString::fromLatin1(Grandezze[illeggibile].Nome)));
        cornice.Mostra(this);
        Risultati[illeggibile]->setFocus();
        return;
    }
    simulazione.ImpostaSistema(id);
    CopiaValori();
    if (const EsitoCalcolo esito = simulazione.Calcola(); !esito.Riuscito()) {
        MotoNonCalcolato(esito, offriTriangolo);
        return;
    }
    InserisciRisultati();
}

// A record that is no motion is shown in the results window marked, never as a result; after the
// solver's error an open results window keeps the values it shows, marked as another calculation's. Where the
// stroke is too short for Vm, the message offers the fastest move the limits allow: taking it writes its peak
// into the Vm box as the user would, and calculates again (once: the peak gives a motion).
void frmInserimentoDati::MotoNonCalcolato(const EsitoCalcolo& esito, bool offriTriangolo) {
    const QString spiegazione = esito.spiegazione.join(u'\n');
    const QString& messaggio = esito.messaggio;
    if (esito.tipo == EsitoCalcolo::Tipo::NessunMoto)
        cornice.ApriRisultati().SegnaMotoImpossibile(spiegazione);
    else if (FrmRisultati* risultati = cornice.RisultatiAperti())
        risultati->SegnaCalcoloFallito(spiegazione.isEmpty() ? messaggio : messaggio + u'\n' + spiegazione);
    const auto picco = offriTriangolo ? esito.piccoTriangolare : std::nullopt;
    if (!picco) {
        dialoghi.Messaggio(messaggio, TitoloApplicazione, Dialoghi::Icona::Nessuna, spiegazione);
        return;
    }
    if (!dialoghi.MessaggioConAlternativa(messaggio, UsaProfiloTriangolare, TitoloApplicazione,
                                          Dialoghi::Icona::Nessuna, spiegazione))
        return;
    ScriviValore(IndiceVm, TestoValoreEsatto(*picco), false);
    Calcolo(false);
}

int frmInserimentoDati::PrimoValoreIlleggibile(int16_t sistema) const {
    for (const int i : SistemaDi(sistema).Indici)
        if (!Invariato(i) && !LeggiValore(Risultati[i]->text()))
            return i;
    return -1;
}

int frmInserimentoDati::LeggiDatiImmessi() {
    if (!SistemaValido(simulazione.SistemaCorrente()))
        return -1;
    // Part of the values would make a record that is neither the old one nor the typed one.
    if (const int illeggibile = PrimoValoreIlleggibile(simulazione.SistemaCorrente()); illeggibile >= 0)
        return illeggibile;
    CopiaValori();
    return -1;
}

std::optional<Velantra> frmInserimentoDati::MotoImmesso() const {
    Velantra moto = simulazione.Moto();
    const int16_t sistema = simulazione.SistemaCorrente();
    if (!SistemaValido(sistema))
        return moto;
    if (PrimoValoreIlleggibile(sistema) >= 0)
        return std::nullopt;
    for (const int i : SistemaDi(sistema).Indici)
        if (!Invariato(i))
            moto.*Grandezze[i].Membro = LeggiValore(Risultati[i]->text()).value_or(0);
    return moto;
}

void frmInserimentoDati::CopiaValori() {
    const std::optional<Velantra> moto = MotoImmesso();
    for (const int i : SistemaDi(simulazione.SistemaCorrente()).Indici)
        simulazione.ImpostaValore(i, (*moto).*Grandezze[i].Membro);
}

void frmInserimentoDati::InserisciRisultati() {
    cornice.ApriRisultati().RiempiFrmRisultati();
}

void frmInserimentoDati::closeEvent(QCloseEvent* evento) {
    LeggiDatiImmessi();
    QWidget::closeEvent(evento);
}
