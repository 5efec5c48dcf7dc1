#include "frmGrafico.h"

#include "Grafico.h"
#include "NumeriRegionali.h"
#include "TestiNumerici.h"
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

void Colloca(QWidget* controllo, double sinistra, double alto, double larghezza, double altezza) {
    controllo->setGeometry(Px(sinistra), Px(alto), std::max(1, Px(larghezza)), std::max(1, Px(altezza)));
}

void Scrivi(QLineEdit* casella, double valore) {
    casella->setText(TestoArrotondato(valore, 3));
}

} // namespace

frmGrafico::frmGrafico(const XYPoli& PuntiGrafico, Grafico& GraficoCorrente, const Velantra& Moto,
                       QWidget* parent)
    : QWidget(parent), PuntiGrafico(PuntiGrafico), GraficoCorrente(GraficoCorrente), Moto(Moto) {
    Q_INIT_RESOURCE(grafico);
    setObjectName(QStringLiteral("frmGrafico"));
    setWindowTitle(QStringLiteral("Grafico"));
    // The layout is fixed in twips for an 8-point face; a larger one would overflow the boxes.
    QFont carattere = font();
    carattere.setPointSizeF(8);
    setFont(carattere);
    CreaControlli();
    CreaToolbar();
    resize(Px(LarghezzaProgetto), Px(AltezzaProgetto));
    Disponi();

    AbilitaPulsanti(false, false);
    MostraDifferenza(false);
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
    picture1 = superficie("Picture1", QStringLiteral("Grafico V(t)"));
    picture1->setCursor(Qt::CrossCursor);
    connect(picture1, &SuperficieDisegno::MouseMosso, this, &frmGrafico::Picture1_MouseMove);
    connect(picture1, &SuperficieDisegno::MousePremuto, this, &frmGrafico::Picture1_MouseDown);

    label9 = new QLabel(QStringLiteral("V(t) [m/sec]"), this);
    label9->setObjectName(QStringLiteral("Label9"));
    label10 = new QLabel(QStringLiteral("t [sec]"), this);
    label10->setObjectName(QStringLiteral("Label10"));
    for (QLabel* l : {label9, label10})
        l->setMinimumWidth(l->sizeHint().width());

    text1 = CreaLettura("Label1", "X", "Text1");
    text2 = CreaLettura("Label2", "Y", "Text2");
    diffX1 = CreaLettura("Label3", "X1", "DiffX1");
    diffY1 = CreaLettura("Label6", "Y1", "DiffY1");
    diffX2 = CreaLettura("Label4", "X2", "DiffX2");
    diffY2 = CreaLettura("Label5", "Y2", "DiffY2");
    diffX = CreaLettura("Label7", "DX", "DiffX");
    diffY = CreaLettura("Label8", "DY", "DiffY");
}

void frmGrafico::CreaToolbar() {
    toolbar1 = new QToolBar(this);
    toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1->setIconSize(QSize(16, 16));
    for (const Strumento& s : Strumenti) {
        const QString chiave = QLatin1String(s.chiave);
        const QString suggerimento = QLatin1String(s.suggerimento);
        auto* azione = new QAction(QIcon(QStringLiteral(":/grafico/%1.svg").arg(chiave)), suggerimento, this);
        azione->setObjectName(chiave);
        azione->setToolTip(suggerimento);
        toolbar1->addAction(azione);
        toolbar1->widgetForAction(azione)->setAccessibleName(suggerimento);
        connect(azione, &QAction::triggered, this, [this, chiave] { Toolbar1_ButtonClick(chiave); });
    }
}

QAction* frmGrafico::Pulsante(const QString& chiave) const {
    return findChild<QAction*>(chiave, Qt::FindDirectChildrenOnly);
}

// The designed layout rules, in twips of the client area.
void frmGrafico::Disponi() {
    toolbar1->setGeometry(0, 0, width(), toolbar1->sizeHint().height());
    const double piano = 720, alto = 840;
    const double larghezza = std::max(15.0, Twips(width()) - 3500);
    const double altezza = std::max(15.0, Twips(height()) - 2000);
    Colloca(picture1, piano, alto, larghezza, altezza);
    Colloca(pictValX, piano, alto + altezza, larghezza, 375);
    Colloca(pictValY, 0, alto, 735, altezza);
    Colloca(label9, 0, alto - 350, 975, 255);
    Colloca(label10, piano + larghezza + 100, alto + altezza + 100, 735, 255);

    // The readout rows stand 800 twips apart, so the frames are made tall enough to hold them.
    const double riquadro = larghezza + 850;
    Colloca(shape1, riquadro, alto, 1575, 1700);
    const double etichette = riquadro + 150, primaRiga = alto + 300;
    auto metti = [](const Lettura& l, double sinistra, double riga) {
        Colloca(l.etichetta, sinistra, riga, 495, 255);
        Colloca(l.casella, sinistra + 450, riga, 615, 285);
    };
    Colloca(text1.etichetta, etichette, primaRiga, 495, 255);
    Colloca(text2.etichetta, etichette, primaRiga + 800, 495, 255);
    Colloca(text1.casella, riquadro + 500, primaRiga, 855, 285);
    Colloca(text2.casella, riquadro + 500, primaRiga + 800, 855, 285);

    const double gruppo = alto + 2500;
    Colloca(shape2, riquadro, gruppo, 2655, 2500);
    const double riga = gruppo + 300;
    metti(diffX1, etichette, riga);
    metti(diffY1, etichette + 1200, riga);
    metti(diffX2, etichette, riga + 800);
    metti(diffY2, etichette + 1200, riga + 800);
    metti(diffX, etichette, riga + 1600);
    metti(diffY, etichette + 1200, riga + 1600);
    picture1->raise();
}

