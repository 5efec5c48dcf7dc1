#include "frmLeggi.h"

#include "Dialoghi.h"
#include "FinestreFiglie.h"
#include "GraficiLeggi.h"
#include "NumeriRegionali.h"
#include "PianoSerie.h"
#include "Simulazione.h"
#include "TabellaLeggi.h"
#include "TestiRegionali.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int MassimoSpuntate = 4;
// Pixels: where the window opens in the area.
constexpr QPoint PostoFinestra(30, 30);
const QColor FondoMinimo(255, 232, 140);

const QString MessaggioNessunCalcolo =
    QStringLiteral("Nessun moto calcolato: inserire i valori del moto e premere «Calcolo».");
const QString MessaggioSpunte =
    QStringLiteral("Il grafico confronta al più quattro leggi: togliere la spunta a una prima di sceglierne "
                   "un'altra.");
const QString NotaMinimi = QStringLiteral("In grassetto su fondo giallo: il valore minimo della colonna.");

// Why the typed jerk cannot be taken; empty when it can.
QString DifettoJerk(const QString& testo, double& valore) {
    const std::optional<double> letto = LeggiValore(testo.trimmed());
    if (!letto)
        return QStringLiteral("Il valore di «J» non è un numero valido.");
    if (!(*letto > 0) || !std::isfinite(*letto))
        return QString::fromUtf8(MessaggioJerk) + '.';
    valore = *letto;
    return {};
}

} // namespace

frmLeggi::frmLeggi(Simulazione& simulazione, Dialoghi& dialoghi, QWidget* parent)
    : QWidget(parent), simulazione(simulazione), dialoghi(dialoghi), spunte(NumeroLeggi, false) {
    setObjectName(QStringLiteral("frmLeggi"));
    setWindowTitle(QStringLiteral("Leggi di moto"));
    spunte[LeggeTrapezioMoto] = true;

    auto* etichetta = new QLabel(QStringLiteral("&J"), this);
    jerk = new QLineEdit(this);
    jerk->setObjectName(QStringLiteral("jerk"));
    jerk->setAccessibleName(QStringLiteral("J"));
    jerk->setMinimumWidth(LarghezzaPerNumeri(*jerk));
    jerk->installEventFilter(this);
    etichetta->setBuddy(jerk);
    connect(jerk, &QLineEdit::textEdited, this, &frmLeggi::JerkDigitato);
    connect(jerk, &QLineEdit::editingFinished, this, [this] {
        double valore = 0;
        const QString difetto = DifettoJerk(jerk->text(), valore);
        if (!difetto.isEmpty() && !jerk->text().trimmed().isEmpty() && jerk->isModified()) {
            jerk->setModified(false); // said once for this text
            this->dialoghi.Messaggio(difetto);
        }
    });
    motivoJerk = new QLabel(this);
    motivoJerk->setObjectName(QStringLiteral("lblMotivoJerk"));
    motivoJerk->setStyleSheet(QStringLiteral("color: red"));
    motivoJerk->setWordWrap(true);
    posizioneJerk = new QCheckBox(QStringLiteral("&Posizione e jerk"), this);
    posizioneJerk->setObjectName(QStringLiteral("chkPosizioneJerk"));
    posizioneJerk->setToolTip(QStringLiteral("Mostra s(t) e j(t) in luogo di v(t) e a(t)"));
    connect(posizioneJerk, &QCheckBox::toggled, this, &frmLeggi::Traccia);
    auto* esporta = new QPushButton(QStringLiteral("Esporta &dati..."), this);
    esporta->setObjectName(QStringLiteral("cmdEsportaDati"));
    connect(esporta, &QPushButton::clicked, this, &frmLeggi::EsportaDatiRichiesta);

    auto* testa = new QHBoxLayout;
    testa->addWidget(etichetta);
    testa->addWidget(jerk);
    testa->addWidget(new QLabel(QStringLiteral("m/sec^3"), this));
    testa->addWidget(motivoJerk, 1);
    testa->addWidget(posizioneJerk);
    testa->addWidget(esporta);

    stato = new QLabel(this);
    stato->setObjectName(QStringLiteral("lblStato"));
    stato->setWordWrap(true);

    tabella = new QTableWidget(this);
    tabella->setObjectName(QStringLiteral("tblLeggi"));
    tabella->setAccessibleName(QStringLiteral("Leggi di moto"));
    tabella->verticalHeader()->hide();
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setSelectionMode(QAbstractItemView::NoSelection);
    tabella->setWordWrap(false);
    tabella->setTextElideMode(Qt::ElideNone);
    tabella->setToolTip(NotaMinimi);
    tabella->horizontalHeader()->setStretchLastSection(true);
    // Whole when there is room, the plots taking the rest; scrolled on a small screen.
    tabella->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    tabella->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    connect(tabella, &QTableWidget::itemChanged, this, &frmLeggi::Spuntata);

    primo = new PianoSerie(this);
    secondo = new PianoSerie(this);
    auto* piani = new QHBoxLayout;
    for (PianoSerie* piano : {primo, secondo}) {
        piano->setFocusPolicy(Qt::StrongFocus);
        piani->addWidget(piano);
    }

    auto* finestra = new QVBoxLayout(this);
    finestra->addLayout(testa);
    finestra->addWidget(stato);
    finestra->addWidget(tabella);
    finestra->addLayout(piani, 1);
    Aggiorna(true);
    connect(&simulazione, &Simulazione::Cambiata, this, [this](Simulazione::Cambi cosa) {
        if (!chiusa &&
            cosa & (Simulazione::Cambio::Curva | Simulazione::Cambio::Asse | Simulazione::Cambio::Dati))
            Aggiorna(cosa & (Simulazione::Cambio::Curva | Simulazione::Cambio::Documento));
    });
}

