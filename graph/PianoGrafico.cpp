#include "PianoGrafico.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

PianoGrafico::PianoGrafico(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PianoGrafico::Mostra(DisposizioneGrafico nuova) {
    disposizione = std::move(nuova);
    segni.clear();
    segniFissi.clear();
    sfondoValido = false;
    update();
}

QRect PianoGrafico::Ingombro(const SegnoStrumento& segno) const {
    const DisposizioneGrafico& d = disposizione;
    const QRectF area = d.cornice.area;
    if (segno.tipo == SegnoStrumento::Rettangolo)
        return QRectF(d.InUnita(segno.a.x(), segno.a.y()), d.InUnita(segno.b.x(), segno.b.y()))
                   .normalized()
                   .adjusted(-2, -2, 2, 2)
                   .toAlignedRect() &
               area.toAlignedRect();
    const QPointF p = d.InUnita(segno.a.x(), double(d.scalaY) * segno.a.y());
    QRect r = QRectF(p.x() - 2, area.top() - 1, 4, area.height() + 2).toAlignedRect();
    if (std::isfinite(p.y()))
        r |= QRectF(area.left() - 1, p.y() - 2, area.width() + 2, 4).toAlignedRect();
    return r & area.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void PianoGrafico::ImpostaSegni(std::vector<SegnoStrumento> nuovi) {
    // Only the strips the old and new marks cover are painted again.
    for (const auto* elenco : {&segni, &nuovi})
        for (const SegnoStrumento& s : *elenco)
            update(Ingombro(s));
    segni = std::move(nuovi);
}

void PianoGrafico::RendiPersistenti() {
    segniFissi.insert(segniFissi.end(), segni.begin(), segni.end());
    segni.clear();
    sfondoValido = false;
    update();
}

const QImage& PianoGrafico::Sfondo() const {
    const qreal rapporto = devicePixelRatioF();
    if (sfondo.size() != size() * rapporto || sfondo.devicePixelRatio() != rapporto) {
        sfondo = QImage(size() * rapporto, QImage::Format_RGB32); // opaque: painted by plain copy
        sfondo.setDevicePixelRatio(rapporto);
        sfondoValido = false;
    }
    if (!sfondoValido) {
        sfondo.fill(palette().color(QPalette::Window));
        QPainter pittore(&sfondo);
        DipingiGrafico(pittore, disposizione);
        DipingiSegni(pittore, disposizione, segniFissi);
        sfondoValido = true;
    }
    return sfondo;
}

QImage PianoGrafico::Immagine() const {
    return Sfondo();
}

QImage PianoGrafico::ImmaginePiano() const {
    const QImage& tutta = Sfondo();
    const qreal r = tutta.devicePixelRatio();
    const QRectF area = disposizione.cornice.area;
    QImage piano = tutta.copy(QRectF(area.topLeft() * r, area.size() * r).toAlignedRect());
    piano.setDevicePixelRatio(r);
    return piano;
}

QPointF PianoGrafico::InUnita(QPointF p) const {
    const DisposizioneGrafico& d = disposizione;
    return {((p.x() - d.cornice.area.left()) - d.bx) / d.kx, ((p.y() - d.cornice.area.top()) - d.by) / d.ky};
}

bool PianoGrafico::SulPiano(QPointF p) const {
    return mouseAttivo && disposizione.disegnata && disposizione.cornice.area.contains(p);
}

void PianoGrafico::paintEvent(QPaintEvent* evento) {
    const QImage& immagine = Sfondo();
    QPainter pittore(this);
    const qreal rapporto = immagine.devicePixelRatio();
    // One rectangle at a time: under a single-rectangle clip the copy is a plain one, where the whole
    // region would take the span path, costly for the crosshair's thin strips.
    for (const QRect& r : evento->region()) {
        pittore.setClipRect(r);
        pittore.drawImage(r.topLeft(), immagine, QRect(r.topLeft() * rapporto, r.size() * rapporto));
    }
    pittore.setClipRegion(evento->region());
    DipingiSegni(pittore, disposizione, segni);
}

void PianoGrafico::mouseMoveEvent(QMouseEvent* evento) {
    const QPointF p = evento->position();
    const bool sopra = SulPiano(p);
    setCursor(trascinamento ? Qt::ClosedHandCursor : sopra ? Qt::CrossCursor : Qt::ArrowCursor);
    if (trascinamento) {
        const double passo = *trascinamento - p.x();
        trascinamento = p.x();
        if (passo != 0 && mouseAttivo)
            emit Spostamento(passo / disposizione.kx / disposizione.scalaX);
        return;
    }
    if (sopra) {
        const QPointF u = InUnita(p);
        emit MouseMosso(u.x(), u.y());
    }
}

void PianoGrafico::mousePressEvent(QMouseEvent* evento) {
    const QPointF p = evento->position();
    if (!SulPiano(p))
        return;
    if (evento->button() == Qt::MiddleButton ||
        (evento->button() == Qt::LeftButton && sinistroSposta && (evento->modifiers() & Qt::ShiftModifier))) {
        trascinamento = p.x();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    const QPointF u = InUnita(p);
    emit MousePremuto(evento->button(), u.x(), u.y());
}

void PianoGrafico::mouseReleaseEvent(QMouseEvent* evento) {
    if (trascinamento && !(evento->buttons() & (Qt::MiddleButton | Qt::LeftButton))) {
        trascinamento.reset();
        setCursor(SulPiano(evento->position()) ? Qt::CrossCursor : Qt::ArrowCursor);
    }
}

void PianoGrafico::wheelEvent(QWheelEvent* evento) {
    const QPointF p = evento->position();
    if (!SulPiano(p) || evento->angleDelta().y() == 0) {
        evento->ignore();
        return;
    }
    restoRotella += evento->angleDelta().y();
    const double scatti = std::trunc(restoRotella / 120 * 8) / 8; // an eighth of a notch at least
    if (scatti == 0)
        return;
    restoRotella -= scatti * 120;
    emit Rotella(disposizione.Tempo(p.x()), scatti);
}
