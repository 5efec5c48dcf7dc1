#pragma once

// A test folder as the system sees it: each entry's kind, owner and mode, and the old files' bytes;
// files read and made by the bytes of their names, which need not be UTF-8.

#include <QByteArray>
#include <QFile>
#include <QTest>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// A file's bytes read by the bytes of its name, which need not be UTF-8.
inline QByteArray LeggiByte(const QByteArray& nome) {
    QByteArray contenuto;
    const int file = open(nome.constData(), O_RDONLY);
    char pezzo[4096];
    for (ssize_t n; file >= 0 && (n = read(file, pezzo, sizeof pezzo)) > 0;)
        contenuto.append(pezzo, n);
    close(file);
    return file >= 0 ? contenuto : "(illeggibile)";
}

// What a run must leave as it was: each entry's kind, owner and mode, and the old files' contents.
struct Voce {
    mode_t modo;
    uid_t proprietario;
    gid_t gruppo;
    QByteArray contenuto;
    bool operator==(const Voce&) const = default;
};
inline std::map<QByteArray, Voce> Voci(const QString& cartella) {
    std::map<QByteArray, Voce> voci;
    DIR* elenco = opendir(QFile::encodeName(cartella).constData());
    while (const dirent* voce = elenco ? readdir(elenco) : nullptr) {
        const QByteArray nome(voce->d_name), percorso = QFile::encodeName(cartella) + '/' + nome;
        struct stat info {};
        if (nome != "." && nome != ".." && lstat(percorso.constData(), &info) == 0)
            voci[nome] = {info.st_mode, info.st_uid, info.st_gid,
                          nome.startsWith("vecchio") ? LeggiByte(percorso) : QByteArray()};
    }
    if (elenco)
        closedir(elenco);
    return voci;
}

inline void Socket(const QString& percorso) {
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    qstrncpy(indirizzo.sun_path, QFile::encodeName(percorso).constData(), sizeof indirizzo.sun_path);
    const int presa = socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(bind(presa, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) == 0);
    close(presa); // the socket file stays
}

// Each entry of `prima` still in the folder as it was (but the contents of `scritto`), and no
// temporary file left behind.
inline void RestaTutto(const std::map<QByteArray, Voce>& prima, const QString& cartella,
                       const QByteArray& scritto = {}) {
    auto dopo = Voci(cartella);
    for (const auto& [nome, voce] : prima) {
        QVERIFY2(dopo.count(nome), nome.constData());
        if (nome == scritto)
            dopo[nome].contenuto = voce.contenuto;
        QVERIFY2(dopo[nome] == voce, nome.constData());
    }
    for (const auto& [nome, voce] : dopo)
        QVERIFY2(!nome.startsWith(".velantra"), nome.constData());
}
