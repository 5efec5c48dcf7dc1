#pragma once

// The frame's client area: the child windows over a background picture, and the arrange operations of
// the Window menu. Forms of fixed size keep their size in every arrangement.

#include <QMdiArea>
#include <QPixmap>

class QSvgRenderer;

class AreaFinestre : public QMdiArea {
    Q_OBJECT
public:
    explicit AreaFinestre(QWidget* parent = nullptr);

    // Normal child windows as full-width bands one above the other, or full-height columns side by
    // side, in the order they were opened.
    void AffiancaOrizzontalmente() { Affianca(Qt::Vertical); }
    void AffiancaVerticalmente() { Affianca(Qt::Horizontal); }
    // Normal child windows stepped down and right by a title bar each, the active one on top.
    void Sovrapponi();
    // Minimised child windows in rows along the bottom edge, from the left.
    void DisponiIcone();
    // After "Esempio": the other windows stay where they opened, and the graph goes where its plot
    // reads best: beside or below all of them, else full width below the one that ends highest (over
    // the lower part of the rest), each only when that leaves it room for a readable plot; else it
    // keeps its own place, the whole area.
    void DisponiEsempio(QMdiSubWindow& grafico);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void Affianca(Qt::Orientation direzione);
    // Moves a window to the rectangle; a form of fixed size only moves to its corner, and is never
    // stretched beyond its designed size (a smaller place gives it scroll bars).
    static void Colloca(QMdiSubWindow* finestra, const QRect& posto);
    const QPixmap& Sfondo();

    QSvgRenderer* disegno;
    QPixmap sfondo; // drawn once per size and pixel ratio
};
