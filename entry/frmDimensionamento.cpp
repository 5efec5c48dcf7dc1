#include "frmDimensionamento.h"

#include "CampiDimensionamento.h"
#include "Dialoghi.h"
#include "FinestreFiglie.h"
#include "NumeriRegionali.h"
#include "RisultatiMotore.h"
#include "Simulazione.h"
#include "TestiAsse.h"
#include "TestiRegionali.h"
#include "frmCatalogoMotori.h"

#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

using namespace campi_dimensionamento;

namespace {

// Pixels: where the window opens in the area, the gap above the figures, the least width of the
// columns of values.
constexpr QPoint PostoFinestra(20, 20);
constexpr int SpazioCifre = 12;
constexpr int LarghezzaValori = 93;

const QString MessaggioNessunMoto =
    QStringLiteral("Nessun moto calcolato: inserire i valori del moto e premere «Calcolo».");

QString Nome(int campo) {
    return QStringLiteral("«%1»").arg(Etichetta(campo));
}

QLabel* Valore(QWidget* genitore) {
    auto* etichetta = new QLabel(genitore);
    etichetta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    etichetta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return etichetta;
}

// The whole value a tooltip away, the six digits on show.
void MostraCifra(QLabel* etichetta, std::optional<double> valore) {
    etichetta->setText(valore ? TestoCifra(*valore) : QString());
    etichetta->setToolTip(valore ? TestoValore(*valore) : QString());
}

const CifraAsse& Cifra(int i) {
    return i < int(CifreAsse.size()) ? CifreAsse[i] : CifraFrenatura;
}

} // namespace

frmDimensionamento::frmDimensionamento(Simulazione& simulazione, Dialoghi& dialoghi, QWidget* parent)
    : QWidget(parent), simulazione(simulazione), dialoghi(dialoghi) {
    setObjectName(QStringLiteral("frmDimensionamento"));
    setWindowTitle(QStringLiteral("Dimensionamento asse"));
    motore = new RisultatiMotore(this);
    connect(motore, &RisultatiMotore::UsaRapporto, this, [this](double r) { Digitato(CampoRapporto, r); });
    auto* colonne = new QHBoxLayout;
    colonne->addWidget(CreaDati(), 0, Qt::AlignTop);
    schede = new QTabWidget(this);
    schede->setObjectName(QStringLiteral("schede"));
    schede->setAccessibleName(QStringLiteral("Risultati del dimensionamento"));
    auto* pagina = new QWidget(schede);
    auto* risultati = new QVBoxLayout(pagina);
    risultati->addWidget(CreaRisultati());
    risultati->addWidget(motore->CreaGiudizi(pagina));
    risultati->addStretch(1);
    schede->addTab(pagina, QStringLiteral("&Risultati"));
    schede->addTab(motore->CreaOttimo(schede), QStringLiteral("Rapporto &ottimale"));
    schede->addTab(motore->CreaDiagramma(schede), QStringLiteral("&Diagramma coppia-velocità"));
    colonne->addWidget(schede, 1);
    stato = new QLabel(this);
    stato->setObjectName(QStringLiteral("lblStato"));
    stato->setWordWrap(true);
    auto* copia = new QPushButton(QStringLiteral("Copia"), this);
    copia->setObjectName(QStringLiteral("cmdCopia"));
    connect(copia, &QPushButton::clicked, this, &frmDimensionamento::Copia);
    copia->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* piede = new QHBoxLayout;
    piede->addWidget(stato, 1);
    piede->addWidget(copia, 0, Qt::AlignRight | Qt::AlignBottom);
    auto* finestra = new QVBoxLayout(this);
    finestra->addLayout(colonne);
    finestra->addLayout(piede);
    MostraDati(simulazione.Asse().value_or(DatiAsse{}), simulazione.Motore());
    Aggiorna();
    // A new motion, or none: its sizing. Not once closed: its boxes would overwrite the sizing data of
    // the document opened (or the simulation emptied) while it waits to be deleted.
    connect(&simulazione, &Simulazione::Cambiata, this, [this](Simulazione::Cambi cosa) {
        if (cosa & Simulazione::Cambio::Curva && !chiusura)
            Aggiorna();
    });
}

