#include "frmDimensionamento.h"

#include "Dialoghi.h"
#include "FinestreFiglie.h"
#include "NumeriRegionali.h"
#include "Simulazione.h"
#include "TestiAsse.h"
#include "TestiRegionali.h"

#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace {

// Pixels: where the window opens in the area, the gap above the figures, the least width of the
// columns of values.
constexpr QPoint PostoFinestra(20, 20);
constexpr int SpazioCifre = 12;
constexpr int LarghezzaValori = 93;

const QString MessaggioNessunMoto =
    QStringLiteral("Nessun moto calcolato: inserire i valori del moto e premere «Calcolo».");

QString Nome(const CampoAsse& campo) {
    return QStringLiteral("«%1»").arg(EtichettaCampo(campo));
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

} // namespace

frmDimensionamento::frmDimensionamento(Simulazione& simulazione, Dialoghi& dialoghi, QWidget* parent)
    : QWidget(parent), simulazione(simulazione), dialoghi(dialoghi) {
    setObjectName(QStringLiteral("frmDimensionamento"));
    setWindowTitle(QStringLiteral("Dimensionamento asse"));
    auto* colonne = new QHBoxLayout;
    colonne->addWidget(CreaDati());
    colonne->addWidget(CreaRisultati(), 0, Qt::AlignTop);
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
    MostraDati(simulazione.Asse().value_or(DatiAsse{}));
    Aggiorna();
    // A new motion, or none: its sizing. Not once closed: its boxes would overwrite the sizing data of
    // the document opened (or the simulation emptied) while it waits to be deleted.
    connect(&simulazione, &Simulazione::Cambiata, this, [this](Simulazione::Cambi cosa) {
        if (cosa & Simulazione::Cambio::Curva && !chiusura)
            Aggiorna();
    });
}

QWidget* frmDimensionamento::CreaDati() {
    auto* riquadro = new QGroupBox(QStringLiteral("Dati dell'asse"), this);
    auto* griglia = new QGridLayout(riquadro);
    for (int i = 0; i < NumeroCampiAsse; ++i) {
        const CampoAsse& campo = CampiAsse[i];
        etichette[i] = new QLabel(EtichettaCampo(campo), riquadro);
        griglia->addWidget(etichette[i], i, 0);
        QWidget* controllo;
        if (!campo.Membro) {
            trasmissione = new QComboBox(riquadro);
            for (int tipo = 0; tipo < int(NomiTrasmissione.size()); ++tipo)
                trasmissione->addItem(NomeTrasmissione(Trasmissione(tipo)));
            connect(trasmissione, &QComboBox::currentIndexChanged, this, &frmDimensionamento::Aggiorna);
            controllo = trasmissione;
        } else {
            auto* casella = new QLineEdit(riquadro);
            casella->setMinimumWidth(LarghezzaPerNumeri(*casella));
            casella->installEventFilter(this);
            connect(casella, &QLineEdit::textEdited, this, [this, i] {
                rifiutati[i].clear();
                if (!primaDellaModifica)
                    primaDellaModifica = this->simulazione.Asse();
                Aggiorna();
            });
            connect(casella, &QLineEdit::editingFinished, this, [this, i] { ValoreConfermato(i); });
            valori[i] = casella;
            controllo = casella;
        }
        controllo->setObjectName(QLatin1String(campo.Chiave));
        controllo->setAccessibleName(EtichettaCampo(campo));
        etichette[i]->setBuddy(controllo);
        griglia->addWidget(controllo, i, 1);
        unita[i] = new QLabel(UnitaCampo(campo), riquadro);
        griglia->addWidget(unita[i], i, 2);
    }
    return riquadro;
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
    for (size_t i = 0; i < CifreAsse.size(); ++i) {
        const int riga = NumeroFasiAsse + 2 + int(i);
        nomiCifre[i] = new QLabel(QString::fromUtf8(CifreAsse[i].Nome), riquadro);
        griglia->addWidget(nomiCifre[i], riga, 0);
        cifre[i] = Valore(riquadro);
        cifre[i]->setAccessibleName(nomiCifre[i]->text());
        griglia->addWidget(cifre[i], riga, 1);
        unitaCifre[i] = new QLabel(QString::fromUtf8(CifreAsse[i].Unita), riquadro);
        griglia->addWidget(unitaCifre[i], riga, 2);
    }
    griglia->setColumnMinimumWidth(1, LarghezzaValori);
    griglia->setColumnMinimumWidth(2, LarghezzaValori);
    return riquadro;
}

void frmDimensionamento::MostraDati(const DatiAsse& dati) {
    const QSignalBlocker blocco(trasmissione);
    trasmissione->setCurrentIndex(static_cast<int>(dati.Tipo));
    for (int i = 0; i < NumeroCampiAsse; ++i)
        if (valori[i]) {
            const double valore = dati.*CampiAsse[i].Membro;
            valori[i]->setText(std::isnan(valore) ? QString() : TestoValore(valore));
            valori[i]->setCursorPosition(0);
        }
}

