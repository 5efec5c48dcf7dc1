#pragma once

// One printed page on any paint device (a printer, a PDF file, an image), driven like a printer
// object: a font, a scale, a current position, lines of text that move the position down, pictures
// stretched into rectangles. Positions start in twips; ScalaLarghezza makes the printable width a
// number of units across (the vertical unit stays twips), ScalaMillimetri makes both millimetres.

#include <QPainter>

class QPaintDevice;
class SuperficieDisegno;

class PaginaStampa {
public:
    // Starts the page; on a device that cannot be painted (a printer error) Pronta() is false and
    // nothing reaches it.
    explicit PaginaStampa(QPaintDevice& dispositivo);
    bool Pronta() const { return pittore.isActive(); }

    void ImpostaCarattere(const QString& nome, int punti);
    void ScalaLarghezza(double unita);
    void ScalaMillimetri();

    double CurrentX = 0; // where the next text's left edge goes, in the current unit
    double CurrentY = 0; // where the next text's top goes, in the current unit

    double LarghezzaTesto(const QString& testo) const;
    // Prints the text at the current position, then moves to the start of the next line.
    void Stampa(const QString& testo = QString());
    // Stretches a drawing surface's picture into the rectangle; a width or height of 0 keeps the
    // picture's own size in that direction. Painted from its marks, so it is as sharp as the device.
    void StampaImmagine(const SuperficieDisegno& superficie, double sinistra, double alto,
                        double larghezza = 0, double altezza = 0);
    // Ends the page and the print job.
    void Fine();

private:
    QPainter pittore;
    double puntiPerUnitaX; // device pixels per unit
    double puntiPerUnitaY;
};
