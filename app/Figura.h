#pragma once

// A picture from an SVG resource, drawn at the screen's scale so that it stays crisp on any display.

#include <QSize>
#include <QString>
#include <QWidget>

class QSvgRenderer;

// Scaled into the widget, keeping its proportions.
class Figura : public QWidget {
public:
    Figura(const QString& nome, QSize misura, QWidget* parent = nullptr);
    QSize sizeHint() const override { return misura; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QSvgRenderer* disegno;
    QSize misura;
};
