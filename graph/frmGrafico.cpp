#include "frmGrafico.h"

#include "Grafico.h"
#include "NumeriRegionali.h"
#include "Twips.h"
#include "XYPoli.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>
#include <algorithm>

namespace {

struct Strumento {
    const char* chiave;
    const char* suggerimento;
};
// Toolbar1, left to right.
constexpr Strumento Strumenti[] = {
    {"Cancella", "Cancella grafico"},
    {"Tracciatore", "Abilita/disabilita il collimatore"},
    {"Disegna", "Disegna in scala 1:1"},
    {"ZoomArea", "Zoom"},
    {"AggiungiParticolari", "Aggiiungi particolari al grafico"},
    {"Differenza", "Differenza tra 2 punti"},
    {"Griglia", "Aggiungi / togli griglia"},
};

// Designed client size: the resize rules then give every control its designed size.
constexpr double LarghezzaProgetto = 6015 + 3500, AltezzaProgetto = 4815 + 2000;
// Designed twips of the readouts: boxes, the difference group and the room the panel takes.
constexpr double CasellaXY = 855, CasellaDiff = 615, LarghezzaShape1 = 1575, LarghezzaShape2 = 2655;

void Colloca(QWidget* controllo, double sinistra, double alto, double larghezza, double altezza) {
    controllo->setGeometry(Px(sinistra), Px(alto), std::max(1, Px(larghezza)), std::max(1, Px(altezza)));
}

// Twips of the readouts: each box as designed, or wider when the longest number would not show whole
// in it; then the second column of the difference group and both frames, moved and widened to hold them.
struct MisureLetture {
    double numero, casellaXY, casellaDiff, secondaColonna, shape1, shape2;
    explicit MisureLetture(const QLineEdit& casella)
        : numero(Twips(LarghezzaPerNumeri(casella))), casellaXY(std::max(CasellaXY, numero)),
          casellaDiff(std::max(CasellaDiff, numero)),
          secondaColonna(std::max(1200.0, 450 + casellaDiff + 135)),
          shape1(std::max(LarghezzaShape1, 500 + casellaXY + 220)),
          shape2(std::max(LarghezzaShape2, 150 + secondaColonna + 450 + casellaDiff + 240)) {}
    double Eccesso() const { return std::max(shape1, shape2) - LarghezzaShape2; }
};

} // namespace

const QString frmGrafico::FraseNonDisegnabile = QStringLiteral(
    "Impossibile disegnare il moto a questa scala: i tempi o le velocità sono troppo grandi o troppo "
    "piccoli per il grafico.");

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
    CreaToolbar();
    CreaMenuContestuale();
    resize(Px(LarghezzaProgetto + MisureLetture(*text1.casella).Eccesso()), Px(AltezzaProgetto));
    MostraParticolari();

    AbilitaPulsanti(false, false);
    MostraDifferenza(false);
    MostraStatoStrumenti();
    passo = 0;
    caricato = true;
}

frmGrafico::Lettura frmGrafico::CreaLettura(const char* nomeEtichetta, const char* testo,
                                            const char* nomeCasella) {
    auto* etichetta = new QLabel(QString::fromUtf8(testo), this);
    etichetta->setObjectName(QLatin1String(nomeEtichetta));
    etichetta->setMinimumWidth(etichetta->sizeHint().width());
    auto* casella = new QLineEdit(this);
    casella->setObjectName(QLatin1String(nomeCasella));
    casella->setReadOnly(true); // readouts: the program alone writes numbers into them
    casella->setAccessibleName(QString::fromUtf8(testo));
    etichetta->setBuddy(casella);
    return {etichetta, casella};
}