QWidget* frmDimensionamento::CreaRisultati() {
    auto* riquadro = new QGroupBox(QStringLiteral("Risultati"), this);
    auto* griglia = new QGridLayout(riquadro);
    griglia->addWidget(new QLabel(QStringLiteral("F [N]"), riquadro), 0, 1, Qt::AlignRight);
    titoloCoppie = new QLabel(QStringLiteral("C [N·m]"), riquadro);
    griglia->addWidget(titoloCoppie, 0, 2, Qt::AlignRight);
    for (int i = 0; i < NumeroFasiAsse; ++i) {
        QString fase = QLatin1String(NomiFasiAsse[i]);
        fase[0] = fase[0].toUpper();
        griglia->addWidget(new QLabel(fase, riquadro), i + 1, 0);
        forze[i] = Valore(riquadro);
        forze[i]->setAccessibleName(QStringLiteral("Forza in %1").arg(QLatin1String(NomiFasiAsse[i])));
        griglia->addWidget(forze[i], i + 1, 1);
        coppie[i] = Valore(riquadro);
        coppie[i]->setAccessibleName(QStringLiteral("Coppia in %1").arg(QLatin1String(NomiFasiAsse[i])));
        griglia->addWidget(coppie[i], i + 1, 2);
    }
    griglia->setRowMinimumHeight(NumeroFasiAsse + 1, SpazioCifre);
    for (int i = 0; i < NumeroCifre; ++i) {
        const int riga = NumeroFasiAsse + 2 + i;
        nomiCifre[i] = new QLabel(QString::fromUtf8(Cifra(i).Nome), riquadro);
        griglia->addWidget(nomiCifre[i], riga, 0);
        cifre[i] = Valore(riquadro);
        cifre[i]->setAccessibleName(nomiCifre[i]->text());
        griglia->addWidget(cifre[i], riga, 1);
        unitaCifre[i] = new QLabel(QString::fromUtf8(Cifra(i).Unita), riquadro);
        griglia->addWidget(unitaCifre[i], riga, 2);
    }
    griglia->setColumnMinimumWidth(1, LarghezzaValori);
    griglia->setColumnMinimumWidth(2, LarghezzaValori);
    griglia->setColumnStretch(3, 1); // the room the tabs give goes past the columns of values
    return riquadro;
}

void frmDimensionamento::MostraDati(const DatiAsse& dati, const std::optional<DatiMotore>& motore) {
    const QSignalBlocker blocco(trasmissione);
    trasmissione->setCurrentIndex(static_cast<int>(dati.Tipo));
    const DatiMotore limiti = motore.value_or(DatiMotore{});
    for (int i = 0; i < NumeroCampi; ++i)
        if (valori[i]) {
            const double valore = DelMotore(i) ? limiti.*Motore(i).Membro : dati.*CampiAsse[i].Membro;
            const bool dato = !std::isnan(valore) && (!DelMotore(i) || Applica(i, dati.Tipo));
            valori[i]->setText(dato ? TestoValore(valore) : QString());
            valori[i]->setCursorPosition(0);
        }
}

frmDimensionamento::Lettura frmDimensionamento::Leggi() const {
    Lettura letta;
    letta.dati.Tipo = Trasmissione(trasmissione->currentIndex());
    for (int i = 0; i < NumeroCampi && letta.campo < 0; ++i) {
        if (!valori[i] || !Applica(i, letta.dati.Tipo))
            continue; // what does not apply keeps its default, whatever the box holds
        const QString testo = valori[i]->text().trimmed();
        if (testo.isEmpty()) {
            if (Richiesto(i))
                letta = {letta.dati, letta.motore, i, QStringLiteral("Manca il valore di %1.").arg(Nome(i))};
            continue; // an empty box stands for the default, or for a motor's value not given
        }
        const auto valore = LeggiValore(testo);
        const auto difetto = valore ? DifettoCampo(i, *valore) : std::nullopt;
        if (!valore)
            letta = {letta.dati, letta.motore, i,
                     QStringLiteral("Il valore di %1 non è un numero valido.").arg(Nome(i))};
        else if (difetto)
            letta = {letta.dati, letta.motore, i,
                     QStringLiteral("Il valore di %1 %2.").arg(Nome(i), QString::fromStdString(*difetto))};
        else if (DelMotore(i))
            letta.motore.*Motore(i).Membro = *valore;
        else
            letta.dati.*CampiAsse[i].Membro = *valore;
    }
    return letta;
}