bool frmGrafico::Minimizzata() const {
    const auto* sotto = qobject_cast<const QMdiSubWindow*>(parentWidget());
    return sotto ? sotto->isMinimized() : isMinimized();
}

void frmGrafico::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (collocata)
        return;
    collocata = true;
    auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sotto && sotto->mdiArea())
        sotto->setGeometry(QRect(QPoint(0, 0), sotto->mdiArea()->viewport()->size()));
}

void frmGrafico::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    if (Minimizzata())
        return;
    Disponi();
    if (caricato)
        RidisegnaVista();
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
        CommutaDifferenza();
    } else if (chiave == QLatin1String("Griglia")) {
        G.StatoDisegniGrafico ^= Grafico::BitGriglia;
        RidisegnaVista();
    }
}

void frmGrafico::AttivaStrumento(const QString& nome) {
    Grafico& G = GraficoCorrente;
    if (nome != QLatin1String("Collimatore"))
        G.Collimatore = false;
    if (nome != QLatin1String("CollimatoreDifferenza"))
        G.CollimatoreDifferenza = false;
    if (nome != QLatin1String("ZoomRettangolo"))
        G.ZoomRettangolo = false;
    passo = 0;
}

void frmGrafico::CommutaCollimatore() {
    GraficoCorrente.Collimatore = !GraficoCorrente.Collimatore;
}

void frmGrafico::CommutaDifferenza() {
    if (GraficoCorrente.CollimatoreDifferenza) {
        GraficoCorrente.CollimatoreDifferenza = false;
        return;
    }
    MostraDifferenza(true);
    GraficoCorrente.CollimatoreDifferenza = true;
    for (const Lettura* l : {&diffX1, &diffY1, &diffX2, &diffY2, &diffX, &diffY})
        l->casella->setText(QStringLiteral("0"));
}

void frmGrafico::MostraDifferenza(bool mostra) {
    shape2->setVisible(mostra);
    for (const Lettura* l : {&diffX1, &diffY1, &diffX2, &diffY2, &diffX, &diffY}) {
        l->etichetta->setVisible(mostra);
        l->casella->setVisible(mostra);
    }
}

// A vertical line at xVerticale from the bottom to the top edge, a horizontal one at the speed from
// the left to the right edge.
void frmGrafico::Croce(double xVerticale, double velocita) {
    const Grafico& G = GraficoCorrente;
    picture1->Linea(xVerticale, G.ScalaY * G.BordoInferiore, xVerticale, G.ScalaY * G.BordoSuperiore);
    picture1->Linea(G.ScalaX * G.BordoSinistro, G.ScalaY * velocita, G.ScalaX * G.BordoDestro,
                    G.ScalaY * velocita);
}

void frmGrafico::Picture1_MouseMove(double X, double Y) {
    const Grafico& G = GraficoCorrente;
    double t = X / G.ScalaX;
    double v = Y / G.ScalaY;
    if (G.Collimatore) {
        picture1->Cancella();
        double campione = t;
        v = PuntiGrafico.YsuX(campione);
        Croce(X, v);
    } else if (passo == 2 && G.ZoomRettangolo) {
        picture1->Cancella();
        picture1->Rettangolo(x1, y1, X, Y);
    } else if (G.CollimatoreDifferenza) {
        picture1->Cancella();
        if (passo == 1) {
            v = PuntiGrafico.YsuX(t); // the first point snaps to a sample
            Scrivi(diffX1.casella, t);
            Scrivi(diffY1.casella, v);
            picture1->ImpostaColore(Qt::red);
            Croce(G.ScalaX * t, v);
        } else if (passo == 2) {
            double campione = t;
            v = PuntiGrafico.YsuX(campione);
            Scrivi(diffX2.casella, t);
            Scrivi(diffY2.casella, v);
            picture1->ImpostaColore(Qt::green);
            Croce(X, v);
        }
        AggiornaDifferenze();
    }
    Scrivi(text1.casella, t);
    Scrivi(text2.casella, v);
}

