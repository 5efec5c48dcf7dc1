#pragma once

// The main window's placement: twips in the settings, logical pixels on screen.

#include <QList>
#include <QRect>
#include <QRectF>

QRect InPixel(const QRectF& twips);

// Twips of a placement on screen. A coordinate whose pixel value still matches the one read keeps the
// stored value, so that rounding to whole pixels does not creep into the settings run after run.
QRectF InTwips(const QRect& pixel, const QRectF& letta);

// A placement in twips that lies wholly outside every screen (one removed since the last run, or a
// stored value gone wrong) takes the default position, as an unreadable one does.
QRectF SuGliSchermi(const QRectF& twips, const QList<QRect>& schermi);

// Brings a placement back onto a screen when too little of it lies on any (a screen removed since the
// last run); one larger than its screen is shrunk to it and placed on it.
QRect SuUnoSchermo(const QRect& finestra, const QList<QRect>& schermi);
