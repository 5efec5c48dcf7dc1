#pragma once

// The report's page flow: parts placed down the pages in their order, each as wide as the page's
// contents. A part that does not fit in what its page has left starts the next page; a stretching part
// (a picture) takes, beyond its least height, its share of what its page has left once every part of
// that page is placed, the parts after it moving down. A new part of the report is one more in the
// list, never placed by hand: it goes to the next page when the first one is full.

#include <QRectF>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

class Impaginazione {
public:
    struct Parte {
        double altezza = 0; // for a stretching part, the least it takes
        bool elastica = false;
        std::function<void(QPainter&, const QRectF&)> disegna; // into its rectangle
    };
    // Where a part goes: its page (the first is 0), its top from the top of the page's contents and its
    // height.
    struct Posto {
        int pagina = 0;
        double y = 0;
        double altezza = 0;
    };

    // Lengths in the device's pixels: the page's contents and the room between two parts.
    Impaginazione(const QRectF& contenuto, double spazio) : contenuto(contenuto), spazio(spazio) {}

    void Aggiungi(Parte parte) { parti.push_back(std::move(parte)); }
    // Each part's place, in order. A part taller than a whole page gets a page of its own, cut at its foot.
    std::vector<Posto> Posti() const;
    // Every part painted, kept to the page's contents, a new page of the device where the flow goes on.
    // False when the device took no new page.
    bool Dipingi(QPainter& pittore, QPagedPaintDevice& dispositivo) const;

private:
    QRectF contenuto;
    double spazio;
    std::vector<Parte> parti;
};
