#pragma once

// The per-user settings store: application "Velantra", section "Settings". This is the one place that
// builds a QSettings. Numbers are kept as single-precision texts in the user's regional format.

#include <QRectF>
#include <QString>

class Impostazioni {
public:
    // Main window placement when not maximised, in twips.
    static constexpr QRectF CollocazionePredefinita{1000, 1000, 6500, 6500};

    // The smallest usable window, 200 x 150 pixels.
    static constexpr double LarghezzaMinima = 3000, AltezzaMinima = 2250;

    // Each key that is missing or unreadable gives its default; so does a width or height below the
    // smallest usable window.
    QRectF LeggiCollocazione() const;
    void ScriviCollocazione(const QRectF& twips);

    QString LeggiIntestazione() const;
    void ScriviIntestazione(const QString& intestazione);

    // The stored text of a key, empty when missing.
    QString Testo(const QString& chiave) const;
    void ScriviTesto(const QString& chiave, const QString& testo);
};