void frmGrafico::CreaControlli() {
    auto frame = [this](const char* nome) {
        auto* f = new QFrame(this);
        f->setObjectName(QLatin1String(nome));
        f->setFrameShape(QFrame::Box);
        return f;
    };
    shape1 = frame("Shape1");
    shape2 = frame("Shape2");
    auto superficie = [this](const char* nome, const QString& descrizione) {
        auto* s = new SuperficieDisegno(this);
        s->setObjectName(QLatin1String(nome));
        s->setAccessibleName(descrizione);
        return s;
    };
    pictValY = superficie("PictValY", QStringLiteral("Valori della velocità"));
    pictValX = superficie("PictValX", QStringLiteral("Valori del tempo"));
    pictValS = superficie("PictValS", QStringLiteral("Valori della posizione"));
    pictValA = superficie("PictValA", QStringLiteral("Valori dell'accelerazione"));
    picture1 = superficie("Picture1", QStringLiteral("Grafico V(t)"));
    picture1->setCursor(Qt::CrossCursor);
    connect(picture1, &SuperficieDisegno::MouseMosso, this, &frmGrafico::Picture1_MouseMove);
    connect(picture1, &SuperficieDisegno::MousePremuto, this, &frmGrafico::Picture1_MouseDown);

    label9 = new QLabel(QStringLiteral("V(t) [m/sec]"), this);
    label9->setObjectName(QStringLiteral("Label9"));
    label10 = new QLabel(QStringLiteral("t [sec]"), this);
    label10->setObjectName(QStringLiteral("Label10"));
    label14 = new QLabel(NomePosizione, this);
    label14->setObjectName(QStringLiteral("Label14"));
    label15 = new QLabel(NomeAccelerazione, this);
    label15->setObjectName(QStringLiteral("Label15"));
    for (auto [nome, colore] :
         {std::pair{label14, ColorePosizione}, std::pair{label15, ColoreAccelerazione}}) {
        QPalette tavolozza = nome->palette();
        tavolozza.setColor(QPalette::WindowText, colore);
        nome->setPalette(tavolozza);
    }
    for (QLabel* l : {label9, label10, label14, label15})
        l->setMinimumWidth(l->sizeHint().width());

    text1 = CreaLettura("Label1", "X", "Text1");
    text2 = CreaLettura("Label2", "Y", "Text2");
    diffX1 = CreaLettura("Label3", "X1", "DiffX1");
    diffY1 = CreaLettura("Label6", "Y1", "DiffY1");
    diffX2 = CreaLettura("Label4", "X2", "DiffX2");
    diffY2 = CreaLettura("Label5", "Y2", "DiffY2");
    diffX = CreaLettura("Label7", "DX", "DiffX");
    diffY = CreaLettura("Label8", "DY", "DiffY");
    text3 = CreaLettura("Label11", "s", "Text3");
    text4 = CreaLettura("Label12", "a", "Text4");
    diffS = CreaLettura("Label13", "DS", "DiffS");
}

// The buttons exist from the start, for the window's state; the bar that shows them, with their icons,
// is built when the window first shows on screen: a window drawn only for a picture needs none.
void frmGrafico::CreaToolbar() {
    for (const Strumento& s : Strumenti) {
        const QString chiave = QLatin1String(s.chiave);
        const QString suggerimento = QLatin1String(s.suggerimento);
        auto* azione = new QAction(suggerimento, this);
        azione->setObjectName(chiave);
        // On/off tools show their state pressed.
        azione->setCheckable(chiave == QLatin1String("Tracciatore") ||
                             chiave == QLatin1String("Differenza") || chiave == QLatin1String("Griglia") ||
                             chiave == QLatin1String("AggiungiParticolari"));
        azione->setToolTip(suggerimento);
        connect(azione, &QAction::triggered, this, [this, chiave] { Toolbar1_ButtonClick(chiave); });
    }
}

void frmGrafico::MostraToolbar() {
    toolbar1 = new QToolBar(this);
    toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1->setIconSize(QSize(16, 16));
    for (const Strumento& s : Strumenti) {
        QAction* azione = Pulsante(QLatin1String(s.chiave));
        azione->setIcon(QIcon(QStringLiteral(":/grafico/%1.svg").arg(QLatin1String(s.chiave))));
        toolbar1->addAction(azione);
        toolbar1->widgetForAction(azione)->setAccessibleName(azione->toolTip());
    }
    toolbar1->setGeometry(0, 0, width(), toolbar1->sizeHint().height());
    toolbar1->show();
}

QAction* frmGrafico::Pulsante(const QString& chiave) const {
    return findChild<QAction*>(chiave, Qt::FindDirectChildrenOnly);
}

