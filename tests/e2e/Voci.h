#pragma once

// A test folder as the system sees it, to tell what a run changed: every entry, in sub-folders too,
// with its kind, owner and mode, and a regular file's contents.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <fcntl.h>
#include <map>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

struct Voce {
    mode_t modo;
    uid_t proprietario;
    gid_t gruppo;
    QByteArray contenuto;
    bool operator==(const Voce&) const = default;
};
inline std::map<QString, Voce> Voci(const QString& cartella) {
    std::map<QString, Voce> voci;
    QDirIterator elenco(cartella, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
    while (elenco.hasNext()) {
        QFile file(elenco.next());
        struct stat info {};
        if (lstat(QFile::encodeName(file.fileName()).constData(), &info) == 0)
            voci[file.fileName().mid(cartella.size() + 1)] = {
                info.st_mode, info.st_uid, info.st_gid,
                S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()};
    }
    return voci;
}

// Each entry of `prima` still there as it was (but the contents of `scritto`), and no temporary file.
inline void RestaTutto(const std::map<QString, Voce>& prima, const QString& cartella,
                       const QString& scritto) {
    auto dopo = Voci(cartella);
    for (const auto& [nome, voce] : prima) {
        QVERIFY2(dopo.count(nome), qPrintable(nome));
        if (nome == scritto)
            dopo[nome].contenuto = voce.contenuto;
        QVERIFY2(dopo[nome] == voce, qPrintable(nome));
    }
    for (const auto& [nome, voce] : dopo)
        QVERIFY2(!nome.section('/', -1).startsWith(QLatin1String(".velantra")), qPrintable(nome));
}

inline void Socket(const QString& percorso) {
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    qstrncpy(indirizzo.sun_path, QFile::encodeName(percorso).constData(), sizeof indirizzo.sun_path);
    const int presa = socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(bind(presa, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) == 0);
    close(presa); // the socket file stays
}

// The largest file this process may write from now on: a larger one fails with its reason.
inline rlim_t LimitaFile(rlim_t massimo) {
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    const rlim_t prima = std::exchange(limite.rlim_cur, massimo);
    setrlimit(RLIMIT_FSIZE, &limite);
    return prima;
}

// A folder on a small memory disk of its own, full but for the files laid on it first: a write there
// fails with the system's own "no space left on device". It is mounted in a mount namespace of the
// test's thread, which the processes it starts inherit and nothing else sees; without the super-user
// Pronto() is false and the test skips the row.
class DiscoPieno {
public:
    DiscoPieno(const QString& cartella, const QList<std::pair<QString, QByteArray>>& file)
        : punto(QFile::encodeName(cartella)) {
        static const bool separato =
            unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        montato = !file.isEmpty() && separato && QDir().mkpath(cartella) &&
                  mount("velantra", punto.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") == 0;
        for (const auto& [nome, contenuto] : montato ? file : decltype(file){}) {
            QFile f(cartella + '/' + nome);
            QDir().mkpath(QFileInfo(f).path());
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size());
        }
        const int riempitivo =
            montato ? open((punto + "/riempitivo").constData(), O_WRONLY | O_CREAT, 0600) : -1;
        static const char blocco[512] = {};
        while (riempitivo >= 0 && write(riempitivo, blocco, sizeof blocco) > 0) {
        }
        close(riempitivo);
    }
    ~DiscoPieno() {
        if (montato)
            umount2(punto.constData(), MNT_DETACH);
    }
    bool Pronto() const { return montato; }

private:
    QByteArray punto;
    bool montato = false;
};