QString frmDimensionamento::Difetto() const {
    return Leggi().motivo;
}

void frmDimensionamento::Aggiorna() {
    const Lettura letta = Leggi();
    for (int i = 0; i < NumeroCampi; ++i) {
        const bool applicabile = Applica(i, letta.dati.Tipo);
        for (QWidget* w :
             {static_cast<QWidget*>(etichette[i]), etichette[i]->buddy(), static_cast<QWidget*>(unita[i])})
            DelMotore(i) ? w->setVisible(applicabile) : w->setEnabled(applicabile);
        if (valori[i]) { // the box that cannot be taken in red, as its message below
            QPalette colori = valori[i]->palette();
            colori.setColor(QPalette::Text,
                            i == letta.campo ? QColor(Qt::red) : palette().color(QPalette::Text));
            valori[i]->setPalette(colori);
        }
    }
    const Prima prima = primaDellaModifica.value_or(Prima{simulazione.Asse(), simulazione.Motore()});
    const bool letti = letta.campo < 0;
    simulazione.ImpostaAsse(letti ? std::optional(letta.dati) : prima.asse);
    simulazione.ImpostaMotore(!letti                                      ? prima.motore
                              : MotoreDato(letta.motore, letta.dati.Tipo) ? std::optional(letta.motore)
                                                                          : std::nullopt);
    const std::optional<Dimensionamento>& r = simulazione.Dimensionato();
    const bool mostrato = letta.campo < 0 && r;
    if (letta.campo >= 0)
        stato->setText(letta.motivo);
    else if (!simulazione.Calcolata())
        stato->setText(MessaggioNessunMoto);
    else if (!r)
        stato->setText(QStringLiteral("Il moto calcolato non si può dimensionare."));
    else
        stato->clear();
    stato->setVisible(!stato->text().isEmpty());
    MostraRisultati(mostrato ? &*r : nullptr);
    motore->Mostra(mostrato ? &*r : nullptr, letta.dati, simulazione.Motore());
}

void frmDimensionamento::MostraRisultati(const Dimensionamento* r) {
    const bool coppia = !r || !r->Diretta;
    titoloCoppie->setVisible(coppia);
    for (int i = 0; i < NumeroFasiAsse; ++i) {
        MostraCifra(forze[i], r ? std::optional(r->Fasi[i].Forza) : std::nullopt);
        MostraCifra(coppie[i], r ? std::optional(r->Fasi[i].Coppia) : std::nullopt);
        coppie[i]->setVisible(coppia);
    }
    for (int i = 0; i < NumeroCifre; ++i) {
        const bool mostrata = coppia || Cifra(i).AncheDiretta;
        MostraCifra(cifre[i], r ? std::optional((*r).*Cifra(i).Membro) : std::nullopt);
        for (QLabel* etichetta : {nomiCifre[i], cifre[i], unitaCifre[i]})
            etichetta->setVisible(mostrata);
    }
}

