#pragma once

// The picture of the entry window: the trapezoidal speed profile with the names of the eight
// quantities, and the list of the eleven allowed triples that a press picks from. Drawn in code at
// 15 twips a pixel, so it stays sharp at any screen scale. With the focus, the arrow keys choose a line
// of the list (highlighted and announced to assistive tools) and Enter or Space takes it as a press
// on it would.

#include <QWidget>
#include <vector>

class ProfiloVelocita : public QWidget {
    Q_OBJECT
public:
    static constexpr int Larghezza = 553; // pixels; the drawing's own height is 394, the box shows 385
    static constexpr int Altezza = 385;
    // Top pixel row of each line of the list; each line is ten rows high.
    static constexpr int PrimaRigaElenco[11] = {132, 145, 158, 171, 184, 197, 210, 223, 236, 249, 263};
    static constexpr int ColonnaElenco = 420;

    explicit ProfiloVelocita(QWidget* parent = nullptr);

    // Where the drawing writes: the quantities' names, the axes' letters and the list, in its pixels.
    // No control may cover them.
    static std::vector<QRect> PostiScritte();

signals:
    // Any mouse button pressed, or a line of the list taken from the keyboard; position in twips from the
    // picture's top left.
    void Premuto(float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ScegliRiga(int riga);
    void DisegnaSceltaElenco(QPainter& p);
    static QRect RettangoloRiga(int riga);

    struct Scritta {
        QRect posto;
        QString testo;
    };
    // The names in the order drawn: S1, S2, the second S1, Stot, T1, T2, the second T1, Ttot, VM, A.
    static std::vector<Scritta> Nomi();

    static void DisegnaProfilo(class QPainter& p);
    static void DisegnaQuote(QPainter& p);
    static void DisegnaNomi(QPainter& p);
    static void DisegnaElenco(QPainter& p);

    int rigaScelta = -1; // the line chosen from the keyboard, 0 to 10, or -1
};