QSize frmLeggi::sizeHint() const {
    if (!layout())
        return QWidget::sizeHint();
    // The whole table above the two plots at their designed size.
    const int larghezza = tabella->horizontalHeader()->length() + 2 * tabella->frameWidth();
    const int altezza = tabella->horizontalHeader()->sizeHint().height() + 2 * tabella->frameWidth() +
                        NumeroLeggi * tabella->verticalHeader()->defaultSectionSize();
    const QSize piano = primo->sizeHint();
    const QMargins m = layout()->contentsMargins();
    const int spazio = layout()->spacing();
    return {std::max({larghezza, 2 * piano.width() + spazio,
                      layout()->sizeHint().width() - m.left() - m.right()}) +
                m.left() + m.right(),
            layout()->itemAt(0)->sizeHint().height() +
                (stato->isVisible() ? stato->sizeHint().height() + spazio : 0) + altezza + piano.height() +
                2 * spazio + m.top() + m.bottom()};
}

std::vector<int> frmLeggi::Spuntate() const {
    std::vector<int> leggi;
    for (int i = 0; i < NumeroLeggi; ++i)
        if (spunte[i])
            leggi.push_back(i);
    return leggi;
}

void frmLeggi::Stato(const QString& testo) {
    stato->setText(testo);
    stato->setVisible(!testo.isEmpty());
}

void frmLeggi::Aggiorna(bool mostraJerk) {
    confronto.reset();
    const bool calcolata = simulazione.Calcolata();
    const Velantra& moto = simulazione.Moto();
    const double j = simulazione.Jerk().value_or(calcolata ? JerkPredefinito(moto) : NAN);
    if (mostraJerk) {
        jerk->setText(std::isfinite(j) ? TestoValore(j) : QString());
        jerk->setCursorPosition(0);
        motivoJerk->clear();
        jerk->setStyleSheet({});
    }
    if (!calcolata) {
        Stato(MessaggioNessunCalcolo);
    } else {
        simulazione.SegnaLeggiMostrate();
        // Sizing data that cannot size this motion: the laws still compare, without the drive's columns.
        const bool dimensionabile = !simulazione.Asse() || simulazione.Dimensionato();
        EsitoConfronto esito = ConfrontaLeggi(moto, dimensionabile ? simulazione.Asse() : std::nullopt,
                                              std::isfinite(j) ? j : 0);
        confronto = std::move(esito.Confronto);
        Stato(!confronto ? QString::fromUtf8(esito.Motivo.c_str()) + '.'
              : dimensionabile
                  ? QString()
                  : QStringLiteral("Il moto calcolato non si può dimensionare: la tabella non ha "
                                   "le colonne dell'asse."));
    }
    tabella->setVisible(confronto.has_value());
    primo->setVisible(confronto.has_value());
    secondo->setVisible(confronto.has_value());
    if (confronto) {
        Riempi(*confronto);
        Traccia();
    }
}

