#include "AreaFinestre.h"

#include "FinestreFiglie.h"
#include "Risorse.h"

#include <QLinearGradient>
#include <QMdiSubWindow>
#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>

namespace {
// The graph window's size, frame included, that leaves its plot at least 600 x 250 with the details on.
constexpr QSize GraficoLeggibile{1080, 420};
// Below that, a band under the other windows still shows a plot of some 600 x 150 and keeps the data and
// the results in sight, which the whole area would hide.
constexpr QSize GraficoUtile{800, 300};

QList<QMdiSubWindow*> Finestre(const QMdiArea& area, bool ridotte) {
    QList<QMdiSubWindow*> scelte;
    for (QMdiSubWindow* finestra : area.subWindowList(QMdiArea::CreationOrder))
        if (!finestra->isHidden() && finestra->isMinimized() == ridotte)
            scelte << finestra;
    return scelte;
}
} // namespace

AreaFinestre::AreaFinestre(QWidget* parent)
    : QMdiArea(parent), disegno(new QSvgRenderer(Risorsa(QStringLiteral("sfondo")), this)) {
    setObjectName(QStringLiteral("AreaFinestre"));
    setAccessibleName(QStringLiteral("Area delle finestre"));
}

void AreaFinestre::Affianca(Qt::Orientation direzione) {
    const QList<QMdiSubWindow*> finestre = Finestre(*this, false);
    if (finestre.isEmpty())
        return;
    const QRect area = viewport()->rect();
    const int n = static_cast<int>(finestre.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* finestra = finestre[i];
        QRect posto;
        if (direzione == Qt::Vertical) {
            const int cima = area.height() * i / n, fondo = area.height() * (i + 1) / n;
            posto = QRect(0, cima, area.width(), fondo - cima);
        } else {
            const int sinistra = area.width() * i / n, destra = area.width() * (i + 1) / n;
            posto = QRect(sinistra, 0, destra - sinistra, area.height());
        }
        Colloca(finestra, posto);
    }
}

void AreaFinestre::Colloca(QMdiSubWindow* finestra, const QRect& posto) {
    if (finestra->isMaximized())
        finestra->showNormal();
    // A form of fixed size keeps it: stretched it would float in grey, squeezed it would be cut. One
    // that already scrolls takes the place up to its whole size.
    const QWidget* contenuto = FinestreFiglie::Contenuto(finestra);
    if (!contenuto || contenuto->minimumSize() != contenuto->maximumSize())
        finestra->setGeometry(posto);
    else if (contenuto != finestra->widget())
        finestra->setGeometry(QRect(posto.topLeft(), finestra->sizeHint().boundedTo(posto.size())));
    else
        finestra->move(posto.topLeft());
}

void AreaFinestre::DisponiEsempio(QMdiSubWindow& grafico) {
    const QRect libero = viewport()->rect();
    QRect occupato;
    int primaFine = libero.bottom();
    for (const QMdiSubWindow* finestra : Finestre(*this, false))
        if (finestra != &grafico) {
            occupato |= finestra->geometry();
            primaFine = std::min(primaFine, finestra->geometry().bottom());
        }
    const QRect accanto = libero.adjusted(occupato.right() + 1, 0, 0, 0);
    const QRect sotto = libero.adjusted(0, occupato.bottom() + 1, 0, 0);
    const auto superficie = [](const QRect& r) { return qint64(r.width()) * r.height(); };
    const bool primaAccanto = superficie(accanto) >= superficie(sotto);
    for (const QRect& posto : {primaAccanto ? accanto : sotto, primaAccanto ? sotto : accanto,
                               libero.adjusted(0, primaFine + 1, 0, 0)})
        if (posto.width() >= GraficoLeggibile.width() && posto.height() >= GraficoLeggibile.height()) {
            grafico.setGeometry(posto);
            return;
        }
    // Window decorations vary: where a frame is a few pixels taller than planned the band is still the
    // best place.
    const QRect banda = libero.adjusted(0, primaFine + 1, 0, 0);
    if (banda.width() >= GraficoUtile.width() && banda.height() >= GraficoUtile.height())
        grafico.setGeometry(banda);
}

void AreaFinestre::Sovrapponi() {
    QList<QMdiSubWindow*> finestre = Finestre(*this, false);
    if (finestre.isEmpty())
        return;
    // The active window goes last, so that it ends on top.
    if (QMdiSubWindow* attiva = activeSubWindow(); attiva && finestre.removeOne(attiva))
        finestre << attiva;
    const int passo = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, finestre.front()) + 4;
    const QRect area = viewport()->rect();
    const int n = static_cast<int>(finestre.size());
    const QSize misura(std::max(area.width() - passo * (n - 1), area.width() / 2),
                       std::max(area.height() - passo * (n - 1), area.height() / 2));
    for (int i = 0; i < n; ++i) {
        Colloca(finestre[i], QRect(QPoint(passo * i, passo * i), misura));
        finestre[i]->raise();
    }
    setActiveSubWindow(finestre.back());
}

void AreaFinestre::DisponiIcone() {
    const QRect area = viewport()->rect();
    QPoint posto(0, area.height());
    int altezzaRiga = 0;
    for (QMdiSubWindow* finestra : Finestre(*this, true)) {
        const QSize misura = finestra->size();
        if (posto.x() > 0 && posto.x() + misura.width() > area.width()) {
            posto = QPoint(0, posto.y() - altezzaRiga);
            altezzaRiga = 0;
        }
        altezzaRiga = std::max(altezzaRiga, misura.height());
        finestra->move(posto.x(), posto.y() - misura.height());
        posto.rx() += misura.width();
    }
}

void AreaFinestre::paintEvent(QPaintEvent*) {
    QPainter pittore(viewport());
    pittore.drawPixmap(0, 0, Sfondo());
}

const QPixmap& AreaFinestre::Sfondo() {
    const qreal rapporto = viewport()->devicePixelRatioF();
    const QSize misura = viewport()->size();
    if (sfondo.deviceIndependentSize().toSize() == misura && sfondo.devicePixelRatio() == rapporto)
        return sfondo;
    sfondo = QPixmap(misura * rapporto);
    sfondo.setDevicePixelRatio(rapporto);
    QPainter pittore(&sfondo);
    QLinearGradient sfumatura(0, 0, 0, misura.height());
    sfumatura.setColorAt(0, QColor(0x4a, 0x6f, 0x96));
    sfumatura.setColorAt(1, QColor(0x1f, 0x36, 0x52));
    pittore.fillRect(QRect(QPoint(0, 0), misura), sfumatura);
    QSizeF figura = disegno->defaultSize();
    figura.scale(QSizeF(misura) * 0.7, Qt::KeepAspectRatio);
    disegno->render(&pittore, QRectF(QPointF((misura.width() - figura.width()) / 2,
                                             (misura.height() - figura.height()) / 2),
                                     figura));
    return sfondo;
}