void frmGrafico::AggiornaDifferenze() {
    auto differenza = [](const Lettura& primo, const Lettura& secondo) {
        const auto a = LeggiValore(primo.casella->text());
        const auto b = LeggiValore(secondo.casella->text());
        return a && b ? TestoValore(*b - *a) : QString();
    };
    diffX.casella->setText(differenza(diffX1, diffX2));
    diffY.casella->setText(differenza(diffY1, diffY2));
}

void frmGrafico::Picture1_MouseDown(Qt::MouseButton pulsante, double X, double Y) {
    Grafico& G = GraficoCorrente;
    if (pulsante != Qt::LeftButton)
        return;
    if (G.ZoomRettangolo) {
        if (passo == 1) {
            x1 = x2 = X;
            y1 = y2 = Y;
            picture1->Rettangolo(x1, y1, x2, y2);
            passo = 2;
        } else if (passo == 2) {
            x2 = X;
            y2 = Y;
            picture1->Rettangolo(x1, y1, x2, y2);
            passo = 0;
            G.ZoomRettangolo = false;
            EseguiZoom();
        }
    } else if (G.CollimatoreDifferenza) {
        if (passo == 1) {
            picture1->RendiPersistente(); // the red cross of point 1 stays
            passo = 2;
        } else if (passo == 2) {
            passo = 0;
            picture1->RendiPersistente();
            G.CollimatoreDifferenza = false;
            picture1->ImpostaColore(Qt::black);
        }
    }
}

void frmGrafico::PulisciGrafico() {
    picture1->AbilitaMouse(false);
    for (SuperficieDisegno* s : {picture1, pictValX, pictValY})
        s->RimuoviSfondo();
    picture1->ImpostaColore(Qt::black);
    AbilitaPulsanti(false, false);
}

// The buttons that need a graph on screen.
void frmGrafico::AbilitaPulsanti(bool grafico, bool zoom) {
    Pulsante(QStringLiteral("Tracciatore"))->setEnabled(grafico);
    Pulsante(QStringLiteral("ZoomArea"))->setEnabled(zoom);
    Pulsante(QStringLiteral("Cancella"))->setEnabled(grafico);
}

void frmGrafico::ImpostaScale() {
    CalcolaBordi(GraficoCorrente);
    ImpostaCoordinate(Superfici(), GraficoCorrente);
    DisegnaAssi();
}

void frmGrafico::DisegnaAssi() {
    const Grafico& G = GraficoCorrente;
    picture1->ImpostaSpessore(1);
    picture1->ImpostaTratteggio(false);
    picture1->Linea(G.ScalaX * G.BordoSinistro, 0, G.ScalaX * G.BordoDestro, 0);
    picture1->Linea(0, G.ScalaY * G.BordoInferiore, 0, G.ScalaY * G.BordoSuperiore);
}

void frmGrafico::DisegnaGrafico() {
    Grafico& G = GraficoCorrente;
    MostraDifferenza(false);
    PulisciGrafico();
    CalcolaVistaIntera(G, PuntiGrafico);
    ImpostaScale();
    DisegnaCurva(Superfici(), PuntiGrafico, G, Moto, G.ValoreMinimoX - G.MargineX,
                 G.ValoreMassimoX + G.MargineX, G.ValoreMinimoY, G.ValoreMassimoY);
    FineDisegno(true);
}

void frmGrafico::EseguiZoom() {
    Grafico& G = GraficoCorrente;
    if (!CalcolaVistaZoom(G, x1, y1, x2, y2)) {
        picture1->Cancella(); // a rectangle without area: the view stays
        return;
    }
    MostraDifferenza(false);
    PulisciGrafico();
    ImpostaScale();
    DisegnaCurva(Superfici(), PuntiGrafico, G, Moto, G.ValoreMinimoX, G.ValoreMassimoX, G.ValoreMinimoY,
                 G.ValoreMassimoY);
    FineDisegno(false);
}

// The drawing becomes the background the tools draw over; the tools come alive.
void frmGrafico::FineDisegno(bool zoomPossibile) {
    for (SuperficieDisegno* s : {picture1, pictValX, pictValY})
        s->RendiPersistente();
    AbilitaPulsanti(true, zoomPossibile);
    picture1->AbilitaMouse(true);
}

void frmGrafico::RidisegnaVista() {
    const Grafico& G = GraficoCorrente;
    if (!G.GraficoZoomato) {
        DisegnaGrafico();
        return;
    }
    x1 = G.ScalaX * G.BordoSinistro;
    y1 = G.ScalaY * G.BordoSuperiore;
    x2 = G.ScalaX * G.BordoDestro;
    y2 = G.ScalaY * G.BordoInferiore;
    EseguiZoom();
}
