#pragma once

// Artwork and identification shared by the windows. Pictures are SVG resources drawn at the screen's
// scale, so they stay crisp on any display.

#include <QIcon>
#include <QString>
#include <QWidget>

class QSvgRenderer;

// Path of the SVG resource with this name (":/app/<nome>.svg").
QString Risorsa(const QString& nome);
QIcon Icona(const QString& nome);

// "Versione 4.0.0": the program's major, minor and revision numbers.
QString TestoVersione();

// A picture from an SVG resource, scaled into the widget keeping its proportions.
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
