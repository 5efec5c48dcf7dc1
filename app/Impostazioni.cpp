#include "Impostazioni.h"

#include "NumeriRegionali.h"
#include "TestiNumerici.h"

#include <QSettings>
#include <array>
#include <cmath>
#include <limits>

namespace {
const std::array<QString, 4> ChiaviCollocazione = {QStringLiteral("MainLeft"), QStringLiteral("MainTop"),
                                                   QStringLiteral("MainWidth"), QStringLiteral("MainHeight")};
const QString ChiaveIntestazione = QStringLiteral("IntestazioneUtente");

QString Chiave(const QString& nome) {
    return QStringLiteral("Settings/") + nome;
}

QSettings Archivio() {
    return QSettings(QStringLiteral("Velantra"), QStringLiteral("Velantra"));
}

std::array<double, 4> Valori(const QRectF& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}
} // namespace

QString Impostazioni::Testo(const QString& chiave) const {
    return Archivio().value(Chiave(chiave)).toString();
}

void Impostazioni::ScriviTesto(const QString& chiave, const QString& testo) {
    Archivio().setValue(Chiave(chiave), testo);
}

QRectF Impostazioni::LeggiCollocazione() const {
    std::array<double, 4> valori = Valori(CollocazionePredefinita);
    const char separatore = SeparatoreDecimale();
    for (size_t i = 0; i < valori.size(); ++i) {
        const auto letto = LeggiNumero(Testo(ChiaviCollocazione[i]).toStdString(), separatore);
        if (!letto)
            continue;
        // Kept in single precision, as it is written.
        const float valore = static_cast<float>(*letto);
        const double minimo = i == 2   ? LarghezzaMinima
                              : i == 3 ? AltezzaMinima
                                       : std::numeric_limits<double>::lowest();
        if (std::isfinite(valore) && valore >= minimo)
            valori[i] = valore;
    }
    return {valori[0], valori[1], valori[2], valori[3]};
}

void Impostazioni::ScriviCollocazione(const QRectF& twips) {
    const std::array<double, 4> valori = Valori(twips);
    const char separatore = SeparatoreDecimale();
    QSettings archivio = Archivio();
    for (size_t i = 0; i < valori.size(); ++i)
        archivio.setValue(Chiave(ChiaviCollocazione[i]), QString::fromStdString(TestoNumeroSingolo(
                                                             static_cast<float>(valori[i]), separatore)));
}

QString Impostazioni::LeggiIntestazione() const {
    return Testo(ChiaveIntestazione);
}

void Impostazioni::ScriviIntestazione(const QString& intestazione) {
    ScriviTesto(ChiaveIntestazione, intestazione);
}
