#pragma once

// A folder on a small memory disk of its own, full but for the files laid on it first: a write there
// fails with the system's own "no space left on device". It is mounted in a mount namespace of the
// test's thread, which the processes it starts inherit and nothing else sees; without the super-user
// Pronto() is false and the test skips the row.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

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
