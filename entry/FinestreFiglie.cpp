#include "FinestreFiglie.h"

#include "FrmRisultati.h"
#include "PianoSerie.h"
#include "Simulazione.h"
#include "Twips.h"
#include "frmGrafico.h"
#include "frmInserimentoDati.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>

namespace {

// Where the fixed forms open in the area, in twips as designed: the data-entry window at its corner, the
// results this far right of it at the same top or, where they do not fit there, at their own corner.
constexpr int AngoloInserimento = 100, DistanzaRisultati = 100, AngoloRisultati = 200;

// Holds a form of fixed size that the area cannot show whole: the sub-window fits the area and the form
// scrolls inside it, keeping its designed layout. Closing it closes the form, which runs its own code.
class Scorrevole : public QScrollArea {
public:
    explicit Scorrevole(QWidget* modulo) {
        setFrameShape(QFrame::NoFrame);
        setWindowTitle(modulo->windowTitle());
        setAccessibleName(modulo->windowTitle()); // read as the form it holds
        setWindowIcon(modulo->windowIcon());
        setWidget(modulo);
    }
    // The whole form: the sub-window asks no more than that, and no less.
    QSize sizeHint() const override { return widget()->size(); }

protected:
    void closeEvent(QCloseEvent* evento) override { evento->setAccepted(widget()->close()); }
};

QWidget* PrimoInTabulazione(QWidget& finestra) {
    for (QWidget* w = finestra.nextInFocusChain(); w != &finestra; w = w->nextInFocusChain())
        if (finestra.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            return w;
    return nullptr;
}

} // namespace

FinestreFiglie::FinestreFiglie(QMdiArea& area, Simulazione& simulazione, Dialoghi& dialoghi, QObject* parent)
    : QObject(parent), area(area), simulazione(simulazione), dialoghi(dialoghi) {
    connect(&simulazione, &Simulazione::Cambiata, this, [this](Simulazione::Cambi cosa) {
        if (cosa & Simulazione::Cambio::Curva)
            MotoCambiato();
        // An open graph shows the torque of the sizing data as it now stands.
        else if (auto* grafico = Aperta<frmGrafico>(); grafico && (cosa & Simulazione::Cambio::Asse))
            grafico->NuoviParticolari();
    });
}

QWidget* FinestreFiglie::Contenuto(const QMdiSubWindow* sotto) {
    QWidget* contenuto = sotto ? sotto->widget() : nullptr;
    if (auto* scorrevole = dynamic_cast<Scorrevole*>(contenuto))
        return scorrevole->widget();
    return contenuto;
}

QMdiSubWindow* FinestreFiglie::SottoFinestra(const QWidget* finestra) {
    for (QWidget* w = finestra ? finestra->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* sotto = qobject_cast<QMdiSubWindow*>(w))
            return sotto;
    return nullptr;
}

QList<QWidget*> FinestreFiglie::Aperte() const {
    QList<QWidget*> aperte;
    for (QMdiSubWindow* sotto : area.subWindowList())
        if (QWidget* contenuto = Contenuto(sotto))
            aperte << contenuto;
    return aperte;
}

QWidget* FinestreFiglie::Finestra(const QString& nome) const {
    for (QWidget* finestra : Aperte())
        if (finestra->objectName() == nome)
            return finestra;
    return nullptr;
}

bool FinestreFiglie::FormAperto(const QString& nome) const {
    return Finestra(nome) != nullptr;
}

QWidget* FinestreFiglie::FinestraAttiva() const {
    // The current sub-window stays known while a dialog has the focus or the program is in the
    // background, when Qt reports no active one.
    return Contenuto(area.currentSubWindow());
}

QMdiSubWindow* FinestreFiglie::Aggiungi(QWidget* finestra) {
    QMdiSubWindow* sotto = area.addSubWindow(finestra);
    sotto->setAttribute(Qt::WA_DeleteOnClose);
    // Each plot of series in it asks for its picture through the frame, as the graph window does.
    QList<PianoSerie*> piani = finestra->findChildren<PianoSerie*>();
    if (auto* piano = qobject_cast<PianoSerie*>(finestra))
        piani << piano;
    for (PianoSerie* piano : piani)
        connect(piano, &PianoSerie::EsportaImmagineRichiesta, this,
                &FinestreFiglie::EsportaImmagineRichiesta);
    return sotto;
}

void FinestreFiglie::Mostra(QWidget* finestra) {
    QMdiSubWindow* sotto = SottoFinestra(finestra);
    if (!sotto)
        return;
    if (sotto->isMinimized())
        sotto->showNormal();
    sotto->show();
    area.setActiveSubWindow(sotto);
    // Back to the control that last had the cursor, else the first one in tab order, as a form does.
    QWidget* fuoco = finestra->focusWidget();
    if (!fuoco || fuoco == finestra || !fuoco->isVisible())
        fuoco = PrimoInTabulazione(*finestra);
    (fuoco ? fuoco : finestra)->setFocus();
}

void FinestreFiglie::ChiudiFinestre() {
    for (QMdiSubWindow* sotto : area.subWindowList())
        sotto->close();
}

QMdiSubWindow* FinestreFiglie::Carica(QWidget* finestra) {
    QMdiSubWindow* sotto = Aggiungi(finestra);
    // Fixed forms: nothing to gain from maximising them.
    sotto->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    sotto->adjustSize();
    const QRect libero = area.viewport()->rect();
    if (sotto->width() > libero.width() || sotto->height() > libero.height()) {
        // Room for the scroll bar across a side that is cut, where the area has it.
        QSize misura = sotto->size();
        const int barra = sotto->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sotto);
        misura +=
            QSize(misura.height() > libero.height() ? barra : 0, misura.width() > libero.width() ? barra : 0);
        sotto->setWidget(nullptr); // gives the form back before it moves into the scrolling frame
        sotto->setWidget(new Scorrevole(finestra));
        sotto->resize(misura.boundedTo(libero.size()));
    }
    return sotto;
}

