#pragma once

// A picture box: drawing in a user coordinate system given by the values at its four edges. What is
// drawn goes into a short list of marks painted over a persistent background image; clearing empties
// the list (the background comes back without redrawing the graph), making the image persistent
// bakes the list into the background. The graph is drawn once and made persistent; the tools draw
// their crosses and boxes as marks on every mouse move.

#include "Spezzata.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QTransform>
#include <QWidget>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

class QPainter;

class SuperficieDisegno : public QWidget {
    Q_OBJECT
public:
    struct TestoDisegnato {
        QPointF punto; // top-left corner, user coordinates (none for a notice)
        QString testo;
    };

    explicit SuperficieDisegno(QWidget* parent = nullptr);

    // The values at the left, top, right and bottom edges of the current size. A system of zero or
    // non-finite extent is refused (false) and the previous one stays.
    bool ImpostaScala(double sinistra, double superiore, double destra, double inferiore);
    QPointF InPixel(double x, double y) const { // logical pixels; scale and shift only
        return QPointF(x * utenteInPixel.m11() + utenteInPixel.dx(),
                       y * utenteInPixel.m22() + utenteInPixel.dy());
    }
    QPointF InUtente(QPointF pixel) const;

    // Pen of what is drawn next.
    void ImpostaSpessore(int pixel);
    void ImpostaTratteggio(bool tratteggio); // dashed, or solid
    void ImpostaStile(Qt::PenStyle stile);
    void ImpostaColore(const QColor& colore);

    void Posiziona(double x, double y); // the current position
    void Linea(double x1, double y1, double x2, double y2);
    void LineaA(double x, double y); // from the current position, which moves there
    void Rettangolo(double x1, double y1, double x2, double y2);
    // Top-left corner (or the point the alignment names: the right edge's top, the bottom's left...)
    // at (x, y); inside, the text is moved as little as needed to lie whole on the surface. A picture
    // stretched unevenly keeps the text at that point of it.
    void Testo(double x, double y, const QString& testo, bool dentro = false,
               Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop);
    // A sentence centred on the surface, wrapped at its width.
    void Avviso(const QString& testo);
    double LarghezzaTesto(const QString& testo) const; // logical pixels

    // A line through many successive points (a curve), drawn as joined lines would be but built in one
    // pass (Spezzata): opened, given its points in user coordinates, closed. A point that is not finite
    // breaks the line.
    void ApriSpezzata();
    void PuntoSpezzata(double x, double y) {
        PuntiSpezzata(1, [x, y](size_t) { return std::optional(QPointF(x, y)); });
    }
    // The points punto(0) to punto(n - 1), each a point or nothing (left out), in one loop; `densi`
    // for a curve of many points per pixel column, drawn through fewer (Spezzata::AggiungiDensi).
    template <class Punto> void PuntiSpezzata(size_t n, Punto punto, bool densi = false) {
        const double kx = utenteInPixel.m11(), bx = utenteInPixel.dx();
        const double ky = utenteInPixel.m22(), by = utenteInPixel.dy();
        const auto inPixel = [&](size_t i, QPointF& p) {
            const std::optional<QPointF> u = punto(i);
            if (u)
                p = QPointF(u->x() * kx + bx, u->y() * ky + by); // as InPixel
            return u.has_value();
        };
        if (densi)
            spezzata.AggiungiDensi(n, inPixel);
        else
            spezzata.Aggiungi(n, inPixel);
    }
    void ChiudiSpezzata();

    void Cancella();         // marks go, the background stays
    void RendiPersistente(); // marks become background
    void RimuoviSfondo();    // blank background of the current size, no marks

    // Mouse moves and presses are reported only while enabled.
    void AbilitaMouse(bool attivo) { mouseAttivo = attivo; }
    bool MouseAbilitato() const { return mouseAttivo; }

    // The persistent picture, at the size it was made, with the screen's pixel ratio.
    QImage Immagine() const { return Vuoto() ? Bianca() : Dipinto(); }
    // Its size in logical pixels.
    QSizeF Misura() const { return Vuoto() ? QSizeF(size()) : QSizeF(misuraSfondo); }
    // Paints the persistent picture stretched into the rectangle, from its marks rather than its
    // pixels: sharp at any resolution (a printer, a PDF file). Texts and pen widths keep their
    // proportions, scaled as the picture is across its narrow side; texts by `scalaTesti` instead
    // when given (a picture stretched more than the page it is on keeps its texts the page's size).
    void DisegnaIn(QPainter& pittore, const QRectF& rettangolo, double scalaTesti = 0) const;
    // Texts of the background and of the marks, in drawing order.
    QList<TestoDisegnato> Testi() const;

signals:
    void MouseMosso(double x, double y);
    void MousePremuto(Qt::MouseButton pulsante, double x, double y);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    struct Penna {
        QColor colore = Qt::black;
        int spessore = 1;
        Qt::PenStyle stile = Qt::SolidLine;
        bool operator==(const Penna&) const = default;
    };
    enum class Tipo : uint8_t { Linea, Rettangolo, Testo, Spezzata, Avviso };
    struct Segno {
        Tipo tipo;
        Penna penna;
        QPointF a, b; // logical pixels; for a text, b is its point in user coordinates
        QString testo;
        QPolygonF linea = {};                                      // logical pixels
        Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop; // of a text, to the point it keeps
    };

    void Aggiungi(Segno segno);
    void Sporca(const Segno& segno);
    QRectF Ingombro(const Segno& segno) const;
    QRectF Limite() const;
    // Paints the marks with their points mapped; pen widths scaled by `scala`, texts by `scalaTesti`.
    void Dipingi(QPainter& pittore, std::span<const Segno> elenco, const QTransform& mappa = {},
                 double scala = 1, double scalaTesti = 1) const;
    // From a text's top-left corner to the point its alignment keeps, in logical pixels.
    QPointF Scarto(const QString& testo, Qt::Alignment allineamento) const;
    QFont Carattere() const;
    QImage Bianca() const;
    const QImage& Dipinto() const;
    std::vector<Segno> Ritagliati(const QRectF& area) const;
    bool Vuoto() const { return misuraSfondo.isEmpty(); }

    std::vector<Segno> segni;
    std::vector<Segno> segniSfondo; // what the persistent picture is made of
    QSize misuraSfondo;             // logical pixels the persistent picture was made at; none: blank
    // The persistent picture's pixels, painted from its marks when first shown or asked for: a view
    // that is drawn but never shown (an export) costs no pixels. Kept for the next picture of its size.
    mutable QImage sfondo;
    static constexpr size_t Imbiancare = SIZE_MAX;
    mutable size_t dipinti = Imbiancare; // marks already in it; Imbiancare: to be whitened first
    QTransform utenteInPixel, pixelInUtente;
    QRectF area; // logical pixels covered by the coordinate system; the widget until one is set
    Penna penna;
    QPointF corrente; // user coordinates
    Spezzata spezzata;
    bool mouseAttivo = false;
    int segniDaDipingere = 0; // added since the last paint
    bool tuttoDaRidipingere = false;
};
