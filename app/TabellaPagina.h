#pragma once

// A titled table of the report's page: a bold title, then rows of a name and values; numbers (and the
// headings over them) right-aligned in their column, a unit (a cell in brackets) just after its number,
// a word from its column's start on, over the columns after it. Laid out in any width: where the rows
// are wider, the names give way first, then the other columns alike, and each cell wraps onto more
// lines inside its own room, so that no text leaves the table.

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

class QFont;
class QPaintDevice;
class QPainter;

class TabellaPagina {
public:
    TabellaPagina(QString titolo, QStringList intestazione, QList<QStringList> celle)
        : titolo(std::move(titolo)), intestazione(std::move(intestazione)), celle(std::move(celle)) {}

    // Lengths are device pixels of the font on the device (of the painter's, when painting).
    // The width with every cell on one line.
    double Larghezza(const QFont& carattere, const QPaintDevice* dispositivo) const;
    double Altezza(const QFont& carattere, const QPaintDevice* dispositivo, double larghezza) const;
    // From the rectangle's top-left corner, in its width.
    void Disegna(QPainter& pittore, const QRectF& posto) const;

private:
    struct Cella {
        QRectF posto; // the lines' room
        QStringList righe;
        bool destra = false; // each line right-aligned in the room
        bool grassetto = false;
    };
    struct Disposizione {
        std::vector<Cella> celle;
        double destra = 0; // the right edge of the widest line
        double altezza = 0;
    };
    Disposizione Disponi(const QFont& carattere, const QPaintDevice* dispositivo, double larghezza) const;

    QString titolo;
    QStringList intestazione; // headings of the columns after the names, or none
    QList<QStringList> celle;
};
