#include "FileSicuri.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <csignal>
#include <filesystem>

namespace {

// Why the file could not be created: the usual causes first, in words a user can act on.
QString MotivoCreazione(const QString& percorso, const QSaveFile& file) {
    const QFileInfo info(percorso);
    const QFileInfo cartella(info.absolutePath());
    if (info.isDir())
        return QStringLiteral("esiste una cartella con questo nome");
    if (!cartella.exists())
        return QStringLiteral("la cartella «%1» non esiste").arg(PercorsoMostrato(cartella.filePath()));
    if (!cartella.isDir())
        return QStringLiteral("«%1» non è una cartella").arg(PercorsoMostrato(cartella.filePath()));
    if (info.exists() && !info.isWritable())
        return QStringLiteral("il file è di sola lettura");
    if (!cartella.isWritable())
        return QStringLiteral("non è permesso scrivere nella cartella «%1»")
            .arg(PercorsoMostrato(cartella.filePath()));
    return file.errorString();
}

} // namespace

void IgnoraLimiteFile() {
    std::signal(SIGXFSZ, SIG_IGN);
}

QString PercorsoMostrato(const QString& percorso) {
    return QDir::toNativeSeparators(percorso);
}

std::optional<QString> ScriviFile(const QString& percorso, const std::function<bool(QIODevice&)>& scrivi) {
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return MotivoCreazione(percorso, file);
    // Qt 6.4's commit() misses a failed write of its own buffer and would put a truncated file in
    // place of the old one: the buffer is flushed and checked here first.
    if (!scrivi(file) || !file.flush() || file.error() != QFileDevice::NoError || !file.commit()) {
        file.cancelWriting();
        return QStringLiteral("la scrittura non è riuscita (il disco potrebbe essere pieno)");
    }
    return std::nullopt;
}

std::optional<QString> ScriviFile(const QString& percorso, const QByteArray& contenuto) {
    return ScriviFile(percorso, [&](QIODevice& file) { return file.write(contenuto) == contenuto.size(); });
}

FileLetto LeggiFile(const QString& percorso, qint64 massimo) {
    const QFileInfo info(percorso);
    if (!info.exists()) {
        std::error_code errore;
        if (!std::filesystem::exists(QFile::encodeName(percorso).toStdString(), errore) &&
            errore == std::errc::too_many_symbolic_link_levels)
            return {std::nullopt, QStringLiteral("i collegamenti simbolici del percorso formano un ciclo")};
        return {std::nullopt, QStringLiteral("il file non esiste")};
    }
    if (info.isDir())
        return {std::nullopt, QStringLiteral("è una cartella")};
    if (!info.isFile())
        return {std::nullopt, QStringLiteral("non è un file di dati")};
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt,
                info.isReadable() ? file.errorString() : QStringLiteral("non è permesso leggerlo")};
    QByteArray contenuto = file.read(massimo + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, QStringLiteral("la lettura non è riuscita")};
    return {std::move(contenuto), {}};
}