void frmLeggi::Riempi(const ConfrontoLeggi& c) {
    const QSignalBlocker blocco(tabella);
    QStringList intestazioni;
    for (const std::string& nome : ColonneConfronto(c))
        intestazioni << QString::fromUtf8(nome.c_str());
    tabella->clear();
    tabella->setColumnCount(int(intestazioni.size()));
    tabella->setRowCount(NumeroLeggi);
    tabella->setHorizontalHeaderLabels(intestazioni);
    for (int legge = 0; legge < NumeroLeggi; ++legge) {
        auto* nome = new QTableWidgetItem(QString::fromUtf8(NomiLeggi[legge]));
        nome->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        nome->setCheckState(spunte[legge] ? Qt::Checked : Qt::Unchecked);
        nome->setToolTip(QStringLiteral("Spuntata: nel grafico (al più quattro leggi)"));
        tabella->setItem(legge, 0, nome);
        const std::vector<double> valori = ValoriRiga(c, legge);
        for (int i = 0; i < int(valori.size()); ++i) {
            const double v = valori[i];
            auto* cella =
                new QTableWidgetItem(QString::fromUtf8(TestoCella(v, SeparatoreDecimale()).c_str()));
            cella->setFlags(Qt::ItemIsEnabled);
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QString suggerimento = std::isinf(v) ? QString::fromUtf8(TestoIllimitato) : TestoValore(v);
            if (Segnata(c, legge, i)) {
                QFont grassetto = cella->font();
                grassetto.setBold(true);
                cella->setFont(grassetto);
                cella->setBackground(FondoMinimo);
                suggerimento += QStringLiteral(" (minimo della colonna)");
            }
            cella->setToolTip(suggerimento);
            tabella->setItem(legge, i + 1, cella);
        }
    }
    tabella->resizeColumnsToContents();
    tabella->resizeRowsToContents();
    const int testata = tabella->horizontalHeader()->sizeHint().height() + 2 * tabella->frameWidth();
    tabella->setMinimumHeight(testata + 3 * tabella->rowHeight(0));
}

void frmLeggi::Traccia() {
    if (!confronto)
        return;
    const std::vector<int> leggi = Spuntate();
    const bool altre = posizioneJerk->isChecked();
    primo->Mostra(
        GraficoLeggi(*confronto, leggi, altre ? GrandezzaLegge::Posizione : GrandezzaLegge::Velocita));
    secondo->Mostra(
        GraficoLeggi(*confronto, leggi, altre ? GrandezzaLegge::Jerk : GrandezzaLegge::Accelerazione));
    primo->setAccessibleName(altre ? QStringLiteral("Grafico s(t)") : QStringLiteral("Grafico v(t)"));
    secondo->setAccessibleName(altre ? QStringLiteral("Grafico j(t)") : QStringLiteral("Grafico a(t)"));
}

void frmLeggi::Spuntata(QTableWidgetItem* cella) {
    if (cella->column() != 0)
        return;
    const bool spuntata = cella->checkState() == Qt::Checked;
    if (spuntata && int(Spuntate().size()) >= MassimoSpuntate && !spunte[cella->row()]) {
        const QSignalBlocker blocco(tabella);
        cella->setCheckState(Qt::Unchecked);
        Stato(MessaggioSpunte);
        return;
    }
    spunte[cella->row()] = spuntata;
    if (stato->text() == MessaggioSpunte)
        Stato({});
    Traccia();
}

void frmLeggi::JerkDigitato() {
    double valore = 0;
    const QString difetto = DifettoJerk(jerk->text(), valore);
    // A value that cannot be taken in red, with its reason; the table keeps the last good one.
    motivoJerk->setText(difetto);
    jerk->setStyleSheet(difetto.isEmpty() ? QString() : QStringLiteral("color: red"));
    const double inUso =
        simulazione.Jerk().value_or(simulazione.Calcolata() ? JerkPredefinito(simulazione.Moto()) : NAN);
    if (difetto.isEmpty() && valore != inUso)
        simulazione.ImpostaJerk(valore);
}

bool frmLeggi::eventFilter(QObject* oggetto, QEvent* evento) {
    // A typed period becomes the decimal separator, as in every value box.
    if (oggetto == jerk && evento->type() == QEvent::KeyPress &&
        SostituisciTasto(*jerk, *static_cast<QKeyEvent*>(evento)))
        return true;
    return QWidget::eventFilter(oggetto, evento);
}

void frmLeggi::closeEvent(QCloseEvent* evento) {
    chiusa = true; // a motion calculated from now on is not shown here
    QWidget::closeEvent(evento);
}

frmLeggi& ApriLeggi(FinestreFiglie& figlie, Simulazione& simulazione, Dialoghi& dialoghi) {
    auto* finestra = figlie.Aperta<frmLeggi>();
    if (!finestra) {
        finestra = new frmLeggi(simulazione, dialoghi);
        QObject::connect(finestra, &frmLeggi::EsportaDatiRichiesta, &figlie,
                         &FinestreFiglie::EsportaLeggiRichiesta);
        QMdiSubWindow* sotto = figlie.Aggiungi(finestra);
        sotto->adjustSize();
        // As large as the table and plots want, within the area: the layout shares what there is.
        if (const QMdiArea* area = sotto->mdiArea()) {
            const QSize libero = area->viewport()->size();
            const QSize misura = sotto->size().boundedTo(libero);
            sotto->setGeometry(
                QRect(QPoint(std::clamp(PostoFinestra.x(), 0, libero.width() - misura.width()),
                             std::clamp(PostoFinestra.y(), 0, libero.height() - misura.height())),
                      misura));
        }
    }
    figlie.Mostra(finestra);
    simulazione.SegnaLeggiMostrate();
    return *finestra;
}