// The designed layout rules, in twips of the client area. Where the longest number would not fit a
// box, the box widens; a label it would cover moves right, its frame grows, and the plot gives up the
// room (as it does to a speed strip widened for its labels). The details take the room of their two
// axes from the plot, a second column of readouts (s, a) and a fourth row of differences (DS).
void frmGrafico::Disponi() {
    if (toolbar1)
        toolbar1->setGeometry(0, 0, width(), toolbar1->sizeHint().height());
    const MisureLetture m(*text1.casella);
    const bool particolari = Particolari();
    const double assi = particolari ? larghezzaValS + larghezzaValA : 0;
    const double valY = larghezzaValY, piano = valY - 15, alto = 840;
    const double larghezza = std::max(15.0, Twips(width()) - 3500 - m.Eccesso() - (piano - 720) - assi);
    const double altezza = std::max(15.0, Twips(height()) - 2000);
    Colloca(picture1, piano, alto, larghezza, altezza);
    Colloca(pictValX, piano, alto + altezza, larghezza, 375);
    Colloca(pictValY, 0, alto, valY, altezza);
    Colloca(label9, 0, alto - 350, 975, 255);
    Colloca(label10, piano + larghezza + 100, alto + altezza + 100, 735, 255);
    Colloca(pictValS, piano + larghezza, alto, larghezzaValS, altezza);
    Colloca(pictValA, piano + larghezza + larghezzaValS, alto, larghezzaValA, altezza);
    Colloca(label14, piano + larghezza, alto - 350, larghezzaValS, 255);
    Colloca(label15, piano + larghezza + larghezzaValS, alto - 350, larghezzaValA, 255);

    // The readout rows stand 800 twips apart, so the frames are made tall enough to hold them.
    const double riquadro = piano + larghezza + assi + 130;
    Colloca(shape1, riquadro, alto, particolari ? m.shape2 : m.shape1, 1700);
    const double etichette = riquadro + 150, primaRiga = alto + 300;
    Colloca(text1.etichetta, etichette, primaRiga, 495, 255);
    Colloca(text2.etichetta, etichette, primaRiga + 800, 495, 255);
    Colloca(text1.casella, riquadro + 500, primaRiga, m.casellaXY, 285);
    Colloca(text2.casella, riquadro + 500, primaRiga + 800, m.casellaXY, 285);

    const double gruppo = alto + 2500, secondaColonna = m.secondaColonna;
    // Ends above the time axis name, which the details' axes move out of its way.
    Colloca(shape2, riquadro, gruppo, m.shape2, particolari ? 3200 : 2400);
    auto metti = [&m](const Lettura& l, double sinistra, double riga) {
        Colloca(l.etichetta, sinistra, riga, 495, 255);
        Colloca(l.casella, sinistra + 450, riga, m.casellaDiff, 285);
    };
    metti(text3, etichette + secondaColonna, primaRiga);
    metti(text4, etichette + secondaColonna, primaRiga + 800);
    const double riga = gruppo + 300;
    metti(diffS, etichette, riga + 2400);
    metti(diffX1, etichette, riga);
    metti(diffY1, etichette + secondaColonna, riga);
    metti(diffX2, etichette, riga + 800);
    metti(diffY2, etichette + secondaColonna, riga + 800);
    metti(diffX, etichette, riga + 1600);
    metti(diffY, etichette + secondaColonna, riga + 1600);
    picture1->raise();
}

bool frmGrafico::Particolari() const {
    return GraficoCorrente.StatoDisegniGrafico & Grafico::BitParticolari;
}

void frmGrafico::MostraParticolari() {
    const bool particolari = Particolari();
    for (QWidget* w : std::initializer_list<QWidget*>{pictValS, pictValA, label14, label15, text3.etichetta,
                                                      text3.casella, text4.etichetta, text4.casella})
        w->setVisible(particolari);
    MostraDifferenza(!shape2->isHidden()); // its distance with it
    Disponi();
}

bool frmGrafico::Minimizzata() const {
    const auto* sotto = qobject_cast<const QMdiSubWindow*>(parentWidget());
    return sotto ? sotto->isMinimized() : isMinimized();
}

void frmGrafico::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!toolbar1 && !testAttribute(Qt::WA_DontShowOnScreen))
        MostraToolbar();
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

void frmGrafico::Toolbar1_ButtonClick(const QString& chiave) {
    Grafico& G = GraficoCorrente;
    if (chiave == QLatin1String("Cancella")) {
        PulisciGrafico();
    } else if (chiave == QLatin1String("Disegna")) {
        AttivaStrumento(QStringLiteral("Nessuno"));
        DisegnaGrafico();
    } else if (chiave == QLatin1String("Tracciatore")) {
        AttivaStrumento(QStringLiteral("Collimatore"));
        CommutaCollimatore();
    } else if (chiave == QLatin1String("ZoomArea")) {
        picture1->Cancella();
        AttivaStrumento(QStringLiteral("ZoomArea"));
        passo = 1;
        G.ZoomRettangolo = true;
    } else if (chiave == QLatin1String("Differenza")) {
        AttivaStrumento(QStringLiteral("CollimatoreDifferenza"));
        passo = 1;
        RidisegnaVista();
        if (vistaDisegnata) // no points to pick on a view that could not be drawn
            CommutaDifferenza();
        else
            passo = 0;
    } else if (chiave == QLatin1String("Griglia")) {
        G.StatoDisegniGrafico ^= Grafico::BitGriglia;
        RidisegnaVista();
    } else if (chiave == QLatin1String("AggiungiParticolari")) {
        G.StatoDisegniGrafico ^= Grafico::BitParticolari;
        MostraParticolari();
        RidisegnaVista();
    }
    MostraStatoStrumenti();
}

void frmGrafico::NuovoMoto() {
    AttivaStrumento(QStringLiteral("Nessuno"));
    if (PuntiGrafico.NumeroElementi() > 0) {
        DisegnaGrafico();
    } else {
        MostraDifferenza(false);
        SvuotaLetture(true);
        PulisciGrafico();
    }
    MostraStatoStrumenti();
}
