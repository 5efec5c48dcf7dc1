#pragma once

// The value labels of one axis. An axis first offers the labels it is designed to show (for the speed
// and time axes, the labels of the five passes; for a details axis, its round values and marked
// values); those that stand in view and fit stay where they are, each place drawn once. Where they
// cannot be told apart, or too few are in view (three; two on the time axis), labels on round steps
// (1, 2 or 5 times a power of ten, with the decimals the step needs) join or replace them, as many as
// fit without touching one another.

#include "MappaScala.h"

#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class QFontMetricsF;

// A label: its value, its text and the rectangle the text takes, in pixels of the picture.
struct EtichettaAsse {
    double valore = 0;
    QString testo;
    QRectF posto;
};

inline constexpr int MinimoEtichette = 3;
inline constexpr int MinimoTempi = 2; // the phase times alone, where two read apart
inline constexpr int MassimoEtichette = 10;

struct AsseEtichette {
    bool orizzontale = true;
    // A value's position along the axis, in pixels: x for a horizontal axis, y for a vertical one.
    MappaScala mappa;
    QRectF striscia; // the room the labels keep to
    // Where a round-step label goes, from its value's position along the axis and its text's size.
    std::function<QRectF(double posizione, QSizeF misura)> posa;
    int minimo = MinimoEtichette; // designed labels enough to go without round steps

    double Posizione(double valore) const { return mappa.Trasforma(valore); }
};

// The labels the axis shows, in order of value: its minimum to 10 where there is room for them, none covering
// another or one of the `vietati` rectangles. Of the designed labels (`descritte`, in order of
// preference), those whose value lies outside the strip (to within a pixel) go, two with the same text
// in the same place are drawn once, and if two neighbours read the same at different places they all
// give way to round steps. A horizontal label that sticks out of the strip's right end or covers the
// next one moves left, leaving a blank before the next; a vertical one is moved inside the strip, and
// where one of them has no room, round steps take the place of them all.
std::vector<EtichettaAsse> ScegliEtichette(const AsseEtichette& asse, std::vector<EtichettaAsse> descritte,
                                           const QFontMetricsF& metrica,
                                           const std::vector<QRectF>& vietati = {});

// Decimals a round step needs: 0.05 -> 2, 0.2 -> 1, 5 -> 0.
int DecimaliPasso(double passo);
// The text of a value on a round step.
QString TestoPasso(double valore, double passo);
