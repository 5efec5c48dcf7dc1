#pragma once

// The frame's client area: the child windows over a background picture, and the arrange operations the
// Window menu offers beside Qt's own cascade.

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
    // Minimised child windows in rows along the bottom edge, from the left.
    void DisponiIcone();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void Affianca(Qt::Orientation direzione);
    const QPixmap& Sfondo();

    QSvgRenderer* disegno;
    QPixmap sfondo; // drawn once per size and pixel ratio
};
