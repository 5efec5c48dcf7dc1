#include "Ambiente.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A runtime folder as Qt takes it: a folder, not a link, of this user, that only they may use.
bool Adatta(const QByteArray& percorso) {
    struct stat info {};
    return percorso.startsWith('/') && lstat(percorso.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == geteuid() && (info.st_mode & 0777) == 0700;
}

QByteArray& CartellaPropria() {
    static QByteArray cartella;
    return cartella;
}

void PreparaRuntime(bool ogniDifetto) {
    const QByteArray nominata = qgetenv("XDG_RUNTIME_DIR");
    if (nominata.startsWith('/') && (!ogniDifetto || Adatta(nominata)))
        return;
    const passwd* utente = getpwuid(geteuid());
    const QByteArray temporanea = QFile::encodeName(QDir::tempPath());
    QByteArray cartella =
        temporanea + "/runtime-" + (utente ? QByteArray(utente->pw_name) : QByteArray::number(geteuid()));
    if (mkdir(cartella.constData(), 0700) == 0)
        chmod(cartella.constData(), 0700); // whatever the umask took away
    if (!Adatta(cartella)) {
        cartella = temporanea + "/velantra-runtime-XXXXXX";
        if (!mkdtemp(cartella.data()))
            return;
        CartellaPropria() = cartella;
        std::atexit([] { rmdir(CartellaPropria().constData()); });
    }
    qputenv("XDG_RUNTIME_DIR", cartella);
}

} // namespace

bool PreparaAmbiente(bool finestre) {
    PreparaRuntime(!finestre);
    if (!finestre) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qunsetenv("QT_QPA_PLATFORMTHEME");
        qunsetenv("QT_STYLE_OVERRIDE");
        return true;
    }
    for (const char* variabile : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(variabile))
            return false;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}
