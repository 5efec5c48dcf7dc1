#pragma once

// A line through many successive points (a sampled curve), in pixels, built as the surface has always
// built a line drawn segment by segment: each segment is cut to the kept area, a segment that continues
// one shorter than half a pixel in both directions lengthens it instead of starting anew, and segments
// that meet become one polyline. Done in one loop over plain points, so 50,000 samples cost little more
// than the few thousand vertices that remain, and the picture is the same pixel for pixel. A curve of
// many points to a pixel column can go through AggiungiDensi instead: fewer vertices, a few edge pixels.

#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

// The part of segment a-b inside the rectangle (Liang-Barsky), or nothing. End points inside are kept
// as given, so consecutive segments still join exactly.
std::optional<std::pair<QPointF, QPointF>> Taglia(QPointF a, QPointF b, const QRectF& r);
// Douglas-Peucker: the line through only the vertices without which it would move by more than
// `tolleranza` pixels.
QPolygonF Semplifica(const QPolygonF& linea, double tolleranza);

class Spezzata {
public:
    // Starts a new line whose segments are kept to `limite`; a line begun before is dropped.
    void Apri(const QRectF& limite);
    // The points punto(0) to punto(n - 1); punto(i, p) sets p and returns false for a point to leave out
    // (the line then runs from the point before to the point after). A point that is not finite breaks
    // the line: no segment reaches it or leaves it.
    template <class Punto> void Aggiungi(size_t n, Punto punto) {
        Stato st = stato; // in registers for the loop; written back at its end
        for (size_t i = 0; i < n; ++i)
            if (QPointF p; punto(i, p))
                Punto1(st, p);
        stato = st;
    }
    // As Aggiungi, for a curve sampled much more densely than the pixels (tens of points per column):
    // in each pixel column only the first and the last point and the first and the last of the lowest
    // and of the highest go on to the line, in their order. The column keeps its extent and the curve
    // its corners; the line's edges may differ from the line through every point by the rounding of
    // the wide pen's outline, a pixel here and there, and it costs a third of the vertices.
    template <class Punto> void AggiungiDensi(size_t n, Punto punto) {
        densa = true;
        Stato st = stato;
        Colonna c;
        int ordine = 0;
        for (size_t i = 0; i < n; ++i) {
            QPointF p;
            if (!punto(i, p))
                continue;
            if (!std::isfinite(p.x() * 0 + p.y() * 0)) {
                ChiudiColonna(st, c);
                Punto1(st, p); // breaks the line
                continue;
            }
            const Voce voce{p, ++ordine};
            const double x = NumeroColonna(p.x());
            if (!c.aperta || x != c.numero) {
                ChiudiColonna(st, c);
                c.aperta = true;
                c.numero = x;
                c.scelti.fill(voce);
                continue;
            }
            // Kept in order: first, first lowest, last lowest, first highest, last highest, last.
            if (p.y() < c.scelti[1].punto.y())
                c.scelti[1] = c.scelti[2] = voce;
            else if (p.y() == c.scelti[1].punto.y())
                c.scelti[2] = voce;
            if (p.y() > c.scelti[3].punto.y())
                c.scelti[3] = c.scelti[4] = voce;
            else if (p.y() == c.scelti[3].punto.y())
                c.scelti[4] = voce;
            c.scelti[5] = voce;
        }
        ChiudiColonna(st, c);
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

    struct Voce {
        QPointF punto;
        int ordine = 0;
    };
    struct Colonna {
        std::array<Voce, 6> scelti{};
        double numero = 0;
        bool aperta = false;
    };
    // std::floor without the library call.
    static double NumeroColonna(double x) {
        if (!(std::abs(x) < 1e15))
            return x; // whole already, or too far out to matter
        const auto c = static_cast<double>(static_cast<long long>(x));
        return c > x ? c - 1 : c;
    }
    // The column's chosen points, once each and in their order, go on to the line.
    void ChiudiColonna(Stato& st, Colonna& c);
    // One point of the line.
    void Punto1(Stato& st, QPointF p) {
        if (!std::isfinite(p.x() * 0 + p.y() * 0)) { // either not finite
            st.haCorrente = false;
            return;
        }
        const bool dentro =
            p.x() >= st.sinistra && p.x() <= st.destra && p.y() >= st.alto && p.y() <= st.basso;
        if (st.haCorrente)
            Segmento(st, st.corrente, p, st.correnteDentro && dentro);
        st.corrente = p;
        st.correnteDentro = dentro;
        st.haCorrente = true;
    }

    QRectF limite;
    Stato stato;
    QPolygonF tratto; // the polyline being joined
    QList<QPolygonF> linee;
    bool densa = false; // given by AggiungiDensi: straight runs are merged at the end
};
