#pragma once

// One printed page on any paint device (a printer, a PDF file, an image), driven like a printer
// object: a font, a scale, a current position, lines of text that move the position down, pictures
// stretched into rectangles. Positions start in twips; ScalaLarghezza makes the printable width a
// number of units across (the vertical unit stays twips); the graph is placed in pixels.

#include <QPainter>

class QPaintDevice;
struct DisposizioneGrafico;

class PaginaStampa {
public:
    // Starts the page; on a device that cannot be painted (a printer error) Pronta() is false and
    // nothing reaches it.
    explicit PaginaStampa(QPaintDevice& dispositivo);
    bool Pronta() const { return pittore.isActive(); }

    void ImpostaCarattere(const QString& nome, int punti);
    void ScalaLarghezza(double unita);

    double CurrentX = 0; // where the next text's left edge goes, in the current unit
    double CurrentY = 0; // where the next text's top goes, in the current unit

    double LarghezzaTesto(const QString& testo) const;
    // Prints the text at the current position, then moves to the start of the next line.
    void Stampa(const QString& testo = QString());
    // Paints the graph laid out in pixels of 1/96 inch from the page's corner, by the graph's own
    // routine, as sharp as the device.
    void StampaGrafico(const DisposizioneGrafico& grafico);
    // A text in the page's font with its top-left corner at a point in pixels of 1/96 inch.
    void StampaTesto(QPointF pixel, const QString& testo);
    // Ends the page and the print job.
    void Fine();

private:
    QPainter pittore;
    double puntiPerUnitaX; // device pixels per unit
    double puntiPerUnitaY;
};
