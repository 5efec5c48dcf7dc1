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

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void Affianca(Qt::Orientation direzione);
    // Moves a window to the rectangle; a form of fixed size only moves to its corner.
    static void Colloca(QMdiSubWindow* finestra, const QRect& posto);
    const QPixmap& Sfondo();

    QSvgRenderer* disegno;
    QPixmap sfondo; // drawn once per size and pixel ratio
};
