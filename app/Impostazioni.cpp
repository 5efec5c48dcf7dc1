#include "Impostazioni.h"

#include "FileSicuri.h"
#include "NumeriRegionali.h"
#include "TestiNumerici.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <map>

namespace {
// The placement's keys, in the order left, top, width, height, with the least value each takes.
struct ChiaveCollocazione {
    QString nome;
    double minimo = std::numeric_limits<double>::lowest();
};
const std::array<ChiaveCollocazione, 4> ChiaviCollocazione = {
    {{QStringLiteral("MainLeft")},
     {QStringLiteral("MainTop")},
     {QStringLiteral("MainWidth"), Impostazioni::LarghezzaMinima},
     {QStringLiteral("MainHeight"), Impostazioni::AltezzaMinima}}};
const QString ChiaveIntestazione = QStringLiteral("IntestazioneUtente");
const QString ChiaveCartella = QStringLiteral("UltimaCartella");
const QString ChiaveRecenti = QStringLiteral("DocumentiRecenti");
const QChar SeparatoreRecenti = QLatin1Char('\n');

QString Chiave(const QString& nome) {
    return QStringLiteral("Settings/") + nome;
}

QSettings Archivio() {
    return QSettings(QStringLiteral("Velantra"), QStringLiteral("Velantra"));
}

std::array<double, 4> Valori(const QRectF& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// A text as QSettings reads it back from an INI file: quoted, with its quotes, backslashes and control
// characters escaped (a hexadecimal escape goes on over any hexadecimal digit that follows it, so that
// digit is escaped too), and a leading "@" doubled, which would otherwise announce a typed value.
QByteArray ValoreIni(const QString& testo) {
    QByteArray valore = testo.startsWith(QLatin1Char('@')) ? "\"@" : "\"";
    bool esadecimale = false;
    for (const char c : testo.toUtf8()) {
        const bool cifra = std::isxdigit(static_cast<unsigned char>(c));
        if (c == '"' || c == '\\')
            valore += QByteArray("\\") + c;
        else if (c == '\n' || c == '\r' || c == '\t')
            valore += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
        else if ((static_cast<unsigned char>(c) < 0x20 || c == 0x7F) || (esadecimale && cifra)) {
            valore += "\\x" + QByteArray::number(static_cast<unsigned char>(c), 16);
            esadecimale = true;
            continue;
        } else
            valore += c;
        esadecimale = false;
    }
    return valore + '"';
}

// The keys ("Section/Key", or "Key" for Qt's [General]) as the sections of an INI file.
QByteArray TestoIni(const std::map<QString, QString>& valori) {
    std::map<QString, QByteArray> sezioni;
    for (const auto& [chiave, valore] : valori) {
        const qsizetype barra = chiave.indexOf(QLatin1Char('/'));
        const QString sezione = barra < 0 ? QStringLiteral("General") : chiave.left(barra);
        QString nome = chiave.mid(barra + 1);
        nome.replace(QLatin1Char('/'), QLatin1Char('\\'));
        sezioni[sezione] += nome.toUtf8() + '=' + ValoreIni(valore) + '\n';
    }
    QByteArray testo;
    for (const auto& [sezione, righe] : sezioni)
        testo += (testo.isEmpty() ? "[" : "\n[") + sezione.toUtf8() + "]\n" + righe;
    return testo;
}
} // namespace

QString Impostazioni::Testo(const QString& chiave) const {
    return Archivio().value(Chiave(chiave)).toString();
}

std::optional<QString> Impostazioni::ScriviTesto(const QString& chiave, const QString& testo) {
    return Scrivi({{chiave, testo}});
}

std::optional<QString> Impostazioni::Scrivi(const QList<std::pair<QString, QString>>& testi) {
    const QSettings archivio = Archivio();
    std::map<QString, QString> valori;
    for (const QString& chiave : archivio.allKeys())
        valori[chiave] = archivio.value(chiave).toString();
    for (const auto& [chiave, testo] : testi)
        valori[Chiave(chiave)] = testo;
    const QString file = archivio.fileName();
    QDir().mkpath(
        QFileInfo(file).absolutePath()); // a missing folder, if it cannot be made, is reported below
    if (auto motivo = ScriviFile(file, TestoIni(valori)))
        return QStringLiteral("Impossibile salvare le impostazioni nel file «%1»: %2.")
            .arg(PercorsoMostrato(file), *motivo);
    return std::nullopt;
}

QRectF Impostazioni::LeggiCollocazione() const {
    std::array<double, 4> valori = Valori(CollocazionePredefinita);
    const char separatore = SeparatoreDecimale();
    for (size_t i = 0; i < valori.size(); ++i) {
        const auto letto = LeggiNumero(Testo(ChiaviCollocazione[i].nome).toStdString(), separatore);
        if (!letto)
            continue;
        // Kept in single precision, as it is written.
        const float valore = static_cast<float>(*letto);
        if (std::isfinite(valore) && valore >= ChiaviCollocazione[i].minimo)
            valori[i] = valore;
    }
    return {valori[0], valori[1], valori[2], valori[3]};
}

std::optional<QString> Impostazioni::ScriviCollocazione(const QRectF& twips) {
    const std::array<double, 4> valori = Valori(twips);
    const char separatore = SeparatoreDecimale();
    QList<std::pair<QString, QString>> testi;
    for (size_t i = 0; i < valori.size(); ++i)
        testi.append({ChiaviCollocazione[i].nome,
                      QString::fromStdString(TestoNumeroSingolo(static_cast<float>(valori[i]), separatore))});
    return Scrivi(testi);
}

QString Impostazioni::LeggiIntestazione() const {
    return Testo(ChiaveIntestazione);
}

std::optional<QString> Impostazioni::ScriviIntestazione(const QString& intestazione) {
    return ScriviTesto(ChiaveIntestazione, intestazione);
}

QString Impostazioni::LeggiUltimaCartella() const {
    return Testo(ChiaveCartella);
}

std::optional<QString> Impostazioni::ScriviUltimaCartella(const QString& cartella) {
    return cartella == LeggiUltimaCartella() ? std::nullopt : ScriviTesto(ChiaveCartella, cartella);
}

QStringList Impostazioni::LeggiDocumentiRecenti() const {
    return Testo(ChiaveRecenti).split(SeparatoreRecenti, Qt::SkipEmptyParts).mid(0, MassimoRecenti);
}

std::optional<QString> Impostazioni::AggiungiDocumentoRecente(const QString& percorso) {
    const QString intero = QDir::cleanPath(QFileInfo(percorso).absoluteFilePath());
    // It would read back as two names.
    if (intero.contains(SeparatoreRecenti))
        return std::nullopt;
    const QStringList prima = LeggiDocumentiRecenti();
    QStringList elenco = prima;
    elenco.removeAll(intero);
    elenco.prepend(intero);
    elenco = elenco.mid(0, MassimoRecenti);
    return elenco == prima ? std::nullopt : ScriviTesto(ChiaveRecenti, elenco.join(SeparatoreRecenti));
}

std::optional<QString> Impostazioni::TogliDocumentoRecente(const QString& percorso) {
    QStringList elenco = LeggiDocumentiRecenti();
    return elenco.removeAll(percorso) == 0 ? std::nullopt
                                           : ScriviTesto(ChiaveRecenti, elenco.join(SeparatoreRecenti));
}
