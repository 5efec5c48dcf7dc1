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

// The runs of a line inside the rectangle.
std::vector<QPolygonF> TagliaLinea(const QPolygonF& linea, const QRectF& r) {
    std::vector<QPolygonF> tratti;
    QPolygonF tratto;
    for (qsizetype i = 1; i < linea.size(); ++i) {
        const auto parte = Taglia(linea[i - 1], linea[i], r);
        if (parte && !tratto.isEmpty() && tratto.last() == parte->first) {
            tratto << parte->second;
            continue;
        }
        if (tratto.size() > 1)
            tratti.push_back(tratto);
        tratto.clear();
        if (parte)
            tratto << parte->first << parte->second;
    }
    if (tratto.size() > 1)
        tratti.push_back(tratto);
    return tratti;
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

QPointF SuperficieDisegno::InUtente(QPointF pixel) const {
    return pixelInUtente.map(pixel);
}

void SuperficieDisegno::ImpostaSpessore(int pixel) {
    penna.spessore = std::max(1, pixel);
}
void SuperficieDisegno::ImpostaTratteggio(bool tratteggio) {
    penna.stile = tratteggio ? Qt::DashLine : Qt::SolidLine;
}
void SuperficieDisegno::ImpostaStile(Qt::PenStyle stile) {
    penna.stile = stile;
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

void SuperficieDisegno::Testo(double x, double y, const QString& testo, bool dentro,
                              Qt::Alignment allineamento) {
    QPointF angolo = InPixel(x, y) - Scarto(testo, allineamento);
    if (allineamento != (Qt::AlignLeft | Qt::AlignTop) && Finito(angolo)) {
        const QPointF utente = InUtente(angolo);
        x = utente.x();
        y = utente.y();
    }
    if (dentro && Finito(angolo)) {
        const QFontMetricsF fm(Carattere());
        const QRectF r = area.isNull() ? QRectF(rect()) : area;
        angolo.setX(std::max(r.left(), std::min(angolo.x(), r.right() - fm.horizontalAdvance(testo))));
        angolo.setY(std::max(r.top(), std::min(angolo.y(), r.bottom() - fm.height())));
        const QPointF utente = InUtente(angolo);
        x = utente.x();
        y = utente.y();
    }
    Segno segno{Tipo::Testo, penna, angolo, QPointF(x, y), testo};
    segno.allineamento = allineamento;
    Aggiungi(std::move(segno));
}

QPointF SuperficieDisegno::Scarto(const QString& testo, Qt::Alignment allineamento) const {
    if (allineamento == (Qt::AlignLeft | Qt::AlignTop))
        return {};
    const QFontMetricsF fm(Carattere());
    const double x = allineamento & Qt::AlignRight ? 1 : allineamento & Qt::AlignHCenter ? 0.5 : 0;
    const double y = allineamento & Qt::AlignBottom ? 1 : allineamento & Qt::AlignVCenter ? 0.5 : 0;
    return {x * fm.horizontalAdvance(testo), y * fm.height()};
}

void SuperficieDisegno::Avviso(const QString& testo) {
    Aggiungi({Tipo::Avviso, penna, QPointF(0, 0), QPointF(width(), height()), testo});
}

double SuperficieDisegno::LarghezzaTesto(const QString& testo) const {
    return QFontMetricsF(Carattere()).horizontalAdvance(testo);
}

void SuperficieDisegno::ApriSpezzata() {
    spezzata.Apri(Limite());
}

// Each polyline of the line becomes one mark.
void SuperficieDisegno::ChiudiSpezzata() {
    for (QPolygonF& linea : spezzata.Fine())
        Aggiungi({Tipo::Spezzata, penna, {}, {}, {}, std::move(linea)});
}

QRectF SuperficieDisegno::Limite() const {
    const QRectF coperta = area.isNull() ? QRectF(rect()) : area;
    return coperta.adjusted(-MargineTaglio, -MargineTaglio, MargineTaglio, MargineTaglio);
}

void SuperficieDisegno::Aggiungi(Segno segno) {
    const QRectF limite = Limite();
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
    case Tipo::Spezzata:
    case Tipo::Avviso:
        break;
    }
    Sporca(segno);
    segni.push_back(std::move(segno));
}

QRectF SuperficieDisegno::Ingombro(const Segno& segno) const {
    const double m = segno.penna.spessore + 1;
    if (segno.tipo == Tipo::Testo) {
        const QFontMetricsF fm(Carattere());
        return QRectF(segno.a, QSizeF(fm.horizontalAdvance(segno.testo), fm.height())).adjusted(-m, -m, m, m);
    }
    if (segno.tipo == Tipo::Spezzata)
        return segno.linea.boundingRect().adjusted(-m, -m, m, m);
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
    if (Vuoto())
        misuraSfondo = size();
    segniSfondo.insert(segniSfondo.end(), std::make_move_iterator(segni.begin()),
                       std::make_move_iterator(segni.end()));
    segni.clear();
}

void SuperficieDisegno::RimuoviSfondo() {
    misuraSfondo = QSize();
    dipinti = Imbiancare;
    segni.clear();
    segniSfondo.clear();
    update();
}

const QImage& SuperficieDisegno::Dipinto() const {
    const qreal rapporto = devicePixelRatioF();
    if (sfondo.isNull() || sfondo.size() != misuraSfondo * rapporto ||
        sfondo.devicePixelRatio() != rapporto) {
        sfondo = QImage(misuraSfondo * rapporto, QImage::Format_RGB32); // opaque: painted by plain copy
        sfondo.setDevicePixelRatio(rapporto);
        dipinti = Imbiancare;
    }
    if (dipinti == Imbiancare) { // no fresh allocation on every redraw
        sfondo.fill(Qt::white);
        dipinti = 0;
    }
    if (dipinti < segniSfondo.size()) {
        QPainter pittore(&sfondo);
        Dipingi(pittore, std::span(segniSfondo).subspan(dipinti));
        dipinti = segniSfondo.size();
    }
    return sfondo;
}

QImage SuperficieDisegno::Bianca() const {
    const qreal rapporto = devicePixelRatioF();
    QImage immagine(size() * rapporto, QImage::Format_RGB32); // opaque: painted by plain copy
    immagine.setDevicePixelRatio(rapporto);
    immagine.fill(Qt::white);
    return immagine;
}

QList<SuperficieDisegno::TestoDisegnato> SuperficieDisegno::Testi() const {
    QList<TestoDisegnato> testi;
    for (const auto* elenco : {&segniSfondo, &segni})
        for (const Segno& segno : *elenco)
            if (segno.tipo == Tipo::Testo)
                testi.append({segno.b, segno.testo});
            else if (segno.tipo == Tipo::Avviso)
                testi.append({{}, segno.testo});
    return testi;
}

void SuperficieDisegno::DisegnaIn(QPainter& pittore, const QRectF& rettangolo, double scalaTesti) const {
    const QSizeF misura = Misura();
    if (misura.isEmpty())
        return;
    pittore.save();
    pittore.setClipRect(rettangolo, Qt::IntersectClip);
    pittore.fillRect(rettangolo, Qt::white);
    const double sx = rettangolo.width() / misura.width(), sy = rettangolo.height() / misura.height();
    const QTransform mappa(sx, 0, 0, sy, rettangolo.left(), rettangolo.top());
    // Cut to the picture as well as clipped: not every device clips (an SVG file does not).
    const double scala = misura.width() >= misura.height() ? sy : sx;
    Dipingi(pittore, Ritagliati(QRectF(QPointF(0, 0), misura)), mappa, scala,
            scalaTesti > 0 ? scalaTesti : scala);
    pittore.restore();
}

// The background's marks with their lines cut to the area; texts as they are.
std::vector<SuperficieDisegno::Segno> SuperficieDisegno::Ritagliati(const QRectF& area) const {
    std::vector<Segno> ritagliati;
    for (const Segno& segno : segniSfondo) {
        if (segno.tipo == Tipo::Linea) {
            if (const auto parte = Taglia(segno.a, segno.b, area))
                ritagliati.push_back({segno.tipo, segno.penna, parte->first, parte->second, {}});
        } else if (segno.tipo == Tipo::Rettangolo) {
            const QRectF scatola = QRectF(segno.a, segno.b).normalized() & area;
            if (!scatola.isNull())
                ritagliati.push_back({segno.tipo, segno.penna, scatola.topLeft(), scatola.bottomRight(), {}});
        } else if (segno.tipo == Tipo::Spezzata) {
            for (const QPolygonF& tratto : TagliaLinea(segno.linea, area))
                ritagliati.push_back({Tipo::Spezzata, segno.penna, {}, {}, {}, tratto});
        } else {
            ritagliati.push_back(segno);
        }
    }
    return ritagliati;
}

// The widget's font sized in pixels, so that texts keep their place among the lines whatever the
// resolution of the device they are painted on.
QFont SuperficieDisegno::Carattere() const {
    QFont carattere = font();
    carattere.setPixelSize(QFontInfo(font()).pixelSize());
    return carattere;
}

void SuperficieDisegno::Dipingi(QPainter& pittore, std::span<const Segno> elenco, const QTransform& mappa,
                                double scala, double scalaTesti) const {
    const QFont carattere = Carattere();
    pittore.setFont(carattere);
    const QFontMetricsF fm(carattere);
    QPolygonF tratto; // consecutive joined lines go out as one polyline
    auto chiudi = [&] {
        if (tratto.size() > 1)
            pittore.drawPolyline(tratto);
        tratto.clear();
    };
    // A text keeps its shape: drawn at its mapped point, scaled alike both ways.
    auto scritta = [&](QPointF punto, auto disegna) {
        pittore.save();
        pittore.translate(mappa.map(punto));
        pittore.scale(scalaTesti, scalaTesti);
        disegna();
        pittore.restore();
    };
    const Penna* attiva = nullptr;
    for (const Segno& segno : elenco) {
        if (!attiva || !(segno.penna == *attiva)) {
            chiudi();
            attiva = &segno.penna;
            pittore.setPen(QPen(attiva->colore, attiva->spessore * scala, attiva->stile));
        }
        switch (segno.tipo) {
        case Tipo::Linea:
            if (tratto.isEmpty() || tratto.last() != mappa.map(segno.a)) {
                chiudi();
                tratto << mappa.map(segno.a);
            }
            tratto << mappa.map(segno.b);
            break;
        case Tipo::Rettangolo:
            chiudi();
            pittore.drawRect(QRectF(mappa.map(segno.a), mappa.map(segno.b)));
            break;
        case Tipo::Testo: {
            chiudi();
            const QPointF scarto = Scarto(segno.testo, segno.allineamento);
            scritta(segno.a + scarto,
                    [&] { pittore.drawText(QPointF(0, fm.ascent()) - scarto, segno.testo); });
            break;
        }
        case Tipo::Spezzata:
            chiudi();
            pittore.drawPolyline(mappa.map(segno.linea));
            break;
        case Tipo::Avviso: {
            chiudi();
            const QRectF r(mappa.map(segno.a), mappa.map(segno.b));
            scritta(segno.a, [&] {
                pittore.drawText(
                    QRectF(0, 0, r.width() / scalaTesti, r.height() / scalaTesti).adjusted(8, 8, -8, -8),
                    Qt::AlignCenter | Qt::TextWordWrap, segno.testo);
            });
            break;
        }
        }
    }
    chiudi();
}

void SuperficieDisegno::paintEvent(QPaintEvent* evento) {
    segniDaDipingere = 0;
    tuttoDaRidipingere = false;
    const QImage* immagine = Vuoto() ? nullptr : &Dipinto();
    QPainter pittore(this);
    const QRect coperta = immagine ? QRect(QPoint(0, 0), misuraSfondo) : QRect();
    const qreal rapporto = immagine ? immagine->devicePixelRatio() : 1;
    // One rectangle at a time: under a single-rectangle clip the background is a plain copy, where
    // the whole region would take the span path, costly for thin crosshair strips.
    for (const QRect& r : evento->region()) {
        pittore.setClipRect(r);
        const QRect parte = r & coperta;
        if (parte != r)
            pittore.fillRect(r, Qt::white);
        if (!parte.isEmpty())
            pittore.drawImage(parte.topLeft(), *immagine,
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
