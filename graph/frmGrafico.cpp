// The graph window's controls and commands: the plot surface, the readouts, the toolbar's tools as
// actions, each with its own handler.

#include "frmGrafico.h"

#include "Grafico.h"
#include "MisureProgetto.h"
#include "NumeriRegionali.h"
#include "PianoGrafico.h"
#include "Velantra.h"
#include "XYPoli.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

namespace {
struct Voce {
    const char* chiave; // the action's name, as the toolbar's key
    const char* suggerimento;
    bool commutabile; // on/off tools show their state pressed
    void (frmGrafico::*comando)();
};
} // namespace

frmGrafico::frmGrafico(const XYPoli& PuntiGrafico, Grafico& GraficoCorrente, const Velantra& Moto,
                       QWidget* parent)
    : QWidget(parent), PuntiGrafico(PuntiGrafico), GraficoCorrente(GraficoCorrente), Moto(Moto) {
    Q_INIT_RESOURCE(grafico);
    setObjectName(QStringLiteral("frmGrafico"));
    setWindowTitle(QStringLiteral("Grafico"));
    // The layout is designed in twips for an 8-point face; boxes and strips widen where a number needs it.
    QFont carattere = font();
    carattere.setPointSizeF(8);
    setFont(carattere);
    CreaControlli();
    CreaAzioni();
    CreaMenuContestuale();
    // Small enough for the frame of a small screen at twice the scale; the readouts then go below the plot.
    setMinimumSize(320, 340);
    resize(MisuraProgettata());

    AbilitaPulsanti(false, false);
    MostraDifferenza(false);
    MostraStatoStrumenti();
    Disponi();
    caricato = true;
}

frmGrafico::~frmGrafico() = default;

frmGrafico::Lettura frmGrafico::CreaLettura(const QString& testo, const char* nome) {
    auto* etichetta = new QLabel(testo, this);
    etichetta->setObjectName(QStringLiteral("Etichetta") + QLatin1String(nome));
    etichetta->setMinimumWidth(etichetta->sizeHint().width());
    auto* casella = new QLineEdit(this);
    casella->setObjectName(QLatin1String(nome));
    casella->setReadOnly(true); // readouts: the program alone writes numbers into them
    casella->setAccessibleName(testo);
    etichetta->setBuddy(casella);
    return {etichetta, casella};
}

void frmGrafico::CreaControlli() {
    piano = new PianoGrafico(this);
    piano->setObjectName(QStringLiteral("PianoGrafico"));
    piano->setAccessibleName(QStringLiteral("Grafico V(t)"));
    connect(piano, &PianoGrafico::MouseMosso, this, &frmGrafico::MouseMosso);
    connect(piano, &PianoGrafico::MousePremuto, this, &frmGrafico::MousePremuto);
    connect(piano, &PianoGrafico::Rotella, this, &frmGrafico::Rotella);
    connect(piano, &PianoGrafico::Spostamento, this, &frmGrafico::Spostamento);
    const auto riquadro = [this](const char* nome) {
        auto* f = new QFrame(this);
        f->setObjectName(QLatin1String(nome));
        f->setFrameShape(QFrame::Box);
        return f;
    };
    riquadroXY = riquadro("RiquadroPosizione");
    riquadroDifferenza = riquadro("RiquadroDifferenza");
    letturaX = CreaLettura(QStringLiteral("X"), "LetturaX");
    letturaY = CreaLettura(QStringLiteral("Y"), "LetturaY");
    diffX1 = CreaLettura(QStringLiteral("X1"), "DiffX1");
    diffY1 = CreaLettura(QStringLiteral("Y1"), "DiffY1");
    diffX2 = CreaLettura(QStringLiteral("X2"), "DiffX2");
    diffY2 = CreaLettura(QStringLiteral("Y2"), "DiffY2");
    diffX = CreaLettura(QStringLiteral("DX"), "DiffX");
    diffY = CreaLettura(QStringLiteral("DY"), "DiffY");
    diffS = CreaLettura(QStringLiteral("DS"), "DiffS");
    // One readout for each details curve, by the letter of its quantity.
    const Velantra esempio{
        .S1 = 0.25, .S2 = 1.5, .Stot = 2, .T1 = 1, .T2 = 3, .Ttot = 5, .Acc = 0.5, .Vm = 0.5};
    for (const CurvaDettaglio& curva : CurveDettaglio(esempio))
        lettureDettagli.push_back(
            CreaLettura(curva.sigla, qPrintable(QStringLiteral("Lettura") + curva.sigla.toUpper())));
}

