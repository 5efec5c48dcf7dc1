#include "PianoGrafico.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>
#include <cmath>

PianoGrafico::PianoGrafico(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The part of the widget the picture takes: its strips, plot and names.
static QRect Riquadro(const DisposizioneGrafico& d) {
    QRectF r = d.piano.posto;
    for (const PannelloGrafico* s : d.Strisce())
        r |= s->posto;
    for (const TestoGrafico& n : d.cornice.nomi)
        r |= n.posto;
    return r.toAlignedRect();
}

void PianoGrafico::Mostra(DisposizioneGrafico nuova) {
    const QRect prima = riquadro;
    disposizione = std::move(nuova);
    riquadro = Riquadro(disposizione) & rect();
    segni.clear();
    segniFissi.clear();
    sfondoValido = false;
    update(QRegion(riquadro) + prima); // the readouts around it stay as they are
}

// The strips a mark covers: a box's outline, a cross's two lines.
QRegion PianoGrafico::Ingombro(const SegnoStrumento& segno) const {
    const DisposizioneGrafico& d = disposizione;
    const QRect area = d.cornice.area.toAlignedRect().adjusted(-1, -1, 1, 1);
    if (segno.tipo == SegnoStrumento::Rettangolo)
        return QRectF(d.InUnita(segno.a.x(), segno.a.y()), d.InUnita(segno.b.x(), segno.b.y()))
                   .normalized()
                   .adjusted(-2, -2, 2, 2)
                   .toAlignedRect() &
               area;
    const QPointF p = d.InUnita(segno.a.x(), double(d.scalaY) * segno.a.y());
    QRegion r(QRectF(p.x() - 2, area.top(), 4, area.height()).toAlignedRect() & area);
    if (std::isfinite(p.y()))
        r += QRectF(area.left(), p.y() - 2, area.width(), 4).toAlignedRect() & area;
    return r;
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

// The picture, only where it is: around it the widget is its window's colour.
const QImage& PianoGrafico::Sfondo() const {
    const qreal rapporto = devicePixelRatioF();
    if (sfondo.size() != riquadro.size() * rapporto || sfondo.devicePixelRatio() != rapporto) {
        sfondo = QImage(riquadro.size() * rapporto, QImage::Format_RGB32); // opaque: painted by plain copy
        sfondo.setDevicePixelRatio(rapporto);
        sfondoValido = false;
    }
    if (!sfondoValido && !sfondo.isNull()) {
        // White where the plot and strips go, the window's colour around them: each pixel filled once.
        sfondo.fill(Qt::white);
        QPainter pittore(&sfondo);
        pittore.translate(-riquadro.topLeft());
        QRegion intorno(riquadro);
        intorno -= disposizione.piano.posto.toAlignedRect();
        for (const PannelloGrafico* p : disposizione.Strisce())
            intorno -= p->posto.toAlignedRect();
        for (const QRect& r : intorno)
            pittore.fillRect(r, palette().color(QPalette::Window));
        DipingiGrafico(pittore, disposizione, false);
        DipingiSegni(pittore, disposizione, segniFissi);
        sfondoValido = true;
    }
    return sfondo;
}

QImage PianoGrafico::ImmaginePiano() const {
    const QImage& tutta = Sfondo();
    const qreal r = tutta.devicePixelRatio();
    const QRectF area = disposizione.cornice.area.translated(-riquadro.topLeft());
    QImage piano = tutta.copy(QRectF(area.topLeft() * r, area.size() * r).toAlignedRect());
    piano.setDevicePixelRatio(r);
    return piano;
}

QPointF PianoGrafico::InUnita(QPointF p) const {
    return {disposizione.mappaX.Inversa(p.x()), disposizione.mappaY.Inversa(p.y())};
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
        const QRect parte = r & riquadro;
        if (parte != r)
            pittore.fillRect(r, palette().color(QPalette::Window));
        if (!parte.isEmpty())
            pittore.drawImage(
                parte.topLeft(), immagine,
                QRect((parte.topLeft() - riquadro.topLeft()) * rapporto, parte.size() * rapporto));
    }
    pittore.setClipRegion(evento->region());
    DipingiSegni(pittore, disposizione, segni);
}

void PianoGrafico::mouseMoveEvent(QMouseEvent* evento) {
    const QPointF p = evento->position();
    const bool sopra = SulPiano(p);
    const Qt::CursorShape forma = trascinamento ? Qt::ClosedHandCursor
                                  : sopra       ? Qt::CrossCursor
                                                : Qt::ArrowCursor;
    if (cursor().shape() != forma) // set on every move it would cost the platform a call each time
        setCursor(forma);
    if (trascinamento) {
        const double passo = *trascinamento - p.x();
        trascinamento = p.x();
        if (passo != 0 && mouseAttivo)
            emit Spostamento(passo / disposizione.mappaX.Passo() / disposizione.scalaX);
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
