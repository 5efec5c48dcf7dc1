#pragma once

// A line through many successive points (a sampled curve), in pixels, built as the surface has always
// built a line drawn segment by segment: each segment is cut to the kept area, a segment that continues
// one shorter than half a pixel in both directions lengthens it instead of starting anew, and segments
// that meet become one polyline. Done in one loop over plain points, so 50,000 samples cost little more
// than the few thousand vertices that remain, and the picture is the same pixel for pixel.

#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <cmath>
#include <optional>
#include <utility>

// The part of segment a-b inside the rectangle (Liang-Barsky), or nothing. End points inside are kept
// as given, so consecutive segments still join exactly.
std::optional<std::pair<QPointF, QPointF>> Taglia(QPointF a, QPointF b, const QRectF& r);

class Spezzata {
public:
    // Starts a new line whose segments are kept to `limite`; a line begun before is dropped.
    void Apri(const QRectF& limite);
    // The points punto(0) to punto(n - 1); punto(i, p) sets p and returns false for a point to leave out
    // (the line then runs from the point before to the point after). A point that is not finite breaks
    // the line: no segment reaches it or leaves it.
    template <class Punto> void Aggiungi(size_t n, Punto punto) {
        Stato st = stato; // in registers for the loop; written back at its end
        for (size_t i = 0; i < n; ++i) {
            QPointF p;
            if (!punto(i, p))
                continue;
            if (!std::isfinite(p.x() * 0 + p.y() * 0)) { // either not finite
                st.haCorrente = false;
                continue;
            }
            const bool dentro =
                p.x() >= st.sinistra && p.x() <= st.destra && p.y() >= st.alto && p.y() <= st.basso;
            if (st.haCorrente)
                Segmento(st, st.corrente, p, st.correnteDentro && dentro);
            st.corrente = p;
            st.correnteDentro = dentro;
            st.haCorrente = true;
        }
        stato = st;
    }
    bool Vuota() const { return !stato.haUltimo && linee.isEmpty(); }
    // The polylines of the line, in order; the line is empty again.
    QList<QPolygonF> Fine();

private:
    struct Stato {
        double sinistra = 0, destra = 0, alto = 0, basso = 0; // the edges of the kept area
        QPointF corrente;                                     // the last point given
        bool haCorrente = false, correnteDentro = false;
        QPointF ultimoA, ultimoB; // the last segment kept, still open to lengthening
        bool haUltimo = false;
    };

    // As QPointF's ==, which allows for rounding, with the exact match first: the usual case, and cheap.
    static bool Uguali(QPointF a, QPointF b) { return (a.x() == b.x() && a.y() == b.y()) || a == b; }
    // With both ends inside, the cut would give the segment back unchanged: its divisions are skipped.
    void Segmento(Stato& st, QPointF a, QPointF b, bool dentro) {
        if (!dentro) {
            const auto parte = Taglia(a, b, limite);
            if (!parte)
                return;
            a = parte->first;
            b = parte->second;
        }
        // A dense curve (tens of samples per pixel) would cost a wide-pen join per sample: a segment
        // continuing one shorter than half a pixel lengthens it. Every dropped vertex stays within half
        // a pixel of the line drawn.
        if (st.haUltimo && std::abs(st.ultimoB.x() - st.ultimoA.x()) < 0.5 &&
            std::abs(st.ultimoB.y() - st.ultimoA.y()) < 0.5 && Uguali(st.ultimoB, a)) {
            st.ultimoB = b;
            return;
        }
        if (st.haUltimo)
            Emetti(st.ultimoA, st.ultimoB);
        st.ultimoA = a;
        st.ultimoB = b;
        st.haUltimo = true;
    }
    void Emetti(QPointF a, QPointF b);

    QRectF limite;
    Stato stato;
    QPolygonF tratto; // the polyline being joined
    QList<QPolygonF> linee;
};