void frmDimensionamento::ValoreConfermato(int campo) {
    primaDellaModifica.reset();
    QLineEdit* casella = valori[campo];
    if (chiusura || !casella->isEnabled())
        return;
    if (casella->text().trimmed().isEmpty() && !Richiesto(campo)) {
        if (!DelMotore(campo)) // the default it stands for; a motor's value is simply not given
            casella->setText(TestoValore(DatiAsse{}.*CampiAsse[campo].Membro));
        return;
    }
    const Lettura letta = Leggi();
    if (letta.campo != campo || casella->text().trimmed().isEmpty() || casella->text() == rifiutati[campo])
        return;
    rifiutati[campo] = casella->text();
    dialoghi.Messaggio(letta.motivo);
    casella->setFocus();
    casella->selectAll();
}

QStringList frmDimensionamento::Righe() const {
    QStringList righe;
    const auto riga = [&righe](const QString& nome, const QString& valore, const QString& unita) {
        righe << nome + '\t' + valore + '\t' + unita;
    };
    for (int i = 0; i < NumeroCampi; ++i)
        if (etichette[i]->isEnabled() && !etichette[i]->isHidden() &&
            !(DelMotore(i) && valori[i]->text().trimmed().isEmpty()))
            riga(etichette[i]->text(), valori[i] ? valori[i]->text() : trasmissione->currentText(),
                 unita[i]->text());
    for (int i = 0; i < NumeroFasiAsse && !forze[i]->text().isEmpty(); ++i) {
        riga(forze[i]->accessibleName(), forze[i]->text(), QStringLiteral("N"));
        if (coppie[i]->isVisibleTo(this))
            riga(coppie[i]->accessibleName(), coppie[i]->text(), QStringLiteral("N·m"));
    }
    for (int i = 0; i < NumeroCifre; ++i)
        if (!cifre[i]->isHidden() && !cifre[i]->text().isEmpty())
            riga(nomiCifre[i]->text(), cifre[i]->text(), unitaCifre[i]->text());
    return righe + motore->Righe();
}

void frmDimensionamento::Digitato(int campo, double valore) {
    valori[campo]->setText(TestoValore(valore));
    rifiutati[campo].clear();
    Aggiorna();
}

void frmDimensionamento::ScegliMotore(const MotoreCatalogo& scelto) {
    for (int i = NumeroCampiAsse; i < NumeroCampi; ++i)
        if (Applica(i, Trasmissione(trasmissione->currentIndex()))) {
            valori[i]->setText(TestoValore(scelto.Dati.*Motore(i).Membro));
            rifiutati[i].clear();
        }
    if (Applica(CampoInerzia, Trasmissione(trasmissione->currentIndex())))
        valori[CampoInerzia]->setText(TestoValore(scelto.Inerzia));
    Aggiorna();
}

void frmDimensionamento::Copia() const {
    QGuiApplication::clipboard()->setText(Righe().join('\n') + '\n');
}

bool frmDimensionamento::eventFilter(QObject* oggetto, QEvent* evento) {
    auto* casella = qobject_cast<QLineEdit*>(oggetto);
    // The replaced key goes in through insert(), which reports textEdited like a typed one.
    if (casella && evento->type() == QEvent::KeyPress &&
        SostituisciTasto(*casella, *static_cast<QKeyEvent*>(evento)))
        return true;
    return QWidget::eventFilter(oggetto, evento);
}

void frmDimensionamento::closeEvent(QCloseEvent* evento) {
    chiusura = true; // leaving a box while closing asks nothing
    QWidget::closeEvent(evento);
}

frmDimensionamento& ApriDimensionamento(FinestreFiglie& figlie, Simulazione& simulazione,
                                        Dialoghi& dialoghi) {
    auto* finestra = figlie.Aperta<frmDimensionamento>();
    if (!finestra) {
        finestra = new frmDimensionamento(simulazione, dialoghi);
        figlie.AggiungiFissa(finestra, PostoFinestra);
    }
    figlie.Mostra(finestra);
    return *finestra;
}

QString DifettoDimensionamento(const FinestreFiglie& figlie) {
    const auto* finestra = figlie.Aperta<frmDimensionamento>();
    const QString difetto = finestra ? finestra->Difetto() : QString();
    return difetto.isEmpty() ? difetto : difetto.left(1).toLower() + difetto.mid(1).chopped(1);
}