// The buttons exist from the start, for the window's state; the bar that shows them, with their icons,
// is built when the window first shows on screen: a window drawn only for a picture needs none.
void frmGrafico::CreaAzioni() {
    static constexpr Voce voci[] = {
        {"Cancella", "Cancella grafico", false, &frmGrafico::Cancella},
        {"Tracciatore", "Abilita/disabilita il collimatore", true, &frmGrafico::Tracciatore},
        {"Disegna", "Disegna in scala 1:1", false, &frmGrafico::Disegna},
        {"ZoomArea", "Zoom", false, &frmGrafico::ZoomArea},
        {"AggiungiParticolari", "Aggiiungi particolari al grafico", true, &frmGrafico::AggiungiParticolari},
        {"Differenza", "Differenza tra 2 punti", true, &frmGrafico::Differenza},
        {"Griglia", "Aggiungi / togli griglia", true, &frmGrafico::Griglia},
    };
    for (size_t i = 0; i < azioni.size(); ++i) {
        const Voce& v = voci[i];
        auto* azione = new QAction(QString::fromUtf8(v.suggerimento), this);
        azione->setObjectName(QLatin1String(v.chiave));
        azione->setCheckable(v.commutabile);
        azione->setToolTip(azione->text());
        connect(azione, &QAction::triggered, this, [this, comando = v.comando] {
            (this->*comando)();
            MostraStatoStrumenti();
        });
        azioni[i] = azione;
    }
}

void frmGrafico::MostraBarra() {
    barra = new QToolBar(this);
    barra->setObjectName(QStringLiteral("BarraGrafico"));
    barra->setIconSize(QSize(16, 16));
    for (QAction* azione : azioni) {
        azione->setIcon(QIcon(QStringLiteral(":/grafico/%1.svg").arg(azione->objectName())));
        barra->addAction(azione);
        barra->widgetForAction(azione)->setAccessibleName(azione->toolTip());
    }
    barra->setGeometry(0, 0, width(), barra->sizeHint().height());
    barra->show();
}

bool frmGrafico::Particolari() const {
    return GraficoCorrente.Particolari();
}

const DisposizioneGrafico& frmGrafico::Disposizione() const {
    return piano->Disposizione();
}

DatiGrafico frmGrafico::Dati() const {
    return {PuntiGrafico, Moto, GraficoCorrente, vuoto};
}

QImage frmGrafico::ImmaginePiano() const {
    return piano->ImmaginePiano();
}

bool frmGrafico::Minimizzata() const {
    const auto* sotto = qobject_cast<const QMdiSubWindow*>(parentWidget());
    return sotto ? sotto->isMinimized() : isMinimized();
}

void frmGrafico::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!barra && !testAttribute(Qt::WA_DontShowOnScreen))
        MostraBarra();
    if (!collocata) {
        collocata = true;
        auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
        if (sotto && sotto->mdiArea())
            sotto->setGeometry(QRect(QPoint(0, 0), sotto->mdiArea()->viewport()->size()));
    }
    if (daRidisegnare && !Minimizzata())
        RidisegnaVista();
}

// The view is drawn once the window is visible at its size: a window opened into the main window is
// drawn once, not at its designed size first.
void frmGrafico::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    if (Minimizzata())
        return;
    Disponi();
    if (caricato && isVisible())
        RidisegnaVista();
    else
        daRidisegnare = caricato;
}

void frmGrafico::Cancella() {
    PulisciGrafico();
}

void frmGrafico::Disegna() {
    AttivaStrumento(Strumento::Nessuno);
    DisegnaGrafico();
}

void frmGrafico::Tracciatore() {
    AttivaStrumento(Strumento::Collimatore);
    CommutaCollimatore();
}

void frmGrafico::ZoomArea() {
    piano->CancellaSegni();
    AttivaStrumento(Strumento::ZoomArea);
    passo = Passo::PrimoClic;
    GraficoCorrente.ZoomRettangolo = true;
}

void frmGrafico::AggiungiParticolari() {
    GraficoCorrente.StatoDisegniGrafico ^= Grafico::BitParticolari;
    MostraDifferenza(!riquadroDifferenza->isHidden()); // its distance with it
    RidisegnaVista();
}

void frmGrafico::Differenza() {
    AttivaStrumento(Strumento::CollimatoreDifferenza);
    passo = Passo::PrimoClic;
    RidisegnaVista();
    if (vistaDisegnata) // no points to pick on a view that could not be drawn
        CommutaDifferenza();
    else
        passo = Passo::Inattivo;
}

void frmGrafico::Griglia() {
    GraficoCorrente.StatoDisegniGrafico ^= Grafico::BitGriglia;
    RidisegnaVista();
}

void frmGrafico::NuovoMoto() {
    AttivaStrumento(Strumento::Nessuno);
    if (PuntiGrafico.NumeroElementi() > 0) {
        DisegnaGrafico();
    } else {
        MostraDifferenza(false);
        SvuotaLetture(true);
        PulisciGrafico();
    }
    MostraStatoStrumenti();
}
