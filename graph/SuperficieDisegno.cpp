#include "SuperficieDisegno.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

namespace {

// Marks are kept to this much around the visible area: the rasteriser stays in its exact range and
// a curve far out of a zoomed view costs nothing to paint.
constexpr double MargineTaglio = 64;
// Beyond this many marks between two paints the whole surface is repainted: cheaper than merging
// thousands of small update rectangles.
constexpr int MassimoAggiornamentiParziali = 32;

bool Finito(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// The part of segment a-b inside the rectangle (Liang-Barsky), or nothing.
std::optional<std::pair<QPointF, QPointF>> Taglia(QPointF a, QPointF b, const QRectF& r) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    // Keep the given end points when inside, so consecutive segments still join exactly.
    const QPointF da = t0 > 0 ? a + t0 * (b - a) : a;
    const QPointF ab = t1 < 1 ? a + t1 * (b - a) : b;
    return std::pair{da, ab};
}

} // namespace

SuperficieDisegno::SuperficieDisegno(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool SuperficieDisegno::ImpostaScala(double sinistra, double superiore, double destra, double inferiore) {
    const double sx = width() / (destra - sinistra);
    const double sy = height() / (inferiore - superiore);
    const double dx = -sinistra * sx, dy = -superiore * sy;
    for (double v : {sx, sy, dx, dy})
        if (!std::isfinite(v))
            return false;
    if (sx == 0 || sy == 0)
        return false;
    utenteInPixel = QTransform(sx, 0, 0, sy, dx, dy);
    pixelInUtente = utenteInPixel.inverted();
    area = QRectF(0, 0, width(), height());
    return true;
}

QPointF SuperficieDisegno::InPixel(double x, double y) const {
    const QTransform& t = utenteInPixel; // scale and shift only
    return QPointF(x * t.m11() + t.dx(), y * t.m22() + t.dy());
}

QPointF SuperficieDisegno::InUtente(QPointF pixel) const {
    return pixelInUtente.map(pixel);
}

void SuperficieDisegno::ImpostaSpessore(int pixel) {
    penna.spessore = std::max(1, pixel);
}
void SuperficieDisegno::ImpostaTratteggio(bool tratteggio) {
    penna.tratteggio = tratteggio;
}
void SuperficieDisegno::ImpostaColore(const QColor& colore) {
    penna.colore = colore;
}

void SuperficieDisegno::Posiziona(double x, double y) {
    corrente = QPointF(x, y);
}

void SuperficieDisegno::Linea(double x1, double y1, double x2, double y2) {
    Aggiungi({Tipo::Linea, penna, InPixel(x1, y1), InPixel(x2, y2), {}});
    corrente = QPointF(x2, y2);
}

void SuperficieDisegno::LineaA(double x, double y) {
    Linea(corrente.x(), corrente.y(), x, y);
}

void SuperficieDisegno::Rettangolo(double x1, double y1, double x2, double y2) {
    Aggiungi({Tipo::Rettangolo, penna, InPixel(x1, y1), InPixel(x2, y2), {}});
    corrente = QPointF(x2, y2);
}

void SuperficieDisegno::Testo(double x, double y, const QString& testo) {
    Aggiungi({Tipo::Testo, penna, InPixel(x, y), QPointF(x, y), testo});
}

void SuperficieDisegno::Aggiungi(Segno segno) {
    const QRectF coperta = area.isNull() ? QRectF(rect()) : area;
    const QRectF limite = coperta.adjusted(-MargineTaglio, -MargineTaglio, MargineTaglio, MargineTaglio);
    if (!Finito(segno.a) || !Finito(segno.b))
        return;
    switch (segno.tipo) {
    case Tipo::Linea: {
        const auto parte = Taglia(segno.a, segno.b, limite);
        if (!parte)
            return;
        std::tie(segno.a, segno.b) = *parte;
        break;
    }
    case Tipo::Rettangolo: {
        const QRectF scatola = QRectF(segno.a, segno.b).normalized() & limite;
        if (scatola.isNull())
            return;
        segno.a = scatola.topLeft();
        segno.b = scatola.bottomRight();
        break;
    }
    case Tipo::Testo:
        if (!limite.contains(segno.a))
            return;
        break;
    }
    if (Prolunga(segno))
        return;
    Sporca(segno);
    segni.push_back(std::move(segno));
}

// A dense curve (tens of samples per pixel) would cost a wide-pen join per sample: a line continuing
// a previous one shorter than half a pixel extends it instead. Every dropped vertex stays within half
// a pixel of the line drawn.
bool SuperficieDisegno::Prolunga(const Segno& segno) {
    if (segno.tipo != Tipo::Linea || segni.empty())
        return false;
    Segno& ultimo = segni.back();
    if (ultimo.tipo != Tipo::Linea || ultimo.b != segno.a || !(ultimo.penna == segno.penna))
        return false;
    const QPointF corto = ultimo.b - ultimo.a;
    if (std::abs(corto.x()) >= 0.5 || std::abs(corto.y()) >= 0.5)
        return false;
    ultimo.b = segno.b;
    Sporca(ultimo);
    return true;
}

QRectF SuperficieDisegno::Ingombro(const Segno& segno) const {
    const double m = segno.penna.spessore + 1;
    if (segno.tipo == Tipo::Testo) {
        const QFontMetricsF fm(Carattere());
        return QRectF(segno.a, QSizeF(fm.horizontalAdvance(segno.testo), fm.height())).adjusted(-m, -m, m, m);
    }
    return QRectF(segno.a, segno.b).normalized().adjusted(-m, -m, m, m);
}

void SuperficieDisegno::Sporca(const Segno& segno) {
    if (tuttoDaRidipingere)
        return;
    if (++segniDaDipingere > MassimoAggiornamentiParziali) {
        tuttoDaRidipingere = true;
        update();
        return;
    }
    update(Ingombro(segno).toAlignedRect());
}

void SuperficieDisegno::Cancella() {
    for (const Segno& segno : segni)
        Sporca(segno);
    segni.clear();
}

void SuperficieDisegno::RendiPersistente() {
    if (sfondo.isNull())
        sfondo = Bianca();
    QPainter pittore(&sfondo);
    Dipingi(pittore, segni);
    for (const Segno& segno : segni)
        if (segno.tipo == Tipo::Testo)
            testiSfondo.append({segno.b, segno.testo});
    segniSfondo.insert(segniSfondo.end(), std::make_move_iterator(segni.begin()),
                       std::make_move_iterator(segni.end()));
    segni.clear();
}

void SuperficieDisegno::RimuoviSfondo() {
    if (sfondo.deviceIndependentSize() == QSizeF(size()) && sfondo.devicePixelRatio() == devicePixelRatioF())
        sfondo.fill(Qt::white); // no fresh allocation on every redraw
    else
        sfondo = Bianca();
    segni.clear();
    segniSfondo.clear();
    testiSfondo.clear();
    update();
}

QImage SuperficieDisegno::Bianca() const {
    const qreal rapporto = devicePixelRatioF();
    QImage immagine(size() * rapporto, QImage::Format_ARGB32_Premultiplied);
    immagine.setDevicePixelRatio(rapporto);
    immagine.fill(Qt::white);
    return immagine;
}

QList<SuperficieDisegno::TestoDisegnato> SuperficieDisegno::Testi() const {
    QList<TestoDisegnato> testi = testiSfondo;
    for (const Segno& segno : segni)
        if (segno.tipo == Tipo::Testo)
            testi.append({segno.b, segno.testo});
    return testi;
}

void SuperficieDisegno::DisegnaIn(QPainter& pittore, const QRectF& rettangolo) const {
    const QSizeF misura = Misura();
    if (misura.isEmpty())
        return;
    pittore.save();
    pittore.setClipRect(rettangolo, Qt::IntersectClip);
    pittore.fillRect(rettangolo, Qt::white);
    pittore.translate(rettangolo.topLeft());
    pittore.scale(rettangolo.width() / misura.width(), rettangolo.height() / misura.height());
    Dipingi(pittore, segniSfondo);
    pittore.restore();
}

// The widget's font sized in pixels, so that texts keep their place among the lines whatever the
// resolution of the device they are painted on.
QFont SuperficieDisegno::Carattere() const {
    QFont carattere = font();
    carattere.setPixelSize(QFontInfo(font()).pixelSize());
    return carattere;
}

void SuperficieDisegno::Dipingi(QPainter& pittore, const std::vector<Segno>& elenco) const {
    const QFont carattere = Carattere();
    pittore.setFont(carattere);
    const QFontMetricsF fm(carattere);
    QPolygonF tratto; // consecutive joined lines go out as one polyline
    auto chiudi = [&] {
        if (tratto.size() > 1)
            pittore.drawPolyline(tratto);
        tratto.clear();
    };
    const Penna* attiva = nullptr;
    for (const Segno& segno : elenco) {
        if (!attiva || !(segno.penna == *attiva)) {
            chiudi();
            attiva = &segno.penna;
            pittore.setPen(
                QPen(attiva->colore, attiva->spessore, attiva->tratteggio ? Qt::DashLine : Qt::SolidLine));
        }
        switch (segno.tipo) {
        case Tipo::Linea:
            if (tratto.isEmpty() || tratto.last() != segno.a) {
                chiudi();
                tratto << segno.a;
            }
            tratto << segno.b;
            break;
        case Tipo::Rettangolo:
            chiudi();
            pittore.drawRect(QRectF(segno.a, segno.b));
            break;
        case Tipo::Testo:
            chiudi();
            pittore.drawText(segno.a + QPointF(0, fm.ascent()), segno.testo);
            break;
        }
    }
    chiudi();
}

void SuperficieDisegno::paintEvent(QPaintEvent* evento) {
    segniDaDipingere = 0;
    tuttoDaRidipingere = false;
    QPainter pittore(this);
    const QRect coperta =
        sfondo.isNull() ? QRect() : QRect(QPoint(0, 0), sfondo.deviceIndependentSize().toSize());
    const qreal rapporto = sfondo.devicePixelRatio();
    // One rectangle at a time: under a single-rectangle clip the background is a plain copy, where
    // the whole region would take the span path, costly for thin crosshair strips.
    for (const QRect& r : evento->region()) {
        pittore.setClipRect(r);
        const QRect parte = r & coperta;
        if (parte != r)
            pittore.fillRect(r, Qt::white);
        if (!parte.isEmpty())
            pittore.drawImage(parte.topLeft(), sfondo,
                              QRect(parte.topLeft() * rapporto, parte.size() * rapporto));
    }
    pittore.setClipRegion(evento->region());
    Dipingi(pittore, segni);
}

void SuperficieDisegno::mouseMoveEvent(QMouseEvent* evento) {
    if (!mouseAttivo)
        return;
    const QPointF p = InUtente(evento->position());
    emit MouseMosso(p.x(), p.y());
}

void SuperficieDisegno::mousePressEvent(QMouseEvent* evento) {
    if (!mouseAttivo)
        return;
    const QPointF p = InUtente(evento->position());
    emit MousePremuto(evento->button(), p.x(), p.y());
}