frmDimensionamento::Lettura frmDimensionamento::Leggi() const {
    Lettura letta;
    letta.dati.Tipo = Trasmissione(trasmissione->currentIndex());
    for (int i = 0; i < NumeroCampiAsse && letta.campo < 0; ++i) {
        const CampoAsse& campo = CampiAsse[i];
        if (!valori[i] || !Applicabile(campo, letta.dati.Tipo))
            continue; // what does not apply keeps its default, whatever the box holds
        const QString testo = valori[i]->text().trimmed();
        if (testo.isEmpty()) {
            if (Obbligatorio(campo))
                letta = {letta.dati, i, QStringLiteral("Manca il valore di %1.").arg(Nome(campo))};
            continue; // an empty box stands for the default
        }
        const auto valore = LeggiValore(testo);
        const auto difetto = valore ? DifettoValore(campo, *valore) : std::nullopt;
        if (!valore)
            letta = {letta.dati, i,
                     QStringLiteral("Il valore di %1 non è un numero valido.").arg(Nome(campo))};
        else if (difetto)
            letta = {
                letta.dati, i,
                QStringLiteral("Il valore di %1 %2.").arg(Nome(campo), QString::fromStdString(*difetto))};
        else
            letta.dati.*campo.Membro = *valore;
    }
    return letta;
}

QString frmDimensionamento::Difetto() const {
    return Leggi().motivo;
}

void frmDimensionamento::Aggiorna() {
    const Lettura letta = Leggi();
    for (int i = 0; i < NumeroCampiAsse; ++i) {
        const bool applicabile = Applicabile(CampiAsse[i], letta.dati.Tipo);
        for (QWidget* w :
             {static_cast<QWidget*>(etichette[i]), etichette[i]->buddy(), static_cast<QWidget*>(unita[i])})
            w->setEnabled(applicabile);
        if (valori[i]) { // the box that cannot be taken in red, as its message below
            QPalette colori = valori[i]->palette();
            colori.setColor(QPalette::Text,
                            i == letta.campo ? QColor(Qt::red) : palette().color(QPalette::Text));
            valori[i]->setPalette(colori);
        }
    }
    simulazione.ImpostaAsse(letta.campo < 0 ? std::optional(letta.dati)
                                            : primaDellaModifica.value_or(simulazione.Asse()));
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
}

void frmDimensionamento::MostraRisultati(const Dimensionamento* r) {
    const bool coppia = !r || !r->Diretta;
    titoloCoppie->setVisible(coppia);
    for (int i = 0; i < NumeroFasiAsse; ++i) {
        MostraCifra(forze[i], r ? std::optional(r->Fasi[i].Forza) : std::nullopt);
        MostraCifra(coppie[i], r ? std::optional(r->Fasi[i].Coppia) : std::nullopt);
        coppie[i]->setVisible(coppia);
    }
    for (size_t i = 0; i < CifreAsse.size(); ++i) {
        const bool mostrata = coppia || CifreAsse[i].AncheDiretta;
        MostraCifra(cifre[i], r ? std::optional((*r).*CifreAsse[i].Membro) : std::nullopt);
        for (QLabel* etichetta : {nomiCifre[i], cifre[i], unitaCifre[i]})
            etichetta->setVisible(mostrata);
    }
}

void frmDimensionamento::ValoreConfermato(int campo) {
    primaDellaModifica.reset();
    QLineEdit* casella = valori[campo];
    if (chiusura || !casella->isEnabled())
        return;
    if (casella->text().trimmed().isEmpty() && !Obbligatorio(CampiAsse[campo])) {
        casella->setText(TestoValore(DatiAsse{}.*CampiAsse[campo].Membro)); // the default it stands for
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
    for (int i = 0; i < NumeroCampiAsse; ++i)
        if (etichette[i]->isEnabled())
            riga(etichette[i]->text(), valori[i] ? valori[i]->text() : trasmissione->currentText(),
                 unita[i]->text());
    for (int i = 0; i < NumeroFasiAsse && !forze[i]->text().isEmpty(); ++i) {
        riga(forze[i]->accessibleName(), forze[i]->text(), QStringLiteral("N"));
        if (coppie[i]->isVisibleTo(this))
            riga(coppie[i]->accessibleName(), coppie[i]->text(), QStringLiteral("N·m"));
    }
    for (size_t i = 0; i < CifreAsse.size(); ++i)
        if (cifre[i]->isVisibleTo(this) && !cifre[i]->text().isEmpty())
            riga(nomiCifre[i]->text(), cifre[i]->text(), unitaCifre[i]->text());
    return righe;
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
