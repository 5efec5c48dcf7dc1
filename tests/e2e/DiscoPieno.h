#pragma once

// A folder on a small memory disk of its own, full but for the files laid on it first: a write there
// fails with the system's own "no space left on device". The disk is mounted in a mount namespace of
// the test's thread (which the processes it starts inherit), so nothing outside sees it; that takes the
// super-user, and without one Pronto() says so and the test skips the row.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#include <utility>

class DiscoPieno {
public:
    DiscoPieno(const QString& cartella, const QList<std::pair<QString, QByteArray>>& file)
        : punto(QFile::encodeName(cartella)) {
        static const bool separato =
            unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        montato =
            separato && QDir().mkpath(cartella) &&
            mount("velantra", punto.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k,mode=0755") == 0;
        if (!montato)
            return;
        for (const auto& [nome, contenuto] : file) {
            QFile f(cartella + '/' + nome);
            if (!QDir().mkpath(QFileInfo(f).absolutePath()) || !f.open(QIODevice::WriteOnly) ||
                f.write(contenuto) != contenuto.size())
                return;
        }
        const int riempitivo = open((punto + "/riempitivo").constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray blocco(512, 'x');
        while (write(riempitivo, blocco.constData(), blocco.size()) > 0) {
        }
        close(riempitivo);
    }
    ~DiscoPieno() {
        if (montato)
            umount2(punto.constData(), MNT_DETACH);
    }
    DiscoPieno(const DiscoPieno&) = delete;
    DiscoPieno& operator=(const DiscoPieno&) = delete;
    bool Pronto() const { return montato; }

private:
    QByteArray punto;
    bool montato = false;
};
