#include "FinestreFiglie.h"

#include "FrmRisultati.h"
#include "Programma.h"
#include "Twips.h"
#include "frmGrafico.h"
#include "frmInserimentoDati.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QWidget* PrimoInTabulazione(QWidget& finestra) {
    for (QWidget* w = finestra.nextInFocusChain(); w != &finestra; w = w->nextInFocusChain())
        if (finestra.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            return w;
    return nullptr;
}

} // namespace

FinestreFiglie::FinestreFiglie(QMdiArea& area, Programma& programma, Dialoghi& dialoghi)
    : area(area), programma(programma), dialoghi(dialoghi) {}

QWidget* FinestreFiglie::Finestra(const QString& nome) const {
    for (QMdiSubWindow* sotto : area.subWindowList())
        if (sotto->widget() && sotto->widget()->objectName() == nome)
            return sotto->widget();
    return nullptr;
}

bool FinestreFiglie::FormAperto(const QString& nome) const {
    return Finestra(nome) != nullptr;
}

QWidget* FinestreFiglie::FinestraAttiva() const {
    // The current sub-window stays known while a dialog has the focus or the program is in the
    // background, when Qt reports no active one.
    QMdiSubWindow* attiva = area.currentSubWindow();
    return attiva ? attiva->widget() : nullptr;
}

QMdiSubWindow* FinestreFiglie::Aggiungi(QWidget* finestra) {
    QMdiSubWindow* sotto = area.addSubWindow(finestra);
    sotto->setAttribute(Qt::WA_DeleteOnClose);
    return sotto;
}

void FinestreFiglie::Mostra(QWidget* finestra) {
    auto* sotto = qobject_cast<QMdiSubWindow*>(finestra->parentWidget());
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

// The graph window's own "Cancella" button: the curve and its labels go, the tools that need them are
// disabled, and the window stays open.
QMdiSubWindow* FinestreFiglie::Carica(QWidget* finestra) {
    QMdiSubWindow* sotto = Aggiungi(finestra);
    // Fixed forms: nothing to gain from maximising them.
    sotto->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    sotto->adjustSize();
    return sotto;
}

frmInserimentoDati& FinestreFiglie::ApriInserimentoDati() {
    auto* finestra = qobject_cast<frmInserimentoDati*>(Finestra(QStringLiteral("frmInserimentoDati")));
    if (!finestra) {
        finestra = new frmInserimentoDati(programma, dialoghi, *this);
        // Whatever the outcome, an open graph window shows the curve of the record as it now stands, or
        // nothing when no curve matches it.
        connect(finestra, &frmInserimentoDati::CalcoloRiuscito, this, [this] {
            MotoCambiato();
            emit CalcoloRiuscito();
        });
        connect(finestra, &frmInserimentoDati::CalcoloNonRiuscito, this, [this] {
            MotoCambiato();
            emit CalcoloNonRiuscito();
        });
        connect(finestra, &frmInserimentoDati::DatiModificati, this, [this] {
            MotoCambiato();
            emit DatiModificati();
        });
        connect(finestra, &frmInserimentoDati::CalcoloRichiesto, this, &FinestreFiglie::CalcoloRichiesto);
        Carica(finestra)->move(Px(100), Px(100));
    }
    Mostra(finestra);
    return *finestra;
}

FrmRisultati& FinestreFiglie::ApriRisultati() {
    auto* finestra = qobject_cast<FrmRisultati*>(Finestra(QStringLiteral("FrmRisultati")));
    if (!finestra) {
        finestra = new FrmRisultati(programma.Moto);
        QMdiSubWindow* sotto = Carica(finestra);
        sotto->move(PostoRisultati(sotto->width()));
    }
    Mostra(finestra);
    return *finestra;
}

frmGrafico& FinestreFiglie::ApriGrafico() {
    auto* finestra = qobject_cast<frmGrafico*>(Finestra(QStringLiteral("frmGrafico")));
    if (!finestra) {
        finestra = new frmGrafico(programma.PuntiGrafico, programma.GraficoCorrente, programma.Moto);
        connect(finestra, &frmGrafico::EsportaImmagineRichiesta, this,
                &FinestreFiglie::EsportaImmagineRichiesta);
        connect(finestra, &frmGrafico::EsportaDatiRichiesta, this, &FinestreFiglie::EsportaDatiRichiesta);
        Aggiungi(finestra);
    }
    Mostra(finestra);
    return *finestra;
}

void FinestreFiglie::MotoCambiato() {
    if (auto* grafico = qobject_cast<frmGrafico*>(Finestra(QStringLiteral("frmGrafico"))))
        grafico->NuovoMoto();
    else
        programma.GraficoCorrente.GraficoZoomato = false;
}

// Beside the data-entry window, 100 twips to its right at the same top, when the whole results
// window fits inside the area; otherwise near the area's top left.
QPoint FinestreFiglie::PostoRisultati(int larghezza) const {
    const QWidget* inserimento = Finestra(QStringLiteral("frmInserimentoDati"));
    if (inserimento) {
        const QRect e = inserimento->parentWidget()->geometry();
        const int sinistra = e.left() + e.width() + Px(100);
        if (sinistra + larghezza < area.width())
            return QPoint(sinistra, e.top());
    }
    return QPoint(Px(200), Px(200));
}