QMdiSubWindow* FinestreFiglie::AggiungiFissa(QWidget* finestra, QPoint posto) {
    QMdiSubWindow* sotto = Carica(finestra);
    Colloca(sotto, posto);
    return sotto;
}

void FinestreFiglie::Colloca(QMdiSubWindow* sotto, QPoint posto) const {
    // Where it was meant to go, moved back inside the area as far as it must.
    const QRect libero = area.viewport()->rect();
    posto.setX(std::clamp(posto.x(), 0, std::max(0, libero.width() - sotto->width())));
    posto.setY(std::clamp(posto.y(), 0, std::max(0, libero.height() - sotto->height())));
    sotto->move(posto);
}

frmInserimentoDati& FinestreFiglie::ApriInserimentoDati() {
    auto* finestra = Aperta<frmInserimentoDati>();
    if (!finestra) {
        finestra = new frmInserimentoDati(simulazione, dialoghi, *this);
        connect(finestra, &frmInserimentoDati::CalcoloRichiesto, this, &FinestreFiglie::CalcoloRichiesto);
        Colloca(Carica(finestra), QPoint(Px(AngoloInserimento), Px(AngoloInserimento)));
    }
    Mostra(finestra);
    return *finestra;
}

FrmRisultati& FinestreFiglie::ApriRisultati() {
    auto* finestra = Aperta<FrmRisultati>();
    if (!finestra) {
        finestra = new FrmRisultati(simulazione.Moto());
        QMdiSubWindow* sotto = Carica(finestra);
        Colloca(sotto, PostoRisultati(sotto->width()));
    }
    Mostra(finestra);
    return *finestra;
}

FrmRisultati* FinestreFiglie::RisultatiAperti() const {
    return Aperta<FrmRisultati>();
}

frmGrafico& FinestreFiglie::ApriGrafico() {
    auto* finestra = Aperta<frmGrafico>();
    if (!finestra) {
        finestra =
            new frmGrafico(simulazione.PuntiGrafico(), simulazione.GraficoCorrente(), simulazione.Moto());
        finestra->ImpostaAsse(&simulazione.Asse());
        connect(finestra, &frmGrafico::EsportaImmagineRichiesta, this,
                &FinestreFiglie::EsportaImmagineRichiesta);
        connect(finestra, &frmGrafico::EsportaDatiRichiesta, this, &FinestreFiglie::EsportaDatiRichiesta);
        Aggiungi(finestra);
    }
    Mostra(finestra);
    return *finestra;
}

void FinestreFiglie::MotoCambiato() {
    if (auto* grafico = Aperta<frmGrafico>())
        grafico->NuovoMoto();
    else
        simulazione.GraficoCorrente().GraficoZoomato = false;
}

// Beside the data-entry window, 100 twips to its right at the same top, when the whole results
// window fits inside the area; otherwise near the area's top left.
QPoint FinestreFiglie::PostoRisultati(int larghezza) const {
    if (const QMdiSubWindow* inserimento = SottoFinestra(Aperta<frmInserimentoDati>())) {
        const QRect e = inserimento->geometry();
        const int sinistra = e.left() + e.width() + Px(DistanzaRisultati);
        if (sinistra + larghezza < area.width())
            return QPoint(sinistra, e.top());
    }
    return QPoint(Px(AngoloRisultati), Px(AngoloRisultati));
}
