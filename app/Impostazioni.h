#pragma once

// The per-user settings store: application "Velantra", section "Settings". This is the one place that
// builds a QSettings. Numbers are kept as single-precision texts in the user's regional format.
//
// QSettings reads the store; writing goes through the program's safe-write routine instead, in the
// same INI text, because QSettings can put a cut file in place of a whole one when the disk fills up.
// Each writer gives the message saying why the settings were not saved, or nothing when they were.

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

class Impostazioni {
public:
    // Main window placement when not maximised, in twips.
    static constexpr QRectF CollocazionePredefinita{1000, 1000, 6500, 6500};

    // The smallest usable window, 200 x 150 pixels.
    static constexpr double LarghezzaMinima = 3000, AltezzaMinima = 2250;

    // Each key that is missing or unreadable gives its default; so does a width or height below the
    // smallest usable window.
    QRectF LeggiCollocazione() const;
    std::optional<QString> ScriviCollocazione(const QRectF& twips);

    QString LeggiIntestazione() const;
    std::optional<QString> ScriviIntestazione(const QString& intestazione);

    // The folder last chosen in a file dialog; empty when none.
    QString LeggiUltimaCartella() const;
    std::optional<QString> ScriviUltimaCartella(const QString& cartella);

    // The documents last opened or saved, newest first, at most MassimoRecenti, each a whole path.
    static constexpr qsizetype MassimoRecenti = 8;
    QStringList LeggiDocumentiRecenti() const;
    // Puts the document first, once; the oldest beyond the last place goes. Read anew each time, so
    // that two runs of the program at once both keep theirs.
    std::optional<QString> AggiungiDocumentoRecente(const QString& percorso);
    std::optional<QString> TogliDocumentoRecente(const QString& percorso);

    // The stored text of a key, empty when missing.
    QString Testo(const QString& chiave) const;
    std::optional<QString> ScriviTesto(const QString& chiave, const QString& testo);

private:
    // The keys of the section given new texts, every other key kept.
    std::optional<QString> Scrivi(const QList<std::pair<QString, QString>>& testi);
};
